#include "DialogTemplates.h"

#include <QTest>
#include <set>

using fyn::ControlKind;
using fyn::DialogTemplate;
using fyn::DialogTemplates;

class TestDialogTemplates : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void idsAreUnique_data() { addTemplateRows(); }
    void idsAreUnique();
    void controlsLieInsideTheDialog_data() { addTemplateRows(); }
    void controlsLieInsideTheDialog();
    void defaultButtonIsButtonOne_data() { addTemplateRows(); }
    void defaultButtonIsButtonOne();
    void reportKeepsItsTabOrder();
    void unknownIdHasNoTemplate();

private:
    static void addTemplateRows();
    static const DialogTemplate& fetchTemplate();
};

void TestDialogTemplates::addTemplateRows() {
    QTest::addColumn<int>("templateId");
    QTest::addColumn<bool>("hasDefaultButton");
    QTest::newRow("100 about box") << DialogTemplates::kAboutBoxId << true;
    QTest::newRow("102 main window") << DialogTemplates::kMainWindowId << true;
    QTest::newRow("107 report") << DialogTemplates::kReportId << true;
    // Enter presses whichever button has the focus.
    QTest::newRow("115 preview") << DialogTemplates::kPreviewId << false;
    QTest::newRow("120 reminders") << DialogTemplates::kRemindersId << true;
}

const DialogTemplate& TestDialogTemplates::fetchTemplate() {
    QFETCH(int, templateId);
    const DialogTemplate* dialog = DialogTemplates::byId(templateId);
    if (!dialog)
        qFatal("no template %d", templateId);
    return *dialog;
}

void TestDialogTemplates::idsAreUnique() {
    const DialogTemplate& dialog = fetchTemplate();
    std::set<int> seen;
    for (const auto& control : dialog.controls) {
        if (control.id == fyn::kNoControlId)
            continue;
        QVERIFY2(seen.insert(control.id).second, qPrintable(QString::number(control.id)));
        QCOMPARE(dialog.find(control.id), &control);
    }
}

void TestDialogTemplates::controlsLieInsideTheDialog() {
    const DialogTemplate& dialog = fetchTemplate();
    const QRect bounds(QPoint(0, 0), dialog.size());
    for (const auto& control : dialog.controls) {
        QVERIFY2(bounds.contains(control.rect()),
                 qPrintable(QStringLiteral("control %1 at %2, %3, %4, %5")
                                .arg(control.id)
                                .arg(control.x)
                                .arg(control.y)
                                .arg(control.w)
                                .arg(control.h)));
    }
}

void TestDialogTemplates::defaultButtonIsButtonOne() {
    QFETCH(bool, hasDefaultButton);
    const DialogTemplate& dialog = fetchTemplate();
    std::vector<int> defaults;
    for (const auto& control : dialog.controls) {
        if (control.kind == ControlKind::DefaultPushButton)
            defaults.push_back(control.id);
    }
    QCOMPARE(defaults, hasDefaultButton ? std::vector<int>{1} : std::vector<int>{});
}

void TestDialogTemplates::reportKeepsItsTabOrder() {
    // The order Enter and Tab walk in the report dialog; the box 1125 is never shown and comes
    // last.
    const std::vector<int> expected{1126, 139, 140, 141, 142, 143,  1,   2,
                                    158,  129, 160, 3,   163, 1050, 1125};
    std::vector<int> focusable;
    for (const auto& control : DialogTemplates::report().controls) {
        switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
        case ControlKind::CheckBox:
        case ControlKind::Edit:
        case ControlKind::ListBox:
            focusable.push_back(control.id);
            break;
        default:
            break;
        }
    }
    QCOMPARE(focusable, expected);
}

void TestDialogTemplates::unknownIdHasNoTemplate() {
    QCOMPARE(DialogTemplates::byId(101), nullptr);
    QCOMPARE(DialogTemplates::mainWindow().find(fyn::kNoControlId), nullptr);
}

QTEST_GUILESS_MAIN(TestDialogTemplates)
#include "TestDialogTemplates.moc"
