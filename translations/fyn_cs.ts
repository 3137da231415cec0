<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="sk_SK">
<context>
    <name>StringTable</name>
    <message id="101">
        <source>&amp;O programe Fyn...</source>
        <translation>&amp;O programu Fyn...</translation>
    </message>
    <message id="102">
        <source>Január</source>
        <translation>Leden</translation>
    </message>
    <message id="103">
        <source>Február</source>
        <translation>Únor</translation>
    </message>
    <message id="104">
        <source>Marec</source>
        <translation>Březen</translation>
    </message>
    <message id="105">
        <source>Apríl</source>
        <translation>Duben</translation>
    </message>
    <message id="106">
        <source>Máj</source>
        <translation>Květen</translation>
    </message>
    <message id="107">
        <source>Jún</source>
        <translation>Červen</translation>
    </message>
    <message id="108">
        <source>Júl</source>
        <translation>Červenec</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>Srpen</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>Září</translation>
    </message>
    <message id="111">
        <source>Október</source>
        <translation>Říjen</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>Prosinec</translation>
    </message>
    <message id="1000">
        <source>Zvest. - %1</source>
        <translation>Zvěst. - %1</translation>
    </message>
    <message id="1001">
        <source>%1 - neodovzdané správy</source>
        <translation>%1 - neodevzdané zprávy</translation>
    </message>
    <message id="1002">
        <source>Výber súboru od tajomníka</source>
        <translation>Výběr souboru od tajemníka</translation>
    </message>
    <message id="1003">
        <source>List so zoznamom od tajomníka (.t09)</source>
        <translation>Seznam od tajemníka (.t09)</translation>
    </message>
    <message id="1014">
        <source>H</source>
        <translation>H</translation>
    </message>
    <message id="1019">
        <source>Poznámky</source>
        <translation>Poznámky</translation>
    </message>
    <message id="1020">
        <source>PoP</source>
        <translation>PoP</translation>
    </message>
    <message id="1030">
        <source>- VÝSTRAHA -   Už ste zaslali %1 správu za %2.</source>
        <translation>- VÝSTRAHA -   Už jste odeslali zprávu za %1 pro %2.</translation>
    </message>
    <message id="1031">
        <source>Zmeny NEBUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Změny NEBUDOU ZAHRNUTY do zprávy za %1 pro odbočku.</translation>
    </message>
    <message id="1032">
        <source>Prípadné zmeny BUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Případné změny BUDOU ZAHRNUTY do zprávy za %1 pro odbočku.</translation>
    </message>
    <message id="1033">
        <source>Mimo priestor pre poznámky</source>
        <translation>Mimo prostor pro poznámky</translation>
    </message>
    <message id="1038">
        <source>Vaše aktualizované správy boli uložené do súboru %1</source>
        <translation>Vaše aktualizované zprávy byly uloženy do souboru %1</translation>
    </message>
    <message id="1039">
        <source>

Kliknite na Áno pre odoslanie súboru .t19 na e-mail </source>
        <translation>

Klikněte na Ano pro odeslání souboru .t19 na e-mail </translation>
    </message>
    <message id="1040">
        <source>Kliknite na Nie pre neskoršie odoslanie súboru tajomníkovi.</source>
        <translation>Klikněte na Ne pro pozdější odeslání souboru tajemníkovi.</translation>
    </message>
    <message id="1041">
        <source>,

       alebo

</source>
        <translation>,

       nebo

</translation>
    </message>
    <message id="1042">
        <source>Zostavené súbory</source>
        <translation>Sestavené soubory</translation>
    </message>
    <message id="1043">
        <source>.t19 súbor pre</source>
        <translation>soubor .t19 pro</translation>
    </message>
    <message id="1058">
        <source>Skupina</source>
        <translation>Skupina</translation>
    </message>
    <message id="1059">
        <source>Tipy pre používanie FYN

Od vášho tajomníka ste prijali súbor SkupinaX.t09 pre zadanie a vytvorenie mesačnej správy. </source>
        <translation>Tipy pro používání FYN

Od vašeho tajemníka jste dostali soubor SkupinaX.t09 pro zadání a vytvoření měsíční zprávy. </translation>
    </message>
    <message id="1060">
        <source>Kliknutím na ikonu FYN spustite program a tlačítkom "Načítať nový list od tajomníka" otvorte súbor.

</source>
        <translation>Kliknutím na ikonu FYN spusťte program a tlačítkem „Načíst nový seznam od tajemníka“ otevřete soubor.

</translation>
    </message>
    <message id="1061">
        <source>Uvidíte, že zadávanie správ je jednoduché - iba pomocou klávesnice. Napíšte prvé dve alebo tri písmená priezviska. Alebo použite šípky hore / dolu, vyberte meno a stlačte Enter.

</source>
        <translation>Uvidíte, že zadávání zpráv je jednoduché - jen pomocí klávesnice. Napište první dvě nebo tři písmena příjmení. Nebo použijte šipky nahoru / dolů, vyberte jméno a stiskněte Enter.

</translation>
    </message>
    <message id="1062">
        <source>Klávesou Enter preskočíte na zadanie ďalšieho políčka správy. Stlačte klávesu Enter po zadaní posledného políčka pre návrat do výberového zoznamu.

