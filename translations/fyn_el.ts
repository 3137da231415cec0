<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="sk_SK">
<context>
    <name>StringTable</name>
    <message id="101">
        <source>&amp;O programe Fyn...</source>
        <translation>&amp;Πληροφορίες για το Fyn...</translation>
    </message>
    <message id="102">
        <source>Január</source>
        <translation>Ιανουάριος</translation>
    </message>
    <message id="103">
        <source>Február</source>
        <translation>Φεβρουάριος</translation>
    </message>
    <message id="104">
        <source>Marec</source>
        <translation>Μάρτιος</translation>
    </message>
    <message id="105">
        <source>Apríl</source>
        <translation>Απρίλιος</translation>
    </message>
    <message id="106">
        <source>Máj</source>
        <translation>Μάιος</translation>
    </message>
    <message id="107">
        <source>Jún</source>
        <translation>Ιούνιος</translation>
    </message>
    <message id="108">
        <source>Júl</source>
        <translation>Ιούλιος</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>Αύγουστος</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>Σεπτέμβριος</translation>
    </message>
    <message id="111">
        <source>Október</source>
        <translation>Οκτώβριος</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>Νοέμβριος</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>Δεκέμβριος</translation>
    </message>
    <message id="1000">
        <source>Zvest. - %1</source>
        <translation>Ευαγγ. - %1</translation>
    </message>
    <message id="1001">
        <source>%1 - neodovzdané správy</source>
        <translation>%1 - εκθέσεις που λείπουν</translation>
    </message>
    <message id="1002">
        <source>Výber súboru od tajomníka</source>
        <translation>Επιλογή αρχείου από τον γραμματέα</translation>
    </message>
    <message id="1003">
        <source>List so zoznamom od tajomníka (.t09)</source>
        <translation>Κατάλογος από τον γραμματέα (.t09)</translation>
    </message>
    <message id="1014">
        <source>H</source>
        <translation>Ω</translation>
    </message>
    <message id="1019">
        <source>Poznámky</source>
        <translation>Σχόλια</translation>
    </message>
    <message id="1020">
        <source>PoP</source>
        <translation>ΒΣ</translation>
    </message>
    <message id="1030">
        <source>- VÝSTRAHA -   Už ste zaslali %1 správu za %2.</source>
        <translation>- ΠΡΟΣΟΧΗ -   Έχετε ήδη στείλει την έκθεση του μήνα %1 για: %2.</translation>
    </message>
    <message id="1031">
        <source>Zmeny NEBUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Οι αλλαγές ΔΕΝ ΘΑ ΣΥΜΠΕΡΙΛΗΦΘΟΥΝ στην έκθεση του μήνα %1 προς το γραφείο τμήματος.</translation>
    </message>
    <message id="1032">
        <source>Prípadné zmeny BUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Τυχόν αλλαγές ΘΑ ΣΥΜΠΕΡΙΛΗΦΘΟΥΝ στην έκθεση του μήνα %1 προς το γραφείο τμήματος.</translation>
    </message>
    <message id="1033">
        <source>Mimo priestor pre poznámky</source>
        <translation>Δεν υπάρχει χώρος για σχόλια</translation>
    </message>
    <message id="1038">
        <source>Vaše aktualizované správy boli uložené do súboru %1</source>
        <translation>Οι ενημερωμένες εκθέσεις σας αποθηκεύτηκαν στο αρχείο %1</translation>
    </message>
    <message id="1039">
        <source>

Kliknite na Áno pre odoslanie súboru .t19 na e-mail </source>
        <translation>

Κάντε κλικ στο Ναι για να στείλετε το αρχείο .t19 στο e-mail </translation>
    </message>
    <message id="1040">
        <source>Kliknite na Nie pre neskoršie odoslanie súboru tajomníkovi.</source>
        <translation>Κάντε κλικ στο Όχι για να το στείλετε στον γραμματέα αργότερα.</translation>
    </message>
    <message id="1041">
        <source>,

       alebo

</source>
        <translation>,

       ή

</translation>
    </message>
    <message id="1042">
        <source>Zostavené súbory</source>
        <translation>Συγκεντρωμένα αρχεία</translation>
    </message>
    <message id="1043">
        <source>.t19 súbor pre</source>
        <translation>αρχείο .t19 για</translation>
    </message>
    <message id="1058">
        <source>Skupina</source>
        <translation>Όμιλος</translation>
    </message>
    <message id="1059">
        <source>Tipy pre používanie FYN

Od vášho tajomníka ste prijali súbor SkupinaX.t09 pre zadanie a vytvorenie mesačnej správy. </source>
        <translation>Συμβουλές για το FYN

Από τον γραμματέα σας λάβατε το αρχείο ΌμιλοςX.t09 για να καταχωρίσετε τις εκθέσεις και να συντάξετε τη μηνιαία έκθεση. </translation>
    </message>
    <message id="1060">
        <source>Kliknutím na ikonu FYN spustite program a tlačítkom "Načítať nový list od tajomníka" otvorte súbor.

</source>
        <translation>Ξεκινήστε το πρόγραμμα με το εικονίδιο FYN και ανοίξτε το αρχείο με το κουμπί «Φόρτωση νέου καταλόγου».

</translation>
    </message>
    <message id="1061">
        <source>Uvidíte, že zadávanie správ je jednoduché - iba pomocou klávesnice. Napíšte prvé dve alebo tri písmená priezviska. Alebo použite šípky hore / dolu, vyberte meno a stlačte Enter.

</source>
        <translation>Θα δείτε ότι η καταχώριση είναι απλή - μόνο με το πληκτρολόγιο. Πληκτρολογήστε τα δύο ή τρία πρώτα γράμματα του επωνύμου. Ή επιλέξτε το όνομα με τα βέλη πάνω / κάτω και πατήστε Enter.

</translation>
    </message>
    <message id="1062">
        <source>Klávesou Enter preskočíte na zadanie ďalšieho políčka správy. Stlačte klávesu Enter po zadaní posledného políčka pre návrat do výberového zoznamu.

