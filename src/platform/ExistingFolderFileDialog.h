#pragma once

#include <QFileDialog>

namespace fyn {

// A file dialog that accepts the name of a file that does not exist yet, but only in a folder
// that does. QFileDialog itself either wants the file to exist or accepts any folder.
class ExistingFolderFileDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit ExistingFolderFileDialog(QWidget* parent = nullptr, const QString& caption = {});

public Q_SLOTS:
    void accept() override;
};

} // namespace fyn
