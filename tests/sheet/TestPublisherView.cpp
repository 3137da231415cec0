#include "GroupSheet.h"
#include "PublisherView.h"
#include "SheetBuilder.h"

#include <QBuffer>
#include <QTest>
#include <functional>

using namespace fyn;

namespace {

// May of the odd year: month slot 4 * 3 + 1 = 13, so u16 arrays hold it at their offset + 26.
constexpr int kMay = 4;
constexpr int kOdd = 1;

using Edit = std::function<void(MutablePublisherView&)>;
using Check = std::function<bool(const PublisherView&)>;

// A record whose every byte differs from its neighbours, so that a write in the wrong place
// shows.
PublisherRecordBytes patterned() {
    PublisherRecordBytes record{};
    for (std::size_t i = 0; i < record.size(); ++i) {
        record[i] = static_cast<std::uint8_t>(0x80 | (i * 7 % 127));
    }
    return record;
}

} // namespace

// The offsets in the rows are the format's own figures, written out rather than taken from the
// layout header, so that a wrong constant there cannot go unnoticed.
class TestPublisherView : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void setThenGet_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<Check>("check");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");

        auto month = [](MutablePublisherView& p) { return p.editMonth(kMay, kOdd); };
        auto row = [](const char* name, Edit edit, Check check, int offset, const char* hex) {
            QTest::newRow(name) << edit << check << offset << QByteArray::fromHex(hex);
        };
        row(
            "publications", [=](auto& p) { month(p).setPublications(0x1234); },
            [](const auto& p) { return p.month(kMay, kOdd).publications() == 0x1234; }, 266,
            "3412");
        row(
            "videos", [=](auto& p) { month(p).setVideos(4095); },
            [](const auto& p) { return p.month(kMay, kOdd).videos() == 4095; }, 338, "ff0f");
        row(
            "hours", [=](auto& p) { month(p).setHours(65535); },
            [](const auto& p) { return p.month(kMay, kOdd).hours() == 65535; }, 410, "ffff");
        row(
            "return visits", [=](auto& p) { month(p).setReturnVisits(511); },
            [](const auto& p) { return p.month(kMay, kOdd).returnVisits() == 511; }, 482, "ff01");
        // The pattern holds the word 0xCBC4 there: bits 12 .. 15 are Korbo's and stay, bit 10 is
        // cleared, bit 11 says in service.
        row(
            "studies and in service", [=](auto& p) { month(p).setStudiesAndService(63, true); },
            [](const auto& p) {
                const MonthEntryView entry = p.month(kMay, kOdd);
                return entry.studies() == 63 && entry.inService() && entry.carriedFlags() == 0xC000;
            },
            554, "3fc8");
        row(
            "not in service", [=](auto& p) { month(p).setStudiesAndService(0, false); },
            [](const auto& p) { return !p.month(kMay, kOdd).inService(); }, 554, "00c0");
        row(
            "remark number", [=](auto& p) { month(p).setRemarkNumber(254); },
            [](const auto& p) { return p.month(kMay, kOdd).remarkNumber() == 254; }, 626, "fe00");
        row(
            "credit hours", [=](auto& p) { month(p).setCreditHours(200); },
            [](const auto& p) { return p.month(kMay, kOdd).creditHours() == 200; }, 698, "c800");
        // Bits 2 .. 7 of the status byte (0xEC in the pattern) are carried.
        row(
            "pioneer status", [=](auto& p) { month(p).setPioneerStatus(2); },
            [](const auto& p) { return p.month(kMay, kOdd).pioneerStatus() == 2; }, 215, "ee");
        row(
            "late mark in May", [](auto& p) { p.markLate(kMay); },
            [](const auto& p) { return p.isMarkedLate(kMay); }, 156, "01");
        row(
            "late mark in August", [](auto& p) { p.markLate(7); },
            [](const auto& p) { return p.isMarkedLate(7); }, 162, "01");
    }

    void setThenGet() {
        QFETCH(Edit, edit);
        QFETCH(Check, check);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);

        const PublisherRecordBytes before = patterned();
        PublisherRecordBytes record = before;
        MutablePublisherView view(record.data());
        edit(view);
        QVERIFY(check(view));
        for (int i = 0; i < int(record.size()); ++i) {
            const bool edited = i >= offset && i < offset + bytes.size();
            const auto expected = edited ? static_cast<std::uint8_t>(bytes[i - offset])
                                         : before[static_cast<std::size_t>(i)];
            QVERIFY2(record[static_cast<std::size_t>(i)] == expected,
                     qPrintable(QStringLiteral("byte %1").arg(i)));
        }
    }

    void outsideTheSheetReadsEmptyAndWritesNothing_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("slot");
        QTest::newRow("record 0 is the header") << 0 << kMay << 0;
        QTest::newRow("past the last publisher") << 3 << kMay << 0;
        QTest::newRow("negative record") << -1 << kMay << 0;
        QTest::newRow("month 12") << 1 << 12 << 0;
        QTest::newRow("month -1") << 1 << -1 << 0;
        QTest::newRow("slot 3") << 1 << kMay << 3;
        QTest::newRow("slot -1") << 1 << kMay << -1;
    }

    void outsideTheSheetReadsEmptyAndWritesNothing() {
#ifndef QT_NO_DEBUG
        QSKIP("debug builds stop at the assertion instead");
#endif
        QFETCH(int, index);
        QFETCH(int, month);
        QFETCH(int, slot);
        SheetBuilder builder;
        builder.addPublisher("J\xE1n", "Nov\xE1k", "jan@example.sk", "0905 111 222");
        builder.addPublisher("Eva", "Mal\xE1");
        builder.setReport(1, kMay, 0, MonthReport{1, 2, 3, 4, 5, true, 6});
        QByteArray file = builder.build();
        QBuffer device(&file);
        QVERIFY(device.open(QIODevice::ReadOnly));
        GroupSheet sheet;
        QVERIFY(sheet.Read(device, QStringLiteral("views.t09")));
        const QByteArray before = sheet.Bytes();

        MutablePublisherView publisher = sheet.publisher(index);
        MonthEntry entry = publisher.editMonth(month, slot);
        entry.setHours(7);
        entry.setStudiesAndService(9, true);
        entry.setPioneerStatus(3);
        entry.setRemarkNumber(1);
        // A late mark needs only the publisher and the month, so the slot rows leave it out.
        const bool slotRow = index == 1 && month >= 0 && month < 12;
        if (!slotRow) {
            publisher.markLate(month);
            QVERIFY(!sheet.publisher(index).isMarkedLate(month));
        }
        QCOMPARE(entry.hours(), std::uint16_t(0));
        QVERIFY(!entry.inService());
        QCOMPARE(sheet.publisher(index).month(month, slot).isReported(), false);
        QCOMPARE(sheet.publisher(index).phone(3), QString());
        QCOMPARE(sheet.Bytes(), before);
    }

    void secretaryAddressStopsAtItsField() {
        SheetBuilder builder;
        builder.addPublisher("A", "B");
        builder.addPublisher("C", "D");
        // 63 characters and no terminator; the next field follows at once.
        builder.setHeaderBytes(44, QByteArray(63, 'a') + "X@evil.sk");
        QByteArray file = builder.build();
        QBuffer device(&file);
        QVERIFY(device.open(QIODevice::ReadOnly));
        GroupSheet sheet;
        QVERIFY(sheet.Read(device, QStringLiteral("header.t09")));
        QCOMPARE(sheet.header().secretaryEmail(), QString(63, QLatin1Char('a')));
        QCOMPARE(sheet.header().publisherCount(), 2);
    }
};

QTEST_GUILESS_MAIN(TestPublisherView)
#include "TestPublisherView.moc"
