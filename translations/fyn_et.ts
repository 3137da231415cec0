<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE" sourcelanguage="sk_SK">
<context>
    <name>StringTable</name>
    <message id="101">
        <source>&amp;O programe Fyn...</source>
        <translation>&amp;Programmist Fyn...</translation>
    </message>
    <message id="102">
        <source>Január</source>
        <translation>Jaanuar</translation>
    </message>
    <message id="103">
        <source>Február</source>
        <translation>Veebruar</translation>
    </message>
    <message id="104">
        <source>Marec</source>
        <translation>Märts</translation>
    </message>
    <message id="105">
        <source>Apríl</source>
        <translation>Aprill</translation>
    </message>
    <message id="106">
        <source>Máj</source>
        <translation>Mai</translation>
    </message>
    <message id="107">
        <source>Jún</source>
        <translation>Juuni</translation>
    </message>
    <message id="108">
        <source>Júl</source>
        <translation>Juuli</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>August</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>September</translation>
    </message>
    <message id="111">
        <source>Október</source>
        <translation>Oktoober</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>November</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>Detsember</translation>
    </message>
    <message id="1000">
        <source>Zvest. - %1</source>
        <translation>Kuul. - %1</translation>
    </message>
    <message id="1001">
        <source>%1 - neodovzdané správy</source>
        <translation>%1 - esitamata aruanded</translation>
    </message>
    <message id="1002">
        <source>Výber súboru od tajomníka</source>
        <translation>Sekretäri faili valimine</translation>
    </message>
    <message id="1003">
        <source>List so zoznamom od tajomníka (.t09)</source>
        <translation>Sekretäri nimekiri (.t09)</translation>
    </message>
    <message id="1014">
        <source>H</source>
        <translation>t</translation>
    </message>
    <message id="1019">
        <source>Poznámky</source>
        <translation>Märkused</translation>
    </message>
    <message id="1020">
        <source>PoP</source>
        <translation>AP</translation>
    </message>
    <message id="1030">
        <source>- VÝSTRAHA -   Už ste zaslali %1 správu za %2.</source>
        <translation>- HOIATUS -   Olete %1 aruande juba saatnud: %2.</translation>
    </message>
    <message id="1031">
        <source>Zmeny NEBUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Muudatusi EI LISATA harubüroole saadetavasse %1 aruandesse.</translation>
    </message>
    <message id="1032">
        <source>Prípadné zmeny BUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Võimalikud muudatused LISATAKSE harubüroole saadetavasse %1 aruandesse.</translation>
    </message>
    <message id="1033">
        <source>Mimo priestor pre poznámky</source>
        <translation>Märkuste jaoks pole enam ruumi</translation>
    </message>
    <message id="1038">
        <source>Vaše aktualizované správy boli uložené do súboru %1</source>
        <translation>Uuendatud aruanded salvestati faili %1</translation>
    </message>
    <message id="1039">
        <source>

Kliknite na Áno pre odoslanie súboru .t19 na e-mail </source>
        <translation>

Klõpsake Jah, et saata fail .t19 e-posti aadressile </translation>
    </message>
    <message id="1040">
        <source>Kliknite na Nie pre neskoršie odoslanie súboru tajomníkovi.</source>
        <translation>Klõpsake Ei, et saata fail sekretärile hiljem.</translation>
    </message>
    <message id="1041">
        <source>,

       alebo

</source>
        <translation>,

       või

</translation>
    </message>
    <message id="1042">
        <source>Zostavené súbory</source>
        <translation>Koostatud failid</translation>
    </message>
    <message id="1043">
        <source>.t19 súbor pre</source>
        <translation>.t19 fail:</translation>
    </message>
    <message id="1058">
        <source>Skupina</source>
        <translation>Rühm</translation>
    </message>
    <message id="1059">
        <source>Tipy pre používanie FYN

Od vášho tajomníka ste prijali súbor SkupinaX.t09 pre zadanie a vytvorenie mesačnej správy. </source>
        <translation>Nõuandeid FYN-i kasutamiseks

Sekretär saatis teile faili RühmX.t09, kuhu sisestate aruanded ja millest koostate kuu aruande. </translation>
    </message>
    <message id="1060">
        <source>Kliknutím na ikonu FYN spustite program a tlačítkom "Načítať nový list od tajomníka" otvorte súbor.

</source>
        <translation>Käivitage programm FYN-i ikoonil klõpsates ja avage fail nupuga „Laadi sekretäri uus nimekiri“.

</translation>
    </message>
    <message id="1061">
        <source>Uvidíte, že zadávanie správ je jednoduché - iba pomocou klávesnice. Napíšte prvé dve alebo tri písmená priezviska. Alebo použite šípky hore / dolu, vyberte meno a stlačte Enter.

</source>
        <translation>Näete, et aruannete sisestamine on lihtne - ainult klaviatuuriga. Kirjutage perekonnanime kaks või kolm esimest tähte. Või valige nimi nooleklahvidega üles / alla ja vajutage Enter.

</translation>
    </message>
    <message id="1062">
        <source>Klávesou Enter preskočíte na zadanie ďalšieho políčka správy. Stlačte klávesu Enter po zadaní posledného políčka pre návrat do výberového zoznamu.

</source>
        <translation>Enter viib aruande järgmisele väljale. Pärast viimast välja vajutage Enter, et naasta nimekirja.

