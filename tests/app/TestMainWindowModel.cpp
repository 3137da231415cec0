#include "FakeSeams.h"
#include "MainWindowModel.h"
#include "RecordingMessageBoxes.h"
#include "Settings.h"
#include "SheetBackup.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TestFiles.h"
#include "TextCodec.h"
#include "TextIds.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace fyn;
using namespace fyn::test;

namespace {

QByteArray cp1250(const QString& text) {
    return *TextCodec::fromUnicode(text);
}

// The clock stands in February 2027: January's reports are in year slot 1.
constexpr int kSlot = 1;
enum Report { Missing, InService, ZeroReport, LateDecember, OtherYear };

void report(SheetBuilder& sheet, int index, Report kind, int month = 0) {
    if (kind == InService) {
        sheet.setReport(index, month, kSlot, MonthReport{});
    } else if (kind == ZeroReport) {
        sheet.setRemarkEntry(index, month, kSlot, std::uint16_t(sheet.addRemark("0")));
    } else if (kind == LateDecember) {
        sheet.setReport(index, 11, 1 - kSlot, MonthReport{});
        sheet.markLate(index, 11);
    } else if (kind == OtherYear) {
        sheet.setReport(index, month, 1 - kSlot, MonthReport{});
    }
}

// Group 3, January: Nováková reported in service, Horváthová with a zero report.
SheetBuilder groupThree() {
    SheetBuilder sheet;
    sheet.setGroupNumber(3);
    sheet.addPublisher(cp1250(QStringLiteral("Ján")), cp1250(QStringLiteral("Novák")));
    sheet.addPublisher(cp1250(QStringLiteral("Mária")), cp1250(QStringLiteral("Nováková")));
    sheet.addPublisher("Peter", cp1250(QStringLiteral("Šťastný")));
    sheet.addPublisher("Eva", cp1250(QStringLiteral("Horváthová")));
    sheet.addPublisher("Ivan", "Kubo");
    report(sheet, 2, InService);
    report(sheet, 4, ZeroReport);
    return sheet;
}

SheetBuilder twoPublishers() {
    SheetBuilder sheet;
    sheet.setGroupNumber(9);
    sheet.addPublisher("Adam", "Bielik");
    sheet.addPublisher("Zora", cp1250(QStringLiteral("Zelená")));
    return sheet;
}

const QStringList kGroupThree{QStringLiteral("Novák, Ján"), QStringLiteral("Nováková, Mária"),
                              QStringLiteral("Šťastný, Peter"), QStringLiteral("Horváthová, Eva"),
                              QStringLiteral("Kubo, Ivan")};
const QStringList kTwo{QStringLiteral("Bielik, Adam"), QStringLiteral("Zelená, Zora")};

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

    QString path(const QString& name) const { return name.isEmpty() ? name : dir_->filePath(name); }
    QString writeSheet(const QString& name, const SheetBuilder& sheet) const {
        QDir().mkpath(QFileInfo(path(name)).path());
        if (!sheet.writeTo(path(name))) {
            qFatal("cannot write a test sheet");
        }
        return path(name);
    }
    void setSetting(const char* key, const QString& value) {
        settings_->WriteSetting(QStringLiteral("Last"), QString::fromLatin1(key), value);
    }
    QString setting(const char* key) const {
        return settings_->ReadSetting(QStringLiteral("Last"), QString::fromLatin1(key),
                                      QStringLiteral("unset"));
    }
    void open(const QString& commandLine = {}) {
        model_ = std::make_unique<MainWindowModel>(MainWindowModel::Services{
            *messages_, *clock_, *settings_, *backup_, StringTable::slovak()});
        model_->OpenWindow(commandLine);
    }
    QStringList listed() const {
        QStringList names;
        for (const MainWindowModel::ListEntry& entry : model_->entries()) {
            names << entry.text;
        }
        return names;
    }
    // Changed in memory only, so the file tells whether the sheet was written.
    void enterHours(int index) {
        model_->sheet().publisher(index).editMonth(0, kSlot).setHours(42);
    }
    static int hoursOnDisk(const QString& file, int index) {
        GroupSheet sheet;
        sheet.Load(file);
        return index <= sheet.publisherCount() ? sheet.publisher(index).month(0, kSlot).hours() : 0;
    }
    QStringList backups() const {
        return QDir(path(QStringLiteral("backups"))).entryList(QDir::Files);
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

    // A sheet named but not read is told, and "LoadPath" keeps the last sheet that did load.
    void opensTheSheetOfTheCommandLineOrOfTheSettings_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("loadPath");
        QTest::addColumn<QString>("opened"); // "LoadPath" from now on
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("told");
        const auto row = [](const char* name, const char* line, const char* load,
                            const char* opened, int listed, const char* told = "") {
            QTest::newRow(name) << QString::fromLatin1(line) << QString::fromLatin1(load)
                                << QString::fromLatin1(opened) << listed << QString::fromUtf8(told);
        };
        row("command line of any case", "G.T09", "", "G.T09", 5);
        row("other text falls back", "something else", "g.t09", "g.t09", 5);
        row("setting not a sheet", "", "g.t19", "g.t19", 0);
        row("setting names nothing", "", "gone.t09", "gone.t09", 0,
            "Súbor %1/gone.t09 sa nedá otvoriť: súbor alebo priečinok neexistuje.");
        row("command line cut short", "cut.t09", "g.t09", "g.t09", 0,
            "Súbor %1/cut.t09 nie je platný list od tajomníka.");
    }

