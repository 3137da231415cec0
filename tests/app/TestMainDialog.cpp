#include "DialogBuilder.h"
#include "GroupApp.h"
#include "InstalledLanguage.h"
#include "Language.h"
#include "MainDialog.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "WindowSeams.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace fyn;
using namespace fyn::test;

namespace {

QByteArray cp1250(const char* utf8) {
    return *TextCodec::fromUnicode(QString::fromUtf8(utf8));
}

// Group 3, January (year slot 1): publisher 2 reported, publisher 4 by a remark.
SheetBuilder groupThree() {
    SheetBuilder sheet;
    sheet.setGroupNumber(3);
    sheet.addPublisher(cp1250("Ján"), cp1250("Novák"), "jan&novak@x.sk", "12345", "0905123456");
    sheet.addPublisher(cp1250("Mária"), cp1250("Nováková"), "maria@example.sk", "0905111111",
                       "0905222222", "0905333333");
    sheet.addPublisher("Peter", cp1250("Šťastný"));
    sheet.addPublisher("Eva", cp1250("Horváthová"));
    sheet.addPublisher("Ivan", "Kubo");
    sheet.setReport(2, 0, 1, MonthReport{0, 0, 0, 0, 2, true, 0});
    sheet.setRemarkEntry(4, 0, 1, static_cast<std::uint16_t>(sheet.addRemark("0")));
    return sheet;
}

} // namespace