</source>
        <translation>Με το Enter πηγαίνετε στο επόμενο πεδίο της έκθεσης. Μετά το τελευταίο πεδίο πατήστε Enter για να επιστρέψετε στον κατάλογο.

</translation>
    </message>
    <message id="1063">
        <source>Ak chcete zadať poznámku, použite klávesy Alt-R alebo kliknite na tlačítko Poznámky.  Ukončite klávesou Enter.

Ak chcete zmeniť mesiac pre zadávanie správy, použite Alt+M alebo kliknite na tlačítko Zmeniť mesiac.

</source>
        <translation>Για να γράψετε σχόλιο, πατήστε Alt+Σ ή κάντε κλικ στο κουμπί Σχόλια. Τελειώστε με Enter.

Για να αλλάξετε τον μήνα της έκθεσης, πατήστε Alt+Μ ή κάντε κλικ στο κουμπί Αλλαγή μήνα.

</translation>
    </message>
    <message id="1064">
        <source>Zvestovateľovi, ktorý odovzdá nulovú správu, napíšte do Poznámky nulu. Vylúčite ho tak zo zoznamu tých, ktorí správu eště neodovzdali.

</source>
        <translation>Για έναν ευαγγελιζόμενο που δίνει μηδενική έκθεση, γράψτε μηδέν στα Σχόλια. Έτσι βγαίνει από τον κατάλογο όσων δεν έχουν δώσει ακόμη έκθεση.

</translation>
    </message>
    <message id="1065">
        <source>Akonáhle FYN zatvoríte, program automaticky uloží všetky zmeny.Pokiaľ máte modem, môžete použiť tlačítko Vytočiť. Použite '&gt;&gt;&gt;' pre zobrazenie ďalších telefónnych čísiel.

</source>
        <translation>Όταν κλείσετε το FYN, το πρόγραμμα αποθηκεύει αυτόματα όλες τις αλλαγές. Αν έχετε μόντεμ, μπορείτε να χρησιμοποιήσετε το κουμπί Κλήση. Με το «&gt;&gt;&gt;» βλέπετε τους άλλους αριθμούς τηλεφώνου.

</translation>
    </message>
    <message id="1066">
        <source>Pokiaľ máte správne nakonfigurovaného e-mailového klienta MAPI, môžete e-mailom spracovaný list so správou zaslať tajomníkovi priamo z programu.
V opačnom prípade pripojte vytvorený súbor do e-mailu ručne alebo odovzdajte tajomníkovi na prenosnom médiu.

</source>
        <translation>Αν το πρόγραμμα e-mail σας είναι σωστά ρυθμισμένο, μπορείτε να στείλετε τον συμπληρωμένο κατάλογο στον γραμματέα με e-mail κατευθείαν από το πρόγραμμα.
Διαφορετικά επισυνάψτε μόνοι σας το αρχείο σε ένα e-mail ή δώστε το στον γραμματέα σε φορητό μέσο.

</translation>
    </message>
    <message id="1116">
        <source>Celkom zvestovateľov</source>
        <translation>Σύνολο ευαγγελιζομένων</translation>
    </message>
    <message id="1167">
        <source>Meno</source>
        <translation>Όνομα</translation>
    </message>
    <message id="1168">
        <source>Telefón</source>
        <translation>Τηλέφωνο</translation>
    </message>
    <message id="1188">
        <source>%1 - odovzdané správy</source>
        <translation>%1 - εκθέσεις που δόθηκαν</translation>
    </message>
    <message id="1194">
        <source>Zvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku</source>
        <translation>Οι ειδικοί σκαπανείς ΔΕΝ ΣΥΜΠΕΡΙΛΑΜΒΑΝΟΝΤΑΙ στην έκθεση προς το γραφείο τμήματος</translation>
    </message>
    <message id="1198">
        <source>sk</source>
        <translation>greek</translation>
    </message>
    <message id="1231">
        <source>Ak sa nedá vytvoriť nový súbor: %1.
Zrušte atribút súboru "Len pre čítanie" alebo získajte oprávnenie k vytváraniu súborov v tomto adresári.</source>
        <translation>Δεν είναι δυνατή η δημιουργία νέου αρχείου: %1.
Αφαιρέστε την ιδιότητα «Μόνο για ανάγνωση» του αρχείου ή αποκτήστε δικαίωμα δημιουργίας αρχείων σε αυτόν τον φάκελο.</translation>
    </message>
    <message id="1232">
        <source>Skupina má menej ako 3 zvestovateľov</source>
        <translation>Ο όμιλος έχει λιγότερους από 3 ευαγγελιζομένους</translation>
    </message>
    <message id="1247">
        <source>Kontakty pre výber správ</source>
        <translation>Επαφές για τη συλλογή εκθέσεων</translation>
    </message>
    <message id="1417">
        <source>Hod</source>
        <translation>Ώρες</translation>
    </message>
    <message id="1419">
        <source>BŠ</source>
        <translation>ΓΜ</translation>
    </message>
    <message id="1422">
        <source>Odošlite svoj prehľad za %1. 
Ďakujem..</source>
        <translation>Παρακαλώ στείλτε την έκθεσή σας για τον μήνα %1. 
Ευχαριστώ..</translation>
    </message>
    <message id="1500">
        <source>v službe</source>
        <translation>Διακονία</translation>
    </message>
    <message id="2000">
        <source>Súbor %1 nie je platný list od tajomníka.</source>
        <translation>Το αρχείο %1 δεν είναι έγκυρος κατάλογος από τον γραμματέα.</translation>
    </message>
    <message id="2001">
        <source>Správy sa nepodarilo uložiť do súboru %1.

Kliknite na Áno pre ukončenie programu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Οι εκθέσεις δεν αποθηκεύτηκαν στο αρχείο %1.

