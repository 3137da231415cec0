#include "FakeSeams.h"
#include "MainWindowModel.h"
#include "RecordingMessageBoxes.h"
#include "Settings.h"
#include "SheetBackup.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace fyn;
using fyn::test::FixedClock;
using fyn::test::RecordingMessageBoxes;

namespace {

QByteArray cp1250(const QString& text) {
    return *TextCodec::fromUnicode(text);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The clock stands in February 2027, so January's reports are in year slot 1.
constexpr int kSlot = 1;

// Group 3, January: Novák reported in service, Horváthová by the remark "0".
SheetBuilder groupThree() {
    SheetBuilder sheet;
    sheet.setGroupNumber(3);
    sheet.setReportMonth(0);
    sheet.addPublisher(cp1250(QStringLiteral("Ján")), cp1250(QStringLiteral("Novák")));
    sheet.addPublisher(cp1250(QStringLiteral("Mária")), cp1250(QStringLiteral("Nováková")));
    sheet.addPublisher("Peter", cp1250(QStringLiteral("Šťastný")));
    sheet.addPublisher("Eva", cp1250(QStringLiteral("Horváthová")));
    sheet.addPublisher("Ivan", "Kubo");
    sheet.setReport(2, 0, kSlot, MonthReport{0, 0, 0, 0, 2, true, 0});
    sheet.setRemarkEntry(4, 0, kSlot, static_cast<std::uint16_t>(sheet.addRemark("0")));
    return sheet;
}

const QStringList kGroupThreeNames{QStringLiteral("Novák, Ján"), QStringLiteral("Nováková, Mária"),
                                   QStringLiteral("Šťastný, Peter"),
                                   QStringLiteral("Horváthová, Eva"), QStringLiteral("Kubo, Ivan")};

} // namespace

class TestMainWindowModel : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<RecordingMessageBoxes> messages_;
    std::unique_ptr<FixedClock> clock_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<SheetBackup> backup_;
    std::unique_ptr<MainWindowModel> model_;

    QString path(const QString& name) const { return dir_->filePath(name); }

