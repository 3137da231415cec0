#include "NumericEdit.h"

#include <QKeyEvent>

namespace fyn {

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent) {}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Right:
        Q_EMIT rightPressed();
        return;
    case Qt::Key_Left:
        Q_EMIT leftPressed();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !typed[0].isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = typed[0];
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')) {
        QLineEdit::keyPressEvent(event);
    } else if (c == QLatin1Char(' ')) {
        selectAll();
        setText(QStringLiteral("0"));
        selectAll();
    }
}

void NumericEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        Q_EMIT focusLost();
    }
}

} // namespace fyn
