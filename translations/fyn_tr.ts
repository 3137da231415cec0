<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="sk_SK">
<context>
    <name>StringTable</name>
    <message id="101">
        <source>&amp;O programe Fyn...</source>
        <translation>Fyn &amp;hakkında...</translation>
    </message>
    <message id="102">
        <source>Január</source>
        <translation>Ocak</translation>
    </message>
    <message id="103">
        <source>Február</source>
        <translation>Şubat</translation>
    </message>
    <message id="104">
        <source>Marec</source>
        <translation>Mart</translation>
    </message>
    <message id="105">
        <source>Apríl</source>
        <translation>Nisan</translation>
    </message>
    <message id="106">
        <source>Máj</source>
        <translation>Mayıs</translation>
    </message>
    <message id="107">
        <source>Jún</source>
        <translation>Haziran</translation>
    </message>
    <message id="108">
        <source>Júl</source>
        <translation>Temmuz</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>Ağustos</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>Eylül</translation>
    </message>
    <message id="111">
        <source>Október</source>
        <translation>Ekim</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>Kasım</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>Aralık</translation>
    </message>
    <message id="1000">
        <source>Zvest. - %1</source>
        <translation>Müjd. - %1</translation>
    </message>
    <message id="1001">
        <source>%1 - neodovzdané správy</source>
        <translation>%1 - verilmeyen raporlar</translation>
    </message>
    <message id="1002">
        <source>Výber súboru od tajomníka</source>
        <translation>Sekreterden gelen dosyayı seçin</translation>
    </message>
    <message id="1003">
        <source>List so zoznamom od tajomníka (.t09)</source>
        <translation>Sekreterden gelen liste (.t09)</translation>
    </message>
    <message id="1014">
        <source>H</source>
        <translation>S</translation>
    </message>
    <message id="1019">
        <source>Poznámky</source>
        <translation>Notlar</translation>
    </message>
    <message id="1020">
        <source>PoP</source>
        <translation>YÖ</translation>
    </message>
    <message id="1030">
        <source>- VÝSTRAHA -   Už ste zaslali %1 správu za %2.</source>
        <translation>- UYARI -   %1 raporunu %2 için zaten gönderdiniz.</translation>
    </message>
    <message id="1031">
        <source>Zmeny NEBUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Değişiklikler büroya gidecek %1 raporuna DAHİL EDİLMEYECEK.</translation>
    </message>
    <message id="1032">
        <source>Prípadné zmeny BUDÚ ZAHRNUTÉ do %1 správy pre odbočku.</source>
        <translation>Olası değişiklikler büroya gidecek %1 raporuna DAHİL EDİLECEK.</translation>
    </message>
    <message id="1033">
        <source>Mimo priestor pre poznámky</source>
        <translation>Notlar için yer kalmadı</translation>
    </message>
    <message id="1038">
        <source>Vaše aktualizované správy boli uložené do súboru %1</source>
        <translation>Güncellenen raporlarınız %1 dosyasına kaydedildi</translation>
    </message>
    <message id="1039">
        <source>

Kliknite na Áno pre odoslanie súboru .t19 na e-mail </source>
        <translation>

.t19 dosyasını e-postayla göndermek için Evet'e tıklayın: </translation>
    </message>
    <message id="1040">
        <source>Kliknite na Nie pre neskoršie odoslanie súboru tajomníkovi.</source>
        <translation>Dosyayı sekretere daha sonra göndermek için Hayır'a tıklayın.</translation>
    </message>
    <message id="1041">
        <source>,

       alebo

</source>
        <translation>,

       ya da

</translation>
    </message>
    <message id="1042">
        <source>Zostavené súbory</source>
        <translation>Derlenen dosyalar</translation>
    </message>
    <message id="1043">
        <source>.t19 súbor pre</source>
        <translation>.t19 dosyası:</translation>
    </message>
    <message id="1058">
        <source>Skupina</source>
        <translation>Grup</translation>
    </message>
    <message id="1059">
        <source>Tipy pre používanie FYN

Od vášho tajomníka ste prijali súbor SkupinaX.t09 pre zadanie a vytvorenie mesačnej správy. </source>
        <translation>FYN kullanım ipuçları

Sekreterinizden aylık raporları girmeniz ve hazırlamanız için GrupX.t09 dosyasını aldınız. </translation>
    </message>
    <message id="1060">
        <source>Kliknutím na ikonu FYN spustite program a tlačítkom "Načítať nový list od tajomníka" otvorte súbor.

</source>
        <translation>Programı FYN simgesine tıklayarak başlatın ve "Sekreterden yeni liste yükle" düğmesiyle dosyayı açın.

</translation>
    </message>
    <message id="1061">
        <source>Uvidíte, že zadávanie správ je jednoduché - iba pomocou klávesnice. Napíšte prvé dve alebo tri písmená priezviska. Alebo použite šípky hore / dolu, vyberte meno a stlačte Enter.

</source>
        <translation>Rapor girmenin kolay olduğunu göreceksiniz - yalnızca klavyeyle. Soyadının ilk iki ya da üç harfini yazın. Ya da yukarı / aşağı oklarla adı seçip Enter'a basın.

</translation>
    </message>
    <message id="1062">
        <source>Klávesou Enter preskočíte na zadanie ďalšieho políčka správy. Stlačte klávesu Enter po zadaní posledného políčka pre návrat do výberového zoznamu.

