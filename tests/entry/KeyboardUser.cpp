#include "KeyboardUser.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

namespace fyn::test {

bool KeyboardUser::activate(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

void KeyboardUser::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "no widget has the keyboard focus");
    QTest::keyClick(target, key, modifiers);
}

void KeyboardUser::type(const QString& text) {
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY2(target, "no widget has the keyboard focus");
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

QString KeyboardUser::focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void KeyboardUser::onNextModalDialog(std::function<void(QDialog&)> steps) {
    QTimer::singleShot(0, [steps = std::move(steps)] {
        const auto modalDialog = [] {
            return qobject_cast<QDialog*>(QApplication::activeModalWidget());
        };
        QTRY_VERIFY(modalDialog() != nullptr);
        const QPointer<QDialog> dialog = modalDialog();
        const auto closeIfOpen = qScopeGuard([&dialog] {
            if (dialog && dialog->isVisible()) {
                dialog->reject();
            }
        });
        QVERIFY(activate(*dialog));
        steps(*dialog);
    });
}

} // namespace fyn::test
