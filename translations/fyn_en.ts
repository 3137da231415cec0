<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="sk_SK">
<context>
    <name>StringTable</name>
    <message id="101">
        <source>&amp;O programe Fyn...</source>
        <translation>&amp;About Fyn...</translation>
    </message>
    <message id="102">
        <source>Január</source>
        <translation>January</translation>
    </message>
    <message id="103">
        <source>Február</source>
        <translation>February</translation>
    </message>
    <message id="104">
        <source>Marec</source>
        <translation>March</translation>
    </message>
    <message id="105">
        <source>Apríl</source>
        <translation>April</translation>
    </message>
    <message id="106">
        <source>Máj</source>
        <translation>May</translation>
    </message>
    <message id="107">
        <source>Jún</source>
        <translation>June</translation>
    </message>
    <message id="108">
        <source>Júl</source>
        <translation>July</translation>
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
        <translation>October</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>November</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>December</translation>
    </message>
    <message id="1000">
        <source>Zvest. - %1</source>
        <translation>Publ. - %1</translation>
    </message>
    <message id="1001">
        <source>%1 - neodovzdané správy</source>
        <translation>%1 - reports not handed in</translation>
    </message>
    <message id="1002">
        <source>Výber súboru od tajomníka</source>
        <translation>Choose the file from the secretary</translation>
    </message>
    <message id="1003">
        <source>List so zoznamom od tajomníka (.t09)</source>
        <translation>List from the secretary (.t09)</translation>
    </message>
    <message id="1014">
        <source>H</source>
        <translation>H</translation>
    </message>
    <message id="1019">
        <source>Poznámky</source>
        <translation>Remarks</translation>
    </message>
    <message id="1020">
        <source>PoP</source>
        <translation>AP</translation>
    </message>
    <message id="1030">
        <source>- VÝSTRAHA -   Už ste zaslali %1 správu za %2.</source>
        <translation>- WARNING -   You have already sent the %1 report for %2.</translation>
    </message>
    <message id="1031">
        <source>Zmeny NEBUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Changes WILL NOT BE INCLUDED in the %1 report to the branch.</translation>
    </message>
    <message id="1032">
        <source>Prípadné zmeny BUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Any changes WILL BE INCLUDED in the %1 report to the branch.</translation>
    </message>
    <message id="1033">
        <source>Mimo priestor pre poznámky</source>
        <translation>Out of room for remarks</translation>
    </message>
    <message id="1038">
        <source>Vaše aktualizované správy boli uložené do súboru %1</source>
        <translation>Your updated reports were saved in the file %1</translation>
    </message>
    <message id="1039">
        <source>

Kliknite na Áno pre odoslanie súboru .t19 na e-mail </source>
        <translation>

Click Yes to send the .t19 file by e-mail to </translation>
    </message>
    <message id="1040">
        <source>Kliknite na Nie pre neskoršie odoslanie súboru tajomníkovi.</source>
        <translation>Click No to send the file to the secretary later.</translation>
    </message>
    <message id="1041">
        <source>,

       alebo

</source>
        <translation>,

       or

</translation>
    </message>
    <message id="1042">
        <source>Zostavené súbory</source>
        <translation>Compiled files</translation>
    </message>
    <message id="1043">
        <source>.t19 súbor pre</source>
        <translation>.t19 file for</translation>
    </message>
    <message id="1058">
        <source>Skupina</source>
        <translation>Group</translation>
    </message>
    <message id="1059">
        <source>Tipy pre používanie FYN

Od vášho tajomníka ste prijali súbor SkupinaX.t09 pre zadanie a vytvorenie mesačnej správy. </source>
        <translation>Tips for using FYN

Your secretary has sent you the file GroupX.t09 for entering the reports and making up the monthly report. </translation>
    </message>
    <message id="1060">
        <source>Kliknutím na ikonu FYN spustite program a tlačítkom "Načítať nový list od tajomníka" otvorte súbor.

</source>
        <translation>Start the program by clicking the FYN icon, and open the file with the button "Load a new list from the secretary".

</translation>
    </message>
    <message id="1061">
        <source>Uvidíte, že zadávanie správ je jednoduché - iba pomocou klávesnice. Napíšte prvé dve alebo tri písmená priezviska. Alebo použite šípky hore / dolu, vyberte meno a stlačte Enter.

</source>
        <translation>You will see that entering reports is simple - with the keyboard alone. Type the first two or three letters of the surname. Or use the arrows up / down, choose the name and press Enter.

</translation>
    </message>
    <message id="1062">
        <source>Klávesou Enter preskočíte na zadanie ďalšieho políčka správy. Stlačte klávesu Enter po zadaní posledného políčka pre návrat do výberového zoznamu.

