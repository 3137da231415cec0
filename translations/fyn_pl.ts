<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="sk_SK">
<context>
    <name>StringTable</name>
    <message id="101">
        <source>&amp;O programe Fyn...</source>
        <translation>&amp;O programie Fyn...</translation>
    </message>
    <message id="102">
        <source>Január</source>
        <translation>Styczeń</translation>
    </message>
    <message id="103">
        <source>Február</source>
        <translation>Luty</translation>
    </message>
    <message id="104">
        <source>Marec</source>
        <translation>Marzec</translation>
    </message>
    <message id="105">
        <source>Apríl</source>
        <translation>Kwiecień</translation>
    </message>
    <message id="106">
        <source>Máj</source>
        <translation>Maj</translation>
    </message>
    <message id="107">
        <source>Jún</source>
        <translation>Czerwiec</translation>
    </message>
    <message id="108">
        <source>Júl</source>
        <translation>Lipiec</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>Sierpień</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>Wrzesień</translation>
    </message>
    <message id="111">
        <source>Október</source>
        <translation>Październik</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>Grudzień</translation>
    </message>
    <message id="1000">
        <source>Zvest. - %1</source>
        <translation>Głos. - %1</translation>
    </message>
    <message id="1001">
        <source>%1 - neodovzdané správy</source>
        <translation>%1 - brakujące sprawozdania</translation>
    </message>
    <message id="1002">
        <source>Výber súboru od tajomníka</source>
        <translation>Wybór pliku od sekretarza</translation>
    </message>
    <message id="1003">
        <source>List so zoznamom od tajomníka (.t09)</source>
        <translation>Lista od sekretarza (.t09)</translation>
    </message>
    <message id="1014">
        <source>H</source>
        <translation>G</translation>
    </message>
    <message id="1019">
        <source>Poznámky</source>
        <translation>Uwagi</translation>
    </message>
    <message id="1020">
        <source>PoP</source>
        <translation>PP</translation>
    </message>
    <message id="1030">
        <source>- VÝSTRAHA -   Už ste zaslali %1 správu za %2.</source>
        <translation>- UWAGA -   Sprawozdanie za %1 dla: %2 zostało już wysłane.</translation>
    </message>
    <message id="1031">
        <source>Zmeny NEBUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Zmiany NIE ZOSTANĄ UWZGLĘDNIONE w sprawozdaniu za %1 dla Biura Oddziału.</translation>
    </message>
    <message id="1032">
        <source>Prípadné zmeny BUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Ewentualne zmiany ZOSTANĄ UWZGLĘDNIONE w sprawozdaniu za %1 dla Biura Oddziału.</translation>
    </message>
    <message id="1033">
        <source>Mimo priestor pre poznámky</source>
        <translation>Brak miejsca na uwagi</translation>
    </message>
    <message id="1038">
        <source>Vaše aktualizované správy boli uložené do súboru %1</source>
        <translation>Zaktualizowane sprawozdania zapisano w pliku %1</translation>
    </message>
    <message id="1039">
        <source>

Kliknite na Áno pre odoslanie súboru .t19 na e-mail </source>
        <translation>

Kliknij Tak, aby wysłać plik .t19 na adres e-mail </translation>
    </message>
    <message id="1040">
        <source>Kliknite na Nie pre neskoršie odoslanie súboru tajomníkovi.</source>
        <translation>Kliknij Nie, aby wysłać plik sekretarzowi później.</translation>
    </message>
    <message id="1041">
        <source>,

       alebo

</source>
        <translation>,

       albo

</translation>
    </message>
    <message id="1042">
        <source>Zostavené súbory</source>
        <translation>Zebrane pliki</translation>
    </message>
    <message id="1043">
        <source>.t19 súbor pre</source>
        <translation>plik .t19 dla</translation>
    </message>
    <message id="1058">
        <source>Skupina</source>
        <translation>Grupa</translation>
    </message>
    <message id="1059">
        <source>Tipy pre používanie FYN

Od vášho tajomníka ste prijali súbor SkupinaX.t09 pre zadanie a vytvorenie mesačnej správy. </source>
        <translation>Wskazówki do programu FYN

Sekretarz przekazuje Ci plik GrupaX.t09, w którym wpisuje się sprawozdania i tworzy miesięczne zestawienie. </translation>
    </message>
    <message id="1060">
        <source>Kliknutím na ikonu FYN spustite program a tlačítkom "Načítať nový list od tajomníka" otvorte súbor.

</source>
        <translation>Uruchom program, klikając ikonę FYN, i otwórz plik przyciskiem „Wczytaj nową listę od sekretarza”.

</translation>
    </message>
    <message id="1061">
        <source>Uvidíte, že zadávanie správ je jednoduché - iba pomocou klávesnice. Napíšte prvé dve alebo tri písmená priezviska. Alebo použite šípky hore / dolu, vyberte meno a stlačte Enter.

</source>
        <translation>Wpisywanie sprawozdań jest proste - wystarczy klawiatura. Wpisz pierwsze dwie lub trzy litery nazwiska. Możesz też wybrać nazwisko strzałkami w górę / w dół i nacisnąć Enter.

</translation>
    </message>
    <message id="1062">
        <source>Klávesou Enter preskočíte na zadanie ďalšieho políčka správy. Stlačte klávesu Enter po zadaní posledného políčka pre návrat do výberového zoznamu.

</source>
        <translation>Klawisz Enter przenosi do następnego pola sprawozdania. Po ostatnim polu naciśnij Enter, aby wrócić do listy.

