#include "QtFilePicker.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using fyn::QtFilePicker;

namespace {

struct DialogRun {
    bool shown = false;
    QString title;
    QString folder;
    bool warned = false;
    bool stayedOpen = false;
};

} // namespace

class TestQtFilePicker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("existing sheet") << QStringLiteral("Skupina3.t09") << true;
        // The file need not exist: loading it then finds an empty sheet.
        QTest::newRow("missing file in an existing folder") << QStringLiteral("chyba.t09") << true;
        QTest::newRow("file in a missing folder") << QStringLiteral("nikde/chyba.t09") << false;
    }

    void typedName() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QVERIFY(folder_.isValid());
        QFile sheet(folder_.filePath(QStringLiteral("Skupina3.t09")));
        QVERIFY(sheet.open(QIODevice::WriteOnly));
        sheet.close();

        DialogRun run;
        QObject guard;
        QTimer::singleShot(0, &guard, [&run, &guard, typed] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            run.shown = true;
            run.title = dialog->windowTitle();
            run.folder = dialog->directory().absolutePath();
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            // A refusal comes as a modal warning inside the click below.
            QTimer::singleShot(0, &guard, [&run] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    run.warned = true;
                    box->accept();
                }
            });
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
            if (dialog->isVisible()) {
                run.stayedOpen = true;
                dialog->reject();
            }
        });
        const auto chosen =
            QtFilePicker().openFile(nullptr, QStringLiteral("Výber súboru od tajomníka"),
                                    QStringLiteral("List so zoznamom od tajomníka (.t09)"),
                                    QStringLiteral("*.t09"), folder_.path());

        QVERIFY(run.shown);
        QCOMPARE(run.title, QStringLiteral("Výber súboru od tajomníka"));
        QCOMPARE(run.folder, QDir(folder_.path()).absolutePath());
        QCOMPARE(run.warned, !accepted);
        QCOMPARE(run.stayedOpen, !accepted);
        if (accepted)
            QCOMPARE(chosen, std::optional<QString>(QDir(folder_.path()).filePath(typed)));
        else
            QCOMPARE(chosen, std::nullopt);
    }

    void cancelChoosesNothing() {
        QObject guard;
        QTimer::singleShot(0, &guard, [] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        const auto chosen =
            QtFilePicker().openFile(nullptr, QStringLiteral("Výber"), QStringLiteral("Listy"),
                                    QStringLiteral("*.t09"), folder_.path());
        QCOMPARE(chosen, std::nullopt);
    }

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(TestQtFilePicker)
#include "TestQtFilePicker.moc"