</source>
        <translation>Enter tuşu raporun bir sonraki alanına geçer. Son alandan sonra listeye dönmek için Enter'a basın.

</translation>
    </message>
    <message id="1063">
        <source>Ak chcete zadať poznámku, použite klávesy Alt-R alebo kliknite na tlačítko Poznámky.  Ukončite klávesou Enter.

Ak chcete zmeniť mesiac pre zadávanie správy, použite Alt+M alebo kliknite na tlačítko Zmeniť mesiac.

</source>
        <translation>Not girmek için Alt+N tuşlarına basın ya da Notlar düğmesine tıklayın. Enter ile bitirin.

Raporun ayını değiştirmek için Alt+A tuşlarına basın ya da Ayı değiştir düğmesine tıklayın.

</translation>
    </message>
    <message id="1064">
        <source>Zvestovateľovi, ktorý odovzdá nulovú správu, napíšte do Poznámky nulu. Vylúčite ho tak zo zoznamu tých, ktorí správu eště neodovzdali.

</source>
        <translation>Sıfır rapor veren müjdecinin Notlar alanına sıfır yazın. Böylece raporunu henüz vermeyenler listesinden çıkar.

</translation>
    </message>
    <message id="1065">
        <source>Akonáhle FYN zatvoríte, program automaticky uloží všetky zmeny.Pokiaľ máte modem, môžete použiť tlačítko Vytočiť. Použite '&gt;&gt;&gt;' pre zobrazenie ďalších telefónnych čísiel.

</source>
        <translation>FYN'i kapattığınızda program tüm değişiklikleri kendiliğinden kaydeder. Modeminiz varsa Ara düğmesini kullanabilirsiniz. Diğer telefon numaralarını görmek için '&gt;&gt;&gt;' düğmesini kullanın.

</translation>
    </message>
    <message id="1066">
        <source>Pokiaľ máte správne nakonfigurovaného e-mailového klienta MAPI, môžete e-mailom spracovaný list so správou zaslať tajomníkovi priamo z programu.
V opačnom prípade pripojte vytvorený súbor do e-mailu ručne alebo odovzdajte tajomníkovi na prenosnom médiu.

</source>
        <translation>E-posta programınız doğru ayarlıysa doldurulan listeyi sekretere doğrudan programdan e-postayla gönderebilirsiniz.
Aksi halde oluşturulan dosyayı e-postaya kendiniz ekleyin ya da sekretere taşınabilir bir bellekle verin.

</translation>
    </message>
    <message id="1116">
        <source>Celkom zvestovateľov</source>
        <translation>Toplam müjdeci</translation>
    </message>
    <message id="1167">
        <source>Meno</source>
        <translation>Ad Soyad</translation>
    </message>
    <message id="1168">
        <source>Telefón</source>
        <translation>Telefon</translation>
    </message>
    <message id="1188">
        <source>%1 - odovzdané správy</source>
        <translation>%1 - verilen raporlar</translation>
    </message>
    <message id="1194">
        <source>Zvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku</source>
        <translation>Özel öncüler büroya gidecek rapora DAHİL DEĞİLDİR</translation>
    </message>
    <message id="1198">
        <source>sk</source>
        <translation>Turkish</translation>
    </message>
    <message id="1231">
        <source>Ak sa nedá vytvoriť nový súbor: %1.
Zrušte atribút súboru "Len pre čítanie" alebo získajte oprávnenie k vytváraniu súborov v tomto adresári.</source>
        <translation>Yeni dosya oluşturulamıyor: %1.
Dosyanın "Salt okunur" özniteliğini kaldırın ya da bu klasörde dosya oluşturma izni alın.</translation>
    </message>
    <message id="1232">
        <source>Skupina má menej ako 3 zvestovateľov</source>
        <translation>Grupta 3'ten az müjdeci var</translation>
    </message>
    <message id="1247">
        <source>Kontakty pre výber správ</source>
        <translation>Rapor toplamak için iletişim bilgileri</translation>
    </message>
    <message id="1417">
        <source>Hod</source>
        <translation>Saat</translation>
    </message>
    <message id="1419">
        <source>BŠ</source>
        <translation>KKT</translation>
    </message>
    <message id="1422">
        <source>Odošlite svoj prehľad za %1. 
Ďakujem..</source>
        <translation>Lütfen %1 raporunuzu gönderin. 
Teşekkürler..</translation>
    </message>
    <message id="1500">
        <source>v službe</source>
        <translation>hizmette</translation>
    </message>
    <message id="2000">
        <source>Súbor %1 nie je platný list od tajomníka.</source>
        <translation>%1 dosyası sekreterden gelen geçerli bir liste değil.</translation>
    </message>
    <message id="2001">
        <source>Správy sa nepodarilo uložiť do súboru %1.

Kliknite na Áno pre ukončenie programu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>Raporlar %1 dosyasına kaydedilemedi.

Programı kaydetmeden kapatmak için Evet'e, programa dönmek için Hayır'a tıklayın.</translation>
    </message>
    <message id="2002">
        <source>E-mailová adresa %1 nie je platná.</source>
        <translation>%1 e-posta adresi geçerli değil.</translation>
    </message>
    <message id="2003">
        <source>Správa je pripravená vo vašom e-mailovom programe. Odošlite ju tam.</source>
        <translation>İleti e-posta programınızda hazır. Oradan gönderin.</translation>
    </message>
    <message id="2004">
        <source>Správy zadané od posledného uloženia do súboru %1 sa stratia.