Κάντε κλικ στο Ναι για να κλείσετε το πρόγραμμα χωρίς αποθήκευση ή στο Όχι για να επιστρέψετε στο πρόγραμμα.</translation>
    </message>
    <message id="2002">
        <source>E-mailová adresa %1 nie je platná.</source>
        <translation>Η διεύθυνση e-mail %1 δεν είναι έγκυρη.</translation>
    </message>
    <message id="2003">
        <source>Správa je pripravená vo vašom e-mailovom programe. Odošlite ju tam.</source>
        <translation>Το μήνυμα είναι έτοιμο στο πρόγραμμα e-mail σας. Στείλτε το από εκεί.</translation>
    </message>
    <message id="2004">
        <source>Správy zadané od posledného uloženia do súboru %1 sa stratia.

Kliknite na Áno pre výber iného listu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Οι εκθέσεις που καταχωρίσατε μετά την τελευταία αποθήκευση στο αρχείο %1 θα χαθούν.

Κάντε κλικ στο Ναι για να επιλέξετε άλλον κατάλογο χωρίς αποθήκευση ή στο Όχι για να επιστρέψετε στο πρόγραμμα.</translation>
    </message>
    <message id="2005">
        <source>E-mail - %1</source>
        <translation>E-mail - %1</translation>
    </message>
    <message id="2010">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Αλλαγή &amp;μήνα (καθυστερημένη έκθεση)</translation>
    </message>
    <message id="2011">
        <source>či bol v danom mesiaci v službe</source>
        <translation>αν συμμετείχε στη διακονία τον μήνα αυτό</translation>
    </message>
    <message id="2012">
        <source>Pomocný priekopník</source>
        <translation>Βοηθητικός σκαπανέας</translation>
    </message>
    <message id="2013">
        <source>Pravidelný priekopník</source>
        <translation>Τακτικός σκαπανέας</translation>
    </message>
    <message id="2014">
        <source>Zvláštny priekopník</source>
        <translation>Ειδικός σκαπανέας</translation>
    </message>
    <message id="2015">
        <source>Služobný pomocník</source>
        <translation>Διακονικός υπηρέτης</translation>
    </message>
    <message id="2016">
        <source>Starší</source>
        <translation>Πρεσβύτερος</translation>
    </message>
    <message id="2017">
        <source>Pokrstený brat</source>
        <translation>Βαφτισμένος αδελφός</translation>
    </message>
    <message id="2018">
        <source>&amp;Áno</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message id="2019">
        <source>&amp;Nie</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message id="2040">
        <source>Správa je pripravená vo vašom e-mailovom programe. Skontrolujte, či je k nej priložený súbor %1, a až potom ju odošlite.</source>
        <translation>Το μήνυμα είναι έτοιμο στο πρόγραμμα e-mail σας. Ελέγξτε ότι έχει επισυναφθεί το αρχείο %1 και μόνο τότε στείλτε το.</translation>
    </message>
    <message id="2060">
        <source>Zrušiť</source>
        <translation>Ακύρωση</translation>
    </message>
    <message id="2061">
        <source>V systéme chýbajú údaje ICU pre kódovanie %1 (balík libicu72). Fyn bez nich nemôže čítať ani zapisovať listy, preto sa ukončí.</source>
        <translation>Λείπουν από το σύστημα τα δεδομένα ICU για την κωδικοσελίδα %1 (πακέτο libicu72). Χωρίς αυτά το Fyn δεν μπορεί να διαβάσει ούτε να γράψει καταλόγους, γι' αυτό τερματίζεται.</translation>
    </message>
    <message id="2062">
        <source>Záložnú kópiu listu sa nepodarilo vytvoriť v adresári %1: %2.

Správy sa do listu napriek tomu uložia.</source>
        <translation>Δεν ήταν δυνατή η δημιουργία αντιγράφου ασφαλείας του καταλόγου στον φάκελο %1: %2.

Οι εκθέσεις θα αποθηκευτούν παρ' όλα αυτά στον κατάλογο.</translation>
    </message>
    <message id="2063">
        <source>Zoznam sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση της λίστας στο αρχείο %1: %2.</translation>
    </message>
    <message id="2064">
        <source>Nastavenie From v časti [Mail] súboru fyn.ini obsahuje neplatnú adresu odosielateľa: %1

Opravte ju alebo nastavenie From vymažte.</source>
        <translation>Η ρύθμιση From στην ενότητα [Mail] του αρχείου fyn.ini περιέχει μη έγκυρη διεύθυνση αποστολέα: %1

Διορθώστε τη ή διαγράψτε τη ρύθμιση From.</translation>
    </message>
    <message id="2065">
        <source>Nastavenie Language=%1 v súbore %2 neurčuje jazyk, ktorý Fyn pozná (sk, cs, pl, fr, el, tr, et, en). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Η ρύθμιση Language=%1 στο αρχείο %2 δεν ορίζει γλώσσα που γνωρίζει το Fyn (sk, cs, pl, fr, el, tr, et, en). Διορθώστε ή διαγράψτε τη. Το Fyn τερματίζεται χωρίς να διαβάσει κατάλογο.</translation>
    </message>
    <message id="2066">
        <source>Nastavenie CodePage=%1 v súbore %2 neurčuje kódovanie, ktoré Fyn pozná (napríklad windows-1250). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Η ρύθμιση CodePage=%1 στο αρχείο %2 δεν ορίζει κωδικοσελίδα που γνωρίζει το Fyn (για παράδειγμα windows-1253). Διορθώστε ή διαγράψτε τη. Το Fyn τερματίζεται χωρίς να διαβάσει κατάλογο.</translation>
    </message>
    <message id="2067">
        <source>Súčasť programu Fyn sa nedá načítať:

%1

Inštalácia programu je zrejme neúplná; nainštalujte balík fyn znova.</source>
        <translation>Δεν είναι δυνατή η φόρτωση ενός τμήματος του Fyn:

%1