</translation>
    </message>
    <message id="1063">
        <source>Ak chcete zadať poznámku, použite klávesy Alt-R alebo kliknite na tlačítko Poznámky.  Ukončite klávesou Enter.

Ak chcete zmeniť mesiac pre zadávanie správy, použite Alt+M alebo kliknite na tlačítko Zmeniť mesiac.

</source>
        <translation>Märkuse kirjutamiseks vajutage Alt+R või klõpsake nuppu Märkused. Lõpetage klahviga Enter.

Aruande kuu muutmiseks vajutage Alt+K või klõpsake nuppu Muuda kuud.

</translation>
    </message>
    <message id="1064">
        <source>Zvestovateľovi, ktorý odovzdá nulovú správu, napíšte do Poznámky nulu. Vylúčite ho tak zo zoznamu tých, ktorí správu eště neodovzdali.

</source>
        <translation>Kuulutajale, kes annab nullaruande, kirjutage märkustesse null. Nii kaob ta nende nimekirjast, kes pole veel aruannet andnud.

</translation>
    </message>
    <message id="1065">
        <source>Akonáhle FYN zatvoríte, program automaticky uloží všetky zmeny.Pokiaľ máte modem, môžete použiť tlačítko Vytočiť. Použite '&gt;&gt;&gt;' pre zobrazenie ďalších telefónnych čísiel.

</source>
        <translation>Kui FYN-i sulgete, salvestab programm kõik muudatused ise. Kui teil on modem, saate kasutada nuppu Helista. Nupuga '&gt;&gt;&gt;' näete teisi telefoninumbreid.

</translation>
    </message>
    <message id="1066">
        <source>Pokiaľ máte správne nakonfigurovaného e-mailového klienta MAPI, môžete e-mailom spracovaný list so správou zaslať tajomníkovi priamo z programu.
V opačnom prípade pripojte vytvorený súbor do e-mailu ručne alebo odovzdajte tajomníkovi na prenosnom médiu.

</source>
        <translation>Kui teie e-posti programm on õigesti seadistatud, saate täidetud nimekirja saata sekretärile e-postiga otse programmist.
Vastasel korral lisage loodud fail e-kirjale ise või andke see sekretärile mälupulgal.

</translation>
    </message>
    <message id="1116">
        <source>Celkom zvestovateľov</source>
        <translation>Kuulutajaid kokku</translation>
    </message>
    <message id="1167">
        <source>Meno</source>
        <translation>Nimi</translation>
    </message>
    <message id="1168">
        <source>Telefón</source>
        <translation>Telefon</translation>
    </message>
    <message id="1188">
        <source>%1 - odovzdané správy</source>
        <translation>%1 - esitatud aruanded</translation>
    </message>
    <message id="1194">
        <source>Zvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku</source>
        <translation>Eripioneerid EI OLE harubüroole saadetavas aruandes</translation>
    </message>
    <message id="1198">
        <source>sk</source>
        <translation>estonian</translation>
    </message>
    <message id="1231">
        <source>Ak sa nedá vytvoriť nový súbor: %1.
Zrušte atribút súboru "Len pre čítanie" alebo získajte oprávnenie k vytváraniu súborov v tomto adresári.</source>
        <translation>Uut faili ei saa luua: %1.
Eemaldage faililt atribuut „Kirjutuskaitstud“ või hankige õigus selles kaustas faile luua.</translation>
    </message>
    <message id="1232">
        <source>Skupina má menej ako 3 zvestovateľov</source>
        <translation>Rühmas on vähem kui 3 kuulutajat</translation>
    </message>
    <message id="1247">
        <source>Kontakty pre výber správ</source>
        <translation>Kontaktid aruannete kogumiseks</translation>
    </message>
    <message id="1417">
        <source>Hod</source>
        <translation>Tunnid</translation>
    </message>
    <message id="1419">
        <source>BŠ</source>
        <translation>PU</translation>
    </message>
    <message id="1422">
        <source>Odošlite svoj prehľad za %1. 
Ďakujem..</source>
        <translation>Palun saatke oma %1 aruanne. 
Aitäh..</translation>
    </message>
    <message id="1500">
        <source>v službe</source>
        <translation>kuulutas</translation>
    </message>
    <message id="2000">
        <source>Súbor %1 nie je platný list od tajomníka.</source>
        <translation>Fail %1 ei ole sekretäri kehtiv nimekiri.</translation>
    </message>
    <message id="2001">
        <source>Správy sa nepodarilo uložiť do súboru %1.

Kliknite na Áno pre ukončenie programu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Aruandeid ei õnnestunud faili %1 salvestada.

Klõpsake Jah, et sulgeda programm salvestamata, või Ei, et programmi naasta.</translation>
    </message>
    <message id="2002">
        <source>E-mailová adresa %1 nie je platná.</source>
        <translation>E-posti aadress %1 ei ole kehtiv.</translation>
    </message>
    <message id="2003">
        <source>Správa je pripravená vo vašom e-mailovom programe. Odošlite ju tam.</source>
        <translation>Kiri on teie e-posti programmis valmis. Saatke see sealt.</translation>
    </message>
    <message id="2004">
        <source>Správy zadané od posledného uloženia do súboru %1 sa stratia.

