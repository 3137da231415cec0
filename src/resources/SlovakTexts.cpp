#include "SlovakTexts.h"

namespace fyn {

std::map<int, QString> slovakTexts() {
    return {
        {101, QStringLiteral("&O programe Fyn...")},
        {102, QStringLiteral("Január")},
        {103, QStringLiteral("Február")},
        {104, QStringLiteral("Marec")},
        {105, QStringLiteral("Apríl")},
        {106, QStringLiteral("Máj")},
        {107, QStringLiteral("Jún")},
        {108, QStringLiteral("Júl")},
        {109, QStringLiteral("August")},
        {110, QStringLiteral("September")},
        {111, QStringLiteral("Október")},
        {112, QStringLiteral("November")},
        {113, QStringLiteral("December")},
        {1000, QStringLiteral("Zvest. - %1")},
        {1001, QStringLiteral("%1 - neodovzdané správy")},
        {1002, QStringLiteral("Výber súboru od tajomníka")},
        {1003, QStringLiteral("List so zoznamom od tajomníka (.t09)")},
        {1014, QStringLiteral("H")},
        {1019, QStringLiteral("Poznámky")},
        {1020, QStringLiteral("PoP")},
        {1030,
         QStringLiteral(
             "- VÝSTRAHA -   Už ste zaslali %1 správu za %2.")}, // three blanks after the dash
        {1031, QStringLiteral("Zmeny NEBUDÚ ZAHRNUTÉ do %1 správy pre odbočku.")},
        {1032, QStringLiteral("Prípadné zmeny BUDÚ ZAHRNUTÉ do %1 správy pre odbočku.")},
        {1033, QStringLiteral("Mimo priestor pre poznámky")},
        {1038, QStringLiteral("Vaše aktualizované správy boli uložené do súboru %1")},
        {1039,
         QStringLiteral("\n\n"
                        "Kliknite na Áno pre odoslanie súboru .t19 na e-mail ")}, // ends in a blank
        {1040, QStringLiteral("Kliknite na Nie pre neskoršie odoslanie súboru tajomníkovi.")},
        {1041, QStringLiteral(",\n\n"
                              "       alebo\n\n")}, // seven blanks before "alebo"
        {1042, QStringLiteral("Zostavené súbory")},
        {1043, QStringLiteral(".t19 súbor pre")},
        {1058, QStringLiteral("Skupina")},
        {1059, QStringLiteral("Tipy pre používanie FYN\n\n"
                              "Od vášho tajomníka ste prijali súbor SkupinaX.t09 pre zadanie "
                              "a vytvorenie mesačnej správy. ")}, // ends in a blank
        {1060, QStringLiteral("Kliknutím na ikonu FYN spustite program a tlačítkom \"Načítať "
                              "nový list od tajomníka\" otvorte súbor.\n\n")},
        {1061, QStringLiteral("Uvidíte, že zadávanie správ je jednoduché - iba pomocou "
                              "klávesnice. Napíšte prvé dve alebo tri písmená priezviska. "
                              "Alebo použite šípky hore / dolu, vyberte meno a stlačte "
                              "Enter.\n\n")},
        {1062, QStringLiteral("Klávesou Enter preskočíte na zadanie ďalšieho políčka správy. "
                              "Stlačte klávesu Enter po zadaní posledného políčka pre návrat "
                              "do výberového zoznamu.\n\n")},
        {1063,
         QStringLiteral(
             "Ak chcete zadať poznámku, použite klávesy Alt-R alebo "
             "kliknite na tlačítko Poznámky.  Ukončite klávesou Enter.\n\n"
             "Ak chcete zmeniť mesiac pre zadávanie správy, použite Alt+M "
             "alebo kliknite na tlačítko Zmeniť mesiac.\n\n")}, // two blanks before "Ukončite"
        {1064, QStringLiteral("Zvestovateľovi, ktorý odovzdá nulovú správu, napíšte do "
                              "Poznámky nulu. Vylúčite ho tak zo zoznamu tých, ktorí správu "
                              "eště neodovzdali.\n\n")}, // "eště" as the table has it
        {1065, QStringLiteral("Akonáhle FYN zatvoríte, program automaticky uloží všetky "
                              "zmeny.Pokiaľ máte modem, môžete použiť tlačítko Vytočiť. "
                              "Použite '>>>' pre zobrazenie ďalších telefónnych "
                              "čísiel.\n\n")}, // no blank after "zmeny."
        {1066, QStringLiteral("Pokiaľ máte správne nakonfigurovaného e-mailového klienta "
                              "MAPI, môžete e-mailom spracovaný list so správou zaslať "
                              "tajomníkovi priamo z programu.\n"
                              "V opačnom prípade pripojte vytvorený súbor do e-mailu ručne "
                              "alebo odovzdajte tajomníkovi na prenosnom médiu.\n\n")},
        {1116, QStringLiteral("Celkom zvestovateľov")},
        {1167, QStringLiteral("Meno")},
        {1168, QStringLiteral("Telefón")},
        {1188, QStringLiteral("%1 - odovzdané správy")},
        {1194, QStringLiteral("Zvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku")},
        {1198, QStringLiteral("sk")},
        {1231, QStringLiteral("Ak sa nedá vytvoriť nový súbor: %1.\n"
                              "Zrušte atribút súboru \"Len pre čítanie\" alebo získajte "
                              "oprávnenie k vytváraniu súborov v tomto adresári.")},
        {1232, QStringLiteral("Skupina má menej ako 3 zvestovateľov")},
        {1247, QStringLiteral("Kontakty pre výber správ")},
        {1417, QStringLiteral("Hod")},
        {1419, QStringLiteral("BŠ")},
        {1422,
         QStringLiteral("Odošlite svoj prehľad za %1. \n"
                        "Ďakujem..")}, // a blank before the line break, two full stops at the end
        {1500, QStringLiteral("v službe")},
        // Invalid sheet, failed write at close, mail address and compose window.
        {2000, QStringLiteral("Súbor %1 nie je platný list od tajomníka.")},
        {2001, QStringLiteral("Správy sa nepodarilo uložiť do súboru %1.\n\n"
                              "Kliknite na Áno pre ukončenie programu bez uloženia alebo na "
                              "Nie pre návrat do programu.")},
        {2002, QStringLiteral("E-mailová adresa %1 nie je platná.")},
        {2003, QStringLiteral("Správa je pripravená vo vašom e-mailovom programe. Odošlite "
                              "ju tam.")},
        // Another sheet after a failed save; the reminder button's caption.
        {2004, QStringLiteral("Správy zadané od posledného uloženia do súboru %1 sa "
                              "stratia.\n\n"
                              "Kliknite na Áno pre výber iného listu bez uloženia alebo na "
                              "Nie pre návrat do programu.")},
        {2005, QStringLiteral("E-mail - %1")},
        // The report dialog's own captions.
        {2010, QStringLiteral("Zmeniť &mesiac (oneskorenej správy)")},
        {2011, QStringLiteral("či bol v danom mesiaci v službe")},
        {2012, QStringLiteral("Pomocný priekopník")},
        {2013, QStringLiteral("Pravidelný priekopník")},
        {2014, QStringLiteral("Zvláštny priekopník")},
        {2015, QStringLiteral("Služobný pomocník")},
        {2016, QStringLiteral("Starší")},
        {2017, QStringLiteral("Pokrstený brat")},
        // Buttons whose texts Qt's Slovak translation misses.
        {2018, QStringLiteral("&Áno")},
        {2019, QStringLiteral("&Nie")},
        // The .t19 handed to the desktop's mail client, which may leave the file out.
        {2040, QStringLiteral("Správa je pripravená vo vašom e-mailovom programe. Skontrolujte, "
                              "či je k nej priložený súbor %1, a až potom ju odošlite.")},
        {2060, QStringLiteral("Zrušiť")},
        {2061, QStringLiteral("V systéme chýbajú údaje ICU pre kódovanie %1 (balík "
                              "libicu72). Fyn bez nich nemôže čítať ani zapisovať listy, preto "
                              "sa ukončí.")},
        // A backup that could not be made before the first write; a print to a file that
        // failed.
        {2062, QStringLiteral("Záložnú kópiu listu sa nepodarilo vytvoriť v adresári %1: %2.\n\n"
                              "Správy sa do listu napriek tomu uložia.")},
        {2063, QStringLiteral("Zoznam sa nepodarilo uložiť do súboru %1: %2.")},
        // The contact log of reminders and calls.
        {2070, QStringLiteral("Pripomienku ani hovor sa nepodarilo zaznamenať do súboru %1: %2.")},
        {2071, QStringLiteral("súbor práve používa iný program")},
        {2072, QStringLiteral("súbor je len na čítanie")},
        {2073, QStringLiteral("na disku nie je miesto")},
        {2074, QStringLiteral("súbor sa nedá otvoriť")},
        {2075, QStringLiteral("súbor pochádza z novšej verzie programu Fyn")},
        {2076, QStringLiteral("Súbor %1 bol poškodený. Bol premenovaný na %2 a vytvoril sa "
                              "nový.")},
        {2077, QStringLiteral("súbor je poškodený")},
        // The month's table for spreadsheets.
        {2080, QStringLiteral("Meno")},
        {2081, QStringLiteral("V službe")},
        {2082, QStringLiteral("Hodiny")},
        {2083, QStringLiteral("Biblické štúdiá")},
        {2084, QStringLiteral("Pomocný priekopník")},
        {2085, QStringLiteral("Poznámka")},
        {2086, QStringLiteral("Správa odovzdaná")},
        {2087, QStringLiteral("Spolu")},
        // A sender address in the settings that the mail check refuses.
        {2064, QStringLiteral("Nastavenie From v časti [Mail] súboru fyn.ini obsahuje neplatnú "
                              "adresu odosielateľa: %1\n\n"
                              "Opravte ju alebo nastavenie From vymažte.")},
        // A private module of the program that cannot be loaded.
        {2067, QStringLiteral("Súčasť programu Fyn sa nedá načítať:\n\n%1\n\nInštalácia "
                              "programu je zrejme neúplná; nainštalujte balík fyn znova.")},
        {2068, QStringLiteral("Súbor %1 patrí k inej verzii programu Fyn. Ak ste Fyn práve "
                              "aktualizovali, zatvorte ho a spustite znova.")},
        // Settings of the interface language that name none Fyn knows.
        {2065, QStringLiteral("Nastavenie Language=%1 v súbore %2 neurčuje jazyk, ktorý Fyn "
                              "pozná (sk, cs, pl, fr, el, tr, et, en). Opravte ho alebo ho "
                              "zmažte. Fyn sa ukončí bez čítania listu.")},
        {2066, QStringLiteral("Nastavenie CodePage=%1 v súbore %2 neurčuje kódovanie, ktoré Fyn "
                              "pozná (napríklad windows-1250). Opravte ho alebo ho zmažte. Fyn "
                              "sa ukončí bez čítania listu.")},
        // Reminding everyone still missing.
        {2100, QStringLiteral("Pripomenúť všetkým, ktorí ešte neodovzdali...\tCtrl+E")},
        {2101, QStringLiteral("Pripomienky za %1")},
        {2102, QStringLiteral("Odovzdané: %1 z %2. V službe: %3, hodiny: %4, biblické štúdiá: "
                              "%5, pomocní priekopníci: %6")},
        {2103, QStringLiteral("bez e-mailovej adresy")},
        {2104, QStringLiteral("nepoužiteľná adresa %1")},
        {2105, QStringLiteral("odmietnutá adresa %1")},
        {2106, QStringLiteral("tel. %1")},
        {2107, QStringLiteral("pripomenuté e-mailom %1")},
        {2108, QStringLiteral("odovzdané e-mailovému programu %1")},
        {2109, QStringLiteral("volané %1")},
        {2110, QStringLiteral("e-mail sa nepodarilo odoslať %1")},
        {2111, QStringLiteral("&Odoslať")},
        {2112, QStringLiteral("Zavrieť")},
        {2113, QStringLiteral("Odosiela sa pripomienka %1 z %2...")},
        {2114, QStringLiteral("Odoslané pripomienky: %1 z %2.")},
        {2115, QStringLiteral("Nepodarilo sa odoslať:")},
        // The count stands apart, which no plural form of "adresát" has to follow.
        {2116, QStringLiteral("Správa je pripravená vo vašom e-mailovom programe. Adresáti v "
                              "skrytej kópii: %1. Odošlite ju odtiaľ.")},
        {2117, QStringLiteral("Poštový príkaz neskončil do %1 sekúnd a bol zastavený. Správa "
                              "mohla odísť; skôr ako ju pošlete znova, overte to u adresáta.")},
        {2118, QStringLiteral("Možno odoslané (poštový príkaz bol zastavený), znova sa "
                              "neponúkajú:")},
        {2119, QStringLiteral("pripomienka možno odišla %1")},
        {2120, QStringLiteral("Záznam kontaktov %1 sa nedá prečítať: %2. Pripomienky z iných "
                              "spustení programu nie sú známe, tie z tohto áno.")},
        {2121, QStringLiteral("%1: %2.\n\nZa posledných 24 hodín už jedna pripomienka odišla. "
                              "Poslať ďalšiu?")},
        {2122, QStringLiteral("Aktualizovaný list bol odoslaný na adresu %1.")},
        {2180, QStringLiteral("Ďalšie telefónne číslo zvestovateľa")},
        // Names a screen reader reads for controls without a caption.
        {2300, QStringLiteral("Zvestovatelia")},
        {2301, QStringLiteral("%1, správa chýba")},
        {2302, QStringLiteral("Komu pripomenúť")},
        {2303, QStringLiteral("%1, strana %2 z %3")},
        {2304, QStringLiteral("Ďalšia strana")},
        {2305, QStringLiteral("Predchádzajúca strana")},
        {2306, QStringLiteral("pravidelný")},
        // A sheet that could not be written or read, and why.
        {2130, QStringLiteral("Správy sa nepodarilo uložiť do súboru %1: %2.")},
        {2131, QStringLiteral("Súbor %1 sa nedá otvoriť: %2.")},
        {2132, QStringLiteral("súbor alebo priečinok neexistuje")},
        {2133, QStringLiteral("chýba oprávnenie")},
        {2134, QStringLiteral("je to priečinok, nie súbor")},
        // A text read from the sheet with bytes that its code page leaves undefined.
        {2135, QStringLiteral("Text obsahuje znaky, ktoré kódovanie %1 nepozná (kódy %2); "
                              "zobrazujú sa ako �. Ak text zmeníte, tieto znaky sa "
                              "neuložia.")},
        // The months as a sentence takes them, after "za".
        {2150, QStringLiteral("január")},
        {2151, QStringLiteral("február")},
        {2152, QStringLiteral("marec")},
        {2153, QStringLiteral("apríl")},
        {2154, QStringLiteral("máj")},
        {2155, QStringLiteral("jún")},
        {2156, QStringLiteral("júl")},
        {2157, QStringLiteral("august")},
        {2158, QStringLiteral("september")},
        {2159, QStringLiteral("október")},
        {2160, QStringLiteral("november")},
        {2161, QStringLiteral("december")},
        // Names of a sheet that the code page cannot show.
        {2162, QStringLiteral("Niektoré mená v liste %1 obsahujú znaky, ktoré kódovanie %2 "
                              "nepozná (ukazujú sa ako \uFFFD). List je zrejme v inom kódovaní: "
                              "nastavte ho v súbore fyn.ini v časti [Interface] kľúčom CodePage, "
                              "napríklad CodePage=windows-1250.")},
        // The group's year.
        {2200, QStringLiteral("Rok skupiny na jeden pohľad...\tCtrl+R")},
        {2201, QStringLiteral("Skupina %1 - posledných 12 mesiacov: %2 - %3")},
        {2202, QStringLiteral("&Tlačiť")},
        {2203, QStringLiteral("&Zatvoriť")},
        {2204, QStringLiteral("Zvestovateľ")},
        {2205, QStringLiteral("Stav")},
        {2206, QStringLiteral("nepravidelný")},
        {2207, QStringLiteral("neaktívny")},
        {2208, QStringLiteral("+")},
        {2209, QStringLiteral("0")},
        {2210, QStringLiteral("-")},
        {2211, QStringLiteral("o")},
        {2212, QStringLiteral("PoP")},
        {2213, QStringLiteral("PP")},
        {2214, QStringLiteral("ZP")},
        {2215, QStringLiteral("+ v službe bez hodín   0 nulová správa   - chýba   o oneskorená   "
                              "PoP pomocný, PP pravidelný, ZP zvláštny priekopník   Stav podľa "
                              "posledných 6 mesiacov")},
        {2216, QStringLiteral("chýba")},
        {2217, QStringLiteral("nulová správa")},
        {2218, QStringLiteral("oneskorená")},
        {2219, QStringLiteral("%1 hod.")},
        {2220, QStringLiteral("Odovzdané")},
        {2221, QStringLiteral("V službe")},
        {2222, QStringLiteral("Hodiny")},
        {2223, QStringLiteral("Biblické štúdiá")},
        {2224, QStringLiteral("Pomocní priekopníci")},
        {2225, QStringLiteral("Správu za %1 tu už zadať nemožno: list od tajomníka prijíma "
                              "oneskorené správy len za mesiace roka %2.")},
        {2226, QStringLiteral("Klávesy Ctrl+R ukážu rok skupiny: kto za posledných 12 "
                              "mesiacov odovzdal správu, kto je nepravidelný alebo neaktívny, a "
                              "súčty skupiny po mesiacoch. Šípkami prejdete na mesiac, Enter "
                              "otvorí správu zvestovateľa za ten mesiac.")},
        {2227, QStringLiteral("Odovzdané správy po mesiacoch")},
        {2228, QStringLiteral("Správy zvestovateľov po mesiacoch")},
        // A publisher's message read into the report dialog.
        {2250, QStringLiteral("Zo správy: %1.")},
        {2251, QStringLiteral("Nejasné, nevyplnené: %1.")},
        {2252, QStringLiteral("Zo správy sa nič neprečítalo.")},
        {2253, QStringLiteral("zvestovateľ podľa adresy odosielateľa")},
        {2254, QStringLiteral("zvestovateľ podľa mena")},
        {2255, QStringLiteral("Meno zvestovateľa v správe nie je; zadáva sa vybranému "
                              "zvestovateľovi.")},
        {2256, QStringLiteral("mesiac")},
        {2257, QStringLiteral("v službe")},
        {2258, QStringLiteral("hodiny")},
        {2259, QStringLiteral("biblické štúdiá")},
        {2260, QStringLiteral("kreditné hodiny")},
        {2261, QStringLiteral("poznámka")},
        {2262, QStringLiteral("pomocný priekopník")},
        {2263, QStringLiteral("áno")},
        {2264, QStringLiteral("nie")},
        {2265, QStringLiteral("číslo bez slova %1")},
        {2266, QStringLiteral("Súbor %1 je väčší ako 1 MB. Správa z neho sa nečíta.")},
        {2267, QStringLiteral("Text správy je dlhší ako 64 kB. Nečíta sa.")},
        {2268, QStringLiteral("Vložený obsah nie je text ani e-mail. Nič sa nečíta.")},
        {2269, QStringLiteral("Súbor %1 nie je text ani e-mail. Nečíta sa.")},
        {2270, QStringLiteral("E-mail zo súboru %1 sa nedá prečítať:\n\n%2")},
        {2271, QStringLiteral("Zo správy nie je jasné, kto ju poslal, a v zozname nie je vybraný "
                              "žiadny zvestovateľ.")},
        {2272, QStringLiteral("Koho je táto správa?")},
        {2273, QStringLiteral("Správa sa hodí na viacerých zvestovateľov. Vyberte toho, koho "
                              "správu zadávate:")},
        {2274, QStringLiteral("Vložiť správu zvestovateľa\tCtrl+V")},
        {2275, QStringLiteral("„%1“")},
        // The words by which messages give the figures, comma-separated: hours, Bible studies,
        // credit hours, in service, yes, no, auxiliary pioneer, the label of a remark.
        {2280, QStringLiteral("hodín, hodiny, hodina, hodinu, hod, h")},
        {2281, QStringLiteral("štúdií, štúdiá, štúdium, štúdia, biblických štúdií, biblické "
                              "štúdiá, biblické štúdium, BŠ, BS")},
        {2282, QStringLiteral("kredit, kreditu, kreditné hodiny, kreditných hodín")},
        {2283, QStringLiteral("v službe, služba, službe, službu, kazateľská služba, kazateľskej "
                              "službe")},
        {2284, QStringLiteral("áno, hej")},
        {2285, QStringLiteral("nie")},
        {2286, QStringLiteral("pomocný priekopník, pomocná priekopníčka, pomocným priekopníkom, "
                              "pomocnou priekopníčkou")},
        {2287, QStringLiteral("poznámka, poznámky, pozn")},
        // Further forms of the month names in messages ("v novembri", "za novembra").
        {2288, QStringLiteral("januára, januári")},
        {2289, QStringLiteral("februára, februári")},
        {2290, QStringLiteral("marca, marci")},
        {2291, QStringLiteral("apríla, apríli")},
        {2292, QStringLiteral("mája, máji")},
        {2293, QStringLiteral("júna, júni")},
        {2294, QStringLiteral("júla, júli")},
        {2295, QStringLiteral("augusta, auguste")},
        {2296, QStringLiteral("septembra, septembri")},
        {2297, QStringLiteral("októbra, októbri")},
        {2298, QStringLiteral("novembra, novembri")},
        {2299, QStringLiteral("decembra, decembri")},
        // Texts that the Windows design kept in English outside the table, under their ids.
        {61700, QStringLiteral("Zadajte kladné celé číslo.")},
        {61701, QStringLiteral("Zadajte celé číslo od %1 do %2.")},
        {61710, QStringLiteral("Nedostatok pamäte")},
        {61711, QStringLiteral("Nie je nastavená žiadna tlačiareň")},
        {61712, QStringLiteral("Tlač zlyhala: tlačiareň sa nedá použiť.")},
        {61713, QStringLiteral("Telefónna služba nie je k dispozícii")},
        {61714, QStringLiteral("Telefónna služba sa nedá spustiť")},
        {61840, QStringLiteral("Podporu poštového systému sa nepodarilo načítať.")},
        {61841, QStringLiteral("Poštový systém je neplatný.")},
        {61842, QStringLiteral("Poštový systém správu neodoslal.")},
    };
}

} // namespace fyn
