#include "MessageReader.h"

#include <QTest>

using namespace fyn;

namespace {

const std::vector<MessageReader::Name> kNames{
    {QStringLiteral("Ján"), QStringLiteral("Novák")},
    {QStringLiteral("Mária"), QStringLiteral("Nováková")},
    {QStringLiteral("Jiří"), QStringLiteral("Dvořák")},
    {QStringLiteral("Anna"), QStringLiteral("Kowalska")},
    {QStringLiteral("John"), QStringLiteral("Smith")},
    {QStringLiteral("Marie"), QStringLiteral("Dubois")},
    {QStringLiteral("Γιώργος"), QStringLiteral("Παπαδόπουλος")},
    {QStringLiteral("Ayşe"), QStringLiteral("Yılmaz")},
    {QStringLiteral("Mari"), QStringLiteral("Tamm")},
};

// The reading in one line: names, month (0 = January), in or out of service, hours, studies,
// credit, auxiliary pioneer, remark, then "?" and each unclear field, "#" and each number read
// without its word.
QString summary(const MessageReading& reading) {
    QStringList parts;
    QStringList names;
    for (const int named : reading.named) {
        names << kNames[std::size_t(named)].first + QLatin1Char(' ') +
                     kNames[std::size_t(named)].surname;
    }
    if (!names.isEmpty()) {
        parts << names.join(QStringLiteral(", "));
    }
    const ReportFigures& figures = reading.figures;
    if (figures.month) {
        parts << QStringLiteral("m%1").arg(*figures.month);
    }
    if (figures.inService) {
        parts << (*figures.inService ? QStringLiteral("in") : QStringLiteral("out"));
    }
    if (!figures.hours.isEmpty()) {
        parts << QStringLiteral("h") + figures.hours;
    }
    if (figures.studies) {
        parts << QStringLiteral("s%1").arg(*figures.studies);
    }
    if (figures.credit) {
        parts << QStringLiteral("c%1").arg(*figures.credit);
    }
    if (figures.auxiliary) {
        parts << QStringLiteral("aux");
    }
    if (figures.remark) {
        parts << QStringLiteral("r:") + *figures.remark;
    }
    const char* fields[] = {"Month", "InService", "Hours", "Studies", "Credit", "Remark"};
    for (const MessageReading::Field field : reading.unclear) {
        parts << QLatin1Char('?') + QLatin1String(fields[field]);
    }
    for (const QString& number : reading.unboundNumbers) {
        parts << QLatin1Char('#') + number;
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

class TestMessageReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsOnlyWhatIsClear_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* message, const char* expected) {
            QTest::newRow(name) << QString::fromUtf8(message) << QString::fromUtf8(expected);
        };
        row("sk sentence", "Ahoj, za november mám 12 hodín a 2 biblické štúdiá.\nJán Novák",
            "Ján Novák; m10; in; h12; s2");
        row("sk labels", "Správa - Novák Ján\nV službe: áno\nŠtúdiá: 3\nPoznámka: bol som chorý",
            "Ján Novák; in; s3; r:bol som chorý");
        row("sk locative, auxiliary",
            "V novembri som bola pomocná priekopníčka, 50 hodín, 4 štúdiá. Mária Nováková",
            "Mária Nováková; m10; in; h50; s4; aux");
        row("sk without diacritics", "jan novak: 4 studia za novembri", "Ján Novák; m10; in; s4");
        row("cs decimal comma",
            "Dobrý den, zpráva za listopad: hodiny 15,25, studia 1. Jiří Dvořák",
            "Jiří Dvořák; m10; in; h15.25; s1");
        row("cs genitive", "Zpráva za měsíc listopadu – ve službě: ano, 2 biblická studia",
            "m10; in; s2");
        row("pl",
            "Sprawozdanie za październik: godzin 30, studia biblijne: 2, pionier pomocniczy. "
            "Anna Kowalska",
            "Anna Kowalska; m9; in; h30; s2; aux");
        row("en",
            "Hi! Report for November. Hours: 12, Bible studies: 3.\nRemarks: visited the "
            "sick\nJohn Smith",
            "John Smith; m10; in; h12; s3; r:visited the sick");
        row("en may is no month", "I may be late. Shared in ministry: yes. 2 studies", "in; s2");
        row("fr", "Bonjour, mon rapport d'octobre : 12 heures, 1 cours biblique. Marie Dubois",
            "Marie Dubois; m9; in; h12; s1");
        row("el", "Έκθεση Νοεμβρίου: Ώρες: 12, Γραφικές μελέτες: 2. Γιώργος Παπαδόπουλος",
            "Γιώργος Παπαδόπουλος; m10; in; h12; s2");
        row("tr", "Kasım raporu: Saat: 12, Kutsal Kitap tetkikleri: 1, yardımcı öncü. Ayse Yilmaz",
            "Ayşe Yılmaz; m10; in; h12; s1; aux");
        row("et", "Aruanne novembri kohta: 12 tundi, 2 piibliuurimist. Mari Tamm",
            "Mari Tamm; m10; in; h12; s2");
        row("link",
            "https://app.example/report/sharedInMinistry=true:hours=50:bibleStudies=8:"
            "credit=17:remarks=bethel+work",
            "in; h50; s8; c17; r:bethel work");
        row("link with a bad value", "x/report/hours=abc:bibleStudies=2", "in; s2; ?Hours");
        row("link with a bad answer", "x/report/sharedInMinistry=tr:bibleStudies=8",
            "s8; ?InService");
        row("link and text disagree", "Hodiny: 10 x/report/hours=12", "?Hours");
        row("words after, then before", "12 hodín 2 štúdiá", "in; h12; s2");
        row("words before, no colons", "hodiny 12 štúdiá 2", "in; h12; s2");
        row("a label's colon wins", "10 hodín, štúdiá: 2 kredit: 5", "in; h10; s2; c5");
        row("two values for one field", "Hodiny: 12, vlastne hodiny: 10", "?Hours");
        row("studies are whole", "2,5 štúdia", "?Studies");
        row("not in service", "V službe: nie", "out");
        row("two months", "Za október som zabudol, toto je za november: 5 hodín", "in; h5; ?Month");
        row("two publishers", "Ján Novák a Mária Nováková: 3 štúdiá",
            "Ján Novák, Mária Nováková; in; s3");
        row("quoted lines", "12 hodín\n\nDňa 3. 11. 2026 Peter napísal:\n> Hodiny: 30\n> Štúdiá: 5",
            "in; h12");
        row("reply above the reminder", "Štúdiá: 2\nOdošlite svoj prehľad za október. \nĎakujem..",
            "in; s2");
        row("bare number", "Správa: 5. Ďakujem", "#5");
        row("a figure after the month", "za október 3 štúdiá", "m9; in; s3");
        row("a day of the month", "Poslal som ju 3. novembra", "m10");
        row("telephone number", "Zavolaj mi na 0905 123 456, +421 905 123 456 alebo 0905123456",
            "");
        row("date and time", "Stretneme sa 12.11.2026 o 10:15, alebo 3. 11. 2026", "");
        row("Bible verse", "Ján 3:16 je môj obľúbený verš", "");
        row("greeting with a number", "Všetko najlepšie k 50. narodeninám!", "#50");
        row("address and link digits", "Píšte na jan2@x.sk, https://x.sk/a/12", "");
    }

    void readsOnlyWhatIsClear() {
        QFETCH(QString, message);
        QFETCH(QString, expected);
        const MessageReader reader(MessageVocabulary::allLanguages());
        QCOMPARE(summary(reader.Read(message, kNames)), expected);
    }
};

QTEST_GUILESS_MAIN(TestMessageReader)
#include "TestMessageReader.moc"
