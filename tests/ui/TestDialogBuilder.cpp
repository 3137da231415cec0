#include "ControlIds.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "InstalledLanguage.h"
#include "Language.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>
#include <set>

using fyn::ControlKind;
using fyn::ControlTemplate;
using fyn::DialogBuilder;
using fyn::DialogTemplate;
using fyn::DialogTemplates;
using namespace Qt::StringLiterals;

namespace {

struct BuiltDialog {
    std::unique_ptr<QDialog> dialog;
    template <class Widget = QWidget> Widget* control(int id) const {
        return DialogBuilder::control<Widget>(*dialog, id);
    }
};

BuiltDialog buildDialog(int templateId) {
    BuiltDialog built{std::make_unique<QDialog>()};
    DialogBuilder::build(*built.dialog, *DialogTemplates::byId(templateId));
    return built;
}

// The id in a control's objectName, 0 for a widget that is no control.
int controlId(const QWidget* widget) {
    if (!widget || !widget->objectName().startsWith(QLatin1String("ctl")))
        return 0;
    return widget->objectName().mid(3).toInt();
}

bool showActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

QString withoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Whether a caption shows whole in its control: on one line in a button, wrapped within the
// control's height elsewhere.
bool fits(QWidget* widget, const QString& caption) {
    const QFontMetrics metrics = widget->fontMetrics();
    const QString text = withoutMnemonic(caption);
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    if (qobject_cast<QPushButton*>(widget)) {
        const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin);
        return metrics.horizontalAdvance(text) + margin <= widget->width();
    }
    if (qobject_cast<QGroupBox*>(widget)) {
        return metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth() <= widget->width();
    }
    // In lines, rounded: a label shows one line even when it is a pixel lower than the font,
    // like Windows' static text of one line's height.
    const QRect needed = metrics.boundingRect(widget->rect(), Qt::TextWordWrap, text);
    const auto lines = [&metrics](int height) {
        return std::max(1, qRound(double(height) / metrics.lineSpacing()));
    };
    return lines(needed.height()) <= lines(widget->height()) && needed.width() <= widget->width();
}

// A control without an id, found by the caption it shows.
QWidget* captioned(const QDialog& dialog, const QString& caption) {
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<QLabel*>(child);
        const auto* group = qobject_cast<QGroupBox*>(child);
        if ((label && label->text() == caption) || (group && group->title() == caption))
            return child;
    }
    return nullptr;
}

} // namespace

class TestDialogBuilder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlOnceAsItsTemplateSays_data() { addTemplateRows(); }
    void everyControlOnceAsItsTemplateSays();
    void templateTextsFitTheirControls_data();
    void templateTextsFitTheirControls();
    void keysInEveryLanguage_data();
    void keysInEveryLanguage();
    void tabWalksVisibleControlsInTemplateOrder_data();
    void tabWalksVisibleControlsInTemplateOrder();
    void keysPressTheRightButton_data();
    void keysPressTheRightButton();
    void controlOnTopAtPoint_data();
    void controlOnTopAtPoint();
    void checkBoxWithTextOnLeftTogglesOnItsText();
    void lookupByIdFindsTypedControls();
    void customWidgetTakesTheControlsPlace();

private:
    static void addTemplateRows();
};

void TestDialogBuilder::addTemplateRows() {
    QTest::addColumn<int>("templateId");
    QTest::newRow("100 about box") << DialogTemplates::kAboutBoxId;
    QTest::newRow("102 main window") << DialogTemplates::kMainWindowId;
    QTest::newRow("107 report") << DialogTemplates::kReportId;
    QTest::newRow("115 preview") << DialogTemplates::kPreviewId;
}

