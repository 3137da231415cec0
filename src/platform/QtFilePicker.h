#pragma once

#include "FilePicker.h"

namespace fyn {

// Qt's own file dialog rather than the desktop's, so that it speaks the interface language
// with Qt's translations, and tests can work it on the offscreen platform.
class QtFilePicker final : public FilePicker {
public:
    std::optional<QString> openFile(QWidget* parent, const QString& title,
                                    const QString& filterDescription, const QString& pattern,
                                    const QString& initialFolder) override;
};

} // namespace fyn
