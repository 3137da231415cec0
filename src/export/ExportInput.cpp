#include "ExportInput.h"

#include "GroupSheet.h"
#include "Wording.h"

#include <QFile>
#include <QFileInfo>

namespace fyn {

QString ExportInput::Export(const QString& outputPath, const QString& sheetPath, QDate today,
                            const StringTable& strings, const Writer& write) {
    GroupSheet sheet;
    if (const QString error = Read(sheet, sheetPath, outputPath, today); !error.isEmpty()) {
        return error;
    }
    const QString failure = write(sheet, Wording(strings, sheet));
    return failure.isEmpty() ? QString()
                             : QStringLiteral("%1: cannot write: %2").arg(outputPath, failure);
}

QString ExportInput::Read(GroupSheet& sheet, const QString& sheetPath, const QString& outputPath,
                          QDate today) {
    QFile input(sheetPath);
    if (!input.open(QIODevice::ReadOnly)) {
        return QStringLiteral("%1: cannot read the sheet: %2").arg(sheetPath, input.errorString());
    }
    const QFileInfo output(outputPath);
    if (output.exists() && output.canonicalFilePath() == QFileInfo(sheetPath).canonicalFilePath()) {
        return QStringLiteral("%1: is the sheet itself; choose another output file")
            .arg(outputPath);
    }
    sheet.SetMonthsFromDate(today);
    switch (sheet.Read(input, sheetPath).kind) {
    case SheetResult::Kind::Done:
        return {};
    case SheetResult::Kind::OutOfMemory:
        return QStringLiteral("%1: not enough memory to read the sheet").arg(sheetPath);
    default:
        return QStringLiteral("%1: not a sheet from the secretary's program").arg(sheetPath);
    }
}

} // namespace fyn