</source>
        <translation>Klávesou Enter přeskočíte na další políčko zprávy. Po zadání posledního políčka stiskněte Enter pro návrat do výběrového seznamu.

</translation>
    </message>
    <message id="1063">
        <source>Ak chcete zadať poznámku, použite klávesy Alt-R alebo kliknite na tlačítko Poznámky.  Ukončite klávesou Enter.

Ak chcete zmeniť mesiac pre zadávanie správy, použite Alt+M alebo kliknite na tlačítko Zmeniť mesiac.

</source>
        <translation>Chcete-li zadat poznámku, použijte klávesy Alt+P nebo klikněte na tlačítko Poznámky. Ukončete klávesou Enter.

Chcete-li změnit měsíc zadávané zprávy, použijte Alt+M nebo klikněte na tlačítko Změnit měsíc.

</translation>
    </message>
    <message id="1064">
        <source>Zvestovateľovi, ktorý odovzdá nulovú správu, napíšte do Poznámky nulu. Vylúčite ho tak zo zoznamu tých, ktorí správu eště neodovzdali.

</source>
        <translation>Zvěstovateli, který odevzdá nulovou zprávu, napište do Poznámek nulu. Vyřadíte ho tak ze seznamu těch, kdo zprávu ještě neodevzdali.

</translation>
    </message>
    <message id="1065">
        <source>Akonáhle FYN zatvoríte, program automaticky uloží všetky zmeny.Pokiaľ máte modem, môžete použiť tlačítko Vytočiť. Použite '&gt;&gt;&gt;' pre zobrazenie ďalších telefónnych čísiel.

</source>
        <translation>Jakmile FYN zavřete, program automaticky uloží všechny změny. Máte-li modem, můžete použít tlačítko Vytočit. Použijte '&gt;&gt;&gt;' pro zobrazení dalších telefonních čísel.

</translation>
    </message>
    <message id="1066">
        <source>Pokiaľ máte správne nakonfigurovaného e-mailového klienta MAPI, môžete e-mailom spracovaný list so správou zaslať tajomníkovi priamo z programu.
V opačnom prípade pripojte vytvorený súbor do e-mailu ručne alebo odovzdajte tajomníkovi na prenosnom médiu.

</source>
        <translation>Máte-li správně nastaveného e-mailového klienta, můžete zpracovaný seznam se zprávami poslat tajemníkovi e-mailem přímo z programu.
V opačném případě připojte vytvořený soubor k e-mailu ručně nebo jej tajemníkovi předejte na přenosném médiu.

</translation>
    </message>
    <message id="1116">
        <source>Celkom zvestovateľov</source>
        <translation>Celkem zvěstovatelů</translation>
    </message>
    <message id="1167">
        <source>Meno</source>
        <translation>Jméno</translation>
    </message>
    <message id="1168">
        <source>Telefón</source>
        <translation>Telefon</translation>
    </message>
    <message id="1188">
        <source>%1 - odovzdané správy</source>
        <translation>%1 - odevzdané zprávy</translation>
    </message>
    <message id="1194">
        <source>Zvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku</source>
        <translation>Zvláštní průkopníci NEJSOU ZAHRNUTI ve zprávě pro odbočku</translation>
    </message>
    <message id="1198">
        <source>sk</source>
        <translation>cz</translation>
    </message>
    <message id="1231">
        <source>Ak sa nedá vytvoriť nový súbor: %1.
Zrušte atribút súboru "Len pre čítanie" alebo získajte oprávnenie k vytváraniu súborov v tomto adresári.</source>
        <translation>Nelze vytvořit nový soubor: %1.
Zrušte atribut souboru „Jen pro čtení“ nebo získejte oprávnění k vytváření souborů v této složce.</translation>
    </message>
    <message id="1232">
        <source>Skupina má menej ako 3 zvestovateľov</source>
        <translation>Skupina má méně než 3 zvěstovatele</translation>
    </message>
    <message id="1247">
        <source>Kontakty pre výber správ</source>
        <translation>Kontakty pro sběr zpráv</translation>
    </message>
    <message id="1417">
        <source>Hod</source>
        <translation>Hod</translation>
    </message>
    <message id="1419">
        <source>BŠ</source>
        <translation>BS</translation>
    </message>
    <message id="1422">
        <source>Odošlite svoj prehľad za %1. 
Ďakujem..</source>
        <translation>Pošlete prosím svou zprávu za %1. 
Děkuji..</translation>
    </message>
    <message id="1500">
        <source>v službe</source>
        <translation>služba</translation>
    </message>
    <message id="2000">
        <source>Súbor %1 nie je platný list od tajomníka.</source>
        <translation>Soubor %1 není platný seznam od tajemníka.</translation>
    </message>
    <message id="2001">
        <source>Správy sa nepodarilo uložiť do súboru %1.

Kliknite na Áno pre ukončenie programu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Zprávy se nepodařilo uložit do souboru %1.

Klikněte na Ano pro ukončení programu bez uložení nebo na Ne pro návrat do programu.</translation>
    </message>
    <message id="2002">
        <source>E-mailová adresa %1 nie je platná.</source>
        <translation>E-mailová adresa %1 není platná.</translation>
    </message>
    <message id="2003">
        <source>Správa je pripravená vo vašom e-mailovom programe. Odošlite ju tam.</source>
        <translation>Zpráva je připravena ve vašem e-mailovém programu. Odešlete ji tam.</translation>
    </message>
    <message id="2004">
        <source>Správy zadané od posledného uloženia do súboru %1 sa stratia.

