#pragma once

#include "DialogTemplate.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <map>

namespace fyn {

// Turns a dialog template into widgets: each control at its place converted from dialog units
// by the dialog font, named after its id, in the template's tab order, hidden when the template
// says so, and the default push button made Qt's default button.
class DialogBuilder {
public:
    using WidgetFactory = std::function<QWidget*(QWidget* parent)>;

    explicit DialogBuilder(const DialogTemplate& dialogTemplate);

    // The control's widget is made by the caller, e.g. an area that paints itself. The builder
    // still places, names, hides and orders it.
    void setCustomWidget(int controlId, WidgetFactory factory);

    // Creates the controls as children of dialog and gives dialog the template's title, font
    // and fixed size (and window style when dialog is a window). Call once per dialog.
    void build(QWidget* dialog) const;

    // Builds a template without custom widgets.
    static void build(QWidget& dialog, const DialogTemplate& dialogTemplate);

    // The control of a built dialog by its id, found by its objectName: the one way windows
    // and tests reach their controls. Null when the dialog has no such control or it is not a
    // Widget.
    template <class Widget> static Widget* control(const QWidget& dialog, int controlId) {
        return dialog.findChild<Widget*>(objectNameFor(controlId), Qt::FindDirectChildrenOnly);
    }

    // The objectName of a control's widget, "ctl" and the id.
    static QString objectNameFor(int controlId);

private:
    QWidget* createWidget(const ControlTemplate& control, QWidget* dialog) const;

    DialogTemplate template_;
    std::map<int, WidgetFactory> customWidgets_;
};

} // namespace fyn
