#pragma once

#include <QString>

namespace fyn {

class StringTable;

// What the contact log came to. A failure never stops a reminder or a call: the caller carries
// on, and tells the user when firstOfRun says so, with Describe.
struct ContactLogResult {
    enum class Kind {
        Done,
        // Done, but a damaged file had to be set aside first; setAsidePath names where.
        DoneAfterSettingAside,
        Busy,     // another program held the file longer than the wait allows
        ReadOnly, // the file or its folder cannot be written
        DiskFull,
        CannotOpen,
        Newer,        // a later Fyn's file, which this one does not change
        Damaged,      // no database, or a damaged one, that could not be set aside
        Failed,       // any other database error; detail holds SQLite's text
        ModuleMissing // the log's part of Fyn could not be loaded; detail says why
    };

    Kind kind = Kind::Done;
    QString path;
    QString setAsidePath;
    QString detail;
    // True when the user should hear of this result: a file set aside, or the log's first
    // failure in this run.
    bool firstOfRun = false;

    bool ok() const { return kind == Kind::Done || kind == Kind::DoneAfterSettingAside; }
    // The text of a box telling what happened to a contact being recorded; empty for a plain
    // Done.
    QString Describe(const StringTable& strings) const;
    // The line telling that the log could not be read; empty when it was.
    QString DescribeUnread(const StringTable& strings) const;
    // Why it failed, in a few words; empty when it did not.
    QString Reason(const StringTable& strings) const;
};

} // namespace fyn
