// Compares the sheet file that a killed Fyn left behind with the sheet it started from: the
// reports named on the command line are in it, and nothing else changed. crash_safety.sh runs it.
//
//   fyn-crash-check ORIGINAL RESULT [report:INDEX:HOURS:STUDIES | zero:INDEX]...
//
// The reports are in the sheet's report month, in the year slot that today's date gives, as Fyn
// computes it at start.

#include "GroupSheet.h"
#include "LittleEndian.h"
#include "RecordingMessageBoxes.h"
#include "SheetComparison.h"
#include "StringTable.h"

#include <QDate>
#include <QStringList>
#include <cstdio>

using namespace fyn;
using namespace fyn::layout;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: fyn-crash-check ORIGINAL RESULT [report:I:H:S | zero:I]...\n", stderr);
        return 2;
    }
    fyn::test::RecordingMessageBoxes messages;
    GroupSheet before;
    GroupSheet after;
    after.SetMonthsFromDate(QDate::currentDate());
    if (!before.Load(QString::fromLocal8Bit(argv[1])) ||
        !after.Load(QString::fromLocal8Bit(argv[2])) || after.publisherCount() == 0) {
        std::fputs("fyn-crash-check: cannot load the sheets\n", stderr);
        return 2;
    }
    const int month = after.reportMonth;
    const int slot = after.yearSlot;
    const auto k = 2 * static_cast<std::size_t>(monthSlot(month, slot));
    const auto value = [k](GroupSheet& sheet, int index, std::size_t array) {
        return readU16(sheet.Record(index) + array + k);
    };

    QStringList problems;
    QList<fyn::test::EditedEntry> edits;
    int taken = 0; // remark entries: one per zero report, none for a month only shown
    for (int arg = 3; arg < argc; ++arg) {
        const QStringList parts = QString::fromLocal8Bit(argv[arg]).split(QLatin1Char(':'));
        const int index = parts.value(1).toInt();
        if (index < 1 || index > after.publisherCount()) {
            problems << QStringLiteral("bad argument %1").arg(QString::fromLocal8Bit(argv[arg]));
            continue;
        }
        edits.append({index, month, slot, false});
        const std::uint16_t flags = value(after, index, kStudiesAndFlags);
        const std::uint16_t carried = value(before, index, kStudiesAndFlags) & kCarriedFlagsMask;
        if (parts.value(0) == QStringLiteral("report") && parts.size() == 4) {
            const int hours = parts[2].toInt();
            const int studies = parts[3].toInt();
            if (value(after, index, kHours) != hours ||
                flags != (carried | kInServiceBit | studies)) {
                problems << QStringLiteral("publisher %1: hours %2, studies and flags %3")
                                .arg(index)
                                .arg(value(after, index, kHours))
                                .arg(flags, 4, 16, QLatin1Char('0'));
            }
        } else if (parts.value(0) == QStringLiteral("zero")) {
            ++taken;
            const int number = value(after, index, kRemarkEntry);
            if (number <= before.remarkCount() || number > after.remarkCount() ||
                QByteArray(reinterpret_cast<const char*>(after.RemarkEntry(number))) != "0" ||
                flags != carried) {
                problems << QStringLiteral("publisher %1: no zero report").arg(index);
            }
        } else {
            problems << QStringLiteral("bad argument %1").arg(QString::fromLocal8Bit(argv[arg]));
        }
    }
    if (after.remarkCount() != before.remarkCount() + taken) {
        problems << QStringLiteral("%1 remarks, expected %2")
                        .arg(after.remarkCount())
                        .arg(before.remarkCount() + taken);
    }
    problems << fyn::test::unexpectedDifferences(before, after, edits);
    for (const QString& problem : problems) {
        std::fprintf(stderr, "fyn-crash-check: %s\n", qPrintable(problem));
    }
    return problems.isEmpty() ? 0 : 1;
}