    void opensTheSheetOfTheCommandLineOrOfTheSettings() {
        QFETCH(QString, commandLine);
        QFETCH(QString, loadPath);
        QFETCH(QString, opened);
        QFETCH(int, listed);
        QFETCH(QString, told);
        for (const char* name : {"G.T09", "g.t09", "g.t19"}) {
            writeSheet(QString::fromLatin1(name), groupThree());
        }
        QVERIFY(TestFiles::write(path(QStringLiteral("cut.t09")), groupThree().build().left(900)));
        setSetting("LoadPath", path(loadPath));
        setSetting("Post", QStringLiteral("Eva"));
        open(commandLine.contains(QLatin1Char('.')) ? path(commandLine) : commandLine);
        QCOMPARE(model_->sheet().sheetPath(), path(opened));
        QCOMPARE(model_->entries().size(), std::size_t(listed));
        QCOMPARE(model_->status().filterShown, listed > 0);
        QCOMPARE(model_->status().lastEntry, listed > 0 ? QStringLiteral("Eva") : QString());
        QCOMPARE(model_->sheet().startMonth, 0); // from the clock, not the machine
        QCOMPARE(messages_->texts().join(QString()),
                 told.replace(QStringLiteral("%1"), dir_->path()));
    }

    // A Slovak sheet read as Greek showed holes in the names and nothing said why: one box,
    // however many names; read in its own code page, none.
    void namesOutsideTheCodePageAreToldOnce() {
        SheetBuilder sheet;
        sheet.addPublisher("Zuzana", "\x8A\x9D"
                                     "astn\xE1");
        sheet.addPublisher("Jana", "\x8A\x9D"
                                   "astn\xE1");
        setSetting("LoadPath", writeSheet(QStringLiteral("g.t09"), sheet));
        const QString greek = QStringLiteral("windows-1253");
        TextCodec::useCodePage(greek);
        open();
        TextCodec::useCodePage(QLatin1String(TextCodec::kDefaultCodePage));
        QCOMPARE(messages_->texts(),
                 QStringList{StringTable::slovak().text(text::kOtherCodePage,
                                                        {path(QStringLiteral("g.t09")), greek})});
        messages_->clear();
        open();
        QVERIFY(messages_->texts().isEmpty());
    }

    void listAndSelectionFollowTheFilter_data() {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("reported");
        QTest::addColumn<QList<int>>("records");
        QTest::addColumn<int>("selectedRow");
        // An empty list leaves the last publisher's display as it was.
        QTest::addColumn<QString>("caption");
        QTest::newRow("off: all") << false << 2 << QList<int>{} << QList<int>{1, 2, 3, 4, 5} << 2
                                  << QStringLiteral("Zvest. - Peter Šťastný");
        QTest::newRow("on: position kept") << true << 2 << QList<int>{} << QList<int>{1, 3, 5} << 2
                                           << QStringLiteral("Zvest. - Ivan Kubo");
        QTest::newRow("on: past the end") << true << 4 << QList<int>{} << QList<int>{1, 3, 5} << 0
                                          << QStringLiteral("Zvest. - Ján Novák");
        QTest::newRow("on: all present") << true << 1 << QList<int>{1, 3, 5} << QList<int>{} << -1
                                         << QStringLiteral("Zvest. - Mária Nováková");
    }

