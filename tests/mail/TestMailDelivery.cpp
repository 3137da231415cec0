#include "ContactLog.h"
#include "ControlIds.h"
#include "DialogBuilder.h"
#include "FakeSeams.h"
#include "GroupSheet.h"
#include "MailSeams.h"
#include "Mailer.h"
#include "MainDialog.h"
#include "MonthContacts.h"
#include "RealParts.h"
#include "RecordingMessageBoxes.h"
#include "ReminderDialog.h"
#include "RunContacts.h"
#include "Settings.h"
#include "SheetBackup.h"
#include "SheetBuilder.h"
#include "SheetMessages.h"
#include "SheetSender.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "Wording.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>
#include <memory>

using namespace fyn;
using namespace Qt::StringLiterals;
using fyn::test::MailSink;

namespace {

QByteArray cp1250(const QString& text) {
    return *TextCodec::fromUnicode(text);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Also notes whether the program was still busy when it spoke: the wait cursor must be gone
// and the windows usable before any box shows.
class WatchingMessageBoxes : public fyn::test::RecordingMessageBoxes {
public:
    void inform(const QString& text, Icon icon = Icon::None) override {
        busyWhileShown |= QApplication::overrideCursor() != nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            busyWhileShown |= window->isVisible() && !window->isEnabled();
        }
        RecordingMessageBoxes::inform(text, icon);
    }
    bool busyWhileShown = false;
};

// Group 3, January: Ján's report is missing, Mária's is in.
SheetBuilder groupThree(const QByteArray& secretary) {
    SheetBuilder sheet;
    sheet.setGroupNumber(3);
    sheet.setReportMonth(0);
    sheet.setSecretaryEmail(secretary);
    sheet.addPublisher(cp1250(u"J\u00e1n"_s), cp1250(u"Nov\u00e1k"_s), "jan@example.sk",
                       "0905123456");
    sheet.addPublisher(cp1250(u"M\u00e1ria"_s), cp1250(u"Nov\u00e1kov\u00e1"_s),
                       "maria@example.sk");
    sheet.setReport(2, 0, 1, MonthReport{0, 0, 0, 0, 2, true, 0});
    return sheet;
}

const QString kFrom = u"zber@example.sk"_s;

QStringList cleanAddresses(int count) {
    QStringList addresses;
    for (int i = 1; i <= count; ++i) {
        addresses << u"a%1@example.sk"_s.arg(i, 3, 10, QLatin1Char('0'));
    }
    return addresses;
}

// January: the clean ones missing, one whose address would add a recipient, one without an
// address, and three who reported.
SheetBuilder everyoneToRemind(int clean) {
    SheetBuilder sheet;
    sheet.setGroupNumber(3);
    sheet.setReportMonth(0);
    for (const QString& address : cleanAddresses(clean)) {
        sheet.addPublisher("Jan", address.left(4).toLatin1(), address.toLatin1());
    }
    sheet.addPublisher("Zly", "Zly", "zly@example.sk\r\nBcc: all@example.sk");
    sheet.addPublisher("Bez", "Adresy", "", "0905 111 222");
    for (const char* surname : {"R1", "R2", "R3"}) {
        sheet.setReport(sheet.addPublisher("Jan", surname, "r@example.sk"), 0, 1, {});
    }
    return sheet;
}

} // namespace

// Mail goes out through msmtp to a local SMTP server and is read back from its Maildir.
class TestMailDelivery : public QObject {
    Q_OBJECT

private:
    MailSink sink_;
    QString sinkProblem_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<WatchingMessageBoxes> messages_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<fyn::test::MailSeams> mail_;
    std::unique_ptr<test::FixedClock> clock_;
    std::unique_ptr<test::ScriptedFilePicker> files_;
    std::unique_ptr<SheetBackup> backup_;
    std::unique_ptr<MainDialog> window_;
    std::unique_ptr<ContactLog> log_;
    std::unique_ptr<RunContacts> run_;
    qint64 longestWaitMs_ = 0; // of the event loop while reminding
    int shownProgress_ = 0;

    QString sheetFolder() const { return dir_->filePath(u"D\u00e1ta.t09"_s); }

