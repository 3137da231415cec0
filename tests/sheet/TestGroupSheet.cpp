#include "GroupSheet.h"
#include "LittleEndian.h"
#include "Remarks.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TestFiles.h"
#include "TextIds.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <functional>

using namespace fyn;
using namespace fyn::layout;
using fyn::test::TestFiles;

namespace {

constexpr quint32 kPropertySeed = 0x46796e01;
constexpr int kPropertySheets = 200;

// Letters of Windows-1250 beyond ASCII: Š Ť Ž š ť ž Ľ ľ Á Ä Č É Í Ĺ Ň Ó Ô Ŕ Ú Ý á ä č é í ĺ ň ó
// ô ŕ ú ý, and the skip byte 195 (Ă).
const QByteArray kAccented =
    QByteArray::fromHex("8a8d8e9a9d9ebcbec1c4c8c9cdc5d2d3d4c0dadde1e4e8e9ede5f2f3f4e0fafdc3");

QByteArray randomText(QRandomGenerator& random, int maxLength, const QByteArray& alphabet,
                      bool withZeroShift) {
    const int length = static_cast<int>(random.bounded(maxLength + 1));
    QByteArray text;
    for (int i = 0; i < length; ++i) {
        const auto roll = random.bounded(16);
        if (withZeroShift && roll == 0 && i > 0) {
            text.append(static_cast<char>(195 - i)); // shifted to 0 at this position
        } else if (roll < 4) {
            text.append(kAccented.at(random.bounded(kAccented.size())));
        } else {
            text.append(alphabet.at(random.bounded(alphabet.size())));
        }
    }
    return text;
}

QByteArray letters() {
    return QByteArrayLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz -.'");
}

SheetBuilder randomSheet(QRandomGenerator& random) {
    SheetBuilder sheet;
    sheet.setGroupNumber(static_cast<std::uint8_t>(random.bounded(256)));
    sheet.setReportMonth(static_cast<std::uint8_t>(random.bounded(kMonths)));
    sheet.setSecretaryEmail(randomText(random, 62, letters() + "@;0123456789", false));
    const int publishers = static_cast<int>(random.bounded(2, kMaxPublishers + 1));
    const int remarks = static_cast<int>(random.bounded(kMaxRemarks + 1));
    const QByteArray digits = QByteArrayLiteral("0123456789 +/");
    for (int p = 0; p < publishers; ++p) {
        const int index = sheet.addPublisher(
            randomText(random, 20, letters(), true), randomText(random, 20, letters(), true),
            randomText(random, 62, letters() + "@_", true), randomText(random, 14, digits, true),
            randomText(random, 14, digits, false), randomText(random, 14, digits, false));
        for (int month = 0; month < kMonths; ++month) {
            for (int slot = 0; slot < 2; ++slot) {
                sheet.setStatus(index, month, slot, static_cast<PioneerStatus>(random.bounded(4)));
                if (random.bounded(3) != 0) {
                    sheet.setReport(index, month, slot,
                                    {static_cast<std::uint16_t>(random.bounded(4096)),
                                     static_cast<std::uint16_t>(random.bounded(4096)),
                                     static_cast<std::uint16_t>(random.bounded(65536)),
                                     static_cast<std::uint16_t>(random.bounded(512)),
                                     static_cast<std::uint16_t>(random.bounded(64)),
                                     random.bounded(2) == 0,
                                     static_cast<std::uint16_t>(random.bounded(256))});
                }
                if (random.bounded(8) == 0) {
                    // Sometimes beyond the table: a stale number that names no entry.
                    sheet.setRemarkEntry(index, month, slot,
                                         static_cast<std::uint16_t>(random.bounded(remarks + 3)));
                }
            }
            if (random.bounded(10) == 0) {
                sheet.markLate(index, month);
            }
        }
    }
    for (int n = 0; n < remarks; ++n) {
        sheet.addRemark(randomText(random, 47, letters() + "0123456789%+", false));
    }
    sheet.fillCarried(random);
    return sheet;
}

qsizetype firstDifference(const QByteArray& a, const QByteArray& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype at = 0; at < common; ++at) {
        if (a[at] != b[at]) {
            return at;
        }
    }
    return a.size() == b.size() ? -1 : common;
}

QByteArray records(const GroupSheet& sheet) {
    return QByteArray(reinterpret_cast<const char*>(sheet.Record(0)),
                      static_cast<qsizetype>(kRecordSize) * (sheet.publisherCount() + 1));
}