</source>
        <translation>The Enter key takes you to the next field of the report. Press Enter after the last field to return to the list.

</translation>
    </message>
    <message id="1063">
        <source>Ak chcete zadať poznámku, použite klávesy Alt-R alebo kliknite na tlačítko Poznámky.  Ukončite klávesou Enter.

Ak chcete zmeniť mesiac pre zadávanie správy, použite Alt+M alebo kliknite na tlačítko Zmeniť mesiac.

</source>
        <translation>To enter a remark, press Alt+R or click the Remarks button. Finish with Enter.

To change the month of the report, press Alt+M or click the Change month button.

</translation>
    </message>
    <message id="1064">
        <source>Zvestovateľovi, ktorý odovzdá nulovú správu, napíšte do Poznámky nulu. Vylúčite ho tak zo zoznamu tých, ktorí správu eště neodovzdali.

</source>
        <translation>For a publisher who hands in a report of zero, write a zero in the Remarks. This takes him off the list of those who have not handed in their report yet.

</translation>
    </message>
    <message id="1065">
        <source>Akonáhle FYN zatvoríte, program automaticky uloží všetky zmeny.Pokiaľ máte modem, môžete použiť tlačítko Vytočiť. Použite '&gt;&gt;&gt;' pre zobrazenie ďalších telefónnych čísiel.

</source>
        <translation>When you close FYN, the program saves all changes automatically. If you have a modem, you can use the Dial button. Use '&gt;&gt;&gt;' to see further telephone numbers.

</translation>
    </message>
    <message id="1066">
        <source>Pokiaľ máte správne nakonfigurovaného e-mailového klienta MAPI, môžete e-mailom spracovaný list so správou zaslať tajomníkovi priamo z programu.
V opačnom prípade pripojte vytvorený súbor do e-mailu ručne alebo odovzdajte tajomníkovi na prenosnom médiu.

</source>
        <translation>If your e-mail client is set up correctly, you can send the completed list to the secretary by e-mail straight from the program.
Otherwise attach the file to an e-mail yourself, or give it to the secretary on a memory stick.

</translation>
    </message>
    <message id="1116">
        <source>Celkom zvestovateľov</source>
        <translation>Total publishers</translation>
    </message>
    <message id="1167">
        <source>Meno</source>
        <translation>Name</translation>
    </message>
    <message id="1168">
        <source>Telefón</source>
        <translation>Telephone</translation>
    </message>
    <message id="1188">
        <source>%1 - odovzdané správy</source>
        <translation>%1 - reports handed in</translation>
    </message>
    <message id="1194">
        <source>Zvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku</source>
        <translation>Special pioneers ARE NOT INCLUDED in the report to the branch</translation>
    </message>
    <message id="1198">
        <source>sk</source>
        <translation>en</translation>
    </message>
    <message id="1231">
        <source>Ak sa nedá vytvoriť nový súbor: %1.
Zrušte atribút súboru "Len pre čítanie" alebo získajte oprávnenie k vytváraniu súborov v tomto adresári.</source>
        <translation>Unable to create the new file: %1.
Remove the file's "Read-only" attribute or get permission to create files in this folder.</translation>
    </message>
    <message id="1232">
        <source>Skupina má menej ako 3 zvestovateľov</source>
        <translation>The group has fewer than 3 publishers</translation>
    </message>
    <message id="1247">
        <source>Kontakty pre výber správ</source>
        <translation>Contacts for collecting reports</translation>
    </message>
    <message id="1417">
        <source>Hod</source>
        <translation>Hrs</translation>
    </message>
    <message id="1419">
        <source>BŠ</source>
        <translation>BS</translation>
    </message>
    <message id="1422">
        <source>Odošlite svoj prehľad za %1. 
Ďakujem..</source>
        <translation>Please send your report for %1. 
Thank you..</translation>
    </message>
    <message id="1500">
        <source>v službe</source>
        <translation>shared</translation>
    </message>
    <message id="2000">
        <source>Súbor %1 nie je platný list od tajomníka.</source>
        <translation>The file %1 is not a valid list from the secretary.</translation>
    </message>
    <message id="2001">
        <source>Správy sa nepodarilo uložiť do súboru %1.

Kliknite na Áno pre ukončenie programu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>The reports could not be saved in the file %1.

Click Yes to close the program without saving, or No to return to the program.</translation>
    </message>
    <message id="2002">
        <source>E-mailová adresa %1 nie je platná.</source>
        <translation>The e-mail address %1 is not valid.</translation>
    </message>
    <message id="2003">
        <source>Správa je pripravená vo vašom e-mailovom programe. Odošlite ju tam.</source>
        <translation>The message is ready in your e-mail program. Send it from there.</translation>
    </message>
    <message id="2004">
        <source>Správy zadané od posledného uloženia do súboru %1 sa stratia.