Kliknite na Áno pre výber iného listu bez uloženia alebo na Nie pre návrat do programu.</source>
        <translation>%1 dosyasına son kayıttan sonra girilen raporlar kaybolacak.

Kaydetmeden başka bir liste seçmek için Evet'e, programa dönmek için Hayır'a tıklayın.</translation>
    </message>
    <message id="2005">
        <source>E-mail - %1</source>
        <translation>E-posta - %1</translation>
    </message>
    <message id="2010">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>&amp;Ayı değiştir (geç rapor)</translation>
    </message>
    <message id="2011">
        <source>či bol v danom mesiaci v službe</source>
        <translation>o ay hizmete katılıp katılmadığı</translation>
    </message>
    <message id="2012">
        <source>Pomocný priekopník</source>
        <translation>Yardımcı öncü</translation>
    </message>
    <message id="2013">
        <source>Pravidelný priekopník</source>
        <translation>Daimi öncü</translation>
    </message>
    <message id="2014">
        <source>Zvláštny priekopník</source>
        <translation>Özel öncü</translation>
    </message>
    <message id="2015">
        <source>Služobný pomocník</source>
        <translation>Hizmet görevlisi</translation>
    </message>
    <message id="2016">
        <source>Starší</source>
        <translation>İhtiyar</translation>
    </message>
    <message id="2017">
        <source>Pokrstený brat</source>
        <translation>Vaftizli birader</translation>
    </message>
    <message id="2018">
        <source>&amp;Áno</source>
        <translation>&amp;Evet</translation>
    </message>
    <message id="2019">
        <source>&amp;Nie</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message id="2040">
        <source>Správa je pripravená vo vašom e-mailovom programe. Skontrolujte, či je k nej priložený súbor %1, a až potom ju odošlite.</source>
        <translation>İleti e-posta programınızda hazır. %1 dosyasının eklendiğini kontrol edin, ancak ondan sonra gönderin.</translation>
    </message>
    <message id="2060">
        <source>Zrušiť</source>
        <translation>İptal</translation>
    </message>
    <message id="2061">
        <source>V systéme chýbajú údaje ICU pre kódovanie %1 (balík libicu72). Fyn bez nich nemôže čítať ani zapisovať listy, preto sa ukončí.</source>
        <translation>Sistemde %1 kod sayfası için ICU verileri eksik (libicu72 paketi). Fyn bunlar olmadan liste okuyamaz ve yazamaz, bu yüzden kapanıyor.</translation>
    </message>
    <message id="2062">
        <source>Záložnú kópiu listu sa nepodarilo vytvoriť v adresári %1: %2.

Správy sa do listu napriek tomu uložia.</source>
        <translation>Listenin yedek kopyası %1 klasöründe oluşturulamadı: %2.

Raporlar yine de listeye kaydedilecek.</translation>
    </message>
    <message id="2063">
        <source>Zoznam sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Döküm %1 dosyasına kaydedilemedi: %2.</translation>
    </message>
    <message id="2064">
        <source>Nastavenie From v časti [Mail] súboru fyn.ini obsahuje neplatnú adresu odosielateľa: %1

Opravte ju alebo nastavenie From vymažte.</source>
        <translation>fyn.ini dosyasının [Mail] bölümündeki From ayarı geçersiz bir gönderen adresi içeriyor: %1

Adresi düzeltin ya da From ayarını silin.</translation>
    </message>
    <message id="2065">
        <source>Nastavenie Language=%1 v súbore %2 neurčuje jazyk, ktorý Fyn pozná (sk, cs, pl, fr, el, tr, et, en). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>%2 dosyasındaki Language=%1 ayarı Fyn'in tanıdığı bir dil değil (sk, cs, pl, fr, el, tr, et, en). Ayarı düzeltin ya da silin. Fyn hiçbir liste okumadan kapanıyor.</translation>
    </message>
    <message id="2066">
        <source>Nastavenie CodePage=%1 v súbore %2 neurčuje kódovanie, ktoré Fyn pozná (napríklad windows-1250). Opravte ho alebo ho zmažte. Fyn sa ukončí bez čítania listu.</source>
        <translation>%2 dosyasındaki CodePage=%1 ayarı Fyn'in tanıdığı bir kod sayfası değil (örneğin windows-1254). Ayarı düzeltin ya da silin. Fyn hiçbir liste okumadan kapanıyor.</translation>
    </message>
    <message id="2067">
        <source>Súčasť programu Fyn sa nedá načítať:

%1

Inštalácia programu je zrejme neúplná; nainštalujte balík fyn znova.</source>
        <translation>Fyn programının bir bileşeni yüklenemiyor:

%1

