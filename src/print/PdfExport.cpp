#include "PdfExport.h"

#include "Clock.h"
#include "ExportInput.h"
#include "GroupSheet.h"
#include "SheetPdf.h"
#include "Wording.h"

namespace fyn {

QString PdfExport::Run(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                       const StringTable& strings) {
    return ExportInput::Export(
        outputPath, sheetPath, clock.today(), strings,
        [&](const GroupSheet& sheet, const Wording& wording) {
            return SheetPdf::WriteFile(outputPath, {sheet, wording, sheet.reportMonth});
        });
}

} // namespace fyn
