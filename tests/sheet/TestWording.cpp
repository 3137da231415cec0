#include "GroupSheet.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QTemporaryDir>
#include <QTest>

using namespace fyn;

namespace {

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// A French table as another interface would bring it, the same names as headings and inside
// sentences; capitalInitials writes them as a sentence begins.
StringTable frenchTable(bool capitalInitials) {
    const char* names[] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                           "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    std::map<int, QString> texts{{text::kLanguageCode, QStringLiteral("french")}};
    for (int month = 0; month < 12; ++month) {
        QString name = utf8(names[month]);
        if (capitalInitials) {
            name[0] = name[0].toUpper();
        }
        texts[text::kMonthNames + month] = name;
        texts[text::kMonthNamesInSentence + month] = name;
    }
    return StringTable(texts);
}

} // namespace

class TestWording : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        SheetBuilder builder;
        builder.addPublisher("J\xE1n", "Nov\xE1k");
        builder.addPublisher("", "\x8A\x9D"
                                 "astn\xE1");
        builder.addPublisher("Pieter", "van Dijk");
        const QString path = dir_.filePath(QStringLiteral("names.t09"));
        QVERIFY(builder.writeTo(path));
        QVERIFY(sheet_.Load(path));
        QCOMPARE(sheet_.publisherCount(), 3);
    }

    void loadText_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("argId");
        QTest::addColumn<QString>("expected");

        QTest::newRow("1188 with January") << 1188 << 102 << utf8("Január - odovzdané správy");
        QTest::newRow("1001 with October") << 1001 << 111 << utf8("Október - neodovzdané správy");
        QTest::newRow("1422 with March")
            << 1422 << 104 << utf8("Odošlite svoj prehľad za Marec. \nĎakujem..");
        QTest::newRow("no argument") << 1188 << 0 << utf8("%1 - odovzdané správy");
        QTest::newRow("text without %1") << 1033 << 102 << utf8("Mimo priestor pre poznámky");
    }

    void loadText() {
        QFETCH(int, id);
        QFETCH(int, argId);
        QFETCH(QString, expected);
        const Wording wording(StringTable::slovak(), sheet_);
        QCOMPARE(wording.LoadText(id, argId), expected);
    }

    void slovakMonthNames_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("name");
        const char* names[] = {"Január", "Február", "Marec",     "Apríl",   "Máj",      "Jún",
                               "Júl",    "August",  "September", "Október", "November", "December"};
        for (int month = 0; month < 12; ++month) {
            QTest::addRow("%d", month) << month << utf8(names[month]);
        }
    }

    void slovakMonthNames() {
        QFETCH(int, month);
        QFETCH(QString, name);
        const Wording wording(StringTable::slovak(), sheet_);
        QCOMPARE(wording.languageCode(), QStringLiteral("sk"));
        QCOMPARE(wording.MonthName(month, false), name);
        // "za Október" wrote a heading's capital inside a sentence.
        QCOMPARE(wording.MonthName(month, true), name.toLower());
    }

    void frenchElidedMonthNames_data() {
        QTest::addColumn<bool>("capitalInitials");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("elided");

        QTest::newRow("janvier") << false << 0 << utf8("de janvier");
        QTest::newRow("mars") << false << 2 << utf8("de mars");
        QTest::newRow("avril") << false << 3 << utf8("d'avril");
        QTest::newRow("août") << false << 7 << utf8("d'août");
        QTest::newRow("septembre") << false << 8 << utf8("de septembre");
        QTest::newRow("octobre") << false << 9 << utf8("d'octobre");
        QTest::newRow("décembre") << false << 11 << utf8("de décembre");
        QTest::newRow("Avril") << true << 3 << utf8("de Avril");
        QTest::newRow("Août") << true << 7 << utf8("de Août");
        QTest::newRow("Octobre") << true << 9 << utf8("de Octobre");
    }

    void frenchElidedMonthNames() {
        QFETCH(bool, capitalInitials);
        QFETCH(int, month);
        QFETCH(QString, elided);
        const StringTable french = frenchTable(capitalInitials);
        const Wording wording(french, sheet_);
        QCOMPARE(wording.MonthName(month, true), elided);
        QCOMPARE(wording.MonthName(month, false), french.text(text::kMonthNames + month));
    }

    void publisherName_data() {
        QTest::addColumn<QString>("languageCode");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("listForm");
        QTest::addColumn<QString>("expected");

        QTest::newRow("sk list") << utf8("sk") << 1 << true << utf8("Novák, Ján");
        QTest::newRow("sk plain") << utf8("sk") << 1 << false << utf8("Ján Novák");
        QTest::newRow("cz list") << utf8("cz") << 1 << true << utf8("Novák, Ján");
        QTest::newRow("cz plain is the list form")
            << utf8("cz") << 1 << false << utf8("Novák, Ján");
        QTest::newRow("Cz is not cz") << utf8("Cz") << 1 << false << utf8("Ján Novák");
        QTest::newRow("french plain") << utf8("french") << 1 << false << utf8("Ján Novák");
        QTest::newRow("no first name, list") << utf8("sk") << 2 << true << utf8("Šťastná, ");
        QTest::newRow("no first name, plain") << utf8("sk") << 2 << false << utf8(" Šťastná");
        QTest::newRow("surname in lower case, list")
            << utf8("sk") << 3 << true << utf8("van Dijk, Pieter");
        QTest::newRow("surname in lower case, plain")
            << utf8("sk") << 3 << false << utf8("Pieter van Dijk");
    }

    void publisherName() {
        QFETCH(QString, languageCode);
        QFETCH(int, index);
        QFETCH(bool, listForm);
        QFETCH(QString, expected);
        Wording wording(StringTable::slovak(), sheet_);
        wording.setLanguageCode(languageCode);
        QCOMPARE(wording.PublisherName(index, listForm), expected);
    }

private:
    QTemporaryDir dir_;
    GroupSheet sheet_;
};

QTEST_GUILESS_MAIN(TestWording)
#include "TestWording.moc"