class TestMainDialog : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowSeams> seams_;
    std::unique_ptr<MainDialog> window_;

    QString path(const QString& name) const { return seams_->path(name); }

    QString writeSheet(const QString& name, const SheetBuilder& sheet) const {
        QDir().mkpath(QFileInfo(path(name)).path());
        if (!sheet.writeTo(path(name))) {
            qFatal("cannot write a test sheet");
        }
        return path(name);
    }

    void open(const QString& commandLine = {}, const StringTable& strings = StringTable::slovak()) {
        seams_->mail.strings = &strings;
        window_ = seams_->open(commandLine);
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
    void init() { seams_ = std::make_unique<WindowSeams>(QDate(2027, 2, 10)); }

    void cleanup() {
        window_.reset();
        TextCodec::useCodePage(QString::fromLatin1(TextCodec::kDefaultCodePage));
    }

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

    void showsTheListAndTheCounts() {
        open();
        QCOMPARE(list()->count(), 0);
        QVERIFY(control<QWidget>(4)->isHidden());
        QVERIFY(control<QWidget>(5)->isHidden());
        QVERIFY(control<QWidget>(162)->isHidden());

        seams_->settings.WriteSetting(QStringLiteral("Last"), QStringLiteral("Post"),
                                      QStringLiteral("Mária Nováková"));
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        QCOMPARE(listed(),
                 (QStringList{QStringLiteral("Novák, Ján"), QStringLiteral("Nováková, Mária"),
                              QStringLiteral("Šťastný, Peter"), QStringLiteral("Horváthová, Eva"),
                              QStringLiteral("Kubo, Ivan")}));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Január - odovzdané správy - Skupina 3 "));
        QCOMPARE(control<QLabel>(1000)->text(), QStringLiteral("Január - neodovzdané správy = 3"));
        QCOMPARE(control<QLabel>(1001)->text(), QStringLiteral("Celkom zvestovateľov = 5"));
        QCOMPARE(control<QLabel>(133)->text(), QStringLiteral("Mária Nováková"));
        QVERIFY(control<QWidget>(4)->isVisible());
        QVERIFY(control<QWidget>(5)->isVisible());
        QVERIFY(control<QWidget>(162)->isVisible());
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
        // A keyboard without the letter: the name is found without its diacritics, after the
        // exact matches had their turn.
        select(0);
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::keyClicks(list(), QStringLiteral("sta"));
        QCOMPARE(list()->currentItem()->text(), QStringLiteral("Šťastný, Peter"));
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::keyClicks(list(), QStringLiteral("hor"));
        QCOMPARE(list()->currentItem()->text(), QStringLiteral("Horváthová, Eva"));
    }

    void otherLanguagesReadTheirSheetAndFindTheirLetters_data() {
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("title");
        QTest::newRow("pl") << QStringLiteral("Żak, Jan")
                            << QStringLiteral("Styczeń - oddane sprawozdania - Grupa 3 ");
        QTest::newRow("el") << QStringLiteral("Ζαχαρίου, Νίκος")
                            << QStringLiteral("Ιανουάριος - εκθέσεις που δόθηκαν - Όμιλος 3 ");
        QTest::newRow("tr") << QStringLiteral("Şahin, Ayşe")
                            << QStringLiteral("Ocak - verilen raporlar - Grup 3 ");
    }

    // The sheet in the language's code page, the title in it, and type-ahead beyond ASCII.
    void otherLanguagesReadTheirSheetAndFindTheirLetters() {
        QFETCH(QString, listed);
        QFETCH(QString, title);
        const Language& chosen = *Language::bySetting(QString::fromLatin1(QTest::currentDataTag()));
        const InstalledLanguage installed(chosen);
        TextCodec::useCodePage(chosen.codePage);
        const StringTable strings = StringTable::translated();
        const QStringList name = listed.split(QStringLiteral(", "));
        SheetBuilder sheet;
        sheet.setGroupNumber(3);
        sheet.addPublisher("Ivan", "Kubo");
        sheet.addPublisher(*TextCodec::fromUnicode(name[1]), *TextCodec::fromUnicode(name[0]));
        open(writeSheet(QStringLiteral("g.t09"), sheet), strings);
        QCOMPARE(window_->windowTitle(), title);
        list()->setFocus();
        select(0);
        QTest::sendKeyEvent(QTest::Click, list(), Qt::Key_unknown, listed.left(1), Qt::NoModifier);
        QCOMPARE(list()->currentItem()->text(), listed);
    }

    void contactControlsFollowTheSelection() {
        open(writeSheet(QStringLiteral("g.t09"), groupThree()));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(control<QLabel>(1002)->text(), QStringLiteral("0905123456"));
        QVERIFY(control<QWidget>(1004)->isHidden());
        QVERIFY(control<QWidget>(1003)->isHidden());
        // An ampersand in an address is shown, not taken for a mnemonic.
        QCOMPARE(control<QPushButton>(1006)->text(), QStringLiteral("E-mail - jan&&novak@x.sk"));
        QVERIFY(control<QWidget>(1007)->isVisible());

        select(1);
        QVERIFY(control<QWidget>(1006)->isHidden());
        QVERIFY(control<QWidget>(1007)->isHidden());
        auto* next = control<QPushButton>(1004);
        QVERIFY(next->isVisible());
        QStringList shown;
        for (int click = 0; click < 4; ++click) {
            shown << control<QLabel>(1002)->text();
            next->setFocus();
            QVERIFY(next->hasFocus());
            QTest::mouseClick(next, Qt::LeftButton);
            QVERIFY(list()->hasFocus());
        }
        QCOMPARE(shown, (QStringList{QStringLiteral("0905111111"), QStringLiteral("0905222222"),
                                     QStringLiteral("0905333333"), QStringLiteral("0905111111")}));

        select(2);
        QVERIFY(control<QLabel>(1002)->isHidden());
        QCOMPARE(control<QLabel>(1002)->text(), QString());
        QTest::mouseClick(control<QPushButton>(1007), Qt::LeftButton);
        QCOMPARE(seams_->messages.texts(),
                 QStringList{QStringLiteral("Odošlite svoj prehľad za január. \nĎakujem..")});
    }

    void closingWritesTheSheetBackAndBothSettings() {
        const QString sheet = writeSheet(QStringLiteral("Skupina3.T09"), groupThree());
        open(sheet);
        // A figure that only the write-back can bring into the file.
        window_->sheet().publisher(5).editMonth(0, 1).setHours(42);
        QTest::keyClick(window_.get(), Qt::Key_Escape);
        QVERIFY(window_->isHidden());
        // Settings with keys of any case; the backups and messages are the model's to check.
        QCOMPARE(seams_->settings.ReadSetting(QStringLiteral("last"), QStringLiteral("loadpath")),
                 sheet);
        GroupSheet onDisk;
        QVERIFY(onDisk.Load(sheet));
        QCOMPARE(onDisk.publisher(5).month(0, 1).hours(), std::uint16_t(42));
    }

    void aFailedWriteKeepsTheWindowOpenUntilTheUserLetsGo() {
        const QString sheet = writeSheet(QStringLiteral("g.t09"), groupThree());
        open(sheet);
        QFile::setPermissions(sheet, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        seams_->messages.queueAnswer(false);
        QVERIFY(!window_->close());
        QVERIFY(window_->isVisible());
        QCOMPARE(seams_->messages.texts().size(), 2);

        seams_->messages.queueAnswer(true);
        QVERIFY(window_->close());
        QVERIFY(window_->isHidden());
    }

    void loadsTheSheetChosenInTheFileDialog() {
        open(writeSheet(QStringLiteral("sheets/first.t09"), groupThree()));
        SheetBuilder other;
        other.setGroupNumber(9);
        other.addPublisher("Adam", "Bielik");
        other.addPublisher("Zora", cp1250("Zelená"));
        seams_->files.answers.append(writeSheet(QStringLiteral("second.t09"), other));
        QTest::mouseClick(control<QPushButton>(3), Qt::LeftButton);
        QCOMPARE(seams_->files.requests.size(), 1);
        QCOMPARE(seams_->files.requests[0].initialFolder, path(QStringLiteral("sheets")));
        QCOMPARE(seams_->files.requests[0].title, QStringLiteral("Výber súboru od tajomníka"));
        QCOMPARE(seams_->files.requests[0].pattern, QStringLiteral("*.t09"));
        QCOMPARE(listed(),
                 (QStringList{QStringLiteral("Bielik, Adam"), QStringLiteral("Zelená, Zora")}));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Január - odovzdané správy - Skupina 9 "));
        QCOMPARE(control<QPushButton>(1)->text(), QStringLiteral("Zvest. - Adam Bielik"));
    }
};

QTEST_MAIN(TestMainDialog)
#include "TestMainDialog.moc"