Program kurulumu büyük olasılıkla eksik; fyn paketini yeniden kurun.</translation>
    </message>
    <message id="2068">
        <source>Súbor %1 patrí k inej verzii programu Fyn. Ak ste Fyn práve aktualizovali, zatvorte ho a spustite znova.</source>
        <translation>%1 dosyası Fyn'in başka bir sürümüne ait. Fyn'i az önce güncellediyseniz kapatıp yeniden başlatın.</translation>
    </message>
    <message id="2070">
        <source>Pripomienku ani hovor sa nepodarilo zaznamenať do súboru %1: %2.</source>
        <translation>Hatırlatma ya da arama %1 dosyasına kaydedilemedi: %2.</translation>
    </message>
    <message id="2071">
        <source>súbor práve používa iný program</source>
        <translation>dosya başka bir program tarafından kullanılıyor</translation>
    </message>
    <message id="2072">
        <source>súbor je len na čítanie</source>
        <translation>dosya salt okunur</translation>
    </message>
    <message id="2073">
        <source>na disku nie je miesto</source>
        <translation>diskte yer yok</translation>
    </message>
    <message id="2074">
        <source>súbor sa nedá otvoriť</source>
        <translation>dosya açılamıyor</translation>
    </message>
    <message id="2075">
        <source>súbor pochádza z novšej verzie programu Fyn</source>
        <translation>dosya Fyn'in daha yeni bir sürümünde oluşturulmuş</translation>
    </message>
    <message id="2076">
        <source>Súbor %1 bol poškodený. Bol premenovaný na %2 a vytvoril sa nový.</source>
        <translation>%1 dosyası bozuktu. Adı %2 olarak değiştirildi ve yeni bir dosya oluşturuldu.</translation>
    </message>
    <message id="2077">
        <source>súbor je poškodený</source>
        <translation>dosya bozuk</translation>
    </message>
    <message id="2080">
        <source>Meno</source>
        <translation>Ad Soyad</translation>
    </message>
    <message id="2081">
        <source>V službe</source>
        <translation>Hizmette</translation>
    </message>
    <message id="2082">
        <source>Hodiny</source>
        <translation>Saat</translation>
    </message>
    <message id="2083">
        <source>Biblické štúdiá</source>
        <translation>Kutsal Kitap tetkikleri</translation>
    </message>
    <message id="2084">
        <source>Pomocný priekopník</source>
        <translation>Yardımcı öncü</translation>
    </message>
    <message id="2085">
        <source>Poznámka</source>
        <translation>Not</translation>
    </message>
    <message id="2086">
        <source>Správa odovzdaná</source>
        <translation>Rapor verildi</translation>
    </message>
    <message id="2087">
        <source>Spolu</source>
        <translation>Toplam</translation>
    </message>
    <message id="2100">
        <source>Pripomenúť všetkým, ktorí ešte neodovzdali...	Ctrl+E</source>
        <translation>Raporunu henüz vermeyen herkese hatırlat...	Ctrl+E</translation>
    </message>
    <message id="2101">
        <source>Pripomienky za %1</source>
        <translation>%1 hatırlatmaları</translation>
    </message>
    <message id="2102">
        <source>Odovzdané: %1 z %2. V službe: %3, hodiny: %4, biblické štúdiá: %5, pomocní priekopníci: %6</source>
        <translation>Verilen: %1 / %2. Hizmette: %3, saat: %4, Kutsal Kitap tetkikleri: %5, yardımcı öncüler: %6</translation>
    </message>
    <message id="2103">
        <source>bez e-mailovej adresy</source>
        <translation>e-posta adresi yok</translation>
    </message>
    <message id="2104">
        <source>nepoužiteľná adresa %1</source>
        <translation>kullanılamayan adres %1</translation>
    </message>
    <message id="2105">
        <source>odmietnutá adresa %1</source>
        <translation>reddedilen adres %1</translation>
    </message>
    <message id="2106">
        <source>tel. %1</source>
        <translation>tel. %1</translation>
    </message>
    <message id="2107">
        <source>pripomenuté e-mailom %1</source>
        <translation>e-postayla hatırlatıldı %1</translation>
    </message>
    <message id="2108">
        <source>odovzdané e-mailovému programu %1</source>
        <translation>e-posta programına verildi %1</translation>
    </message>
    <message id="2109">
        <source>volané %1</source>
        <translation>arandı %1</translation>
    </message>
    <message id="2110">
        <source>e-mail sa nepodarilo odoslať %1</source>
        <translation>e-posta gönderilemedi %1</translation>
    </message>
    <message id="2111">
        <source>&amp;Odoslať</source>
        <translation>&amp;Gönder</translation>
    </message>
    <message id="2112">
        <source>Zavrieť</source>
        <translation>Kapat</translation>
    </message>
    <message id="2113">
        <source>Odosiela sa pripomienka %1 z %2...</source>
        <translation>Hatırlatma gönderiliyor: %1 / %2...</translation>
    </message>
    <message id="2114">
        <source>Odoslané pripomienky: %1 z %2.</source>
        <translation>Gönderilen hatırlatmalar: %1 / %2.</translation>
    </message>
    <message id="2115">
        <source>Nepodarilo sa odoslať:</source>
        <translation>Gönderilemeyenler:</translation>
    </message>
    <message id="2116">
        <source>Správa je pripravená vo vašom e-mailovom programe. Adresáti v skrytej kópii: %1. Odošlite ju odtiaľ.</source>
        <translation>İleti e-posta programınızda hazır. Gizli kopyadaki alıcılar: %1. Oradan gönderin.</translation>
    </message>
    <message id="2117">
        <source>Poštový príkaz neskončil do %1 sekúnd a bol zastavený. Správa mohla odísť; skôr ako ju pošlete znova, overte to u adresáta.</source>
        <translation>Posta komutu %1 saniye içinde bitmedi ve durduruldu. İleti gitmiş olabilir; yeniden göndermeden önce alıcıya sorun.</translation>
    </message>
    <message id="2118">
        <source>Možno odoslané (poštový príkaz bol zastavený), znova sa neponúkajú:</source>
        <translation>Gönderilmiş olabilir (posta komutu durduruldu), yeniden önerilmez:</translation>
    </message>
    <message id="2119">
        <source>pripomienka možno odišla %1</source>
        <translation>hatırlatma gitmiş olabilir %1</translation>
    </message>
    <message id="2120">
        <source>Záznam kontaktov %1 sa nedá prečítať: %2. Pripomienky z iných spustení programu nie sú známe, tie z tohto áno.</source>
        <translation>%1 iletişim kaydı okunamıyor: %2. Programın başka çalıştırmalarındaki hatırlatmalar bilinmiyor, bu çalıştırmadakiler biliniyor.</translation>
    </message>
    <message id="2121">
        <source>%1: %2.