</translation>
    </message>
    <message id="1063">
        <source>Ak chcete zadať poznámku, použite klávesy Alt-R alebo kliknite na tlačítko Poznámky.  Ukončite klávesou Enter.

Ak chcete zmeniť mesiac pre zadávanie správy, použite Alt+M alebo kliknite na tlačítko Zmeniť mesiac.

</source>
        <translation>Aby wpisać uwagę, naciśnij Alt+U lub kliknij przycisk Uwagi. Zakończ klawiszem Enter.

Aby zmienić miesiąc sprawozdania, naciśnij Alt+M lub kliknij przycisk Zmień miesiąc.

</translation>
    </message>
    <message id="1064">
        <source>Zvestovateľovi, ktorý odovzdá nulovú správu, napíšte do Poznámky nulu. Vylúčite ho tak zo zoznamu tých, ktorí správu eště neodovzdali.

</source>
        <translation>Głosicielowi, który oddał sprawozdanie zerowe, wpisz w Uwagach zero. Nie będzie wtedy na liście tych, którzy jeszcze nie oddali sprawozdania.

</translation>
    </message>
    <message id="1065">
        <source>Akonáhle FYN zatvoríte, program automaticky uloží všetky zmeny.Pokiaľ máte modem, môžete použiť tlačítko Vytočiť. Použite '&gt;&gt;&gt;' pre zobrazenie ďalších telefónnych čísiel.

</source>
        <translation>Po zamknięciu programu FYN wszystkie zmiany zostaną zapisane automatycznie. Jeśli masz modem, możesz użyć przycisku Zadzwoń. Przycisk '&gt;&gt;&gt;' pokazuje kolejne numery telefonów.

</translation>
    </message>
    <message id="1066">
        <source>Pokiaľ máte správne nakonfigurovaného e-mailového klienta MAPI, môžete e-mailom spracovaný list so správou zaslať tajomníkovi priamo z programu.
V opačnom prípade pripojte vytvorený súbor do e-mailu ručne alebo odovzdajte tajomníkovi na prenosnom médiu.

</source>
        <translation>Jeśli masz poprawnie skonfigurowany program pocztowy, możesz wysłać sekretarzowi uzupełnioną listę e-mailem prosto z programu.
W przeciwnym razie dołącz utworzony plik do e-maila ręcznie albo przekaż go sekretarzowi na nośniku.

</translation>
    </message>
    <message id="1116">
        <source>Celkom zvestovateľov</source>
        <translation>Razem głosicieli</translation>
    </message>
    <message id="1167">
        <source>Meno</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message id="1168">
        <source>Telefón</source>
        <translation>Telefon</translation>
    </message>
    <message id="1188">
        <source>%1 - odovzdané správy</source>
        <translation>%1 - oddane sprawozdania</translation>
    </message>
    <message id="1194">
        <source>Zvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku</source>
        <translation>Pionierzy specjalni NIE SĄ UWZGLĘDNIENI w sprawozdaniu dla Biura Oddziału</translation>
    </message>
    <message id="1198">
        <source>sk</source>
        <translation>Polish</translation>
    </message>
    <message id="1231">
        <source>Ak sa nedá vytvoriť nový súbor: %1.
Zrušte atribút súboru "Len pre čítanie" alebo získajte oprávnenie k vytváraniu súborov v tomto adresári.</source>
        <translation>Nie można utworzyć nowego pliku: %1.
Usuń atrybut pliku „Tylko do odczytu” albo uzyskaj uprawnienia do tworzenia plików w tym folderze.</translation>
    </message>
    <message id="1232">
        <source>Skupina má menej ako 3 zvestovateľov</source>
        <translation>Grupa ma mniej niż 3 głosicieli</translation>
    </message>
    <message id="1247">
        <source>Kontakty pre výber správ</source>
        <translation>Kontakty do zbierania sprawozdań</translation>
    </message>
    <message id="1417">
        <source>Hod</source>
        <translation>Godz.</translation>
    </message>
    <message id="1419">
        <source>BŠ</source>
        <translation>SB</translation>
    </message>
    <message id="1422">
        <source>Odošlite svoj prehľad za %1. 
Ďakujem..</source>
        <translation>Prześlij, proszę, swoje sprawozdanie za %1. 
Dziękuję..</translation>
    </message>
    <message id="1500">
        <source>v službe</source>
        <translation>służba</translation>
    </message>
    <message id="2000">
        <source>Súbor %1 nie je platný list od tajomníka.</source>
        <translation>Plik %1 nie jest prawidłową listą od sekretarza.</translation>
    </message>
    <message id="2001">
        <source>Správy sa nepodarilo uložiť do súboru %1.

Kliknite na Áno pre ukončenie programu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Nie udało się zapisać sprawozdań w pliku %1.

Kliknij Tak, aby zamknąć program bez zapisywania, albo Nie, aby wrócić do programu.</translation>
    </message>
    <message id="2002">
        <source>E-mailová adresa %1 nie je platná.</source>
        <translation>Adres e-mail %1 jest nieprawidłowy.</translation>
    </message>
    <message id="2003">
        <source>Správa je pripravená vo vašom e-mailovom programe. Odošlite ju tam.</source>
        <translation>Wiadomość czeka w Twoim programie pocztowym. Wyślij ją stamtąd.</translation>
    </message>
    <message id="2004">
        <source>Správy zadané od posledného uloženia do súboru %1 sa stratia.

