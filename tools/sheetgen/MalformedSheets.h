#pragma once

#include "SheetBuilder.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace fyn {

struct MalformedSheet {
    QString fileName;
    QByteArray bytes;
};

// Sheets that break the format in one way each: counts that the file does not hold, counts
// outside their range, texts without their NUL, files cut short. They are the regression
// fixtures of the loader and the seed corpus of its fuzz target.
class MalformedSheets {
public:
    // The well-formed sheet of three publishers and two remarks that the others start from.
    static SheetBuilder base();
    static std::vector<MalformedSheet> all();
};

} // namespace fyn
