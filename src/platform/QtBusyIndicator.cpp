#include "QtBusyIndicator.h"

#include <QApplication>

namespace fyn {

void QtBusyIndicator::begin() {
    if (depth_++ > 0) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    active_ = QApplication::activeWindow();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isEnabled()) {
            window->setEnabled(false);
            disabled_.append(window);
        }
    }
}

void QtBusyIndicator::end() {
    if (depth_ == 0 || --depth_ > 0) {
        return;
    }
    for (const QPointer<QWidget>& window : std::as_const(disabled_)) {
        if (window) {
            window->setEnabled(true);
        }
    }
    disabled_.clear();
    QApplication::restoreOverrideCursor();
    if (active_) {
        active_->activateWindow();
    }
}

} // namespace fyn
