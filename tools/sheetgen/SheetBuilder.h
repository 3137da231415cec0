#pragma once

#include "SheetLayout.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class QRandomGenerator;

namespace fyn {

// One month's figures of a publisher, as the report dialog stores them.
struct MonthReport {
    std::uint16_t publications = 0;
    std::uint16_t videos = 0;
    std::uint16_t hours = 0;
    std::uint16_t returnVisits = 0;
    std::uint16_t studies = 0;
    bool inService = true;
    std::uint16_t creditHours = 0;
};

// Builds sheet files the way the secretary's program writes them. The records are held with
// plain texts, as GroupSheet holds them in memory; build() scrambles copies. Every setter takes
// Windows-1250 bytes and writes exactly the bytes it is given, so malformed sheets can be built
// as easily as good ones.
class SheetBuilder {
public:
    SheetBuilder();

    void setGroupNumber(std::uint8_t group);
    void setReportMonth(std::uint8_t month);
    void setSecretaryEmail(const QByteArray& email);
    void setHeaderBytes(std::size_t offset, const QByteArray& bytes);

    // Appends a publisher record and answers its index (1 ..).
    int addPublisher(const QByteArray& firstName, const QByteArray& surname,
                     const QByteArray& email = {}, const QByteArray& phone1 = {},
                     const QByteArray& phone2 = {}, const QByteArray& phone3 = {});
    void setRecordBytes(int index, std::size_t offset, const QByteArray& bytes);
    void setRecordByte(int index, std::size_t offset, std::uint8_t value);

    // One element of a u16 month array (layout::kPublications .. layout::kCreditHours).
    void setMonthValue(int index, std::size_t arrayOffset, int month, int slot,
                       std::uint16_t value);
    void setReport(int index, int month, int slot, const MonthReport& report);
    // Keeps the carried bits 2-7 of the status byte.
    void setStatus(int index, int month, int slot, layout::PioneerStatus status);
    // The same status in both year slots of every month.
    void setStatus(int index, layout::PioneerStatus status);
    void markLate(int index, int month);

    // Appends a remark entry holding text (cut to the entry's 48 bytes) and answers its number.
    int addRemark(const QByteArray& text);
    void setRemarkEntryBytes(int number, std::size_t offset, const QByteArray& bytes);
    void setRemarkEntry(int index, int month, int slot, std::uint16_t number);

    // Random bytes into everything the program only carries: the header's and records'
    // carried regions, the third slot of every month array, the carried bits of status,
    // privilege and studiesAndFlags, and the bytes behind the NUL of every text and remark.
    void fillCarried(QRandomGenerator& random);

    // Values for the count fields that differ from the real counts, for malformed sheets.
    void overridePublisherCount(std::uint8_t value) { publisherCountOverride_ = value; }
    void overrideRemarkCount(std::uint16_t value) { remarkCountOverride_ = value; }

    int publisherCount() const { return static_cast<int>(records_.size()) - 1; }
    int remarkCount() const { return static_cast<int>(remarks_.size()); }
    // The plain record i (0 = header) as it will be held in memory after loading.
    QByteArray plainRecord(int index) const;
    QByteArray remarkEntry(int number) const;

    // The file: header, scrambled records, remark entries.
    QByteArray build() const;
    bool writeTo(const QString& path) const;

private:
    using Block = std::vector<std::uint8_t>;
    std::uint8_t* record(int index);
    static void putBytes(Block& block, std::size_t offset, const QByteArray& bytes);
    static void putText(Block& block, std::size_t offset, std::size_t width,
                        const QByteArray& text);

    std::vector<Block> records_;
    std::vector<Block> remarks_;
    std::optional<std::uint8_t> publisherCountOverride_;
    std::optional<std::uint16_t> remarkCountOverride_;
};

} // namespace fyn
