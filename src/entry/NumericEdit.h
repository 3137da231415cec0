#pragma once

#include <QLineEdit>

namespace fyn {

// A report value field for typing with one hand on the number block: digits, backspace and
// "." go in, a blank turns the text into a selected "0", every other character is dropped;
// Left and Right move between the fields instead of the caret. Pasted text is not filtered:
// accepting the report validates it.
class NumericEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit NumericEdit(QWidget* parent = nullptr);

Q_SIGNALS:
    void rightPressed();
    void leftPressed();
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace fyn
