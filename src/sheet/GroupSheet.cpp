#include "GroupSheet.h"

#include "AtomicFile.h"
#include "LittleEndian.h"
#include "ScrambleRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fyn {

using namespace layout;

namespace {

constexpr qint64 kLargestSheet =
    (kMaxPublishers + 1) * qint64(kRecordSize) + 65535 * qint64(kRemarkSize);

QString absolute(const QString& path) {
    return QFileInfo(path).isRelative() ? QDir::currentPath() + QLatin1Char('/') + path : path;
}

} // namespace

bool GroupSheet::AllocateBuffers() {
    buffersAllocated_ = false;
    try {
        // Sized, not cleared: the reader fills every byte that counts, and an entry of the
        // room is cleared when it is reserved.
        buffers_.records.resize(static_cast<std::size_t>(publisherCount_ + 1) * kRecordSize);
        buffers_.remarks.resize(static_cast<std::size_t>(remarkCount_ + kRemarkRoomOnLoad) *
                                kRemarkSize);
    } catch (const std::bad_alloc&) {
        // Without buffers the sheet is empty, counts included.
        ReleaseBuffers();
        return false;
    }
    buffersAllocated_ = true;
    return true;
}

void GroupSheet::ReleaseBuffers() {
    // Without records the counts must say so, or Record() and Write() reach into freed memory.
    publisherCount_ = 0;
    remarkCount_ = 0;
    buffers_ = {};
    buffersAllocated_ = false;
}

SheetResult GroupSheet::Load(const QString& path) {
    // Opened here rather than by QFile, which keeps the system's error number to itself: the
    // user is told why the file cannot be read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {SheetResult::Kind::CannotRead, path, errno};
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        ::close(fd);
        return {SheetResult::Kind::CannotRead, path, EISDIR};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {SheetResult::Kind::CannotRead, path, EIO};
    }
    return Read(file, path);
}

SheetResult GroupSheet::Read(QIODevice& device, const QString& path) {
    // No sheet is larger than its counts allow, so a huge file is never read whole.
    return Read(device.read(kLargestSheet), path);
}

SheetResult GroupSheet::Read(QByteArrayView bytes, const QString& path) {
    if (bytes.size() < static_cast<qsizetype>(kRecordSize)) {
        return {SheetResult::Kind::NotASheet, path};
    }
    const SheetHeaderView headerView(reinterpret_cast<const std::uint8_t*>(bytes.data()));
    // A report month of 12 or more would index past the month arrays: outside the format,
    // like a negative count. Either way the sheet the user is working on stays.
    if (headerView.publisherCount() < 0 || headerView.reportMonth() >= kMonths) {
        return {SheetResult::Kind::NotASheet, path};
    }
    const auto recordBytes =
        static_cast<qsizetype>(kRecordSize) * (headerView.publisherCount() + 1);
    const auto remarkBytes = static_cast<qsizetype>(kRemarkSize) * headerView.remarkCount();
    if (bytes.size() < recordBytes + remarkBytes) {
        return {SheetResult::Kind::NotASheet, path};
    }

    // The buffers keep their memory for the next sheet; only the counts start afresh.
    publisherCount_ = headerView.publisherCount();
    groupNumber_ = headerView.groupNumber();
    remarkCount_ = headerView.remarkCount();
    reportMonth = headerView.reportMonth();
    // Decided afresh for every sheet: a January sheet must not leave its slot to the next
    // sheet loaded in the same run, whose months would overwrite those of two years ago.
    yearSlot = reportMonth == 0 && startMonth == 11 ? currentYear_ % 2 : startYearSlot_;
    if (!AllocateBuffers()) {
        return {SheetResult::Kind::OutOfMemory, path};
    }
    std::memcpy(buffers_.records.data(), bytes.data(), static_cast<std::size_t>(recordBytes));
    if (remarkBytes > 0) {
        std::memcpy(buffers_.remarks.data(), bytes.data() + recordBytes,
                    static_cast<std::size_t>(remarkBytes));
    }
    if (publisherCount_ != 0) {
        for (int i = 1; i <= publisherCount_; ++i) {
            ScrambleRecord(Record(i), ScrambleDirection::Unscramble);
        }
        sheetPath_ = path;
    }
    return {};
}

SheetResult GroupSheet::Write(const QString& path) {
    if (publisherCount_ < 2) {
        return {SheetResult::Kind::TooFewPublishers, path};
    }
    if (const AtomicFile::Outcome written = AtomicFile::replace(path, Bytes()); !written) {
        // Permission is what the user can change here; any other cause is named as it is.
        const bool readOnly = written.error == EACCES || written.error == EROFS;
        return {readOnly ? SheetResult::Kind::ReadOnly : SheetResult::Kind::CannotWrite,
                absolute(path), written.error};
    }
    writeU16(Record(0) + kRemarkCount, static_cast<std::uint16_t>(remarkCount_));
    return {};
}

