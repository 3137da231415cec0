#include "CsvExport.h"

#include "Clock.h"
#include "ExportInput.h"
#include "GroupSheet.h"
#include "MonthCsv.h"
#include "SavedFile.h"
#include "Wording.h"

namespace fyn {

QString CsvExport::Run(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                       const StringTable& strings) {
    return ExportInput::Export(
        outputPath, sheetPath, clock.today(), strings,
        [&](const GroupSheet& sheet, const Wording& wording) {
            return SavedFile::Write(
                outputPath, MonthCsv::Compose(sheet, wording, sheet.reportMonth, sheet.yearSlot));
        });
}

} // namespace fyn