    void listAndSelectionFollowTheFilter() {
        QFETCH(bool, filter);
        QFETCH(int, row);
        QFETCH(QList<int>, reported);
        QFETCH(QList<int>, records);
        QFETCH(int, selectedRow);
        QFETCH(QString, caption);
        SheetBuilder sheet = groupThree();
        for (const int index : reported) {
            report(sheet, index, InService);
        }
        open(writeSheet(QStringLiteral("g.t09"), sheet));
        QCOMPARE(listed(), kGroupThree);
        model_->ShowSelectedPublisher(row);
        model_->ToggleFilter(filter);

        QList<int> listedRecords;
        for (const MainWindowModel::ListEntry& entry : model_->entries()) {
            listedRecords << entry.record;
            QCOMPARE(entry.text, kGroupThree.at(entry.record - 1));
        }
        QCOMPARE(listedRecords, records);
        QCOMPARE(model_->selectedRow(), selectedRow);
        const int selected = records.isEmpty() ? 0 : records.at(selectedRow);
        QCOMPARE(model_->StartReport(selectedRow), selected);
        QCOMPARE(model_->panel().reportCaption, caption);
    }

    void contactsOfTheSelectedPublisher_data() {
        QTest::addColumn<QStringList>("phones");
        QTest::addColumn<QString>("email");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("dialing");
        // The number shown after 0, 1, ... presses of "> > >", one press more than there are
        // numbers; empty when none is shown.
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("dialShown");
        QTest::addColumn<bool>("reminded");
        const auto row = [](const char* name, const QStringList& phones, const char* email,
                            Report kind, bool dialing, const QStringList& shown, bool dial,
                            bool reminded) {
            QTest::newRow(name) << phones << QString::fromLatin1(email) << int(kind) << dialing
                                << shown << dial << reminded;
        };
        const QString a = QStringLiteral("0905111111"), b = QStringLiteral("0905222222"),
                      c = QStringLiteral("0905333333"), none;
        const QStringList tooShort{QStringLiteral("12345"), QStringLiteral("1234"),
                                   QStringLiteral("5")};
        const char* address = "jan@example.sk";
        row("no numbers", {}, "", Missing, true, {}, false, false);
        row("5 characters are none", tooShort, "", Missing, true, {}, false, false);
        row("one, packed to the front", {tooShort[0], none, a}, "", Missing, false, {a, a}, false,
            false);
        row("one, dialing exists", {a}, "", Missing, true, {a, a}, true, false);
        row("two", {none, a, b}, "", Missing, false, {a, b, a}, false, false);
        row("three, cycled", {a, b, c}, "", Missing, true, {a, b, c, a}, true, false);
        row("address, missing", {}, address, Missing, false, {}, false, true);
        row("address in blanks", {}, " \tjan@example.sk ", Missing, false, {}, false, true);
        row("address, reported", {}, address, InService, false, {}, false, false);
        row("address, zero report", {}, address, ZeroReport, false, {}, false, false);
        row("address, late December", {}, address, LateDecember, false, {}, false, true);
        row("address, other year", {}, address, OtherYear, false, {}, false, true);
        row("begins with @", {}, "@example.sk", Missing, false, {}, false, false);
        row("without @", {}, "jan.example.sk", Missing, false, {}, false, false);
        row("no dot after @", {}, "jan.novak@example", Missing, false, {}, false, false);
    }