Za posledných 24 hodín už jedna pripomienka odišla. Poslať ďalšiu?</source>
        <translation>%1: %2.

Son 24 saat içinde zaten bir hatırlatma gönderildi. Bir tane daha gönderilsin mi?</translation>
    </message>
    <message id="2122">
        <source>Aktualizovaný list bol odoslaný na adresu %1.</source>
        <translation>Güncellenen liste %1 adresine gönderildi.</translation>
    </message>
    <message id="2130">
        <source>Správy sa nepodarilo uložiť do súboru %1: %2.</source>
        <translation>Raporlar %1 dosyasına kaydedilemedi: %2.</translation>
    </message>
    <message id="2131">
        <source>Súbor %1 sa nedá otvoriť: %2.</source>
        <translation>%1 dosyası açılamıyor: %2.</translation>
    </message>
    <message id="2132">
        <source>súbor alebo priečinok neexistuje</source>
        <translation>dosya ya da klasör yok</translation>
    </message>
    <message id="2133">
        <source>chýba oprávnenie</source>
        <translation>izin yok</translation>
    </message>
    <message id="2134">
        <source>je to priečinok, nie súbor</source>
        <translation>bu bir klasör, dosya değil</translation>
    </message>
    <message id="2135">
        <source>Text obsahuje znaky, ktoré kódovanie %1 nepozná (kódy %2); zobrazujú sa ako �. Ak text zmeníte, tieto znaky sa neuložia.</source>
        <translation>Metin, %1 kodlamasının tanımadığı karakterler içeriyor (kodlar %2); bunlar � olarak görünüyor. Metni değiştirirseniz bu karakterler kaydedilmez.</translation>
    </message>
    <message id="2150">
        <source>január</source>
        <translation>Ocak</translation>
    </message>
    <message id="2151">
        <source>február</source>
        <translation>Şubat</translation>
    </message>
    <message id="2152">
        <source>marec</source>
        <translation>Mart</translation>
    </message>
    <message id="2153">
        <source>apríl</source>
        <translation>Nisan</translation>
    </message>
    <message id="2154">
        <source>máj</source>
        <translation>Mayıs</translation>
    </message>
    <message id="2155">
        <source>jún</source>
        <translation>Haziran</translation>
    </message>
    <message id="2156">
        <source>júl</source>
        <translation>Temmuz</translation>
    </message>
    <message id="2157">
        <source>august</source>
        <translation>Ağustos</translation>
    </message>
    <message id="2158">
        <source>september</source>
        <translation>Eylül</translation>
    </message>
    <message id="2159">
        <source>október</source>
        <translation>Ekim</translation>
    </message>
    <message id="2160">
        <source>november</source>
        <translation>Kasım</translation>
    </message>
    <message id="2161">
        <source>december</source>
        <translation>Aralık</translation>
    </message>
    <message id="2162">
        <source>Niektoré mená v liste %1 obsahujú znaky, ktoré kódovanie %2 nepozná (ukazujú sa ako �). List je zrejme v inom kódovaní: nastavte ho v súbore fyn.ini v časti [Interface] kľúčom CodePage, napríklad CodePage=windows-1250.</source>
        <translation>%1 listesindeki bazı adlar %2 kod sayfasının tanımadığı karakterler içeriyor (� olarak görünüyorlar). Liste büyük olasılıkla başka bir kod sayfasında: bunu fyn.ini dosyasının [Interface] bölümünde CodePage anahtarıyla ayarlayın, örneğin CodePage=windows-1250.</translation>
    </message>
    <message id="2180">
        <source>Ďalšie telefónne číslo zvestovateľa</source>
        <translation>Müjdecinin sonraki telefon numarası</translation>
    </message>
    <message id="2200">
        <source>Rok skupiny na jeden pohľad...	Ctrl+R</source>
        <translation>Grubun yılı bir bakışta...	Ctrl+R</translation>
    </message>
    <message id="2201">
        <source>Skupina %1 - posledných 12 mesiacov: %2 - %3</source>
        <translation>Grup %1 - son 12 ay: %2 - %3</translation>
    </message>
    <message id="2202">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message id="2203">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message id="2204">
        <source>Zvestovateľ</source>
        <translation>Müjdeci</translation>
    </message>
    <message id="2205">
        <source>Stav</source>
        <translation>Durum</translation>
    </message>
    <message id="2206">
        <source>nepravidelný</source>
        <translation>düzensiz</translation>
    </message>
    <message id="2207">
        <source>neaktívny</source>
        <translation>faaliyetsiz</translation>
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
        <translation>G</translation>
    </message>
    <message id="2212">
        <source>PoP</source>
        <translation>YÖ</translation>
    </message>
    <message id="2213">
        <source>PP</source>
        <translation>DÖ</translation>
    </message>
    <message id="2214">
        <source>ZP</source>
        <translation>ÖÖ</translation>
    </message>
    <message id="2215">
        <source>+ v službe bez hodín   0 nulová správa   - chýba   o oneskorená   PoP pomocný, PP pravidelný, ZP zvláštny priekopník   Stav podľa posledných 6 mesiacov</source>
        <translation>+ hizmette, saatsiz   0 sıfır rapor   - eksik   G geç   YÖ yardımcı, DÖ daimi, ÖÖ özel öncü   Durum son 6 aya göre</translation>
    </message>
    <message id="2216">
        <source>chýba</source>
        <translation>eksik</translation>
    </message>
    <message id="2217">
        <source>nulová správa</source>
        <translation>sıfır rapor</translation>
    </message>
    <message id="2218">
        <source>oneskorená</source>
        <translation>geç</translation>
    </message>
    <message id="2219">
        <source>%1 hod.</source>
        <translation>%1 saat</translation>
    </message>
    <message id="2220">
        <source>Odovzdané</source>
        <translation>Verilen raporlar</translation>
    </message>
    <message id="2221">
        <source>V službe</source>
        <translation>Hizmette</translation>
    </message>
    <message id="2222">
        <source>Hodiny</source>
        <translation>Saat</translation>
    </message>
    <message id="2223">
        <source>Biblické štúdiá</source>
        <translation>Kutsal Kitap tetkikleri</translation>
    </message>
    <message id="2224">
        <source>Pomocní priekopníci</source>
        <translation>Yardımcı öncüler</translation>
    </message>
    <message id="2225">
        <source>Správu za %1 tu už zadať nemožno: list od tajomníka prijíma oneskorené správy len za mesiace roka %2.</source>
        <translation>%1 raporu artık buraya girilemez: sekreterin listesi geç raporları yalnızca %2 yılının ayları için kabul eder.</translation>
    </message>
    <message id="2226">
        <source>Klávesy Ctrl+R ukážu rok skupiny: kto za posledných 12 mesiacov odovzdal správu, kto je nepravidelný alebo neaktívny, a súčty skupiny po mesiacoch. Šípkami prejdete na mesiac, Enter otvorí správu zvestovateľa za ten mesiac.</source>
        <translation>Ctrl+R grubun yılını gösterir: son 12 ayda kimin rapor verdiği, kimin düzensiz ya da faaliyetsiz olduğu ve grubun aylık toplamları. Ok tuşlarıyla bir aya gidin; Enter o ay için müjdecinin raporunu açar.</translation>
    </message>
    <message id="2227">
        <source>Odovzdané správy po mesiacoch</source>
        <translation>Aylara göre verilen raporlar</translation>
    </message>
    <message id="2228">
        <source>Správy zvestovateľov po mesiacoch</source>
        <translation>Müjdecilerin aylık raporları</translation>
    </message>
    <message id="2250">
        <source>Zo správy: %1.</source>
        <translation>Mesajdan: %1.</translation>
    </message>
    <message id="2251">
        <source>Nejasné, nevyplnené: %1.</source>
        <translation>Belirsiz, doldurulmadı: %1.</translation>
    </message>
    <message id="2252">
        <source>Zo správy sa nič neprečítalo.</source>
        <translation>Mesajdan hiçbir şey okunmadı.</translation>
    </message>
    <message id="2253">
        <source>zvestovateľ podľa adresy odosielateľa</source>
        <translation>gönderenin adresine göre müjdeci</translation>
    </message>
    <message id="2254">
        <source>zvestovateľ podľa mena</source>
        <translation>ada göre müjdeci</translation>
    </message>
    <message id="2255">
        <source>Meno zvestovateľa v správe nie je; zadáva sa vybranému zvestovateľovi.</source>
        <translation>Mesajda müjdeci adı yok; rapor seçili müjdeci için giriliyor.</translation>
    </message>
    <message id="2256">
        <source>mesiac</source>
        <translation>ay</translation>
    </message>
    <message id="2257">
        <source>v službe</source>
        <translation>hizmette</translation>
    </message>
    <message id="2258">
        <source>hodiny</source>
        <translation>saat</translation>
    </message>
    <message id="2259">
        <source>biblické štúdiá</source>
        <translation>Kutsal Kitap tetkikleri</translation>
    </message>
    <message id="2260">
        <source>kreditné hodiny</source>
        <translation>kredi saati</translation>
    </message>
    <message id="2261">
        <source>poznámka</source>
        <translation>not</translation>
    </message>
    <message id="2262">
        <source>pomocný priekopník</source>
        <translation>yardımcı öncü</translation>
    </message>
    <message id="2263">
        <source>áno</source>
        <translation>evet</translation>
    </message>
    <message id="2264">
        <source>nie</source>
        <translation>hayır</translation>
    </message>
    <message id="2265">
        <source>číslo bez slova %1</source>
        <translation>kelimesiz sayı %1</translation>
    </message>
    <message id="2266">
        <source>Súbor %1 je väčší ako 1 MB. Správa z neho sa nečíta.</source>
        <translation>%1 dosyası 1 MB'tan büyük. İçindeki mesaj okunmuyor.</translation>
    </message>
    <message id="2267">
        <source>Text správy je dlhší ako 64 kB. Nečíta sa.</source>
        <translation>Mesajın metni 64 KB'tan uzun. Okunmuyor.</translation>
    </message>
    <message id="2268">
        <source>Vložený obsah nie je text ani e-mail. Nič sa nečíta.</source>
        <translation>Yapıştırılan içerik metin veya e-posta değil. Hiçbir şey okunmuyor.</translation>
    </message>
    <message id="2269">
        <source>Súbor %1 nie je text ani e-mail. Nečíta sa.</source>
        <translation>%1 dosyası metin veya e-posta değil. Okunmuyor.</translation>
    </message>
    <message id="2270">
        <source>E-mail zo súboru %1 sa nedá prečítať:

