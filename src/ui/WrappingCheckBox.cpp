#include "WrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace fyn {

WrappingCheckBox::WrappingCheckBox(const QString& text, Qt::Alignment textAlignment,
                                   QWidget* parent)
    : QCheckBox(text, parent), textAlignment_(textAlignment) {}

void WrappingCheckBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    // The contents rectangle is already mirrored for a box with its text on the left.
    const QRect contents = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), textAlignment_);
    int textFlags = static_cast<int>(alignment) | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        textFlags |= Qt::TextHideMnemonic;
    painter.drawItemText(contents, textFlags, option.palette, isEnabled(), text(),
                         QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(contents, textFlags, text()).adjusted(-1, -1, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace fyn