    void contactsOfTheSelectedPublisher() {
        QFETCH(QStringList, phones);
        QFETCH(QString, email);
        QFETCH(int, kind);
        QFETCH(bool, dialing);
        QFETCH(QStringList, shown);
        QFETCH(bool, dialShown);
        QFETCH(bool, reminded);
        phones.resize(3);
        SheetBuilder sheet;
        sheet.addPublisher("Adam", "Bielik", "adam@example.sk", "0905000000");
        sheet.addPublisher(cp1250(QStringLiteral("Ján")), cp1250(QStringLiteral("Novák")),
                           email.toLatin1(), phones[0].toLatin1(), phones[1].toLatin1(),
                           phones[2].toLatin1());
        report(sheet, 2, Report(kind));
        open(writeSheet(QStringLiteral("g.t09"), sheet));
        model_->setDialingAvailable(dialing);
        model_->ShowSelectedPublisher(1);

        const MainWindowModel::PublisherPanel& panel = model_->panel();
        QCOMPARE(panel.reportCaption, QStringLiteral("Zvest. - Ján Novák"));
        QCOMPARE(panel.phoneShown, !shown.isEmpty());
        QCOMPARE(panel.nextPhoneShown, shown.size() > 2);
        QCOMPARE(panel.dialShown, dialShown);
        QStringList seen{panel.phoneText};
        while (seen.size() < shown.size()) {
            model_->NextPhoneNumber();
            seen << panel.phoneText;
        }
        QCOMPARE(seen, shown.isEmpty() ? QStringList{QString()} : shown);
        QCOMPARE(panel.reminderShown, reminded);
        if (reminded) {
            QCOMPARE(panel.reminderCaption, QStringLiteral("E-mail - ") + email.trimmed());
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
        QTest::addColumn<int>("reported");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<bool>("listedWhenFiltered");
        QTest::newRow("January") << 0 << 3 << 0 << "Január - odovzdané správy - Skupina 3 "
                                 << "Január - neodovzdané správy = 3" << true;
        QTest::newRow("November, all reported")
            << 10 << 12 << 5 << "November - odovzdané správy - Skupina 12 "
            << "November - neodovzdané správy = 0" << false;
    }

    void statusTexts() {
        QFETCH(int, month);
        QFETCH(int, group);
        QFETCH(int, reported);
        QFETCH(QString, title);
        QFETCH(QString, missing);
        QFETCH(bool, listedWhenFiltered);
        SheetBuilder sheet = groupThree();
        sheet.setGroupNumber(std::uint8_t(group));
        sheet.setReportMonth(std::uint8_t(month));
        for (int index = 1; index <= reported; ++index) {
            report(sheet, index, InService, month);
        }
        setSetting("Post", QStringLiteral("Eva Horváthová"));
        open(writeSheet(QStringLiteral("g.t09"), sheet));
        const MainWindowModel::Status& status = model_->status();
        QCOMPARE(status.title, title);
        QCOMPARE(status.missingCount, missing);
        QCOMPARE(status.totalCount, QStringLiteral("Celkom zvestovateľov = 5"));
        QCOMPARE(status.lastEntry, QStringLiteral("Eva Horváthová"));
        QVERIFY(status.sheetCommandsShown && status.filterShown);
        // Preview and sending keep what the last refresh decided when the filter empties the
        // list; the next refresh hides them.
        model_->ToggleFilter(true);
        QVERIFY(model_->status().sheetCommandsShown);
        model_->RefreshStatus();
        QCOMPARE(model_->status().sheetCommandsShown, listedWhenFiltered);
    }

    void helpTipsAndTheReminderSample() {
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        model_->ShowHelpTips();
        model_->ShowEmailSample();
        QCOMPARE(messages_->shown().size(), 2);
        const QString tips = messages_->shown().first().text;
        QVERIFY(tips.startsWith(QStringLiteral(
            "Tipy pre používanie FYN\n\nOd vášho tajomníka ste prijali súbor SkupinaX.t09 pre "
            "zadanie a vytvorenie mesačnej správy. Kliknutím na ikonu FYN")));
        QVERIFY(tips.contains(QStringLiteral("zmeny.Pokiaľ máte modem")));
        // The shortcut of the year window follows the tips of the Windows design.
        QVERIFY(tips.contains(QStringLiteral("na prenosnom médiu.\n\nKlávesy Ctrl+R ukážu rok")));
        QCOMPARE(messages_->shown().first().icon, MessageBoxes::Icon::Information);
        QCOMPARE(messages_->texts().last(),
                 QStringLiteral("Odošlite svoj prehľad za január. \nĎakujem.."));
    }

    // The sheet goes back into a .t09 of any case when it holds a group; closing stores both
    // settings unless a failed write made the user stay.
    void closingWritesBackAndStoresTheSettings_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("publishers");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing loaded") << "" << 0 << true << false << true << false;
        QTest::newRow(".t09") << "g.t09" << 2 << true << false << true << true;
        QTest::newRow(".T09") << "G.T09" << 2 << true << false << true << true;
        QTest::newRow("one publisher") << "g.t09" << 1 << true << false << true << false;
        QTest::newRow("failed, stay") << "g.t09" << 2 << false << false << false << false;
        QTest::newRow("failed, close anyway") << "g.t09" << 2 << false << true << true << false;
    }

