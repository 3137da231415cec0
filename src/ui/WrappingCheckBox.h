#pragma once

#include <QCheckBox>

namespace fyn {

// A check box whose text wraps onto further lines and may be centred beside its box, which
// QCheckBox cannot do. text() stays the text as given.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

public:
    WrappingCheckBox(const QString& text, Qt::Alignment textAlignment, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole control answers clicks, its text as well as its box.
    bool hitButton(const QPoint& pos) const override;

private:
    Qt::Alignment textAlignment_;
};

} // namespace fyn