Η εγκατάσταση του προγράμματος είναι μάλλον ελλιπής. Εγκαταστήστε ξανά το πακέτο fyn.</translation>
    </message>
    <message id="2068">
        <source>Súbor %1 patrí k inej verzii programu Fyn. Ak ste Fyn práve aktualizovali, zatvorte ho a spustite znova.</source>
        <translation>Το αρχείο %1 ανήκει σε άλλη έκδοση του Fyn. Αν μόλις ενημερώσατε το Fyn, κλείστε το και ανοίξτε το ξανά.</translation>
    </message>
    <message id="2070">
        <source>Pripomienku ani hovor sa nepodarilo zaznamenať do súboru %1: %2.</source>
        <translation>Δεν ήταν δυνατή η καταγραφή της υπενθύμισης ή της κλήσης στο αρχείο %1: %2.</translation>
    </message>
    <message id="2071">
        <source>súbor práve používa iný program</source>
        <translation>το αρχείο χρησιμοποιείται από άλλο πρόγραμμα</translation>
    </message>
    <message id="2072">
        <source>súbor je len na čítanie</source>
        <translation>το αρχείο είναι μόνο για ανάγνωση</translation>
    </message>
    <message id="2073">
        <source>na disku nie je miesto</source>
        <translation>δεν υπάρχει χώρος στον δίσκο</translation>
    </message>
    <message id="2074">
        <source>súbor sa nedá otvoriť</source>
        <translation>το αρχείο δεν ανοίγει</translation>
    </message>
    <message id="2075">
        <source>súbor pochádza z novšej verzie programu Fyn</source>
        <translation>το αρχείο προέρχεται από νεότερη έκδοση του Fyn</translation>
    </message>
    <message id="2076">
        <source>Súbor %1 bol poškodený. Bol premenovaný na %2 a vytvoril sa nový.</source>
        <translation>Το αρχείο %1 ήταν κατεστραμμένο. Μετονομάστηκε σε %2 και δημιουργήθηκε νέο.</translation>
    </message>
    <message id="2077">
        <source>súbor je poškodený</source>
        <translation>το αρχείο είναι κατεστραμμένο</translation>
    </message>
    <message id="2080">
        <source>Meno</source>
        <translation>Όνομα</translation>
    </message>
    <message id="2081">
        <source>V službe</source>
        <translation>Διακονία</translation>
    </message>
    <message id="2082">
        <source>Hodiny</source>
        <translation>Ώρες</translation>
    </message>
    <message id="2083">
        <source>Biblické štúdiá</source>
        <translation>Γραφικές μελέτες</translation>
    </message>
    <message id="2084">
        <source>Pomocný priekopník</source>
        <translation>Βοηθητικός σκαπανέας</translation>
    </message>
    <message id="2085">
        <source>Poznámka</source>
        <translation>Σχόλιο</translation>
    </message>
    <message id="2086">
        <source>Správa odovzdaná</source>
        <translation>Δόθηκε έκθεση</translation>
    </message>
    <message id="2087">
        <source>Spolu</source>
        <translation>Σύνολο</translation>
    </message>
    <message id="2100">
        <source>Pripomenúť všetkým, ktorí ešte neodovzdali...	Ctrl+E</source>
        <translation>Υπενθύμιση σε όσους δεν έδωσαν ακόμη έκθεση...	Ctrl+E</translation>
    </message>
    <message id="2101">
        <source>Pripomienky za %1</source>
        <translation>Υπενθυμίσεις για τον μήνα %1</translation>
    </message>
    <message id="2102">
        <source>Odovzdané: %1 z %2. V službe: %3, hodiny: %4, biblické štúdiá: %5, pomocní priekopníci: %6</source>
        <translation>Δόθηκαν: %1 από %2. Διακονία: %3, ώρες: %4, Γραφικές μελέτες: %5, βοηθητικοί σκαπανείς: %6</translation>
    </message>
    <message id="2103">
        <source>bez e-mailovej adresy</source>
        <translation>χωρίς διεύθυνση e-mail</translation>
    </message>
    <message id="2104">
        <source>nepoužiteľná adresa %1</source>
        <translation>μη χρησιμοποιήσιμη διεύθυνση %1</translation>
    </message>
    <message id="2105">
        <source>odmietnutá adresa %1</source>
        <translation>απορριφθείσα διεύθυνση %1</translation>
    </message>
    <message id="2106">
        <source>tel. %1</source>
        <translation>τηλ. %1</translation>
    </message>
    <message id="2107">
        <source>pripomenuté e-mailom %1</source>
        <translation>υπενθύμιση με e-mail %1</translation>
    </message>
    <message id="2108">
        <source>odovzdané e-mailovému programu %1</source>
        <translation>δόθηκε στο πρόγραμμα e-mail %1</translation>
    </message>
    <message id="2109">
        <source>volané %1</source>
        <translation>κλήση %1</translation>
    </message>
    <message id="2110">
        <source>e-mail sa nepodarilo odoslať %1</source>
        <translation>το e-mail δεν στάλθηκε %1</translation>
    </message>
    <message id="2111">
        <source>&amp;Odoslať</source>
        <translation>&amp;Αποστολή</translation>
    </message>
    <message id="2112">
        <source>Zavrieť</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message id="2113">
        <source>Odosiela sa pripomienka %1 z %2...</source>
        <translation>Αποστολή υπενθύμισης %1 από %2...</translation>
    </message>
    <message id="2114">
        <source>Odoslané pripomienky: %1 z %2.</source>
        <translation>Στάλθηκαν υπενθυμίσεις: %1 από %2.</translation>
    </message>
    <message id="2115">
        <source>Nepodarilo sa odoslať:</source>
        <translation>Δεν στάλθηκαν:</translation>
    </message>
    <message id="2116">
        <source>Správa je pripravená vo vašom e-mailovom programe. Adresáti v skrytej kópii: %1. Odošlite ju odtiaľ.</source>
        <translation>Το μήνυμα είναι έτοιμο στο πρόγραμμα e-mail σας. Παραλήπτες σε κρυφή κοινοποίηση: %1. Στείλτε το από εκεί.</translation>
    </message>
    <message id="2117">
        <source>Poštový príkaz neskončil do %1 sekúnd a bol zastavený. Správa mohla odísť; skôr ako ju pošlete znova, overte to u adresáta.</source>
        <translation>Η εντολή αλληλογραφίας δεν ολοκληρώθηκε μέσα σε %1 δευτερόλεπτα και διακόπηκε. Το μήνυμα ίσως στάλθηκε· πριν το στείλετε ξανά, ελέγξτε το με τον παραλήπτη.</translation>
    </message>
    <message id="2118">
        <source>Možno odoslané (poštový príkaz bol zastavený), znova sa neponúkajú:</source>
        <translation>Ίσως στάλθηκαν (η εντολή αλληλογραφίας διακόπηκε), δεν προτείνονται ξανά:</translation>
    </message>
    <message id="2119">
        <source>pripomienka možno odišla %1</source>
        <translation>η υπενθύμιση ίσως στάλθηκε %1</translation>
    </message>
    <message id="2120">
        <source>Záznam kontaktov %1 sa nedá prečítať: %2. Pripomienky z iných spustení programu nie sú známe, tie z tohto áno.</source>
        <translation>Το αρχείο επαφών %1 δεν μπορεί να διαβαστεί: %2. Οι υπενθυμίσεις άλλων εκτελέσεων του προγράμματος δεν είναι γνωστές, αυτής της εκτέλεσης είναι.</translation>
    </message>
    <message id="2121">
        <source>%1: %2.

