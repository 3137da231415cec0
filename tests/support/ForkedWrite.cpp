#include "ForkedWrite.h"

#include "GroupSheet.h"
#include "RecordingMessageBoxes.h"
#include "SheetMessages.h"
#include "StringTable.h"

#include <QDataStream>
#include <QIODevice>
#include <cstring>

namespace fyn::test {

namespace {

QByteArray field(const std::uint8_t* at, std::size_t width) {
    const auto* text = reinterpret_cast<const char*>(at);
    return QByteArray(text, static_cast<qsizetype>(strnlen(text, width)));
}

QByteArray allRecords(const GroupSheet& sheet) {
    const auto size = static_cast<qsizetype>(static_cast<std::size_t>(sheet.publisherCount() + 1) *
                                             layout::kRecordSize);
    return QByteArray(reinterpret_cast<const char*>(sheet.Record(0)), size);
}

} // namespace

QByteArrayList ForkedWrite::names(const GroupSheet& sheet) {
    QByteArrayList names;
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        const std::uint8_t* record = sheet.Record(index);
        names.append(field(record + layout::kFirstName, layout::kNameWidth) + ' ' +
                     field(record + layout::kSurname, layout::kNameWidth));
    }
    return names;
}

std::optional<WriteOutcome> ForkedWrite::run(GroupSheet& sheet, RecordingMessageBoxes& boxes,
                                             const QString& path, const ChildLimits& limits) {
    const auto answer = ChildProcess::run(limits, [&] {
        const qsizetype shownBefore = boxes.shown().size();
        const QByteArray before = allRecords(sheet);
        WriteOutcome outcome;
        outcome.written = SheetMessages::show(sheet.Write(path), boxes, StringTable::slovak());
        outcome.texts = boxes.texts().mid(shownBefore);
        outcome.recordsUnchanged = allRecords(sheet) == before;
        outcome.names = names(sheet);

        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << outcome.written << outcome.texts << outcome.recordsUnchanged << outcome.names;
        return bytes;
    });
    if (!answer) {
        return std::nullopt;
    }
    WriteOutcome outcome;
    QDataStream in(*answer);
    in >> outcome.written >> outcome.texts >> outcome.recordsUnchanged >> outcome.names;
    if (in.status() != QDataStream::Ok) {
        return std::nullopt;
    }
    return outcome;
}

} // namespace fyn::test
