#include "ControlIds.h"
#include "DialogBuilder.h"
#include "GroupSheet.h"
#include "InstalledLanguage.h"
#include "KeyboardUser.h"
#include "Language.h"
#include "MainDialog.h"
#include "RecordingMessageBoxes.h"
#include "ReportDialog.h"
#include "ReportSheets.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "WindowSeams.h"
#include "Wording.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <memory>

using namespace fyn;
using namespace fyn::layout;
using namespace fyn::test;
using namespace Qt::StringLiterals;

namespace {

// Alt+P, as a user opens the remarks field; true once the field has the focus.
bool openRemarks() {
    KeyboardUser::press(Qt::Key_P, Qt::AltModifier);
    return QTest::qWaitFor([] { return KeyboardUser::focusName() == QStringLiteral("ctl163"); });
}

} // namespace

// What only the widgets do: focus, keys and the controls that come and go; the rest is the model's.
class TestReportDialog : public QObject, ReportFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        boxes_.clear();
        committed_.clear();
    }

    void cleanup() { dialog_.reset(); }

    // The focus after each key of an auxiliary pioneer in service: Tab skips hidden controls,
    // the arrow keys walk between the value fields.
    void keysMoveTheFocus_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("focus");
        const int enter = Qt::Key_Return, left = Qt::Key_Left, right = Qt::Key_Right;
        const int tab = Qt::Key_Tab;
        QTest::newRow("tab order")
            << QList<int>(8, tab) << QStringLiteral("141 143 1 2 129 3 1050 1126");
        QTest::newRow("right in the hours goes back to 1126")
            << QList<int>{enter, right} << QStringLiteral("141 1126");
        QTest::newRow("right in the studies goes on to OK")
            << QList<int>{enter, enter, right} << QStringLiteral("141 143 1");
        QTest::newRow("left in the studies goes to the hours")
            << QList<int>{enter, enter, left} << QStringLiteral("141 143 141");
        QTest::newRow("left in the hours goes to 1126")
            << QList<int>{enter, left} << QStringLiteral("141 1126");
    }

    void keysMoveTheFocus() {
        QFETCH(QList<int>, keys);
        SheetBuilder sheet = group();
        sheet.setStatus(1, AuxiliaryPioneer);
        setInService(sheet, kMay);
        QVERIFY(load(sheet) && open());
        QVERIFY(control(ReportControl::StudiesField)->isVisible());
        QStringList order;
        for (const int key : keys) {
            KeyboardUser::press(static_cast<Qt::Key>(key));
            order << KeyboardUser::focusName().mid(3);
        }
        QTEST(order.join(QLatin1Char(' ')), "focus");
        QVERIFY(!accepted());
    }

    // A regular pioneer's report: the labels show the model, leaving the hours field updates the
    // credit, and a refused value is selected for typing over.
    void pioneerByKeyboard() {
        SheetBuilder sheet = group();
        sheet.setStatus(1, RegularPioneer);
        sheet.setRecordByte(1, kPrivilege, 1);
        sheet.setReport(1, kMay, kSlot, MonthReport{0, 0, 0, 0, 1, true, 10});
        QVERIFY(load(sheet) && open());
        QCOMPARE((QStringList{dialog_->windowTitle(), text(154), text(146), text(155), text(156),
                              text(270), control(1126)->toolTip()}),
                 (QStringList{u"Ján Novák"_s, u"Ján Novák"_s, u"Máj"_s, u"Pravidelný priekopník"_s,
                              u"Služobný pomocník"_s, u"Skupina 4"_s,
                              u"či bol v danom mesiaci v službe"_s}));
        QVERIFY(control(ReportControl::AuxiliaryPioneer)->isHidden());
        KeyboardUser::press(Qt::Key_Return);
        KeyboardUser::type(QStringLiteral("70"));
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(text(ReportControl::CreditLabel), QStringLiteral("( + 5 H )"));
        KeyboardUser::type(QStringLiteral("64"));
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(boxes_.texts(),
                 QStringList{StringTable::slovak().text(text::kIntegerBetween, {u"0"_s, u"63"_s})});
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl143"));
        QCOMPARE(edit(ReportControl::StudiesField)->selectedText(), QStringLiteral("64"));
        KeyboardUser::type(QStringLiteral("2"));
        KeyboardUser::press(Qt::Key_Return);
        QVERIFY(accepted());
    }

    void valueFieldFilter_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("digits") << QStringLiteral("12") << QStringLiteral("12") << QString();
        QTest::newRow("blank") << QStringLiteral("12 ") << QStringLiteral("0")
                               << QStringLiteral("0");
        QTest::newRow("digit after a blank")
            << QStringLiteral("12 7") << QStringLiteral("7") << QString();
        QTest::newRow("letter") << QStringLiteral("12a") << QStringLiteral("12") << QString();
        QTest::newRow("minus") << QStringLiteral("-1") << QStringLiteral("1") << QString();
        QTest::newRow("non-ASCII letter")
            << QStringLiteral("1ž") << QStringLiteral("1") << QString();
        QTest::newRow("full stop") << QStringLiteral("2.5") << QStringLiteral("2.5") << QString();
        QTest::newRow("backspace") << QStringLiteral("12\b") << QStringLiteral("1") << QString();
    }

    void valueFieldFilter() {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        SheetBuilder sheet = group();
        setInService(sheet, kMay, 4);
        QVERIFY(load(sheet) && open());
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(edit(ReportControl::StudiesField)->selectedText(), QStringLiteral("4"));
        KeyboardUser::type(typed);
        QCOMPARE(edit(ReportControl::StudiesField)->text(), text);
        QCOMPARE(edit(ReportControl::StudiesField)->selectedText(), selected);
    }

    // A publisher in service with 20 hours: ticking 1050 shows the hours, unticking 1126 hides
    // both fields and puts 0 into them.
    void boxesShowAndHideTheFields() {
        SheetBuilder sheet = group();
        sheet.setReport(1, kMay, kSlot, MonthReport{0, 0, 20, 0, 3, true, 0});
        QVERIFY(load(sheet) && open());
        clickBox(ReportControl::AuxiliaryPioneer);
        QVERIFY(control(ReportControl::HoursField)->isVisible());
        clickBox(ReportControl::InService);
        QVERIFY(control(ReportControl::HoursField)->isHidden());
        QVERIFY(control(ReportControl::StudiesField)->isHidden());
        QCOMPARE(text(ReportControl::HoursField), QStringLiteral("0"));
        QCOMPARE(text(ReportControl::StudiesField), QStringLiteral("0"));
    }

    // Alt+R opens the remarks field on the month's remark, Enter writes it at once and gives the
    // focus back to 1126; cancelling then keeps the remark but not the record.
    void remarkByKeyboard() {
        SheetBuilder sheet = group();
        const int entry = sheet.addRemark("abc");
        sheet.setRemarkEntry(1, kMay, kSlot, static_cast<std::uint16_t>(entry));
        QVERIFY(load(sheet) && open());
        KeyboardUser::press(Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(KeyboardUser::focusName(), QStringLiteral("ctl163"));
        QVERIFY(control(ReportControl::ChangeMonth)->isHidden());
        QCOMPARE(text(ReportControl::RemarksField), QStringLiteral("abc"));
        KeyboardUser::type(QStringLiteral("d"));
        KeyboardUser::press(Qt::Key_Return);

        QCOMPARE(remarkEntry(entry), QByteArray("abcd"));
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl1126"));
        QVERIFY(control(ReportControl::RemarksField)->isHidden());
        QVERIFY(control(ReportControl::ChangeMonth)->isVisible());
        KeyboardUser::press(Qt::Key_Escape);
        QVERIFY(dialog_->isHidden());
        QCOMPARE(dialog_->result(), QDialog::Rejected);
        QVERIFY(committed_.isEmpty());
        QCOMPARE(recordBytes(), before_);
    }

    // Windows-1253 leaves D2 undefined: the remark keeps it while unchanged; typing on is let
    // through, says that it cannot be kept, and stores the text without it.
    void remarkWithAByteTheCodePageLacks() {
        SheetBuilder sheet = group();
        const auto entry = static_cast<std::uint16_t>(sheet.addRemark("\xD2x"));
        sheet.setRemarkEntry(1, kMay, kSlot, entry);
        TextCodec::useCodePage(u"windows-1253"_s);
        const auto restore = qScopeGuard(
            [] { TextCodec::useCodePage(QString::fromLatin1(TextCodec::kDefaultCodePage)); });
        QVERIFY(load(sheet) && open() && openRemarks());
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(PublisherView(dialog_->model().workingRecord().data())
                     .month(kMay, kSlot)
                     .remarkNumber(),
                 entry);
        QVERIFY(boxes_.texts().isEmpty() && openRemarks());
        KeyboardUser::type(u"y"_s);
        QCOMPARE(text(ReportControl::RemarksField), u"\uFFFDxy"_s);
        KeyboardUser::press(Qt::Key_Return);
        click(ReportControl::Ok);
        QVERIFY(accepted());
        QCOMPARE(remarkEntry(entry), QByteArray("xy"));
        QCOMPARE(sheet_.publisher(1).month(kMay, kSlot).remarkNumber(), entry);
        QCOMPARE(boxes_.texts(), QStringList{StringTable::slovak().text(
                                     text::kUnshownCharacters, {u"windows-1253"_s, u"D2"_s})});
    }

    // Where the remarks button's own key is R too (fr, et, en), a second Alt+R made the key
    // ambiguous, and it only moved the focus.
    void altROpensTheRemarksInEveryLanguage() {
        for (const Language& language : Language::all()) {
            const InstalledLanguage installed(language);
            QVERIFY(load(group()) && open());
            KeyboardUser::press(Qt::Key_R, Qt::AltModifier);
            QTRY_COMPARE(KeyboardUser::focusName(), QStringLiteral("ctl163"));
        }
    }

    void okWhileRemarksAreOpenNeedsASecondClick() {
        QVERIFY(load(group()) && open());
        QVERIFY(openRemarks());
        KeyboardUser::type(QStringLiteral("neskoro"));
        click(ReportControl::Ok);
        QCOMPARE(remarkEntry(remarksBefore_ + 1), QByteArray("neskoro"));
        QVERIFY(dialog_->isVisible());
        QVERIFY(control(ReportControl::RemarksField)->isHidden());
        click(ReportControl::Ok);
        QVERIFY(accepted());
        QCOMPARE(sheet_.publisher(1).month(kMay, kSlot).remarkNumber(), remarksBefore_ + 1);
    }

    void remarkFieldInput_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        const QString typed = QStringLiteral("typed");
        const QString pasted = QStringLiteral("pasted");
        const QString inserted = QStringLiteral("inserted");
        const QString none;
        QTest::newRow("typed CJK") << typed << QStringLiteral("中") << none;
        QTest::newRow("typed euro sign") << typed << QStringLiteral("€") << QStringLiteral("€");
        QTest::newRow("typed Slovak letters")
            << typed << QStringLiteral("ľšôä") << QStringLiteral("ľšôä");
        QTest::newRow("pasted with CJK") << pasted << QStringLiteral("ab中") << none;
        QTest::newRow("pasted Slovak")
            << pasted << QStringLiteral("Ďakujem, 5 €") << QStringLiteral("Ďakujem, 5 €");
        QTest::newRow("inserted check mark") << inserted << QStringLiteral("ok ✓") << none;
        QTest::newRow("inserted Czech")
            << inserted << QStringLiteral("Přišel") << QStringLiteral("Přišel");
        QTest::newRow("typed beyond 36 characters")
            << typed << QString(40, QLatin1Char('x')) << QString(36, QLatin1Char('x'));
    }

    void remarkFieldInput() {
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        QVERIFY(load(group()) && open());
        QVERIFY(openRemarks());
        QLineEdit* field = edit(ReportControl::RemarksField);
        if (how == QStringLiteral("typed")) {
            KeyboardUser::type(input);
        } else if (how == QStringLiteral("pasted")) {
            QApplication::clipboard()->setText(input);
            KeyboardUser::press(Qt::Key_V, Qt::ControlModifier);
        } else {
            field->insert(input);
        }
        QCOMPARE(field->text(), kept);
        KeyboardUser::press(Qt::Key_Return);
        // Nothing to store takes no entry.
        QCOMPARE(sheet_.remarkCount() > remarksBefore_ ? remarkEntry(remarksBefore_ + 1) : "",
                 kept.isEmpty() ? QByteArray() : cp1250(kept));
    }

    void throughTheMainWindow() {
        SheetBuilder sheet;
        sheet.setGroupNumber(3);
        sheet.setReportMonth(0);
        sheet.addPublisher(cp1250(QStringLiteral("Ján")), cp1250(QStringLiteral("Novák")));
        sheet.addPublisher(cp1250(QStringLiteral("Mária")), cp1250(QStringLiteral("Nováková")));
        sheet.addPublisher("Peter", cp1250(QStringLiteral("Šťastný")));
        sheet.addPublisher("Eva", cp1250(QStringLiteral("Horváthová")));
        sheet.setReport(1, 0, 1, MonthReport{0, 0, 0, 0, 2, true, 0});
        test::WindowSeams seams(QDate(2027, 2, 10)); // January 2027 is in year slot 1
        const QString path = seams.path(QStringLiteral("Skupina3.t09"));
        QVERIFY(sheet.writeTo(path));
        const std::unique_ptr<MainDialog> opened = seams.open(path);
        MainDialog& window = *opened;
        QVERIFY(KeyboardUser::activate(window));
        auto* filter = DialogBuilder::control<QCheckBox>(window, 162);
        QTest::mouseClick(filter, Qt::LeftButton, {}, QPoint(4, filter->height() / 2));
        auto* list = DialogBuilder::control<QListWidget>(window, 138);
        QCOMPARE(list->count(), 3);
        list->setFocus();
        KeyboardUser::press(Qt::Key_Down);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Šťastný, Peter"));

        KeyboardUser::onNextModalDialog([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Peter Šťastný"));
            KeyboardUser::press(Qt::Key_Space);
            KeyboardUser::press(Qt::Key_Return);
            KeyboardUser::type(QStringLiteral("4"));
            KeyboardUser::press(Qt::Key_Return);
            QVERIFY(dialog.isHidden());
        });
        KeyboardUser::press(Qt::Key_Return);

        QCOMPARE(DialogBuilder::control<QLabel>(window, 1000)->text(),
                 QStringLiteral("Január - neodovzdané správy = 2"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Január - odovzdané správy - Skupina 3 "));
        QCOMPARE(DialogBuilder::control<QLabel>(window, 133)->text(),
                 QStringLiteral("Peter Šťastný"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Horváthová, Eva"));
        QCOMPARE(window.sheet().publisher(3).month(0, 1).studies(), 4);

        // Already in the file, with the window still open.
        GroupSheet onDisk;
        QVERIFY(onDisk.Load(path));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(onDisk.Record(3)), kRecordSize),
                 QByteArray(reinterpret_cast<const char*>(window.sheet().Record(3)), kRecordSize));
        QCOMPARE(onDisk.remarkCount(), window.sheet().remarkCount());
        QVERIFY(!onDisk.IsReportMissing(3, 0, 1));
        QVERIFY(seams.messages.texts().isEmpty());
    }

private:
    bool open();
    QWidget* control(int id) const { return DialogBuilder::control<QWidget>(*dialog_, id); }
    QLineEdit* edit(int id) const { return DialogBuilder::control<QLineEdit>(*dialog_, id); }
    QString text(int id) const;
    bool accepted() const { return dialog_->isHidden() && dialog_->result() == QDialog::Accepted; }
    void click(int id) { QTest::mouseClick(control(id), Qt::LeftButton, {}, QPoint(4, 4)); }
    void clickBox(int id) {
        QTest::mouseClick(control(id), Qt::LeftButton, {}, QPoint(4, control(id)->height() / 2));
    }

    std::unique_ptr<ReportDialog> dialog_;
};

bool TestReportDialog::open() {
    dialog_ = std::make_unique<ReportDialog>(context(), 1);
    dialog_->show();
    return KeyboardUser::activate(*dialog_);
}

QString TestReportDialog::text(int id) const {
    if (const auto* label = qobject_cast<QLabel*>(control(id))) {
        return label->text();
    }
    return edit(id)->text();
}

QTEST_MAIN(TestReportDialog)
#include "TestReportDialog.moc"
