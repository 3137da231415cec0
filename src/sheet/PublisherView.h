#pragma once

#include "MonthEntry.h"
#include "SheetLayout.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace fyn {

// A publisher's record as a value, for the report dialog's private copy.
using PublisherRecordBytes = std::array<std::uint8_t, layout::kRecordSize>;

// A publisher's record read field by field, with its texts decoded. A view of no record
// (an index outside the sheet) reads as empty texts and zeros.
class PublisherView {
public:
    static constexpr int kPhoneCount = 3;

    PublisherView() = default;
    explicit PublisherView(const std::uint8_t* record) : record_(record) {}

    bool isValid() const { return record_ != nullptr; }

    QString firstName() const;
    QString surname() const;
    QString email() const;
    // Number 0 .. 2, at most the field's 15 bytes.
    QString phone(int number) const;
    // The numbers worth showing, in record order: one of 5 characters or fewer is no number.
    QStringList usablePhones() const;
    int groupNumber() const;
    // Bits 0 .. 1: none, ministerial servant, elder, baptized brother.
    int privilege() const;
    bool isMarkedLate(int month) const;
    MonthEntryView month(int month, int yearSlot) const;
    bool isReportMissing(int month, int yearSlot) const;

protected:
    const std::uint8_t* record_ = nullptr;
};

class MutablePublisherView : public PublisherView {
public:
    MutablePublisherView() = default;
    explicit MutablePublisherView(std::uint8_t* record)
        : PublisherView(record), writable_(record) {}

    MonthEntry editMonth(int month, int yearSlot);
    void markLate(int month);

private:
    std::uint8_t* writable_ = nullptr;
};

// Record 0: the secretary's address and the sheet's counts. Read only; the sheet store alone
// rewrites the remark count.
class SheetHeaderView {
public:
    SheetHeaderView() = default;
    explicit SheetHeaderView(const std::uint8_t* record) : record_(record) {}

    // At most the field's 63 bytes, never into the next field.
    QString secretaryEmail() const;
    // The byte read as signed: 128 and more come out negative, which no sheet may have.
    int publisherCount() const;
    int groupNumber() const;
    int remarkCount() const;
    int reportMonth() const;

private:
    const std::uint8_t* record_ = nullptr;
};

} // namespace fyn
