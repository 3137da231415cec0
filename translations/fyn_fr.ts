<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="sk_SK">
<context>
    <name>StringTable</name>
    <message id="101">
        <source>&amp;O programe Fyn...</source>
        <translation>À &amp;propos de Fyn...</translation>
    </message>
    <message id="102">
        <source>Január</source>
        <translation>Janvier</translation>
    </message>
    <message id="103">
        <source>Február</source>
        <translation>Février</translation>
    </message>
    <message id="104">
        <source>Marec</source>
        <translation>Mars</translation>
    </message>
    <message id="105">
        <source>Apríl</source>
        <translation>Avril</translation>
    </message>
    <message id="106">
        <source>Máj</source>
        <translation>Mai</translation>
    </message>
    <message id="107">
        <source>Jún</source>
        <translation>Juin</translation>
    </message>
    <message id="108">
        <source>Júl</source>
        <translation>Juillet</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message id="111">
        <source>Október</source>
        <translation>Octobre</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message id="1000">
        <source>Zvest. - %1</source>
        <translation>Proclam. - %1</translation>
    </message>
    <message id="1001">
        <source>%1 - neodovzdané správy</source>
        <translation>%1 - rapports non remis</translation>
    </message>
    <message id="1002">
        <source>Výber súboru od tajomníka</source>
        <translation>Choix du fichier du secrétaire</translation>
    </message>
    <message id="1003">
        <source>List so zoznamom od tajomníka (.t09)</source>
        <translation>Liste du secrétaire (.t09)</translation>
    </message>
    <message id="1014">
        <source>H</source>
        <translation>h</translation>
    </message>
    <message id="1019">
        <source>Poznámky</source>
        <translation>Remarques</translation>
    </message>
    <message id="1020">
        <source>PoP</source>
        <translation>PA</translation>
    </message>
    <message id="1030">
        <source>- VÝSTRAHA -   Už ste zaslali %1 správu za %2.</source>
        <translation>- ATTENTION -   Vous avez déjà envoyé le rapport %1 pour %2.</translation>
    </message>
    <message id="1031">
        <source>Zmeny NEBUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Les changements NE SERONT PAS INCLUS dans le rapport %1 pour la filiale.</translation>
    </message>
    <message id="1032">
        <source>Prípadné zmeny BUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Les changements éventuels SERONT INCLUS dans le rapport %1 pour la filiale.</translation>
    </message>
    <message id="1033">
        <source>Mimo priestor pre poznámky</source>
        <translation>Plus de place pour les remarques</translation>
    </message>
    <message id="1038">
        <source>Vaše aktualizované správy boli uložené do súboru %1</source>
        <translation>Vos rapports mis à jour ont été enregistrés dans le fichier %1</translation>
    </message>
    <message id="1039">
        <source>

Kliknite na Áno pre odoslanie súboru .t19 na e-mail </source>
        <translation>

Cliquez sur Oui pour envoyer le fichier .t19 à l'adresse </translation>
    </message>
    <message id="1040">
        <source>Kliknite na Nie pre neskoršie odoslanie súboru tajomníkovi.</source>
        <translation>Cliquez sur Non pour l'envoyer plus tard au secrétaire.</translation>
    </message>
    <message id="1041">
        <source>,

       alebo

</source>
        <translation>,

       ou

</translation>
    </message>
    <message id="1042">
        <source>Zostavené súbory</source>
        <translation>Fichiers compilés</translation>
    </message>
    <message id="1043">
        <source>.t19 súbor pre</source>
        <translation>fichier .t19 pour</translation>
    </message>
    <message id="1058">
        <source>Skupina</source>
        <translation>Groupe</translation>
    </message>
    <message id="1059">
        <source>Tipy pre používanie FYN

Od vášho tajomníka ste prijali súbor SkupinaX.t09 pre zadanie a vytvorenie mesačnej správy. </source>
        <translation>Conseils pour utiliser FYN

Votre secrétaire vous a envoyé un fichier GroupeX.t09 pour saisir les rapports et établir le rapport du mois. </translation>
    </message>
    <message id="1060">
        <source>Kliknutím na ikonu FYN spustite program a tlačítkom "Načítať nový list od tajomníka" otvorte súbor.

</source>
        <translation>Lancez le programme par l'icône FYN et ouvrez le fichier avec le bouton « Charger une liste du secrétaire ».

</translation>
    </message>
    <message id="1061">
        <source>Uvidíte, že zadávanie správ je jednoduché - iba pomocou klávesnice. Napíšte prvé dve alebo tri písmená priezviska. Alebo použite šípky hore / dolu, vyberte meno a stlačte Enter.

</source>
        <translation>Vous verrez que la saisie est simple - au clavier seulement. Tapez les deux ou trois premières lettres du nom de famille. Ou choisissez le nom avec les flèches haut / bas et appuyez sur Entrée.

</translation>
    </message>
    <message id="1062">
        <source>Klávesou Enter preskočíte na zadanie ďalšieho políčka správy. Stlačte klávesu Enter po zadaní posledného políčka pre návrat do výberového zoznamu.

