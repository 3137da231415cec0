#pragma once

#include <QString>
#include <Qt>
#include <functional>

class QDialog;
class QWidget;

namespace fyn::test {

// Works the program from the keyboard as a user does: every key goes to the widget that has
// the keyboard focus at that moment.
class KeyboardUser {
public:
    // Makes window the active window, which the offscreen platform does not do on its own.
    static bool activate(QWidget& window);
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Characters beyond ASCII go one at a time as key events carrying only their text, since
    // QTest::keyClicks refuses them.
    static void type(const QString& text);
    // The objectName of the widget with the focus ("ctl" and the control id), empty for none.
    static QString focusName();
    // Runs steps on the next dialog that runs modally, once it is the active window. A dialog
    // that the steps leave open is cancelled, so that a failing step cannot hang the test.
    static void onNextModalDialog(std::function<void(QDialog&)> steps);
};

} // namespace fyn::test
