#include "MalformedSheets.h"

#include "SheetLayout.h"
#include "TextCodec.h"

namespace fyn {

using namespace layout;

namespace {

QByteArray cp1250(const char* utf8) {
    return TextCodec::fromUnicode(QString::fromUtf8(utf8)).value_or(QByteArray());
}

QByteArray withRemarkEntryBeyondCount() {
    SheetBuilder sheet = MalformedSheets::base();
    sheet.setRemarkEntry(2, 4, 0, 9);
    return sheet.build();
}

QByteArray withCounts(std::optional<std::uint8_t> publishers,
                      std::optional<std::uint16_t> remarks) {
    SheetBuilder sheet = MalformedSheets::base();
    if (publishers) {
        sheet.overridePublisherCount(*publishers);
    }
    if (remarks) {
        sheet.overrideRemarkCount(*remarks);
    }
    return sheet.build();
}

QByteArray withReportMonth(std::uint8_t month) {
    SheetBuilder sheet = MalformedSheets::base();
    sheet.setReportMonth(month);
    return sheet.build();
}

QByteArray withOnePublisher() {
    SheetBuilder sheet;
    sheet.addPublisher(cp1250("Ján"), cp1250("Samotný"));
    return sheet.build();
}

// Every text field of record 1 filled to its last byte, so each runs into the next one in
// the file; scrambling still forces its NULs.
QByteArray withUnterminatedTexts() {
    QByteArray file = MalformedSheets::base().build();
    const auto first = static_cast<qsizetype>(kRecordSize + kFirstName);
    const auto end = static_cast<qsizetype>(kRecordSize + kLateMarksSecondHalf + kLateMarksWidth);
    for (qsizetype at = first; at < end; ++at) {
        file[at] = static_cast<char>(0x41 + at % 26);
    }
    return file;
}

} // namespace

SheetBuilder MalformedSheets::base() {
    SheetBuilder sheet;
    sheet.setGroupNumber(7);
    sheet.setReportMonth(4);
    sheet.setSecretaryEmail(QByteArrayLiteral("tajomnik@example.com"));
    sheet.addPublisher(cp1250("Ján"), cp1250("Malý"), QByteArrayLiteral("jan@example.com"),
                       QByteArrayLiteral("0905 111 222"));
    sheet.addPublisher(cp1250("Eva"), cp1250("Veľká"));
    sheet.addPublisher(cp1250("Ondrej"), cp1250("Štíhly"), {}, QByteArrayLiteral("123"));
    const int zero = sheet.addRemark(QByteArrayLiteral("0"));
    const int credit = sheet.addRemark(QByteArrayLiteral("5 +H"));
    sheet.setRemarkEntry(1, 4, 0, static_cast<std::uint16_t>(zero));
    sheet.setRemarkEntry(3, 3, 0, static_cast<std::uint16_t>(credit));
    sheet.setReport(3, 3, 0, MonthReport{0, 0, 60, 0, 2, true, 5});
    return sheet;
}

std::vector<MalformedSheet> MalformedSheets::all() {
    const QByteArray whole = base().build();
    const auto halfRecord = static_cast<qsizetype>(kRecordSize / 2);
    return {
        {QStringLiteral("empty.t09"), QByteArray()},
        {QStringLiteral("short-header.t09"), whole.left(100)},
        {QStringLiteral("header-only.t09"), SheetBuilder().build()},
        {QStringLiteral("one-publisher.t09"), withOnePublisher()},
        {QStringLiteral("count-0x80.t09"), withCounts(0x80, std::nullopt)},
        {QStringLiteral("count-0xff.t09"), withCounts(0xFF, std::nullopt)},
        {QStringLiteral("report-month-12.t09"), withReportMonth(12)},
        {QStringLiteral("report-month-255.t09"), withReportMonth(255)},
        {QStringLiteral("truncated-record.t09"),
         whole.left(static_cast<qsizetype>(2 * kRecordSize) + halfRecord)},
        {QStringLiteral("truncated-remarks.t09"),
         whole.left(whole.size() - static_cast<qsizetype>(kRemarkSize / 2))},
        {QStringLiteral("remark-count-65535.t09"), withCounts(std::nullopt, 65535)},
        {QStringLiteral("remark-entry-beyond-count.t09"), withRemarkEntryBeyondCount()},
        {QStringLiteral("unterminated-texts.t09"), withUnterminatedTexts()},
    };
}

} // namespace fyn