QByteArray field(const GroupSheet& sheet, int index, std::size_t offset) {
    return QByteArray(reinterpret_cast<const char*>(sheet.Record(index) + offset));
}

SheetBuilder threePublishers() {
    SheetBuilder sheet;
    sheet.setGroupNumber(9);
    sheet.setReportMonth(5);
    sheet.setSecretaryEmail(QByteArrayLiteral("tajomnik@example.com"));
    sheet.addPublisher("J\xE1n", "Nov\xE1k", "jan@example.com", "0905 111 222");
    sheet.addPublisher("Eva", "\x8A\x9D"
                              "astn\xE1");
    sheet.addPublisher("Peter",
                       "\xCF"
                       "urica",
                       {}, "112");
    sheet.addRemark("0");
    sheet.addRemark("5 +H");
    sheet.addRemark("chor\xFD");
    sheet.setRemarkEntry(1, 5, 0, 1);
    return sheet;
}

} // namespace

class TestGroupSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(dir_.isValid()); }

    void loadThenWriteGivesTheFileBack() {
        // Everything the program only carries is random here, names are full of the skip byte and
        // of bytes that scrambling turns into 0; the file must come back byte for byte, except
        // that remarks reserved in between are appended blank and counted in the header.
        QRandomGenerator random(kPropertySeed);
        const QString input = dir_.filePath(QStringLiteral("in.t09"));
        const QString output = dir_.filePath(QStringLiteral("out.t09"));
        for (int round = 0; round < kPropertySheets; ++round) {
            const QByteArray file = randomSheet(random).build();
            QVERIFY(TestFiles::write(input, file));

            GroupSheet sheet;
            QVERIFY(sheet.Load(input));
            const QByteArray loaded = records(sheet);
            const int remarksRead = sheet.remarkCount();

            for (auto reserve = random.bounded(4); reserve > 0; --reserve) {
                QByteArray text;
                ReadRemark(sheet, 1 + static_cast<int>(random.bounded(sheet.publisherCount())),
                           static_cast<int>(random.bounded(kMonths)),
                           static_cast<int>(random.bounded(2)), text, false);
            }
            const int reserved = sheet.remarkCount() - remarksRead;
            QByteArray expected =
                file + QByteArray(reserved * static_cast<qsizetype>(kRemarkSize), '\0');
            writeU16(reinterpret_cast<std::uint8_t*>(expected.data()) + kRemarkCount,
                     static_cast<std::uint16_t>(sheet.remarkCount()));

            const QString target = random.bounded(4) == 0 ? input : output;
            QVERIFY(sheet.Write(target));
            const QByteArray written = TestFiles::read(target);
            QVERIFY2(written == expected,
                     qPrintable(QStringLiteral("sheet %1 of seed %2: %3 publishers, first "
                                               "difference at byte %4")
                                    .arg(round)
                                    .arg(kPropertySeed)
                                    .arg(sheet.publisherCount())
                                    .arg(firstDifference(written, expected))));
            QByteArray expectedMemory = loaded;
            writeU16(reinterpret_cast<std::uint8_t*>(expectedMemory.data()) + kRemarkCount,
                     static_cast<std::uint16_t>(sheet.remarkCount()));
            QVERIFY2(records(sheet) == expectedMemory,
                     qPrintable(QStringLiteral("sheet %1: records changed by writing").arg(round)));
        }
    }

    void monthsFromDateAndJanuaryRule_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("sheetMonth");
        QTest::addColumn<int>("startMonth");
        QTest::addColumn<int>("slotAtStart");
        QTest::addColumn<int>("slotAfterLoad");

        QTest::newRow("15 Jan 2027, sheet of January") << QDate(2027, 1, 15) << 0 << 11 << 0 << 1;
        QTest::newRow("15 Jan 2027, sheet of December") << QDate(2027, 1, 15) << 11 << 11 << 0 << 0;
        QTest::newRow("15 Jan 2027, sheet of November") << QDate(2027, 1, 15) << 10 << 11 << 0 << 0;
        QTest::newRow("1 Jan 2026, sheet of January") << QDate(2026, 1, 1) << 0 << 11 << 1 << 0;
        QTest::newRow("3 Feb 2027, sheet of January") << QDate(2027, 2, 3) << 0 << 0 << 1 << 1;
        QTest::newRow("20 Mar 2026, sheet of February") << QDate(2026, 3, 20) << 1 << 1 << 0 << 0;
        QTest::newRow("10 Dec 2026, sheet of January") << QDate(2026, 12, 10) << 0 << 10 << 0 << 0;
        QTest::newRow("31 Dec 2026, sheet of November")
            << QDate(2026, 12, 31) << 10 << 10 << 0 << 0;
    }

    void monthsFromDateAndJanuaryRule() {
        QFETCH(QDate, today);
        QFETCH(int, sheetMonth);
        QFETCH(int, startMonth);
        QFETCH(int, slotAtStart);
        QFETCH(int, slotAfterLoad);

        GroupSheet sheet;
        sheet.SetMonthsFromDate(today);
        QCOMPARE(sheet.startMonth, startMonth);
        QCOMPARE(sheet.reportMonth, startMonth);
        QCOMPARE(sheet.yearSlot, slotAtStart);

        SheetBuilder builder = threePublishers();
        builder.setReportMonth(static_cast<std::uint8_t>(sheetMonth));
        QVERIFY(sheet.Load(put(QStringLiteral("month.t09"), builder.build())));
        QCOMPARE(sheet.startMonth, startMonth);
        QCOMPARE(sheet.reportMonth, sheetMonth);
        QCOMPARE(sheet.yearSlot, slotAfterLoad);
        // This year or last, of the slot's parity: one year alone.
        QVERIFY(sheet.reportYear() % 2 == sheet.yearSlot && sheet.reportYear() <= today.year() &&
                sheet.reportYear() >= today.year() - 1);
    }

    void yearSlotIsDecidedForEverySheet() {
        // A January sheet loaded first must not leave its slot to the December sheet loaded next:
        // December 2026 would then overwrite December 2024.
        GroupSheet sheet;
        sheet.SetMonthsFromDate(QDate(2027, 1, 15));
        SheetBuilder january = threePublishers();
        january.setReportMonth(0);
        QVERIFY(sheet.Load(put(QStringLiteral("january.t09"), january.build())));
        QCOMPARE(sheet.yearSlot, 1);
        SheetBuilder december = threePublishers();
        december.setReportMonth(11);
        QVERIFY(sheet.Load(put(QStringLiteral("december.t09"), december.build())));
        QCOMPARE(sheet.yearSlot, 0);
    }

    void sheetWithoutPublishersKeepsThePath() {
        SheetBuilder builder;
        builder.setReportMonth(3);
        builder.addRemark("kept");
        GroupSheet sheet;
        sheet.setSheetPath(QStringLiteral("/before/Skupina1.t09"));
        QVERIFY(sheet.Load(put(QStringLiteral("none.t09"), builder.build())));
        QCOMPARE(sheet.publisherCount(), 0);
        QVERIFY(sheet.buffersAllocated());
        QCOMPARE(sheet.reportMonth, 3);
        QCOMPARE(sheet.sheetPath(), QStringLiteral("/before/Skupina1.t09"));
    }

    // The user learns why: the system's error comes with the refusal.
    void missingFileIsRefused() {
        GroupSheet sheet;
        const QString first = put(QStringLiteral("first.t09"), threePublishers().build());
        QVERIFY(sheet.Load(first));
        const QByteArray before = sheet.Bytes();

        const SheetResult refused = sheet.Load(dir_.filePath(QStringLiteral("absent.t09")));
        QCOMPARE(refused.kind, SheetResult::Kind::CannotRead);
        QCOMPARE(refused.error, ENOENT);
        QCOMPARE(sheet.Bytes(), before);
        QCOMPARE(sheet.sheetPath(), first);
    }

    // A sheet is a group only from two publishers on; anything less is not written at all.
    void writeNeedsTwoPublishers_data() {
        QTest::addColumn<int>("publishers");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
    }

    void writeNeedsTwoPublishers() {
        QFETCH(int, publishers);
        SheetBuilder builder;
        for (int p = 0; p < publishers; ++p) {
            builder.addPublisher("J\xE1n", "Samotn\xFD");
        }
        for (int n = 0; n < 7; ++n) {
            builder.addRemark("r");
        }
        GroupSheet sheet;
        QVERIFY(sheet.Load(put(QStringLiteral("small.t09"), builder.build())));
        QCOMPARE(sheet.publisherCount(), publishers);

        const QString target = dir_.filePath(QStringLiteral("small.t19"));
        const SheetResult result = sheet.Write(target);
        if (publishers < 2) {
            QCOMPARE(result.kind, SheetResult::Kind::TooFewPublishers);
            QVERIFY(!QFileInfo::exists(target));
        } else {
            QVERIFY(result);
            QCOMPARE(QFileInfo(target).size(), qint64(816 * 3 + 48 * 7));
        }
    }

    void writeKeepsTheSheetPlainAndScramblesTheFile() {
        GroupSheet sheet;
        QVERIFY(sheet.Load(put(QStringLiteral("plain.t09"), threePublishers().build())));
        const QByteArray before = records(sheet);
        const QString target = dir_.filePath(QStringLiteral("plain.t19"));
        QVERIFY(sheet.Write(target));
        QCOMPARE(records(sheet), before);
        QCOMPARE(field(sheet, 1, kSurname), QByteArray("Nov\xE1k"));

        const QByteArray file = TestFiles::read(target);
        QVERIFY(file.contains("tajomnik@example.com"));
        QVERIFY(file.contains("chor\xFD"));
        QVERIFY(!file.contains("Nov\xE1k"));
        QVERIFY(!file.contains("jan@example.com"));
        QVERIFY(!file.contains("0905 111 222"));
    }

    void reservedRemarksRaiseTheStoredCount() {
        const QByteArray original = threePublishers().build();
        GroupSheet sheet;
        QVERIFY(sheet.Load(put(QStringLiteral("reserve.t09"), original)));
        QByteArray text;
        QCOMPARE(ReadRemark(sheet, 2, 0, 0, text, false), std::uint16_t(4));
        QCOMPARE(ReadRemark(sheet, 3, 7, 1, text, false), std::uint16_t(5));

        const QString target = dir_.filePath(QStringLiteral("reserve.t19"));
        QVERIFY(sheet.Write(target));
        const QByteArray written = TestFiles::read(target);
        QCOMPARE(readU16(reinterpret_cast<const std::uint8_t*>(written.constData()) + kRemarkCount),
                 std::uint16_t(5));
        QCOMPARE(written.size(), original.size() + 2 * 48);
        QCOMPARE(written.right(96), QByteArray(96, '\0'));
        QCOMPARE(readU16(sheet.Record(0) + kRemarkCount), std::uint16_t(5));
    }

    void foreignFileIsRefused_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::newRow("publisher count 0x80") << int(kPublisherCount) << 0x80;
        QTest::newRow("publisher count 0xFF") << int(kPublisherCount) << 0xFF;
        QTest::newRow("report month 12") << int(kReportMonth) << 12;
        QTest::newRow("report month 0xFF") << int(kReportMonth) << 0xFF;
    }

    void foreignFileIsRefused() {
        QFETCH(int, offset);
        QFETCH(int, value);
        GroupSheet sheet;
        const QString good = put(QStringLiteral("good.t09"), threePublishers().build());
        QVERIFY(sheet.Load(good));
        const QByteArray before = records(sheet);
        const int month = sheet.reportMonth;

        QByteArray foreign = threePublishers().build();
        foreign[offset] = static_cast<char>(value);
        const QString path = put(QStringLiteral("foreign.t09"), foreign);
        const SheetResult refused = sheet.Load(path);
        QCOMPARE(refused.kind, SheetResult::Kind::NotASheet);
        QCOMPARE(refused.path, path);
        QCOMPARE(sheet.publisherCount(), 3);
        QCOMPARE(sheet.remarkCount(), 3);
        QCOMPARE(sheet.reportMonth, month);
        QCOMPARE(sheet.sheetPath(), good);
        QCOMPARE(records(sheet), before);
    }

    void releasedSheetIsEmpty() {
        GroupSheet sheet;
        QVERIFY(sheet.Load(put(QStringLiteral("release.t09"), threePublishers().build())));
        sheet.ReleaseBuffers();
        QVERIFY(!sheet.buffersAllocated());
        QCOMPARE(sheet.publisherCount(), 0);
        QCOMPARE(sheet.remarkCount(), 0);

        const QString target = dir_.filePath(QStringLiteral("release.t19"));
        QCOMPARE(sheet.Write(target).kind, SheetResult::Kind::TooFewPublishers);
        QVERIFY(!QFileInfo::exists(target));
    }

    void monthValue_data() {
        using Read = std::function<int(const MonthEntryView&)>;
        QTest::addColumn<int>("seed");
        QTest::addColumn<Read>("read");
        QTest::addColumn<int>("arrayOffset");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("expected");

        const Read publications = [](const MonthEntryView& e) { return int(e.publications()); };
        const Read videos = [](const MonthEntryView& e) { return int(e.videos()); };
        const Read hours = [](const MonthEntryView& e) { return int(e.hours()); };
        const Read visits = [](const MonthEntryView& e) { return int(e.returnVisits()); };
        const Read studies = [](const MonthEntryView& e) { return e.studies(); };
        QTest::newRow("publications") << 0 << publications << int(kPublications) << 4095 << 4095;
        QTest::newRow("videos") << 1 << videos << int(kVideos) << 258 << 258;
        QTest::newRow("hours") << 2 << hours << int(kHours) << 65535 << 65535;
        QTest::newRow("return visits") << 3 << visits << int(kReturnVisits) << 511 << 511;
        QTest::newRow("studies without flags")
            << 4 << studies << int(kStudiesAndFlags) << 0xF80A << 10;
        QTest::newRow("studies all ten bits")
            << 4 << studies << int(kStudiesAndFlags) << 0x07FF << 1023;
    }

    void monthValue() {
        using Read = std::function<int(const MonthEntryView&)>;
        QFETCH(int, seed);
        QFETCH(Read, read);
        QFETCH(int, arrayOffset);
        QFETCH(int, stored);
        QFETCH(int, expected);

        SheetBuilder builder = threePublishers();
        QRandomGenerator random(seed);
        builder.fillCarried(random); // the third slot of every month is random
        const auto offset = static_cast<std::size_t>(arrayOffset);
        builder.setMonthValue(2, offset, 7, 1, static_cast<std::uint16_t>(stored));
        builder.setMonthValue(2, offset, 7, 0, 3);
        builder.setMonthValue(2, offset, 8, 1, 4);
        GroupSheet sheet;
        QVERIFY(sheet.Load(put(QStringLiteral("values.t09"), builder.build())));

        QCOMPARE(read(sheet.publisher(2).month(7, 1)), expected);
        QCOMPARE(read(sheet.publisher(2).month(7, 0)), 3);
        QCOMPARE(read(sheet.publisher(2).month(8, 1)), 4);
        QCOMPARE(read(sheet.publisher(1).month(7, 1)), 0);
    }

    void markLate_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("offset");
        const int offsets[] = {152, 153, 154, 155, 156, 157, 161, 162, 163, 164, 165, 166};
        for (int month = 0; month < kMonths; ++month) {
            QTest::addRow("month %d", month) << month << offsets[month];
        }
    }

    void markLate() {
        QFETCH(int, month);
        QFETCH(int, offset);
        SheetBuilder builder = threePublishers();
        QRandomGenerator random(static_cast<quint32>(month));
        builder.fillCarried(random);
        GroupSheet sheet;
        QVERIFY(sheet.Load(put(QStringLiteral("late.t09"), builder.build())));
        QByteArray expected = records(sheet);
        expected[static_cast<qsizetype>(2 * kRecordSize) + offset] = 1;

        sheet.MarkLate(2, month);
        QCOMPARE(records(sheet).toHex(), expected.toHex());
        for (int other = 0; other < kMonths; ++other) {
            QCOMPARE(sheet.IsMarkedLate(2, other), other == month);
        }
    }

    void isMarkedLateOnlyForOne_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<bool>("late");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("2") << 2 << false;
        QTest::newRow("62, as stored") << 62 << false;
        QTest::newRow("0xFF") << 0xFF << false;
    }

    void isMarkedLateOnlyForOne() {
        QFETCH(int, byte);
        QFETCH(bool, late);
        GroupSheet sheet;
        QVERIFY(sheet.Load(put(QStringLiteral("flag.t09"), threePublishers().build())));
        sheet.Record(1)[kLateMarksFirstHalf + 4] = static_cast<std::uint8_t>(byte);
        sheet.Record(1)[kLateMarkSecondHalfBase + 10] = static_cast<std::uint8_t>(byte);
        QCOMPARE(sheet.IsMarkedLate(1, 4), late);
        QCOMPARE(sheet.IsMarkedLate(1, 10), late);
    }

private:
    QString put(const QString& name, const QByteArray& bytes);

    QTemporaryDir dir_;
};

QString TestGroupSheet::put(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    if (!TestFiles::write(path, bytes)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

QTEST_GUILESS_MAIN(TestGroupSheet)
#include "TestGroupSheet.moc"