Kliknite na Áno pre výber iného listu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Zprávy zadané od posledního uložení do souboru %1 se ztratí.

Klikněte na Ano pro výběr jiného seznamu bez uložení nebo na Ne pro návrat do programu.</translation>
    </message>
    <message id="2005">
        <source>E-mail - %1</source>
        <translation>E-mail - %1</translation>
    </message>
    <message id="2010">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Změnit &amp;měsíc (opožděné zprávy)</translation>
    </message>
    <message id="2011">
        <source>či bol v danom mesiaci v službe</source>
        <translation>zda byl v daném měsíci ve službě</translation>
    </message>
    <message id="2012">
        <source>Pomocný priekopník</source>
        <translation>Pomocný průkopník</translation>
    </message>
    <message id="2013">
        <source>Pravidelný priekopník</source>
        <translation>Pravidelný průkopník</translation>
    </message>
    <message id="2014">
        <source>Zvláštny priekopník</source>
        <translation>Zvláštní průkopník</translation>
    </message>
    <message id="2015">
        <source>Služobný pomocník</source>
        <translation>Služební pomocník</translation>
    </message>
    <message id="2016">
        <source>Starší</source>
        <translation>Starší</translation>
    </message>
    <message id="2017">
        <source>Pokrstený brat</source>
        <translation>Pokřtěný bratr</translation>
    </message>
    <message id="2018">
        <source>&amp;Áno</source>
        <translation>&amp;Ano</translation>
    </message>
    <message id="2019">
        <source>&amp;Nie</source>
        <translation>&amp;Ne</translation>
    </message>
    <message id="2040">
        <source>Správa je pripravená vo vašom e-mailovom programe. Skontrolujte, či je k nej priložený súbor %1, a až potom ju odošlite.</source>
        <translation>Zpráva je připravena ve vašem e-mailovém programu. Zkontrolujte, zda je k ní přiložen soubor %1, a teprve potom ji odešlete.</translation>
    </message>
    <message id="2060">
        <source>Zrušiť</source>
        <translation>Zrušit</translation>
    </message>
    <message id="2061">
        <source>V systéme chýbajú údaje ICU pre kódovanie %1 (balík libicu72). Fyn bez nich nemôže čítať ani zapisovať listy, preto sa ukončí.</source>
        <translation>V systému chybí data ICU pro kódování %1 (balík libicu72). Fyn bez nich nemůže číst ani zapisovat seznamy, proto se ukončí.</translation>
    </message>
    <message id="2062">
        <source>Záložnú kópiu listu sa nepodarilo vytvoriť v adresári %1: %2.

Správy sa do listu napriek tomu uložia.</source>
        <translation>Záložní kopii seznamu se nepodařilo vytvořit ve složce %1: %2.

Zprávy se do seznamu přesto uloží.</translation>
    </message>
    <message id="2063">
        <source>Zoznam sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Seznam se nepodařilo uložit do souboru %1: %2.</translation>
    </message>
    <message id="2064">
        <source>Nastavenie From v časti [Mail] súboru fyn.ini obsahuje neplatnú adresu odosielateľa: %1

Opravte ju alebo nastavenie From vymažte.</source>
        <translation>Nastavení From v části [Mail] souboru fyn.ini obsahuje neplatnou adresu odesílatele: %1

Opravte ji nebo nastavení From smažte.</translation>
    </message>
    <message id="2065">
        <source>Nastavenie Language=%1 v súbore %2 neurčuje jazyk, ktorý Fyn pozná (sk, cs, pl, fr, el, tr, et, en). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Nastavení Language=%1 v souboru %2 neurčuje jazyk, který Fyn zná (sk, cs, pl, fr, el, tr, et, en). Opravte je nebo je smažte. Fyn se ukončí bez čtení seznamu.</translation>
    </message>
    <message id="2066">
        <source>Nastavenie CodePage=%1 v súbore %2 neurčuje kódovanie, ktoré Fyn pozná (napríklad windows-1250). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Nastavení CodePage=%1 v souboru %2 neurčuje kódování, které Fyn zná (například windows-1250). Opravte je nebo je smažte. Fyn se ukončí bez čtení seznamu.</translation>
    </message>
    <message id="2067">
        <source>Súčasť programu Fyn sa nedá načítať:

%1

Inštalácia programu je zrejme neúplná; nainštalujte balík fyn znova.</source>
        <translation>Součást programu Fyn nelze načíst:

%1

