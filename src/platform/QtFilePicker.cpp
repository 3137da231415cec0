#include "QtFilePicker.h"

#include "ExistingFolderFileDialog.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QDir>

namespace fyn {

std::optional<QString> QtFilePicker::openFile(QWidget* parent, const QString& title,
                                              const QString& filterDescription,
                                              const QString& pattern,
                                              const QString& initialFolder) {
    ExistingFolderFileDialog dialog(parent, title);
    // The description already names the extension; the patterns would only repeat it.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // Qt's Slovak translation misses this one button under the context Qt 6 looks in.
    dialog.setLabelText(QFileDialog::Reject, StringTable::translatedText(text::kCancelButton));
    QString patterns = pattern;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    dialog.setNameFilter(QStringLiteral("%1 (%2)").arg(filterDescription, patterns));
    if (!initialFolder.isEmpty())
        dialog.setDirectory(initialFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::fromNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace fyn
