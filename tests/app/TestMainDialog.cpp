#include "DialogBuilder.h"
#include "FakeSeams.h"
#include "GroupApp.h"
#include "LittleEndian.h"
#include "MainDialog.h"
#include "RecordingMessageBoxes.h"
#include "Settings.h"
#include "SheetBackup.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextCodec.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace fyn;
using fyn::test::FixedClock;
using fyn::test::RecordingMessageBoxes;
using fyn::test::ScriptedFilePicker;

namespace {

QByteArray cp1250(const char* utf8) {
    return *TextCodec::fromUnicode(QString::fromUtf8(utf8));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A small group: report month January, group 3, publisher 2 reported, publisher 4 by a remark.
SheetBuilder groupThree() {
    SheetBuilder sheet;
    sheet.setGroupNumber(3);
    sheet.setReportMonth(0);
    sheet.addPublisher(cp1250("Ján"), cp1250("Novák"), "jan@example.sk", "12345", "0905123456", "");
    sheet.addPublisher(cp1250("Mária"), cp1250("Nováková"), "maria@example.sk", "0905111111",
                       "0905222222", "0905333333");
    sheet.addPublisher("Peter", cp1250("Šťastný"), "  peter@example.sk  ");
    sheet.addPublisher("Eva", cp1250("Horváthová"), "@example.sk");
    sheet.addPublisher("Ivan", "Kubo", "ivan@example");
    sheet.setReport(2, 0, 1, MonthReport{0, 0, 0, 0, 2, true, 0});
    sheet.setRemarkEntry(4, 0, 1, static_cast<std::uint16_t>(sheet.addRemark("0")));
    return sheet;
}

} // namespace

class TestMainDialog : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<RecordingMessageBoxes> messages_;
    std::unique_ptr<ScriptedFilePicker> files_;
    std::unique_ptr<FixedClock> clock_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<SheetBackup> backup_;
    std::unique_ptr<fyn::test::MailSeams> mail_;
    std::unique_ptr<MainDialog> window_;

    QString path(const QString& name) const { return dir_->filePath(name); }

    QString writeSheet(const QString& name, const SheetBuilder& sheet) const {
        const QString file = path(name);
        if (!sheet.writeTo(file)) {
            qFatal("cannot write a test sheet");
        }
        return file;
    }

    MainDialog& open(const QString& commandLine = {}) {
        mail_ = std::make_unique<fyn::test::MailSeams>(*settings_, *messages_);
        window_ = std::make_unique<MainDialog>(
            MainDialog::Services{*messages_, *files_, *clock_, *settings_, *backup_,
                                 StringTable::slovak(), mail_->mailers, mail_->dialer},
            commandLine);
        window_->OpenWindow();
        window_->show();
        return *window_;
    }