Instalace programu je zřejmě neúplná; nainstalujte balík fyn znovu.</translation>
    </message>
    <message id="2068">
        <source>Súbor %1 patrí k inej verzii programu Fyn. Ak ste Fyn práve aktualizovali, zatvorte ho a spustite znova.</source>
        <translation>Soubor %1 patří k jiné verzi programu Fyn. Pokud jste Fyn právě aktualizovali, zavřete jej a spusťte znovu.</translation>
    </message>
    <message id="2070">
        <source>Pripomienku ani hovor sa nepodarilo zaznamenať do súboru %1: %2.</source>
        <translation>Připomínku ani hovor se nepodařilo zaznamenat do souboru %1: %2.</translation>
    </message>
    <message id="2071">
        <source>súbor práve používa iný program</source>
        <translation>soubor právě používá jiný program</translation>
    </message>
    <message id="2072">
        <source>súbor je len na čítanie</source>
        <translation>soubor je jen pro čtení</translation>
    </message>
    <message id="2073">
        <source>na disku nie je miesto</source>
        <translation>na disku není místo</translation>
    </message>
    <message id="2074">
        <source>súbor sa nedá otvoriť</source>
        <translation>soubor nelze otevřít</translation>
    </message>
    <message id="2075">
        <source>súbor pochádza z novšej verzie programu Fyn</source>
        <translation>soubor pochází z novější verze programu Fyn</translation>
    </message>
    <message id="2076">
        <source>Súbor %1 bol poškodený. Bol premenovaný na %2 a vytvoril sa nový.</source>
        <translation>Soubor %1 byl poškozený. Byl přejmenován na %2 a vytvořil se nový.</translation>
    </message>
    <message id="2077">
        <source>súbor je poškodený</source>
        <translation>soubor je poškozený</translation>
    </message>
    <message id="2080">
        <source>Meno</source>
        <translation>Jméno</translation>
    </message>
    <message id="2081">
        <source>V službe</source>
        <translation>Ve službě</translation>
    </message>
    <message id="2082">
        <source>Hodiny</source>
        <translation>Hodiny</translation>
    </message>
    <message id="2083">
        <source>Biblické štúdiá</source>
        <translation>Biblická studia</translation>
    </message>
    <message id="2084">
        <source>Pomocný priekopník</source>
        <translation>Pomocný průkopník</translation>
    </message>
    <message id="2085">
        <source>Poznámka</source>
        <translation>Poznámka</translation>
    </message>
    <message id="2086">
        <source>Správa odovzdaná</source>
        <translation>Zpráva odevzdána</translation>
    </message>
    <message id="2087">
        <source>Spolu</source>
        <translation>Celkem</translation>
    </message>
    <message id="2100">
        <source>Pripomenúť všetkým, ktorí ešte neodovzdali...	Ctrl+E</source>
        <translation>Připomenout všem, kdo ještě neodevzdali...	Ctrl+E</translation>
    </message>
    <message id="2101">
        <source>Pripomienky za %1</source>
        <translation>Připomínky za %1</translation>
    </message>
    <message id="2102">
        <source>Odovzdané: %1 z %2. V službe: %3, hodiny: %4, biblické štúdiá: %5, pomocní priekopníci: %6</source>
        <translation>Odevzdáno: %1 z %2. Ve službě: %3, hodiny: %4, biblická studia: %5, pomocní průkopníci: %6</translation>
    </message>
    <message id="2103">
        <source>bez e-mailovej adresy</source>
        <translation>bez e-mailové adresy</translation>
    </message>
    <message id="2104">
        <source>nepoužiteľná adresa %1</source>
        <translation>nepoužitelná adresa %1</translation>
    </message>
    <message id="2105">
        <source>odmietnutá adresa %1</source>
        <translation>odmítnutá adresa %1</translation>
    </message>
    <message id="2106">
        <source>tel. %1</source>
        <translation>tel. %1</translation>
    </message>
    <message id="2107">
        <source>pripomenuté e-mailom %1</source>
        <translation>připomenuto e-mailem %1</translation>
    </message>
    <message id="2108">
        <source>odovzdané e-mailovému programu %1</source>
        <translation>předáno e-mailovému programu %1</translation>
    </message>
    <message id="2109">
        <source>volané %1</source>
        <translation>voláno %1</translation>
    </message>
    <message id="2110">
        <source>e-mail sa nepodarilo odoslať %1</source>
        <translation>e-mail se nepodařilo odeslat %1</translation>
    </message>
    <message id="2111">
        <source>&amp;Odoslať</source>
        <translation>&amp;Odeslat</translation>
    </message>
    <message id="2112">
        <source>Zavrieť</source>
        <translation>Zavřít</translation>
    </message>
    <message id="2113">
        <source>Odosiela sa pripomienka %1 z %2...</source>
        <translation>Odesílá se připomínka %1 z %2...</translation>
    </message>
    <message id="2114">
        <source>Odoslané pripomienky: %1 z %2.</source>
        <translation>Odeslané připomínky: %1 z %2.</translation>
    </message>
    <message id="2115">
        <source>Nepodarilo sa odoslať:</source>
        <translation>Nepodařilo se odeslat:</translation>
    </message>
    <message id="2116">
        <source>Správa je pripravená vo vašom e-mailovom programe. Adresáti v skrytej kópii: %1. Odošlite ju odtiaľ.</source>
        <translation>Zpráva je připravena ve vašem e-mailovém programu. Příjemci ve skryté kopii: %1. Odešlete ji odtamtud.</translation>
    </message>
    <message id="2117">
        <source>Poštový príkaz neskončil do %1 sekúnd a bol zastavený. Správa mohla odísť; skôr ako ju pošlete znova, overte to u adresáta.</source>
        <translation>Poštovní příkaz neskončil do %1 sekund a byl zastaven. Zpráva mohla odejít; než ji pošlete znovu, ověřte to u adresáta.</translation>
    </message>
    <message id="2118">
        <source>Možno odoslané (poštový príkaz bol zastavený), znova sa neponúkajú:</source>
        <translation>Možná odesláno (poštovní příkaz byl zastaven), znovu se nenabízejí:</translation>
    </message>
    <message id="2119">
        <source>pripomienka možno odišla %1</source>
        <translation>připomínka možná odešla %1</translation>
    </message>
    <message id="2120">
        <source>Záznam kontaktov %1 sa nedá prečítať: %2. Pripomienky z iných spustení programu nie sú známe, tie z tohto áno.</source>
        <translation>Záznam kontaktů %1 nelze přečíst: %2. Připomínky z jiných spuštění programu nejsou známy, ty z tohoto ano.</translation>
    </message>
    <message id="2121">
        <source>%1: %2.

