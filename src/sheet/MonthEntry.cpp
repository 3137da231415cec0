#include "MonthEntry.h"

#include "LittleEndian.h"
#include "SheetLayout.h"

#include <QtGlobal>

namespace fyn {

using namespace layout;

namespace {

bool validMonth(int month, int yearSlot) {
    return month >= 0 && month < kMonths && yearSlot >= 0 && yearSlot < kSlotsPerMonth;
}

const std::uint8_t* checkedRecord(const std::uint8_t* record, int month, int yearSlot) {
    Q_ASSERT_X(validMonth(month, yearSlot), "MonthEntry", "month or year slot out of range");
    return validMonth(month, yearSlot) ? record : nullptr;
}

} // namespace

MonthEntryView::MonthEntryView(const std::uint8_t* record, int month, int yearSlot)
    : record_(checkedRecord(record, month, yearSlot)),
      slot_(record_ ? static_cast<std::size_t>(monthSlot(month, yearSlot)) : 0) {}

std::uint16_t MonthEntryView::word(std::size_t arrayOffset) const {
    return record_ ? readU16(record_ + arrayOffset + 2 * slot_) : 0;
}

std::uint16_t MonthEntryView::publications() const {
    return word(kPublications);
}
std::uint16_t MonthEntryView::videos() const {
    return word(kVideos);
}
std::uint16_t MonthEntryView::hours() const {
    return word(kHours);
}
std::uint16_t MonthEntryView::returnVisits() const {
    return word(kReturnVisits);
}
int MonthEntryView::studies() const {
    return word(kStudiesAndFlags) & kStudiesMask;
}
bool MonthEntryView::inService() const {
    return (word(kStudiesAndFlags) & kInServiceBit) != 0;
}
std::uint16_t MonthEntryView::carriedFlags() const {
    return word(kStudiesAndFlags) & kCarriedFlagsMask;
}
std::uint16_t MonthEntryView::remarkNumber() const {
    return word(kRemarkEntry);
}
std::uint8_t MonthEntryView::creditHours() const {
    return static_cast<std::uint8_t>(word(kCreditHours) & 0xFF);
}
std::uint8_t MonthEntryView::statusByte() const {
    return record_ ? record_[kPioneerStatus + slot_] : 0;
}
int MonthEntryView::pioneerStatus() const {
    return statusByte() & kStatusMask;
}

MonthEntry::MonthEntry(std::uint8_t* record, int month, int yearSlot)
    : MonthEntryView(record, month, yearSlot), writable_(record_ ? record : nullptr) {}

void MonthEntry::setWord(std::size_t arrayOffset, std::uint16_t value) {
    if (writable_) {
        writeU16(writable_ + arrayOffset + 2 * slot_, value);
    }
}

void MonthEntry::setPublications(std::uint16_t value) {
    setWord(kPublications, value);
}
void MonthEntry::setVideos(std::uint16_t value) {
    setWord(kVideos, value);
}
void MonthEntry::setHours(std::uint16_t value) {
    setWord(kHours, value);
}
void MonthEntry::setReturnVisits(std::uint16_t value) {
    setWord(kReturnVisits, value);
}

void MonthEntry::setStudiesAndService(int studies, bool inService) {
    auto value = static_cast<std::uint16_t>((studies & kStudiesMask) | carriedFlags());
    if (inService) {
        value |= kInServiceBit;
    }
    setWord(kStudiesAndFlags, value);
}

void MonthEntry::setRemarkNumber(std::uint16_t number) {
    setWord(kRemarkEntry, number);
}
void MonthEntry::setCreditHours(std::uint8_t hours) {
    setWord(kCreditHours, hours);
}

void MonthEntry::setPioneerStatus(int status) {
    if (writable_) {
        std::uint8_t& byte = writable_[kPioneerStatus + slot_];
        byte = static_cast<std::uint8_t>((byte & ~kStatusMask) | (status & kStatusMask));
    }
}

} // namespace fyn