    void closingWritesBackAndStoresTheSettings() {
        QFETCH(QString, sheet);
        QFETCH(int, publishers);
        QFETCH(bool, writable);
        QFETCH(bool, yes);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        SheetBuilder builder;
        for (int i = 0; i < publishers; ++i) {
            builder.addPublisher("Adam", "Bielik");
        }
        const QString file = sheet.isEmpty() ? sheet : writeSheet(sheet, builder);
        open(file);
        const QString last = sheet.isEmpty() ? QString() : QStringLiteral("Eva Horváthová");
        model_->setLastEntryName(last);
        if (publishers > 0) {
            enterHours(1);
        }
        QFile::setPermissions(file,
                              writable ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner);
        messages_->queueAnswer(yes);
        QCOMPARE(model_->CloseProgram(), closes);

        QCOMPARE(hoursOnDisk(file, 1), written ? 42 : 0);
        // Every attempt to overwrite first keeps the file as it was.
        QCOMPARE(backups().size(), publishers > 1 ? 1 : 0);
        if (publishers > 1) {
            QCOMPARE(TestFiles::read(path(QStringLiteral("backups/")) + backups().first()),
                     builder.build());
        }
        QCOMPARE(messages_->texts().size(), writable ? 0 : 2);
        if (!writable) {
            QVERIFY(messages_->texts().at(0).startsWith(
                QStringLiteral("Ak sa nedá vytvoriť nový súbor: ") + file));
            QVERIFY(messages_->shown().at(1).question);
            QVERIFY(messages_->texts().at(1).startsWith(
                QStringLiteral("Správy sa nepodarilo uložiť do súboru %1.").arg(file)));
        }
        QCOMPARE(setting("LoadPath"), closes ? file : QStringLiteral("unset"));
        QCOMPARE(setting("Post"), closes ? last : QStringLiteral("unset"));
    }

    void loadingAnotherSheet_data() {
        QTest::addColumn<QString>("chosen"); // "-": the dialog was cancelled
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("lastEntry");
        QTest::addColumn<QString>("message");
        const QString bad = QStringLiteral("Súbor %1 nie je platný list od tajomníka.");
        const auto row = [](const char* name, const char* chosen, const char* opened,
                            const QStringList& names, const char* lastEntry,
                            const QString& message) {
            QTest::newRow(name) << QString::fromLatin1(chosen) << QString::fromLatin1(opened)
                                << names << QString::fromLatin1(lastEntry) << message;
        };
        row("cancelled", "-", "first.t09", kGroupThree, "X", {});
        row("wrong extension", "two.txt", "first.t09", kGroupThree, "X", {});
        row("another sheet", "two.T09", "two.T09", kTwo, "", {});
        row("no such file", "gone.t09", "first.t09", kGroupThree, "X",
            QStringLiteral("Súbor %1 sa nedá otvoriť: súbor alebo priečinok neexistuje."));
        row("not a sheet", "bad.t09", "first.t09", kGroupThree, "X", bad);
    }

    void loadingAnotherSheet() {
        QFETCH(QString, chosen);
        QFETCH(QString, opened);
        QFETCH(QStringList, names);
        QFETCH(QString, lastEntry);
        QFETCH(QString, message);
        writeSheet(QStringLiteral("two.T09"), twoPublishers());
        writeSheet(QStringLiteral("two.txt"), twoPublishers());
        SheetBuilder bad = groupThree();
        bad.overridePublisherCount(0x80);
        writeSheet(QStringLiteral("bad.t09"), bad);
        setSetting("Post", QStringLiteral("X"));
        open(writeSheet(QStringLiteral("first.t09"), groupThree()));

        model_->LoadNewSheet(chosen == QLatin1String("-") ? std::nullopt
                                                          : std::optional(path(chosen)));
        QCOMPARE(model_->sheet().sheetPath(), path(opened));
        QCOMPARE(listed(), names);
        QCOMPARE(model_->status().lastEntry, lastEntry);
        QCOMPARE(messages_->texts(),
                 message.isEmpty() ? QStringList{} : QStringList{message.arg(path(chosen))});
    }