Kliknite na Áno pre výber iného listu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Pärast viimast salvestamist faili %1 sisestatud aruanded lähevad kaotsi.

Klõpsake Jah, et valida teine nimekiri salvestamata, või Ei, et programmi naasta.</translation>
    </message>
    <message id="2005">
        <source>E-mail - %1</source>
        <translation>E-post - %1</translation>
    </message>
    <message id="2010">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Muuda &amp;kuud (hilinenud aruanne)</translation>
    </message>
    <message id="2011">
        <source>či bol v danom mesiaci v službe</source>
        <translation>kas ta osales sel kuul teenistuses</translation>
    </message>
    <message id="2012">
        <source>Pomocný priekopník</source>
        <translation>Abipioneer</translation>
    </message>
    <message id="2013">
        <source>Pravidelný priekopník</source>
        <translation>Üldpioneer</translation>
    </message>
    <message id="2014">
        <source>Zvláštny priekopník</source>
        <translation>Eripioneer</translation>
    </message>
    <message id="2015">
        <source>Služobný pomocník</source>
        <translation>Teenistusabiline</translation>
    </message>
    <message id="2016">
        <source>Starší</source>
        <translation>Vanem</translation>
    </message>
    <message id="2017">
        <source>Pokrstený brat</source>
        <translation>Ristitud vend</translation>
    </message>
    <message id="2018">
        <source>&amp;Áno</source>
        <translation>&amp;Jah</translation>
    </message>
    <message id="2019">
        <source>&amp;Nie</source>
        <translation>&amp;Ei</translation>
    </message>
    <message id="2040">
        <source>Správa je pripravená vo vašom e-mailovom programe. Skontrolujte, či je k nej priložený súbor %1, a až potom ju odošlite.</source>
        <translation>Kiri on teie e-posti programmis valmis. Kontrollige, et fail %1 on lisatud, ja alles siis saatke kiri.</translation>
    </message>
    <message id="2060">
        <source>Zrušiť</source>
        <translation>Loobu</translation>
    </message>
    <message id="2061">
        <source>V systéme chýbajú údaje ICU pre kódovanie %1 (balík libicu72). Fyn bez nich nemôže čítať ani zapisovať listy, preto sa ukončí.</source>
        <translation>Süsteemist puuduvad kooditabeli %1 ICU andmed (pakett libicu72). Ilma nendeta ei saa Fyn nimekirju lugeda ega kirjutada, seega see suletakse.</translation>
    </message>
    <message id="2062">
        <source>Záložnú kópiu listu sa nepodarilo vytvoriť v adresári %1: %2.

Správy sa do listu napriek tomu uložia.</source>
        <translation>Nimekirja varukoopiat ei õnnestunud kausta %1 luua: %2.

Aruanded salvestatakse nimekirja siiski.</translation>
    </message>
    <message id="2063">
        <source>Zoznam sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Loendit ei õnnestunud faili %1 salvestada: %2.</translation>
    </message>
    <message id="2064">
        <source>Nastavenie From v časti [Mail] súboru fyn.ini obsahuje neplatnú adresu odosielateľa: %1

Opravte ju alebo nastavenie From vymažte.</source>
        <translation>Faili fyn.ini jaotise [Mail] säte From sisaldab kehtetut saatja aadressi: %1

Parandage see või kustutage säte From.</translation>
    </message>
    <message id="2065">
        <source>Nastavenie Language=%1 v súbore %2 neurčuje jazyk, ktorý Fyn pozná (sk, cs, pl, fr, el, tr, et, en). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Faili %2 säte Language=%1 ei nimeta Fyni tuntud keelt (sk, cs, pl, fr, el, tr, et, en). Parandage või kustutage see. Fyn suletakse nimekirja lugemata.</translation>
    </message>
    <message id="2066">
        <source>Nastavenie CodePage=%1 v súbore %2 neurčuje kódovanie, ktoré Fyn pozná (napríklad windows-1250). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Faili %2 säte CodePage=%1 ei nimeta Fyni tuntud kooditabelit (näiteks windows-1257). Parandage või kustutage see. Fyn suletakse nimekirja lugemata.</translation>
    </message>
    <message id="2067">
        <source>Súčasť programu Fyn sa nedá načítať:

%1

Inštalácia programu je zrejme neúplná; nainštalujte balík fyn znova.</source>
        <translation>Fyni osa ei saa laadida:

%1

