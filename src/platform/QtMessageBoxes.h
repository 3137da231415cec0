#pragma once

#include "MessageBoxes.h"

#include <QPointer>
#include <QWidget>

namespace fyn {

// Message boxes as QMessageBox shows them, modal over the parent widget's window. Texts are
// shown as plain text: they carry names and addresses from the sheet.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr);

    // The window the boxes belong to; its title becomes theirs ("Fyn" without one).
    void setParentWidget(QWidget* parent);
    QWidget* parentWidget() const { return parent_; }

    void inform(const QString& text, Icon icon = Icon::None) override;
    bool askYesNo(const QString& text, Preferred preferred) override;

    // The title the next box gets.
    QString title() const;

private:
    QPointer<QWidget> parent_;
};

} // namespace fyn
