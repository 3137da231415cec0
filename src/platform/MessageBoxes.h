#pragma once

#include <QString>

namespace fyn {

// Every message the program shows goes through one injected object, so that tests can read
// what was said and answer questions. The Qt implementation lives with the windows.
class MessageBoxes {
public:
    enum class Icon { None, Information, Question, Warning };
    // The answer that Enter gives. Esc always answers No.
    enum class Preferred { Yes, No };

    virtual ~MessageBoxes() = default;

    // A box with an OK button.
    virtual void inform(const QString& text, Icon icon = Icon::None) = 0;
    // A box with the buttons Yes and No and the question icon; true when Yes was pressed.
    virtual bool askYesNo(const QString& text, Preferred preferred) = 0;
};

} // namespace fyn
