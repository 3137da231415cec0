#pragma once

#include <QPointer>
#include <QWidget>
#include <map>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace fyn {

// The widgets of a built dialog by their control ids. The widgets belong to the dialog; a
// control that no longer exists reads as null.
class DialogControls {
public:
    void add(int id, QWidget* widget);

    // Null for an id the dialog lacks.
    QWidget* control(int id) const;
    // Null as well when the control is of another kind.
    QPushButton* pushButton(int id) const;
    QCheckBox* checkBox(int id) const;
    QLineEdit* lineEdit(int id) const;
    QListWidget* listWidget(int id) const;
    QLabel* label(int id) const;

private:
    std::map<int, QPointer<QWidget>> widgets_;
};

} // namespace fyn