</source>
        <translation>La touche Entrée passe à la case suivante du rapport. Après la dernière case, appuyez sur Entrée pour revenir à la liste.

</translation>
    </message>
    <message id="1063">
        <source>Ak chcete zadať poznámku, použite klávesy Alt-R alebo kliknite na tlačítko Poznámky.  Ukončite klávesou Enter.

Ak chcete zmeniť mesiac pre zadávanie správy, použite Alt+M alebo kliknite na tlačítko Zmeniť mesiac.

</source>
        <translation>Pour saisir une remarque, appuyez sur Alt+R ou cliquez sur le bouton Remarques. Terminez par Entrée.

Pour changer le mois du rapport, appuyez sur Alt+M ou cliquez sur le bouton Changer de mois.

</translation>
    </message>
    <message id="1064">
        <source>Zvestovateľovi, ktorý odovzdá nulovú správu, napíšte do Poznámky nulu. Vylúčite ho tak zo zoznamu tých, ktorí správu eště neodovzdali.

</source>
        <translation>Pour un proclamateur qui remet un rapport à zéro, écrivez un zéro dans les Remarques. Il sortira ainsi de la liste de ceux qui n'ont pas encore remis leur rapport.

</translation>
    </message>
    <message id="1065">
        <source>Akonáhle FYN zatvoríte, program automaticky uloží všetky zmeny.Pokiaľ máte modem, môžete použiť tlačítko Vytočiť. Použite '&gt;&gt;&gt;' pre zobrazenie ďalších telefónnych čísiel.

</source>
        <translation>Quand vous fermez FYN, le programme enregistre automatiquement toutes les modifications. Si vous avez un modem, vous pouvez utiliser le bouton Appeler. Utilisez « &gt;&gt;&gt; » pour voir les autres numéros de téléphone.

</translation>
    </message>
    <message id="1066">
        <source>Pokiaľ máte správne nakonfigurovaného e-mailového klienta MAPI, môžete e-mailom spracovaný list so správou zaslať tajomníkovi priamo z programu.
V opačnom prípade pripojte vytvorený súbor do e-mailu ručne alebo odovzdajte tajomníkovi na prenosnom médiu.

</source>
        <translation>Si votre messagerie est bien configurée, vous pouvez envoyer la liste complétée au secrétaire par e-mail directement depuis le programme.
Sinon, joignez vous-même le fichier créé à un e-mail ou remettez-le au secrétaire sur une clé USB.

</translation>
    </message>
    <message id="1116">
        <source>Celkom zvestovateľov</source>
        <translation>Total des proclamateurs</translation>
    </message>
    <message id="1167">
        <source>Meno</source>
        <translation>Nom</translation>
    </message>
    <message id="1168">
        <source>Telefón</source>
        <translation>Téléphone</translation>
    </message>
    <message id="1188">
        <source>%1 - odovzdané správy</source>
        <translation>%1 - rapports remis</translation>
    </message>
    <message id="1194">
        <source>Zvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku</source>
        <translation>Les pionniers spéciaux NE SONT PAS INCLUS dans le rapport pour la filiale</translation>
    </message>
    <message id="1198">
        <source>sk</source>
        <translation>french</translation>
    </message>
    <message id="1231">
        <source>Ak sa nedá vytvoriť nový súbor: %1.
Zrušte atribút súboru "Len pre čítanie" alebo získajte oprávnenie k vytváraniu súborov v tomto adresári.</source>
        <translation>Impossible de créer le nouveau fichier : %1.
Retirez l'attribut « Lecture seule » du fichier ou obtenez le droit de créer des fichiers dans ce dossier.</translation>
    </message>
    <message id="1232">
        <source>Skupina má menej ako 3 zvestovateľov</source>
        <translation>Le groupe a moins de 3 proclamateurs</translation>
    </message>
    <message id="1247">
        <source>Kontakty pre výber správ</source>
        <translation>Contacts pour recueillir les rapports</translation>
    </message>
    <message id="1417">
        <source>Hod</source>
        <translation>Heures</translation>
    </message>
    <message id="1419">
        <source>BŠ</source>
        <translation>CB</translation>
    </message>
    <message id="1422">
        <source>Odošlite svoj prehľad za %1. 
Ďakujem..</source>
        <translation>Veuillez envoyer votre rapport %1. 
Merci..</translation>
    </message>
    <message id="1500">
        <source>v službe</source>
        <translation>prêché</translation>
    </message>
    <message id="2000">
        <source>Súbor %1 nie je platný list od tajomníka.</source>
        <translation>Le fichier %1 n'est pas une liste valable du secrétaire.</translation>
    </message>
    <message id="2001">
        <source>Správy sa nepodarilo uložiť do súboru %1.

Kliknite na Áno pre ukončenie programu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Les rapports n'ont pas pu être enregistrés dans le fichier %1.