Programmi paigaldus on ilmselt puudulik; paigaldage pakett fyn uuesti.</translation>
    </message>
    <message id="2068">
        <source>Súbor %1 patrí k inej verzii programu Fyn. Ak ste Fyn práve aktualizovali, zatvorte ho a spustite znova.</source>
        <translation>Fail %1 kuulub Fyni teise versiooni juurde. Kui uuendasite Fyni äsja, sulgege see ja käivitage uuesti.</translation>
    </message>
    <message id="2070">
        <source>Pripomienku ani hovor sa nepodarilo zaznamenať do súboru %1: %2.</source>
        <translation>Meeldetuletust ega kõnet ei õnnestunud faili %1 salvestada: %2.</translation>
    </message>
    <message id="2071">
        <source>súbor práve používa iný program</source>
        <translation>faili kasutab praegu teine programm</translation>
    </message>
    <message id="2072">
        <source>súbor je len na čítanie</source>
        <translation>fail on kirjutuskaitstud</translation>
    </message>
    <message id="2073">
        <source>na disku nie je miesto</source>
        <translation>kettal pole ruumi</translation>
    </message>
    <message id="2074">
        <source>súbor sa nedá otvoriť</source>
        <translation>faili ei saa avada</translation>
    </message>
    <message id="2075">
        <source>súbor pochádza z novšej verzie programu Fyn</source>
        <translation>fail on pärit Fyni uuemast versioonist</translation>
    </message>
    <message id="2076">
        <source>Súbor %1 bol poškodený. Bol premenovaný na %2 a vytvoril sa nový.</source>
        <translation>Fail %1 oli rikutud. See nimetati ümber failiks %2 ja loodi uus.</translation>
    </message>
    <message id="2077">
        <source>súbor je poškodený</source>
        <translation>fail on rikutud</translation>
    </message>
    <message id="2080">
        <source>Meno</source>
        <translation>Nimi</translation>
    </message>
    <message id="2081">
        <source>V službe</source>
        <translation>Teenistuses</translation>
    </message>
    <message id="2082">
        <source>Hodiny</source>
        <translation>Tunnid</translation>
    </message>
    <message id="2083">
        <source>Biblické štúdiá</source>
        <translation>Piibliuurimised</translation>
    </message>
    <message id="2084">
        <source>Pomocný priekopník</source>
        <translation>Abipioneer</translation>
    </message>
    <message id="2085">
        <source>Poznámka</source>
        <translation>Märkus</translation>
    </message>
    <message id="2086">
        <source>Správa odovzdaná</source>
        <translation>Aruanne esitatud</translation>
    </message>
    <message id="2087">
        <source>Spolu</source>
        <translation>Kokku</translation>
    </message>
    <message id="2100">
        <source>Pripomenúť všetkým, ktorí ešte neodovzdali...	Ctrl+E</source>
        <translation>Tuleta meelde kõigile, kes pole veel aruannet andnud...	Ctrl+E</translation>
    </message>
    <message id="2101">
        <source>Pripomienky za %1</source>
        <translation>Meeldetuletused: %1 aruanne</translation>
    </message>
    <message id="2102">
        <source>Odovzdané: %1 z %2. V službe: %3, hodiny: %4, biblické štúdiá: %5, pomocní priekopníci: %6</source>
        <translation>Esitatud: %1 / %2. Teenistuses: %3, tunnid: %4, piibliuurimised: %5, abipioneerid: %6</translation>
    </message>
    <message id="2103">
        <source>bez e-mailovej adresy</source>
        <translation>e-posti aadressita</translation>
    </message>
    <message id="2104">
        <source>nepoužiteľná adresa %1</source>
        <translation>kasutamatu aadress %1</translation>
    </message>
    <message id="2105">
        <source>odmietnutá adresa %1</source>
        <translation>tagasi lükatud aadress %1</translation>
    </message>
    <message id="2106">
        <source>tel. %1</source>
        <translation>tel %1</translation>
    </message>
    <message id="2107">
        <source>pripomenuté e-mailom %1</source>
        <translation>meelde tuletatud e-postiga %1</translation>
    </message>
    <message id="2108">
        <source>odovzdané e-mailovému programu %1</source>
        <translation>antud e-posti programmile %1</translation>
    </message>
    <message id="2109">
        <source>volané %1</source>
        <translation>helistatud %1</translation>
    </message>
    <message id="2110">
        <source>e-mail sa nepodarilo odoslať %1</source>
        <translation>e-kirja ei õnnestunud saata %1</translation>
    </message>
    <message id="2111">
        <source>&amp;Odoslať</source>
        <translation>&amp;Saada</translation>
    </message>
    <message id="2112">
        <source>Zavrieť</source>
        <translation>Sulge</translation>
    </message>
    <message id="2113">
        <source>Odosiela sa pripomienka %1 z %2...</source>
        <translation>Meeldetuletuse saatmine: %1 / %2...</translation>
    </message>
    <message id="2114">
        <source>Odoslané pripomienky: %1 z %2.</source>
        <translation>Saadetud meeldetuletused: %1 / %2.</translation>
    </message>
    <message id="2115">
        <source>Nepodarilo sa odoslať:</source>
        <translation>Saata ei õnnestunud:</translation>
    </message>
    <message id="2116">
        <source>Správa je pripravená vo vašom e-mailovom programe. Adresáti v skrytej kópii: %1. Odošlite ju odtiaľ.</source>
        <translation>Kiri on teie e-posti programmis valmis. Saajad pimekoopias: %1. Saatke see sealt.</translation>
    </message>
    <message id="2117">
        <source>Poštový príkaz neskončil do %1 sekúnd a bol zastavený. Správa mohla odísť; skôr ako ju pošlete znova, overte to u adresáta.</source>
        <translation>Postikäsk ei lõppenud %1 sekundi jooksul ja peatati. Kiri võis välja minna; enne uuesti saatmist kontrollige seda saajalt.</translation>
    </message>
    <message id="2118">
        <source>Možno odoslané (poštový príkaz bol zastavený), znova sa neponúkajú:</source>
        <translation>Võib-olla saadetud (postikäsk peatati), neid uuesti ei pakuta:</translation>
    </message>
    <message id="2119">
        <source>pripomienka možno odišla %1</source>
        <translation>meeldetuletus võis välja minna %1</translation>
    </message>
    <message id="2120">
        <source>Záznam kontaktov %1 sa nedá prečítať: %2. Pripomienky z iných spustení programu nie sú známe, tie z tohto áno.</source>
        <translation>Kontaktide logi %1 ei saa lugeda: %2. Programmi teiste käivituste meeldetuletusi ei teata, selle käivituse omi teatakse.</translation>
    </message>
    <message id="2121">
        <source>%1: %2.