Za posledných 24 hodín už jedna pripomienka odišla. Poslať ďalšiu?</source>
        <translation>%1: %2.

Έχει ήδη σταλεί μία υπενθύμιση τις τελευταίες 24 ώρες. Να σταλεί και άλλη;</translation>
    </message>
    <message id="2122">
        <source>Aktualizovaný list bol odoslaný na adresu %1.</source>
        <translation>Ο ενημερωμένος κατάλογος στάλθηκε στη διεύθυνση %1.</translation>
    </message>
    <message id="2130">
        <source>Správy sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των εκθέσεων στο αρχείο %1: %2.</translation>
    </message>
    <message id="2131">
        <source>Súbor %1 sa nedá otvoriť: %2.</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του αρχείου %1: %2.</translation>
    </message>
    <message id="2132">
        <source>súbor alebo priečinok neexistuje</source>
        <translation>το αρχείο ή ο φάκελος δεν υπάρχει</translation>
    </message>
    <message id="2133">
        <source>chýba oprávnenie</source>
        <translation>δεν υπάρχει δικαίωμα πρόσβασης</translation>
    </message>
    <message id="2134">
        <source>je to priečinok, nie súbor</source>
        <translation>είναι φάκελος, όχι αρχείο</translation>
    </message>
    <message id="2135">
        <source>Text obsahuje znaky, ktoré kódovanie %1 nepozná (kódy %2); zobrazujú sa ako �. Ak text zmeníte, tieto znaky sa neuložia.</source>
        <translation>Το κείμενο περιέχει χαρακτήρες που η κωδικοποίηση %1 δεν γνωρίζει (κωδικοί %2)· εμφανίζονται ως �. Αν αλλάξετε το κείμενο, αυτοί οι χαρακτήρες δεν θα αποθηκευτούν.</translation>
    </message>
    <message id="2150">
        <source>január</source>
        <translation>Ιανουαρίου</translation>
    </message>
    <message id="2151">
        <source>február</source>
        <translation>Φεβρουαρίου</translation>
    </message>
    <message id="2152">
        <source>marec</source>
        <translation>Μαρτίου</translation>
    </message>
    <message id="2153">
        <source>apríl</source>
        <translation>Απριλίου</translation>
    </message>
    <message id="2154">
        <source>máj</source>
        <translation>Μαΐου</translation>
    </message>
    <message id="2155">
        <source>jún</source>
        <translation>Ιουνίου</translation>
    </message>
    <message id="2156">
        <source>júl</source>
        <translation>Ιουλίου</translation>
    </message>
    <message id="2157">
        <source>august</source>
        <translation>Αυγούστου</translation>
    </message>
    <message id="2158">
        <source>september</source>
        <translation>Σεπτεμβρίου</translation>
    </message>
    <message id="2159">
        <source>október</source>
        <translation>Οκτωβρίου</translation>
    </message>
    <message id="2160">
        <source>november</source>
        <translation>Νοεμβρίου</translation>
    </message>
    <message id="2161">
        <source>december</source>
        <translation>Δεκεμβρίου</translation>
    </message>
    <message id="2162">
        <source>Niektoré mená v liste %1 obsahujú znaky, ktoré kódovanie %2 nepozná (ukazujú sa ako �). List je zrejme v inom kódovaní: nastavte ho v súbore fyn.ini v časti [Interface] kľúčom CodePage, napríklad CodePage=windows-1250.</source>
        <translation>Ορισμένα ονόματα στον κατάλογο %1 περιέχουν χαρακτήρες που η κωδικοσελίδα %2 δεν γνωρίζει (εμφανίζονται ως �). Ο κατάλογος είναι μάλλον σε άλλη κωδικοσελίδα: ορίστε την στο αρχείο fyn.ini, στην ενότητα [Interface], με το κλειδί CodePage, για παράδειγμα CodePage=windows-1250.</translation>
    </message>
    <message id="2180">
        <source>Ďalšie telefónne číslo zvestovateľa</source>
        <translation>Επόμενος αριθμός τηλεφώνου του ευαγγελιζομένου</translation>
    </message>
    <message id="2200">
        <source>Rok skupiny na jeden pohľad...	Ctrl+R</source>
        <translation>Η χρονιά του ομίλου με μια ματιά...	Ctrl+R</translation>
    </message>
    <message id="2201">
        <source>Skupina %1 - posledných 12 mesiacov: %2 - %3</source>
        <translation>Όμιλος %1 - τελευταίοι 12 μήνες: %2 - %3</translation>
    </message>
    <message id="2202">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Εκτύπωση</translation>
    </message>
    <message id="2203">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message id="2204">
        <source>Zvestovateľ</source>
        <translation>Ευαγγελιζόμενος</translation>
    </message>
    <message id="2205">
        <source>Stav</source>
        <translation>Κατάσταση</translation>
    </message>
    <message id="2206">
        <source>nepravidelný</source>
        <translation>άτακτος</translation>
    </message>
    <message id="2207">
        <source>neaktívny</source>
        <translation>αδρανής</translation>
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
        <translation>Κ</translation>
    </message>
    <message id="2212">
        <source>PoP</source>
        <translation>ΒΣ</translation>
    </message>
    <message id="2213">
        <source>PP</source>
        <translation>ΤΣ</translation>
    </message>
    <message id="2214">
        <source>ZP</source>
        <translation>ΕΣ</translation>
    </message>
    <message id="2215">
        <source>+ v službe bez hodín   0 nulová správa   - chýba   o oneskorená   PoP pomocný, PP pravidelný, ZP zvláštny priekopník   Stav podľa posledných 6 mesiacov</source>
        <translation>+ στη διακονία χωρίς ώρες   0 μηδενική έκθεση   - λείπει   Κ καθυστερημένη   ΒΣ βοηθητικός, ΤΣ τακτικός, ΕΣ ειδικός σκαπανέας   Κατάσταση από τους τελευταίους 6 μήνες</translation>
    </message>
    <message id="2216">
        <source>chýba</source>
        <translation>λείπει</translation>
    </message>
    <message id="2217">
        <source>nulová správa</source>
        <translation>μηδενική έκθεση</translation>
    </message>
    <message id="2218">
        <source>oneskorená</source>
        <translation>καθυστερημένη</translation>
    </message>
    <message id="2219">
        <source>%1 hod.</source>
        <translation>%1 ώρ.</translation>
    </message>
    <message id="2220">
        <source>Odovzdané</source>
        <translation>Εκθέσεις</translation>
    </message>
    <message id="2221">
        <source>V službe</source>
        <translation>Στη διακονία</translation>
    </message>
    <message id="2222">
        <source>Hodiny</source>
        <translation>Ώρες</translation>
    </message>
    <message id="2223">
        <source>Biblické štúdiá</source>
        <translation>Γραφικές μελέτες</translation>
    </message>
    <message id="2224">
        <source>Pomocní priekopníci</source>
        <translation>Βοηθητικοί σκαπανείς</translation>
    </message>
    <message id="2225">
        <source>Správu za %1 tu už zadať nemožno: list od tajomníka prijíma oneskorené správy len za mesiace roka %2.</source>
        <translation>Η έκθεση του μήνα %1 δεν μπορεί πια να καταχωριστεί εδώ: το φύλλο του γραμματέα δέχεται καθυστερημένες εκθέσεις μόνο για μήνες του %2.</translation>
    </message>
    <message id="2226">
        <source>Klávesy Ctrl+R ukážu rok skupiny: kto za posledných 12 mesiacov odovzdal správu, kto je nepravidelný alebo neaktívny, a súčty skupiny po mesiacoch. Šípkami prejdete na mesiac, Enter otvorí správu zvestovateľa za ten mesiac.</source>
        <translation>Τα πλήκτρα Ctrl+R δείχνουν τη χρονιά του ομίλου: ποιος έδωσε έκθεση τους τελευταίους 12 μήνες, ποιος είναι άτακτος ή αδρανής, και τα σύνολα του ομίλου ανά μήνα. Με τα βέλη πηγαίνετε σε έναν μήνα· το Enter ανοίγει την έκθεση του ευαγγελιζομένου για εκείνον τον μήνα.</translation>
    </message>
    <message id="2227">
        <source>Odovzdané správy po mesiacoch</source>
        <translation>Εκθέσεις που δόθηκαν ανά μήνα</translation>
    </message>
    <message id="2228">
        <source>Správy zvestovateľov po mesiacoch</source>
        <translation>Εκθέσεις ευαγγελιζομένων ανά μήνα</translation>
    </message>
    <message id="2250">
        <source>Zo správy: %1.</source>
        <translation>Από το μήνυμα: %1.</translation>
    </message>
    <message id="2251">
        <source>Nejasné, nevyplnené: %1.</source>
        <translation>Ασαφή, δεν συμπληρώθηκαν: %1.</translation>
    </message>
    <message id="2252">
        <source>Zo správy sa nič neprečítalo.</source>
        <translation>Δεν διαβάστηκε τίποτα από το μήνυμα.</translation>
    </message>
    <message id="2253">
        <source>zvestovateľ podľa adresy odosielateľa</source>
        <translation>ευαγγελιζόμενος από τη διεύθυνση του αποστολέα</translation>
    </message>
    <message id="2254">
        <source>zvestovateľ podľa mena</source>
        <translation>ευαγγελιζόμενος από το όνομα</translation>
    </message>
    <message id="2255">
        <source>Meno zvestovateľa v správe nie je; zadáva sa vybranému zvestovateľovi.</source>
        <translation>Το μήνυμα δεν αναφέρει ευαγγελιζόμενο· καταχωρίζεται για τον επιλεγμένο ευαγγελιζόμενο.</translation>
    </message>
    <message id="2256">
        <source>mesiac</source>
        <translation>μήνας</translation>
    </message>
    <message id="2257">
        <source>v službe</source>
        <translation>διακονία</translation>
    </message>
    <message id="2258">
        <source>hodiny</source>
        <translation>ώρες</translation>
    </message>
    <message id="2259">
        <source>biblické štúdiá</source>
        <translation>Γραφικές μελέτες</translation>
    </message>
    <message id="2260">
        <source>kreditné hodiny</source>
        <translation>ώρες πίστωσης</translation>
    </message>
    <message id="2261">
        <source>poznámka</source>
        <translation>σχόλιο</translation>
    </message>
    <message id="2262">
        <source>pomocný priekopník</source>
        <translation>βοηθητικός σκαπανέας</translation>
    </message>
    <message id="2263">
        <source>áno</source>
        <translation>ναι</translation>
    </message>
    <message id="2264">
        <source>nie</source>
        <translation>όχι</translation>
    </message>
    <message id="2265">
        <source>číslo bez slova %1</source>
        <translation>αριθμός χωρίς λέξη %1</translation>
    </message>
    <message id="2266">
        <source>Súbor %1 je väčší ako 1 MB. Správa z neho sa nečíta.</source>
        <translation>Το αρχείο %1 είναι μεγαλύτερο από 1 MB. Το μήνυμα δεν διαβάζεται.</translation>
    </message>
    <message id="2267">
        <source>Text správy je dlhší ako 64 kB. Nečíta sa.</source>
        <translation>Το κείμενο του μηνύματος είναι μεγαλύτερο από 64 KB. Δεν διαβάζεται.</translation>
    </message>
    <message id="2268">
        <source>Vložený obsah nie je text ani e-mail. Nič sa nečíta.</source>
        <translation>Το περιεχόμενο που επικολλήθηκε δεν είναι κείμενο ούτε e-mail. Δεν διαβάζεται τίποτα.</translation>
    </message>
    <message id="2269">
        <source>Súbor %1 nie je text ani e-mail. Nečíta sa.</source>
        <translation>Το αρχείο %1 δεν είναι κείμενο ούτε e-mail. Δεν διαβάζεται.</translation>
    </message>
    <message id="2270">
        <source>E-mail zo súboru %1 sa nedá prečítať:

%2</source>
        <translation>Το e-mail του αρχείου %1 δεν μπορεί να διαβαστεί:

%2</translation>
    </message>
    <message id="2271">
        <source>Zo správy nie je jasné, kto ju poslal, a v zozname nie je vybraný žiadny zvestovateľ.</source>
        <translation>Από το μήνυμα δεν φαίνεται ποιος το έστειλε, και δεν έχει επιλεγεί ευαγγελιζόμενος στη λίστα.</translation>
    </message>
    <message id="2272">
        <source>Koho je táto správa?</source>
        <translation>Ποιανού είναι αυτό το μήνυμα;</translation>
    </message>
    <message id="2273">
        <source>Správa sa hodí na viacerých zvestovateľov. Vyberte toho, koho správu zadávate:</source>
        <translation>Το μήνυμα ταιριάζει σε περισσότερους ευαγγελιζομένους. Επιλέξτε ποιανού την έκθεση καταχωρίζετε:</translation>
    </message>
    <message id="2274">
        <source>Vložiť správu zvestovateľa	Ctrl+V</source>
        <translation>Επικόλληση μηνύματος ευαγγελιζομένου	Ctrl+V</translation>
    </message>
    <message id="2275">
        <source>„%1“</source>
        <translation>«%1»</translation>
    </message>
    <message id="2280">
        <source>hodín, hodiny, hodina, hodinu, hod, h</source>
        <translation>ώρες, ώρα, ώρες διακονίας, ω</translation>
    </message>
    <message id="2281">
        <source>štúdií, štúdiá, štúdium, štúdia, biblických štúdií, biblické štúdiá, biblické štúdium, BŠ, BS</source>
        <translation>μελέτες, μελέτη, Γραφικές μελέτες, Γραφική μελέτη, ΓΜ</translation>
    </message>
    <message id="2282">
        <source>kredit, kreditu, kreditné hodiny, kreditných hodín</source>
        <translation>πίστωση, ώρες πίστωσης</translation>
    </message>
    <message id="2283">
        <source>v službe, služba, službe, službu, kazateľská služba, kazateľskej službe</source>
        <translation>διακονία, στη διακονία, συμμετείχα στη διακονία</translation>
    </message>
    <message id="2284">
        <source>áno, hej</source>
        <translation>ναι</translation>
    </message>
    <message id="2285">
        <source>nie</source>
        <translation>όχι</translation>
    </message>
    <message id="2286">
        <source>pomocný priekopník, pomocná priekopníčka, pomocným priekopníkom, pomocnou priekopníčkou</source>
        <translation>βοηθητικός σκαπανέας, βοηθητική σκαπάνισσα, βοηθητικό σκαπανέα</translation>
    </message>
    <message id="2287">
        <source>poznámka, poznámky, pozn</source>
        <translation>σχόλιο, σχόλια, παρατηρήσεις</translation>
    </message>
    <message id="2288">
        <source>januára, januári</source>
        <translation>Ιανουάριο</translation>
    </message>
    <message id="2289">
        <source>februára, februári</source>
        <translation>Φεβρουάριο</translation>
    </message>
    <message id="2290">
        <source>marca, marci</source>
        <translation>Μάρτιο</translation>
    </message>
    <message id="2291">
        <source>apríla, apríli</source>
        <translation>Απρίλιο</translation>
    </message>
    <message id="2292">
        <source>mája, máji</source>
        <translation>Μάιο</translation>
    </message>
    <message id="2293">
        <source>júna, júni</source>
        <translation>Ιούνιο</translation>
    </message>
    <message id="2294">
        <source>júla, júli</source>
        <translation>Ιούλιο</translation>
    </message>
    <message id="2295">
        <source>augusta, auguste</source>
        <translation>Αύγουστο</translation>
    </message>
    <message id="2296">
        <source>septembra, septembri</source>
        <translation>Σεπτέμβριο</translation>
    </message>
    <message id="2297">
        <source>októbra, októbri</source>
        <translation>Οκτώβριο</translation>
    </message>
    <message id="2298">
        <source>novembra, novembri</source>
        <translation>Νοέμβριο</translation>
    </message>
    <message id="2299">
        <source>decembra, decembri</source>
        <translation>Δεκέμβριο</translation>
    </message>
    <message id="2300">
        <source>Zvestovatelia</source>
        <translation>Ευαγγελιζόμενοι</translation>
    </message>
    <message id="2301">
        <source>%1, správa chýba</source>
        <translation>%1, λείπει η έκθεση</translation>
    </message>
    <message id="2302">
        <source>Komu pripomenúť</source>
        <translation>Σε ποιους να γίνει υπενθύμιση</translation>
    </message>
    <message id="2303">
        <source>%1, strana %2 z %3</source>
        <translation>%1, σελίδα %2 από %3</translation>
    </message>
    <message id="2304">
        <source>Ďalšia strana</source>
        <translation>Επόμενη σελίδα</translation>
    </message>
    <message id="2305">
        <source>Predchádzajúca strana</source>
        <translation>Προηγούμενη σελίδα</translation>
    </message>
    <message id="2306">
        <source>pravidelný</source>
        <translation>τακτικός</translation>
    </message>
    <message id="61700">
        <source>Zadajte kladné celé číslo.</source>
        <translation>Πληκτρολογήστε θετικό ακέραιο αριθμό.</translation>
    </message>
    <message id="61701">
        <source>Zadajte celé číslo od %1 do %2.</source>
        <translation>Πληκτρολογήστε ακέραιο αριθμό από %1 έως %2.</translation>
    </message>
    <message id="61710">
        <source>Nedostatok pamäte</source>
        <translation>Ανεπαρκής μνήμη</translation>
    </message>
    <message id="61711">
        <source>Nie je nastavená žiadna tlačiareň</source>
        <translation>Δεν υπάρχει εκτυπωτής</translation>
    </message>
    <message id="61712">
        <source>Tlač zlyhala: tlačiareň sa nedá použiť.</source>
        <translation>Η εκτύπωση απέτυχε: ο εκτυπωτής δεν μπορεί να χρησιμοποιηθεί.</translation>
    </message>
    <message id="61713">
        <source>Telefónna služba nie je k dispozícii</source>
        <translation>Η τηλεφωνική υπηρεσία δεν είναι διαθέσιμη</translation>
    </message>
    <message id="61714">
        <source>Telefónna služba sa nedá spustiť</source>
        <translation>Η τηλεφωνική υπηρεσία δεν μπορεί να ξεκινήσει</translation>
    </message>
    <message id="61840">
        <source>Podporu poštového systému sa nepodarilo načítať.</source>
        <translation>Δεν είναι δυνατή η φόρτωση του συστήματος αλληλογραφίας.</translation>
    </message>
    <message id="61841">
        <source>Poštový systém je neplatný.</source>
        <translation>Το σύστημα αλληλογραφίας δεν είναι έγκυρο.</translation>
    </message>
    <message id="61842">
        <source>Poštový systém správu neodoslal.</source>
        <translation>Το σύστημα αλληλογραφίας δεν έστειλε το μήνυμα.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message id="100.title">
        <source>O programe Fyn</source>
        <translation>Πληροφορίες για το Fyn</translation>
    </message>
    <message id="100.#1">
        <source>Fyn verzia 5a</source>
        <translation>Fyn έκδοση 5a</translation>
    </message>
    <message id="100.#2">
        <source>© 2026 Fyn</source>
        <translation>© 2026 Fyn</translation>
    </message>
    <message id="100.#3">
        <source>Vyžaduje súbory SkupinaX.t09 z programu Korbo verzie 10a alebo novšej</source>
        <translation>Απαιτεί αρχεία ΌμιλοςX.t09 από το Korbo έκδοση 10a ή νεότερη</translation>
    </message>
    <message id="100.#4">
        <source>Slobodný softvér pod licenciou MIT</source>
        <translation>Ελεύθερο λογισμικό με άδεια MIT</translation>
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
        <translation>Εκθέσεις υπηρεσίας αγρού</translation>
    </message>
    <message id="102.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="102.2">
        <source>Zatvoriť program</source>
        <translation>Έξοδος</translation>
    </message>
    <message id="102.3">
        <source>Načítať nový list od tajomníka</source>
        <translation>Φόρτωση νέου καταλόγου</translation>
    </message>
    <message id="102.5">
        <source>Náhľad a tlač listu so správami</source>
        <translation>Προεπισκόπηση και εκτύπωση</translation>
    </message>
    <message id="102.4">
        <source>Odoslať aktualizovaný list tajomníkovi</source>
        <translation>Αποστολή καταλόγου στον γραμματέα</translation>
    </message>
    <message id="102.162">
        <source>Obmedziť na neodovzdané správy</source>
        <translation>Μόνο όσες εκθέσεις λείπουν</translation>
    </message>
    <message id="102.#10">
        <source> Zadávanie skončené pri </source>
        <translation> Η καταχώριση σταμάτησε σε </translation>
    </message>
    <message id="102.1003">
        <source>Vytočit</source>
        <translation>Κλήση</translation>
    </message>
    <message id="102.1004">
        <source>&gt; &gt; &gt;</source>
        <translation>&gt; &gt; &gt;</translation>
    </message>
    <message id="102.1005">
        <source>Pomoc</source>
        <translation>Βοήθεια</translation>
    </message>
    <message id="102.1007">
        <source>Ukážka e-mailu</source>
        <translation>Δείγμα e-mail</translation>
    </message>
