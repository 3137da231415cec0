#include "QtBusyIndicator.h"

#include <QApplication>

namespace fyn {

void QtBusyIndicator::begin() {
    if (depth_++ > 0) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    active_ = QApplication::activeWindow();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && window->isEnabled() &&
            !window->property(kStaysEnabled).toBool()) {
            disabled_.append(Disabled{window, window->focusWidget()});
            window->setEnabled(false);
        }
    }
    // Disabling a window disables the windows it owns too, a progress window among them, shown
    // or about to be; such a window can be enabled on its own again.
    for (QWidget* window : windows) {
        if (window->property(kStaysEnabled).toBool()) {
            window->setEnabled(true);
        }
    }
}

void QtBusyIndicator::end() {
    if (depth_ == 0 || --depth_ > 0) {
        return;
    }
    // The command runner held back what the user did meanwhile; the disabled windows drop it.
    QCoreApplication::processEvents();
    for (const Disabled& disabled : std::as_const(disabled_)) {
        if (disabled.window) {
            disabled.window->setEnabled(true);
        }
        if (disabled.focus) {
            disabled.focus->setFocus(Qt::OtherFocusReason);
        }
    }
    disabled_.clear();
    QApplication::restoreOverrideCursor();
    if (active_) {
        active_->activateWindow();
    }
}

} // namespace fyn