    QString writeSheet(const QString& name, const SheetBuilder& sheet) const {
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).path());
        if (!sheet.writeTo(file)) {
            qFatal("cannot write a test sheet");
        }
        return file;
    }

    MainWindowModel& open(const QString& commandLine = {}) {
        model_ = std::make_unique<MainWindowModel>(MainWindowModel::Services{
            *messages_, *clock_, *settings_, *backup_, StringTable::slovak()});
        model_->OpenWindow(commandLine);
        return *model_;
    }

    QStringList listed() const {
        QStringList names;
        for (const MainWindowModel::ListEntry& entry : model_->entries()) {
            names << entry.text;
        }
        return names;
    }

    // Changes one figure in memory only, so the file shows whether the sheet was written.
    void enterHours(int index, std::uint16_t hours) {
        model_->sheet().publisher(index).editMonth(0, kSlot).setHours(hours);
    }
    static int hoursOnDisk(const QString& file, int index) {
        GroupSheet sheet;
        sheet.Load(file);
        return sheet.publisher(index).month(0, kSlot).hours();
    }
    int backupCount() const {
        return static_cast<int>(
            QDir(path(QStringLiteral("backups"))).entryList(QDir::Files).size());
    }

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        messages_ = std::make_unique<RecordingMessageBoxes>();
        clock_ = std::make_unique<FixedClock>(QDate(2027, 2, 10));
        settings_ = std::make_unique<Settings>(path(QStringLiteral("config/fyn.ini")));
        backup_ = std::make_unique<SheetBackup>(path(QStringLiteral("backups")));
    }

    void cleanup() { model_.reset(); }

    void opensTheSheetOfTheCommandLineOrOfTheSettings_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("loadPath");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<int>("listed");
        QTest::newRow("command line of any case") << "G.T09"
                                                  << ""
                                                  << "G.T09" << 5;
        QTest::newRow("other text falls back") << "something else"
                                               << "g.t09"
                                               << "g.t09" << 5;
        QTest::newRow("setting not a sheet") << ""
                                             << "g.t19"
                                             << "g.t19" << 0;
        QTest::newRow("setting names nothing") << ""
                                               << "gone.t09"
                                               << "gone.t09" << 0;
    }

    void opensTheSheetOfTheCommandLineOrOfTheSettings() {
        QFETCH(QString, commandLine);
        QFETCH(QString, loadPath);
        QFETCH(QString, opened);
        QFETCH(int, listed);
        for (const QString& name :
             {QStringLiteral("G.T09"), QStringLiteral("g.t09"), QStringLiteral("g.t19")}) {
            writeSheet(name, groupThree());
        }
        settings_->WriteSetting(QStringLiteral("Last"), QStringLiteral("LoadPath"),
                                loadPath.isEmpty() ? loadPath : path(loadPath));
        open(commandLine.endsWith(QStringLiteral(".T09")) ? path(commandLine) : commandLine);
        QCOMPARE(model_->entries().size(), std::size_t(listed));
        QCOMPARE(model_->sheet().sheetPath(), path(opened));
        QCOMPARE(model_->status().filterShown, listed > 0);
        QVERIFY(messages_->texts().isEmpty());
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
        QCOMPARE(model_->sheet().startMonth, reportMonth);
        QCOMPARE(model_->sheet().reportMonth, reportMonth);
        QCOMPARE(model_->sheet().yearSlot, yearSlot);
    }

    void listAndSelectionFollowTheFilter_data() {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("reported");
        QTest::addColumn<QList<int>>("records");
        QTest::addColumn<int>("selectedRow");
        QTest::newRow("off: all in record order")
            << false << 2 << QList<int>{} << QList<int>{1, 2, 3, 4, 5} << 2;
        QTest::newRow("on: the position stays")
            << true << 2 << QList<int>{} << QList<int>{1, 3, 5} << 2;
        QTest::newRow("on: past the end to the first")
            << true << 4 << QList<int>{} << QList<int>{1, 3, 5} << 0;
        QTest::newRow("on: every report present")
            << true << 1 << QList<int>{1, 3, 5} << QList<int>{} << -1;
    }

    void listAndSelectionFollowTheFilter() {
        QFETCH(bool, filter);
        QFETCH(int, row);
        QFETCH(QList<int>, reported);
        QFETCH(QList<int>, records);
        QFETCH(int, selectedRow);
        SheetBuilder sheet = groupThree();
        for (const int index : reported) {
            sheet.setReport(index, 0, kSlot, MonthReport{});
        }
        open(writeSheet(QStringLiteral("g.t09"), sheet));
        QCOMPARE(listed(), kGroupThreeNames);
        model_->ShowSelectedPublisher(row);
        const MainWindowModel::PublisherPanel before = model_->panel();
        model_->ToggleFilter(filter);

        QList<int> listedRecords;
        for (const MainWindowModel::ListEntry& entry : model_->entries()) {
            listedRecords << entry.record;
            QCOMPARE(entry.text, kGroupThreeNames.at(entry.record - 1));
        }
        QCOMPARE(listedRecords, records);
        QCOMPARE(model_->selectedRow(), selectedRow);
        QCOMPARE(model_->StartReport(model_->selectedRow()),
                 records.isEmpty() ? 0 : records.at(selectedRow));
        if (records.isEmpty()) {
            // An empty list leaves the last publisher's display as it was.
            QCOMPARE(model_->panel().reportCaption, before.reportCaption);
            QCOMPARE(model_->panel().phoneText, before.phoneText);
        } else {
            QCOMPARE(model_->panel().reportCaption,
                     QStringLiteral("Zvest. - ") +
                         model_->wording().PublisherName(records.at(selectedRow), false));
        }
    }

    void contactsOfTheSelectedPublisher_data() {
        QTest::addColumn<QStringList>("phones");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("report");
        QTest::addColumn<bool>("dialing");
        // The number shown after 0, 1, ... presses of the next-number button, one press more
        // than there are numbers; empty when no number is shown.
        QTest::addColumn<QStringList>("shownByNext");
        QTest::addColumn<bool>("dialShown");
        QTest::addColumn<QString>("reminder"); // empty: no reminder buttons

        const QString none;
        const QString address = QStringLiteral("jan@example.sk");
        const QString reminder = QStringLiteral("E-mail - jan@example.sk");
        const QString a = QStringLiteral("0905111111");
        const QString b = QStringLiteral("0905222222");
        const QString c = QStringLiteral("0905333333");
        QTest::newRow("no numbers") << QStringList{none, none, none} << none << "missing" << true
                                    << QStringList{} << false << none;
        QTest::newRow("five characters are no number")
            << QStringList{QStringLiteral("12345"), QStringLiteral("1234"), QStringLiteral("5")}
            << none << "missing" << true << QStringList{} << false << none;
        QTest::newRow("one, packed to the front")
            << QStringList{QStringLiteral("12345"), none, a} << none << "missing" << false
            << QStringList{a, a} << false << none;
        QTest::newRow("one, dialing exists") << QStringList{a, none, none} << none << "missing"
                                             << true << QStringList{a, a} << true << none;
        QTest::newRow("two") << QStringList{none, a, b} << none << "missing" << false
                             << QStringList{a, b, a} << false << none;
        QTest::newRow("three, cycled") << QStringList{a, b, c} << none << "missing" << true
                                       << QStringList{a, b, c, a} << true << none;
        QTest::newRow("address, report missing")
            << QStringList{} << address << "missing" << false << QStringList{} << false << reminder;
        QTest::newRow("address in blanks")
            << QStringList{} << QStringLiteral(" \tjan@example.sk ") << "missing" << false
            << QStringList{} << false << reminder;
        QTest::newRow("address, reported")
            << QStringList{} << address << "in service" << false << QStringList{} << false << none;
        QTest::newRow("address, zero report")
            << QStringList{} << address << "remark" << false << QStringList{} << false << none;
        QTest::newRow("address, late report of December")
            << QStringList{} << address << "late" << false << QStringList{} << false << reminder;
        QTest::newRow("address, other year's January")
            << QStringList{} << address << "other slot" << false << QStringList{} << false
            << reminder;
        QTest::newRow("address begins with @")
            << QStringList{} << QStringLiteral("@example.sk") << "missing" << false << QStringList{}
            << false << none;
        QTest::newRow("address without @") << QStringList{} << QStringLiteral("jan.example.sk")
                                           << "missing" << false << QStringList{} << false << none;
        QTest::newRow("no dot after @") << QStringList{} << QStringLiteral("jan.novak@example")
                                        << "missing" << false << QStringList{} << false << none;
    }

    void contactsOfTheSelectedPublisher() {
        QFETCH(QStringList, phones);
        QFETCH(QString, email);
        QFETCH(QString, report);
        QFETCH(bool, dialing);
        QFETCH(QStringList, shownByNext);
        QFETCH(bool, dialShown);
        QFETCH(QString, reminder);
        phones.resize(3);
        SheetBuilder sheet;
        sheet.setReportMonth(0);
        sheet.addPublisher("Adam", "Bielik", "adam@example.sk", "0905000000");
        sheet.addPublisher(cp1250(QStringLiteral("Ján")), cp1250(QStringLiteral("Novák")),
                           email.toLatin1(), phones[0].toLatin1(), phones[1].toLatin1(),
                           phones[2].toLatin1());
        if (report == QLatin1String("in service")) {
            sheet.setReport(2, 0, kSlot, MonthReport{});
        } else if (report == QLatin1String("remark")) {
            sheet.setRemarkEntry(2, 0, kSlot, static_cast<std::uint16_t>(sheet.addRemark("0")));
        } else if (report == QLatin1String("late")) {
            sheet.setReport(2, 11, 1 - kSlot, MonthReport{});
            sheet.markLate(2, 11);
        } else if (report == QLatin1String("other slot")) {
            sheet.setReport(2, 0, 1 - kSlot, MonthReport{});
        }
        open(writeSheet(QStringLiteral("g.t09"), sheet));
        model_->setDialingAvailable(dialing);
        model_->ShowSelectedPublisher(1);

        const MainWindowModel::PublisherPanel& panel = model_->panel();
        QCOMPARE(panel.reportCaption, QStringLiteral("Zvest. - Ján Novák"));
        QCOMPARE(panel.phoneShown, !shownByNext.isEmpty());
        QCOMPARE(panel.nextPhoneShown, shownByNext.size() > 2);
        QCOMPARE(panel.dialShown, dialShown);
        QStringList shown;
        for (int press = 0; press < std::max<qsizetype>(shownByNext.size(), 1); ++press) {
            shown << panel.phoneText;
            model_->NextPhoneNumber();
        }
        QCOMPARE(shown, shownByNext.isEmpty() ? QStringList{QString()} : shownByNext);
        QCOMPARE(panel.reminderShown, !reminder.isEmpty());
        if (!reminder.isEmpty()) {
            QCOMPARE(panel.reminderCaption, reminder);
            QCOMPARE(model_->contacts().publisherEmail, email.trimmed());
        }
    }

    void aSheetWithOnePublisherLeavesTheDisplayAlone() {
        SheetBuilder single;
        single.addPublisher("Adam", "Bielik", "adam@example.sk", "0905000000");
        open(writeSheet(QStringLiteral("one.t09"), single));
        model_->ShowSelectedPublisher(0);
        QCOMPARE(listed(), QStringList{QStringLiteral("Bielik, Adam")});
        QCOMPARE(model_->panel().reportCaption, QString());
        QCOMPARE(model_->panel().phoneText, QString());
        QVERIFY(!model_->panel().reminderShown);
        QCOMPARE(model_->StartReport(0), 1);
    }

    void statusTexts_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("group");
        QTest::addColumn<QList<int>>("reported");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("missing");
        QTest::newRow("January, two reported")
            << 0 << 3 << QList<int>{} << "Január - odovzdané správy - Skupina 3 "
            << "Január - neodovzdané správy = 3";
        QTest::newRow("November, all reported")
            << 10 << 12 << QList<int>{1, 2, 3, 4, 5} << "November - odovzdané správy - Skupina 12 "
            << "November - neodovzdané správy = 0";
    }

    void statusTexts() {
        QFETCH(int, month);
        QFETCH(int, group);
        QFETCH(QList<int>, reported);
        QFETCH(QString, title);
        QFETCH(QString, missing);
        SheetBuilder sheet = groupThree();
        sheet.setGroupNumber(static_cast<std::uint8_t>(group));
        sheet.setReportMonth(static_cast<std::uint8_t>(month));
        for (const int index : reported) {
            sheet.setReport(index, month, kSlot, MonthReport{});
        }
        settings_->WriteSetting(QStringLiteral("Last"), QStringLiteral("Post"),
                                QStringLiteral("Eva Horváthová"));
        open(writeSheet(QStringLiteral("g.t09"), sheet));
        const MainWindowModel::Status& status = model_->status();
        QCOMPARE(status.title, title);
        QCOMPARE(status.missingCount, missing);
        QCOMPARE(status.totalCount, QStringLiteral("Celkom zvestovateľov = 5"));
        QCOMPARE(status.lastEntry, QStringLiteral("Eva Horváthová"));
        QVERIFY(status.sheetCommandsShown);
        QVERIFY(status.filterShown);

        // Preview and sending keep what the last refresh decided while the filter empties the
        // list; the next refresh hides them.
        model_->ToggleFilter(true);
        QVERIFY(model_->status().sheetCommandsShown);
        model_->RefreshStatus();
        QCOMPARE(model_->status().sheetCommandsShown, !model_->entries().empty());
    }

    void messagesOfTheButtons_data() {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QString>("begins");
        QTest::addColumn<QString>("ends");
        QTest::addColumn<int>("icon");
        QTest::newRow("help tips")
            << true
            << "Tipy pre používanie FYN\n\nOd vášho tajomníka ste prijali súbor SkupinaX.t09 pre "
               "zadanie a vytvorenie mesačnej správy. Kliknutím na ikonu FYN"
            << "zmeny.Pokiaľ máte modem" << int(MessageBoxes::Icon::Information);
        QTest::newRow("reminder sample") << false << "Odošlite svoj prehľad za Január. \n"
                                         << "\nĎakujem.." << int(MessageBoxes::Icon::None);
    }

    void messagesOfTheButtons() {
        QFETCH(bool, help);
        QFETCH(QString, begins);
        QFETCH(QString, ends);
        QFETCH(int, icon);
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        help ? model_->ShowHelpTips() : model_->ShowEmailSample();
        QCOMPARE(messages_->shown().size(), 1);
        const QString text = messages_->shown().first().text;
        QVERIFY2(text.startsWith(begins), qPrintable(text));
        QVERIFY(text.contains(ends));
        QCOMPARE(int(messages_->shown().first().icon), icon);
    }

    void writesBackOnlyAGroupIntoItsSheetFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("publishers");
        QTest::addColumn<bool>("written");
        QTest::newRow(".t09") << "g.t09" << 2 << true;
        QTest::newRow(".T09") << "G.T09" << 2 << true;
        QTest::newRow("one publisher") << "g.t09" << 1 << false;
    }

    void writesBackOnlyAGroupIntoItsSheetFile() {
        QFETCH(QString, name);
        QFETCH(int, publishers);
        QFETCH(bool, written);
        SheetBuilder sheet;
        for (int i = 0; i < publishers; ++i) {
            sheet.addPublisher("Adam", "Bielik");
        }
        const QString file = writeSheet(name, sheet);
        const QByteArray before = readAll(file);
        open(file);
        enterHours(1, 42);
        QVERIFY(model_->WriteBack());
        QCOMPARE(hoursOnDisk(file, 1), written ? 42 : 0);
        QCOMPARE(backupCount(), written ? 1 : 0);
        if (written) {
            const QString copy =
                QDir(path(QStringLiteral("backups"))).entryInfoList(QDir::Files).first().filePath();
            QCOMPARE(readAll(copy), before);
        }
        QVERIFY(messages_->texts().isEmpty());
    }

    void closingAfterAFailedWriteAsks_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("closes");
        QTest::newRow("written") << true << false << true;
        QTest::newRow("failed, stay") << false << false << false;
        QTest::newRow("failed, close anyway") << false << true << true;
    }

    void closingAfterAFailedWriteAsks() {
        QFETCH(bool, writable);
        QFETCH(bool, yes);
        QFETCH(bool, closes);
        const QString file = writeSheet(QStringLiteral("g.t09"), groupThree());
        open(file);
        model_->setLastEntryName(QStringLiteral("Eva Horváthová"));
        if (!writable) {
            QFile::setPermissions(file, QFileDevice::ReadOwner);
        }
        messages_->queueAnswer(yes);
        QCOMPARE(model_->CloseProgram(), closes);
        QCOMPARE(messages_->texts().size(), writable ? 0 : 2);
        if (!writable) {
            QVERIFY(messages_->texts().at(0).startsWith(
                QStringLiteral("Ak sa nedá vytvoriť nový súbor: ") + file));
            QVERIFY(messages_->shown().at(1).question);
            QVERIFY(messages_->texts().at(1).startsWith(
                QStringLiteral("Správy sa nepodarilo uložiť do súboru %1.").arg(file)));
        }
        const QString unset = QStringLiteral("unset");
        QCOMPARE(settings_->ReadSetting(QStringLiteral("last"), QStringLiteral("loadpath"), unset),
                 closes ? file : unset);
        QCOMPARE(settings_->ReadSetting(QStringLiteral("Last"), QStringLiteral("Post"), unset),
                 closes ? QStringLiteral("Eva Horváthová") : unset);
        QCOMPARE(model_->sheet().publisherCount(), closes ? 0 : 5);
    }

    void closingWithNothingLoadedStoresEmptySettings() {
        open();
        QVERIFY(model_->CloseProgram());
        QCOMPARE(settings_->ReadSetting(QStringLiteral("Last"), QStringLiteral("LoadPath"),
                                        QStringLiteral("unset")),
                 QString());
        QCOMPARE(settings_->ReadSetting(QStringLiteral("Last"), QStringLiteral("Post"),
                                        QStringLiteral("unset")),
                 QString());
    }

    void loadingAnotherSheet_data() {
        QTest::addColumn<QString>("chosen"); // "-": the dialog was cancelled
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("lastEntry");
        QTest::addColumn<QString>("message");
        const QStringList other{QStringLiteral("Bielik, Adam"), QStringLiteral("Zelená, Zora")};
        QTest::newRow("cancelled") << "-"
                                   << "first.t09" << kGroupThreeNames << "X"
                                   << "";
        QTest::newRow("wrong extension") << "second.txt"
                                         << "first.t09" << kGroupThreeNames << "X"
                                         << "";
        QTest::newRow("another sheet") << "second.T09"
                                       << "second.T09" << other << ""
                                       << "";
        QTest::newRow("a name of no file") << "gone.t09"
                                           << "first.t09" << QStringList{} << ""
                                           << "";
        QTest::newRow("not a sheet") << "broken.t09"
                                     << "first.t09" << kGroupThreeNames << "X"
                                     << "Súbor %1 nie je platný list od tajomníka.";
    }

    void loadingAnotherSheet() {
        QFETCH(QString, chosen);
        QFETCH(QString, opened);
        QFETCH(QStringList, names);
        QFETCH(QString, lastEntry);
        QFETCH(QString, message);
        SheetBuilder other;
        other.setGroupNumber(9);
        other.addPublisher("Adam", "Bielik");
        other.addPublisher("Zora", cp1250(QStringLiteral("Zelená")));
        writeSheet(QStringLiteral("second.T09"), other);
        writeSheet(QStringLiteral("second.txt"), other);
        SheetBuilder broken = groupThree();
        broken.overridePublisherCount(0x80);
        writeSheet(QStringLiteral("broken.t09"), broken);
        settings_->WriteSetting(QStringLiteral("Last"), QStringLiteral("Post"),
                                QStringLiteral("X"));
        open(writeSheet(QStringLiteral("first.t09"), groupThree()));

        model_->LoadNewSheet(chosen == QLatin1String("-") ? std::nullopt
                                                          : std::optional(path(chosen)));
        QCOMPARE(model_->sheet().sheetPath(), path(opened));
        QCOMPARE(listed(), names);
        QCOMPARE(model_->lastEntryName(), lastEntry);
        QCOMPARE(model_->status().lastEntry, lastEntry);
        QCOMPARE(messages_->texts(),
                 message.isEmpty() ? QStringList{} : QStringList{message.arg(path(chosen))});
    }

    void theFileDialogStartsInTheSheetsFolder_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<bool>("inSheetFolder");
        QTest::newRow("sheet in use") << "sheets/g.t09" << false << true;
        QTest::newRow("deleted since") << "sheets/g.t09" << true << false;
        QTest::newRow("no sheet") << "" << false << false;
    }

    void theFileDialogStartsInTheSheetsFolder() {
        QFETCH(QString, sheet);
        QFETCH(bool, deleted);
        QFETCH(bool, inSheetFolder);
        const QString file = sheet.isEmpty() ? QString() : writeSheet(sheet, groupThree());
        open(file);
        if (deleted) {
            QFile::remove(file);
        }
        const MainWindowModel::SheetRequest request = model_->LoadRequest();
        QCOMPARE(request.initialFolder,
                 inSheetFolder ? path(QStringLiteral("sheets")) : model_->startDirectory());
        QCOMPARE(request.title, QStringLiteral("Výber súboru od tajomníka"));
        QCOMPARE(request.filterDescription, QStringLiteral("List so zoznamom od tajomníka (.t09)"));
        QCOMPARE(request.pattern, QStringLiteral("*.t09"));
    }

    // The current sheet goes back to its file before another one loads; when that fails the
    // user decides whether its unsaved reports may go.
    void switchingSheetsAfterAFailedSave_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("switched");
        QTest::addColumn<int>("hoursInFile");
        QTest::newRow("written first") << true << false << true << 42;
        QTest::newRow("failed, stay") << false << false << false << 0;
        QTest::newRow("failed, switch anyway") << false << true << true << 0;
    }

    void switchingSheetsAfterAFailedSave() {
        QFETCH(bool, writable);
        QFETCH(bool, yes);
        QFETCH(bool, switched);
        QFETCH(int, hoursInFile);
        const QString first = writeSheet(QStringLiteral("first.t09"), groupThree());
        SheetBuilder other;
        other.addPublisher("Adam", "Bielik");
        other.addPublisher("Zora", cp1250(QStringLiteral("Zelená")));
        const QString second = writeSheet(QStringLiteral("second.t09"), other);
        open(first);
        enterHours(5, 42);
        if (!writable) {
            QFile::setPermissions(first, QFileDevice::ReadOwner);
        }
        // Asked the same each time: the user is never locked in the sheet.
        for (int attempt = 0; attempt < 2; ++attempt) {
            messages_->clear();
            messages_->queueAnswer(yes);
            model_->LoadNewSheet(second);
            QCOMPARE(messages_->texts().size(), writable ? 0 : 2);
            if (!writable) {
                QVERIFY(messages_->texts().at(0).contains(first));
                QVERIFY(messages_->shown().at(1).question);
                QCOMPARE(messages_->texts().at(1),
                         QStringLiteral("Správy zadané od posledného uloženia do súboru %1 sa "
                                        "stratia.\n\nKliknite na Áno pre výber iného listu bez "
                                        "uloženia alebo na Nie pre návrat do programu.")
                             .arg(first));
            }
            if (switched) {
                break;
            }
        }
        QCOMPARE(model_->sheet().sheetPath(), switched ? second : first);
        QCOMPARE(model_->entries().size(), std::size_t(switched ? 2 : 5));
        if (!switched) {
            QCOMPARE(model_->sheet().publisher(5).month(0, kSlot).hours(), std::uint16_t(42));
        }
        QCOMPARE(hoursOnDisk(first, 5), hoursInFile);
    }
};

QTEST_GUILESS_MAIN(TestMainWindowModel)
#include "TestMainWindowModel.moc"
