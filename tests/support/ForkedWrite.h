#pragma once

#include "ChildProcess.h"

#include <QByteArrayList>
#include <QString>
#include <QStringList>
#include <optional>

namespace fyn {
class GroupSheet;
}

namespace fyn::test {

class RecordingMessageBoxes;

// What a write in a child process left behind in the child's memory.
struct WriteOutcome {
    bool written = false;
    QStringList texts; // shown during the write
    bool recordsUnchanged = false;
    QByteArrayList names; // "firstName surname" of every publisher, as held after the write
};

// GroupSheet::Write in a forked child under the given limits (a full disk, no root), so that
// a real failure can be injected without touching the test process.
class ForkedWrite {
public:
    static std::optional<WriteOutcome> run(GroupSheet& sheet, RecordingMessageBoxes& boxes,
                                           const QString& path, const ChildLimits& limits);
    // The names as the same outcome reports them, read in this process.
    static QByteArrayList names(const GroupSheet& sheet);
};

} // namespace fyn::test
