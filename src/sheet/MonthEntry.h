#pragma once

#include <cstddef>
#include <cstdint>

namespace fyn {

// One month of a publisher's record: the element of every per-month array for one month and
// year slot. A view made for an index outside the record reads as zeros and writes nothing,
// so no caller can reach past the record whatever a sheet or a bug hands it.
class MonthEntryView {
public:
    MonthEntryView() = default;
    MonthEntryView(const std::uint8_t* record, int month, int yearSlot);

    bool isValid() const { return record_ != nullptr; }

    std::uint16_t publications() const;
    std::uint16_t videos() const;
    std::uint16_t hours() const;
    std::uint16_t returnVisits() const;
    int studies() const;
    bool inService() const;
    // Bits 12 .. 15 of the studies word: Korbo's, kept as they are.
    std::uint16_t carriedFlags() const;
    // 1-based number of the remark entry, 0 for none.
    std::uint16_t remarkNumber() const;
    std::uint8_t creditHours() const;
    // Bits 0 .. 1 of the month's status byte (publisher, auxiliary, regular, special pioneer).
    int pioneerStatus() const;
    // The whole status byte, bits 2 .. 7 included.
    std::uint8_t statusByte() const;
    // Reported means in service or with a remark; a zero report is the remark "0".
    bool isReported() const { return inService() || remarkNumber() != 0; }

protected:
    std::uint16_t word(std::size_t arrayOffset) const;

    const std::uint8_t* record_ = nullptr;
    std::size_t slot_ = 0;
};

class MonthEntry : public MonthEntryView {
public:
    MonthEntry() = default;
    MonthEntry(std::uint8_t* record, int month, int yearSlot);

    void setPublications(std::uint16_t value);
    void setVideos(std::uint16_t value);
    void setHours(std::uint16_t value);
    void setReturnVisits(std::uint16_t value);
    // Stores the studies and the in-service flag; clears the bit Korbo asks cleared on every
    // store and keeps the carried flags.
    void setStudiesAndService(int studies, bool inService);
    void setRemarkNumber(std::uint16_t number);
    // Written as one byte, zero-extended.
    void setCreditHours(std::uint8_t hours);
    // Changes bits 0 .. 1 of the status byte only.
    void setPioneerStatus(int status);

private:
    void setWord(std::size_t arrayOffset, std::uint16_t value);

    std::uint8_t* writable_ = nullptr;
};

} // namespace fyn