Kliknite na Áno pre výber iného listu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>The reports entered since the last save in the file %1 will be lost.

Click Yes to choose another list without saving, or No to return to the program.</translation>
    </message>
    <message id="2005">
        <source>E-mail - %1</source>
        <translation>E-mail - %1</translation>
    </message>
    <message id="2010">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Change &amp;month (late report)</translation>
    </message>
    <message id="2011">
        <source>či bol v danom mesiaci v službe</source>
        <translation>whether he shared in the ministry that month</translation>
    </message>
    <message id="2012">
        <source>Pomocný priekopník</source>
        <translation>Auxiliary pioneer</translation>
    </message>
    <message id="2013">
        <source>Pravidelný priekopník</source>
        <translation>Regular pioneer</translation>
    </message>
    <message id="2014">
        <source>Zvláštny priekopník</source>
        <translation>Special pioneer</translation>
    </message>
    <message id="2015">
        <source>Služobný pomocník</source>
        <translation>Ministerial servant</translation>
    </message>
    <message id="2016">
        <source>Starší</source>
        <translation>Elder</translation>
    </message>
    <message id="2017">
        <source>Pokrstený brat</source>
        <translation>Baptized brother</translation>
    </message>
    <message id="2018">
        <source>&amp;Áno</source>
        <translation>&amp;Yes</translation>
    </message>
    <message id="2019">
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
    <message id="2040">
        <source>Správa je pripravená vo vašom e-mailovom programe. Skontrolujte, či je k nej priložený súbor %1, a až potom ju odošlite.</source>
        <translation>The message is ready in your e-mail program. Check that the file %1 is attached to it before you send it.</translation>
    </message>
    <message id="2060">
        <source>Zrušiť</source>
        <translation>Cancel</translation>
    </message>
    <message id="2061">
        <source>V systéme chýbajú údaje ICU pre kódovanie %1 (balík libicu72). Fyn bez nich nemôže čítať ani zapisovať listy, preto sa ukončí.</source>
        <translation>The system lacks the ICU data for the code page %1 (package libicu72). Without it Fyn can neither read nor write lists, so it will close.</translation>
    </message>
    <message id="2062">
        <source>Záložnú kópiu listu sa nepodarilo vytvoriť v adresári %1: %2.

Správy sa do listu napriek tomu uložia.</source>
        <translation>The backup copy of the list could not be made in the folder %1: %2.

The reports will be saved in the list all the same.</translation>
    </message>
    <message id="2063">
        <source>Zoznam sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>The list could not be saved in the file %1: %2.</translation>
    </message>
    <message id="2064">
        <source>Nastavenie From v časti [Mail] súboru fyn.ini obsahuje neplatnú adresu odosielateľa: %1

Opravte ju alebo nastavenie From vymažte.</source>
        <translation>The setting From in the [Mail] section of the file fyn.ini holds an invalid sender address: %1

Correct it or remove the From setting.</translation>
    </message>
    <message id="2065">
        <source>Nastavenie Language=%1 v súbore %2 neurčuje jazyk, ktorý Fyn pozná (sk, cs, pl, fr, el, tr, et, en). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>The setting Language=%1 in the file %2 names no language Fyn knows (sk, cs, pl, fr, el, tr, et, en). Correct it or remove it. Fyn closes without reading a list.</translation>
    </message>
    <message id="2066">
        <source>Nastavenie CodePage=%1 v súbore %2 neurčuje kódovanie, ktoré Fyn pozná (napríklad windows-1250). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>The setting CodePage=%1 in the file %2 names no code page Fyn knows (for example windows-1250). Correct it or remove it. Fyn closes without reading a list.</translation>
    </message>
    <message id="2067">
        <source>Súčasť programu Fyn sa nedá načítať:

%1

Inštalácia programu je zrejme neúplná; nainštalujte balík fyn znova.</source>
        <translation>A part of Fyn cannot be loaded:

%1