Za posledných 24 hodín už jedna pripomienka odišla. Poslať ďalšiu?</source>
        <translation>%1: %2.

Za posledních 24 hodin už jedna připomínka odešla. Poslat další?</translation>
    </message>
    <message id="2122">
        <source>Aktualizovaný list bol odoslaný na adresu %1.</source>
        <translation>Aktualizovaný seznam byl odeslán na adresu %1.</translation>
    </message>
    <message id="2130">
        <source>Správy sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Zprávy se nepodařilo uložit do souboru %1: %2.</translation>
    </message>
    <message id="2131">
        <source>Súbor %1 sa nedá otvoriť: %2.</source>
        <translation>Soubor %1 nelze otevřít: %2.</translation>
    </message>
    <message id="2132">
        <source>súbor alebo priečinok neexistuje</source>
        <translation>soubor nebo složka neexistuje</translation>
    </message>
    <message id="2133">
        <source>chýba oprávnenie</source>
        <translation>chybí oprávnění</translation>
    </message>
    <message id="2134">
        <source>je to priečinok, nie súbor</source>
        <translation>je to složka, ne soubor</translation>
    </message>
    <message id="2135">
        <source>Text obsahuje znaky, ktoré kódovanie %1 nepozná (kódy %2); zobrazujú sa ako �. Ak text zmeníte, tieto znaky sa neuložia.</source>
        <translation>Text obsahuje znaky, které kódování %1 nezná (kódy %2); zobrazují se jako �. Pokud text změníte, tyto znaky se neuloží.</translation>
    </message>
    <message id="2150">
        <source>január</source>
        <translation>leden</translation>
    </message>
    <message id="2151">
        <source>február</source>
        <translation>únor</translation>
    </message>
    <message id="2152">
        <source>marec</source>
        <translation>březen</translation>
    </message>
    <message id="2153">
        <source>apríl</source>
        <translation>duben</translation>
    </message>
    <message id="2154">
        <source>máj</source>
        <translation>květen</translation>
    </message>
    <message id="2155">
        <source>jún</source>
        <translation>červen</translation>
    </message>
    <message id="2156">
        <source>júl</source>
        <translation>červenec</translation>
    </message>
    <message id="2157">
        <source>august</source>
        <translation>srpen</translation>
    </message>
    <message id="2158">
        <source>september</source>
        <translation>září</translation>
    </message>
    <message id="2159">
        <source>október</source>
        <translation>říjen</translation>
    </message>
    <message id="2160">
        <source>november</source>
        <translation>listopad</translation>
    </message>
    <message id="2161">
        <source>december</source>
        <translation>prosinec</translation>
    </message>
    <message id="2162">
        <source>Niektoré mená v liste %1 obsahujú znaky, ktoré kódovanie %2 nepozná (ukazujú sa ako �). List je zrejme v inom kódovaní: nastavte ho v súbore fyn.ini v časti [Interface] kľúčom CodePage, napríklad CodePage=windows-1250.</source>
        <translation>Některá jména v seznamu %1 obsahují znaky, které kódování %2 nezná (zobrazují se jako �). Seznam je zřejmě v jiném kódování: nastavte ho v souboru fyn.ini v části [Interface] klíčem CodePage, například CodePage=windows-1250.</translation>
    </message>
    <message id="2180">
        <source>Ďalšie telefónne číslo zvestovateľa</source>
        <translation>Další telefonní číslo zvěstovatele</translation>
    </message>
    <message id="2200">
        <source>Rok skupiny na jeden pohľad...	Ctrl+R</source>
        <translation>Rok skupiny na jeden pohled...	Ctrl+R</translation>
    </message>
    <message id="2201">
        <source>Skupina %1 - posledných 12 mesiacov: %2 - %3</source>
        <translation>Skupina %1 - posledních 12 měsíců: %2 - %3</translation>
    </message>
    <message id="2202">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Tisknout</translation>
    </message>
    <message id="2203">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message id="2204">
        <source>Zvestovateľ</source>
        <translation>Zvěstovatel</translation>
    </message>
    <message id="2205">
        <source>Stav</source>
        <translation>Stav</translation>
    </message>
    <message id="2206">
        <source>nepravidelný</source>
        <translation>nepravidelný</translation>
    </message>
    <message id="2207">
        <source>neaktívny</source>
        <translation>neaktivní</translation>
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
        <translation>o</translation>
    </message>
    <message id="2212">
        <source>PoP</source>
        <translation>PoP</translation>
    </message>
    <message id="2213">
        <source>PP</source>
        <translation>PrP</translation>
    </message>
    <message id="2214">
        <source>ZP</source>
        <translation>ZP</translation>
    </message>
    <message id="2215">
        <source>+ v službe bez hodín   0 nulová správa   - chýba   o oneskorená   PoP pomocný, PP pravidelný, ZP zvláštny priekopník   Stav podľa posledných 6 mesiacov</source>
        <translation>+ ve službě bez hodin   0 nulová zpráva   - chybí   o opožděná   PoP pomocný, PrP pravidelný, ZP zvláštní průkopník   Stav podle posledních 6 měsíců</translation>
    </message>
    <message id="2216">
        <source>chýba</source>
        <translation>chybí</translation>
    </message>
    <message id="2217">
        <source>nulová správa</source>
        <translation>nulová zpráva</translation>
    </message>
    <message id="2218">
        <source>oneskorená</source>
        <translation>opožděná</translation>
    </message>
    <message id="2219">
        <source>%1 hod.</source>
        <translation>%1 hod.</translation>
    </message>
    <message id="2220">
        <source>Odovzdané</source>
        <translation>Odevzdané</translation>
    </message>
    <message id="2221">
        <source>V službe</source>
        <translation>Ve službě</translation>
    </message>
    <message id="2222">
        <source>Hodiny</source>
        <translation>Hodiny</translation>
    </message>
    <message id="2223">
        <source>Biblické štúdiá</source>
        <translation>Biblická studia</translation>
    </message>
    <message id="2224">
        <source>Pomocní priekopníci</source>
        <translation>Pomocní průkopníci</translation>
    </message>
    <message id="2225">
        <source>Správu za %1 tu už zadať nemožno: list od tajomníka prijíma oneskorené správy len za mesiace roka %2.</source>
        <translation>Zprávu za %1 zde již zadat nelze: list od tajemníka přijímá opožděné zprávy jen za měsíce roku %2.</translation>
    </message>
    <message id="2226">
        <source>Klávesy Ctrl+R ukážu rok skupiny: kto za posledných 12 mesiacov odovzdal správu, kto je nepravidelný alebo neaktívny, a súčty skupiny po mesiacoch. Šípkami prejdete na mesiac, Enter otvorí správu zvestovateľa za ten mesiac.</source>
        <translation>Klávesy Ctrl+R ukážou rok skupiny: kdo za posledních 12 měsíců odevzdal zprávu, kdo je nepravidelný nebo neaktivní, a součty skupiny po měsících. Šipkami přejdete na měsíc, Enter otevře zprávu zvěstovatele za ten měsíc.</translation>
    </message>
    <message id="2227">
        <source>Odovzdané správy po mesiacoch</source>
        <translation>Odevzdané zprávy po měsících</translation>
    </message>
    <message id="2228">
        <source>Správy zvestovateľov po mesiacoch</source>
        <translation>Zprávy zvěstovatelů po měsících</translation>
    </message>
    <message id="2250">
        <source>Zo správy: %1.</source>
        <translation>Ze zprávy: %1.</translation>
    </message>
    <message id="2251">
        <source>Nejasné, nevyplnené: %1.</source>
        <translation>Nejasné, nevyplněno: %1.</translation>
    </message>
    <message id="2252">
        <source>Zo správy sa nič neprečítalo.</source>
        <translation>Ze zprávy se nic nepřečetlo.</translation>
    </message>
    <message id="2253">
        <source>zvestovateľ podľa adresy odosielateľa</source>
        <translation>zvěstovatel podle adresy odesílatele</translation>
    </message>
    <message id="2254">
        <source>zvestovateľ podľa mena</source>
        <translation>zvěstovatel podle jména</translation>
    </message>
    <message id="2255">
        <source>Meno zvestovateľa v správe nie je; zadáva sa vybranému zvestovateľovi.</source>
        <translation>Jméno zvěstovatele ve zprávě není; zadává se vybranému zvěstovateli.</translation>
    </message>
    <message id="2256">
        <source>mesiac</source>
        <translation>měsíc</translation>
    </message>
    <message id="2257">
        <source>v službe</source>
        <translation>ve službě</translation>
    </message>
    <message id="2258">
        <source>hodiny</source>
        <translation>hodiny</translation>
    </message>
    <message id="2259">
        <source>biblické štúdiá</source>
        <translation>biblická studia</translation>
    </message>
    <message id="2260">
        <source>kreditné hodiny</source>
        <translation>kreditní hodiny</translation>
    </message>
    <message id="2261">
        <source>poznámka</source>
        <translation>poznámka</translation>
    </message>
    <message id="2262">
        <source>pomocný priekopník</source>
        <translation>pomocný průkopník</translation>
    </message>
    <message id="2263">
        <source>áno</source>
        <translation>ano</translation>
    </message>
    <message id="2264">
        <source>nie</source>
        <translation>ne</translation>
    </message>
    <message id="2265">
        <source>číslo bez slova %1</source>
        <translation>číslo bez slova %1</translation>
    </message>
    <message id="2266">
        <source>Súbor %1 je väčší ako 1 MB. Správa z neho sa nečíta.</source>
        <translation>Soubor %1 je větší než 1 MB. Zpráva z něj se nečte.</translation>
    </message>
    <message id="2267">
        <source>Text správy je dlhší ako 64 kB. Nečíta sa.</source>
        <translation>Text zprávy je delší než 64 kB. Nečte se.</translation>
    </message>
    <message id="2268">
        <source>Vložený obsah nie je text ani e-mail. Nič sa nečíta.</source>
        <translation>Vložený obsah není text ani e-mail. Nic se nečte.</translation>
    </message>
    <message id="2269">
        <source>Súbor %1 nie je text ani e-mail. Nečíta sa.</source>
        <translation>Soubor %1 není text ani e-mail. Nečte se.</translation>
    </message>
    <message id="2270">
        <source>E-mail zo súboru %1 sa nedá prečítať:

