#include "GroupSheet.h"
#include "LittleEndian.h"
#include "Remarks.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TestFiles.h"
#include "TextIds.h"

#include <QTemporaryDir>
#include <QTest>

using namespace fyn;
using namespace fyn::layout;
using fyn::test::TestFiles;

namespace {

// The month whose remark the tests look at: April of the odd year, in record 1.
constexpr int kMonth = 3;
constexpr int kSlot = 1;

QByteArray entryBytes(GroupSheet& sheet, int number) {
    return QByteArray(reinterpret_cast<const char*>(sheet.RemarkEntry(number)),
                      static_cast<qsizetype>(kRemarkSize));
}

std::uint16_t recordedEntry(GroupSheet& sheet, int index) {
    return readU16(sheet.Record(index) + kRemarkEntry + 2 * monthSlot(kMonth, kSlot));
}

void setRecordedEntry(GroupSheet& sheet, int index, int number) {
    writeU16(sheet.Record(index) + kRemarkEntry + 2 * monthSlot(kMonth, kSlot),
             static_cast<std::uint16_t>(number));
}

} // namespace

class TestRemarks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(dir_.isValid()); }

    void readRemark_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("lookupOnly");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("countAfter");

        QTest::newRow("no remark, lookup") << 0 << true << 0 << QByteArray() << 5;
        QTest::newRow("no remark, reserving") << 0 << false << 6 << QByteArray() << 6;
        QTest::newRow("first entry, lookup") << 1 << true << 1 << QByteArray("poznamka 1") << 5;
        QTest::newRow("last entry, reserving") << 5 << false << 5 << QByteArray("poznamka 5") << 5;
        QTest::newRow("entry without NUL ends with the entry")
            << 4 << true << 4 << QByteArray(48, 'W') << 5;
        QTest::newRow("number past the table, lookup") << 6 << true << 0 << QByteArray() << 5;
        QTest::newRow("number past the table, reserving") << 9 << false << 6 << QByteArray() << 6;
        QTest::newRow("largest number, lookup") << 65535 << true << 0 << QByteArray() << 5;
    }

    void readRemark() {
        QFETCH(int, entry);
        QFETCH(bool, lookupOnly);
        QFETCH(int, answer);
        QFETCH(QByteArray, text);
        QFETCH(int, countAfter);

        GroupSheet sheet;
        QVERIFY(load(sheet, 5, static_cast<std::uint16_t>(entry)));
        QByteArray read = "left over";
        QCOMPARE(int(ReadRemark(sheet, 1, kMonth, kSlot, read, lookupOnly)), answer);
        QCOMPARE(read, text);
        QCOMPARE(sheet.remarkCount(), countAfter);
        QCOMPARE(int(recordedEntry(sheet, 1)), entry); // the caller records the number
    }

    void reservedEntryIsWrittenBlank() {
        GroupSheet sheet;
        QVERIFY(load(sheet, 5));
        QByteArray text;
        QCOMPARE(int(ReadRemark(sheet, 2, kMonth, kSlot, text, false)), 6);

        const QString target = dir_.filePath(QStringLiteral("remarks.t19"));
        QVERIFY(sheet.Write(target));
        const QByteArray file = TestFiles::read(target);
        QCOMPARE(file.size(), qsizetype(816 * 4 + 48 * 6));
        QCOMPARE(readU16(reinterpret_cast<const std::uint8_t*>(file.constData()) + kRemarkCount),
                 std::uint16_t(6));
        QCOMPARE(file.right(48), QByteArray(48, '\0'));
        QCOMPARE(file.mid(816 * 4 + 48 * 4, 10), QByteArray("poznamka 5"));
    }

    void reservationStopsAt254_data() {
        QTest::addColumn<int>("remarks");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("reservedBeforeFull");

        QTest::newRow("253 entries, no remark") << 253 << 0 << 1;
        QTest::newRow("253 entries, number past the table") << 253 << 400 << 1;
        QTest::newRow("254 entries") << 254 << 0 << 0;
        QTest::newRow("300 entries from the file") << 300 << 0 << 0;
    }

    void reservationStopsAt254() {
        QFETCH(int, remarks);
        QFETCH(int, entry);
        QFETCH(int, reservedBeforeFull);

        GroupSheet sheet;
        QVERIFY(load(sheet, remarks, static_cast<std::uint16_t>(entry)));
        QByteArray text;
        for (int n = 1; n <= reservedBeforeFull; ++n) {
            QCOMPARE(int(ReadRemark(sheet, 1, kMonth, kSlot, text, false)), remarks + n);
        }
        bool tableFull = false;
        QCOMPARE(int(ReadRemark(sheet, 1, kMonth, kSlot, text, false, &tableFull)), entry);
        QVERIFY(tableFull);
        QCOMPARE(sheet.remarkCount(), remarks + reservedBeforeFull);
    }

    void reservationsGrowPastTheRoomOfTheLoad() {
        // The table is allocated with room for 100 more entries than the file holds.
        GroupSheet sheet;
        QVERIFY(load(sheet, 3));
        QByteArray text;
        for (int n = 4; n <= kMaxRemarks; ++n) {
            QCOMPARE(int(ReadRemark(sheet, 1 + n % 3, n % 12, n % 2, text, false)), n);
        }
        QVERIFY(StoreRemark(sheet, kMaxRemarks, "posledna"));
        for (int n = 4; n < kMaxRemarks; ++n) {
            QCOMPARE(entryBytes(sheet, n), QByteArray(48, '\0'));
        }

        const QString target = dir_.filePath(QStringLiteral("grown.t19"));
        QVERIFY(sheet.Write(target));
        const QByteArray file = TestFiles::read(target);
        QCOMPARE(file.size(), qsizetype(816 * 4 + 48 * kMaxRemarks));
        QCOMPARE(file.mid(816 * 4, 10), QByteArray("poznamka 1"));
        QCOMPARE(file.right(48), QByteArray("posledna") + QByteArray(40, '\0'));
    }

    void storeRemarkRefuses_data() {
        QTest::addColumn<int>("remarks");
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("noRemark");

        QTest::newRow("empty text") << 5 << 2 << QByteArray() << true;
        QTest::newRow("leading blank") << 5 << 2 << QByteArray(" 5 +H") << true;
        QTest::newRow("only a blank") << 5 << 2 << QByteArray(" ") << true;
        QTest::newRow("number 0") << 5 << 0 << QByteArray("0") << false;
        QTest::newRow("negative number") << 5 << -1 << QByteArray("0") << false;
        QTest::newRow("number past the table") << 5 << 6 << QByteArray("0") << false;
        QTest::newRow("empty table") << 0 << 1 << QByteArray("0") << false;
    }

    void storeRemarkRefuses() {
        QFETCH(int, remarks);
        QFETCH(int, number);
        QFETCH(QByteArray, text);
        QFETCH(bool, noRemark);

        GroupSheet sheet;
        QVERIFY(load(sheet, remarks));
        QByteArray table;
        for (int n = 1; n <= remarks; ++n) {
            table += entryBytes(sheet, n);
        }
        QVERIFY(!StoreRemark(sheet, number, text));
        // Nor is a new entry taken for a month's text that is no remark.
        QVERIFY(!noRemark || StoreMonthRemark(sheet, 0, text) == 0);
        QByteArray after;
        for (int n = 1; n <= remarks; ++n) {
            after += entryBytes(sheet, n);
        }
        QCOMPARE(after, table);
        QCOMPARE(sheet.remarkCount(), remarks);
    }

    void zeroRemarkMarksTheMonthReported() {
        GroupSheet sheet;
        QVERIFY(load(sheet, 5));
        QVERIFY(sheet.IsReportMissing(3, kMonth, kSlot));
        QByteArray text;
        const std::uint16_t number = ReadRemark(sheet, 3, kMonth, kSlot, text, false);
        QVERIFY(StoreRemark(sheet, number, "0"));
        setRecordedEntry(sheet, 3, number); // as the report dialog does on acceptance
        QVERIFY(!sheet.IsReportMissing(3, kMonth, kSlot));
        QCOMPARE(int(ReadRemark(sheet, 3, kMonth, kSlot, text, true)), int(number));
        QCOMPARE(text, QByteArray("0"));
    }

    void storedTextComesBack_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("read");

        QTest::newRow("zero report") << QByteArray("0") << QByteArray("0");
        QTest::newRow("percent signs")
            << QByteArray("50% a %1 %%s %n") << QByteArray("50% a %1 %%s %n");
        QTest::newRow("Windows-1250 letters") << QByteArray("Chor\xE1, \x9E"
                                                            "a\x9E"
                                                            "enie")
                                              << QByteArray("Chor\xE1, \x9E"
                                                            "a\x9E"
                                                            "enie");
        QTest::newRow("36 characters") << QByteArray(36, 'x') << QByteArray(36, 'x');
        QTest::newRow("cut at 36") << QByteArray(36, 'y') + "ZZZZ" << QByteArray(36, 'y');
    }

    void storedTextComesBack() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, read);

        GroupSheet sheet;
        QVERIFY(load(sheet, 5));
        QByteArray got;
        const std::uint16_t number = ReadRemark(sheet, 2, kMonth, kSlot, got, false);
        QVERIFY(StoreRemark(sheet, number, text));
        setRecordedEntry(sheet, 2, number);
        QCOMPARE(entryBytes(sheet, number).at(kRemarkTextLimit), '\0');

        // Through the file and back.
        const QString path = dir_.filePath(QStringLiteral("stored.t19"));
        QVERIFY(sheet.Write(path));
        GroupSheet again;
        QVERIFY(again.Load(path));
        QCOMPARE(int(ReadRemark(again, 2, kMonth, kSlot, got, true)), int(number));
        QCOMPARE(got, read);
    }

    void shorterTextKeepsTheBytesBehindItsNul() {
        GroupSheet sheet;
        QVERIFY(load(sheet, 5));
        QVERIFY(StoreRemark(sheet, 4, "kratka"));
        QByteArray expected = QByteArray("kratka") + '\0' + QByteArray(41, 'W');
        expected[kRemarkTextLimit] = '\0';
        QCOMPARE(entryBytes(sheet, 4), expected);
    }

    void fullTableStillRewritesExistingEntries() {
        // Deliberately more lenient than refusing every text at 254: a remark the user typed into
        // an entry that exists is never dropped. Only new entries run out.
        GroupSheet sheet;
        QVERIFY(load(sheet, kMaxRemarks, 10));
        QByteArray text;
        QCOMPARE(int(ReadRemark(sheet, 1, kMonth, kSlot, text, false)), 10);
        QVERIFY(StoreRemark(sheet, 10, "nova"));
        QCOMPARE(int(ReadRemark(sheet, 1, kMonth, kSlot, text, true)), 10);
        QCOMPARE(text, QByteArray("nova"));
        QVERIFY(StoreRemark(sheet, kMaxRemarks, "posledna"));

        bool tableFull = false;
        QCOMPARE(int(ReadRemark(sheet, 2, kMonth, kSlot, text, false, &tableFull)), 0);
        QVERIFY(tableFull);
        QVERIFY(!StoreRemark(sheet, kMaxRemarks + 1, "nova"));
        QCOMPARE(sheet.remarkCount(), kMaxRemarks);

        // A sheet that came with more entries than we would ever reserve keeps them all writable.
        GroupSheet large;
        QVERIFY(load(large, 300, 280));
        QVERIFY(StoreRemark(large, 280, "zmenena"));
        QCOMPARE(int(ReadRemark(large, 1, kMonth, kSlot, text, true)), 280);
        QCOMPARE(text, QByteArray("zmenena"));
    }

private:
    // A sheet of three publishers and `remarks` entries "poznamka <n>"; entry 4, when there
    // is one, fills all 48 bytes without a NUL.
    bool load(GroupSheet& sheet, int remarks, std::uint16_t entryOfRecord1 = 0);

    QTemporaryDir dir_;
};

bool TestRemarks::load(GroupSheet& sheet, int remarks, std::uint16_t entryOfRecord1) {
    SheetBuilder builder;
    builder.addPublisher("Jan", "Novak");
    builder.addPublisher("Eva", "Mala");
    builder.addPublisher("Ivan", "Hora");
    for (int n = 1; n <= remarks; ++n) {
        builder.addRemark(n == 4 ? QByteArray(48, 'W') : "poznamka " + QByteArray::number(n));
    }
    builder.setRemarkEntry(1, kMonth, kSlot, entryOfRecord1);
    const QString path = dir_.filePath(QStringLiteral("remarks.t09"));
    return builder.writeTo(path) && sheet.Load(path) && sheet.remarkCount() == remarks;
}

QTEST_GUILESS_MAIN(TestRemarks)
#include "TestRemarks.moc"
