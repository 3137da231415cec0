#include "Dialer.h"
#include "MailAddress.h"
#include "SheetSender.h"

#include <QDir>
#include <QTest>

using namespace fyn;
using namespace Qt::StringLiterals;

// The rules that stand between a sheet's texts and a mail header or a command line.
class TestMailRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addressCheck_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "a@b.sk" << true;
        QTest::newRow("every allowed character") << "a.b_c%d+e-f@x-1.b2.sk" << true;
        QTest::newRow("header injection") << "a@b.sk\r\nBcc: x@y" << false;
        QTest::newRow("line feed alone") << "a@b.sk\nBcc: x@y.sk" << false;
        QTest::newRow("quoted local part") << "\"a\"@b.sk" << false;
        QTest::newRow("angle brackets") << "<a@b.sk>" << false;
        QTest::newRow("domain without dot") << "a@b" << false;
        QTest::newRow("empty local part") << "@b.sk" << false;
        QTest::newRow("two at signs") << "a@@b.sk" << false;
        QTest::newRow("doubled dot in domain") << "a@b..sk" << false;
        QTest::newRow("leading hyphen, read as an option") << "-a@b.sk" << false;
        QTest::newRow("leading dot") << ".a@b.sk" << false;
        QTest::newRow("trailing dot") << "a.@b.sk" << false;
        QTest::newRow("doubled dot in local part") << "a..b@b.sk" << false;
        QTest::newRow("domain ends in a dot") << "a@b.sk." << false;
        QTest::newRow("blank inside") << "a b@b.sk" << false;
        QTest::newRow("no-break space") << u"a@b.sk"_s + QChar(0xA0) << false;
        QTest::newRow("non-ASCII letter")
            << QStringLiteral("j") + QChar(0xE1) + QStringLiteral("n@b.sk") << false;
        QTest::newRow("comma list") << "a@b.sk,c@d.sk" << false;
        QTest::newRow("254 characters")
            << QString(250 - 5, QLatin1Char('a')) + u"@b.sk"_s + QString(4, QLatin1Char('k'))
            << true;
        QTest::newRow("255 characters")
            << QString(251 - 5, QLatin1Char('a')) + u"@b.sk"_s + QString(4, QLatin1Char('k'))
            << false;
        QTest::newRow("empty") << "" << false;
    }
    void addressCheck() {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        QCOMPARE(MailAddress::IsValid(address), valid);
    }

    void splitRecipients_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("one") << "a@b.sk" << QStringList{u"a@b.sk"_s};
        QTest::newRow("empty piece skipped")
            << "a@b.sk;;c@d.sk" << QStringList{u"a@b.sk"_s, u"c@d.sk"_s};
        QTest::newRow("blank after the separator trimmed")
            << "a@b.sk; c@d.sk" << QStringList{u"a@b.sk"_s, u"c@d.sk"_s};
        QTest::newRow("leading and trailing separators") << ";a@b.sk;" << QStringList{u"a@b.sk"_s};
        QTest::newRow("blank-only piece")
            << "a@b.sk; \t ;c@d.sk" << QStringList{u"a@b.sk"_s, u"c@d.sk"_s};
        QTest::newRow("no-break space is no blank")
            << QStringLiteral("a@b.sk;") + QChar(0xA0)
            << QStringList{u"a@b.sk"_s, QString(QChar(0xA0))};
        QTest::newRow("nothing") << "" << QStringList{};
    }
    void splitRecipients() {
        QFETCH(QString, text);
        QFETCH(QStringList, pieces);
        QCOMPARE(MailAddress::SplitRecipients(text), pieces);
    }

    void telUri_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("uri");
        QTest::newRow("digits") << "0905123456"
                                << "tel:0905123456";
        QTest::newRow("international with blanks") << "+421 905 123 456"
                                                   << "tel:+421-905-123-456";
        QTest::newRow("slash") << "02/5555 1234"
                               << "tel:02-5555-1234";
        QTest::newRow("kept punctuation") << "(02)-55.55*1"
                                          << "tel:(02)-55.55*1";
        QTest::newRow("hash cannot start a fragment") << "0905#1"
                                                      << "tel:0905%231";
        QTest::newRow("no parameters or queries") << "1;ext=2?x&y"
                                                  << "tel:1%3B%65%78%74%3D2%3F%78%26%79";
        QTest::newRow("letters encoded") << "1 klapka"
                                         << "tel:1-%6B%6C%61%70%6B%61";
        QTest::newRow("non-ASCII as UTF-8") << QStringLiteral("1") + QChar(0xE1) << "tel:1%C3%A1";
        QTest::newRow("percent itself") << "1%41"
                                        << "tel:1%2541";
    }
    void telUri() {
        QFETCH(QString, number);
        QFETCH(QString, uri);
        QCOMPARE(Dialer::TelUri(number), uri);
    }

    void usableNumber_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("usable");
        QTest::newRow("digits") << "0905123456" << true;
        QTest::newRow("one digit among punctuation") << "------1" << true;
        QTest::newRow("no digit") << "nem\u00e1 telef\u00f3n" << false;
        QTest::newRow("punctuation only") << "------" << false;
        QTest::newRow("empty") << "" << false;
    }
    void usableNumber() {
        QFETCH(QString, number);
        QFETCH(bool, usable);
        QCOMPARE(Dialer::IsUsableNumber(number), usable);
    }

    void updatedSheetPath_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("updated");
        QTest::newRow("lower case") << "/d/Skupina3.t09"
                                    << "/d/Skupina3.t19";
        QTest::newRow("upper case becomes lower") << "/d/Skupina3.T09"
                                                  << "/d/Skupina3.t19";
        QTest::newRow("folder named like a sheet stays") << "/x.t09/y.T09/Skupina3.t09"
                                                         << "/x.t09/y.T09/Skupina3.t19";
        QTest::newRow("relative made absolute")
            << "Skupina3.t09" << QDir::currentPath() + u"/Skupina3.t19"_s;
    }
    void updatedSheetPath() {
        QFETCH(QString, sheet);
        QFETCH(QString, updated);
        QCOMPARE(SheetSender::UpdatedSheetPath(sheet), updated);
    }
};

QTEST_GUILESS_MAIN(TestMailRules)
#include "TestMailRules.moc"