The program's installation is probably incomplete; install the fyn package again.</translation>
    </message>
    <message id="2068">
        <source>Súbor %1 patrí k inej verzii programu Fyn. Ak ste Fyn práve aktualizovali, zatvorte ho a spustite znova.</source>
        <translation>The file %1 belongs to another version of Fyn. If you have just updated Fyn, close it and start it again.</translation>
    </message>
    <message id="2070">
        <source>Pripomienku ani hovor sa nepodarilo zaznamenať do súboru %1: %2.</source>
        <translation>The reminder or call could not be recorded in the file %1: %2.</translation>
    </message>
    <message id="2071">
        <source>súbor práve používa iný program</source>
        <translation>the file is in use by another program</translation>
    </message>
    <message id="2072">
        <source>súbor je len na čítanie</source>
        <translation>the file is read-only</translation>
    </message>
    <message id="2073">
        <source>na disku nie je miesto</source>
        <translation>the disk is full</translation>
    </message>
    <message id="2074">
        <source>súbor sa nedá otvoriť</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message id="2075">
        <source>súbor pochádza z novšej verzie programu Fyn</source>
        <translation>the file comes from a newer version of Fyn</translation>
    </message>
    <message id="2076">
        <source>Súbor %1 bol poškodený. Bol premenovaný na %2 a vytvoril sa nový.</source>
        <translation>The file %1 was damaged. It was renamed to %2 and a new one was created.</translation>
    </message>
    <message id="2077">
        <source>súbor je poškodený</source>
        <translation>the file is damaged</translation>
    </message>
    <message id="2080">
        <source>Meno</source>
        <translation>Name</translation>
    </message>
    <message id="2081">
        <source>V službe</source>
        <translation>In service</translation>
    </message>
    <message id="2082">
        <source>Hodiny</source>
        <translation>Hours</translation>
    </message>
    <message id="2083">
        <source>Biblické štúdiá</source>
        <translation>Bible studies</translation>
    </message>
    <message id="2084">
        <source>Pomocný priekopník</source>
        <translation>Auxiliary pioneer</translation>
    </message>
    <message id="2085">
        <source>Poznámka</source>
        <translation>Remarks</translation>
    </message>
    <message id="2086">
        <source>Správa odovzdaná</source>
        <translation>Report handed in</translation>
    </message>
    <message id="2087">
        <source>Spolu</source>
        <translation>Total</translation>
    </message>
    <message id="2100">
        <source>Pripomenúť všetkým, ktorí ešte neodovzdali...	Ctrl+E</source>
        <translation>Remind everyone who has not handed in a report...	Ctrl+E</translation>
    </message>
    <message id="2101">
        <source>Pripomienky za %1</source>
        <translation>Reminders for %1</translation>
    </message>
    <message id="2102">
        <source>Odovzdané: %1 z %2. V službe: %3, hodiny: %4, biblické štúdiá: %5, pomocní priekopníci: %6</source>
        <translation>Handed in: %1 of %2. In service: %3, hours: %4, Bible studies: %5, auxiliary pioneers: %6</translation>
    </message>
    <message id="2103">
        <source>bez e-mailovej adresy</source>
        <translation>no e-mail address</translation>
    </message>
    <message id="2104">
        <source>nepoužiteľná adresa %1</source>
        <translation>unusable address %1</translation>
    </message>
    <message id="2105">
        <source>odmietnutá adresa %1</source>
        <translation>refused address %1</translation>
    </message>
    <message id="2106">
        <source>tel. %1</source>
        <translation>tel. %1</translation>
    </message>
    <message id="2107">
        <source>pripomenuté e-mailom %1</source>
        <translation>reminded by e-mail on %1</translation>
    </message>
    <message id="2108">
        <source>odovzdané e-mailovému programu %1</source>
        <translation>handed to the e-mail program on %1</translation>
    </message>
    <message id="2109">
        <source>volané %1</source>
        <translation>called on %1</translation>
    </message>
    <message id="2110">
        <source>e-mail sa nepodarilo odoslať %1</source>
        <translation>e-mail could not be sent on %1</translation>
    </message>
    <message id="2111">
        <source>&amp;Odoslať</source>
        <translation>&amp;Send</translation>
    </message>
    <message id="2112">
        <source>Zavrieť</source>
        <translation>Close</translation>
    </message>
    <message id="2113">
        <source>Odosiela sa pripomienka %1 z %2...</source>
        <translation>Sending reminder %1 of %2...</translation>
    </message>
    <message id="2114">
        <source>Odoslané pripomienky: %1 z %2.</source>
        <translation>Reminders sent: %1 of %2.</translation>
    </message>
    <message id="2115">
        <source>Nepodarilo sa odoslať:</source>
        <translation>Could not be sent:</translation>
    </message>
    <message id="2116">
        <source>Správa je pripravená vo vašom e-mailovom programe. Adresáti v skrytej kópii: %1. Odošlite ju odtiaľ.</source>
        <translation>The message is ready in your e-mail program. Recipients in blind copy: %1. Send it from there.</translation>
    </message>
    <message id="2117">
        <source>Poštový príkaz neskončil do %1 sekúnd a bol zastavený. Správa mohla odísť; skôr ako ju pošlete znova, overte to u adresáta.</source>
        <translation>The mail command did not finish within %1 seconds and was stopped. The message may have gone; check with the recipient before you send it again.</translation>
    </message>
    <message id="2118">
        <source>Možno odoslané (poštový príkaz bol zastavený), znova sa neponúkajú:</source>
        <translation>May have been sent (the mail command was stopped), not offered again:</translation>
    </message>
    <message id="2119">
        <source>pripomienka možno odišla %1</source>
        <translation>reminder may have gone on %1</translation>
    </message>
    <message id="2120">
        <source>Záznam kontaktov %1 sa nedá prečítať: %2. Pripomienky z iných spustení programu nie sú známe, tie z tohto áno.</source>
        <translation>The contact log %1 cannot be read: %2. Reminders from other runs of the program are not known; those from this run are.</translation>
    </message>
    <message id="2121">
        <source>%1: %2.

