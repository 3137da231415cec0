#include "SheetBuilder.h"

#include "LittleEndian.h"
#include "ScrambleRecord.h"

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cstring>
#include <utility>

namespace fyn {

using namespace layout;

namespace {

using Range = std::pair<std::size_t, std::size_t>; // [first, last)

constexpr Range kHeaderCarried[] = {{0, 44}, {107, 180}, {182, 184}, {186, 238}, {239, 816}};
constexpr Range kRecordCarried[] = {{0, 2},     {158, 160}, {167, 169}, {170, 181},
                                    {182, 202}, {238, 239}, {744, 816}};
constexpr std::size_t kU16Arrays[] = {kPublications,    kVideos,      kHours,      kReturnVisits,
                                      kStudiesAndFlags, kRemarkEntry, kCreditHours};

struct TextField {
    std::size_t offset;
    std::size_t width;
};
// The last byte of the first four fields is a forced NUL and stays out of the tails.
constexpr TextField kRecordTexts[] = {{kFirstName, kNameWidth - 1}, {kSurname, kNameWidth - 1},
                                      {kEmail, kEmailWidth - 1},    {kPhone1, kPhoneWidth - 1},
                                      {kPhone2, kPhoneWidth},       {kPhone3, kPhoneWidth}};

constexpr std::uint8_t kCarriedStatusBits = static_cast<std::uint8_t>(~kStatusMask);

std::uint8_t randomByte(QRandomGenerator& random) {
    return static_cast<std::uint8_t>(random.bounded(256));
}

void fillRange(std::uint8_t* block, Range range, QRandomGenerator& random) {
    for (std::size_t at = range.first; at < range.second; ++at) {
        block[at] = randomByte(random);
    }
}

// Random bytes behind the first NUL of a text of the given width; nothing when the text fills
// the width.
void fillTail(std::uint8_t* text, std::size_t width, QRandomGenerator& random) {
    const auto* nul = static_cast<std::uint8_t*>(std::memchr(text, 0, width));
    if (nul == nullptr) {
        return;
    }
    fillRange(text, {static_cast<std::size_t>(nul - text) + 1, width}, random);
}

std::size_t u16Element(std::size_t arrayOffset, int month, int slot) {
    return arrayOffset + 2 * static_cast<std::size_t>(monthSlot(month, slot));
}

} // namespace

SheetBuilder::SheetBuilder() : records_(1, Block(kRecordSize, 0)) {}

std::uint8_t* SheetBuilder::record(int index) {
    return records_.at(static_cast<std::size_t>(index)).data();
}

void SheetBuilder::putBytes(Block& block, std::size_t offset, const QByteArray& bytes) {
    if (offset >= block.size()) {
        return;
    }
    const std::size_t count =
        std::min(static_cast<std::size_t>(bytes.size()), block.size() - offset);
    std::memcpy(block.data() + offset, bytes.constData(), count);
}

void SheetBuilder::putText(Block& block, std::size_t offset, std::size_t width,
                           const QByteArray& text) {
    std::memset(block.data() + offset, 0, width);
    putBytes(block, offset, text.left(static_cast<qsizetype>(width)));
}

void SheetBuilder::setGroupNumber(std::uint8_t group) {
    record(0)[kHeaderGroupNumber] = group;
}

void SheetBuilder::setReportMonth(std::uint8_t month) {
    record(0)[kReportMonth] = month;
}

void SheetBuilder::setSecretaryEmail(const QByteArray& email) {
    putText(records_[0], kSecretaryEmail, kSecretaryEmailWidth, email);
}

void SheetBuilder::setHeaderBytes(std::size_t offset, const QByteArray& bytes) {
    putBytes(records_[0], offset, bytes);
}

int SheetBuilder::addPublisher(const QByteArray& firstName, const QByteArray& surname,
                               const QByteArray& email, const QByteArray& phone1,
                               const QByteArray& phone2, const QByteArray& phone3) {
    Block block(kRecordSize, 0);
    putText(block, kFirstName, kNameWidth, firstName);
    putText(block, kSurname, kNameWidth, surname);
    putText(block, kEmail, kEmailWidth, email);
    putText(block, kPhone1, kPhoneWidth, phone1);
    putText(block, kPhone2, kPhoneWidth, phone2);
    putText(block, kPhone3, kPhoneWidth, phone3);
    block[kRecordGroupNumber] = records_[0][kHeaderGroupNumber];
    records_.push_back(std::move(block));
    return publisherCount();
}

void SheetBuilder::setRecordBytes(int index, std::size_t offset, const QByteArray& bytes) {
    putBytes(records_.at(static_cast<std::size_t>(index)), offset, bytes);
}

void SheetBuilder::setRecordByte(int index, std::size_t offset, std::uint8_t value) {
    record(index)[offset] = value;
}

void SheetBuilder::setMonthValue(int index, std::size_t arrayOffset, int month, int slot,
                                 std::uint16_t value) {
    writeU16(record(index) + u16Element(arrayOffset, month, slot), value);
}

void SheetBuilder::setReport(int index, int month, int slot, const MonthReport& report) {
    setMonthValue(index, kPublications, month, slot, report.publications);
    setMonthValue(index, kVideos, month, slot, report.videos);
    setMonthValue(index, kHours, month, slot, report.hours);
    setMonthValue(index, kReturnVisits, month, slot, report.returnVisits);
    const auto flags = static_cast<std::uint16_t>(report.inService ? kInServiceBit : 0);
    setMonthValue(index, kStudiesAndFlags, month, slot,
                  static_cast<std::uint16_t>((report.studies & kStudiesMask) | flags));
    setMonthValue(index, kCreditHours, month, slot, report.creditHours);
}

void SheetBuilder::setStatus(int index, int month, int slot, PioneerStatus status) {
    std::uint8_t& byte =
        record(index)[kPioneerStatus + static_cast<std::size_t>(monthSlot(month, slot))];
    byte = static_cast<std::uint8_t>((byte & kCarriedStatusBits) | status);
}

void SheetBuilder::setStatus(int index, PioneerStatus status) {
    for (int month = 0; month < kMonths; ++month) {
        setStatus(index, month, 0, status);
        setStatus(index, month, 1, status);
    }
}

void SheetBuilder::markLate(int index, int month) {
    const auto m = static_cast<std::size_t>(month);
    record(index)[month < 6 ? kLateMarksFirstHalf + m : kLateMarkSecondHalfBase + m] = 1;
}

int SheetBuilder::addRemark(const QByteArray& text) {
    Block entry(kRemarkSize, 0);
    putBytes(entry, 0, text.left(static_cast<qsizetype>(kRemarkSize)));
    remarks_.push_back(std::move(entry));
    return remarkCount();
}

void SheetBuilder::setRemarkEntryBytes(int number, std::size_t offset, const QByteArray& bytes) {
    putBytes(remarks_.at(static_cast<std::size_t>(number - 1)), offset, bytes);
}

void SheetBuilder::setRemarkEntry(int index, int month, int slot, std::uint16_t number) {
    setMonthValue(index, kRemarkEntry, month, slot, number);
}

void SheetBuilder::fillCarried(QRandomGenerator& random) {
    std::uint8_t* header = record(0);
    for (const Range& range : kHeaderCarried) {
        fillRange(header, range, random);
    }
    fillTail(header + kSecretaryEmail, kSecretaryEmailWidth, random);

    for (int index = 1; index <= publisherCount(); ++index) {
        std::uint8_t* block = record(index);
        for (const Range& range : kRecordCarried) {
            fillRange(block, range, random);
        }
        for (const TextField& field : kRecordTexts) {
            fillTail(block + field.offset, field.width, random);
        }
        block[kPrivilege] = static_cast<std::uint8_t>((randomByte(random) & kCarriedStatusBits) |
                                                      (block[kPrivilege] & kStatusMask));
        for (int month = 0; month < kMonths; ++month) {
            block[kPioneerStatus + static_cast<std::size_t>(monthSlot(month, 2))] =
                randomByte(random);
            for (const std::size_t array : kU16Arrays) {
                writeU16(block + u16Element(array, month, 2),
                         static_cast<std::uint16_t>(random.bounded(65536)));
            }
            for (int slot = 0; slot < 2; ++slot) {
                std::uint8_t& status =
                    block[kPioneerStatus + static_cast<std::size_t>(monthSlot(month, slot))];
                status = static_cast<std::uint8_t>((randomByte(random) & kCarriedStatusBits) |
                                                   (status & kStatusMask));
                std::uint8_t* flags = block + u16Element(kStudiesAndFlags, month, slot);
                const auto carried = static_cast<std::uint16_t>(random.bounded(16) << 12);
                writeU16(flags, static_cast<std::uint16_t>((readU16(flags) & ~kCarriedFlagsMask) |
                                                           carried));
            }
        }
    }
    for (Block& entry : remarks_) {
        fillTail(entry.data(), kRemarkSize, random);
    }
}

QByteArray SheetBuilder::plainRecord(int index) const {
    const Block& block = records_.at(static_cast<std::size_t>(index));
    return QByteArray(reinterpret_cast<const char*>(block.data()),
                      static_cast<qsizetype>(block.size()));
}

QByteArray SheetBuilder::remarkEntry(int number) const {
    const Block& entry = remarks_.at(static_cast<std::size_t>(number - 1));
    return QByteArray(reinterpret_cast<const char*>(entry.data()),
                      static_cast<qsizetype>(entry.size()));
}

QByteArray SheetBuilder::build() const {
    QByteArray file;
    file.reserve(
        static_cast<qsizetype>(records_.size() * kRecordSize + remarks_.size() * kRemarkSize));
    Block header = records_[0];
    header[kPublisherCount] =
        publisherCountOverride_.value_or(static_cast<std::uint8_t>(publisherCount()));
    writeU16(header.data() + kRemarkCount,
             remarkCountOverride_.value_or(static_cast<std::uint16_t>(remarkCount())));
    file.append(reinterpret_cast<const char*>(header.data()), kRecordSize);
    for (std::size_t index = 1; index < records_.size(); ++index) {
        Block scrambled = records_[index];
        ScrambleRecord(scrambled.data(), ScrambleDirection::Scramble);
        file.append(reinterpret_cast<const char*>(scrambled.data()), kRecordSize);
    }
    for (const Block& entry : remarks_) {
        file.append(reinterpret_cast<const char*>(entry.data()), kRemarkSize);
    }
    return file;
}

bool SheetBuilder::writeTo(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray content = build();
    return file.write(content) == content.size() && file.flush();
}

} // namespace fyn