    template <class Widget> Widget* control(int id) const {
        return DialogBuilder::control<Widget>(*window_, id);
    }
    QListWidget* list() const { return control<QListWidget>(138); }
    QStringList listed() const {
        QStringList names;
        for (int row = 0; row < list()->count(); ++row) {
            names << list()->item(row)->text();
        }
        return names;
    }
    void select(int row) { list()->setCurrentRow(row); }

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        messages_ = std::make_unique<RecordingMessageBoxes>();
        files_ = std::make_unique<ScriptedFilePicker>();
        clock_ = std::make_unique<FixedClock>(QDate(2027, 2, 10));
        settings_ = std::make_unique<Settings>(path(QStringLiteral("config/fyn.ini")));
        backup_ = std::make_unique<SheetBackup>(path(QStringLiteral("backups")));
    }

    void cleanup() { window_.reset(); }

    void startsWithQuotedCommandLinePathOfAnyCase() {
        const QString sheet = writeSheet(QStringLiteral("Skupina 3.T09"), groupThree());
        // The shell hands a quoted path with a blank over as two arguments, quotes and all.
        const QStringList arguments =
            (QStringLiteral("\"") + sheet + QStringLiteral("\"")).split(QLatin1Char(' '));
        QCOMPARE(arguments.size(), 2);
        open(GroupApp::commandLineText(arguments));
        QCOMPARE(list()->count(), 5);
        QCOMPARE(window_->sheet().sheetPath(), sheet);
    }

    void fallsBackToLoadPathAndOpensNothingWithout() {
        const QString sheet = writeSheet(QStringLiteral("g.t09"), groupThree());
        settings_->WriteSetting(QStringLiteral("Last"), QStringLiteral("LoadPath"), sheet);
        open(QStringLiteral("something else"));
        QCOMPARE(list()->count(), 5);
        window_.reset();

        settings_->WriteSetting(QStringLiteral("Last"), QStringLiteral("LoadPath"), QString());
        open();
        QCOMPARE(list()->count(), 0);
        QVERIFY(control<QWidget>(4)->isHidden());
        QVERIFY(control<QWidget>(5)->isHidden());
        QVERIFY(control<QWidget>(162)->isHidden());
        QVERIFY(messages_->texts().isEmpty());
    }

    void loadPathThatNamesNothingOpensNoSheet() {
        settings_->WriteSetting(QStringLiteral("Last"), QStringLiteral("LoadPath"),
                                path(QStringLiteral("gone.t09")));
        open();
        QCOMPARE(list()->count(), 0);
        QVERIFY(messages_->texts().isEmpty());
    }

    void garbageSettingsReadAsDefaults() {
        QDir().mkpath(path(QStringLiteral("config")));
        QFile ini(path(QStringLiteral("config/fyn.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QByteArray("\xff\xfe\x00garbage\n[[[\n=\n", 17));
        ini.close();
        open();
        QCOMPARE(list()->count(), 0);
        QCOMPARE(control<QLabel>(133)->text(), QString());
    }

    void listsSurnameFirstInRecordOrder() {
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        QCOMPARE(listed(),
                 (QStringList{QStringLiteral("Novák, Ján"), QStringLiteral("Nováková, Mária"),
                              QStringLiteral("Šťastný, Peter"), QStringLiteral("Horváthová, Eva"),
                              QStringLiteral("Kubo, Ivan")}));
        QCOMPARE(list()->currentRow(), 0);
        QCOMPARE(control<QPushButton>(1)->text(), QStringLiteral("Zvest. - Ján Novák"));
    }

    void typingTheFirstLettersOfASurnameSelectsIt() {
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        list()->setFocus();
        QTest::keyClicks(list(), QStringLiteral("Ho"));
        QCOMPARE(list()->currentItem()->text(), QStringLiteral("Horváthová, Eva"));
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::sendKeyEvent(QTest::Click, list(), Qt::Key_unknown, QStringLiteral("Š"),
                            Qt::NoModifier);
        QCOMPARE(list()->currentItem()->text(), QStringLiteral("Šťastný, Peter"));
        QCOMPARE(control<QPushButton>(1)->text(), QStringLiteral("Zvest. - Peter Šťastný"));
    }

    void titleAndCountsToTheCharacter() {
        settings_->WriteSetting(QStringLiteral("Last"), QStringLiteral("Post"),
                                QStringLiteral("Mária Nováková"));
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Január - odovzdané správy - Skupina 3 "));
        QCOMPARE(control<QLabel>(1000)->text(), QStringLiteral("Január - neodovzdané správy = 3"));
        QCOMPARE(control<QLabel>(1001)->text(), QStringLiteral("Celkom zvestovateľov = 5"));
        QCOMPARE(control<QLabel>(133)->text(), QStringLiteral("Mária Nováková"));
        QVERIFY(control<QWidget>(4)->isVisible());
        QVERIFY(control<QWidget>(5)->isVisible());
        QVERIFY(control<QWidget>(162)->isVisible());
    }

    void filterListsOnlyMissingReportsAndKeepsThePosition() {
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        select(2);
        QTest::mouseClick(control<QCheckBox>(162), Qt::LeftButton, {},
                          QPoint(4, control<QCheckBox>(162)->height() / 2));
        QVERIFY(window_->onlyNotSubmitted());
        QCOMPARE(listed(),
                 (QStringList{QStringLiteral("Novák, Ján"), QStringLiteral("Šťastný, Peter"),
                              QStringLiteral("Kubo, Ivan")}));
        QCOMPARE(list()->currentRow(), 2);
        QTest::mouseClick(control<QCheckBox>(162), Qt::LeftButton, {},
                          QPoint(4, control<QCheckBox>(162)->height() / 2));
        QCOMPARE(list()->count(), 5);
    }

    void telephoneNumbersArePackedAndCycled() {
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        // 12345 is too short, so the ten-digit number is the only one.
        QCOMPARE(window_->contacts().phoneCount, 1);
        QCOMPARE(control<QLabel>(1002)->text(), QStringLiteral("0905123456"));
        QVERIFY(control<QWidget>(1004)->isHidden());
        QVERIFY(control<QWidget>(1003)->isHidden());

        select(1);
        QVERIFY(control<QWidget>(1004)->isVisible());
        QStringList shown;
        for (int click = 0; click < 4; ++click) {
            shown << control<QLabel>(1002)->text();
            QTest::mouseClick(control<QPushButton>(1004), Qt::LeftButton);
        }
        QCOMPARE(shown, (QStringList{QStringLiteral("0905111111"), QStringLiteral("0905222222"),
                                     QStringLiteral("0905333333"), QStringLiteral("0905111111")}));
        QVERIFY(list()->hasFocus() || !window_->isActiveWindow());

        select(2);
        QVERIFY(control<QLabel>(1002)->isHidden());
        QCOMPARE(control<QLabel>(1002)->text(), QString());
    }

    void emailButtonsOnlyForAUsableAddressWhileTheReportIsMissing_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("caption");
        QTest::newRow("missing, usable") << 0 << QStringLiteral("E-mail - jan@example.sk");
        QTest::newRow("reported") << 1 << QString();
        QTest::newRow("trimmed") << 2 << QStringLiteral("E-mail - peter@example.sk");
        QTest::newRow("remark counts as report") << 3 << QString();
        QTest::newRow("no dot after @") << 4 << QString();
    }

    void emailButtonsOnlyForAUsableAddressWhileTheReportIsMissing() {
        QFETCH(int, row);
        QFETCH(QString, caption);
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        select(row);
        QCOMPARE(control<QWidget>(1006)->isVisible(), !caption.isEmpty());
        QCOMPARE(control<QWidget>(1007)->isVisible(), !caption.isEmpty());
        if (!caption.isEmpty()) {
            QCOMPARE(control<QPushButton>(1006)->text(), caption);
        }
    }

    void usableEmailRule_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain") << QStringLiteral("a@b.c") << true;
        QTest::newRow("blanks around") << QStringLiteral(" \ta@b.c \n") << true;
        QTest::newRow("starts with @") << QStringLiteral("@b.c") << false;
        QTest::newRow("no @") << QStringLiteral("ab.c") << false;
        QTest::newRow("dot only before @") << QStringLiteral("a.b@c") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void usableEmailRule() {
        QFETCH(QString, address);
        QFETCH(bool, usable);
        QCOMPARE(PublisherContacts::IsUsableEmail(address), usable);
        QCOMPARE(address, address.trimmed());
    }

    void reminderSampleNamesTheMonth() {
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        QTest::mouseClick(control<QPushButton>(1007), Qt::LeftButton);
        QCOMPARE(messages_->texts(),
                 QStringList{QStringLiteral("Odošlite svoj prehľad za Január. \nĎakujem..")});
    }

    void aSheetWithOnePublisherStaysInert() {
        SheetBuilder single;
        single.setGroupNumber(7);
        single.addPublisher(cp1250("Ján"), cp1250("Novák"), "jan@example.sk", "0905123456");
        open(writeSheet(QStringLiteral("one.t09"), single));
        QCOMPARE(listed(), QStringList{QStringLiteral("Novák, Ján")});
        QCOMPARE(control<QPushButton>(1)->text(), QStringLiteral("OK"));
        QVERIFY(control<QWidget>(1006)->isHidden());
        QVERIFY(control<QLabel>(1002)->text().isEmpty());
    }

    void closingWritesTheSheetBackAndBothSettings() {
        const QString sheet = writeSheet(QStringLiteral("Skupina3.T09"), groupThree());
        const QByteArray before = readAll(sheet);
        open(sheet);
        window_->setLastEntryName(QStringLiteral("Eva Horváthová"));
        QTest::keyClick(window_.get(), Qt::Key_Escape);
        QVERIFY(window_->isHidden());
        QCOMPARE(settings_->ReadSetting(QStringLiteral("last"), QStringLiteral("loadpath")), sheet);
        QCOMPARE(settings_->ReadSetting(QStringLiteral("Last"), QStringLiteral("Post")),
                 QStringLiteral("Eva Horváthová"));
        // Written back although the extension is upper case, and the old file was kept.
        QCOMPARE(readAll(sheet), before);
        const QStringList copies = QDir(path(QStringLiteral("backups"))).entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(readAll(path(QStringLiteral("backups/")) + copies.first()), before);
        QVERIFY(messages_->texts().isEmpty());
    }

    void closingWithNothingLoadedStoresEmptySettings() {
        open();
        QVERIFY(window_->CloseProgram());
        QCOMPARE(settings_->ReadSetting(QStringLiteral("Last"), QStringLiteral("LoadPath"),
                                        QStringLiteral("unset")),
                 QString());
        QCOMPARE(settings_->ReadSetting(QStringLiteral("Last"), QStringLiteral("Post"),
                                        QStringLiteral("unset")),
                 QString());
    }

    void aReadOnlySheetAtCloseAsksBeforeLosingReports() {
        const QString sheet = writeSheet(QStringLiteral("g.t09"), groupThree());
        open(sheet);
        QFile::setPermissions(sheet, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        messages_->queueAnswer(false);
        QVERIFY(!window_->CloseProgram());
        QVERIFY(window_->isVisible());
        QCOMPARE(messages_->texts().size(), 2);
        QVERIFY(messages_->texts().at(0).startsWith(
            QStringLiteral("Ak sa nedá vytvoriť nový súbor: ") + sheet));
        QCOMPARE(messages_->shown().at(1).question, true);
        QVERIFY(messages_->texts().at(1).startsWith(
            QStringLiteral("Správy sa nepodarilo uložiť do súboru %1.").arg(sheet)));
        QCOMPARE(window_->sheet().publisherCount(), 5);

        messages_->queueAnswer(true);
        QVERIFY(window_->CloseProgram());
        QVERIFY(window_->isHidden());
    }

    void loadNewSheetStartsInTheSheetsFolder() {
        QDir().mkpath(path(QStringLiteral("sheets")));
        const QString first = writeSheet(QStringLiteral("sheets/first.t09"), groupThree());
        open(first);
        files_->answers.append(std::nullopt);
        QTest::mouseClick(control<QPushButton>(3), Qt::LeftButton);
        QCOMPARE(files_->requests.size(), 1);
        QCOMPARE(files_->requests[0].initialFolder, path(QStringLiteral("sheets")));
        QCOMPARE(files_->requests[0].title, QStringLiteral("Výber súboru od tajomníka"));
        QCOMPARE(files_->requests[0].filterDescription,
                 QStringLiteral("List so zoznamom od tajomníka (.t09)"));
        QCOMPARE(files_->requests[0].pattern, QStringLiteral("*.t09"));
        QCOMPARE(list()->count(), 5);

        QFile::remove(first);
        files_->answers.append(std::nullopt);
        window_->LoadNewSheet();
        QCOMPARE(files_->requests[1].initialFolder, window_->startDirectory());
    }

    void loadNewSheetReplacesTheSheetAndEmptiesTheLastEntry() {
        const QString first = writeSheet(QStringLiteral("first.t09"), groupThree());
        SheetBuilder other;
        other.setGroupNumber(9);
        other.setReportMonth(0);
        other.addPublisher("Adam", "Bielik");
        other.addPublisher("Zora", cp1250("Zelená"));
        const QString second = writeSheet(QStringLiteral("second.t09"), other);
        settings_->WriteSetting(QStringLiteral("Last"), QStringLiteral("Post"),
                                QStringLiteral("X"));
        open(first);
        files_->answers.append(path(QStringLiteral("second.txt")));
        window_->LoadNewSheet();
        QCOMPARE(list()->count(), 5);

        files_->answers.append(second);
        window_->LoadNewSheet();
        QCOMPARE(listed(),
                 (QStringList{QStringLiteral("Bielik, Adam"), QStringLiteral("Zelená, Zora")}));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Január - odovzdané správy - Skupina 9 "));
        QCOMPARE(control<QLabel>(133)->text(), QString());
        QCOMPARE(window_->sheet().sheetPath(), second);
    }

    void loadingAnotherSheetFirstWritesTheCurrentOneBack() {
        const QString first = writeSheet(QStringLiteral("first.t09"), groupThree());
        const QString second = writeSheet(QStringLiteral("second.t09"), groupThree());
        open(first);
        writeU16(window_->sheet().Record(5) + layout::kHours, 42);
        files_->answers.append(second);
        window_->LoadNewSheet();
        QCOMPARE(window_->sheet().sheetPath(), second);
        GroupSheet reread;
        QVERIFY(reread.Load(first));
        QCOMPARE(readU16(reread.Record(5) + layout::kHours), std::uint16_t(42));
    }

    void aFailedWriteBackKeepsTheCurrentSheetLoaded() {
        const QString first = writeSheet(QStringLiteral("first.t09"), groupThree());
        const QString second = writeSheet(QStringLiteral("second.t09"), groupThree());
        open(first);
        QFile::setPermissions(first, QFileDevice::ReadOwner);
        files_->answers.append(second);
        window_->LoadNewSheet();
        QCOMPARE(window_->sheet().sheetPath(), first);
        QCOMPARE(messages_->texts().size(), 1);
        QVERIFY(messages_->texts().first().contains(first));
    }

    void aSheetThatIsNotASheetKeepsThePreviousOne() {
        const QString first = writeSheet(QStringLiteral("first.t09"), groupThree());
        SheetBuilder bad = groupThree();
        bad.overridePublisherCount(0x80);
        const QString broken = writeSheet(QStringLiteral("broken.t09"), bad);
        open(first);
        files_->answers.append(broken);
        window_->LoadNewSheet();
        QCOMPARE(
            messages_->texts(),
            QStringList{QStringLiteral("Súbor %1 nie je platný list od tajomníka.").arg(broken)});
        QCOMPARE(list()->count(), 5);
        QCOMPARE(window_->sheet().sheetPath(), first);
    }

    void helpTipsToTheCharacter() {
        open();
        QTest::mouseClick(control<QPushButton>(1005), Qt::LeftButton);
        QCOMPARE(messages_->shown().size(), 1);
        const QString tips = messages_->shown().first().text;
        QVERIFY(tips.startsWith(QStringLiteral(
            "Tipy pre používanie FYN\n\nOd vášho tajomníka ste prijali súbor SkupinaX.t09 pre "
            "zadanie a vytvorenie mesačnej správy. Kliknutím na ikonu FYN")));
        QVERIFY(tips.contains(QStringLiteral("zmeny.Pokiaľ máte modem")));
        QVERIFY(tips.endsWith(QStringLiteral("na prenosnom médiu.\n\n")));
        QCOMPARE(messages_->shown().first().icon, MessageBoxes::Icon::Information);
    }

    void monthFieldsFollowTheDate_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("reportMonth");
        QTest::addColumn<int>("yearSlot");
        QTest::newRow("January 2026") << QDate(2026, 1, 3) << 11 << 1;
        QTest::newRow("15 January 2027") << QDate(2027, 1, 15) << 11 << 0;
        QTest::newRow("December 2026") << QDate(2026, 12, 8) << 10 << 0;
        QTest::newRow("March 2027") << QDate(2027, 3, 1) << 1 << 1;
    }

    void monthFieldsFollowTheDate() {
        QFETCH(QDate, today);
        QFETCH(int, reportMonth);
        QFETCH(int, yearSlot);
        clock_->set(today);
        open();
        QCOMPARE(window_->sheet().startMonth, reportMonth);
        QCOMPARE(window_->sheet().reportMonth, reportMonth);
        QCOMPARE(window_->sheet().yearSlot, yearSlot);
    }
};

QTEST_MAIN(TestMainDialog)
#include "TestMainDialog.moc"