Za posledných 24 hodín už jedna pripomienka odišla. Poslať ďalšiu?</source>
        <translation>%1: %2.

Viimase 24 tunni jooksul on üks meeldetuletus juba läinud. Kas saata veel üks?</translation>
    </message>
    <message id="2122">
        <source>Aktualizovaný list bol odoslaný na adresu %1.</source>
        <translation>Uuendatud nimekiri saadeti aadressile %1.</translation>
    </message>
    <message id="2130">
        <source>Správy sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Aruandeid ei õnnestunud faili %1 salvestada: %2.</translation>
    </message>
    <message id="2131">
        <source>Súbor %1 sa nedá otvoriť: %2.</source>
        <translation>Faili %1 ei saa avada: %2.</translation>
    </message>
    <message id="2132">
        <source>súbor alebo priečinok neexistuje</source>
        <translation>faili või kausta ei ole olemas</translation>
    </message>
    <message id="2133">
        <source>chýba oprávnenie</source>
        <translation>puudub õigus</translation>
    </message>
    <message id="2134">
        <source>je to priečinok, nie súbor</source>
        <translation>see on kaust, mitte fail</translation>
    </message>
    <message id="2135">
        <source>Text obsahuje znaky, ktoré kódovanie %1 nepozná (kódy %2); zobrazujú sa ako �. Ak text zmeníte, tieto znaky sa neuložia.</source>
        <translation>Tekstis on märke, mida kodeering %1 ei tunne (koodid %2); need kuvatakse kujul �. Kui teksti muudate, neid märke ei salvestata.</translation>
    </message>
    <message id="2150">
        <source>január</source>
        <translation>jaanuari</translation>
    </message>
    <message id="2151">
        <source>február</source>
        <translation>veebruari</translation>
    </message>
    <message id="2152">
        <source>marec</source>
        <translation>märtsi</translation>
    </message>
    <message id="2153">
        <source>apríl</source>
        <translation>aprilli</translation>
    </message>
    <message id="2154">
        <source>máj</source>
        <translation>mai</translation>
    </message>
    <message id="2155">
        <source>jún</source>
        <translation>juuni</translation>
    </message>
    <message id="2156">
        <source>júl</source>
        <translation>juuli</translation>
    </message>
    <message id="2157">
        <source>august</source>
        <translation>augusti</translation>
    </message>
    <message id="2158">
        <source>september</source>
        <translation>septembri</translation>
    </message>
    <message id="2159">
        <source>október</source>
        <translation>oktoobri</translation>
    </message>
    <message id="2160">
        <source>november</source>
        <translation>novembri</translation>
    </message>
    <message id="2161">
        <source>december</source>
        <translation>detsembri</translation>
    </message>
    <message id="2162">
        <source>Niektoré mená v liste %1 obsahujú znaky, ktoré kódovanie %2 nepozná (ukazujú sa ako �). List je zrejme v inom kódovaní: nastavte ho v súbore fyn.ini v časti [Interface] kľúčom CodePage, napríklad CodePage=windows-1250.</source>
        <translation>Nimekirja %1 mõnes nimes on märke, mida kooditabel %2 ei tunne (need paistavad kui �). Nimekiri on ilmselt teises kooditabelis: määrake see failis fyn.ini jaotises [Interface] võtmega CodePage, näiteks CodePage=windows-1250.</translation>
    </message>
    <message id="2180">
        <source>Ďalšie telefónne číslo zvestovateľa</source>
        <translation>Kuulutaja järgmine telefoninumber</translation>
    </message>
    <message id="2200">
        <source>Rok skupiny na jeden pohľad...	Ctrl+R</source>
        <translation>Grupi aasta ühe pilguga...	Ctrl+R</translation>
    </message>
    <message id="2201">
        <source>Skupina %1 - posledných 12 mesiacov: %2 - %3</source>
        <translation>Grupp %1 - viimased 12 kuud: %2 - %3</translation>
    </message>
    <message id="2202">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Trüki</translation>
    </message>
    <message id="2203">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Sulge</translation>
    </message>
    <message id="2204">
        <source>Zvestovateľ</source>
        <translation>Kuulutaja</translation>
    </message>
    <message id="2205">
        <source>Stav</source>
        <translation>Olek</translation>
    </message>
    <message id="2206">
        <source>nepravidelný</source>
        <translation>ebaregulaarne</translation>
    </message>
    <message id="2207">
        <source>neaktívny</source>
        <translation>mitteaktiivne</translation>
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
        <translation>h</translation>
    </message>
    <message id="2212">
        <source>PoP</source>
        <translation>AP</translation>
    </message>
    <message id="2213">
        <source>PP</source>
        <translation>ÜP</translation>
    </message>
    <message id="2214">
        <source>ZP</source>
        <translation>EP</translation>
    </message>
    <message id="2215">
        <source>+ v službe bez hodín   0 nulová správa   - chýba   o oneskorená   PoP pomocný, PP pravidelný, ZP zvláštny priekopník   Stav podľa posledných 6 mesiacov</source>
        <translation>+ teenistuses tundideta   0 nullaruanne   - puudub   h hilinenud   AP abipioneer, ÜP üldpioneer, EP eripioneer   Olek viimase 6 kuu järgi</translation>
    </message>
    <message id="2216">
        <source>chýba</source>
        <translation>puudub</translation>
    </message>
    <message id="2217">
        <source>nulová správa</source>
        <translation>nullaruanne</translation>
    </message>
    <message id="2218">
        <source>oneskorená</source>
        <translation>hilinenud</translation>
    </message>
    <message id="2219">
        <source>%1 hod.</source>
        <translation>%1 t</translation>
    </message>
    <message id="2220">
        <source>Odovzdané</source>
        <translation>Esitatud</translation>
    </message>
    <message id="2221">
        <source>V službe</source>
        <translation>Teenistuses</translation>
    </message>
    <message id="2222">
        <source>Hodiny</source>
        <translation>Tunnid</translation>
    </message>
    <message id="2223">
        <source>Biblické štúdiá</source>
        <translation>Piibliuurimised</translation>
    </message>
    <message id="2224">
        <source>Pomocní priekopníci</source>
        <translation>Abipioneerid</translation>
    </message>
    <message id="2225">
        <source>Správu za %1 tu už zadať nemožno: list od tajomníka prijíma oneskorené správy len za mesiace roka %2.</source>
        <translation>%1 aruannet ei saa siin enam sisestada: sekretäri leht võtab hilinenud aruandeid vastu ainult %2. aasta kuude kohta.</translation>
    </message>
    <message id="2226">
        <source>Klávesy Ctrl+R ukážu rok skupiny: kto za posledných 12 mesiacov odovzdal správu, kto je nepravidelný alebo neaktívny, a súčty skupiny po mesiacoch. Šípkami prejdete na mesiac, Enter otvorí správu zvestovateľa za ten mesiac.</source>
        <translation>Ctrl+R näitab grupi aastat: kes on viimase 12 kuu jooksul aruande esitanud, kes on ebaregulaarne või mitteaktiivne, ning grupi kuusummasid. Nooleklahvidega liigute kuule; Enter avab kuulutaja selle kuu aruande.</translation>
    </message>
    <message id="2227">
        <source>Odovzdané správy po mesiacoch</source>
        <translation>Esitatud aruanded kuude kaupa</translation>
    </message>
    <message id="2228">
        <source>Správy zvestovateľov po mesiacoch</source>
        <translation>Kuulutajate aruanded kuude kaupa</translation>
    </message>
    <message id="2250">
        <source>Zo správy: %1.</source>
        <translation>Sõnumist: %1.</translation>
    </message>
    <message id="2251">
        <source>Nejasné, nevyplnené: %1.</source>
        <translation>Ebaselge, täitmata: %1.</translation>
    </message>
    <message id="2252">
        <source>Zo správy sa nič neprečítalo.</source>
        <translation>Sõnumist ei loetud midagi.</translation>
    </message>
    <message id="2253">
        <source>zvestovateľ podľa adresy odosielateľa</source>
        <translation>kuulutaja saatja aadressi järgi</translation>
    </message>
    <message id="2254">
        <source>zvestovateľ podľa mena</source>
        <translation>kuulutaja nime järgi</translation>
    </message>
    <message id="2255">
        <source>Meno zvestovateľa v správe nie je; zadáva sa vybranému zvestovateľovi.</source>
        <translation>Sõnumis pole kuulutaja nime; aruanne sisestatakse valitud kuulutajale.</translation>
    </message>
    <message id="2256">
        <source>mesiac</source>
        <translation>kuu</translation>
    </message>
    <message id="2257">
        <source>v službe</source>
        <translation>kuulutas</translation>
    </message>
    <message id="2258">
        <source>hodiny</source>
        <translation>tunnid</translation>
    </message>
    <message id="2259">
        <source>biblické štúdiá</source>
        <translation>piibliuurimised</translation>
    </message>
    <message id="2260">
        <source>kreditné hodiny</source>
        <translation>krediittunnid</translation>
    </message>
    <message id="2261">
        <source>poznámka</source>
        <translation>märkus</translation>
    </message>
    <message id="2262">
        <source>pomocný priekopník</source>
        <translation>abipioneer</translation>
    </message>
    <message id="2263">
        <source>áno</source>
        <translation>jah</translation>
    </message>
    <message id="2264">
        <source>nie</source>
        <translation>ei</translation>
    </message>
    <message id="2265">
        <source>číslo bez slova %1</source>
        <translation>arv ilma sõnata %1</translation>
    </message>
    <message id="2266">
        <source>Súbor %1 je väčší ako 1 MB. Správa z neho sa nečíta.</source>
        <translation>Fail %1 on suurem kui 1 MB. Selles olevat sõnumit ei loeta.</translation>
    </message>
    <message id="2267">
        <source>Text správy je dlhší ako 64 kB. Nečíta sa.</source>
        <translation>Sõnumi tekst on pikem kui 64 kB. Seda ei loeta.</translation>
    </message>
    <message id="2268">
        <source>Vložený obsah nie je text ani e-mail. Nič sa nečíta.</source>
        <translation>Kleebitud sisu ei ole tekst ega e-kiri. Midagi ei loeta.</translation>
    </message>
    <message id="2269">
        <source>Súbor %1 nie je text ani e-mail. Nečíta sa.</source>
        <translation>Fail %1 ei ole tekst ega e-kiri. Seda ei loeta.</translation>
    </message>
    <message id="2270">
        <source>E-mail zo súboru %1 sa nedá prečítať:

%2</source>
        <translation>Faili %1 e-kirja ei saa lugeda:

%2</translation>
    </message>
    <message id="2271">
        <source>Zo správy nie je jasné, kto ju poslal, a v zozname nie je vybraný žiadny zvestovateľ.</source>
        <translation>Sõnumist ei selgu, kes selle saatis, ja loendis pole ühtki kuulutajat valitud.</translation>
    </message>
    <message id="2272">
        <source>Koho je táto správa?</source>
        <translation>Kelle sõnum see on?</translation>
    </message>
    <message id="2273">
        <source>Správa sa hodí na viacerých zvestovateľov. Vyberte toho, koho správu zadávate:</source>
        <translation>Sõnum sobib mitmele kuulutajale. Valige, kelle aruannet sisestate:</translation>
    </message>
    <message id="2274">
        <source>Vložiť správu zvestovateľa	Ctrl+V</source>
        <translation>Kleebi kuulutaja sõnum	Ctrl+V</translation>
    </message>
    <message id="2275">
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message id="2280">
        <source>hodín, hodiny, hodina, hodinu, hod, h</source>
        <translation>tundi, tunnid, tund, tunde, t</translation>
    </message>
    <message id="2281">
        <source>štúdií, štúdiá, štúdium, štúdia, biblických štúdií, biblické štúdiá, biblické štúdium, BŠ, BS</source>
        <translation>piibliuurimist, piibliuurimised, piibliuurimine, piibliuurimisi, uurimist, PU</translation>
    </message>
    <message id="2282">
        <source>kredit, kreditu, kreditné hodiny, kreditných hodín</source>
        <translation>krediit, krediiti, krediittunnid, krediittundi</translation>
    </message>
    <message id="2283">
        <source>v službe, služba, službe, službu, kazateľská služba, kazateľskej službe</source>
        <translation>kuulutustöös, kuulutustöö, teenistuses, kuulutas</translation>
    </message>
    <message id="2284">
        <source>áno, hej</source>
        <translation>jah</translation>
    </message>
    <message id="2285">
        <source>nie</source>
        <translation>ei</translation>
    </message>
    <message id="2286">
        <source>pomocný priekopník, pomocná priekopníčka, pomocným priekopníkom, pomocnou priekopníčkou</source>
        <translation>abipioneer, abipioneerina, abipioneeriks</translation>
    </message>
    <message id="2287">
        <source>poznámka, poznámky, pozn</source>
        <translation>märkus, märkused</translation>
    </message>
    <message id="2288">
        <source>januára, januári</source>
        <translation>jaanuaris</translation>
    </message>
    <message id="2289">
        <source>februára, februári</source>
        <translation>veebruaris</translation>
    </message>
    <message id="2290">
        <source>marca, marci</source>
        <translation>märtsis</translation>
    </message>
    <message id="2291">
        <source>apríla, apríli</source>
        <translation>aprillis</translation>
    </message>
    <message id="2292">
        <source>mája, máji</source>
        <translation>mai</translation>
    </message>
    <message id="2293">
        <source>júna, júni</source>
        <translation>juunis</translation>
    </message>
    <message id="2294">
        <source>júla, júli</source>
        <translation>juulis</translation>
    </message>
    <message id="2295">
        <source>augusta, auguste</source>
        <translation>augustis</translation>
    </message>
    <message id="2296">
        <source>septembra, septembri</source>
        <translation>septembris</translation>
    </message>
    <message id="2297">
        <source>októbra, októbri</source>
        <translation>oktoobris</translation>
    </message>
    <message id="2298">
        <source>novembra, novembri</source>
        <translation>novembris</translation>
    </message>
    <message id="2299">
        <source>decembra, decembri</source>
        <translation>detsembris</translation>
    </message>
    <message id="2300">
        <source>Zvestovatelia</source>
        <translation>Kuulutajad</translation>
    </message>
    <message id="2301">
        <source>%1, správa chýba</source>
        <translation>%1, aruanne puudub</translation>
    </message>
    <message id="2302">
        <source>Komu pripomenúť</source>
        <translation>Keda meenutada</translation>
    </message>
    <message id="2303">
        <source>%1, strana %2 z %3</source>
        <translation>%1, lehekülg %2/%3</translation>
    </message>
    <message id="2304">
        <source>Ďalšia strana</source>
        <translation>Järgmine lehekülg</translation>
    </message>
    <message id="2305">
        <source>Predchádzajúca strana</source>
        <translation>Eelmine lehekülg</translation>
    </message>
    <message id="2306">
        <source>pravidelný</source>
        <translation>regulaarne</translation>
    </message>
    <message id="61700">
        <source>Zadajte kladné celé číslo.</source>
        <translation>Sisestage positiivne täisarv.</translation>
    </message>
    <message id="61701">
        <source>Zadajte celé číslo od %1 do %2.</source>
        <translation>Sisestage täisarv vahemikus %1 kuni %2.</translation>
    </message>
    <message id="61710">
        <source>Nedostatok pamäte</source>
        <translation>Mälu on vähe</translation>
    </message>
    <message id="61711">
        <source>Nie je nastavená žiadna tlačiareň</source>
        <translation>Printerit pole</translation>
    </message>
    <message id="61712">
        <source>Tlač zlyhala: tlačiareň sa nedá použiť.</source>
        <translation>Printimine ebaõnnestus: printerit ei saa kasutada.</translation>
    </message>
    <message id="61713">
        <source>Telefónna služba nie je k dispozícii</source>
        <translation>Telefoniteenus pole saadaval</translation>
    </message>
    <message id="61714">
        <source>Telefónna služba sa nedá spustiť</source>
        <translation>Telefoniteenust ei saa käivitada</translation>
    </message>
    <message id="61840">
        <source>Podporu poštového systému sa nepodarilo načítať.</source>
        <translation>Postisüsteemi tuge ei saa laadida.</translation>
    </message>
    <message id="61841">
        <source>Poštový systém je neplatný.</source>
        <translation>Postisüsteem on vigane.</translation>
    </message>
    <message id="61842">
        <source>Poštový systém správu neodoslal.</source>
        <translation>Postisüsteem ei saatnud kirja.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message id="100.title">
        <source>O programe Fyn</source>
        <translation>Programmist Fyn</translation>
    </message>
    <message id="100.#1">
        <source>Fyn verzia 5a</source>
        <translation>Fyn, versioon 5a</translation>
    </message>
    <message id="100.#2">
        <source>© 2026 Fyn</source>
        <translation>© 2026 Fyn</translation>
    </message>
    <message id="100.#3">
        <source>Vyžaduje súbory SkupinaX.t09 z programu Korbo verzie 10a alebo novšej</source>
        <translation>Vajab programmi Korbo versiooni 10a või uuema faile RühmX.t09</translation>
    </message>
    <message id="100.#4">
        <source>Slobodný softvér pod licenciou MIT</source>
        <translation>Vaba tarkvara MIT litsentsiga</translation>
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
        <translation>Kuulutustöö aruanded</translation>
    </message>
    <message id="102.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="102.2">
        <source>Zatvoriť program</source>
        <translation>Sulge programm</translation>
    </message>
    <message id="102.3">
        <source>Načítať nový list od tajomníka</source>
        <translation>Laadi sekretäri uus nimekiri</translation>
    </message>
    <message id="102.5">
        <source>Náhľad a tlač listu so správami</source>
        <translation>Aruannete nimekirja eelvaade ja trükk</translation>
    </message>
    <message id="102.4">
        <source>Odoslať aktualizovaný list tajomníkovi</source>
        <translation>Saada uuendatud nimekiri sekretärile</translation>
    </message>
    <message id="102.162">
        <source>Obmedziť na neodovzdané správy</source>
        <translation>Ainult esitamata aruanded</translation>
    </message>
    <message id="102.#10">
        <source> Zadávanie skončené pri </source>
        <translation> Sisestamine lõppes </translation>
    </message>
    <message id="102.1003">
        <source>Vytočit</source>
        <translation>Helista</translation>
    </message>
    <message id="102.1004">
        <source>&gt; &gt; &gt;</source>
        <translation>&gt; &gt; &gt;</translation>
    </message>
    <message id="102.1005">
        <source>Pomoc</source>
        <translation>Abi</translation>
    </message>
    <message id="102.1007">
        <source>Ukážka e-mailu</source>
        <translation>E-kirja näidis</translation>
    </message>