Za posledných 24 hodín už jedna pripomienka odišla. Poslať ďalšiu?</source>
        <translation>%1: %2.

A reminder already went out in the last 24 hours. Send another one?</translation>
    </message>
    <message id="2122">
        <source>Aktualizovaný list bol odoslaný na adresu %1.</source>
        <translation>The updated sheet was sent to %1.</translation>
    </message>
    <message id="2130">
        <source>Správy sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>The reports could not be saved in the file %1: %2.</translation>
    </message>
    <message id="2131">
        <source>Súbor %1 sa nedá otvoriť: %2.</source>
        <translation>The file %1 cannot be opened: %2.</translation>
    </message>
    <message id="2132">
        <source>súbor alebo priečinok neexistuje</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message id="2133">
        <source>chýba oprávnenie</source>
        <translation>permission denied</translation>
    </message>
    <message id="2134">
        <source>je to priečinok, nie súbor</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message id="2135">
        <source>Text obsahuje znaky, ktoré kódovanie %1 nepozná (kódy %2); zobrazujú sa ako �. Ak text zmeníte, tieto znaky sa neuložia.</source>
        <translation>The text holds characters that the code page %1 does not know (codes %2); they show as �. If you change the text, these characters will not be saved.</translation>
    </message>
    <message id="2150">
        <source>január</source>
        <translation>January</translation>
    </message>
    <message id="2151">
        <source>február</source>
        <translation>February</translation>
    </message>
    <message id="2152">
        <source>marec</source>
        <translation>March</translation>
    </message>
    <message id="2153">
        <source>apríl</source>
        <translation>April</translation>
    </message>
    <message id="2154">
        <source>máj</source>
        <translation>May</translation>
    </message>
    <message id="2155">
        <source>jún</source>
        <translation>June</translation>
    </message>
    <message id="2156">
        <source>júl</source>
        <translation>July</translation>
    </message>
    <message id="2157">
        <source>august</source>
        <translation>August</translation>
    </message>
    <message id="2158">
        <source>september</source>
        <translation>September</translation>
    </message>
    <message id="2159">
        <source>október</source>
        <translation>October</translation>
    </message>
    <message id="2160">
        <source>november</source>
        <translation>November</translation>
    </message>
    <message id="2161">
        <source>december</source>
        <translation>December</translation>
    </message>
    <message id="2162">
        <source>Niektoré mená v liste %1 obsahujú znaky, ktoré kódovanie %2 nepozná (ukazujú sa ako �). List je zrejme v inom kódovaní: nastavte ho v súbore fyn.ini v časti [Interface] kľúčom CodePage, napríklad CodePage=windows-1250.</source>
        <translation>Some names in the sheet %1 hold characters that the code page %2 does not know (they show as �). The sheet is probably in another code page: set it in fyn.ini, section [Interface], key CodePage, for example CodePage=windows-1250.</translation>
    </message>
    <message id="2180">
        <source>Ďalšie telefónne číslo zvestovateľa</source>
        <translation>The publisher's next telephone number</translation>
    </message>
    <message id="2200">
        <source>Rok skupiny na jeden pohľad...	Ctrl+R</source>
        <translation>The group's year at a glance...	Ctrl+R</translation>
    </message>
    <message id="2201">
        <source>Skupina %1 - posledných 12 mesiacov: %2 - %3</source>
        <translation>Group %1 - last 12 months: %2 - %3</translation>
    </message>
    <message id="2202">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Print</translation>
    </message>
    <message id="2203">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Close</translation>
    </message>
    <message id="2204">
        <source>Zvestovateľ</source>
        <translation>Publisher</translation>
    </message>
    <message id="2205">
        <source>Stav</source>
        <translation>Status</translation>
    </message>
    <message id="2206">
        <source>nepravidelný</source>
        <translation>irregular</translation>
    </message>
    <message id="2207">
        <source>neaktívny</source>
        <translation>inactive</translation>
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
        <translation>L</translation>
    </message>
    <message id="2212">
        <source>PoP</source>
        <translation>AP</translation>
    </message>
    <message id="2213">
        <source>PP</source>
        <translation>RP</translation>
    </message>
    <message id="2214">
        <source>ZP</source>
        <translation>SP</translation>
    </message>
    <message id="2215">
        <source>+ v službe bez hodín   0 nulová správa   - chýba   o oneskorená   PoP pomocný, PP pravidelný, ZP zvláštny priekopník   Stav podľa posledných 6 mesiacov</source>
        <translation>+ in service without hours   0 zero report   - missing   L late   AP auxiliary, RP regular, SP special pioneer   Status from the last 6 months</translation>
    </message>
    <message id="2216">
        <source>chýba</source>
        <translation>missing</translation>
    </message>
    <message id="2217">
        <source>nulová správa</source>
        <translation>zero report</translation>
    </message>
    <message id="2218">
        <source>oneskorená</source>
        <translation>late</translation>
    </message>
    <message id="2219">
        <source>%1 hod.</source>
        <translation>%1 hrs</translation>
    </message>
    <message id="2220">
        <source>Odovzdané</source>
        <translation>Reported</translation>
    </message>
    <message id="2221">
        <source>V službe</source>
        <translation>In service</translation>
    </message>
    <message id="2222">
        <source>Hodiny</source>
        <translation>Hours</translation>
    </message>
    <message id="2223">
        <source>Biblické štúdiá</source>
        <translation>Bible studies</translation>
    </message>
    <message id="2224">
        <source>Pomocní priekopníci</source>
        <translation>Auxiliary pioneers</translation>
    </message>
    <message id="2225">
        <source>Správu za %1 tu už zadať nemožno: list od tajomníka prijíma oneskorené správy len za mesiace roka %2.</source>
        <translation>The report for %1 can no longer be entered here: the secretary's sheet takes late reports only for months of %2.</translation>
    </message>
    <message id="2226">
        <source>Klávesy Ctrl+R ukážu rok skupiny: kto za posledných 12 mesiacov odovzdal správu, kto je nepravidelný alebo neaktívny, a súčty skupiny po mesiacoch. Šípkami prejdete na mesiac, Enter otvorí správu zvestovateľa za ten mesiac.</source>
        <translation>Ctrl+R shows the group's year: who reported in each of the last 12 months, who is irregular or inactive, and the group's totals by month. The arrow keys go to a month; Enter opens the publisher's report for that month.</translation>
    </message>
    <message id="2227">
        <source>Odovzdané správy po mesiacoch</source>
        <translation>Reports received by month</translation>
    </message>
    <message id="2228">
        <source>Správy zvestovateľov po mesiacoch</source>
        <translation>Publishers' reports by month</translation>
    </message>
    <message id="2250">
        <source>Zo správy: %1.</source>
        <translation>From the message: %1.</translation>
    </message>
    <message id="2251">
        <source>Nejasné, nevyplnené: %1.</source>
        <translation>Unclear, not filled in: %1.</translation>
    </message>
    <message id="2252">
        <source>Zo správy sa nič neprečítalo.</source>
        <translation>Nothing was read from the message.</translation>
    </message>
    <message id="2253">
        <source>zvestovateľ podľa adresy odosielateľa</source>
        <translation>publisher by the sender's address</translation>
    </message>
    <message id="2254">
        <source>zvestovateľ podľa mena</source>
        <translation>publisher by name</translation>
    </message>
    <message id="2255">
        <source>Meno zvestovateľa v správe nie je; zadáva sa vybranému zvestovateľovi.</source>
        <translation>The message names no publisher; it is entered for the selected publisher.</translation>
    </message>
    <message id="2256">
        <source>mesiac</source>
        <translation>month</translation>
    </message>
    <message id="2257">
        <source>v službe</source>
        <translation>in service</translation>
    </message>
    <message id="2258">
        <source>hodiny</source>
        <translation>hours</translation>
    </message>
    <message id="2259">
        <source>biblické štúdiá</source>
        <translation>Bible studies</translation>
    </message>
    <message id="2260">
        <source>kreditné hodiny</source>
        <translation>credit hours</translation>
    </message>
    <message id="2261">
        <source>poznámka</source>
        <translation>remark</translation>
    </message>
    <message id="2262">
        <source>pomocný priekopník</source>
        <translation>auxiliary pioneer</translation>
    </message>
    <message id="2263">
        <source>áno</source>
        <translation>yes</translation>
    </message>
    <message id="2264">
        <source>nie</source>
        <translation>no</translation>
    </message>
    <message id="2265">
        <source>číslo bez slova %1</source>
        <translation>number without a word %1</translation>
    </message>
    <message id="2266">
        <source>Súbor %1 je väčší ako 1 MB. Správa z neho sa nečíta.</source>
        <translation>The file %1 is larger than 1 MB. The message in it is not read.</translation>
    </message>
    <message id="2267">
        <source>Text správy je dlhší ako 64 kB. Nečíta sa.</source>
        <translation>The message's text is longer than 64 KB. It is not read.</translation>
    </message>
    <message id="2268">
        <source>Vložený obsah nie je text ani e-mail. Nič sa nečíta.</source>
        <translation>What was pasted is neither a text nor an e-mail. Nothing is read.</translation>
    </message>
    <message id="2269">
        <source>Súbor %1 nie je text ani e-mail. Nečíta sa.</source>
        <translation>The file %1 is neither a text nor an e-mail. It is not read.</translation>
    </message>
    <message id="2270">
        <source>E-mail zo súboru %1 sa nedá prečítať:

