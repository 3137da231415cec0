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
    GroupSheet sheet;
    if (const QString error = ExportInput::Read(sheet, sheetPath, outputPath, clock.today());
        !error.isEmpty()) {
        return error;
    }
    const Wording wording(strings, sheet);

    const QString failure = SavedFile::Write(
        outputPath, MonthCsv::Compose(sheet, wording, sheet.reportMonth, sheet.yearSlot));
    if (!failure.isEmpty()) {
        return QStringLiteral("%1: cannot write: %2").arg(outputPath, failure);
    }
    return {};
}

} // namespace fyn
