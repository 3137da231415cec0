#include "ExampleSheet.h"
#include "GroupSheet.h"
#include "Remarks.h"
#include "StringTable.h"
#include "TestFiles.h"
#include "TextCodec.h"
#include "Wording.h"

#include <QTest>

using namespace fyn;
using namespace fyn::layout;
using fyn::test::TestFiles;

// examples/Skupina3.t09 is what fyn-make-example writes, and holds the cases it promises.
class TestExampleSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(sheet_.Load(path_)); }

    void committedFileIsCurrent() {
        QVERIFY2(TestFiles::read(path_) == ExampleSheet::build(),
                 "run fyn-make-example examples/Skupina3.t09");
    }

    void holdsTheGroupAndItsNames() {
        QCOMPARE(sheet_.publisherCount(), 20);
        QCOMPARE(sheet_.groupNumber(), ExampleSheet::kGroup);
        QCOMPARE(sheet_.reportMonth, ExampleSheet::kReportMonth);
        const Wording wording(StringTable::slovak(), sheet_);
        QStringList names;
        for (int index = 1; index <= sheet_.publisherCount(); ++index) {
            names.append(wording.PublisherName(index, true));
        }
        for (const char* name : {"Ďurica, Peter", "Šťastná, Zuzana", "Žilinský, Milan",
                                 "Kováčová, Katarína", "van Dijk, Pieter", "Čierny, Ľubomír"}) {
            QVERIFY2(names.contains(QString::fromUtf8(name)), name);
        }
        QCOMPARE(
            TextCodec::fieldToUnicode(sheet_.Record(0) + kSecretaryEmail, kSecretaryEmailWidth),
            QStringLiteral("tajomnik.zbor@example.com"));
        // Korbo's own bytes are there to be carried.
        QVERIFY(QByteArray(reinterpret_cast<const char*>(sheet_.Record(0)), 44).count('\0') < 10);
    }

    void everyTextSurvivesTheScrambling() {
        // Some characters cannot pass the secretary's scrambling at some positions; the example
        // must show users their texts exactly as they were made.
        const SheetBuilder builder = ExampleSheet::builder();
        for (int index = 1; index <= sheet_.publisherCount(); ++index) {
            const QByteArray made = builder.plainRecord(index);
            for (const std::size_t field :
                 {kFirstName, kSurname, kEmail, kPhone1, kPhone2, kPhone3}) {
                const auto* loaded = reinterpret_cast<const char*>(sheet_.Record(index) + field);
                QCOMPARE(QByteArray(loaded), QByteArray(made.constData() + field));
            }
        }
    }

    void novemberIsPartlyReported() {
        const int month = ExampleSheet::kReportMonth;
        const int slot = ExampleSheet::kYearSlot;
        int missing = 0;
        int special = 0;
        for (int index = 1; index <= sheet_.publisherCount(); ++index) {
            missing += sheet_.IsReportMissing(index, month, slot) ? 1 : 0;
            special += (sheet_.Record(index)[kPioneerStatus + monthSlot(month, slot)] &
                        kStatusMask) == SpecialPioneer
                           ? 1
                           : 0;
            QVERIFY(!sheet_.IsReportMissing(index, 9, slot));         // October 2026
            QVERIFY(!sheet_.IsReportMissing(index, month, 1 - slot)); // November 2025
        }
        QCOMPARE(missing, 9);
        QCOMPARE(special, 1);

        QByteArray text;
        QCOMPARE(int(ReadRemark(sheet_, 1, month, slot, text, true)), 2);
        QCOMPARE(text, QByteArray("5 +H"));
        QCOMPARE(int(ReadRemark(sheet_, 16, month, slot, text, true)), 1);
        QCOMPARE(text, QByteArray("0"));
        QVERIFY(sheet_.IsMarkedLate(9, 9));
    }

private:
    GroupSheet sheet_;
    const QString path_ = QStringLiteral(FYN_EXAMPLE_SHEET);
};

QTEST_GUILESS_MAIN(TestExampleSheet)
#include "TestExampleSheet.moc"
