#include "Remarks.h"

#include "GroupSheet.h"

#include <cstring>

namespace fyn {

using namespace layout;

QByteArray RemarkText(const GroupSheet& sheet, int number) {
    const auto* entry = reinterpret_cast<const char*>(sheet.RemarkEntry(number));
    return entry ? QByteArray(entry, static_cast<qsizetype>(strnlen(entry, kRemarkSize)))
                 : QByteArray();
}

QByteArray LookUpRemark(const GroupSheet& sheet, int index, int month, int yearSlot) {
    const std::uint16_t number = sheet.publisher(index).month(month, yearSlot).remarkNumber();
    return number >= 1 && number <= sheet.remarkCount() ? RemarkText(sheet, number) : QByteArray();
}

std::uint16_t ReadRemark(GroupSheet& sheet, int index, int month, int yearSlot, QByteArray& text,
                         bool lookupOnly, bool* tableFull) {
    text.clear();
    const std::uint16_t number = sheet.publisher(index).month(month, yearSlot).remarkNumber();
    if (number >= 1 && number <= sheet.remarkCount()) {
        text = RemarkText(sheet, number);
        return number;
    }
    if (lookupOnly) {
        return 0;
    }
    if (!sheet.ReserveRemarkEntry()) {
        if (tableFull) {
            *tableFull = true;
        }
        return number;
    }
    return static_cast<std::uint16_t>(sheet.remarkCount());
}

namespace {

// An empty or blank-led text is no remark.
bool isRemark(const QByteArray& text) {
    return !text.isEmpty() && text.front() != ' ';
}

} // namespace

bool StoreRemark(GroupSheet& sheet, int number, const QByteArray& text) {
    if (!isRemark(text)) {
        return false;
    }
    // An entry that exists can always be rewritten, also once the table is full: refusing it
    // would silently drop the remark the user just typed.
    if (number < 1 || number > sheet.remarkCount()) {
        return false;
    }
    std::uint8_t* entry = sheet.RemarkEntry(number);
    const QByteArray stored = text.left(kRemarkTextLimit);
    // Bytes behind the terminating NUL keep what they held, as the secretary's program wrote them.
    std::memcpy(entry, stored.constData(), static_cast<std::size_t>(stored.size()));
    entry[stored.size()] = 0;
    entry[kRemarkTextLimit] = 0;
    return true;
}

std::uint16_t StoreMonthRemark(GroupSheet& sheet, int number, const QByteArray& text,
                               bool* tableFull) {
    if (!isRemark(text)) {
        return 0;
    }
    if (number < 1 || number > sheet.remarkCount()) {
        if (!sheet.ReserveRemarkEntry()) {
            if (tableFull) {
                *tableFull = true;
            }
            return 0;
        }
        number = sheet.remarkCount();
    }
    return StoreRemark(sheet, number, text) ? static_cast<std::uint16_t>(number) : 0;
}

} // namespace fyn