Cliquez sur Oui pour quitter le programme sans enregistrer ou sur Non pour revenir au programme.</translation>
    </message>
    <message id="2002">
        <source>E-mailová adresa %1 nie je platná.</source>
        <translation>L'adresse e-mail %1 n'est pas valable.</translation>
    </message>
    <message id="2003">
        <source>Správa je pripravená vo vašom e-mailovom programe. Odošlite ju tam.</source>
        <translation>Le message est prêt dans votre messagerie. Envoyez-le depuis celle-ci.</translation>
    </message>
    <message id="2004">
        <source>Správy zadané od posledného uloženia do súboru %1 sa stratia.

Kliknite na Áno pre výber iného listu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Les rapports saisis depuis le dernier enregistrement dans le fichier %1 seront perdus.

Cliquez sur Oui pour choisir une autre liste sans enregistrer ou sur Non pour revenir au programme.</translation>
    </message>
    <message id="2005">
        <source>E-mail - %1</source>
        <translation>E-mail - %1</translation>
    </message>
    <message id="2010">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Changer de &amp;mois (rapport en retard)</translation>
    </message>
    <message id="2011">
        <source>či bol v danom mesiaci v službe</source>
        <translation>s'il a prêché au cours du mois</translation>
    </message>
    <message id="2012">
        <source>Pomocný priekopník</source>
        <translation>Pionnier auxiliaire</translation>
    </message>
    <message id="2013">
        <source>Pravidelný priekopník</source>
        <translation>Pionnier permanent</translation>
    </message>
    <message id="2014">
        <source>Zvláštny priekopník</source>
        <translation>Pionnier spécial</translation>
    </message>
    <message id="2015">
        <source>Služobný pomocník</source>
        <translation>Assistant ministériel</translation>
    </message>
    <message id="2016">
        <source>Starší</source>
        <translation>Ancien</translation>
    </message>
    <message id="2017">
        <source>Pokrstený brat</source>
        <translation>Frère baptisé</translation>
    </message>
    <message id="2018">
        <source>&amp;Áno</source>
        <translation>&amp;Oui</translation>
    </message>
    <message id="2019">
        <source>&amp;Nie</source>
        <translation>&amp;Non</translation>
    </message>
    <message id="2040">
        <source>Správa je pripravená vo vašom e-mailovom programe. Skontrolujte, či je k nej priložený súbor %1, a až potom ju odošlite.</source>
        <translation>Le message est prêt dans votre messagerie. Vérifiez que le fichier %1 y est joint avant de l'envoyer.</translation>
    </message>
    <message id="2060">
        <source>Zrušiť</source>
        <translation>Annuler</translation>
    </message>
    <message id="2061">
        <source>V systéme chýbajú údaje ICU pre kódovanie %1 (balík libicu72). Fyn bez nich nemôže čítať ani zapisovať listy, preto sa ukončí.</source>
        <translation>Les données ICU du codage %1 manquent sur le système (paquet libicu72). Sans elles, Fyn ne peut ni lire ni écrire les listes ; il va donc se fermer.</translation>
    </message>
    <message id="2062">
        <source>Záložnú kópiu listu sa nepodarilo vytvoriť v adresári %1: %2.

Správy sa do listu napriek tomu uložia.</source>
        <translation>La copie de sauvegarde de la liste n'a pas pu être créée dans le dossier %1 : %2.

Les rapports seront tout de même enregistrés dans la liste.</translation>
    </message>
    <message id="2063">
        <source>Zoznam sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>La liste n'a pas pu être enregistrée dans le fichier %1 : %2.</translation>
    </message>
    <message id="2064">
        <source>Nastavenie From v časti [Mail] súboru fyn.ini obsahuje neplatnú adresu odosielateľa: %1

Opravte ju alebo nastavenie From vymažte.</source>
        <translation>Le réglage From de la section [Mail] du fichier fyn.ini contient une adresse d'expéditeur non valable : %1

Corrigez-la ou supprimez le réglage From.</translation>
    </message>
    <message id="2065">
        <source>Nastavenie Language=%1 v súbore %2 neurčuje jazyk, ktorý Fyn pozná (sk, cs, pl, fr, el, tr, et, en). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Le réglage Language=%1 du fichier %2 n'indique aucune langue connue de Fyn (sk, cs, pl, fr, el, tr, et, en). Corrigez-le ou supprimez-le. Fyn se ferme sans lire de liste.</translation>
    </message>
    <message id="2066">
        <source>Nastavenie CodePage=%1 v súbore %2 neurčuje kódovanie, ktoré Fyn pozná (napríklad windows-1250). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>Le réglage CodePage=%1 du fichier %2 n'indique aucun codage connu de Fyn (par exemple windows-1252). Corrigez-le ou supprimez-le. Fyn se ferme sans lire de liste.</translation>
    </message>
    <message id="2067">
        <source>Súčasť programu Fyn sa nedá načítať:

%1

Inštalácia programu je zrejme neúplná; nainštalujte balík fyn znova.</source>
        <translation>Un composant de Fyn ne peut pas être chargé :

%1