Kliknite na Áno pre výber iného listu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Sprawozdania wpisane od ostatniego zapisu do pliku %1 zostaną utracone.

Kliknij Tak, aby wybrać inną listę bez zapisywania, albo Nie, aby wrócić do programu.</translation>
    </message>
    <message id="2005">
        <source>E-mail - %1</source>
        <translation>E-mail - %1</translation>
    </message>
    <message id="2010">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Zmień &amp;miesiąc (spóźnione sprawozd.)</translation>
    </message>
    <message id="2011">
        <source>či bol v danom mesiaci v službe</source>
        <translation>czy był w danym miesiącu w służbie</translation>
    </message>
    <message id="2012">
        <source>Pomocný priekopník</source>
        <translation>Pionier pomocniczy</translation>
    </message>
    <message id="2013">
        <source>Pravidelný priekopník</source>
        <translation>Pionier pełnoczasowy</translation>
    </message>
    <message id="2014">
        <source>Zvláštny priekopník</source>
        <translation>Pionier specjalny</translation>
    </message>
    <message id="2015">
        <source>Služobný pomocník</source>
        <translation>Sługa pomocniczy</translation>
    </message>
    <message id="2016">
        <source>Starší</source>
        <translation>Starszy</translation>
    </message>
    <message id="2017">
        <source>Pokrstený brat</source>
        <translation>Ochrzczony brat</translation>
    </message>
    <message id="2018">
        <source>&amp;Áno</source>
        <translation>&amp;Tak</translation>
    </message>
    <message id="2019">
        <source>&amp;Nie</source>
        <translation>&amp;Nie</translation>
    </message>
    <message id="2040">
        <source>Správa je pripravená vo vašom e-mailovom programe. Skontrolujte, či je k nej priložený súbor %1, a až potom ju odošlite.</source>
        <translation>Wiadomość czeka w Twoim programie pocztowym. Sprawdź, czy jest do niej dołączony plik %1, i dopiero wtedy ją wyślij.</translation>
    </message>
    <message id="2060">
        <source>Zrušiť</source>
        <translation>Anuluj</translation>
    </message>
    <message id="2061">
        <source>V systéme chýbajú údaje ICU pre kódovanie %1 (balík libicu72). Fyn bez nich nemôže čítať ani zapisovať listy, preto sa ukončí.</source>
        <translation>W systemie brakuje danych ICU dla strony kodowej %1 (pakiet libicu72). Bez nich Fyn nie może czytać ani zapisywać list, więc zostanie zamknięty.</translation>
    </message>
    <message id="2062">
        <source>Záložnú kópiu listu sa nepodarilo vytvoriť v adresári %1: %2.

Správy sa do listu napriek tomu uložia.</source>
        <translation>Nie udało się utworzyć kopii zapasowej listy w folderze %1: %2.

Sprawozdania zostaną mimo to zapisane na liście.</translation>
    </message>
    <message id="2063">
        <source>Zoznam sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Nie udało się zapisać listy w pliku %1: %2.</translation>
    </message>
    <message id="2064">
        <source>Nastavenie From v časti [Mail] súboru fyn.ini obsahuje neplatnú adresu odosielateľa: %1

Opravte ju alebo nastavenie From vymažte.</source>
        <translation>Ustawienie From w sekcji [Mail] pliku fyn.ini zawiera nieprawidłowy adres nadawcy: %1

Popraw go albo usuń ustawienie From.</translation>
    </message>
    <message id="2065">
        <source>Nastavenie Language=%1 v súbore %2 neurčuje jazyk, ktorý Fyn pozná (sk, cs, pl, fr, el, tr, et, en). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Ustawienie Language=%1 w pliku %2 nie wskazuje języka znanego programowi Fyn (sk, cs, pl, fr, el, tr, et, en). Popraw je lub usuń. Fyn zakończy działanie bez czytania listy.</translation>
    </message>
    <message id="2066">
        <source>Nastavenie CodePage=%1 v súbore %2 neurčuje kódovanie, ktoré Fyn pozná (napríklad windows-1250). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Ustawienie CodePage=%1 w pliku %2 nie wskazuje strony kodowej znanej programowi Fyn (na przykład windows-1250). Popraw je lub usuń. Fyn zakończy działanie bez czytania listy.</translation>
    </message>
    <message id="2067">
        <source>Súčasť programu Fyn sa nedá načítať:

%1

Inštalácia programu je zrejme neúplná; nainštalujte balík fyn znova.</source>
        <translation>Nie można wczytać części programu Fyn:

%1

