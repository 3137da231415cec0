#include "ControlIds.h"
#include "DialogBuilder.h"
#include "FakeSeams.h"
#include "GroupSheet.h"
#include "KeyboardUser.h"
#include "LittleEndian.h"
#include "MailSeams.h"
#include "MainDialog.h"
#include "RecordingMessageBoxes.h"
#include "ReportDialog.h"
#include "Settings.h"
#include "SheetBackup.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "Wording.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>

using namespace fyn;
using namespace fyn::layout;
using fyn::test::FixedClock;
using fyn::test::KeyboardUser;
using fyn::test::RecordingMessageBoxes;
using fyn::test::ScriptedFilePicker;

namespace {

// The month under test is May of the odd year; the other slots of May hold other figures, so
// that a wrong slot shows.
constexpr int kMay = 4;
constexpr int kSlot = 1;
constexpr int kK = monthSlot(kMay, kSlot);

const QString kPositive = QStringLiteral("Please enter a positive integer.");

QString between(int upper) {
    return QStringLiteral("Please enter an integer between 0 and %1.").arg(upper);
}

// Alt+P, as a user opens the remarks field; true once the field has the focus.
bool openRemarks() {
    KeyboardUser::press(Qt::Key_P, Qt::AltModifier);
    return QTest::qWaitFor([] { return KeyboardUser::focusName() == QStringLiteral("ctl163"); });
}

QByteArray cp1250(const QString& text) {
    return TextCodec::fromUnicode(text).value_or(QByteArray("?unencodable?"));
}

// Record 1 is the publisher under test, a publisher with nothing entered for May yet; record 2
// only makes the sheet a group. One remark exists already.
SheetBuilder group(int reportMonth = kMay) {
    SheetBuilder sheet;
    sheet.setGroupNumber(4);
    sheet.setReportMonth(static_cast<std::uint8_t>(reportMonth));
    sheet.addPublisher(cp1250(QStringLiteral("Ján")), cp1250(QStringLiteral("Novák")));
    sheet.addPublisher("Eva", "Mala");
    sheet.setRemarkEntry(2, kMay, kSlot, static_cast<std::uint16_t>(sheet.addRemark("0")));
    sheet.setReport(1, kMay, 1 - kSlot, MonthReport{9, 9, 9, 9, 9, true, 9});
    for (const std::size_t array : {kPublications, kHours, kStudiesAndFlags, kCreditHours}) {
        sheet.setMonthValue(1, array, kMay, 2, 0x0909);
    }
    return sheet;
}

void setInService(SheetBuilder& sheet, int month, std::uint16_t studies = 0) {
    sheet.setMonthValue(1, kStudiesAndFlags, month, kSlot,
                        static_cast<std::uint16_t>(kInServiceBit | studies));
}

} // namespace

class TestReportDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        boxes_.clear();
        committed_.clear();
        sheet_ = std::make_unique<GroupSheet>();
        wording_ = std::make_unique<Wording>(StringTable::slovak(), *sheet_);
    }

    void cleanup() {
        dialog_.reset();
        wording_.reset();
        sheet_.reset();
    }

    void statusTexts_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("privilege");
        QTest::addColumn<int>("groupByte");
        QTest::addColumn<QString>("statusText"); // empty: label 155 hidden, box 1050 shown
        QTest::addColumn<QString>("privilegeText");
        QTest::addColumn<QString>("groupText");
        QTest::newRow("publisher, elder")
            << 0x80 << 0xFE << 4 << QString() << QStringLiteral("Starší")
            << QStringLiteral("Skupina 4");
        QTest::newRow("auxiliary pioneer")
            << 1 << 0 << 12 << QString() << QString() << QStringLiteral("Skupina 12");
        QTest::newRow("regular pioneer, ministerial servant")
            << 2 << 1 << 4 << QStringLiteral("Pravidelný priekopník")
            << QStringLiteral("Služobný pomocník") << QStringLiteral("Skupina 4");
        QTest::newRow("special pioneer, group byte 255")
            << 3 << 3 << 255 << QStringLiteral("Zvláštny priekopník")
            << QStringLiteral("Pokrstený brat") << QStringLiteral("Skupina -1");
    }

    void statusTexts() {
        QFETCH(int, status);
        QFETCH(int, privilege);
        QFETCH(int, groupByte);
        QFETCH(QString, statusText);
        SheetBuilder sheet = group();
        sheet.setRecordByte(1, kPioneerStatus + kK, static_cast<std::uint8_t>(status));
        sheet.setRecordByte(1, kPrivilege, static_cast<std::uint8_t>(privilege));
        sheet.setRecordByte(1, kRecordGroupNumber, static_cast<std::uint8_t>(groupByte));
        QVERIFY(load(sheet) && open());
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Ján Novák"));
        QCOMPARE(text(154), QStringLiteral("Ján Novák"));
        QCOMPARE(text(ReportControl::MonthLabel), QStringLiteral("Máj"));
        QCOMPARE(control(ReportControl::InService)->toolTip(),
                 QStringLiteral("či bol v danom mesiaci v službe"));
        QCOMPARE(control(155)->isVisible(), !statusText.isEmpty());
        QCOMPARE(control(ReportControl::AuxiliaryPioneer)->isVisible(), statusText.isEmpty());
        if (!statusText.isEmpty()) {
            QCOMPARE(text(155), statusText);
        }
        QTEST(text(156), "privilegeText");
        QTEST(text(270), "groupText");
        QCOMPARE(control(ReportControl::CreditLabel)->isVisible(),
                 (status & kStatusMask) == RegularPioneer);
    }

    void freshMonthByKeyboard() {
        SheetBuilder sheet = group();
        sheet.setMonthValue(1, kStudiesAndFlags, kMay, kSlot, 0xA400);
        QVERIFY(load(sheet) && open());
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl1126"));
        QVERIFY(control(ReportControl::StudiesField)->isHidden());
        QVERIFY(control(ReportControl::HoursField)->isHidden());

        KeyboardUser::press(Qt::Key_Space);
        QVERIFY(control(ReportControl::StudiesField)->isVisible());
        QVERIFY(control(ReportControl::HoursField)->isHidden());
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl143"));
        KeyboardUser::type(QStringLiteral("3"));
        KeyboardUser::press(Qt::Key_Return);

        QVERIFY(accepted());
        QCOMPARE(value(kStudiesAndFlags), 0xA803); // bits 12-15 kept, 10 cleared, 11 set
        QCOMPARE(committed_, QStringList{QStringLiteral("Ján Novák")});
        QByteArray expected = before_;
        writeU16(reinterpret_cast<std::uint8_t*>(expected.data()) + kStudiesAndFlags + 2 * kK,
                 0xA803);
        QCOMPARE(recordBytes(), expected);
    }

    void notInServiceWalksToOkAndStores_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("stored");
        QTest::newRow("nothing changes") << 0x5000 << 0x5000;
        QTest::newRow("bit 10 is cleared") << 0x5400 << 0x5000;
    }

    void notInServiceWalksToOkAndStores() {
        QFETCH(int, flags);
        QFETCH(int, stored);
        SheetBuilder sheet = group();
        sheet.setMonthValue(1, kStudiesAndFlags, kMay, kSlot, static_cast<std::uint16_t>(flags));
        QVERIFY(load(sheet) && open());
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl1"));
        QVERIFY(!accepted());
        KeyboardUser::press(Qt::Key_Return);
        QVERIFY(accepted());
        QCOMPARE(value(kStudiesAndFlags), stored);
        QCOMPARE(committed_.size(), 1);
    }

    void pioneerHoursAndCredit_data() {
        QTest::addColumn<QString>("remark");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("credit");
        QTest::newRow("70 hours, credit 10")
            << QString() << QStringLiteral("70") << QStringLiteral("( + 5 H )") << 5;
        QTest::newRow("60 hours, credit 10")
            << QString() << QStringLiteral("60") << QStringLiteral("( + 10 H )") << 10;
        QTest::newRow("80 hours, credit 10") << QString() << QStringLiteral("80") << QString() << 0;
        QTest::newRow("80 hours, remark 30*")
            << QStringLiteral("30*") << QStringLiteral("80") << QStringLiteral("( + 30 H )") << 30;
        QTest::newRow("60 hours, remark 50!")
            << QStringLiteral("50!") << QStringLiteral("60") << QStringLiteral("( + 50 H )") << 50;
    }

    void pioneerHoursAndCredit() {
        QFETCH(QString, remark);
        QFETCH(QString, hours);
        QFETCH(QString, label);
        QFETCH(int, credit);
        SheetBuilder sheet = group();
        sheet.setStatus(1, RegularPioneer);
        setInService(sheet, kMay, 1);
        sheet.setMonthValue(1, kCreditHours, kMay, kSlot, 10);
        if (!remark.isEmpty()) {
            sheet.setRemarkEntry(1, kMay, kSlot,
                                 static_cast<std::uint16_t>(sheet.addRemark(cp1250(remark))));
        }
        QVERIFY(load(sheet) && open());
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl1126"));
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl141"));
        KeyboardUser::type(hours);
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl143"));
        QVERIFY(control(ReportControl::CreditLabel)->isVisible());
        QCOMPARE(text(ReportControl::CreditLabel), label);
        KeyboardUser::type(QStringLiteral("2"));
        KeyboardUser::press(Qt::Key_Return);

        QVERIFY(accepted());
        QCOMPARE(value(kHours), hours.toUShort());
        QCOMPARE(value(kStudiesAndFlags), kInServiceBit | 2);
        QCOMPARE(value(kCreditHours), credit);
        QCOMPARE(sheet_->Record(1)[kPioneerStatus + kK], RegularPioneer);
    }

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

    void untickingInServiceResetsTheValues() {
        SheetBuilder sheet = group();
        sheet.setStatus(1, RegularPioneer);
        sheet.setReport(1, kMay, kSlot, MonthReport{1, 2, 20, 4, 3, true, 0});
        sheet.setMonthValue(1, kStudiesAndFlags, kMay, kSlot, 0x5803);
        QVERIFY(load(sheet) && open());
        QCOMPARE(text(ReportControl::HoursField), QStringLiteral("20"));
        QCOMPARE(text(ReportControl::StudiesField), QStringLiteral("3"));

        KeyboardUser::press(Qt::Key_Space);
        QVERIFY(control(ReportControl::HoursField)->isHidden());
        QVERIFY(control(ReportControl::StudiesField)->isHidden());
        QCOMPARE(text(ReportControl::HoursField), QStringLiteral("0"));
        QCOMPARE(text(ReportControl::StudiesField), QStringLiteral("0"));
        KeyboardUser::press(Qt::Key_Return);
        KeyboardUser::press(Qt::Key_Return);

        QVERIFY(accepted());
        QCOMPARE(value(kHours), 0);
        QCOMPARE(value(kStudiesAndFlags), 0x5000);
        QCOMPARE(value(kPublications), 1);
        QCOMPARE(value(kReturnVisits), 4);
    }

    void auxiliaryPioneerBox_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("boxShown");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<int>("stored");
        QTest::newRow("publisher ticks it") << 0xB4 << true << true << 0xB5;
        QTest::newRow("publisher leaves it") << 0xB4 << true << false << 0xB4;
        QTest::newRow("auxiliary pioneer unticks it") << 0xB5 << true << true << 0xB4;
        QTest::newRow("regular pioneer stays") << 0xB6 << false << true << 0xB6;
        QTest::newRow("special pioneer stays") << 0xB7 << false << true << 0xB7;
    }

    void auxiliaryPioneerBox() {
        QFETCH(int, status);
        QFETCH(bool, boxShown);
        QFETCH(bool, tick);
        QFETCH(int, stored);
        SheetBuilder sheet = group();
        sheet.setRecordByte(1, kPioneerStatus + kK, static_cast<std::uint8_t>(status));
        setInService(sheet, kMay, 1);
        QVERIFY(load(sheet) && open());
        auto* box = qobject_cast<QCheckBox*>(control(ReportControl::AuxiliaryPioneer));
        QCOMPARE(box->isVisible(), boxShown);
        if (boxShown) {
            QCOMPARE(box->isChecked(), (status & kStatusMask) == AuxiliaryPioneer);
        }
        if (tick && boxShown) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
            // The hours field follows the box for a publisher in service.
            QCOMPARE(control(ReportControl::HoursField)->isVisible(), box->isChecked());
        } else if (tick) {
            box->setChecked(!box->isChecked());
        }
        click(ReportControl::Ok);
        QVERIFY(accepted());
        QCOMPARE(sheet_->Record(1)[kPioneerStatus + kK], stored);
    }

    void validation_data() {
        QTest::addColumn<int>("publications");
        QTest::addColumn<int>("videos");
        QTest::addColumn<int>("returnVisits");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("studies");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        const auto row = [](const char* name, int publications, int videos, int returnVisits,
                            const char* hours, const char* studies, const QString& message,
                            const char* focus) {
            QTest::newRow(name) << publications << videos << returnVisits
                                << QString::fromLatin1(hours) << QString::fromLatin1(studies)
                                << message << QString::fromLatin1(focus);
        };
        row("hidden publications 5000", 5000, 0, 0, "1", "1", between(4095), "");
        row("hidden videos 4096", 0, 4096, 0, "1", "1", between(4095), "");
        row("hidden return visits 512", 0, 0, 512, "1", "1", between(511), "");
        row("publications before return visits", 4096, 0, 512, "1", "1", between(4095), "");
        row("return visits before studies", 0, 0, 600, "1", "2.5", between(511), "");
        row("studies 64", 0, 0, 0, "1", "64", between(63), "ctl143");
        row("studies 2.5", 0, 0, 0, "1", "2.5", kPositive, "ctl143");
        row("studies before hours", 0, 0, 0, "70000", "64", between(63), "ctl143");
        row("hours 70000", 0, 0, 0, "70000", "1", between(65535), "ctl141");
        row("hours 2.5", 0, 0, 0, "2.5", "1", kPositive, "ctl141");
        row("every upper bound passes", 4095, 4095, 511, "65535", "63", {}, "");
    }

    void validation() {
        QFETCH(int, publications);
        QFETCH(int, videos);
        QFETCH(int, returnVisits);
        QFETCH(QString, hours);
        QFETCH(QString, studies);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        SheetBuilder sheet = group();
        sheet.setStatus(1, AuxiliaryPioneer);
        sheet.setReport(1, kMay, kSlot,
                        MonthReport{static_cast<std::uint16_t>(publications),
                                    static_cast<std::uint16_t>(videos), 0,
                                    static_cast<std::uint16_t>(returnVisits), 0, true, 0});
        QVERIFY(load(sheet) && open());
        KeyboardUser::press(Qt::Key_Return);
        KeyboardUser::type(hours);
        KeyboardUser::press(Qt::Key_Return);
        KeyboardUser::type(studies);
        KeyboardUser::press(Qt::Key_Return);

        if (message.isEmpty()) {
            QVERIFY(accepted());
            QVERIFY(boxes_.texts().isEmpty());
            QCOMPARE(value(kPublications), publications);
            QCOMPARE(value(kVideos), videos);
            QCOMPARE(value(kReturnVisits), returnVisits);
            QCOMPARE(value(kHours), hours.toUShort());
            QCOMPARE(value(kStudiesAndFlags), kInServiceBit | studies.toUShort());
            return;
        }
        QCOMPARE(boxes_.texts(), QStringList{message});
        QVERIFY(dialog_->isVisible());
        QVERIFY(committed_.isEmpty());
        QCOMPARE(recordBytes(), before_);
        if (!focus.isEmpty()) {
            QCOMPARE(KeyboardUser::focusName(), focus);
            const QLineEdit* field = edit(focus.mid(3).toInt());
            QCOMPARE(field->selectedText(), field->text());
        }
    }

    void remarkIsStoredAtOnce_data() {
        QTest::addColumn<int>("shortcut"); // 0: click the button
        QTest::addColumn<QString>("remark");
        QTest::newRow("Alt+P, a zero report") << int(Qt::Key_P) << QStringLiteral("0");
        QTest::newRow("Alt+R, a zero report") << int(Qt::Key_R) << QStringLiteral("0");
        QTest::newRow("button, a text") << 0 << QStringLiteral("Prišiel až v piatok, 5 %");
    }

    void remarkIsStoredAtOnce() {
        QFETCH(int, shortcut);
        QFETCH(QString, remark);
        QVERIFY(load(group()));
        QVERIFY(sheet_->IsReportMissing(1, kMay, kSlot));
        QVERIFY(open());
        const int entry = remarksBefore_ + 1;
        QCOMPARE(sheet_->remarkCount(), entry);

        if (shortcut != 0) {
            KeyboardUser::press(static_cast<Qt::Key>(shortcut), Qt::AltModifier);
        } else {
            click(ReportControl::RemarksButton);
        }
        QTRY_COMPARE(KeyboardUser::focusName(), QStringLiteral("ctl163"));
        QCOMPARE(dialog_->model().remarksMode(), 1);
        QVERIFY(control(ReportControl::ChangeMonth)->isHidden());
        KeyboardUser::type(remark);
        KeyboardUser::press(Qt::Key_Return);

        QCOMPARE(remarkEntry(entry), cp1250(remark));
        QVERIFY(dialog_->isVisible());
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl1126"));
        QCOMPARE(dialog_->model().remarksMode(), 0);
        QVERIFY(control(ReportControl::RemarksField)->isHidden());
        QVERIFY(control(ReportControl::ChangeMonth)->isVisible());
        QCOMPARE(value(kRemarkEntry), 0); // the record waits for acceptance

        KeyboardUser::press(Qt::Key_Return);
        KeyboardUser::press(Qt::Key_Return);
        QVERIFY(accepted());
        QCOMPARE(value(kRemarkEntry), entry);
        QCOMPARE(value(kStudiesAndFlags) & kInServiceBit, 0);
        QVERIFY(!sheet_->IsReportMissing(1, kMay, kSlot));
    }

    void pioneerRemarkAndCredit_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("credit");
        QTest::newRow("cleared") << QString() << false << QString() << 0;
        QTest::newRow("blanks only") << QStringLiteral("   ") << false << QString() << 0;
        QTest::newRow("leading blank, digits not read")
            << QStringLiteral(" 5") << false << QStringLiteral("( + 10 H )") << 10;
        QTest::newRow("new credit")
            << QStringLiteral("5 +H") << true << QStringLiteral("( + 5 H )") << 5;
        QTest::newRow("capped by the hours")
            << QStringLiteral("40") << true << QStringLiteral("( + 15 H )") << 15;
    }

    // A regular pioneer with 60 hours and the remark "10 +H" for 10 credit hours edits the remark.
    void pioneerRemarkAndCredit() {
        QFETCH(QString, typed);
        QFETCH(bool, stored);
        QFETCH(QString, label);
        QFETCH(int, credit);
        SheetBuilder sheet = group();
        sheet.setStatus(1, RegularPioneer);
        sheet.setReport(1, kMay, kSlot, MonthReport{0, 0, 60, 0, 1, true, 10});
        const int entry = sheet.addRemark("10 +H");
        sheet.setRemarkEntry(1, kMay, kSlot, static_cast<std::uint16_t>(entry));
        QVERIFY(load(sheet) && open());
        QCOMPARE(text(ReportControl::CreditLabel), QStringLiteral("( + 10 H )"));

        QVERIFY(openRemarks());
        QCOMPARE(text(ReportControl::RemarksField), QStringLiteral("10 +H"));
        KeyboardUser::press(Qt::Key_A, Qt::ControlModifier);
        KeyboardUser::press(Qt::Key_Backspace);
        KeyboardUser::type(typed);
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(text(ReportControl::CreditLabel), label);
        QCOMPARE(int(dialog_->model().credit()), credit);
        QCOMPARE(sheet_->remarkCount(), remarksBefore_);
        QCOMPARE(remarkEntry(entry), stored ? cp1250(typed) : QByteArray("10 +H"));

        KeyboardUser::press(Qt::Key_Return);
        KeyboardUser::press(Qt::Key_Return);
        KeyboardUser::press(Qt::Key_Return);
        QVERIFY(accepted());
        QCOMPARE(value(kRemarkEntry), stored ? entry : 0);
        QCOMPARE(value(kCreditHours), credit);
        QCOMPARE(value(kHours), 60);
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
        QCOMPARE(value(kRemarkEntry), remarksBefore_ + 1);
    }

    void cancelKeepsTheRemarkButNotTheRecord() {
        QVERIFY(load(group()) && open());
        KeyboardUser::press(Qt::Key_Space);
        QVERIFY(openRemarks());
        KeyboardUser::type(QStringLiteral("Chýbal"));
        KeyboardUser::press(Qt::Key_Return);
        KeyboardUser::press(Qt::Key_Escape);

        QVERIFY(dialog_->isHidden());
        QCOMPARE(dialog_->result(), QDialog::Rejected);
        QVERIFY(committed_.isEmpty());
        QCOMPARE(recordBytes(), before_);
        QCOMPARE(sheet_->remarkCount(), remarksBefore_ + 1);
        QCOMPARE(remarkEntry(remarksBefore_ + 1), cp1250(QStringLiteral("Chýbal")));
    }

    void aClearedRemarkStaysClearedAfterAMonthRoundTrip() {
        QVERIFY(load(group()) && open());
        QVERIFY(openRemarks());
        KeyboardUser::type(QStringLiteral("abc"));
        KeyboardUser::press(Qt::Key_Return);
        QVERIFY(openRemarks());
        qobject_cast<QLineEdit*>(QApplication::focusWidget())->clear();
        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(dialog_->model().remarkText(), QString());

        KeyboardUser::press(Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(KeyboardUser::focusName(), QStringLiteral("ctl158"));
        KeyboardUser::press(Qt::Key_Up);
        KeyboardUser::press(Qt::Key_Down);
        KeyboardUser::press(Qt::Key_Return);
        QTRY_COMPARE(KeyboardUser::focusName(), QStringLiteral("ctl1126"));
        QCOMPARE(dialog_->model().remarkText(), QString());
        click(ReportControl::Ok);
        QVERIFY(accepted());
        QCOMPARE(value(kRemarkEntry), 0);
    }

    void eachMonthShownReservesOneEntry() {
        QVERIFY(load(group()) && open());
        QVERIFY(openRemarks());
        KeyboardUser::type(QStringLiteral("abc"));
        KeyboardUser::press(Qt::Key_Return);

        // April, May, April, May: one entry each.
        for (int round = 0; round < 2; ++round) {
            KeyboardUser::press(Qt::Key_M, Qt::AltModifier);
            QTRY_COMPARE(KeyboardUser::focusName(), QStringLiteral("ctl158"));
            KeyboardUser::press(Qt::Key_Up);
            QCOMPARE(text(ReportControl::MonthLabel), QStringLiteral("Apríl"));
            KeyboardUser::press(Qt::Key_Down);
            QCOMPARE(text(ReportControl::MonthLabel), QStringLiteral("Máj"));
            KeyboardUser::press(Qt::Key_Return);
            QTRY_COMPARE(KeyboardUser::focusName(), QStringLiteral("ctl1126"));
        }
        QCOMPARE(sheet_->remarkCount(), remarksBefore_ + 2);
        QCOMPARE(dialog_->model().remarkText(), QStringLiteral("abc"));

        click(ReportControl::Ok);
        QVERIFY(accepted());
        QCOMPARE(value(kRemarkEntry), remarksBefore_ + 1);
        QCOMPARE(remarkEntry(remarksBefore_ + 1), QByteArray("abc"));
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
        QTest::newRow("typed check mark") << typed << QStringLiteral("✓") << none;
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
        QCOMPARE(remarkEntry(remarksBefore_ + 1), kept.isEmpty() ? QByteArray() : cp1250(kept));
    }

    void fullRemarkTableStoresNoRemark() {
        SheetBuilder sheet = group();
        while (sheet.remarkCount() < kMaxRemarks) {
            sheet.addRemark("x");
        }
        QVERIFY(load(sheet) && open());
        QCOMPARE(boxes_.texts(), QStringList{QStringLiteral("Mimo priestor pre poznámky")});
        QVERIFY(openRemarks());
        KeyboardUser::type(QStringLiteral("0"));
        KeyboardUser::press(Qt::Key_Return);
        click(ReportControl::Ok);
        QVERIFY(accepted());
        QCOMPARE(sheet_->remarkCount(), kMaxRemarks);
        QCOMPARE(value(kRemarkEntry), 0);
        QVERIFY(sheet_->IsReportMissing(1, kMay, kSlot));
    }

    void lateMonth_data() {
        QTest::addColumn<int>("reportMonth");
        QTest::addColumn<int>("moves"); // down the list; negative: up
        QTest::addColumn<int>("hours");
        QTest::addColumn<bool>("markedBefore");
        QTest::addColumn<int>("reportMonthStatus");
        QTest::addColumn<int>("shownMonthStatus");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<int>("markAt"); // record offset of the late mark written; 0 for none

        const auto alreadySent = [](const char* month) {
            return QStringLiteral("- VÝSTRAHA -   Už ste zaslali %1 správu za Ján Novák.")
                .arg(QString::fromUtf8(month));
        };
        const auto included = [](const char* month) {
            return QStringLiteral("\nPrípadné zmeny BUDÚ ZAHRNUTÉ do %1 správy pre odbočku.")
                .arg(QString::fromUtf8(month));
        };
        const QString notIncluded =
            QStringLiteral("\nZmeny NEBUDÚ ZAHRNUTÉ do September správy pre odbočku.");
        const QString special =
            QStringLiteral("\nZvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku");
        const int P = Publisher;
        const int S = SpecialPioneer;

        QTest::newRow("March, first half")
            << 3 << -1 << 0 << false << P << P << included("Apríl") << 154;
        QTest::newRow("June, last of the first half")
            << 6 << -1 << 0 << false << P << P << included("Júl") << 157;
        QTest::newRow("July, first of the second half")
            << 7 << -1 << 0 << false << P << P << included("August") << 161;
        QTest::newRow("December from January")
            << 0 << 11 << 0 << false << P << P << included("Január") << 166;
        QTest::newRow("August with hours, not marked")
            << 8 << -1 << 30 << false << P << P << alreadySent("August") + notIncluded << 0;
        QTest::newRow("August with hours, marked before")
            << 8 << -1 << 30 << true << P << P << alreadySent("August") + included("September")
            << 162;
        QTest::newRow("special pioneer in the report month")
            << 8 << -1 << 0 << false << S << P << special << 0;
        QTest::newRow("special pioneer in the shown month")
            << 8 << -1 << 90 << false << P << S << alreadySent("August") + special << 0;
    }

    void lateMonth() {
        QFETCH(int, reportMonth);
        QFETCH(int, moves);
        QFETCH(int, hours);
        QFETCH(bool, markedBefore);
        QFETCH(int, reportMonthStatus);
        QFETCH(int, shownMonthStatus);
        QFETCH(QString, panel);
        QFETCH(int, markAt);
        const int month = reportMonth + moves;
        SheetBuilder sheet = group(reportMonth);
        sheet.setStatus(1, reportMonth, kSlot, static_cast<PioneerStatus>(reportMonthStatus));
        sheet.setStatus(1, month, kSlot, static_cast<PioneerStatus>(shownMonthStatus));
        if (hours != 0) {
            sheet.setReport(1, month, kSlot,
                            MonthReport{0, 0, static_cast<std::uint16_t>(hours), 0, 0, true, 0});
        }
        if (markedBefore) {
            sheet.markLate(1, month);
        }
        QVERIFY(load(sheet) && open());

        KeyboardUser::press(Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(KeyboardUser::focusName(), QStringLiteral("ctl158"));
        for (int step = 0; step < std::abs(moves); ++step) {
            KeyboardUser::press(moves < 0 ? Qt::Key_Up : Qt::Key_Down);
        }
        QCOMPARE(dialog_->model().month(), month);
        KeyboardUser::press(Qt::Key_Return);
        QTRY_VERIFY(control(ReportControl::MonthList)->isHidden());
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl1126"));
        QCOMPARE(text(ReportControl::WarningsLabel), panel);

        KeyboardUser::press(Qt::Key_Return);
        QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl1"));
        KeyboardUser::press(Qt::Key_Return);
        QVERIFY(accepted());
        QByteArray expected = before_;
        if (markAt != 0) {
            expected[markAt] = 1;
        }
        QCOMPARE(recordBytes(), expected);
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
        const QString path = dir_.filePath(QStringLiteral("Skupina3.t09"));
        QVERIFY(sheet.writeTo(path));

        ScriptedFilePicker files;
        FixedClock clock(QDate(2027, 2, 10)); // January 2027 is in year slot 1
        Settings settings(dir_.filePath(QStringLiteral("fyn.ini")));
        SheetBackup backup(dir_.filePath(QStringLiteral("backups")));
        test::MailSeams mail(settings, boxes_);
        MainDialog window(mail.services(files, clock, backup), path);
        window.OpenWindow();
        window.show();
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
        QVERIFY(boxes_.texts().isEmpty());
    }

private:
    bool load(const SheetBuilder& builder);
    bool open();
    QWidget* control(int id) const { return DialogBuilder::control<QWidget>(*dialog_, id); }
    QLineEdit* edit(int id) const { return DialogBuilder::control<QLineEdit>(*dialog_, id); }
    QString text(int id) const;
    std::uint16_t value(std::size_t array, int slot = kK) const {
        return readU16(sheet_->Record(1) + array + 2 * static_cast<std::size_t>(slot));
    }
    QByteArray recordBytes() const {
        return QByteArray(reinterpret_cast<const char*>(sheet_->Record(1)), kRecordSize);
    }
    QByteArray remarkEntry(int number) const {
        return QByteArray(reinterpret_cast<const char*>(sheet_->RemarkEntry(number)));
    }
    bool accepted() const { return dialog_->isHidden() && dialog_->result() == QDialog::Accepted; }
    void click(int id) { QTest::mouseClick(control(id), Qt::LeftButton, {}, QPoint(4, 4)); }

    QTemporaryDir dir_;
    RecordingMessageBoxes boxes_;
    std::unique_ptr<GroupSheet> sheet_;
    std::unique_ptr<Wording> wording_;
    std::unique_ptr<ReportDialog> dialog_;
    QStringList committed_;
    QByteArray before_;
    int remarksBefore_ = 0;
};

bool TestReportDialog::load(const SheetBuilder& builder) {
    const QString path = dir_.filePath(QStringLiteral("g.t09"));
    if (!builder.writeTo(path) || !sheet_->Load(path)) {
        return false;
    }
    sheet_->yearSlot = kSlot;
    before_ = recordBytes();
    remarksBefore_ = sheet_->remarkCount();
    return true;
}

bool TestReportDialog::open() {
    const ReportDialog::Context context{*sheet_, *wording_, StringTable::slovak(), boxes_,
                                        [this](const QString& name) { committed_ << name; }};
    dialog_ = std::make_unique<ReportDialog>(context, 1);
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