L'installation du programme est sans doute incomplète ; réinstallez le paquet fyn.</translation>
    </message>
    <message id="2068">
        <source>Súbor %1 patrí k inej verzii programu Fyn. Ak ste Fyn práve aktualizovali, zatvorte ho a spustite znova.</source>
        <translation>Le fichier %1 appartient à une autre version de Fyn. Si vous venez de mettre Fyn à jour, fermez-le et relancez-le.</translation>
    </message>
    <message id="2070">
        <source>Pripomienku ani hovor sa nepodarilo zaznamenať do súboru %1: %2.</source>
        <translation>Le rappel ou l'appel n'a pas pu être noté dans le fichier %1 : %2.</translation>
    </message>
    <message id="2071">
        <source>súbor práve používa iný program</source>
        <translation>le fichier est utilisé par un autre programme</translation>
    </message>
    <message id="2072">
        <source>súbor je len na čítanie</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message id="2073">
        <source>na disku nie je miesto</source>
        <translation>le disque est plein</translation>
    </message>
    <message id="2074">
        <source>súbor sa nedá otvoriť</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message id="2075">
        <source>súbor pochádza z novšej verzie programu Fyn</source>
        <translation>le fichier provient d'une version plus récente de Fyn</translation>
    </message>
    <message id="2076">
        <source>Súbor %1 bol poškodený. Bol premenovaný na %2 a vytvoril sa nový.</source>
        <translation>Le fichier %1 était endommagé. Il a été renommé en %2 et un nouveau fichier a été créé.</translation>
    </message>
    <message id="2077">
        <source>súbor je poškodený</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message id="2080">
        <source>Meno</source>
        <translation>Nom</translation>
    </message>
    <message id="2081">
        <source>V službe</source>
        <translation>A prêché</translation>
    </message>
    <message id="2082">
        <source>Hodiny</source>
        <translation>Heures</translation>
    </message>
    <message id="2083">
        <source>Biblické štúdiá</source>
        <translation>Cours bibliques</translation>
    </message>
    <message id="2084">
        <source>Pomocný priekopník</source>
        <translation>Pionnier auxiliaire</translation>
    </message>
    <message id="2085">
        <source>Poznámka</source>
        <translation>Remarque</translation>
    </message>
    <message id="2086">
        <source>Správa odovzdaná</source>
        <translation>Rapport remis</translation>
    </message>
    <message id="2087">
        <source>Spolu</source>
        <translation>Total</translation>
    </message>
    <message id="2100">
        <source>Pripomenúť všetkým, ktorí ešte neodovzdali...	Ctrl+E</source>
        <translation>Relancer tous ceux qui n'ont pas encore remis leur rapport...	Ctrl+E</translation>
    </message>
    <message id="2101">
        <source>Pripomienky za %1</source>
        <translation>Rappels du mois %1</translation>
    </message>
    <message id="2102">
        <source>Odovzdané: %1 z %2. V službe: %3, hodiny: %4, biblické štúdiá: %5, pomocní priekopníci: %6</source>
        <translation>Remis : %1 sur %2. Ont prêché : %3, heures : %4, cours bibliques : %5, pionniers auxiliaires : %6</translation>
    </message>
    <message id="2103">
        <source>bez e-mailovej adresy</source>
        <translation>pas d'adresse e-mail</translation>
    </message>
    <message id="2104">
        <source>nepoužiteľná adresa %1</source>
        <translation>adresse inutilisable %1</translation>
    </message>
    <message id="2105">
        <source>odmietnutá adresa %1</source>
        <translation>adresse refusée %1</translation>
    </message>
    <message id="2106">
        <source>tel. %1</source>
        <translation>tél. %1</translation>
    </message>
    <message id="2107">
        <source>pripomenuté e-mailom %1</source>
        <translation>rappelé par e-mail le %1</translation>
    </message>
    <message id="2108">
        <source>odovzdané e-mailovému programu %1</source>
        <translation>confié à la messagerie le %1</translation>
    </message>
    <message id="2109">
        <source>volané %1</source>
        <translation>appelé le %1</translation>
    </message>
    <message id="2110">
        <source>e-mail sa nepodarilo odoslať %1</source>
        <translation>échec de l'envoi de l'e-mail le %1</translation>
    </message>
    <message id="2111">
        <source>&amp;Odoslať</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message id="2112">
        <source>Zavrieť</source>
        <translation>Fermer</translation>
    </message>
    <message id="2113">
        <source>Odosiela sa pripomienka %1 z %2...</source>
        <translation>Envoi du rappel %1 sur %2...</translation>
    </message>
    <message id="2114">
        <source>Odoslané pripomienky: %1 z %2.</source>
        <translation>Rappels envoyés : %1 sur %2.</translation>
    </message>
    <message id="2115">
        <source>Nepodarilo sa odoslať:</source>
        <translation>Échec de l'envoi :</translation>
    </message>
    <message id="2116">
        <source>Správa je pripravená vo vašom e-mailovom programe. Adresáti v skrytej kópii: %1. Odošlite ju odtiaľ.</source>
        <translation>Le message est prêt dans votre messagerie. Destinataires en copie cachée : %1. Envoyez-le depuis celle-ci.</translation>
    </message>
    <message id="2117">
        <source>Poštový príkaz neskončil do %1 sekúnd a bol zastavený. Správa mohla odísť; skôr ako ju pošlete znova, overte to u adresáta.</source>
        <translation>La commande de courrier ne s'est pas terminée en %1 secondes et a été arrêtée. Le message est peut-être parti ; vérifiez auprès du destinataire avant de le renvoyer.</translation>
    </message>
    <message id="2118">
        <source>Možno odoslané (poštový príkaz bol zastavený), znova sa neponúkajú:</source>
        <translation>Peut-être envoyés (la commande de courrier a été arrêtée), ils ne sont plus proposés :</translation>
    </message>
    <message id="2119">
        <source>pripomienka možno odišla %1</source>
        <translation>rappel peut-être parti le %1</translation>
    </message>
    <message id="2120">
        <source>Záznam kontaktov %1 sa nedá prečítať: %2. Pripomienky z iných spustení programu nie sú známe, tie z tohto áno.</source>
        <translation>Le journal des contacts %1 ne peut pas être lu : %2. Les rappels des autres lancements du programme sont inconnus, ceux de celui-ci sont connus.</translation>
    </message>
    <message id="2121">
        <source>%1: %2.