Instalacja programu jest prawdopodobnie niepełna; zainstaluj ponownie pakiet fyn.</translation>
    </message>
    <message id="2068">
        <source>Súbor %1 patrí k inej verzii programu Fyn. Ak ste Fyn práve aktualizovali, zatvorte ho a spustite znova.</source>
        <translation>Plik %1 należy do innej wersji programu Fyn. Jeśli Fyn został właśnie zaktualizowany, zamknij go i uruchom ponownie.</translation>
    </message>
    <message id="2070">
        <source>Pripomienku ani hovor sa nepodarilo zaznamenať do súboru %1: %2.</source>
        <translation>Nie udało się odnotować przypomnienia ani rozmowy telefonicznej w pliku %1: %2.</translation>
    </message>
    <message id="2071">
        <source>súbor práve používa iný program</source>
        <translation>plik jest właśnie używany przez inny program</translation>
    </message>
    <message id="2072">
        <source>súbor je len na čítanie</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message id="2073">
        <source>na disku nie je miesto</source>
        <translation>brak miejsca na dysku</translation>
    </message>
    <message id="2074">
        <source>súbor sa nedá otvoriť</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message id="2075">
        <source>súbor pochádza z novšej verzie programu Fyn</source>
        <translation>plik pochodzi z nowszej wersji programu Fyn</translation>
    </message>
    <message id="2076">
        <source>Súbor %1 bol poškodený. Bol premenovaný na %2 a vytvoril sa nový.</source>
        <translation>Plik %1 był uszkodzony. Zmieniono jego nazwę na %2 i utworzono nowy.</translation>
    </message>
    <message id="2077">
        <source>súbor je poškodený</source>
        <translation>plik jest uszkodzony</translation>
    </message>
    <message id="2080">
        <source>Meno</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message id="2081">
        <source>V službe</source>
        <translation>W służbie</translation>
    </message>
    <message id="2082">
        <source>Hodiny</source>
        <translation>Godziny</translation>
    </message>
    <message id="2083">
        <source>Biblické štúdiá</source>
        <translation>Studia biblijne</translation>
    </message>
    <message id="2084">
        <source>Pomocný priekopník</source>
        <translation>Pionier pomocniczy</translation>
    </message>
    <message id="2085">
        <source>Poznámka</source>
        <translation>Uwagi</translation>
    </message>
    <message id="2086">
        <source>Správa odovzdaná</source>
        <translation>Sprawozdanie oddane</translation>
    </message>
    <message id="2087">
        <source>Spolu</source>
        <translation>Razem</translation>
    </message>
    <message id="2100">
        <source>Pripomenúť všetkým, ktorí ešte neodovzdali...	Ctrl+E</source>
        <translation>Przypomnij wszystkim, którzy jeszcze nie oddali...	Ctrl+E</translation>
    </message>
    <message id="2101">
        <source>Pripomienky za %1</source>
        <translation>Przypomnienia za %1</translation>
    </message>
    <message id="2102">
        <source>Odovzdané: %1 z %2. V službe: %3, hodiny: %4, biblické štúdiá: %5, pomocní priekopníci: %6</source>
        <translation>Oddane: %1 z %2. W służbie: %3, godziny: %4, studia biblijne: %5, pionierzy pomocniczy: %6</translation>
    </message>
    <message id="2103">
        <source>bez e-mailovej adresy</source>
        <translation>brak adresu e-mail</translation>
    </message>
    <message id="2104">
        <source>nepoužiteľná adresa %1</source>
        <translation>nieprawidłowy adres %1</translation>
    </message>
    <message id="2105">
        <source>odmietnutá adresa %1</source>
        <translation>odrzucony adres %1</translation>
    </message>
    <message id="2106">
        <source>tel. %1</source>
        <translation>tel. %1</translation>
    </message>
    <message id="2107">
        <source>pripomenuté e-mailom %1</source>
        <translation>przypomniano e-mailem %1</translation>
    </message>
    <message id="2108">
        <source>odovzdané e-mailovému programu %1</source>
        <translation>przekazano do programu pocztowego %1</translation>
    </message>
    <message id="2109">
        <source>volané %1</source>
        <translation>dzwoniono %1</translation>
    </message>
    <message id="2110">
        <source>e-mail sa nepodarilo odoslať %1</source>
        <translation>nie udało się wysłać e-maila %1</translation>
    </message>
    <message id="2111">
        <source>&amp;Odoslať</source>
        <translation>&amp;Wyślij</translation>
    </message>
    <message id="2112">
        <source>Zavrieť</source>
        <translation>Zamknij</translation>
    </message>
    <message id="2113">
        <source>Odosiela sa pripomienka %1 z %2...</source>
        <translation>Wysyłanie przypomnienia %1 z %2...</translation>
    </message>
    <message id="2114">
        <source>Odoslané pripomienky: %1 z %2.</source>
        <translation>Wysłane przypomnienia: %1 z %2.</translation>
    </message>
    <message id="2115">
        <source>Nepodarilo sa odoslať:</source>
        <translation>Nie udało się wysłać:</translation>
    </message>
    <message id="2116">
        <source>Správa je pripravená vo vašom e-mailovom programe. Adresáti v skrytej kópii: %1. Odošlite ju odtiaľ.</source>
        <translation>Wiadomość czeka w Twoim programie pocztowym. Adresaci w ukrytej kopii: %1. Wyślij ją stamtąd.</translation>
    </message>
    <message id="2117">
        <source>Poštový príkaz neskončil do %1 sekúnd a bol zastavený. Správa mohla odísť; skôr ako ju pošlete znova, overte to u adresáta.</source>
        <translation>Polecenie pocztowe nie zakończyło się w ciągu %1 sekund i zostało zatrzymane. Wiadomość mogła zostać wysłana; zanim wyślesz ją ponownie, sprawdź to u adresata.</translation>
    </message>
    <message id="2118">
        <source>Možno odoslané (poštový príkaz bol zastavený), znova sa neponúkajú:</source>
        <translation>Być może wysłane (polecenie pocztowe zostało zatrzymane), nie są proponowane ponownie:</translation>
    </message>
    <message id="2119">
        <source>pripomienka možno odišla %1</source>
        <translation>przypomnienie być może wysłane %1</translation>
    </message>
    <message id="2120">
        <source>Záznam kontaktov %1 sa nedá prečítať: %2. Pripomienky z iných spustení programu nie sú známe, tie z tohto áno.</source>
        <translation>Nie można odczytać rejestru kontaktów %1: %2. Przypomnienia z innych uruchomień programu nie są znane, te z bieżącego tak.</translation>
    </message>
    <message id="2121">
        <source>%1: %2.