%2</source>
        <translation>%1 dosyasındaki e-posta okunamıyor:

%2</translation>
    </message>
    <message id="2271">
        <source>Zo správy nie je jasné, kto ju poslal, a v zozname nie je vybraný žiadny zvestovateľ.</source>
        <translation>Mesajı kimin gönderdiği belli değil ve listede seçili müjdeci yok.</translation>
    </message>
    <message id="2272">
        <source>Koho je táto správa?</source>
        <translation>Bu mesaj kimin?</translation>
    </message>
    <message id="2273">
        <source>Správa sa hodí na viacerých zvestovateľov. Vyberte toho, koho správu zadávate:</source>
        <translation>Mesaj birden fazla müjdeciye uyuyor. Raporunu girdiğiniz kişiyi seçin:</translation>
    </message>
    <message id="2274">
        <source>Vložiť správu zvestovateľa	Ctrl+V</source>
        <translation>Müjdecinin mesajını yapıştır	Ctrl+V</translation>
    </message>
    <message id="2275">
        <source>„%1“</source>
        <translation>"%1"</translation>
    </message>
    <message id="2280">
        <source>hodín, hodiny, hodina, hodinu, hod, h</source>
        <translation>saat, saatler</translation>
    </message>
    <message id="2281">
        <source>štúdií, štúdiá, štúdium, štúdia, biblických štúdií, biblické štúdiá, biblické štúdium, BŠ, BS</source>
        <translation>tetkik, tetkikler, tetkikleri, Kutsal Kitap tetkikleri, Kutsal Kitap tetkiki, KKT</translation>
    </message>
    <message id="2282">
        <source>kredit, kreditu, kreditné hodiny, kreditných hodín</source>
        <translation>kredi, kredi saati, kredi saatleri</translation>
    </message>
    <message id="2283">
        <source>v službe, služba, službe, službu, kazateľská služba, kazateľskej službe</source>
        <translation>hizmette, hizmet, tarla hizmeti, tarla hizmetinde</translation>
    </message>
    <message id="2284">
        <source>áno, hej</source>
        <translation>evet</translation>
    </message>
    <message id="2285">
        <source>nie</source>
        <translation>hayır</translation>
    </message>
    <message id="2286">
        <source>pomocný priekopník, pomocná priekopníčka, pomocným priekopníkom, pomocnou priekopníčkou</source>
        <translation>yardımcı öncü, yardımcı öncülük</translation>
    </message>
    <message id="2287">
        <source>poznámka, poznámky, pozn</source>
        <translation>not, notlar, açıklama</translation>
    </message>
    <message id="2288">
        <source>januára, januári</source>
        <translation>Ocak</translation>
    </message>
    <message id="2289">
        <source>februára, februári</source>
        <translation>Şubat</translation>
    </message>
    <message id="2290">
        <source>marca, marci</source>
        <translation>Mart</translation>
    </message>
    <message id="2291">
        <source>apríla, apríli</source>
        <translation>Nisan</translation>
    </message>
    <message id="2292">
        <source>mája, máji</source>
        <translation>Mayıs</translation>
    </message>
    <message id="2293">
        <source>júna, júni</source>
        <translation>Haziran</translation>
    </message>
    <message id="2294">
        <source>júla, júli</source>
        <translation>Temmuz</translation>
    </message>
    <message id="2295">
        <source>augusta, auguste</source>
        <translation>Ağustos</translation>
    </message>
    <message id="2296">
        <source>septembra, septembri</source>
        <translation>Eylül</translation>
    </message>
    <message id="2297">
        <source>októbra, októbri</source>
        <translation>Ekim</translation>
    </message>
    <message id="2298">
        <source>novembra, novembri</source>
        <translation>Kasım</translation>
    </message>
    <message id="2299">
        <source>decembra, decembri</source>
        <translation>Aralık</translation>
    </message>
    <message id="2300">
        <source>Zvestovatelia</source>
        <translation>Müjdeciler</translation>
    </message>
    <message id="2301">
        <source>%1, správa chýba</source>
        <translation>%1, rapor eksik</translation>
    </message>
    <message id="2302">
        <source>Komu pripomenúť</source>
        <translation>Kime hatırlatılacak</translation>
    </message>
    <message id="2303">
        <source>%1, strana %2 z %3</source>
        <translation>%1, sayfa %2 / %3</translation>
    </message>
    <message id="2304">
        <source>Ďalšia strana</source>
        <translation>Sonraki sayfa</translation>
    </message>
    <message id="2305">
        <source>Predchádzajúca strana</source>
        <translation>Önceki sayfa</translation>
    </message>
    <message id="2306">
        <source>pravidelný</source>
        <translation>düzenli</translation>
    </message>
    <message id="61700">
        <source>Zadajte kladné celé číslo.</source>
        <translation>Pozitif bir tamsayı girin.</translation>
    </message>
    <message id="61701">
        <source>Zadajte celé číslo od %1 do %2.</source>
        <translation>%1 ile %2 arasında bir tamsayı girin.</translation>
    </message>
    <message id="61710">
        <source>Nedostatok pamäte</source>
        <translation>Bellek yetersiz</translation>
    </message>
    <message id="61711">
        <source>Nie je nastavená žiadna tlačiareň</source>
        <translation>Yazıcı yok</translation>
    </message>
    <message id="61712">
        <source>Tlač zlyhala: tlačiareň sa nedá použiť.</source>
        <translation>Yazdırılamadı: yazıcı kullanılamıyor.</translation>
    </message>
    <message id="61713">
        <source>Telefónna služba nie je k dispozícii</source>
        <translation>Telefon hizmeti kullanılamıyor</translation>
    </message>
    <message id="61714">
        <source>Telefónna služba sa nedá spustiť</source>
        <translation>Telefon hizmeti başlatılamıyor</translation>
    </message>
    <message id="61840">
        <source>Podporu poštového systému sa nepodarilo načítať.</source>
        <translation>Posta sistemi desteği yüklenemiyor.</translation>
    </message>
    <message id="61841">
        <source>Poštový systém je neplatný.</source>
        <translation>Posta sistemi geçersiz.</translation>
    </message>
    <message id="61842">
        <source>Poštový systém správu neodoslal.</source>
        <translation>Posta sistemi iletiyi gönderemedi.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message id="100.title">
        <source>O programe Fyn</source>
        <translation>Fyn hakkında</translation>
    </message>
    <message id="100.#1">
        <source>Fyn verzia 5a</source>
        <translation>Fyn sürüm 5a</translation>
    </message>
    <message id="100.#2">
        <source>© 2026 Fyn</source>
        <translation>© 2026 Fyn</translation>
    </message>
    <message id="100.#3">
        <source>Vyžaduje súbory SkupinaX.t09 z programu Korbo verzie 10a alebo novšej</source>
        <translation>Korbo 10a ya da daha yeni sürümün GrupX.t09 dosyalarını gerektirir</translation>
    </message>
    <message id="100.#4">
        <source>Slobodný softvér pod licenciou MIT</source>
        <translation>MIT lisanslı özgür yazılım</translation>
    </message>
    <message id="100.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>Dialog102</name>
    <message id="102.title">
        <source>Správy z kazateľskej služby</source>
        <translation>Tarla hizmeti raporları</translation>
    </message>
    <message id="102.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="102.2">
        <source>Zatvoriť program</source>
        <translation>Programı kapat</translation>
    </message>
    <message id="102.3">
        <source>Načítať nový list od tajomníka</source>
        <translation>Sekreterden yeni liste yükle</translation>
    </message>
    <message id="102.5">
        <source>Náhľad a tlač listu so správami</source>
        <translation>Rapor listesini önizle ve yazdır</translation>
    </message>
    <message id="102.4">
        <source>Odoslať aktualizovaný list tajomníkovi</source>
        <translation>Güncel listeyi sekretere gönder</translation>
    </message>
    <message id="102.162">
        <source>Obmedziť na neodovzdané správy</source>
        <translation>Yalnızca verilmeyen raporlar</translation>
    </message>
    <message id="102.#10">
        <source> Zadávanie skončené pri </source>
        <translation> Girişin kaldığı yer </translation>
    </message>
    <message id="102.1003">
        <source>Vytočit</source>
        <translation>Ara</translation>
    </message>
    <message id="102.1004">
        <source>&gt; &gt; &gt;</source>
        <translation>&gt; &gt; &gt;</translation>
    </message>
    <message id="102.1005">
        <source>Pomoc</source>
        <translation>Yardım</translation>
    </message>
    <message id="102.1007">
        <source>Ukážka e-mailu</source>
        <translation>E-posta örneği</translation>
    </message>
