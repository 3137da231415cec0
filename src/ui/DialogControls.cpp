#include "DialogControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace fyn {

void DialogControls::add(int id, QWidget* widget) {
    widgets_[id] = widget;
}

QWidget* DialogControls::control(int id) const {
    const auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second.data();
}

QPushButton* DialogControls::pushButton(int id) const {
    return qobject_cast<QPushButton*>(control(id));
}

QCheckBox* DialogControls::checkBox(int id) const {
    return qobject_cast<QCheckBox*>(control(id));
}

QLineEdit* DialogControls::lineEdit(int id) const {
    return qobject_cast<QLineEdit*>(control(id));
}

QListWidget* DialogControls::listWidget(int id) const {
    return qobject_cast<QListWidget*>(control(id));
}

QLabel* DialogControls::label(int id) const {
    return qobject_cast<QLabel*>(control(id));
}

} // namespace fyn