Za posledných 24 hodín už jedna pripomienka odišla. Poslať ďalšiu?</source>
        <translation>%1: %2.

W ciągu ostatnich 24 godzin wysłano już jedno przypomnienie. Wysłać kolejne?</translation>
    </message>
    <message id="2122">
        <source>Aktualizovaný list bol odoslaný na adresu %1.</source>
        <translation>Zaktualizowaną listę wysłano na adres %1.</translation>
    </message>
    <message id="2130">
        <source>Správy sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Nie udało się zapisać sprawozdań w pliku %1: %2.</translation>
    </message>
    <message id="2131">
        <source>Súbor %1 sa nedá otvoriť: %2.</source>
        <translation>Nie można otworzyć pliku %1: %2.</translation>
    </message>
    <message id="2132">
        <source>súbor alebo priečinok neexistuje</source>
        <translation>plik lub folder nie istnieje</translation>
    </message>
    <message id="2133">
        <source>chýba oprávnenie</source>
        <translation>brak uprawnień</translation>
    </message>
    <message id="2134">
        <source>je to priečinok, nie súbor</source>
        <translation>to jest folder, a nie plik</translation>
    </message>
    <message id="2135">
        <source>Text obsahuje znaky, ktoré kódovanie %1 nepozná (kódy %2); zobrazujú sa ako �. Ak text zmeníte, tieto znaky sa neuložia.</source>
        <translation>Tekst zawiera znaki, których kodowanie %1 nie zna (kody %2); są wyświetlane jako �. Jeśli zmienisz tekst, te znaki nie zostaną zapisane.</translation>
    </message>
    <message id="2150">
        <source>január</source>
        <translation>styczeń</translation>
    </message>
    <message id="2151">
        <source>február</source>
        <translation>luty</translation>
    </message>
    <message id="2152">
        <source>marec</source>
        <translation>marzec</translation>
    </message>
    <message id="2153">
        <source>apríl</source>
        <translation>kwiecień</translation>
    </message>
    <message id="2154">
        <source>máj</source>
        <translation>maj</translation>
    </message>
    <message id="2155">
        <source>jún</source>
        <translation>czerwiec</translation>
    </message>
    <message id="2156">
        <source>júl</source>
        <translation>lipiec</translation>
    </message>
    <message id="2157">
        <source>august</source>
        <translation>sierpień</translation>
    </message>
    <message id="2158">
        <source>september</source>
        <translation>wrzesień</translation>
    </message>
    <message id="2159">
        <source>október</source>
        <translation>październik</translation>
    </message>
    <message id="2160">
        <source>november</source>
        <translation>listopad</translation>
    </message>
    <message id="2161">
        <source>december</source>
        <translation>grudzień</translation>
    </message>
    <message id="2162">
        <source>Niektoré mená v liste %1 obsahujú znaky, ktoré kódovanie %2 nepozná (ukazujú sa ako �). List je zrejme v inom kódovaní: nastavte ho v súbore fyn.ini v časti [Interface] kľúčom CodePage, napríklad CodePage=windows-1250.</source>
        <translation>Niektóre nazwiska na liście %1 zawierają znaki, których strona kodowa %2 nie zna (widać je jako �). Lista jest zapewne w innej stronie kodowej: ustaw ją w pliku fyn.ini w sekcji [Interface] kluczem CodePage, na przykład CodePage=windows-1250.</translation>
    </message>
    <message id="2180">
        <source>Ďalšie telefónne číslo zvestovateľa</source>
        <translation>Następny numer telefonu głosiciela</translation>
    </message>
    <message id="2200">
        <source>Rok skupiny na jeden pohľad...	Ctrl+R</source>
        <translation>Rok grupy w skrócie...	Ctrl+R</translation>
    </message>
    <message id="2201">
        <source>Skupina %1 - posledných 12 mesiacov: %2 - %3</source>
        <translation>Grupa %1 - ostatnie 12 miesięcy: %2 - %3</translation>
    </message>
    <message id="2202">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message id="2203">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message id="2204">
        <source>Zvestovateľ</source>
        <translation>Głosiciel</translation>
    </message>
    <message id="2205">
        <source>Stav</source>
        <translation>Status</translation>
    </message>
    <message id="2206">
        <source>nepravidelný</source>
        <translation>nieregularny</translation>
    </message>
    <message id="2207">
        <source>neaktívny</source>
        <translation>nieczynny</translation>
    </message>
    <message id="2208">
        <source>+</source>
        <translation>+</translation>
    </message>
    <message id="2209">
        <source>0</source>
        <translation>0</translation>
    </message>
    <message id="2210">
        <source>-</source>
        <translation>-</translation>
    </message>
    <message id="2211">
        <source>o</source>
        <translation>s</translation>
    </message>
    <message id="2212">
        <source>PoP</source>
        <translation>PP</translation>
    </message>
    <message id="2213">
        <source>PP</source>
        <translation>PS</translation>
    </message>
    <message id="2214">
        <source>ZP</source>
        <translation>PSp</translation>
    </message>
    <message id="2215">
        <source>+ v službe bez hodín   0 nulová správa   - chýba   o oneskorená   PoP pomocný, PP pravidelný, ZP zvláštny priekopník   Stav podľa posledných 6 mesiacov</source>
        <translation>+ w służbie bez godzin   0 sprawozdanie zerowe   - brak   s spóźnione   PP pomocniczy, PS stały, PSp specjalny pionier   Status z ostatnich 6 miesięcy</translation>
    </message>
    <message id="2216">
        <source>chýba</source>
        <translation>brak</translation>
    </message>
    <message id="2217">
        <source>nulová správa</source>
        <translation>sprawozdanie zerowe</translation>
    </message>
    <message id="2218">
        <source>oneskorená</source>
        <translation>spóźnione</translation>
    </message>
    <message id="2219">
        <source>%1 hod.</source>
        <translation>%1 godz.</translation>
    </message>
    <message id="2220">
        <source>Odovzdané</source>
        <translation>Oddane</translation>
    </message>
    <message id="2221">
        <source>V službe</source>
        <translation>W służbie</translation>
    </message>
    <message id="2222">
        <source>Hodiny</source>
        <translation>Godziny</translation>
    </message>
    <message id="2223">
        <source>Biblické štúdiá</source>
        <translation>Studia biblijne</translation>
    </message>
    <message id="2224">
        <source>Pomocní priekopníci</source>
        <translation>Pionierzy pomocniczy</translation>
    </message>
    <message id="2225">
        <source>Správu za %1 tu už zadať nemožno: list od tajomníka prijíma oneskorené správy len za mesiace roka %2.</source>
        <translation>Sprawozdania za %1 nie można już tu wpisać: arkusz od sekretarza przyjmuje spóźnione sprawozdania tylko za miesiące roku %2.</translation>
    </message>
    <message id="2226">
        <source>Klávesy Ctrl+R ukážu rok skupiny: kto za posledných 12 mesiacov odovzdal správu, kto je nepravidelný alebo neaktívny, a súčty skupiny po mesiacoch. Šípkami prejdete na mesiac, Enter otvorí správu zvestovateľa za ten mesiac.</source>
        <translation>Klawisze Ctrl+R pokazują rok grupy: kto w ostatnich 12 miesiącach oddał sprawozdanie, kto jest nieregularny lub nieczynny, oraz sumy grupy według miesięcy. Strzałkami przejdziesz do miesiąca, Enter otworzy sprawozdanie głosiciela za ten miesiąc.</translation>
    </message>
    <message id="2227">
        <source>Odovzdané správy po mesiacoch</source>
        <translation>Oddane sprawozdania według miesięcy</translation>
    </message>
    <message id="2228">
        <source>Správy zvestovateľov po mesiacoch</source>
        <translation>Sprawozdania głosicieli według miesięcy</translation>
    </message>
    <message id="2250">
        <source>Zo správy: %1.</source>
        <translation>Z wiadomości: %1.</translation>
    </message>
    <message id="2251">
        <source>Nejasné, nevyplnené: %1.</source>
        <translation>Niejasne, niewypełnione: %1.</translation>
    </message>
    <message id="2252">
        <source>Zo správy sa nič neprečítalo.</source>
        <translation>Z wiadomości nic nie odczytano.</translation>
    </message>
    <message id="2253">
        <source>zvestovateľ podľa adresy odosielateľa</source>
        <translation>głosiciel według adresu nadawcy</translation>
    </message>
    <message id="2254">
        <source>zvestovateľ podľa mena</source>
        <translation>głosiciel według imienia i nazwiska</translation>
    </message>
    <message id="2255">
        <source>Meno zvestovateľa v správe nie je; zadáva sa vybranému zvestovateľovi.</source>
        <translation>W wiadomości nie ma imienia głosiciela; sprawozdanie dotyczy wybranego głosiciela.</translation>
    </message>
    <message id="2256">
        <source>mesiac</source>
        <translation>miesiąc</translation>
    </message>
    <message id="2257">
        <source>v službe</source>
        <translation>w służbie</translation>
    </message>
    <message id="2258">
        <source>hodiny</source>
        <translation>godziny</translation>
    </message>
    <message id="2259">
        <source>biblické štúdiá</source>
        <translation>studia biblijne</translation>
    </message>
    <message id="2260">
        <source>kreditné hodiny</source>
        <translation>godziny kredytowe</translation>
    </message>
    <message id="2261">
        <source>poznámka</source>
        <translation>uwagi</translation>
    </message>
    <message id="2262">
        <source>pomocný priekopník</source>
        <translation>pionier pomocniczy</translation>
    </message>
    <message id="2263">
        <source>áno</source>
        <translation>tak</translation>
    </message>
    <message id="2264">
        <source>nie</source>
        <translation>nie</translation>
    </message>
    <message id="2265">
        <source>číslo bez slova %1</source>
        <translation>liczba bez słowa %1</translation>
    </message>
    <message id="2266">
        <source>Súbor %1 je väčší ako 1 MB. Správa z neho sa nečíta.</source>
        <translation>Plik %1 jest większy niż 1 MB. Wiadomość nie zostanie odczytana.</translation>
    </message>
    <message id="2267">
        <source>Text správy je dlhší ako 64 kB. Nečíta sa.</source>
        <translation>Tekst wiadomości jest dłuższy niż 64 kB. Nie zostanie odczytany.</translation>
    </message>
    <message id="2268">
        <source>Vložený obsah nie je text ani e-mail. Nič sa nečíta.</source>
        <translation>Wklejona treść nie jest tekstem ani e-mailem. Nic nie odczytano.</translation>
    </message>
    <message id="2269">
        <source>Súbor %1 nie je text ani e-mail. Nečíta sa.</source>
        <translation>Plik %1 nie jest tekstem ani e-mailem. Nie zostanie odczytany.</translation>
    </message>
    <message id="2270">
        <source>E-mail zo súboru %1 sa nedá prečítať:

%2</source>
        <translation>Nie można odczytać e-maila z pliku %1:

%2</translation>
    </message>
    <message id="2271">
        <source>Zo správy nie je jasné, kto ju poslal, a v zozname nie je vybraný žiadny zvestovateľ.</source>
        <translation>Z wiadomości nie wynika, kto ją wysłał, a na liście nie wybrano żadnego głosiciela.</translation>
    </message>
    <message id="2272">
        <source>Koho je táto správa?</source>
        <translation>Czyja to wiadomość?</translation>
    </message>
    <message id="2273">
        <source>Správa sa hodí na viacerých zvestovateľov. Vyberte toho, koho správu zadávate:</source>
        <translation>Wiadomość pasuje do kilku głosicieli. Wybierz, czyje sprawozdanie wpisujesz:</translation>
    </message>
    <message id="2274">
        <source>Vložiť správu zvestovateľa	Ctrl+V</source>
        <translation>Wklej wiadomość głosiciela	Ctrl+V</translation>
    </message>
    <message id="2275">
        <source>„%1“</source>
        <translation>„%1”</translation>
    </message>
    <message id="2280">
        <source>hodín, hodiny, hodina, hodinu, hod, h</source>
        <translation>godzin, godziny, godzina, godzinę, godz, h</translation>
    </message>
    <message id="2281">
        <source>štúdií, štúdiá, štúdium, štúdia, biblických štúdií, biblické štúdiá, biblické štúdium, BŠ, BS</source>
        <translation>studiów, studia, studium, studiów biblijnych, studia biblijne, SB</translation>
    </message>
    <message id="2282">
        <source>kredit, kreditu, kreditné hodiny, kreditných hodín</source>
        <translation>kredyt, kredytu, godziny kredytowe, godzin kredytowych</translation>
    </message>
    <message id="2283">
        <source>v službe, služba, službe, službu, kazateľská služba, kazateľskej službe</source>
        <translation>w służbie, służba, służbie, służbę, służbie kaznodziejskiej</translation>
    </message>
    <message id="2284">
        <source>áno, hej</source>
        <translation>tak</translation>
    </message>
    <message id="2285">
        <source>nie</source>
        <translation>nie</translation>
    </message>
    <message id="2286">
        <source>pomocný priekopník, pomocná priekopníčka, pomocným priekopníkom, pomocnou priekopníčkou</source>
        <translation>pionier pomocniczy, pionierka pomocnicza, pionierem pomocniczym, pionierką pomocniczą</translation>
    </message>
    <message id="2287">
        <source>poznámka, poznámky, pozn</source>
        <translation>uwagi, uwaga</translation>
    </message>
    <message id="2288">
        <source>januára, januári</source>
        <translation>stycznia, styczniu</translation>
    </message>
    <message id="2289">
        <source>februára, februári</source>
        <translation>lutego, lutym</translation>
    </message>
    <message id="2290">
        <source>marca, marci</source>
        <translation>marca, marcu</translation>
    </message>
    <message id="2291">
        <source>apríla, apríli</source>
        <translation>kwietnia, kwietniu</translation>
    </message>
    <message id="2292">
        <source>mája, máji</source>
        <translation>maja, maju</translation>
    </message>
    <message id="2293">
        <source>júna, júni</source>
        <translation>czerwca, czerwcu</translation>
    </message>
    <message id="2294">
        <source>júla, júli</source>
        <translation>lipca, lipcu</translation>
    </message>
    <message id="2295">
        <source>augusta, auguste</source>
        <translation>sierpnia, sierpniu</translation>
    </message>
    <message id="2296">
        <source>septembra, septembri</source>
        <translation>września, wrześniu</translation>
    </message>
    <message id="2297">
        <source>októbra, októbri</source>
        <translation>października, październiku</translation>
    </message>
    <message id="2298">
        <source>novembra, novembri</source>
        <translation>listopada, listopadzie</translation>
    </message>
    <message id="2299">
        <source>decembra, decembri</source>
        <translation>grudnia, grudniu</translation>
    </message>
    <message id="2300">
        <source>Zvestovatelia</source>
        <translation>Głosiciele</translation>
    </message>
    <message id="2301">
        <source>%1, správa chýba</source>
        <translation>%1, brak sprawozdania</translation>
    </message>
    <message id="2302">
        <source>Komu pripomenúť</source>
        <translation>Komu przypomnieć</translation>
    </message>
    <message id="2303">
        <source>%1, strana %2 z %3</source>
        <translation>%1, strona %2 z %3</translation>
    </message>
    <message id="2304">
        <source>Ďalšia strana</source>
        <translation>Następna strona</translation>
    </message>
    <message id="2305">
        <source>Predchádzajúca strana</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message id="2306">
        <source>pravidelný</source>
        <translation>regularny</translation>
    </message>
    <message id="61700">
        <source>Zadajte kladné celé číslo.</source>
        <translation>Wpisz dodatnią liczbę całkowitą.</translation>
    </message>
    <message id="61701">
        <source>Zadajte celé číslo od %1 do %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message id="61710">
        <source>Nedostatok pamäte</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message id="61711">
        <source>Nie je nastavená žiadna tlačiareň</source>
        <translation>Brak drukarki</translation>
    </message>
    <message id="61712">
        <source>Tlač zlyhala: tlačiareň sa nedá použiť.</source>
        <translation>Drukowanie nie powiodło się: nie można użyć drukarki.</translation>
    </message>
    <message id="61713">
        <source>Telefónna služba nie je k dispozícii</source>
        <translation>Usługa telefoniczna jest niedostępna</translation>
    </message>
    <message id="61714">
        <source>Telefónna služba sa nedá spustiť</source>
        <translation>Nie można uruchomić usługi telefonicznej</translation>
    </message>
    <message id="61840">
        <source>Podporu poštového systému sa nepodarilo načítať.</source>
        <translation>Nie można załadować obsługi systemu pocztowego.</translation>
    </message>
    <message id="61841">
        <source>Poštový systém je neplatný.</source>
        <translation>System pocztowy jest nieprawidłowy.</translation>
    </message>
    <message id="61842">
        <source>Poštový systém správu neodoslal.</source>
        <translation>System pocztowy nie wysłał wiadomości.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message id="100.title">
        <source>O programe Fyn</source>
        <translation>O programie Fyn</translation>
    </message>
    <message id="100.#1">
        <source>Fyn verzia 5a</source>
        <translation>Fyn wersja 5a</translation>
    </message>
    <message id="100.#2">
        <source>© 2026 Fyn</source>
        <translation>© 2026 Fyn</translation>
    </message>
    <message id="100.#3">
        <source>Vyžaduje súbory SkupinaX.t09 z programu Korbo verzie 10a alebo novšej</source>
        <translation>Wymaga plików GrupaX.t09 z programu Korbo w wersji 10a lub nowszej</translation>
    </message>
    <message id="100.#4">
        <source>Slobodný softvér pod licenciou MIT</source>
        <translation>Wolne oprogramowanie na licencji MIT</translation>
    </message>
    <message id="100.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dialog102</name>
    <message id="102.title">
        <source>Správy z kazateľskej služby</source>
        <translation>Sprawozdania ze służby kaznodziejskiej</translation>
    </message>
    <message id="102.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="102.2">
        <source>Zatvoriť program</source>
        <translation>Zamknij program</translation>
    </message>
    <message id="102.3">
        <source>Načítať nový list od tajomníka</source>
        <translation>Wczytaj nową listę od sekretarza</translation>
    </message>
    <message id="102.5">
        <source>Náhľad a tlač listu so správami</source>
        <translation>Podgląd i wydruk listy sprawozdań</translation>
    </message>
    <message id="102.4">
        <source>Odoslať aktualizovaný list tajomníkovi</source>
        <translation>Wyślij zaktualizowaną listę sekretarzowi</translation>
    </message>
    <message id="102.162">
        <source>Obmedziť na neodovzdané správy</source>
        <translation>Tylko brakujące sprawozdania</translation>
    </message>
    <message id="102.#10">
        <source> Zadávanie skončené pri </source>
        <translation> Wpisywanie zakończone na </translation>
    </message>
    <message id="102.1003">
        <source>Vytočit</source>
        <translation>Zadzwoń</translation>
    </message>
    <message id="102.1004">
        <source>&gt; &gt; &gt;</source>
        <translation>&gt; &gt; &gt;</translation>
    </message>
    <message id="102.1005">
        <source>Pomoc</source>
        <translation>Pomoc</translation>
    </message>
    <message id="102.1007">
        <source>Ukážka e-mailu</source>
        <translation>Podgląd e-maila</translation>
    </message>