    MainDialog& open(const SheetBuilder& sheet, const QString& name = u"Skupina3.T09"_s) {
        QDir().mkpath(sheetFolder());
        const QString path = sheetFolder() + u"/"_s + name;
        if (!sheet.writeTo(path)) {
            qFatal("cannot write the test sheet");
        }
        window_ = std::make_unique<MainDialog>(mail_->services(*files_, *clock_, *backup_), path);
        window_->OpenWindow();
        window_->show();
        return *window_;
    }
    void click(int id) { DialogBuilder::control<QPushButton>(*window_, id)->click(); }
    QString updatedSheet() const { return sheetFolder() + u"/Skupina3.t19"_s; }
    QString logPath() const { return dir_->filePath(u"contacts.sqlite"_s); }
    // The addresses every delivered message went to, sorted.
    QStringList reached() const {
        QStringList addresses;
        for (const QJsonValue& mail : sink_.messages()) {
            addresses << mail[u"rcptTo"_s].toString();
        }
        addresses.sort();
        return addresses;
    }
    // Opens the window that reminds everyone, on a log read afresh as after a restart unless
    // the same run goes on.
    std::unique_ptr<ReminderDialog> openReminders(bool restarted = true) {
        if (restarted || !run_) {
            log_ = std::make_unique<ContactLog>(logPath());
            run_ = std::make_unique<RunContacts>(log_.get());
        }
        auto dialog = std::make_unique<ReminderDialog>(
            ReminderDialog::Context{window_->sheet(), window_->wording(), StringTable::slovak(),
                                    *messages_, mail_->mailers, *clock_, *run_, window_.get()});
        dialog->show();
        return dialog;
    }
    // The same, and Enter sends to everyone ticked.
    std::unique_ptr<ReminderDialog> remindAll(bool restarted = true) {
        return press(openReminders(restarted));
    }
    std::unique_ptr<ReminderDialog> press(std::unique_ptr<ReminderDialog> dialog) {
        QTimer ticker;
        QElapsedTimer sinceTick;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestWaitMs_ = std::max(longestWaitMs_, sinceTick.restart());
            const auto* progress = dialog->findChild<QProgressDialog*>();
            shownProgress_ = std::max(shownProgress_, progress ? progress->value() : 0);
        });
        ticker.start(10);
        sinceTick.start();
        QTest::keyClick(dialog->findChild<QListWidget*>(), Qt::Key_Return);
        return dialog;
    }