</context>
<context>
    <name>Dialog107</name>
    <message id="107.147">
        <source>Publ</source>
        <translation>Yay</translation>
    </message>
    <message id="107.148">
        <source>Videá</source>
        <translation>Video</translation>
    </message>
    <message id="107.149">
        <source>Hod</source>
        <translation>Saat</translation>
    </message>
    <message id="107.150">
        <source>ON</source>
        <translation>TZ</translation>
    </message>
    <message id="107.151">
        <source>BŠ</source>
        <translation>KKT</translation>
    </message>
    <message id="107.1126">
        <source>bol v danom službe</source>
        <translation>o ay hizmete katıldı</translation>
    </message>
    <message id="107.1">
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message id="107.2">
        <source>&amp;Zrušiť</source>
        <translation>İ&amp;ptal</translation>
    </message>
    <message id="107.129">
        <source>Zmeniť &amp;mesiac (oneskorenej správy)</source>
        <translation>&amp;Ayı değiştir (geç rapor)</translation>
    </message>
    <message id="107.160">
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message id="107.3">
        <source>&amp;Poznámky</source>
        <translation>&amp;Notlar</translation>
    </message>
    <message id="107.1050">
        <source>Pomocný priekopník</source>
        <translation>Yardımcı öncü</translation>
    </message>
    <message id="107.1125">
        <source>&lt;1 h</source>
        <translation>&lt;1 s</translation>
    </message>
</context>
<context>
    <name>Dialog115</name>
    <message id="115.2">
        <source>&amp;Zatvoriť</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message id="115.3">
        <source>&amp;Tlačiť</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message id="115.129">
        <source>&amp;Nastavenie tlačiarne</source>
        <translation>Yazıcı &amp;ayarları</translation>
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
        <translation>Tamam</translation>
    </message>
</context>
</TS>