// Each control once, of its kind, hidden and default as its template says, inside a dialog of
// fixed size.
void TestDialogBuilder::everyControlOnceAsItsTemplateSays() {
    QFETCH(int, templateId);
    const BuiltDialog built = buildDialog(templateId);
    QCOMPARE(built.dialog->minimumSize(), built.dialog->maximumSize());
    const QRect client(QPoint(0, 0), built.dialog->minimumSize());
    const DialogTemplate& dialogTemplate = *DialogTemplates::byId(templateId);

    std::multiset<int> namedIds;
    for (const QWidget* child :
         built.dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
        if (const int id = controlId(child))
            namedIds.insert(id);
    }
    std::multiset<int> templateIds;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        if (control.id == fyn::kNoControlId)
            continue;
        templateIds.insert(control.id);
        QWidget* widget = built.control(control.id);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget(), built.dialog.get());
        bool rightKind = false;
        switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
        case ControlKind::OwnerDrawnButton:
            rightKind = qobject_cast<QPushButton*>(widget);
            break;
        case ControlKind::CheckBox:
            rightKind = qobject_cast<QCheckBox*>(widget);
            break;
        case ControlKind::Edit:
            rightKind = qobject_cast<QLineEdit*>(widget);
            break;
        case ControlKind::ListBox:
            rightKind = qobject_cast<QListWidget*>(widget);
            break;
        case ControlKind::StaticText:
        case ControlKind::Icon:
            rightKind = qobject_cast<QLabel*>(widget);
            break;
        case ControlKind::GroupBox:
            rightKind = qobject_cast<QGroupBox*>(widget);
            break;
        case ControlKind::EtchedFrame:
            rightKind = qobject_cast<QFrame*>(widget);
            break;
        }
        QVERIFY2(rightKind, qPrintable(widget->objectName()));
        QCOMPARE(widget->isHidden(), control.has(fyn::ControlFlag::Hidden));
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->isDefault(), control.kind == ControlKind::DefaultPushButton);
    }
    QCOMPARE(namedIds, templateIds);
    if (const QString folder = qEnvironmentVariable("FYN_SCREENSHOT_DIR"); !folder.isEmpty()) {
        built.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(built.dialog.get()));
        built.dialog->grab().save(
            QDir(folder).filePath(QStringLiteral("dialog-%1.png").arg(templateId)));
    }
}

void TestDialogBuilder::templateTextsFitTheirControls_data() {
    QTest::addColumn<int>("templateId");
    QTest::addColumn<QString>("language");
    for (const fyn::Language& language : fyn::Language::all()) {
        for (const int id : DialogTemplates::kAllIds) {
            QTest::addRow("%d %s", id, qPrintable(language.setting)) << id << language.setting;
        }
    }
}

// Catches a dialog font that is too wide for the layout, or a translation too long for it, the
// way the user would see it: cut off captions.
void TestDialogBuilder::templateTextsFitTheirControls() {
    QFETCH(int, templateId);
    QFETCH(QString, language);
    const fyn::InstalledLanguage installed(*fyn::Language::bySetting(language));
    const BuiltDialog built = buildDialog(templateId);
    const DialogTemplate shown = DialogTemplates::byId(templateId)->translated();
    for (const ControlTemplate& control : shown.controls) {
        if (control.text.isEmpty() || control.kind == ControlKind::Icon)
            continue;
        QWidget* widget = control.id == fyn::kNoControlId ? captioned(*built.dialog, control.text)
                                                          : built.control(control.id);
        QVERIFY2(widget && fits(widget, control.text), qPrintable(control.text));
    }
    // Texts of the table that the windows show in their controls, with the widest arguments.
    const fyn::StringTable strings = fyn::StringTable::translated();
    std::vector<std::pair<int, QString>> tableCaptions;
    if (templateId == DialogTemplates::kMainWindowId) {
        for (int month = 0; month < 12; ++month) {
            const QString name = strings.text(fyn::text::kMonthNames + month);
            tableCaptions.emplace_back(1000, strings.text(fyn::text::kMissingReports, {name}) +
                                                 QStringLiteral(" = 127"));
        }
        tableCaptions.emplace_back(1001, strings.text(fyn::text::kTotalPublishers) +
                                             QStringLiteral(" = 127"));
    } else if (templateId == DialogTemplates::kReportId) {
        // The month button, the pioneer status and the privilege.
        tableCaptions.emplace_back(129, strings.text(fyn::text::kChangeMonthCaption));
        for (int i = 0; i < 3; ++i) {
            tableCaptions.emplace_back(155, strings.text(fyn::text::kStatusNames + i));
            tableCaptions.emplace_back(156, strings.text(fyn::text::kPrivilegeNames + i));
        }
    } else if (templateId == DialogTemplates::kRemindersId) {
        // A full group of 127, each with about a hundred hours and ten studies.
        tableCaptions.emplace_back(
            1000, strings.text(fyn::text::kRemindTotals,
                               {u"127"_s, u"127"_s, u"127"_s, u"12700"_s, u"1270"_s, u"127"_s}));
        tableCaptions.emplace_back(1, strings.text(fyn::text::kRemindSendButton));
        tableCaptions.emplace_back(2, strings.text(fyn::text::kRemindCloseButton));
    }
    for (const auto& [controlId, caption] : tableCaptions)
        QVERIFY2(fits(built.control(controlId), caption), qPrintable(caption));
}

