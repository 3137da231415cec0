#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace fyn {

class GroupSheet;
class StringTable;
class Wording;

// What fyn --pdf and fyn --csv both do around their writing: read the sheet with the months of
// today (a file shorter than its header says is no sheet, as in the window), refuse an output
// that is the sheet itself, which the export would destroy, and name the file when the write
// fails.
class ExportInput {
public:
    // write answers an empty text when the file was written, else the reason it was not.
    using Writer = std::function<QString(const GroupSheet& sheet, const Wording& wording)>;

    // Answers an empty text on success, else the one line that says what failed.
    static QString Export(const QString& outputPath, const QString& sheetPath, QDate today,
                          const StringTable& strings, const Writer& write);

private:
    static QString Read(GroupSheet& sheet, const QString& sheetPath, const QString& outputPath,
                        QDate today);
};

} // namespace fyn
