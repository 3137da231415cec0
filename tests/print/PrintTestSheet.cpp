#include "PrintTestSheet.h"

#include "StringTable.h"

#include <QTest>

namespace fyn::test {

PrintTestSheet::PrintTestSheet(const SheetBuilder& builder, int month, int yearSlot)
    : path_(dir_.filePath(QStringLiteral("Skupina.t09"))), wording_(StringTable::slovak(), sheet_),
      month_(month) {
    if (!builder.writeTo(path_) || !sheet_.Load(path_)) {
        qFatal("the test sheet could not be written and loaded");
    }
    sheet_.yearSlot = yearSlot;
}

SheetBuilder PrintTestSheet::numbered(int count, int month) {
    SheetBuilder builder;
    builder.setReportMonth(static_cast<std::uint8_t>(month));
    for (int i = 1; i <= count; ++i) {
        builder.addPublisher(QStringLiteral("Meno%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1(),
                             "Test");
    }
    return builder;
}

QByteArray PrintTestSheet::bytesOf(const GroupSheet& sheet) {
    QByteArray all;
    for (int i = 0; i <= sheet.publisherCount(); ++i) {
        all.append(reinterpret_cast<const char*>(sheet.Record(i)),
                   static_cast<qsizetype>(layout::kRecordSize));
    }
    for (int n = 1; n <= sheet.remarkCount(); ++n) {
        all.append(reinterpret_cast<const char*>(sheet.RemarkEntry(n)),
                   static_cast<qsizetype>(layout::kRemarkSize));
    }
    return all;
}

} // namespace fyn::test
