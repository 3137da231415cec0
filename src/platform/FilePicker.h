#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace fyn {

// The file-open dialog, injected so that tests can choose a file without one.
class FilePicker {
public:
    virtual ~FilePicker() = default;

    // The chosen file's absolute path with '/' separators, or nothing when the user cancelled.
    // Only files matching pattern ("*.t09"; several separated by ';') are offered, under
    // filterDescription. The file need not exist, its folder must. An empty initialFolder
    // leaves the choice to the dialog.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title,
                                            const QString& filterDescription,
                                            const QString& pattern,
                                            const QString& initialFolder) = 0;
};

} // namespace fyn
