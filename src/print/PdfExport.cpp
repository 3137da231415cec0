#include "PdfExport.h"

#include "Clock.h"
#include "GroupSheet.h"
#include "SheetPdf.h"
#include "Wording.h"

#include <QFile>
#include <QFileInfo>

namespace fyn {

namespace {

QString sameFileError(const QString& outputPath, const QString& sheetPath) {
    const QFileInfo output(outputPath);
    if (output.exists() && output.canonicalFilePath() == QFileInfo(sheetPath).canonicalFilePath()) {
        return QStringLiteral("%1: is the sheet itself; choose another output file")
            .arg(outputPath);
    }
    return {};
}

} // namespace

QString PdfExport::Run(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                       const StringTable& strings) {
    QFile input(sheetPath);
    if (!input.open(QIODevice::ReadOnly)) {
        return QStringLiteral("%1: cannot read the sheet: %2").arg(sheetPath, input.errorString());
    }
    if (const QString error = sameFileError(outputPath, sheetPath); !error.isEmpty()) {
        return error;
    }

    GroupSheet sheet;
    sheet.SetMonthsFromDate(clock.today());
    switch (sheet.ReadStrict(input, sheetPath).kind) {
    case SheetResult::Kind::Done:
        break;
    case SheetResult::Kind::OutOfMemory:
        return QStringLiteral("%1: not enough memory to read the sheet").arg(sheetPath);
    default:
        return QStringLiteral("%1: not a sheet from the secretary's program").arg(sheetPath);
    }
    input.close();
    const Wording wording(strings, sheet);

    const QString failure = SheetPdf::WriteFile(outputPath, {sheet, wording, sheet.reportMonth});
    if (!failure.isEmpty()) {
        return QStringLiteral("%1: cannot write: %2").arg(outputPath, failure);
    }
    return {};
}

} // namespace fyn