</context>
<context>
    <name>Dialog107</name>
    <message id="107.147">
        <source>Publ</source>
        <translation>Έντ</translation>
    </message>
    <message id="107.148">
        <source>Videá</source>
        <translation>Βίντεο</translation>
    </message>
    <message id="107.149">
        <source>Hod</source>
        <translation>Ώρες</translation>
    </message>
    <message id="107.150">
        <source>ON</source>
        <translation>ΕΕ</translation>
    </message>
    <message id="107.151">
        <source>BŠ</source>
        <translation>ΓΜ</translation>
    </message>
    <message id="107.1126">
        <source>bol v danom službe</source>
        <translation>συμμετείχε στη διακονία</translation>
    </message>
    <message id="107.1">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.2">
        <source>&amp;Zrušiť</source>
        <translation>&amp;Ακύρωση</translation>
    </message>
    <message id="107.129">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Αλλαγή &amp;μήνα (καθυστερημένη έκθεση)</translation>
    </message>
    <message id="107.160">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.3">
        <source>&amp;Poznámky</source>
        <translation>&amp;Σχόλια</translation>
    </message>
    <message id="107.1050">
        <source>Pomocný priekopník</source>
        <translation>Βοηθητικός σκαπανέας</translation>
    </message>
    <message id="107.1125">
        <source>&lt;1 h</source>
        <translation>&lt;1 ώ</translation>
    </message>
</context>
<context>
    <name>Dialog115</name>
    <message id="115.2">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message id="115.3">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Εκτύπωση</translation>
    </message>
    <message id="115.129">
        <source>&amp;Nastavenie tlačiarne</source>
        <translation>&amp;Ρύθμιση εκτυπωτή</translation>
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