%2</source>
        <translation>E-mail ze souboru %1 nelze přečíst:

%2</translation>
    </message>
    <message id="2271">
        <source>Zo správy nie je jasné, kto ju poslal, a v zozname nie je vybraný žiadny zvestovateľ.</source>
        <translation>Ze zprávy není jasné, kdo ji poslal, a v seznamu není vybrán žádný zvěstovatel.</translation>
    </message>
    <message id="2272">
        <source>Koho je táto správa?</source>
        <translation>Čí je tato zpráva?</translation>
    </message>
    <message id="2273">
        <source>Správa sa hodí na viacerých zvestovateľov. Vyberte toho, koho správu zadávate:</source>
        <translation>Zpráva se hodí na více zvěstovatelů. Vyberte toho, jehož zprávu zadáváte:</translation>
    </message>
    <message id="2274">
        <source>Vložiť správu zvestovateľa	Ctrl+V</source>
        <translation>Vložit zprávu zvěstovatele	Ctrl+V</translation>
    </message>
    <message id="2275">
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message id="2280">
        <source>hodín, hodiny, hodina, hodinu, hod, h</source>
        <translation>hodin, hodiny, hodina, hodinu, hod, h</translation>
    </message>
    <message id="2281">
        <source>štúdií, štúdiá, štúdium, štúdia, biblických štúdií, biblické štúdiá, biblické štúdium, BŠ, BS</source>
        <translation>studií, studia, studium, biblických studií, biblická studia, biblické studium, BS</translation>
    </message>
    <message id="2282">
        <source>kredit, kreditu, kreditné hodiny, kreditných hodín</source>
        <translation>kredit, kreditu, kreditní hodiny, kreditních hodin</translation>
    </message>
    <message id="2283">
        <source>v službe, služba, službe, službu, kazateľská služba, kazateľskej službe</source>
        <translation>ve službě, služba, službě, kazatelská služba, kazatelské službě</translation>
    </message>
    <message id="2284">
        <source>áno, hej</source>
        <translation>ano</translation>
    </message>
    <message id="2285">
        <source>nie</source>
        <translation>ne</translation>
    </message>
    <message id="2286">
        <source>pomocný priekopník, pomocná priekopníčka, pomocným priekopníkom, pomocnou priekopníčkou</source>
        <translation>pomocný průkopník, pomocná průkopnice, pomocným průkopníkem, pomocnou průkopnicí</translation>
    </message>
    <message id="2287">
        <source>poznámka, poznámky, pozn</source>
        <translation>poznámka, poznámky</translation>
    </message>
    <message id="2288">
        <source>januára, januári</source>
        <translation>ledna, lednu</translation>
    </message>
    <message id="2289">
        <source>februára, februári</source>
        <translation>února, únoru</translation>
    </message>
    <message id="2290">
        <source>marca, marci</source>
        <translation>března, březnu</translation>
    </message>
    <message id="2291">
        <source>apríla, apríli</source>
        <translation>dubna, dubnu</translation>
    </message>
    <message id="2292">
        <source>mája, máji</source>
        <translation>května, květnu</translation>
    </message>
    <message id="2293">
        <source>júna, júni</source>
        <translation>června, červnu</translation>
    </message>
    <message id="2294">
        <source>júla, júli</source>
        <translation>července, červenci</translation>
    </message>
    <message id="2295">
        <source>augusta, auguste</source>
        <translation>srpna, srpnu</translation>
    </message>
    <message id="2296">
        <source>septembra, septembri</source>
        <translation>září</translation>
    </message>
    <message id="2297">
        <source>októbra, októbri</source>
        <translation>října, říjnu</translation>
    </message>
    <message id="2298">
        <source>novembra, novembri</source>
        <translation>listopadu</translation>
    </message>
    <message id="2299">
        <source>decembra, decembri</source>
        <translation>prosince, prosinci</translation>
    </message>
    <message id="2300">
        <source>Zvestovatelia</source>
        <translation>Zvěstovatelé</translation>
    </message>
    <message id="2301">
        <source>%1, správa chýba</source>
        <translation>%1, zpráva chybí</translation>
    </message>
    <message id="2302">
        <source>Komu pripomenúť</source>
        <translation>Komu připomenout</translation>
    </message>
    <message id="2303">
        <source>%1, strana %2 z %3</source>
        <translation>%1, strana %2 z %3</translation>
    </message>
    <message id="2304">
        <source>Ďalšia strana</source>
        <translation>Další strana</translation>
    </message>
    <message id="2305">
        <source>Predchádzajúca strana</source>
        <translation>Předchozí strana</translation>
    </message>
    <message id="2306">
        <source>pravidelný</source>
        <translation>pravidelný</translation>
    </message>
    <message id="61700">
        <source>Zadajte kladné celé číslo.</source>
        <translation>Zadejte kladné celé číslo.</translation>
    </message>
    <message id="61701">
        <source>Zadajte celé číslo od %1 do %2.</source>
        <translation>Zadejte celé číslo od %1 do %2.</translation>
    </message>
    <message id="61710">
        <source>Nedostatok pamäte</source>
        <translation>Nedostatek paměti</translation>
    </message>
    <message id="61711">
        <source>Nie je nastavená žiadna tlačiareň</source>
        <translation>Není nastavena žádná tiskárna</translation>
    </message>
    <message id="61712">
        <source>Tlač zlyhala: tlačiareň sa nedá použiť.</source>
        <translation>Tisk se nezdařil: tiskárnu nelze použít.</translation>
    </message>
    <message id="61713">
        <source>Telefónna služba nie je k dispozícii</source>
        <translation>Telefonní služba není k dispozici</translation>
    </message>
    <message id="61714">
        <source>Telefónna služba sa nedá spustiť</source>
        <translation>Telefonní službu nelze spustit</translation>
    </message>
    <message id="61840">
        <source>Podporu poštového systému sa nepodarilo načítať.</source>
        <translation>Podporu poštovního systému se nepodařilo načíst.</translation>
    </message>
    <message id="61841">
        <source>Poštový systém je neplatný.</source>
        <translation>Poštovní systém je neplatný.</translation>
    </message>
    <message id="61842">
        <source>Poštový systém správu neodoslal.</source>
        <translation>Poštovní systém zprávu neodeslal.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message id="100.title">
        <source>O programe Fyn</source>
        <translation>O programu Fyn</translation>
    </message>
    <message id="100.#1">
        <source>Fyn verzia 5a</source>
        <translation>Fyn verze 5a</translation>
    </message>
    <message id="100.#2">
        <source>© 2026 Fyn</source>
        <translation>© 2026 Fyn</translation>
    </message>
    <message id="100.#3">
        <source>Vyžaduje súbory SkupinaX.t09 z programu Korbo verzie 10a alebo novšej</source>
        <translation>Vyžaduje soubory SkupinaX.t09 z programu Korbo verze 10a nebo novější</translation>
    </message>
    <message id="100.#4">
        <source>Slobodný softvér pod licenciou MIT</source>
        <translation>Svobodný software pod licencí MIT</translation>
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
        <translation>Zprávy o kazatelské službě</translation>
    </message>
    <message id="102.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="102.2">
        <source>Zatvoriť program</source>
        <translation>Zavřít program</translation>
    </message>
    <message id="102.3">
        <source>Načítať nový list od tajomníka</source>
        <translation>Načíst nový seznam od tajemníka</translation>
    </message>
    <message id="102.5">
        <source>Náhľad a tlač listu so správami</source>
        <translation>Náhled a tisk seznamu se zprávami</translation>
    </message>
    <message id="102.4">
        <source>Odoslať aktualizovaný list tajomníkovi</source>
        <translation>Odeslat aktualizovaný seznam tajemníkovi</translation>
    </message>
    <message id="102.162">
        <source>Obmedziť na neodovzdané správy</source>
        <translation>Omezit na neodevzdané zprávy</translation>
    </message>
    <message id="102.#10">
        <source> Zadávanie skončené pri </source>
        <translation> Zadávání skončeno u </translation>
    </message>
    <message id="102.1003">
        <source>Vytočit</source>
        <translation>Vytočit</translation>
    </message>
    <message id="102.1004">
        <source>&gt; &gt; &gt;</source>
        <translation>&gt; &gt; &gt;</translation>
    </message>
    <message id="102.1005">
        <source>Pomoc</source>
        <translation>Nápověda</translation>
    </message>
    <message id="102.1007">
        <source>Ukážka e-mailu</source>
        <translation>Ukázka e-mailu</translation>
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
        <translation>Videa</translation>
    </message>
    <message id="107.149">
        <source>Hod</source>
        <translation>Hod</translation>
    </message>
    <message id="107.150">
        <source>ON</source>
        <translation>OpN</translation>
    </message>
    <message id="107.151">
        <source>BŠ</source>
        <translation>BS</translation>
    </message>
    <message id="107.1126">
        <source>bol v danom službe</source>
        <translation>byl v měsíci ve službě</translation>
    </message>
    <message id="107.1">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.2">
        <source>&amp;Zrušiť</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message id="107.129">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Změnit &amp;měsíc (opožděné zprávy)</translation>
    </message>
    <message id="107.160">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.3">
        <source>&amp;Poznámky</source>
        <translation>&amp;Poznámky</translation>
    </message>
    <message id="107.1050">
        <source>Pomocný priekopník</source>
        <translation>Pomocný průkopník</translation>
    </message>
    <message id="107.1125">
        <source>&lt;1 h</source>
        <translation>&lt;1 h</translation>
    </message>
</context>
<context>
    <name>Dialog115</name>
    <message id="115.2">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message id="115.3">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Tisk</translation>
    </message>
    <message id="115.129">
        <source>&amp;Nastavenie tlačiarne</source>
        <translation>&amp;Nastavení tiskárny</translation>
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