Za posledných 24 hodín už jedna pripomienka odišla. Poslať ďalšiu?</source>
        <translation>%1 : %2.

Un rappel est déjà parti dans les dernières 24 heures. En envoyer un autre ?</translation>
    </message>
    <message id="2122">
        <source>Aktualizovaný list bol odoslaný na adresu %1.</source>
        <translation>La liste mise à jour a été envoyée à l'adresse %1.</translation>
    </message>
    <message id="2130">
        <source>Správy sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Les rapports n'ont pas pu être enregistrés dans le fichier %1 : %2.</translation>
    </message>
    <message id="2131">
        <source>Súbor %1 sa nedá otvoriť: %2.</source>
        <translation>Le fichier %1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message id="2132">
        <source>súbor alebo priečinok neexistuje</source>
        <translation>le fichier ou le dossier n'existe pas</translation>
    </message>
    <message id="2133">
        <source>chýba oprávnenie</source>
        <translation>accès refusé</translation>
    </message>
    <message id="2134">
        <source>je to priečinok, nie súbor</source>
        <translation>c'est un dossier, pas un fichier</translation>
    </message>
    <message id="2135">
        <source>Text obsahuje znaky, ktoré kódovanie %1 nepozná (kódy %2); zobrazujú sa ako �. Ak text zmeníte, tieto znaky sa neuložia.</source>
        <translation>Le texte contient des caractères que l'encodage %1 ne connaît pas (codes %2) ; ils s'affichent comme �. Si vous modifiez le texte, ces caractères ne seront pas enregistrés.</translation>
    </message>
    <message id="2150">
        <source>január</source>
        <translation>janvier</translation>
    </message>
    <message id="2151">
        <source>február</source>
        <translation>février</translation>
    </message>
    <message id="2152">
        <source>marec</source>
        <translation>mars</translation>
    </message>
    <message id="2153">
        <source>apríl</source>
        <translation>avril</translation>
    </message>
    <message id="2154">
        <source>máj</source>
        <translation>mai</translation>
    </message>
    <message id="2155">
        <source>jún</source>
        <translation>juin</translation>
    </message>
    <message id="2156">
        <source>júl</source>
        <translation>juillet</translation>
    </message>
    <message id="2157">
        <source>august</source>
        <translation>août</translation>
    </message>
    <message id="2158">
        <source>september</source>
        <translation>septembre</translation>
    </message>
    <message id="2159">
        <source>október</source>
        <translation>octobre</translation>
    </message>
    <message id="2160">
        <source>november</source>
        <translation>novembre</translation>
    </message>
    <message id="2161">
        <source>december</source>
        <translation>décembre</translation>
    </message>
    <message id="2162">
        <source>Niektoré mená v liste %1 obsahujú znaky, ktoré kódovanie %2 nepozná (ukazujú sa ako �). List je zrejme v inom kódovaní: nastavte ho v súbore fyn.ini v časti [Interface] kľúčom CodePage, napríklad CodePage=windows-1250.</source>
        <translation>Certains noms de la liste %1 contiennent des caractères que le codage %2 ne connaît pas (ils s'affichent comme �). La liste est sans doute dans un autre codage : indiquez-le dans le fichier fyn.ini, section [Interface], clé CodePage, par exemple CodePage=windows-1250.</translation>
    </message>
    <message id="2180">
        <source>Ďalšie telefónne číslo zvestovateľa</source>
        <translation>Numéro de téléphone suivant du proclamateur</translation>
    </message>
    <message id="2200">
        <source>Rok skupiny na jeden pohľad...	Ctrl+R</source>
        <translation>L'année du groupe d'un coup d'œil...	Ctrl+R</translation>
    </message>
    <message id="2201">
        <source>Skupina %1 - posledných 12 mesiacov: %2 - %3</source>
        <translation>Groupe %1 - 12 derniers mois : %2 - %3</translation>
    </message>
    <message id="2202">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message id="2203">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message id="2204">
        <source>Zvestovateľ</source>
        <translation>Proclamateur</translation>
    </message>
    <message id="2205">
        <source>Stav</source>
        <translation>Statut</translation>
    </message>
    <message id="2206">
        <source>nepravidelný</source>
        <translation>irrégulier</translation>
    </message>
    <message id="2207">
        <source>neaktívny</source>
        <translation>inactif</translation>
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
        <translation>R</translation>
    </message>
    <message id="2212">
        <source>PoP</source>
        <translation>PA</translation>
    </message>
    <message id="2213">
        <source>PP</source>
        <translation>PP</translation>
    </message>
    <message id="2214">
        <source>ZP</source>
        <translation>PS</translation>
    </message>
    <message id="2215">
        <source>+ v službe bez hodín   0 nulová správa   - chýba   o oneskorená   PoP pomocný, PP pravidelný, ZP zvláštny priekopník   Stav podľa posledných 6 mesiacov</source>
        <translation>+ en service sans heures   0 rapport à zéro   - manquant   R en retard   PA auxiliaire, PP permanent, PS pionnier spécial   Statut sur les 6 derniers mois</translation>
    </message>
    <message id="2216">
        <source>chýba</source>
        <translation>manquant</translation>
    </message>
    <message id="2217">
        <source>nulová správa</source>
        <translation>rapport à zéro</translation>
    </message>
    <message id="2218">
        <source>oneskorená</source>
        <translation>en retard</translation>
    </message>
    <message id="2219">
        <source>%1 hod.</source>
        <translation>%1 h</translation>
    </message>
    <message id="2220">
        <source>Odovzdané</source>
        <translation>Rapports reçus</translation>
    </message>
    <message id="2221">
        <source>V službe</source>
        <translation>En service</translation>
    </message>
    <message id="2222">
        <source>Hodiny</source>
        <translation>Heures</translation>
    </message>
    <message id="2223">
        <source>Biblické štúdiá</source>
        <translation>Cours bibliques</translation>
    </message>
    <message id="2224">
        <source>Pomocní priekopníci</source>
        <translation>Pionniers auxiliaires</translation>
    </message>
    <message id="2225">
        <source>Správu za %1 tu už zadať nemožno: list od tajomníka prijíma oneskorené správy len za mesiace roka %2.</source>
        <translation>Le rapport %1 ne peut plus être saisi ici : la feuille du secrétaire n'accepte les rapports en retard que pour les mois de %2.</translation>
    </message>
    <message id="2226">
        <source>Klávesy Ctrl+R ukážu rok skupiny: kto za posledných 12 mesiacov odovzdal správu, kto je nepravidelný alebo neaktívny, a súčty skupiny po mesiacoch. Šípkami prejdete na mesiac, Enter otvorí správu zvestovateľa za ten mesiac.</source>
        <translation>Ctrl+R affiche l'année du groupe : qui a remis son rapport ces 12 derniers mois, qui est irrégulier ou inactif, et les totaux du groupe par mois. Les flèches mènent à un mois ; Entrée ouvre le rapport du proclamateur pour ce mois.</translation>
    </message>
    <message id="2227">
        <source>Odovzdané správy po mesiacoch</source>
        <translation>Rapports reçus par mois</translation>
    </message>
    <message id="2228">
        <source>Správy zvestovateľov po mesiacoch</source>
        <translation>Rapports des proclamateurs par mois</translation>
    </message>
    <message id="2250">
        <source>Zo správy: %1.</source>
        <translation>Du message : %1.</translation>
    </message>
    <message id="2251">
        <source>Nejasné, nevyplnené: %1.</source>
        <translation>Pas clair, non rempli : %1.</translation>
    </message>
    <message id="2252">
        <source>Zo správy sa nič neprečítalo.</source>
        <translation>Rien n'a été lu dans le message.</translation>
    </message>
    <message id="2253">
        <source>zvestovateľ podľa adresy odosielateľa</source>
        <translation>proclamateur d'après l'adresse de l'expéditeur</translation>
    </message>
    <message id="2254">
        <source>zvestovateľ podľa mena</source>
        <translation>proclamateur d'après le nom</translation>
    </message>
    <message id="2255">
        <source>Meno zvestovateľa v správe nie je; zadáva sa vybranému zvestovateľovi.</source>
        <translation>Le message ne nomme aucun proclamateur ; il est saisi pour le proclamateur sélectionné.</translation>
    </message>
    <message id="2256">
        <source>mesiac</source>
        <translation>mois</translation>
    </message>
    <message id="2257">
        <source>v službe</source>
        <translation>a prêché</translation>
    </message>
    <message id="2258">
        <source>hodiny</source>
        <translation>heures</translation>
    </message>
    <message id="2259">
        <source>biblické štúdiá</source>
        <translation>cours bibliques</translation>
    </message>
    <message id="2260">
        <source>kreditné hodiny</source>
        <translation>heures de crédit</translation>
    </message>
    <message id="2261">
        <source>poznámka</source>
        <translation>remarque</translation>
    </message>
    <message id="2262">
        <source>pomocný priekopník</source>
        <translation>pionnier auxiliaire</translation>
    </message>
    <message id="2263">
        <source>áno</source>
        <translation>oui</translation>
    </message>
    <message id="2264">
        <source>nie</source>
        <translation>non</translation>
    </message>
    <message id="2265">
        <source>číslo bez slova %1</source>
        <translation>nombre sans mot %1</translation>
    </message>
    <message id="2266">
        <source>Súbor %1 je väčší ako 1 MB. Správa z neho sa nečíta.</source>
        <translation>Le fichier %1 dépasse 1 Mo. Le message qu'il contient n'est pas lu.</translation>
    </message>
    <message id="2267">
        <source>Text správy je dlhší ako 64 kB. Nečíta sa.</source>
        <translation>Le texte du message dépasse 64 Ko. Il n'est pas lu.</translation>
    </message>
    <message id="2268">
        <source>Vložený obsah nie je text ani e-mail. Nič sa nečíta.</source>
        <translation>Le contenu collé n'est ni un texte ni un e-mail. Rien n'est lu.</translation>
    </message>
    <message id="2269">
        <source>Súbor %1 nie je text ani e-mail. Nečíta sa.</source>
        <translation>Le fichier %1 n'est ni un texte ni un e-mail. Il n'est pas lu.</translation>
    </message>
    <message id="2270">
        <source>E-mail zo súboru %1 sa nedá prečítať:

%2</source>
        <translation>L'e-mail du fichier %1 ne peut pas être lu :

%2</translation>
    </message>
    <message id="2271">
        <source>Zo správy nie je jasné, kto ju poslal, a v zozname nie je vybraný žiadny zvestovateľ.</source>
        <translation>Le message ne dit pas qui l'a envoyé, et aucun proclamateur n'est sélectionné dans la liste.</translation>
    </message>
    <message id="2272">
        <source>Koho je táto správa?</source>
        <translation>De qui est ce message ?</translation>
    </message>
    <message id="2273">
        <source>Správa sa hodí na viacerých zvestovateľov. Vyberte toho, koho správu zadávate:</source>
        <translation>Le message correspond à plusieurs proclamateurs. Choisissez celui dont vous saisissez le rapport :</translation>
    </message>
    <message id="2274">
        <source>Vložiť správu zvestovateľa	Ctrl+V</source>
        <translation>Coller le message d'un proclamateur	Ctrl+V</translation>
    </message>
    <message id="2275">
        <source>„%1“</source>
        <translation>« %1 »</translation>
    </message>
    <message id="2280">
        <source>hodín, hodiny, hodina, hodinu, hod, h</source>
        <translation>heures, heure, h</translation>
    </message>
    <message id="2281">
        <source>štúdií, štúdiá, štúdium, štúdia, biblických štúdií, biblické štúdiá, biblické štúdium, BŠ, BS</source>
        <translation>cours bibliques, cours biblique, cours, études bibliques, CB</translation>
    </message>
    <message id="2282">
        <source>kredit, kreditu, kreditné hodiny, kreditných hodín</source>
        <translation>crédit, crédits, heures de crédit</translation>
    </message>
    <message id="2283">
        <source>v službe, služba, službe, službu, kazateľská služba, kazateľskej službe</source>
        <translation>a prêché, prédication, service, ministère, prêché</translation>
    </message>
    <message id="2284">
        <source>áno, hej</source>
        <translation>oui</translation>
    </message>
    <message id="2285">
        <source>nie</source>
        <translation>non</translation>
    </message>
    <message id="2286">
        <source>pomocný priekopník, pomocná priekopníčka, pomocným priekopníkom, pomocnou priekopníčkou</source>
        <translation>pionnier auxiliaire, pionnière auxiliaire</translation>
    </message>
    <message id="2287">
        <source>poznámka, poznámky, pozn</source>
        <translation>remarque, remarques, commentaire, note</translation>
    </message>
    <message id="2288">
        <source>januára, januári</source>
        <translation>janvier</translation>
    </message>
    <message id="2289">
        <source>februára, februári</source>
        <translation>février</translation>
    </message>
    <message id="2290">
        <source>marca, marci</source>
        <translation>mars</translation>
    </message>
    <message id="2291">
        <source>apríla, apríli</source>
        <translation>avril</translation>
    </message>
    <message id="2292">
        <source>mája, máji</source>
        <translation>mai</translation>
    </message>
    <message id="2293">
        <source>júna, júni</source>
        <translation>juin</translation>
    </message>
    <message id="2294">
        <source>júla, júli</source>
        <translation>juillet</translation>
    </message>
    <message id="2295">
        <source>augusta, auguste</source>
        <translation>août</translation>
    </message>
    <message id="2296">
        <source>septembra, septembri</source>
        <translation>septembre</translation>
    </message>
    <message id="2297">
        <source>októbra, októbri</source>
        <translation>octobre</translation>
    </message>
    <message id="2298">
        <source>novembra, novembri</source>
        <translation>novembre</translation>
    </message>
    <message id="2299">
        <source>decembra, decembri</source>
        <translation>décembre</translation>
    </message>
    <message id="2300">
        <source>Zvestovatelia</source>
        <translation>Proclamateurs</translation>
    </message>
    <message id="2301">
        <source>%1, správa chýba</source>
        <translation>%1, rapport manquant</translation>
    </message>
    <message id="2302">
        <source>Komu pripomenúť</source>
        <translation>À qui rappeler</translation>
    </message>
    <message id="2303">
        <source>%1, strana %2 z %3</source>
        <translation>%1, page %2 sur %3</translation>
    </message>
    <message id="2304">
        <source>Ďalšia strana</source>
        <translation>Page suivante</translation>
    </message>
    <message id="2305">
        <source>Predchádzajúca strana</source>
        <translation>Page précédente</translation>
    </message>
    <message id="2306">
        <source>pravidelný</source>
        <translation>régulier</translation>
    </message>
    <message id="61700">
        <source>Zadajte kladné celé číslo.</source>
        <translation>Entrez un nombre entier positif.</translation>
    </message>
    <message id="61701">
        <source>Zadajte celé číslo od %1 do %2.</source>
        <translation>Entrez un nombre entier entre %1 et %2.</translation>
    </message>
    <message id="61710">
        <source>Nedostatok pamäte</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message id="61711">
        <source>Nie je nastavená žiadna tlačiareň</source>
        <translation>Aucune imprimante</translation>
    </message>
    <message id="61712">
        <source>Tlač zlyhala: tlačiareň sa nedá použiť.</source>
        <translation>L'impression a échoué : l'imprimante ne peut pas être utilisée.</translation>
    </message>
    <message id="61713">
        <source>Telefónna služba nie je k dispozícii</source>
        <translation>Service téléphonique non disponible</translation>
    </message>
    <message id="61714">
        <source>Telefónna služba sa nedá spustiť</source>
        <translation>Le service téléphonique ne peut pas démarrer</translation>
    </message>
    <message id="61840">
        <source>Podporu poštového systému sa nepodarilo načítať.</source>
        <translation>Impossible de charger la messagerie.</translation>
    </message>
    <message id="61841">
        <source>Poštový systém je neplatný.</source>
        <translation>La messagerie n'est pas valable.</translation>
    </message>
    <message id="61842">
        <source>Poštový systém správu neodoslal.</source>
        <translation>La messagerie n'a pas pu envoyer le message.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message id="100.title">
        <source>O programe Fyn</source>
        <translation>À propos de Fyn</translation>
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
        <translation>Nécessite des fichiers GroupeX.t09 de Korbo version 10a ou plus récente</translation>
    </message>
    <message id="100.#4">
        <source>Slobodný softvér pod licenciou MIT</source>
        <translation>Logiciel libre sous licence MIT</translation>
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
        <translation>Rapports de prédication</translation>
    </message>
    <message id="102.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="102.2">
        <source>Zatvoriť program</source>
        <translation>Quitter</translation>
    </message>
    <message id="102.3">
        <source>Načítať nový list od tajomníka</source>
        <translation>Charger une liste du secrétaire</translation>
    </message>
    <message id="102.5">
        <source>Náhľad a tlač listu so správami</source>
        <translation>Aperçu et impression de la liste</translation>
    </message>
    <message id="102.4">
        <source>Odoslať aktualizovaný list tajomníkovi</source>
        <translation>Envoyer la liste au secrétaire</translation>
    </message>
    <message id="102.162">
        <source>Obmedziť na neodovzdané správy</source>
        <translation>Seulement les rapports non remis</translation>
    </message>
    <message id="102.#10">
        <source> Zadávanie skončené pri </source>
        <translation> Saisie arrêtée à </translation>
    </message>
    <message id="102.1003">
        <source>Vytočit</source>
        <translation>Appeler</translation>
    </message>
    <message id="102.1004">
        <source>&gt; &gt; &gt;</source>
        <translation>&gt; &gt; &gt;</translation>
    </message>
    <message id="102.1005">
        <source>Pomoc</source>
        <translation>Aide</translation>
    </message>
    <message id="102.1007">
        <source>Ukážka e-mailu</source>
        <translation>Aperçu de l'e-mail</translation>
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
        <translation>Vidéos</translation>
    </message>
    <message id="107.149">
        <source>Hod</source>
        <translation>Heures</translation>
    </message>
    <message id="107.150">
        <source>ON</source>
        <translation>NV</translation>
    </message>
    <message id="107.151">
        <source>BŠ</source>
        <translation>CB</translation>
    </message>
    <message id="107.1126">
        <source>bol v danom službe</source>
        <translation>a prêché ce mois-là</translation>
    </message>
    <message id="107.1">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.2">
        <source>&amp;Zrušiť</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message id="107.129">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>Changer de &amp;mois (rapport en retard)</translation>
    </message>
    <message id="107.160">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="107.3">
        <source>&amp;Poznámky</source>
        <translation>&amp;Remarques</translation>
    </message>
    <message id="107.1050">
        <source>Pomocný priekopník</source>
        <translation>Pionnier auxiliaire</translation>
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
        <translation>&amp;Fermer</translation>
    </message>
    <message id="115.3">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message id="115.129">
        <source>&amp;Nastavenie tlačiarne</source>
        <translation>Im&amp;primante...</translation>
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
