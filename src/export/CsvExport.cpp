#include "CsvExport.h"

#include "Clock.h"
#include "GroupSheet.h"
#include "MonthCsv.h"
#include "SheetLayout.h"
#include "Wording.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QString CsvExport::Run(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                       const StringTable& strings) {
    QFile input(sheetPath);
    if (!input.open(QIODevice::ReadOnly)) {
        return QStringLiteral("%1: cannot read the sheet: %2").arg(sheetPath, input.errorString());
    }
    if (const QString error = sameFileError(outputPath, sheetPath); !error.isEmpty()) {
        return error;
    }
    const QString notASheet =
        QStringLiteral("%1: not a sheet from the secretary's program").arg(sheetPath);
    // A file shorter than the header would read as a sheet of nobody: a table of no rows would
    // hide that the file is wrong.
    if (input.size() < qint64(layout::kRecordSize)) {
        return notASheet;
    }

    GroupSheet sheet;
    sheet.SetMonthsFromDate(clock.today());
    switch (sheet.Read(input, sheetPath).kind) {
    case SheetResult::Kind::Done:
        break;
    case SheetResult::Kind::OutOfMemory:
        return QStringLiteral("%1: not enough memory to read the sheet").arg(sheetPath);
    default:
        return notASheet;
    }
    input.close();
    const Wording wording(strings, sheet);

    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("%1: cannot write: %2").arg(outputPath, file.errorString());
    }
    file.write(MonthCsv::Compose(sheet, wording, sheet.reportMonth, sheet.yearSlot));
    // A failed write shows only here; QSaveFile then keeps the old file, if any.
    if (!file.commit()) {
        return QStringLiteral("%1: cannot write: %2").arg(outputPath, file.errorString());
    }
    return {};
}

} // namespace fyn
