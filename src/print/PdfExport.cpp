#include "PdfExport.h"

#include "Clock.h"
#include "GroupSheet.h"
#include "MessageBoxes.h"
#include "SheetPdf.h"
#include "Wording.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace fyn {

namespace {

// The sheet store tells the user through message boxes; on the command line there are none.
class QuietMessages : public MessageBoxes {
public:
    void inform(const QString& text, Icon /*icon*/) override { said = text; }
    bool askYesNo(const QString& text) override {
        said = text;
        return false;
    }
    QString said;
};

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
    QFile probe(sheetPath);
    if (!probe.open(QIODevice::ReadOnly)) {
        return QStringLiteral("%1: cannot read the sheet: %2").arg(sheetPath, probe.errorString());
    }
    probe.close();
    if (const QString error = sameFileError(outputPath, sheetPath); !error.isEmpty()) {
        return error;
    }

    QuietMessages messages;
    GroupSheet sheet(messages, strings);
    sheet.SetMonthsFromDate(clock.today());
    if (!sheet.Load(sheetPath)) {
        return QStringLiteral("%1: not a sheet from the secretary's program").arg(sheetPath);
    }
    const Wording wording(strings, sheet);

    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("%1: cannot write: %2").arg(outputPath, file.errorString());
    }
    if (!SheetPdf::Render(file, {sheet, wording, sheet.reportMonth})) {
        file.cancelWriting();
        return QStringLiteral("%1: cannot draw the PDF").arg(outputPath);
    }
    // The PDF writer does not check its writes; only a committed file is complete.
    if (!file.commit()) {
        return QStringLiteral("%1: cannot write: %2").arg(outputPath, file.errorString());
    }
    return {};
}

} // namespace fyn
