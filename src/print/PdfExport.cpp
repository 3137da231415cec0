#include "PdfExport.h"

#include "Clock.h"
#include "ExportInput.h"
#include "GroupSheet.h"
#include "SheetPdf.h"
#include "Wording.h"

namespace fyn {

QString PdfExport::Run(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                       const StringTable& strings) {
    GroupSheet sheet;
    if (const QString error = ExportInput::Read(sheet, sheetPath, outputPath, clock.today());
        !error.isEmpty()) {
        return error;
    }
    const Wording wording(strings, sheet);

    const QString failure = SheetPdf::WriteFile(outputPath, {sheet, wording, sheet.reportMonth});
    if (!failure.isEmpty()) {
        return QStringLiteral("%1: cannot write: %2").arg(outputPath, failure);
    }
    return {};
}

} // namespace fyn
