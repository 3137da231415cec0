#pragma once

#include <QString>

namespace fyn {

// What loading or writing a sheet came to. The store only says what happened; the window
// that asked for it tells the user, so the data layer never shows anything itself.
struct SheetResult {
    enum class Kind {
        Done,
        CannotRead,       // the file cannot be opened; the sheet in memory stays as it was
        NotASheet,        // outside the format or cut short; the sheet in memory stays as it was
        OutOfMemory,      // the sheet is empty now
        TooFewPublishers, // a sheet of fewer than 2 publishers is never written
        ReadOnly,         // the file or its folder may not be written; the old file is untouched
        CannotWrite       // any other failure of a write; the old file, if any, is untouched
    };

    Kind kind = Kind::Done;
    // The file concerned; absolute for ReadOnly and CannotWrite, as the user must find it.
    QString path;
    // The system's error number for CannotRead and CannotWrite, so that the user learns the
    // cause: a full disk and a missing folder want different remedies.
    int error = 0;

    bool ok() const { return kind == Kind::Done; }
    explicit operator bool() const { return ok(); }
};

} // namespace fyn
