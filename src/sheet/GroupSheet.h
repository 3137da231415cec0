#pragma once

#include "PublisherView.h"
#include "SheetLayout.h"
#include "SheetResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QIODevice>
#include <QString>
#include <cstdint>
#include <vector>

namespace fyn {

// The one in-memory copy of a group's sheet: the header as record 0, the publisher records
// 1 .. publisherCount with plain texts, and the remark table.
class GroupSheet {
public:
    // Reads a sheet, replacing the current one. A file that cannot be opened, or that is no
    // sheet, is refused, and the current sheet stays as it was. A file shorter than its header
    // says (the header, publisherCount records, remarkCount entries) is no sheet: it is a
    // copy cut short, and taking it as whole would write empty records over the group.
    SheetResult Load(const QString& path);
    // The same from a device or from bytes; path names the sheet in the answer and in
    // sheetPath().
    SheetResult Read(QIODevice& device, const QString& path);
    SheetResult Read(QByteArrayView bytes, const QString& path);
    // Writes the whole sheet; refuses fewer than 2 publishers. The old file is replaced only
    // by complete new content, and the sheet in memory is never changed by a failed write.
    SheetResult Write(const QString& path);
    // The file's bytes as Write would store them, whatever the number of publishers.
    QByteArray Bytes() const;
    // The same into content, whose memory is reused.
    void BytesInto(QByteArray& content) const;
    bool AllocateBuffers();
    void ReleaseBuffers();

    // Publishers are numbered 1 .. publisherCount; any other number gives an empty view.
    PublisherView publisher(int index) const;
    MutablePublisherView publisher(int index);
    SheetHeaderView header() const;
    // A publisher's whole record, for editing a copy and putting it back on acceptance.
    PublisherRecordBytes CopyRecord(int index) const;
    void ReplaceRecord(int index, const PublisherRecordBytes& record);

    // Record 0 is the header. Null for an index outside 0 .. publisherCount.
    std::uint8_t* Record(int index);
    const std::uint8_t* Record(int index) const;
    // The one test of a missing report: not in service and no remark for that month.
    bool IsReportMissing(int index, int month, int yearSlot) const;
    void MarkLate(int index, int month);
    bool IsMarkedLate(int index, int month) const;

    // Sets startMonth and reportMonth to the month before today's and yearSlot to the parity
    // of that month's year.
    void SetMonthsFromDate(QDate today);
    // The calendar year of reportMonth, by the same rule as yearSlot, whose parity it has.
    int reportYear() const;

    int publisherCount() const { return publisherCount_; }
    int remarkCount() const { return remarkCount_; }
    int groupNumber() const { return groupNumber_; }
    bool buffersAllocated() const { return buffersAllocated_; }
    const QString& sheetPath() const { return sheetPath_; }
    void setSheetPath(const QString& path) { sheetPath_ = path; }

    int reportMonth = 0;
    int startMonth = 0;
    int yearSlot = 0;

    // The remark table; entry n (1-based) is 48 bytes. Null outside 1 .. remarkCount.
    std::uint8_t* RemarkEntry(int number);
    const std::uint8_t* RemarkEntry(int number) const;
    // Adds one blank entry, growing the table as needed; false at the limit of 254.
    bool ReserveRemarkEntry();

private:
    struct Buffers {
        std::vector<std::uint8_t> records;
        std::vector<std::uint8_t> remarks;
    };

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
