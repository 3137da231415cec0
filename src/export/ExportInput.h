#pragma once

#include <QDate>
#include <QString>

namespace fyn {

class GroupSheet;

// What fyn --pdf and fyn --csv both do before they write: read the sheet strictly (a file
// shorter than the header is no sheet) with the months of today, and refuse an output that
// is the sheet itself, which the export would destroy.
class ExportInput {
public:
    // Answers an empty text when the sheet was read, else the one line that says why not.
    static QString Read(GroupSheet& sheet, const QString& sheetPath, const QString& outputPath,
                        QDate today);
};

} // namespace fyn
