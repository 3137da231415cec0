#include "QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

using fyn::MessageBoxes;
using fyn::QtMessageBoxes;

namespace {

struct ShownBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat textFormat = Qt::AutoText;
    QWidget* parent = nullptr;
    QStringList buttonTexts;
};

// Reads the box that the next modal run shows, then lets answer close it.
void answerNextBox(QObject* context, ShownBox& seen, std::function<void(QMessageBox&)> answer) {
    QTimer::singleShot(0, context, [&seen, answer = std::move(answer)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.textFormat = box->textFormat();
        seen.parent = box->parentWidget();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttonTexts.append(button->text());
        }
        seen.buttonTexts.sort();
        answer(*box);
    });
}

} // namespace

class TestQtMessageBoxes : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void informShowsTextWithIconAndOk_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("withParent");
        QTest::addColumn<QString>("parentTitle");
        QTest::addColumn<QMessageBox::Icon>("expectedIcon");
        QTest::addColumn<QString>("expectedTitle");
        QTest::newRow("information over a titled window")
            << int(MessageBoxes::Icon::Information) << true
            << QStringLiteral("Január - odovzdané správy") << QMessageBox::Information
            << QStringLiteral("Január - odovzdané správy");
        QTest::newRow("no icon, window without title")
            << int(MessageBoxes::Icon::None) << true << QString() << QMessageBox::NoIcon
            << QStringLiteral("Fyn");
        QTest::newRow("warning without parent")
            << int(MessageBoxes::Icon::Warning) << false << QStringLiteral("Náhľad")
            << QMessageBox::Warning << QStringLiteral("Fyn");
        QTest::newRow("question icon")
            << int(MessageBoxes::Icon::Question) << true << QStringLiteral("Skupina 3")
            << QMessageBox::Question << QStringLiteral("Skupina 3");
    }

    void informShowsTextWithIconAndOk() {
        QFETCH(int, icon);
        QFETCH(bool, withParent);
        QFETCH(QString, parentTitle);
        QFETCH(QMessageBox::Icon, expectedIcon);
        QFETCH(QString, expectedTitle);
        QDialog window;
        window.setWindowTitle(parentTitle);
        QtMessageBoxes boxes(withParent ? &window : nullptr);
        // A name from a sheet that looks like markup is shown as typed.
        const QString text = QStringLiteral("<b>Novák</b> & syn\nďalší riadok");

        ShownBox seen;
        answerNextBox(this, seen, [](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
        boxes.inform(text, MessageBoxes::Icon(icon));

        QVERIFY(seen.shown);
        QCOMPARE(seen.icon, expectedIcon);
        QCOMPARE(seen.title, expectedTitle);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.textFormat, Qt::PlainText);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.parent, boxes.parentWidget());
    }

    void askYesNoAnswers_data() {
        QTest::addColumn<QMessageBox::StandardButton>("clicked");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("expected");
        QTest::addColumn<MessageBoxes::Preferred>("preferred");
        using enum MessageBoxes::Preferred;
        QTest::newRow("Yes") << QMessageBox::Yes << 0 << true << Yes;
        QTest::newRow("No") << QMessageBox::No << 0 << false << Yes;
        QTest::newRow("Enter takes the default Yes")
            << QMessageBox::NoButton << int(Qt::Key_Return) << true << Yes;
        QTest::newRow("Esc answers No")
            << QMessageBox::NoButton << int(Qt::Key_Escape) << false << Yes;
        QTest::newRow("Enter takes the default No")
            << QMessageBox::NoButton << int(Qt::Key_Return) << false << No;
        QTest::newRow("Esc answers No where No is preferred")
            << QMessageBox::NoButton << int(Qt::Key_Escape) << false << No;
    }

    void askYesNoAnswers() {
        QFETCH(QMessageBox::StandardButton, clicked);
        QFETCH(int, key);
        QFETCH(bool, expected);
        QFETCH(MessageBoxes::Preferred, preferred);
        QDialog window;
        window.setWindowTitle(QStringLiteral("Správy z kazateľskej služby"));
        QtMessageBoxes boxes;
        boxes.setParentWidget(&window);

        ShownBox seen;
        answerNextBox(this, seen, [clicked, key](QMessageBox& box) {
            if (clicked != QMessageBox::NoButton)
                box.button(clicked)->click();
            else
                QTest::keyClick(&box, Qt::Key(key));
        });
        const bool answer = boxes.askYesNo(QStringLiteral("Odoslať?"), preferred);

        QVERIFY(seen.shown);
        QCOMPARE(answer, expected);
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.title, QStringLiteral("Správy z kazateľskej služby"));
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        // The questions tell the user to click "Áno" or "Nie".
        QCOMPARE(seen.buttonTexts, (QStringList{QStringLiteral("&Nie"), QStringLiteral("&Áno")}));
    }

    void boxBelongsOverTheOpenDialog() {
        QDialog window;
        QtMessageBoxes boxes(&window);
        QDialog report(&window);
        ShownBox seen;
        QTimer::singleShot(0, this, [&] {
            answerNextBox(this, seen,
                          [](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
            boxes.inform(QStringLiteral("Please enter a positive integer."));
            report.accept();
        });
        report.exec();
        QVERIFY(seen.shown);
        QCOMPARE(seen.parent, &report);
    }
};

QTEST_MAIN(TestQtMessageBoxes)
#include "TestQtMessageBoxes.moc"