private Q_SLOTS:
    void initTestCase() { sinkProblem_ = sink_.start(); }

    void init() {
        FYN_REQUIRE_PART(sinkProblem_.isEmpty(), sinkProblem_);
        sink_.clear();
        dir_ = std::make_unique<QTemporaryDir>();
        messages_ = std::make_unique<WatchingMessageBoxes>();
        settings_ = std::make_unique<Settings>(dir_->filePath(u"fyn.ini"_s));
        settings_->WriteSetting(u"Mail"_s, u"Command"_s, sink_.msmtpCommand(kFrom));
        settings_->WriteSetting(u"Mail"_s, u"From"_s, kFrom);
        mail_ = std::make_unique<fyn::test::MailSeams>(*settings_, *messages_);
        clock_ = std::make_unique<test::FixedClock>(QDate(2027, 2, 10));
        files_ = std::make_unique<test::ScriptedFilePicker>();
        backup_ = std::make_unique<SheetBackup>(dir_->filePath(u"backups"_s));
    }

    void cleanup() { window_.reset(); }

    void updatedSheetReachesTheSecretaryWhole() {
        open(groupThree("tajomnik@example.sk"));
        messages_->queueAnswer(true);
        click(4);

        const QJsonArray mails = sink_.messages();
        QCOMPARE(mails.size(), 1);
        const QJsonObject mail = mails.first().toObject();
        QCOMPARE(mail[u"to"_s].toArray(), QJsonArray{u"tajomnik@example.sk"_s});
        QCOMPARE(mail[u"from"_s].toString(), u"Fyn <zber@example.sk>"_s);
        QCOMPARE(mail[u"subject"_s].toString(),
                 u"Zostaven\u00e9 s\u00fabory - Janu\u00e1r - Skupina 3"_s);
        QVERIFY2(mail[u"rawSubject"_s].toString().startsWith(u"=?utf-8?"_s, Qt::CaseInsensitive),
                 qPrintable(mail[u"rawSubject"_s].toString()));
        QCOMPARE(mail[u"body"_s].toString(), u"Janu\u00e1r .t19 s\u00fabor pre Skupina 3"_s);
        QCOMPARE(mail[u"bodyCharset"_s].toString(), u"utf-8"_s);
        QCOMPARE(mail[u"bodyEncoding"_s].toString(), u"quoted-printable"_s);
        QVERIFY(!mail[u"date"_s].toString().isEmpty());
        QVERIFY(!mail[u"messageId"_s].toString().isEmpty());
        QCOMPARE(mail[u"mimeVersion"_s].toString(), u"1.0"_s);

        const QJsonArray attachments = mail[u"attachments"_s].toArray();
        QCOMPARE(attachments.size(), 1);
        const QJsonObject attachment = attachments.first().toObject();
        QCOMPARE(attachment[u"filename"_s].toString(), u"Skupina3.t19"_s);
        QCOMPARE(attachment[u"type"_s].toString(), u"application/octet-stream"_s);
        QCOMPARE(attachment[u"encoding"_s].toString(), u"base64"_s);
        const QByteArray onDisk = readAll(updatedSheet());
        QCOMPARE(onDisk, window_->sheet().Bytes());
        QCOMPARE(QByteArray::fromBase64(attachment[u"data"_s].toString().toLatin1()), onDisk);

        // One question, naming the file and the address as stored, and a word that it went.
        QCOMPARE(messages_->texts().last(),
                 StringTable::slovak().text(text::kUpdatedSheetSent, {u"tajomnik@example.sk"_s}));
        QCOMPARE(messages_->shown().size(), 2);
        const auto& question = messages_->shown().first();
        QVERIFY(question.question);
        QVERIFY(question.text.startsWith(StringTable::slovak().text(1038, {updatedSheet()}) +
                                         StringTable::slovak().text(1039) +
                                         u"tajomnik@example.sk"_s));
        QVERIFY(!messages_->busyWhileShown);
    }

    void secretaryAddresses_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("recipients");
        QTest::addColumn<QString>("refused");

        QTest::newRow("one") << "a@b.sk"_ba << QStringList{u"a@b.sk"_s} << QString();
        QTest::newRow("empty piece")
            << "a@b.sk;;c@d.sk"_ba << QStringList{u"a@b.sk"_s, u"c@d.sk"_s} << QString();
        QTest::newRow("blank after the separator")
            << "a@b.sk; c@d.sk"_ba << QStringList{u"a@b.sk"_s, u"c@d.sk"_s} << QString();
        QTest::newRow("header injection")
            << "a@b.sk\r\nBcc: x@y"_ba << QStringList() << u"a@b.sk\r\nBcc: x@y"_s;
        // The field holds 63 bytes and no terminator; what lies beyond is never read.
        const QByteArray longer = QByteArray(55, 'a') + "@example.sk"_ba;
        QTest::newRow("63 bytes without a terminator")
            << longer << QStringList() << QString::fromLatin1(longer.left(63));
        QTest::newRow("quoted") << "\"a\"@b.sk"_ba << QStringList() << u"\"a\"@b.sk"_s;
        QTest::newRow("angle brackets") << "<a@b.sk>"_ba << QStringList() << u"<a@b.sk>"_s;
        QTest::newRow("no dot in the domain") << "a@b"_ba << QStringList() << u"a@b"_s;
        QTest::newRow("nothing before @") << "@b.sk"_ba << QStringList() << u"@b.sk"_s;
        QTest::newRow("two @") << "a@@b.sk"_ba << QStringList() << u"a@@b.sk"_s;
        QTest::newRow("doubled dot") << "a@b..sk"_ba << QStringList() << u"a@b..sk"_s;
        QTest::newRow("option-like") << "-a@b.sk"_ba << QStringList() << u"-a@b.sk"_s;
        QTest::newRow("second piece bad, none sent")
            << "a@b.sk;c@d"_ba << QStringList() << u"c@d"_s;
        QTest::newRow("no-break space") << "a@b.sk\xa0"_ba << QStringList() << u"a@b.sk\u00a0"_s;
        QTest::newRow("non-ASCII letter")
            << "j\xe1n@b.sk"_ba << QStringList() << u"j\u00e1n@b.sk"_s;
    }

    void secretaryAddresses() {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, recipients);
        QFETCH(QString, refused);
        open(groupThree(stored));
        messages_->queueAnswer(true);
        click(4);

        const QJsonArray mails = sink_.messages();
        if (refused.isEmpty()) {
            QCOMPARE(mails.size(), 1);
            QJsonArray expected;
            for (const QString& recipient : recipients) {
                expected.append(recipient);
            }
            QCOMPARE(mails.first().toObject()[u"to"_s].toArray(), expected);
            QCOMPARE(messages_->shown().size(), 2);
        } else {
            QCOMPARE(mails.size(), 0);
            QCOMPARE(messages_->texts().last(), StringTable::slovak().text(2002, {refused}));
        }
    }

    // Reminded a second time within the day only when the user says so: Enter and Esc keep
    // it back, and no log is needed to know.
    void reminderReachesThePublisher() {
        open(groupThree("tajomnik@example.sk"));
        auto* list = DialogBuilder::control<QListWidget>(*window_, 138);
        list->setCurrentRow(0);
        click(1006);
        QCOMPARE(messages_->texts(), QStringList{u"jan@example.sk"_s});
        const QJsonArray mails = sink_.messages();
        QCOMPARE(mails.size(), 1);
        const QJsonObject mail = mails.first().toObject();
        QCOMPARE(mail[u"to"_s].toArray(), QJsonArray{u"jan@example.sk"_s});
        QCOMPARE(mail[u"subject"_s].toString(), u"Report"_s);
        // Quoted-printable ends the single part with a line break.
        QCOMPARE(mail[u"body"_s].toString(),
                 StringTable::slovak().text(1422, {u"janu\u00e1r"_s}) + u"\n"_s);
        QCOMPARE(mail[u"attachments"_s].toArray().size(), 0);
        click(1006);
        QCOMPARE(messages_->shown().size(), 2);
        QCOMPARE(messages_->shown().last().preferred, MessageBoxes::Preferred::No);
        QVERIFY2(messages_->texts().last().startsWith(u"J\u00e1n Nov\u00e1k <jan@example.sk>: "
                                                      u"pripomenut\u00e9 e-mailom"_s),
                 qPrintable(messages_->texts().last()));
        QCOMPARE(sink_.messages().size(), 1);
        messages_->queueAnswer(true);
        click(1006);
        QCOMPARE(messages_->shown().size(), 3); // asked, and the address not shown again
        QCOMPARE(sink_.messages().size(), 2);
    }

    // Letters that the scrambling stores as the byte it keeps, at every position where that
    // happens to a letter: read right, reminded at the right address, and the sheet written
    // back as it came.
    void addressLettersStoredAsTheKeptByte() {
        SheetBuilder sheet;
        sheet.setGroupNumber(3);
        sheet.setReportMonth(0);
        QStringList addresses{u"maria.kovacova@centrum.sk"_s, u"jan.novak.ml@example.sk"_s};
        for (int position = 12; position <= 29; ++position) {
            addresses << QString(position, u'a') + QChar(134 - position) + u"@example.sk"_s;
        }
        for (const QString& address : std::as_const(addresses)) {
            sheet.addPublisher("Jan", "Adresa", address.toLatin1());
        }
        open(sheet, u"Skupina3.t09"_s);
        const QByteArray original = readAll(window_->sheet().sheetPath());
        QVERIFY(original.contains('\xC3'));
        remindAll();
        addresses.sort();
        QCOMPARE(reached(), addresses);
        QVERIFY(window_->WriteBack());
        QCOMPARE(readAll(window_->sheet().sheetPath()).toHex(), original.toHex());
    }

    void withoutFromTheMailSystemNamesTheSender() {
        settings_->WriteSetting(u"Mail"_s, u"From"_s, QString());
        open(groupThree("tajomnik@example.sk"));
        messages_->queueAnswer(true);
        click(4);
        const QJsonArray mails = sink_.messages();
        QCOMPARE(mails.size(), 1);
        // msmtp adds its envelope sender; "Fyn" appears only with a configured address.
        QVERIFY(!mails.first().toObject()[u"from"_s].toString().contains(u"Fyn"_s));
    }

    void failingCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("shown");
        QTest::newRow("exit 1")
            << u"sh -c \"echo 'msmtp: server refused' >&2; echo second >&2; exit 1\""_s << kFrom
            << StringTable::slovak().text(text::kSendMailFailed) +
                   u"\n\nmsmtp: server refused\nsecond"_s;
        QTest::newRow("not found") << u"fyn-no-such-mailer -t"_s << kFrom
                                   << StringTable::slovak().text(text::kInvalidMailSystem);
        QTest::newRow("empty") << QString() << kFrom
                               << StringTable::slovak().text(text::kInvalidMailSystem);
        // The command is fine: the user is sent to the address.
        for (const QString& from : {u"zber@example"_s, u"J\u00e1n <jan@x.sk>"_s}) {
            QTest::addRow("unusable From %s", qPrintable(from))
                << u"msmtp -t"_s << from
                << u"Nastavenie From v \u010dasti [Mail] s\u00faboru fyn.ini obsahuje "
                   u"neplatn\u00fa adresu odosielate\u013ea: %1\n\n"
                   u"Opravte ju alebo nastavenie From vyma\u017ete."_s.arg(from);
        }
    }

    void failingCommands() {
        QFETCH(QString, command);
        QFETCH(QString, from);
        QFETCH(QString, shown);
        settings_->WriteSetting(u"Mail"_s, u"Command"_s, command);
        settings_->WriteSetting(u"Mail"_s, u"From"_s, from);
        open(groupThree("tajomnik@example.sk"));
        messages_->queueAnswer(true);
        click(4);
        QCOMPARE(messages_->texts().last(), shown);
        QCOMPARE(messages_->shown().last().icon, MessageBoxes::Icon::Warning);
        QCOMPARE(sink_.messages().size(), 0);
        // The copy stays for a later try.
        QVERIFY(QFile::exists(updatedSheet()));
        QVERIFY(!messages_->busyWhileShown);
    }

    void attachmentLeavesAsItWasWhenAdded() {
        const QString path = dir_->filePath(u"Skupina3.t19"_s);
        const QByteArray content(5000, 'x');
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        const std::unique_ptr<Mailer> mailer = mail_->mailers.create();
        QCOMPARE(mailer->TakeError(), 0);
        mailer->AddRecipients(u"a@b.sk"_s);
        QVERIFY(mailer->AddAttachment(path));
        // Cut short after it was added: what goes out is what was there.
        QVERIFY(QFile::resize(path, 10));
        QVERIFY(mailer->Send());
        const QJsonArray mails = sink_.messages();
        QCOMPARE(mails.size(), 1);
        const QJsonObject attachment =
            mails.first().toObject()[u"attachments"_s].toArray().first().toObject();
        QCOMPARE(QByteArray::fromBase64(attachment[u"data"_s].toString().toLatin1()), content);
    }

    void unreadableAttachmentStopsTheMessage() {
        const QString path = dir_->filePath(u"missing.t19"_s);
        const std::unique_ptr<Mailer> mailer = mail_->mailers.create();
        mailer->AddRecipients(u"a@b.sk"_s);
        QVERIFY(!mailer->AddAttachment(path));
        QVERIFY(!mailer->Send());
        QCOMPARE(messages_->texts(),
                 QStringList{StringTable::slovak().text(text::kSendMailFailed) + u"\n\n"_s + path});
        QCOMPARE(sink_.messages().size(), 0);
    }

    void answeringNoKeepsTheCopyAndSendsNothing() {
        open(groupThree("tajomnik@example.sk"));
        click(4);
        QCOMPARE(messages_->shown().size(), 1);
        QVERIFY(QFile::exists(updatedSheet()));
        QCOMPARE(sink_.messages().size(), 0);
    }

    void withoutAnAddressOnlyTheNotice() {
        open(groupThree("tajomnik.example.sk"));
        click(4);
        QCOMPARE(messages_->texts(),
                 QStringList{StringTable::slovak().text(1038, {updatedSheet()})});
        QVERIFY(!messages_->shown().first().question);
        QCOMPARE(sink_.messages().size(), 0);
    }

    void pressingTwiceOverwritesTheCopy() {
        open(groupThree("tajomnik.example.sk"));
        click(4);
        QFile::resize(updatedSheet(), 10);
        click(4);
        QCOMPARE(readAll(updatedSheet()), window_->sheet().Bytes());
    }

    void oneSheetPublisherIsRefusedBeforeAnyMail() {
        SheetBuilder sheet;
        sheet.setSecretaryEmail("tajomnik@example.sk");
        sheet.addPublisher("Peter", "Kubo", "peter@example.sk");
        open(sheet);
        SheetSender({window_->sheet(), window_->wording(), *messages_, StringTable::slovak(),
                     mail_->mailers,
                     [this](const SheetResult& result) {
                         return SheetMessages::show(result, *messages_, StringTable::slovak());
                     }})
            .SendUpdatedSheet();
        QCOMPARE(messages_->texts(), QStringList{StringTable::slovak().text(1232)});
        QVERIFY(!QFile::exists(updatedSheet()));
    }

    void unwritableCopyGivesNoMail() {
        open(groupThree("tajomnik@example.sk"));
        // A folder where the copy belongs cannot be replaced, even by root.
        QVERIFY(QDir().mkpath(updatedSheet()));
        click(4);
        const StringTable& slovak = StringTable::slovak();
        QCOMPARE(messages_->texts(),
                 QStringList{slovak.text(text::kCannotWriteSheet,
                                         {updatedSheet(), slovak.text(text::kIsAFolder)})});
        QCOMPARE(sink_.messages().size(), 0);
    }
    // A hundred reminded at once: one message each, to that address alone, while the window
    // keeps answering and counts them. The same day, after a restart, nobody is offered again.
    void everyoneMissingGetsOneReminderOnce() {
        open(everyoneToRemind(100));
        QElapsedTimer run;
        run.start();
        remindAll();
        // The figure in the README.
        qInfo("100 reminders through msmtp: %lld ms, longest wait of the event loop %lld ms",
              run.elapsed(), longestWaitMs_);
        const auto& strings = StringTable::slovak();
        QCOMPARE(messages_->texts(),
                 QStringList{strings.text(text::kRemindSent, {u"100"_s, u"100"_s})});
        for (const QJsonValue& mail : sink_.messages()) {
            QCOMPARE(mail[u"to"_s].toArray(), QJsonArray{mail[u"rcptTo"_s]});
            QCOMPARE(mail[u"subject"_s].toString(), u"Report"_s);
        }
        QCOMPARE(reached(), cleanAddresses(100));
        QVERIFY2(shownProgress_ >= 90 && longestWaitMs_ < 1000,
                 qPrintable(QString::number(longestWaitMs_)));

        const auto again = remindAll();
        auto* send = DialogBuilder::control<QPushButton>(*again, ReminderControl::Send);
        QVERIFY(!send->isEnabled());
        QTest::keyClick(again->findChild<QListWidget*>(), Qt::Key_Space); // sure, once more
        QVERIFY(send->isEnabled());
        QCOMPARE(sink_.messages().size(), 100);
        QCOMPARE(messages_->texts().size(), 1);
    }

    // One box names every failure with the command's complaint; failures are no reminders.
    void failedRemindersAreSummedUpAndStayTicked() {
        settings_->WriteSetting(u"Mail"_s, u"Command"_s,
                                u"sh -c \"echo '550 mailbox unavailable' >&2; exit 75\""_s);
        open(everyoneToRemind(5));
        const auto dialog = remindAll();
        const QString summary = messages_->texts().last();
        QVERIFY(
            summary.startsWith(StringTable::slovak().text(text::kRemindSent, {u"0"_s, u"5"_s})));
        QCOMPARE(summary.count(u"550 mailbox unavailable"_s), 5);
        QCOMPARE(dialog->reminders().tickedRows().size(), 5);
    }

    // A command killed at its time limit may have delivered: neither sent nor failed, said
    // so, and not offered again, after a restart either.
    void aCommandStoppedAtItsLimitMayHaveGone() {
        settings_->WriteSetting(u"Mail"_s, u"Command"_s, u"sh -c \"cat >/dev/null; sleep 5\""_s);
        mail_->mailers.setTimeouts(300, Mailer::kComposeTimeoutMs);
        open(everyoneToRemind(2));
        const auto dialog = remindAll();
        const auto& strings = StringTable::slovak();
        QCOMPARE(messages_->texts(),
                 QStringList{strings.text(text::kRemindSent, {u"0"_s, u"2"_s}) + u"\n\n"_s +
                             strings.text(text::kRemindUncertain) +
                             u"\na001, Jan <a001@example.sk>\na002, Jan <a002@example.sk>"_s});
        QCOMPARE(messages_->shown().last().icon, MessageBoxes::Icon::Warning);
        QVERIFY(dialog->reminders().tickedRows().isEmpty());
        const auto restarted = openReminders();
        QVERIFY(restarted->reminders().tickedRows().isEmpty());
        QVERIFY(
            restarted->reminders().RowText(0).contains(u"pripomienka mo\u017eno odi\u0161la"_s));
    }

    // A log that cannot be read is said in the dialog every time it opens; this run's
    // reminders are still known, so nobody is ticked twice.
    void anUnreadableLogIsToldEachTimeAndTheRunRemembers() {
        QVERIFY(QDir().mkpath(logPath())); // a folder where the file belongs
        open(everyoneToRemind(2));
        for (int opened = 0; opened < 2; ++opened) {
            auto dialog = openReminders(opened == 0);
            auto* problem = DialogBuilder::control<QLabel>(*dialog, ReminderControl::LogProblem);
            QVERIFY(problem->isVisible());
            QVERIFY2(problem->text().startsWith(u"Z\u00e1znam kontaktov "_s + logPath()),
                     qPrintable(problem->text()));
            QVERIFY(problem->geometry().bottom() <
                    dialog->findChild<QListWidget*>()->geometry().top());
            QCOMPARE(dialog->reminders().tickedRows().size(), opened == 0 ? 2 : 0);
            press(std::move(dialog));
        }
        QCOMPARE(sink_.messages().size(), 2);
        // The line is the word about the log; the summary the only box.
        QCOMPARE(messages_->shown().size(), 1);
    }

    // Another window of Fyn reminds someone while this one's list is open: Enter skips them.
    void reminderFromAnotherWindowIsSkipped() {
        open(everyoneToRemind(3));
        auto dialog = openReminders();
        QCOMPARE(dialog->reminders().tickedRows().size(), 3);
        ContactLog otherLog(logPath());
        MonthContacts otherWindow(otherLog, window_->sheet());
        QVERIFY(otherWindow
                    .Record(otherWindow.Describe(2, Contact::Channel::Email, u"a002@example.sk"_s,
                                                 clock_->now()))
                    .ok());
        press(std::move(dialog));
        QCOMPARE(reached(), (QStringList{u"a001@example.sk"_s, u"a003@example.sk"_s}));
    }

    // Through the real xdg-email: one compose window, every clean address a blind copy, To empty.
    void remindingThroughTheMailClient() {
        test::DesktopSandbox desktop;
        const QString problem = desktop.registerHandler(u"mailto"_s);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        settings_ = std::make_unique<Settings>(dir_->filePath(u"without-command.ini"_s));
        mail_ = std::make_unique<fyn::test::MailSeams>(*settings_, *messages_);
        open(everyoneToRemind(5));
        const auto dialog = remindAll();
        const QStringList arguments = desktop.recorded(u"mailto"_s);
        QCOMPARE(arguments.size(), 1);
        const QUrl uri(arguments.first());
        const QUrlQuery query(uri);
        QCOMPARE(uri.path(), QString());
        QVERIFY(!query.hasQueryItem(u"to"_s));
        QCOMPARE(query.allQueryItemValues(u"bcc"_s, QUrl::FullyDecoded), cleanAddresses(5));
        QCOMPARE(query.queryItemValue(u"subject"_s), u"Report"_s);
        QCOMPARE(messages_->texts(),
                 QStringList{StringTable::slovak().text(text::kRemindComposed, {u"5"_s})});
        QVERIFY(dialog->reminders().tickedRows().isEmpty()); // handed over is reminded
        QTRY_COMPARE_WITH_TIMEOUT(mail_->commands.handedOverCount(), 0, 15000);
    }
};

QTEST_MAIN(TestMailDelivery)
#include "TestMailDelivery.moc"