void TestDialogBuilder::keysInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const fyn::Language& language : fyn::Language::all())
        QTest::newRow(qPrintable(language.setting)) << language.setting;
}

// Two preview buttons shared a key in five languages, Greek put No on a letter that no key types
// with Alt, and the Turkish help named Alt+P, which is Cancel there. No two controls of a dialog
// share a key, and each key the help names presses the button its paragraph names.
void TestDialogBuilder::keysInEveryLanguage() {
    QFETCH(QString, language);
    const fyn::InstalledLanguage installed(*fyn::Language::bySetting(language));
    const fyn::StringTable strings = fyn::StringTable::translated();
    using namespace fyn::text;
    const int report = DialogTemplates::kReportId;
    // The captions that the windows take from the table; 0 stands for the question box.
    std::map<int, std::map<int, int>> fromTable{
        {report, {{129, kChangeMonthCaption}}},
        {DialogTemplates::kRemindersId, {{1, kRemindSendButton}, {2, kRemindCloseButton}}},
        {DialogTemplates::kYearId, {{3, kYearPrintButton}, {2, kYearCloseButton}}},
        {0, {{1, kYesButton}, {2, kNoButton}}}};
    for (const int dialogId : {100, 102, report, 115, 120, 121, 0}) {
        std::map<int, QString> captions;
        if (const DialogTemplate* dialog = DialogTemplates::byId(dialogId))
            for (const ControlTemplate& control : dialog->translated().controls)
                captions[control.id] = control.text;
        for (const auto& [controlId, textId] : fromTable[dialogId])
            captions[controlId] = strings.text(textId);
        // The second OK stands in for the first while the month list hides it.
        captions.erase(fyn::ReportControl::CloseMonthList);
        std::map<QKeySequence, int> keys;
        if (dialogId == report)
            keys[QKeySequence(Qt::ALT | Qt::Key_R)] = fyn::ReportControl::RemarksButton;
        for (const auto& [controlId, caption] : captions) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            const auto [found, added] = keys.emplace(key, controlId);
            QVERIFY2(key.isEmpty() || added || found->second == controlId, qPrintable(caption));
            // Polish and Greek keyboards reach accented letters only through AltGr or a dead key.
            const QChar letter(char16_t(key.isEmpty() ? 0 : key[0].key()));
            QVERIFY2((language != u"pl"_s && language != u"el"_s) ||
                         letter.decomposition().isEmpty(),
                     qPrintable(caption));
        }
        if (dialogId != report)
            continue;
        QString help;
        for (int id = kHelpFirst; id <= kHelpLast; ++id)
            help += strings.text(id);
        static const QRegularExpression altKey(u"Alt[+-](\\S)"_s);
        int named = 0;
        for (const QString& paragraph : help.split(u"\n\n"_s)) {
            for (const QRegularExpressionMatch& match : altKey.globalMatch(paragraph)) {
                const auto found = keys.find(QKeySequence::mnemonic(u"&"_s + match.captured(1)));
                QVERIFY2(found != keys.end(), qPrintable(match.captured()));
                // The button's caption as far as its explanation in brackets.
                const QString button =
                    withoutMnemonic(captions[found->second]).section(u" ("_s, 0, 0);
                QVERIFY2(paragraph.contains(button), qPrintable(button + u": "_s + paragraph));
                ++named;
            }
        }
        QVERIFY(named > 0);
    }
}

