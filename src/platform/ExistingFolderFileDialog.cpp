#include "ExistingFolderFileDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace fyn {

ExistingFolderFileDialog::ExistingFolderFileDialog(QWidget* parent, const QString& caption)
    : QFileDialog(parent, caption) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::AnyFile);
    setAcceptMode(QFileDialog::AcceptOpen);
}

void ExistingFolderFileDialog::accept() {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty()) {
        const QFileInfo file(chosen.constFirst());
        if (!file.isDir() && !QFileInfo(file.absolutePath()).isDir()) {
            // QFileDialog's own wording, so that its translation applies.
            const QString message = QCoreApplication::translate(
                "QFileDialog",
                "%1\nDirectory not found.\nPlease verify the correct directory name was given.");
            QMessageBox::warning(this, windowTitle(), message.arg(file.absolutePath()));
            return;
        }
    }
    QFileDialog::accept();
}

} // namespace fyn
