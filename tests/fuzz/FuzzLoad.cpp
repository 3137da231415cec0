// Fuzz target of the sheet reader: any bytes as a sheet file. Whatever loads must be usable
// through the typed views, its texts in each code page an interface language reads sheets in,
// where they must survive decoding and encoding unchanged, and, with two publishers or more, it
// must be written and written again to the same bytes. Everything stays in memory, the sheets
// keep their buffers between runs and only the texts go through every code page, so the fuzzer
// spends its time in the reader rather than in the file system and the allocator.

#include "GroupSheet.h"
#include "Remarks.h"
#include "SheetLayout.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "Wording.h"

#include <QDate>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fyn-fuzz-load: %s\n", what);
        std::abort();
    }
}

fyn::SheetResult read(fyn::GroupSheet& sheet, QByteArrayView bytes) {
    static const QString path = QStringLiteral("fuzz.t09");
    return sheet.Read(bytes, path);
}

// A text that decodes without loss encodes back to the same bytes, one byte per character.
void roundTrip(const QString& text, const QByteArray* bytes = nullptr) {
    const std::optional<QByteArray> encoded = fyn::TextCodec::fromUnicode(text);
    check(!encoded || (encoded->size() == text.size() &&
                       (bytes ? *encoded == *bytes : fyn::TextCodec::toUnicode(*encoded) == text)),
          "a text changes through its code page");
}

// The texts as the current code page reads them: each within its fields, and unchanged through
// encoding. A name is taken as the list shows it; its separator is plain ASCII, so it survives
// the trip exactly when both names do. A record equal to the one before it reads the same in
// every view; a file shorter than its count ends in such records, all zeros, checked once.
void useTexts(const fyn::GroupSheet& sheet, const fyn::Wording& wording) {
    using namespace fyn;
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        if (index > 1 && sheet.CopyRecord(index) == sheet.CopyRecord(index - 1)) {
            continue;
        }
        const PublisherView publisher = sheet.publisher(index);
        const QString name = wording.PublisherName(index, true);
        check(name.size() <= 42, "name longer than its fields");
        roundTrip(name);
        const QString email = publisher.email();
        check(email.size() <= 63, "address longer than its field");
        roundTrip(email);
        const QByteArray remark = LookUpRemark(sheet, index, sheet.reportMonth, 0);
        roundTrip(TextCodec::toUnicode(remark), &remark);
    }
}

// What reads the same in every code page: the months, remarks and late marks are bytes and
// numbers, and a number is as long as its bytes, one character each.
void useFields(const fyn::GroupSheet& sheet) {
    using namespace fyn;
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        const PublisherView publisher = sheet.publisher(index);
        for (int phone = 0; phone < PublisherView::kPhoneCount; ++phone) {
            check(publisher.phone(phone).size() <= 15, "number past its field");
        }
        // The report month and the one furthest from it, in both year slots.
        for (int month : {sheet.reportMonth, (sheet.reportMonth + 6) % 12}) {
            for (int slot = 0; slot < 2; ++slot) {
                check(LookUpRemark(sheet, index, month, slot).size() <=
                          qsizetype(layout::kRemarkSize),
                      "remark past its entry");
                const MonthEntryView entry = publisher.month(month, slot);
                check(entry.studies() < 1024 && entry.pioneerStatus() < 4, "field past its bits");
                check(entry.isReported() == !sheet.IsReportMissing(index, month, slot),
                      "two answers to whether a report is missing");
            }
            publisher.isMarkedLate(month);
        }
    }
    check(sheet.header().secretaryEmail().size() <= 63, "secretary address past its field");
}

void throughEveryCodePage(const fyn::GroupSheet& sheet) {
    using namespace fyn;
    useFields(sheet);
    const Wording wording(StringTable::slovak(), sheet);
    for (const char* codePage :
         {"windows-1250", "windows-1252", "windows-1253", "windows-1254", "windows-1257"}) {
        TextCodec::useCodePage(QString::fromLatin1(codePage));
        useTexts(sheet, wording);
    }
}

// What the report dialog does on acceptance, through the same views.
void enterReport(fyn::GroupSheet& sheet) {
    using namespace fyn;
    // The remark table may grow: the views are taken after it has.
    const std::uint16_t remark = StoreMonthRemark(
        sheet,
        std::as_const(sheet).publisher(1).month(sheet.reportMonth, sheet.yearSlot).remarkNumber(),
        QByteArrayLiteral("5 +H %1 pozn\xE1mka, ktor\xE1 je dlh\x9Aia ako 36 znakov"));
    MutablePublisherView publisher = sheet.publisher(1);
    MonthEntry entry = publisher.editMonth(sheet.reportMonth, sheet.yearSlot);
    if (remark != 0) {
        entry.setRemarkNumber(remark);
    }
    const std::uint16_t carried = entry.carriedFlags();
    entry.setHours(65535);
    entry.setStudiesAndService(63, true);
    entry.setPioneerStatus(layout::AuxiliaryPioneer);
    check(entry.hours() == 65535 && entry.studies() == 63 && entry.inService() &&
              entry.carriedFlags() == carried && entry.pioneerStatus() == layout::AuxiliaryPioneer,
          "a month entry does not read back what was set");
    publisher.markLate(sheet.reportMonth);
}

// The secretary's scrambling measures each text when its turn comes, and the second and
// third numbers have no forced terminator: a number that fills its field runs on into the next
// one, which is then shifted twice, and reading in the same order cannot undo that exactly.
// Such a record is the format's own loss, like a character shifted to 0.
bool runsIntoTheNextField(const fyn::GroupSheet& sheet) {
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        const fyn::PublisherView publisher = sheet.publisher(index);
        if (publisher.phone(1).size() == 15 || publisher.phone(2).size() == 15) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fyn;
    static GroupSheet sheet;
    static GroupSheet again;
    static QByteArray written;
    static QByteArray rewritten;
    const QByteArrayView input(data, static_cast<qsizetype>(size));

    sheet.SetMonthsFromDate(QDate(2027, 1, 15)); // with the January rule in play
    if (!read(sheet, input)) {
        return 0;
    }
    check(sheet.publisherCount() >= 0 && sheet.publisherCount() <= layout::kMaxPublishers,
          "publisher count out of range");
    check(sheet.reportMonth >= 0 && sheet.reportMonth < layout::kMonths, "month out of range");
    throughEveryCodePage(sheet);
    if (sheet.publisherCount() < 2) {
        return 0;
    }
    enterReport(sheet);
    const bool exactRoundTrip = !runsIntoTheNextField(sheet);

    sheet.BytesInto(written);
    check(written.size() == qsizetype(layout::kRecordSize) * (sheet.publisherCount() + 1) +
                                qsizetype(layout::kRemarkSize) * sheet.remarkCount(),
          "written size");
    check(bool(read(again, written)), "cannot load what was written");
    again.BytesInto(rewritten);
    check(rewritten == written || !exactRoundTrip,
          "a written sheet changes when loaded and written again");
    return 0;
}