    void theFileDialogStartsInTheSheetsFolder_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("sheet in use") << "sheets/g.t09" << false;
        QTest::newRow("deleted since") << "sheets/g.t09" << true;
        QTest::newRow("no sheet") << "" << false;
    }

    void theFileDialogStartsInTheSheetsFolder() {
        QFETCH(QString, sheet);
        QFETCH(bool, deleted);
        const QString file = sheet.isEmpty() ? sheet : writeSheet(sheet, groupThree());
        open(file);
        if (deleted) {
            QFile::remove(file);
        }
        const MainWindowModel::SheetRequest request = model_->LoadRequest();
        QCOMPARE(request.initialFolder,
                 QFile::exists(file) ? path(QStringLiteral("sheets")) : model_->startDirectory());
        QCOMPARE(request.filterDescription, QStringLiteral("List so zoznamom od tajomníka (.t09)"));
    }

    // A sheet that cannot be written (a pulled stick, a read-only medium) must not lock the
    // user in: each try asks whether the reports since the last save may go.
    void switchingSheetsAfterAFailedSave_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("switched");
        QTest::newRow("written first") << true << false << true;
        QTest::newRow("failed, stay") << false << false << false;
        QTest::newRow("failed, switch anyway") << false << true << true;
    }

    void switchingSheetsAfterAFailedSave() {
        QFETCH(bool, writable);
        QFETCH(bool, yes);
        QFETCH(bool, switched);
        const QString first = writeSheet(QStringLiteral("first.t09"), groupThree());
        const QString second = writeSheet(QStringLiteral("second.t09"), twoPublishers());
        open(first);
        enterHours(5);
        QFile::setPermissions(first,
                              writable ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner);
        for (int attempt = 0; attempt < (switched ? 1 : 2); ++attempt) {
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
        }
        QCOMPARE(model_->sheet().sheetPath(), switched ? second : first);
        QCOMPARE(listed(), switched ? kTwo : kGroupThree);
        QCOMPARE(hoursOnDisk(first, 5), writable ? 42 : 0);
        if (!switched) {
            QCOMPARE(model_->sheet().publisher(5).month(0, kSlot).hours(), std::uint16_t(42));
        }
    }

    // A backup that cannot be made (here a file stands where its folder would be) is told once,
    // and every report still reaches the file.
    void aFailedBackupIsToldOnceAndTheWritesGoAhead() {
        const QString sheet = writeSheet(QStringLiteral("g.t09"), groupThree());
        backup_ = std::make_unique<SheetBackup>(sheet + QStringLiteral("/backups"));
        open(sheet);
        for (const std::uint16_t hours : {42, 43}) {
            model_->sheet().publisher(5).editMonth(0, kSlot).setHours(hours);
            QVERIFY(model_->WriteBack());
        }
        QCOMPARE(messages_->texts(),
                 QStringList{QStringLiteral("Záložnú kópiu listu sa nepodarilo vytvoriť v adresári "
                                            "%1/backups: Not a directory.\n\nSprávy sa do listu "
                                            "napriek tomu uložia.")
                                 .arg(sheet)});
        QCOMPARE(hoursOnDisk(sheet, 5), 43);
    }

    // A sheet named relative to the working folder is remembered by its full path; a relative
    // "LoadPath" names no folder, so it opens nothing.
    void relativeSheetPaths() {
        writeSheet(QStringLiteral("g.t09"), groupThree());
        const auto restore =
            qScopeGuard([started = QDir::currentPath()] { QDir::setCurrent(started); });
        QVERIFY(QDir::setCurrent(dir_->path()));
        open(QStringLiteral("g.t09"));
        QVERIFY(model_->CloseProgram());
        QCOMPARE(setting("LoadPath"), QDir::currentPath() + QStringLiteral("/g.t09"));
        setSetting("LoadPath", QStringLiteral("g.t09"));
        open();
        QCOMPARE(model_->sheet().sheetPath(), QString());
    }
};

QTEST_GUILESS_MAIN(TestMainWindowModel)
#include "TestMainWindowModel.moc"
