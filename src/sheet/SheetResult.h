#pragma once

#include <QString>

namespace fyn {

// What loading or writing a sheet came to. The store only says what happened; the window
// that asked for it tells the user, so the data layer never shows anything itself.
struct SheetResult {
    enum class Kind {
        Done,
        NotASheet,        // outside the format; the sheet in memory stays as it was
        OutOfMemory,      // the sheet is empty now
        TooFewPublishers, // a sheet of fewer than 2 publishers is never written
        CannotWrite       // the old file, if any, is untouched
    };

    Kind kind = Kind::Done;
    // The file concerned; absolute for CannotWrite, as the user must find it.
    QString path;

    bool ok() const { return kind == Kind::Done; }
    explicit operator bool() const { return ok(); }
};

} // namespace fyn