</context>
<context>
    <name>Dialog107</name>
    <message id="107.147">
        <source>Publ</source>
        <translation>Publ</translation>
    </message>
    <message id="107.148">
        <source>Videá</source>
        <translation>Filmy</translation>
    </message>
    <message id="107.149">
        <source>Hod</source>
        <translation>Godz.</translation>
    </message>
    <message id="107.150">
        <source>ON</source>
        <translation>OO</translation>
    </message>
    <message id="107.151">
        <source>BŠ</source>
        <translation>SB</translation>
    </message>
    <message id="107.1126">
        <source>bol v danom službe</source>
        <translation>był w służbie</translation>
    </message>
    <message id="107.1">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.2">
        <source>&amp;Zrušiť</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message id="107.129">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Zmień &amp;miesiąc (spóźnione sprawozd.)</translation>
    </message>
    <message id="107.160">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.3">
        <source>&amp;Poznámky</source>
        <translation>&amp;Uwagi</translation>
    </message>
    <message id="107.1050">
        <source>Pomocný priekopník</source>
        <translation>Pionier pomocniczy</translation>
    </message>
    <message id="107.1125">
        <source>&lt;1 h</source>
        <translation>&lt;1 g</translation>
    </message>
</context>
<context>
    <name>Dialog115</name>
    <message id="115.2">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message id="115.3">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message id="115.129">
        <source>&amp;Nastavenie tlačiarne</source>
        <translation>&amp;Ustawienia drukarki</translation>
    </message>
    <message id="115.1004">
        <source>&lt; &lt; &lt;</source>
        <translation>&lt; &lt; &lt;</translation>
    </message>
    <message id="115.1005">
        <source>&gt; &gt; &gt;</source>
        <translation>&gt; &gt; &gt;</translation>
    </message>
</context>
<context>
    <name>Dialog125</name>
    <message id="125.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
