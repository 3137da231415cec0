#pragma once

#include <cstddef>
#include <cstdint>

// Every offset, width and bit of the secretary's sheet file. Korbo reads what we write,
// so nothing outside these fields may ever be interpreted or changed.
namespace fyn::layout {

inline constexpr std::size_t kRecordSize = 816;
inline constexpr std::size_t kRemarkSize = 48;

// Header (record 0), stored plain.
inline constexpr std::size_t kSecretaryEmail = 44;
inline constexpr std::size_t kSecretaryEmailWidth = 63;
inline constexpr std::size_t kPublisherCount = 180;
inline constexpr std::size_t kHeaderGroupNumber = 181;
inline constexpr std::size_t kRemarkCount = 184;
inline constexpr std::size_t kReportMonth = 238;

// Publisher records (1 .. publisherCount); the text fields are stored scrambled.
inline constexpr std::size_t kFirstName = 2;
inline constexpr std::size_t kSurname = 23;
inline constexpr std::size_t kNameWidth = 21;
inline constexpr std::size_t kEmail = 44;
inline constexpr std::size_t kEmailWidth = 63;
inline constexpr std::size_t kPhone1 = 107;
inline constexpr std::size_t kPhone2 = 122;
inline constexpr std::size_t kPhone3 = 137;
inline constexpr std::size_t kPhoneWidth = 15;
inline constexpr std::size_t kLateMarksFirstHalf = 152;  // January .. June at 152 + m
inline constexpr std::size_t kLateMarksSecondHalf = 161; // July .. December at 155 + m
inline constexpr std::size_t kLateMarksWidth = 9;
inline constexpr std::size_t kLateMarkSecondHalfBase = 155;
inline constexpr std::size_t kRecordGroupNumber = 181;
inline constexpr std::size_t kPioneerStatus = 202; // u8 per month slot
inline constexpr std::size_t kPrivilege = 239;
inline constexpr std::size_t kPublications = 240; // u16 per month slot from here on
inline constexpr std::size_t kVideos = 312;
inline constexpr std::size_t kHours = 384;
inline constexpr std::size_t kReturnVisits = 456;
inline constexpr std::size_t kStudiesAndFlags = 528;
inline constexpr std::size_t kRemarkEntry = 600;
inline constexpr std::size_t kCreditHours = 672;

// The terminating NULs that scrambling always writes, whatever the record held there.
inline constexpr std::size_t kForcedNuls[] = {22, 43, 106, 121, 160, 169};

struct ScrambledField {
    std::size_t offset;
    enum class Skip { Never, Always, UpToPosition29 } skip;
};
inline constexpr ScrambledField kScrambledFields[] = {
    {kFirstName, ScrambledField::Skip::Always},
    {kSurname, ScrambledField::Skip::Always},
    {kEmail, ScrambledField::Skip::UpToPosition29},
    {kPhone1, ScrambledField::Skip::Never},
    {kPhone2, ScrambledField::Skip::Never},
    {kPhone3, ScrambledField::Skip::Never},
    {kLateMarksFirstHalf, ScrambledField::Skip::Never},
    {kLateMarksSecondHalf, ScrambledField::Skip::Never},
};
inline constexpr std::size_t kLastSkippedEmailPosition = 29;

// Shared with Korbo: position i of a text is shifted by i + kShiftBase.
inline constexpr std::uint8_t kShiftBase = 61;
inline constexpr std::uint8_t kSkipByte = 256 - kShiftBase;

// Month arrays: three elements per month, the third carried.
inline constexpr int kMonths = 12;
inline constexpr int kSlotsPerMonth = 3;
constexpr int monthSlot(int month, int yearSlot) {
    return month * kSlotsPerMonth + yearSlot;
}

inline constexpr std::uint16_t kStudiesMask = 0x03FF;
inline constexpr std::uint16_t kInServiceBit = 0x0800;
inline constexpr std::uint16_t kCarriedFlagsMask = 0xF000;
inline constexpr std::uint8_t kStatusMask = 0x03;

enum PioneerStatus : std::uint8_t {
    Publisher = 0,
    AuxiliaryPioneer = 1,
    RegularPioneer = 2,
    SpecialPioneer = 3
};

// Limits of the sheet.
inline constexpr int kMaxPublishers = 127;
inline constexpr int kMaxRemarks = 254;
inline constexpr int kRemarkRoomOnLoad = 100;
inline constexpr int kRemarkTextLimit = 36;

} // namespace fyn::layout
