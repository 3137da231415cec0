// The yardstick of the start-up benchmark: a bare Qt dialog with a list of 127 lines, started
// the way fyn is started, so that the ratio of the two shows what Fyn itself adds.

#include <QApplication>
#include <QDialog>
#include <QListWidget>
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
    dialog.resize(400, 500);
    return dialog.exec();
}
