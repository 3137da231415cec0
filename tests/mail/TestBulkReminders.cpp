#include "ContactLog.h"
#include "ControlIds.h"
#include "DialogBuilder.h"
#include "FakeSeams.h"
#include "GroupSheet.h"
#include "MailSeams.h"
#include "RealParts.h"
#include "RecordingMessageBoxes.h"
#include "ReminderDialog.h"
#include "Settings.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QJsonObject>
#include <QListWidget>
#include <QPushButton>
#include <QUrlQuery>
#include <memory>

using namespace fyn;
using namespace Qt::StringLiterals;
using fyn::test::DesktopSandbox;
using fyn::test::MailSink;

namespace {

const QStringList kClean{u"a1@example.sk"_s, u"a2@example.sk"_s, u"a3@example.sk"_s,
                         u"a4@example.sk"_s, u"a5@example.sk"_s};

// January of the odd year slot: five missing with clean addresses, one whose address would
// add a recipient, one without an address, and three who reported.
QByteArray closingMonth() {
    SheetBuilder sheet;
    sheet.setGroupNumber(3);
    sheet.setReportMonth(0);
    for (const QString& address : kClean) {
        sheet.addPublisher("Jan", address.left(2).toLatin1(), address.toLatin1());
    }
    sheet.addPublisher("Zly", "Zly", "zly@example.sk\r\nBcc: all@example.sk");
    sheet.addPublisher("Bez", "Adresy", "", "0905 111 222");
    for (const char* surname : {"R1", "R2", "R3"}) {
        sheet.setReport(sheet.addPublisher("Jan", surname, "r@example.sk"), 0, 1, MonthReport{});
    }
    return sheet.build();
}

} // namespace

// Everyone still missing reminded at once through the real mail command and the real
// xdg-email, and remembered across a restart through the real contact log.
class TestBulkReminders : public QObject {
    Q_OBJECT

private:
    MailSink sink_;
    QString sinkProblem_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<test::RecordingMessageBoxes> messages_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<test::MailSeams> mail_;
    test::FixedClock clock_{QDate(2027, 2, 10)};
    GroupSheet sheet_;
    std::unique_ptr<Wording> wording_;

    QString logPath() const { return dir_->filePath(u"fyn/contacts.sqlite"_s); }

    // Opens the dialog on a log read afresh, as after a restart, and presses Enter.
    std::unique_ptr<ReminderDialog> remind(ContactLog& log) {
        auto dialog = std::make_unique<ReminderDialog>(ReminderDialog::Context{
            sheet_, *wording_, StringTable::slovak(), *messages_, mail_->mailers, clock_, &log});
        dialog->show();
        QTest::keyClick(DialogBuilder::control<QListWidget>(*dialog, ReminderControl::List),
                        Qt::Key_Return);
        return dialog;
    }

private Q_SLOTS:
    void initTestCase() { sinkProblem_ = sink_.start(); }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        messages_ = std::make_unique<test::RecordingMessageBoxes>();
        settings_ = std::make_unique<Settings>(dir_->filePath(u"fyn.ini"_s));
        mail_ = std::make_unique<test::MailSeams>(*settings_, *messages_);
        sheet_.SetMonthsFromDate(clock_.today());
        QVERIFY(sheet_.Read(closingMonth(), u"Skupina3.t09"_s));
        wording_ = std::make_unique<Wording>(StringTable::slovak(), sheet_);
        wording_->setLanguageCode(StringTable::slovak().text(text::kLanguageCode));
    }

    void cleanup() { QTRY_COMPARE_WITH_TIMEOUT(mail_->commands.handedOverCount(), 0, 15000); }

    // Exactly one message per clean address, each to that address alone; the same day, after
    // a restart, nobody is offered again and Enter sends nothing.
    void eachGetsOneMessageOnce() {
        FYN_REQUIRE_PART(sinkProblem_.isEmpty(), sinkProblem_);
        sink_.clear();
        settings_->WriteSetting(u"Mail"_s, u"Command"_s, sink_.msmtpCommand(u"zber@example.sk"_s));
        {
            ContactLog log(logPath());
            const auto dialog = remind(log);
            QCOMPARE(messages_->texts().last(),
                     StringTable::slovak().text(text::kRemindSent, {u"5"_s, u"5"_s}));
        }
        QStringList reached;
        for (const QJsonValue& each : sink_.messages()) {
            const QJsonObject mail = each.toObject();
            const QString envelope = mail[u"rcptTo"_s].toString();
            QCOMPARE(mail[u"to"_s].toArray(), QJsonArray{envelope});
            QCOMPARE(mail[u"subject"_s].toString(), u"Report"_s);
            reached << envelope;
        }
        reached.sort();
        QCOMPARE(reached, kClean);

        messages_->clear();
        ContactLog restarted(logPath());
        const auto again = remind(restarted);
        QVERIFY(!DialogBuilder::control<QPushButton>(*again, ReminderControl::Send)->isEnabled());
        QVERIFY(again->reminders().rows()[0].lastContact.startsWith(
            StringTable::slovak().text(text::kRemindLastEmail, {QString()})));
        QCOMPARE(sink_.messages().size(), 5);
        QCOMPARE(messages_->texts(), QStringList());
    }

    // A command that refuses: one box names every failure with the command's complaint, and
    // the failures do not count as reminders.
    void failuresAreSummedUpAndNotTakenForReminders() {
        settings_->WriteSetting(u"Mail"_s, u"Command"_s,
                                u"sh -c \"echo '550 mailbox unavailable' >&2; exit 75\""_s);
        ContactLog log(logPath());
        const auto dialog = remind(log);
        const QString summary = messages_->texts().last();
        QVERIFY2(
            summary.startsWith(StringTable::slovak().text(text::kRemindSent, {u"0"_s, u"5"_s})),
            qPrintable(summary));
        QCOMPARE(summary.count(u"550 mailbox unavailable"_s), 5);
        QCOMPARE(dialog->reminders().tickedRows().size(), 5);
    }

    // One compose window with every clean address as a blind copy and nobody in To.
    void mailClientGetsOneWindowWithBlindCopies() {
        DesktopSandbox desktop;
        const QString problem = desktop.registerHandler(u"mailto"_s);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        ContactLog log(logPath());
        const auto dialog = remind(log);
        const QStringList arguments = desktop.recorded(u"mailto"_s);
        QCOMPARE(arguments.size(), 1);
        const QUrl uri(arguments.first());
        const QUrlQuery query(uri);
        QCOMPARE(uri.path(), QString());
        QVERIFY(!query.hasQueryItem(u"to"_s));
        QCOMPARE(query.allQueryItemValues(u"bcc"_s, QUrl::FullyDecoded), kClean);
        QCOMPARE(query.queryItemValue(u"subject"_s), u"Report"_s);
        QCOMPARE(messages_->texts().last(),
                 StringTable::slovak().text(text::kRemindComposed, {u"5"_s}));
        QVERIFY(dialog->reminders().tickedRows().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(mail_->commands.handedOverCount(), 0, 15000);
    }
};

QTEST_MAIN(TestBulkReminders)
#include "TestBulkReminders.moc"
