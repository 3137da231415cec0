#include "YearPdfExport.h"

#include "Clock.h"
#include "ExportInput.h"
#include "GroupSheet.h"
#include "SheetPdf.h"
#include "Wording.h"
#include "YearDocument.h"
#include "YearWording.h"

namespace fyn {

QString YearPdfExport::Run(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                           const StringTable& strings) {
    return ExportInput::Export(outputPath, sheetPath, clock.today(), strings,
                               [&](const GroupSheet& sheet, const Wording& wording) {
                                   const GroupYear year(sheet);
                                   const YearWording words(year, wording, strings);
                                   return SheetPdf::WriteFile(
                                       outputPath, YearDocument(words),
                                       SheetPdf::A4WithoutMargins(QPageLayout::Landscape));
                               });
}

} // namespace fyn
