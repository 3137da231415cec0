// The yardstick of the start-up benchmark: a bare Qt dialog with a list of 127 lines and two
// buttons, started the way fyn is started, so that the ratio of the two shows what Fyn itself
// adds. Plain push buttons: a QDialogButtonBox would read its standard icons from image files,
// which maps every image format plugin.

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("bare dialog"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    for (int line = 1; line <= 127; ++line) {
        list->addItem(QStringLiteral("Publisher %1").arg(line));
    }
    layout->addWidget(list);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    dialog.resize(400, 500);
    return dialog.exec();
}
