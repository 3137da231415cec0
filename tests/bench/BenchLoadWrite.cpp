// Load + Write of the largest sheet (127 publishers, 254 remarks), in microseconds per round.
// Write flushes the file to disk, so the rounds are timed four ways: loading alone, loading
// with the in-memory part of writing (copying and scrambling, no file), writing to a folder in
// memory (/dev/shm, where the flush costs nothing), and writing to the temporary folder on disk.

#include "GroupSheet.h"
#include "LargestSheet.h"
#include "RecordingMessageBoxes.h"
#include "ScrambleRecord.h"
#include "StringTable.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

using namespace fyn;
using namespace fyn::layout;

namespace {

// What Write does before the file: the records scrambled in a copy, the remarks behind them.
QByteArray buildInMemory(GroupSheet& sheet) {
    const std::size_t recordBytes = (sheet.publisherCount() + 1) * kRecordSize;
    QByteArray content(static_cast<qsizetype>(recordBytes + sheet.remarkCount() * kRemarkSize),
                       Qt::Uninitialized);
    auto* out = reinterpret_cast<std::uint8_t*>(content.data());
    std::memcpy(out, sheet.Record(0), recordBytes);
    for (int n = 1; n <= sheet.remarkCount(); ++n) {
        std::memcpy(out + recordBytes + (n - 1) * kRemarkSize, sheet.RemarkEntry(n), kRemarkSize);
    }
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        ScrambleRecord(out + index * kRecordSize, ScrambleDirection::Scramble);
    }
    return content;
}

double medianMicroseconds(int rounds, const std::function<void()>& round) {
    using Clock = std::chrono::steady_clock;
    for (int warmUp = 0; warmUp < std::min(rounds, 20); ++warmUp) {
        round();
    }
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(rounds));
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        round();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fyn-bench-load-write: %s\n", what);
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    test::RecordingMessageBoxes boxes;
    GroupSheet sheet;

    QTemporaryDir disk;
    const bool haveShm = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    QTemporaryDir memory(haveShm ? QStringLiteral("/dev/shm/fyn-bench-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/fyn-bench-XXXXXX"));
    require(disk.isValid() && memory.isValid(), "no temporary folder");
    const QString input = disk.filePath(QStringLiteral("largest.t09"));
    const SheetBuilder largest = LargestSheet::builder();
    require(largest.writeTo(input), "cannot write the sheet");
    require(sheet.Load(input).ok() && sheet.publisherCount() == kMaxPublishers &&
                sheet.remarkCount() == kMaxRemarks,
            "cannot load the sheet");

    const QString onDisk = disk.filePath(QStringLiteral("largest.t19"));
    const QString inMemory = memory.filePath(QStringLiteral("largest.t19"));
    qsizetype built = 0;
    const double load = medianMicroseconds(rounds, [&] { sheet.Load(input); });
    const double loadBuild = medianMicroseconds(rounds, [&] {
        sheet.Load(input);
        built += buildInMemory(sheet).size();
    });
    const double loadWriteMemory = medianMicroseconds(rounds, [&] {
        sheet.Load(input);
        require(sheet.Write(inMemory).ok(), "write failed");
    });
    const double loadWriteDisk = medianMicroseconds(std::max(1, rounds / 10), [&] {
        sheet.Load(input);
        require(sheet.Write(onDisk).ok(), "write failed");
    });
    require(built > 0 && boxes.shown().isEmpty(), "unexpected messages");

    std::printf("largest sheet: %d publishers, %d remarks, %lld bytes; median of %d rounds\n",
                sheet.publisherCount(), sheet.remarkCount(),
                static_cast<long long>(largest.build().size()), rounds);
    std::printf("  Load                          %9.1f us\n", load);
    std::printf("  Load + in-memory write        %9.1f us\n", loadBuild);
    std::printf("  Load + Write, %-15s %9.1f us\n", haveShm ? "/dev/shm" : "temp folder",
                loadWriteMemory);
    std::printf("  Load + Write, disk (fsync)    %9.1f us\n", loadWriteDisk);
    return 0;
}