void TestDialogBuilder::tabWalksVisibleControlsInTemplateOrder_data() {
    QTest::addColumn<int>("templateId");
    QTest::addColumn<QList<int>>("focusRing");
    // Hidden controls are skipped; the ring wraps from the last control to the first.
    QTest::newRow("107 report") << DialogTemplates::kReportId
                                << QList<int>{1126, 141, 143, 1, 2, 129, 3};
    QTest::newRow("102 main window")
        << DialogTemplates::kMainWindowId << QList<int>{138, 1, 2, 3, 5, 4, 162, 1005};
    // The preview area takes no tab stop.
    QTest::newRow("115 preview") << DialogTemplates::kPreviewId
                                 << QList<int>{2, 3, 129, 1004, 1005};
}

void TestDialogBuilder::tabWalksVisibleControlsInTemplateOrder() {
    QFETCH(int, templateId);
    QFETCH(QList<int>, focusRing);
    BuiltDialog built = buildDialog(templateId);
    QVERIFY(showActive(*built.dialog));

    built.control(focusRing.front())->setFocus(Qt::OtherFocusReason);
    for (qsizetype step = 1; step <= focusRing.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(controlId(QApplication::focusWidget()), focusRing[step % focusRing.size()]);
    }
    for (qsizetype step = focusRing.size() - 1; step >= 0; --step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(controlId(QApplication::focusWidget()), focusRing[step]);
    }
}

void TestDialogBuilder::keysPressTheRightButton_data() {
    QTest::addColumn<int>("templateId");
    QTest::addColumn<int>("focusId");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<int>("pressedId");
    const int report = DialogTemplates::kReportId;
    QTest::newRow("Enter in a field presses the default button")
        << report << 143 << int(Qt::Key_Return) << false << 1;
    QTest::newRow("Enter on a check box presses the default button")
        << report << 1126 << int(Qt::Key_Return) << false << 1;
    QTest::newRow("Enter on a button presses that button")
        << report << 2 << int(Qt::Key_Return) << false << 2;
    QTest::newRow("keypad Enter on a button presses that button")
        << report << 3 << int(Qt::Key_Enter) << false << 3;
    QTest::newRow("Alt+Z") << report << 143 << int(Qt::Key_Z) << true << 2;
    QTest::newRow("Alt+M") << report << 1126 << int(Qt::Key_M) << true << 129;
    QTest::newRow("Alt+P") << report << 141 << int(Qt::Key_P) << true << 3;
    QTest::newRow("Alt+O skips the hidden second OK")
        << report << 1126 << int(Qt::Key_O) << true << 1;
    QTest::newRow("Enter in the publisher list presses OK")
        << DialogTemplates::kMainWindowId << 138 << int(Qt::Key_Return) << false << 1;
    QTest::newRow("preview: Enter presses the focused button")
        << DialogTemplates::kPreviewId << 129 << int(Qt::Key_Return) << false << 129;
    QTest::newRow("preview: Alt+Z")
        << DialogTemplates::kPreviewId << 1004 << int(Qt::Key_Z) << true << 2;
}

void TestDialogBuilder::keysPressTheRightButton() {
    QFETCH(int, templateId);
    QFETCH(int, focusId);
    QFETCH(int, key);
    QFETCH(bool, alt);
    QFETCH(int, pressedId);
    BuiltDialog built = buildDialog(templateId);
    QList<int> pressed;
    for (QPushButton* button : built.dialog->findChildren<QPushButton*>()) {
        connect(button, &QPushButton::clicked, built.dialog.get(),
                [&pressed, button] { pressed.append(controlId(button)); });
    }
    QVERIFY(showActive(*built.dialog));
    built.control(focusId)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                    alt ? Qt::AltModifier : Qt::NoModifier);
    // A mnemonic presses its button after a short animation.
    QTRY_COMPARE(pressed, QList<int>{pressedId});
}

