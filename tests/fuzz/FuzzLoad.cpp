// Fuzz target of GroupSheet::Load: any bytes as a sheet file. Whatever loads must be usable
// (names, remarks, month values) and, with two publishers or more, written and written again
// to the same bytes.

#include "GroupSheet.h"
#include "MessageBoxes.h"
#include "Remarks.h"
#include "SheetLayout.h"
#include "StringTable.h"
#include "Wording.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

class SilentMessageBoxes : public fyn::MessageBoxes {
public:
    void inform(const QString& /*text*/, Icon /*icon*/) override {}
    bool askYesNo(const QString& /*text*/) override { return false; }
};

// Files of the run, in memory-backed /dev/shm when there is one: every write is flushed.
class Scratch {
public:
    Scratch()
        : dir_(QDir(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath())
                   .filePath(QStringLiteral("fyn-fuzz-XXXXXX"))) {
        if (!dir_.isValid()) {
            std::fprintf(stderr, "fyn-fuzz-load: no scratch folder\n");
            std::abort();
        }
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

private:
    QTemporaryDir dir_;
};

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fyn-fuzz-load: %s\n", what);
        std::abort();
    }
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void useEverything(fyn::GroupSheet& sheet) {
    using namespace fyn;
    const Wording wording(StringTable::slovak(), sheet);
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        check(wording.PublisherName(index, true).size() <= 42, "name longer than its fields");
        wording.PublisherName(index, false);
        for (int month : {0, sheet.reportMonth, sheet.startMonth, 11}) {
            for (int slot = 0; slot < 2; ++slot) {
                QByteArray text;
                ReadRemark(sheet, index, month, slot, text, true);
                check(text.size() <= qsizetype(layout::kRemarkSize), "remark past its entry");
                sheet.MonthValue(index, month, slot, MonthField::Hours);
                sheet.IsReportMissing(index, month, slot);
                sheet.IsMarkedLate(index, month);
            }
        }
    }
    if (sheet.publisherCount() > 0) {
        QByteArray text;
        const int number = ReadRemark(sheet, 1, sheet.reportMonth, sheet.yearSlot, text, false);
        StoreRemark(sheet, number,
                    QByteArrayLiteral("5 +H %1 pozn\xE1mka, ktor\xE1 je dlh\x9Aia ako 36 znakov"));
        sheet.MarkLate(1, sheet.reportMonth);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fyn;
    static const Scratch scratch;
    const QString input = scratch.path("input.t09");
    const QString once = scratch.path("once.t19");
    const QString twice = scratch.path("twice.t19");
    {
        QFile file(input);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    SilentMessageBoxes boxes;
    GroupSheet sheet;
    sheet.SetMonthsFromDate(QDate(2027, 1, 15)); // with the January rule in play
    if (!sheet.Load(input)) {
        return 0;
    }
    check(sheet.publisherCount() >= 0 && sheet.publisherCount() <= layout::kMaxPublishers,
          "publisher count out of range");
    check(sheet.reportMonth >= 0 && sheet.reportMonth < layout::kMonths, "month out of range");
    useEverything(sheet);
    if (sheet.publisherCount() < 2) {
        return 0;
    }

    check(sheet.Write(once), "write failed");
    const QByteArray written = readAll(once);
    check(written.size() == qsizetype(layout::kRecordSize) * (sheet.publisherCount() + 1) +
                                qsizetype(layout::kRemarkSize) * sheet.remarkCount(),
          "written size");
    GroupSheet again;
    check(again.Load(once), "cannot load what was written");
    check(again.Write(twice), "second write failed");
    check(readAll(twice) == written, "a written sheet changes when loaded and written again");
    return 0;
}
