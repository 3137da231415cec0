#include "LargestSheet.h"

#include <QRandomGenerator>

namespace fyn {

using namespace layout;

SheetBuilder LargestSheet::builder() {
    SheetBuilder sheet;
    sheet.setGroupNumber(12);
    sheet.setReportMonth(10);
    sheet.setSecretaryEmail(QByteArrayLiteral("tajomnik@example.com"));
    QRandomGenerator random(127254);
    for (int p = 1; p <= kMaxPublishers; ++p) {
        const QByteArray number = QByteArray::number(p);
        const int index = sheet.addPublisher("Kry\x9Atof " + number,
                                             "\x8Ati\x9D"
                                             "astn\xFD-Kov\xE1\xE8" +
                                                 number,
                                             "zvestovatel." + number + "@example.com",
                                             "0905 123 " + number, "033/551 22 10", number);
        sheet.setStatus(index, static_cast<PioneerStatus>(p % 4));
        for (int month = 0; month < kMonths; ++month) {
            for (int slot = 0; slot < 2; ++slot) {
                sheet.setReport(index, month, slot,
                                {0, 0, static_cast<std::uint16_t>(random.bounded(100)), 0,
                                 static_cast<std::uint16_t>(random.bounded(5)), true, 0});
            }
        }
    }
    for (int n = 1; n <= kMaxRemarks; ++n) {
        sheet.addRemark("pozn\xE1mka " + QByteArray::number(n));
        sheet.setRemarkEntry(1 + n % kMaxPublishers, n % kMonths, n % 2,
                             static_cast<std::uint16_t>(n));
    }
    sheet.fillCarried(random);
    return sheet;
}

} // namespace fyn