void TestDialogBuilder::controlOnTopAtPoint_data() {
    QTest::addColumn<int>("templateId");
    QTest::addColumn<int>("shownId");
    QTest::addColumn<int>("pointOfId");
    QTest::addColumn<int>("topId");
    // The month list opens over the buttons Poznámky, Zrušiť and OK.
    QTest::newRow("open month list covers Poznámky")
        << DialogTemplates::kReportId << 158 << 3 << 158;
    QTest::newRow("open month list covers OK") << DialogTemplates::kReportId << 158 << 1 << 158;
    // The etched frame comes after the preview area in the template but must not cover it.
    QTest::newRow("preview area above its frame") << DialogTemplates::kPreviewId << 0 << 130 << 130;
    QTest::newRow("name above its group box") << DialogTemplates::kMainWindowId << 0 << 133 << 133;
}

void TestDialogBuilder::controlOnTopAtPoint() {
    QFETCH(int, templateId);
    QFETCH(int, shownId);
    QFETCH(int, pointOfId);
    QFETCH(int, topId);
    BuiltDialog built = buildDialog(templateId);
    if (shownId)
        built.control(shownId)->show();
    built.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(built.dialog.get()));

    const QPoint point = built.control(pointOfId)->geometry().center();
    QWidget* top = built.dialog->childAt(point);
    while (top && top->parentWidget() != built.dialog.get())
        top = top->parentWidget();
    QCOMPARE(controlId(top), topId);
}

void TestDialogBuilder::checkBoxWithTextOnLeftTogglesOnItsText() {
    BuiltDialog built = buildDialog(DialogTemplates::kReportId);
    QVERIFY(showActive(*built.dialog));
    QCheckBox* inService = built.control<QCheckBox>(1126);
    QVERIFY(inService);
    QVERIFY(!inService->isChecked());
    // The box stands on the right, its text on the left.
    QTest::mouseClick(inService, Qt::LeftButton, {}, QPoint(4, inService->height() / 2));
    QVERIFY(inService->isChecked());
    QCOMPARE(inService->text(), QStringLiteral("bol v danom službe"));
}

void TestDialogBuilder::lookupByIdFindsTypedControls() {
    const BuiltDialog built = buildDialog(DialogTemplates::kMainWindowId);
    QVERIFY(built.control<QListWidget>(138));
    QVERIFY(built.control<QPushButton>(1));
    QVERIFY(built.control<QCheckBox>(162));
    QVERIFY(built.control<QLabel>(133));
    // Wrong kind or unknown id: null, never a wrongly typed widget.
    QCOMPARE(built.control<QPushButton>(138), nullptr);
    QCOMPARE(built.control(99), nullptr);
    QCOMPARE(DialogBuilder::control<QLineEdit>(*built.dialog, 1), nullptr);
}

void TestDialogBuilder::customWidgetTakesTheControlsPlace() {
    const DialogTemplate& preview = DialogTemplates::preview();
    const BuiltDialog plain = buildDialog(DialogTemplates::kPreviewId);

    QDialog dialog;
    QWidget* area = nullptr;
    DialogBuilder builder(preview);
    builder.setCustomWidget(130, [&area](QWidget* parent) {
        area = new QWidget(parent);
        area->setFocusPolicy(Qt::StrongFocus);
        return area;
    });
    builder.build(&dialog);

    QVERIFY(area);
    QCOMPARE(DialogBuilder::control<QWidget>(dialog, 130), area);
    QCOMPARE(area->objectName(), DialogBuilder::objectNameFor(130));
    QCOMPARE(area->geometry(), plain.control(130)->geometry());
    // The area has no tab stop in the template, whatever the widget asked for.
    QCOMPARE(area->focusPolicy(), Qt::ClickFocus);
}

QTEST_MAIN(TestDialogBuilder)
#include "TestDialogBuilder.moc"
