#pragma once

#include <QDialog>

namespace fyn {

// The About box: the program's name, version and the sheets it needs. OK, Esc and the close
// box end it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace fyn
