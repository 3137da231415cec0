#include "QtMessageBoxes.h"

#include "StringTable.h"
#include "TextIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace fyn {

namespace {

QMessageBox::Icon qtIcon(MessageBoxes::Icon icon) {
    switch (icon) {
    case MessageBoxes::Icon::None:
        return QMessageBox::NoIcon;
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxes::Icon::Warning:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

// A box belongs over the dialog the user is working in, or a window manager may stack it
// behind that dialog while it blocks the program.
QWidget* owner(QWidget* parent) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : parent;
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QWidget* parent) : parent_(parent) {}

void QtMessageBoxes::setParentWidget(QWidget* parent) {
    parent_ = parent;
}

QString QtMessageBoxes::title() const {
    if (parent_) {
        const QString windowTitle = parent_->window()->windowTitle();
        if (!windowTitle.isEmpty())
            return windowTitle;
    }
    return QStringLiteral("Fyn");
}

void QtMessageBoxes::inform(const QString& text, Icon icon) {
    QMessageBox box(qtIcon(icon), title(), text, QMessageBox::Ok, owner(parent_));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtMessageBoxes::askYesNo(const QString& text, Preferred preferred) {
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No,
                    owner(parent_));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(preferred == Preferred::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    // Our questions name the buttons ("Áno", "Nie" in Slovak). Qt's translations keep those
    // words under an older context that Qt 6 no longer looks in, or lack the language, so the
    // texts come from our own table in the interface language.
    box.button(QMessageBox::Yes)->setText(StringTable::translatedText(text::kYesButton));
    box.button(QMessageBox::No)->setText(StringTable::translatedText(text::kNoButton));
    return box.exec() == QMessageBox::Yes;
}

} // namespace fyn
