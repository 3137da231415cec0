#pragma once

#include "PublisherView.h"
#include "SheetLayout.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

namespace fyn {

class MessageBoxes;
class StringTable;

enum class MonthField {
    Publications = 0,
    Videos = 1,
    Hours = 2,
    ReturnVisits = 3,
    BibleStudies = 4
};

// The one in-memory copy of a group's sheet: the header as record 0, the publisher records
// 1 .. publisherCount with plain texts, and the remark table.
class GroupSheet {
public:
    GroupSheet(MessageBoxes& messages, const StringTable& strings);

    // Reads a sheet, replacing the current one. A file that cannot be opened leaves an empty
    // sheet and answers true. A file that is no sheet is refused with a message; the current
    // sheet then stays loaded and the answer is false, as it is when memory runs out.
    bool Load(const QString& path);
    // Writes the whole sheet; refuses fewer than 2 publishers. The old file is replaced only
    // by complete new content, and the sheet in memory is never changed by a failed write.
    bool Write(const QString& path);
    bool AllocateBuffers();
    void ReleaseBuffers();
    void ShowWriteError(const QString& path) const;

    // Publishers are numbered 1 .. publisherCount; any other number gives an empty view.
    PublisherView publisher(int index) const;
    MutablePublisherView publisher(int index);
    SheetHeaderView header() const;

    // Record 0 is the header. Null for an index outside 0 .. publisherCount.
    std::uint8_t* Record(int index);
    const std::uint8_t* Record(int index) const;
    std::uint16_t MonthValue(int index, int month, int yearSlot, MonthField field) const;
    // The one test of a missing report: not in service and no remark for that month.
    bool IsReportMissing(int index, int month, int yearSlot) const;
    void MarkLate(int index, int month);
    bool IsMarkedLate(int index, int month) const;

    // Sets startMonth and reportMonth to the month before today's and yearSlot to the parity
    // of that month's year.
    void SetMonthsFromDate(QDate today);

    int publisherCount() const { return publisherCount_; }
    int remarkCount() const { return remarkCount_; }
    int groupNumber() const { return groupNumber_; }
    bool buffersAllocated() const { return buffersAllocated_; }
    const QString& sheetPath() const { return sheetPath_; }
    void setSheetPath(const QString& path) { sheetPath_ = path; }

    int reportMonth = 0;
    int startMonth = 0;
    int yearSlot = 0;

    // The remark table; entry n (1-based) is 48 bytes.
    std::uint8_t* RemarkEntry(int number);
    const std::uint8_t* RemarkEntry(int number) const;
    // Adds one blank entry, growing the table as needed; false at the limit of 254.
    bool ReserveRemarkEntry();

    MessageBoxes& messages() const { return messages_; }
    const StringTable& strings() const { return strings_; }

private:
    struct Buffers {
        std::vector<std::uint8_t> records;
        std::vector<std::uint8_t> remarks;
    };

    MessageBoxes& messages_;
    const StringTable& strings_;
    Buffers buffers_;
    int publisherCount_ = 0;
    int remarkCount_ = 0;
    int groupNumber_ = 0;
    int currentYear_ = 2000;
    int startYearSlot_ = 0;
    bool buffersAllocated_ = false;
    QString sheetPath_;
};

} // namespace fyn