</context>
<context>
    <name>Dialog107</name>
    <message id="107.147">
        <source>Publ</source>
        <translation>Väljg</translation>
    </message>
    <message id="107.148">
        <source>Videá</source>
        <translation>Video</translation>
    </message>
    <message id="107.149">
        <source>Hod</source>
        <translation>Tunnid</translation>
    </message>
    <message id="107.150">
        <source>ON</source>
        <translation>KK</translation>
    </message>
    <message id="107.151">
        <source>BŠ</source>
        <translation>PU</translation>
    </message>
    <message id="107.1126">
        <source>bol v danom službe</source>
        <translation>kuulutas sel kuul</translation>
    </message>
    <message id="107.1">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.2">
        <source>&amp;Zrušiť</source>
        <translation>&amp;Loobu</translation>
    </message>
    <message id="107.129">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Muuda &amp;kuud (hilinenud aruanne)</translation>
    </message>
    <message id="107.160">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.3">
        <source>&amp;Poznámky</source>
        <translation>Mä&amp;rkused</translation>
    </message>
    <message id="107.1050">
        <source>Pomocný priekopník</source>
        <translation>Abipioneer</translation>
    </message>
    <message id="107.1125">
        <source>&lt;1 h</source>
        <translation>&lt;1 t</translation>
    </message>
</context>
<context>
    <name>Dialog115</name>
    <message id="115.2">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Sulge</translation>
    </message>
    <message id="115.3">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Trüki</translation>
    </message>
    <message id="115.129">
        <source>&amp;Nastavenie tlačiarne</source>
        <translation>&amp;Printeri seaded</translation>
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
