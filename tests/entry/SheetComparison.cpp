#include "SheetComparison.h"

#include "GroupSheet.h"
#include "SheetLayout.h"

#include <set>

namespace fyn::test {

using namespace layout;

namespace {

std::set<std::size_t> editableOffsets(int index, const QList<EditedEntry>& edits) {
    std::set<std::size_t> offsets;
    for (const EditedEntry& edit : edits) {
        if (edit.index != index) {
            continue;
        }
        const auto k = static_cast<std::size_t>(monthSlot(edit.month, edit.yearSlot));
        offsets.insert(kPioneerStatus + k);
        for (const std::size_t array : {kPublications, kVideos, kHours, kReturnVisits,
                                        kStudiesAndFlags, kRemarkEntry, kCreditHours}) {
            offsets.insert(array + 2 * k);
            offsets.insert(array + 2 * k + 1);
        }
        if (edit.markedLate) {
            const auto m = static_cast<std::size_t>(edit.month);
            offsets.insert(edit.month < 6 ? 152 + m : 155 + m);
        }
    }
    return offsets;
}

void compareBytes(const std::uint8_t* before, const std::uint8_t* after, std::size_t size,
                  const std::set<std::size_t>& allowed, const QString& what,
                  QStringList& differences) {
    for (std::size_t at = 0; at < size; ++at) {
        if (before[at] != after[at] && allowed.count(at) == 0) {
            differences << QStringLiteral("%1 byte %2: %3 -> %4")
                               .arg(what)
                               .arg(at)
                               .arg(before[at], 2, 16, QLatin1Char('0'))
                               .arg(after[at], 2, 16, QLatin1Char('0'));
        }
    }
}

} // namespace

QStringList unexpectedDifferences(GroupSheet& before, GroupSheet& after,
                                  const QList<EditedEntry>& edits) {
    QStringList differences;
    if (before.publisherCount() != after.publisherCount() ||
        after.remarkCount() < before.remarkCount()) {
        return {QStringLiteral("the counts differ: %1 publishers, %2 remarks before; %3, %4 after")
                    .arg(before.publisherCount())
                    .arg(before.remarkCount())
                    .arg(after.publisherCount())
                    .arg(after.remarkCount())};
    }
    compareBytes(before.Record(0), after.Record(0), kRecordSize, {kRemarkCount, kRemarkCount + 1},
                 QStringLiteral("header"), differences);
    for (int index = 1; index <= before.publisherCount(); ++index) {
        compareBytes(before.Record(index), after.Record(index), kRecordSize,
                     editableOffsets(index, edits), QStringLiteral("record %1").arg(index),
                     differences);
    }
    for (int number = 1; number <= before.remarkCount(); ++number) {
        compareBytes(before.RemarkEntry(number), after.RemarkEntry(number), kRemarkSize, {},
                     QStringLiteral("remark %1").arg(number), differences);
    }
    return differences;
}

} // namespace fyn::test
