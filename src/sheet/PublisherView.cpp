#include "PublisherView.h"

#include "LittleEndian.h"
#include "TextCodec.h"

#include <QtGlobal>

namespace fyn {

using namespace layout;

namespace {

constexpr std::size_t kPhoneFields[PublisherView::kPhoneCount] = {kPhone1, kPhone2, kPhone3};

bool validMonth(int month) {
    Q_ASSERT_X(month >= 0 && month < kMonths, "PublisherView", "month out of range");
    return month >= 0 && month < kMonths;
}

std::size_t lateMarkOffset(int month) {
    const auto m = static_cast<std::size_t>(month);
    return month < 6 ? kLateMarksFirstHalf + m : kLateMarkSecondHalfBase + m;
}

QString field(const std::uint8_t* record, std::size_t offset, std::size_t width) {
    return record ? TextCodec::fieldToUnicode(record + offset, width) : QString();
}

} // namespace

QString PublisherView::firstName() const {
    return field(record_, kFirstName, kNameWidth);
}
QString PublisherView::surname() const {
    return field(record_, kSurname, kNameWidth);
}
QString PublisherView::email() const {
    return field(record_, kEmail, kEmailWidth);
}

QString PublisherView::phone(int number) const {
    Q_ASSERT_X(number >= 0 && number < kPhoneCount, "PublisherView", "phone out of range");
    if (number < 0 || number >= kPhoneCount) {
        return {};
    }
    return field(record_, kPhoneFields[number], kPhoneWidth);
}

QStringList PublisherView::usablePhones() const {
    constexpr qsizetype kShortestUsableNumber = 6;
    QStringList numbers;
    for (int number = 0; number < kPhoneCount; ++number) {
        QString text = phone(number);
        if (text.size() >= kShortestUsableNumber) {
            numbers.append(std::move(text));
        }
    }
    return numbers;
}

int PublisherView::groupNumber() const {
    return record_ ? static_cast<std::int8_t>(record_[kRecordGroupNumber]) : 0;
}

int PublisherView::privilege() const {
    return record_ ? record_[kPrivilege] & kStatusMask : 0;
}

bool PublisherView::isMarkedLate(int month) const {
    return record_ && validMonth(month) && record_[lateMarkOffset(month)] == 1;
}

MonthEntryView PublisherView::month(int month, int yearSlot) const {
    return record_ ? MonthEntryView(record_, month, yearSlot) : MonthEntryView();
}

bool PublisherView::isReportMissing(int month, int yearSlot) const {
    return !this->month(month, yearSlot).isReported();
}

MonthEntry MutablePublisherView::editMonth(int month, int yearSlot) {
    return writable_ ? MonthEntry(writable_, month, yearSlot) : MonthEntry();
}

void MutablePublisherView::markLate(int month) {
    if (writable_ && validMonth(month)) {
        writable_[lateMarkOffset(month)] = 1;
    }
}

QString SheetHeaderView::secretaryEmail() const {
    return field(record_, kSecretaryEmail, kSecretaryEmailWidth);
}

int SheetHeaderView::publisherCount() const {
    return record_ ? static_cast<std::int8_t>(record_[kPublisherCount]) : 0;
}

int SheetHeaderView::groupNumber() const {
    return record_ ? record_[kHeaderGroupNumber] : 0;
}
int SheetHeaderView::remarkCount() const {
    return record_ ? readU16(record_ + kRemarkCount) : 0;
}
int SheetHeaderView::reportMonth() const {
    return record_ ? record_[kReportMonth] : 0;
}

} // namespace fyn