QByteArray GroupSheet::Bytes() const {
    QByteArray content;
    BytesInto(content);
    return content;
}

void GroupSheet::BytesInto(QByteArray& content) const {
    if (!buffersAllocated_) {
        content.clear();
        return;
    }
    // The records are scrambled in a copy, so the sheet in memory stays as it is whatever
    // happens to the file.
    const std::size_t recordBytes = static_cast<std::size_t>(publisherCount_ + 1) * kRecordSize;
    const std::size_t remarkBytes = static_cast<std::size_t>(remarkCount_) * kRemarkSize;
    content.resize(static_cast<qsizetype>(recordBytes + remarkBytes));
    auto* out = reinterpret_cast<std::uint8_t*>(content.data());
    std::memcpy(out, buffers_.records.data(), recordBytes);
    std::memcpy(out + recordBytes, buffers_.remarks.data(), remarkBytes);
    writeU16(out + kRemarkCount, static_cast<std::uint16_t>(remarkCount_));
    for (int i = 1; i <= publisherCount_; ++i) {
        ScrambleRecord(out + static_cast<std::size_t>(i) * kRecordSize,
                       ScrambleDirection::Scramble);
    }
}

const std::uint8_t* GroupSheet::Record(int index) const {
    const bool valid = index >= 0 && index <= publisherCount_ && buffersAllocated_;
    Q_ASSERT_X(valid, "GroupSheet::Record", "record number out of range");
    return valid ? buffers_.records.data() + static_cast<std::size_t>(index) * kRecordSize
                 : nullptr;
}

std::uint8_t* GroupSheet::Record(int index) {
    return const_cast<std::uint8_t*>(std::as_const(*this).Record(index));
}

PublisherView GroupSheet::publisher(int index) const {
    return index >= 1 ? PublisherView(Record(index)) : PublisherView();
}

MutablePublisherView GroupSheet::publisher(int index) {
    return index >= 1 ? MutablePublisherView(Record(index)) : MutablePublisherView();
}

PublisherRecordBytes GroupSheet::CopyRecord(int index) const {
    PublisherRecordBytes copy{};
    if (const std::uint8_t* record = index >= 1 ? Record(index) : nullptr) {
        std::memcpy(copy.data(), record, kRecordSize);
    }
    return copy;
}

void GroupSheet::ReplaceRecord(int index, const PublisherRecordBytes& record) {
    if (std::uint8_t* target = index >= 1 ? Record(index) : nullptr) {
        std::memcpy(target, record.data(), kRecordSize);
    }
}

SheetHeaderView GroupSheet::header() const {
    return buffersAllocated_ ? SheetHeaderView(Record(0)) : SheetHeaderView();
}

bool GroupSheet::IsReportMissing(int index, int month, int slot) const {
    return publisher(index).isReportMissing(month, slot);
}

void GroupSheet::MarkLate(int index, int month) {
    publisher(index).markLate(month);
}

bool GroupSheet::IsMarkedLate(int index, int month) const {
    return publisher(index).isMarkedLate(month);
}

void GroupSheet::SetMonthsFromDate(QDate today) {
    currentYear_ = today.year();
    startMonth = today.month() == 1 ? 11 : today.month() - 2;
    reportMonth = startMonth;
    const int year = startMonth == 11 ? today.year() - 1 : today.year();
    yearSlot = ((year - 2000) % 2 + 2) % 2;
    startYearSlot_ = yearSlot;
}

int GroupSheet::reportYear() const {
    if (startMonth != 11) {
        return currentYear_;
    }
    // In January the start month is last December; a January sheet is this year's.
    return reportMonth == 0 ? currentYear_ : currentYear_ - 1;
}

const std::uint8_t* GroupSheet::RemarkEntry(int number) const {
    const bool valid = number >= 1 && number <= remarkCount_;
    Q_ASSERT_X(valid, "GroupSheet::RemarkEntry", "remark number out of range");
    return valid ? buffers_.remarks.data() + static_cast<std::size_t>(number - 1) * kRemarkSize
                 : nullptr;
}

std::uint8_t* GroupSheet::RemarkEntry(int number) {
    return const_cast<std::uint8_t*>(std::as_const(*this).RemarkEntry(number));
}

bool GroupSheet::ReserveRemarkEntry() {
    if (remarkCount_ >= kMaxRemarks) {
        return false;
    }
    const std::size_t needed = static_cast<std::size_t>(remarkCount_ + 1) * kRemarkSize;
    if (buffers_.remarks.size() < needed) {
        buffers_.remarks.resize(std::max(needed, buffers_.remarks.size() * 2), 0);
    }
    ++remarkCount_;
    std::memset(RemarkEntry(remarkCount_), 0, kRemarkSize);
    return true;
}

} // namespace fyn