%2</source>
        <translation>The e-mail in the file %1 cannot be read:

%2</translation>
    </message>
    <message id="2271">
        <source>Zo správy nie je jasné, kto ju poslal, a v zozname nie je vybraný žiadny zvestovateľ.</source>
        <translation>The message does not say who sent it, and no publisher is selected in the list.</translation>
    </message>
    <message id="2272">
        <source>Koho je táto správa?</source>
        <translation>Whose message is this?</translation>
    </message>
    <message id="2273">
        <source>Správa sa hodí na viacerých zvestovateľov. Vyberte toho, koho správu zadávate:</source>
        <translation>The message fits more than one publisher. Choose whose report you are entering:</translation>
    </message>
    <message id="2274">
        <source>Vložiť správu zvestovateľa	Ctrl+V</source>
        <translation>Paste a publisher's message	Ctrl+V</translation>
    </message>
    <message id="2275">
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message id="2280">
        <source>hodín, hodiny, hodina, hodinu, hod, h</source>
        <translation>hours, hour, hrs, hr, h</translation>
    </message>
    <message id="2281">
        <source>štúdií, štúdiá, štúdium, štúdia, biblických štúdií, biblické štúdiá, biblické štúdium, BŠ, BS</source>
        <translation>Bible studies, Bible study, studies, study, BS</translation>
    </message>
    <message id="2282">
        <source>kredit, kreditu, kreditné hodiny, kreditných hodín</source>
        <translation>credit, credits, credit hours</translation>
    </message>
    <message id="2283">
        <source>v službe, služba, službe, službu, kazateľská služba, kazateľskej službe</source>
        <translation>in service, shared in ministry, ministry, service, preaching</translation>
    </message>
    <message id="2284">
        <source>áno, hej</source>
        <translation>yes</translation>
    </message>
    <message id="2285">
        <source>nie</source>
        <translation>no</translation>
    </message>
    <message id="2286">
        <source>pomocný priekopník, pomocná priekopníčka, pomocným priekopníkom, pomocnou priekopníčkou</source>
        <translation>auxiliary pioneer, auxiliary pioneering, auxiliary pioneered</translation>
    </message>
    <message id="2287">
        <source>poznámka, poznámky, pozn</source>
        <translation>remarks, remark, comments, comment, note</translation>
    </message>
    <message id="2288">
        <source>januára, januári</source>
        <translation>January</translation>
    </message>
    <message id="2289">
        <source>februára, februári</source>
        <translation>February</translation>
    </message>
    <message id="2290">
        <source>marca, marci</source>
        <translation>March</translation>
    </message>
    <message id="2291">
        <source>apríla, apríli</source>
        <translation>April</translation>
    </message>
    <message id="2292">
        <source>mája, máji</source>
        <translation>May</translation>
    </message>
    <message id="2293">
        <source>júna, júni</source>
        <translation>June</translation>
    </message>
    <message id="2294">
        <source>júla, júli</source>
        <translation>July</translation>
    </message>
    <message id="2295">
        <source>augusta, auguste</source>
        <translation>August</translation>
    </message>
    <message id="2296">
        <source>septembra, septembri</source>
        <translation>September</translation>
    </message>
    <message id="2297">
        <source>októbra, októbri</source>
        <translation>October</translation>
    </message>
    <message id="2298">
        <source>novembra, novembri</source>
        <translation>November</translation>
    </message>
    <message id="2299">
        <source>decembra, decembri</source>
        <translation>December</translation>
    </message>
    <message id="2300">
        <source>Zvestovatelia</source>
        <translation>Publishers</translation>
    </message>
    <message id="2301">
        <source>%1, správa chýba</source>
        <translation>%1, report missing</translation>
    </message>
    <message id="2302">
        <source>Komu pripomenúť</source>
        <translation>Whom to remind</translation>
    </message>
    <message id="2303">
        <source>%1, strana %2 z %3</source>
        <translation>%1, page %2 of %3</translation>
    </message>
    <message id="2304">
        <source>Ďalšia strana</source>
        <translation>Next page</translation>
    </message>
    <message id="2305">
        <source>Predchádzajúca strana</source>
        <translation>Previous page</translation>
    </message>
    <message id="2306">
        <source>pravidelný</source>
        <translation>regular</translation>
    </message>
    <message id="61700">
        <source>Zadajte kladné celé číslo.</source>
        <translation>Please enter a positive integer.</translation>
    </message>
    <message id="61701">
        <source>Zadajte celé číslo od %1 do %2.</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message id="61710">
        <source>Nedostatok pamäte</source>
        <translation>Low Memory</translation>
    </message>
    <message id="61711">
        <source>Nie je nastavená žiadna tlačiareň</source>
        <translation>No Printer</translation>
    </message>
    <message id="61712">
        <source>Tlač zlyhala: tlačiareň sa nedá použiť.</source>
        <translation>Printing failed: the printer cannot be used.</translation>
    </message>
    <message id="61713">
        <source>Telefónna služba nie je k dispozícii</source>
        <translation>Telephone service not available</translation>
    </message>
    <message id="61714">
        <source>Telefónna služba sa nedá spustiť</source>
        <translation>bad procaddress</translation>
    </message>
    <message id="61840">
        <source>Podporu poštového systému sa nepodarilo načítať.</source>
        <translation>Unable to load mail system support.</translation>
    </message>
    <message id="61841">
        <source>Poštový systém je neplatný.</source>
        <translation>Mail system DLL is invalid.</translation>
    </message>
    <message id="61842">
        <source>Poštový systém správu neodoslal.</source>
        <translation>Send Mail failed to send message.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message id="100.title">
        <source>O programe Fyn</source>
        <translation>About Fyn</translation>
    </message>
    <message id="100.#1">
        <source>Fyn verzia 5a</source>
        <translation>Fyn version 5a</translation>
    </message>
    <message id="100.#2">
        <source>© 2026 Fyn</source>
        <translation>© 2026 Fyn</translation>
    </message>
    <message id="100.#3">
        <source>Vyžaduje súbory SkupinaX.t09 z programu Korbo verzie 10a alebo novšej</source>
        <translation>Requires Groupx.t09 files from Korbo Version 10a or later</translation>
    </message>
    <message id="100.#4">
        <source>Slobodný softvér pod licenciou MIT</source>
        <translation>Free software under the MIT licence</translation>
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
        <translation>Field service reports</translation>
    </message>
    <message id="102.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="102.2">
        <source>Zatvoriť program</source>
        <translation>Close program</translation>
    </message>
    <message id="102.3">
        <source>Načítať nový list od tajomníka</source>
        <translation>Load a new list from the secretary</translation>
    </message>
    <message id="102.5">
        <source>Náhľad a tlač listu so správami</source>
        <translation>Preview and print the report list</translation>
    </message>
    <message id="102.4">
        <source>Odoslať aktualizovaný list tajomníkovi</source>
        <translation>Send the updated list to the secretary</translation>
    </message>
    <message id="102.162">
        <source>Obmedziť na neodovzdané správy</source>
        <translation>Only reports not handed in</translation>
    </message>
    <message id="102.#10">
        <source> Zadávanie skončené pri </source>
        <translation> Entry stopped at </translation>
    </message>
    <message id="102.1003">
        <source>Vytočit</source>
        <translation>Dial</translation>
    </message>
    <message id="102.1004">
        <source>&gt; &gt; &gt;</source>
        <translation>&gt; &gt; &gt;</translation>
    </message>
    <message id="102.1005">
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message id="102.1007">
        <source>Ukážka e-mailu</source>
        <translation>Sample e-mail</translation>
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
        <translation>Videos</translation>
    </message>
    <message id="107.149">
        <source>Hod</source>
        <translation>Hrs</translation>
    </message>
    <message id="107.150">
        <source>ON</source>
        <translation>RV</translation>
    </message>
    <message id="107.151">
        <source>BŠ</source>
        <translation>BS</translation>
    </message>
    <message id="107.1126">
        <source>bol v danom službe</source>
        <translation>shared in the ministry</translation>
    </message>
    <message id="107.1">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.2">
        <source>&amp;Zrušiť</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="107.129">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Change &amp;month (late report)</translation>
    </message>
    <message id="107.160">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.3">
        <source>&amp;Poznámky</source>
        <translation>&amp;Remarks</translation>
    </message>
    <message id="107.1050">
        <source>Pomocný priekopník</source>
        <translation>Auxiliary pioneer</translation>
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
        <translation>&amp;Close</translation>
    </message>
    <message id="115.3">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Print</translation>
    </message>
    <message id="115.129">
        <source>&amp;Nastavenie tlačiarne</source>
        <translation>Printer &amp;setup</translation>
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
