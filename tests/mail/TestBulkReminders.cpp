#include "ContactLog.h"
#include "ControlIds.h"
#include "DialogBuilder.h"
#include "FakeSeams.h"
#include "MailSeams.h"
#include "RealParts.h"
#include "RecordingMessageBoxes.h"
#include "ReminderDialog.h"
#include "Settings.h"
#include "SheetBuilder.h"
#include "TextIds.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrlQuery>

using namespace fyn;
using namespace Qt::StringLiterals;

namespace {

QStringList cleanAddresses(int count) {
    QStringList addresses;
    for (int i = 1; i <= count; ++i) {
        addresses << u"a%1@example.sk"_s.arg(i, 3, 10, QLatin1Char('0'));
    }
    return addresses;
}

} // namespace

// Everyone still missing reminded at once through the real mail command and the real
// xdg-email, and remembered across a restart through the real contact log.
class TestBulkReminders : public QObject {
    Q_OBJECT

    test::MailSink sink_;
    QString sinkProblem_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<test::RecordingMessageBoxes> messages_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<test::MailSeams> mail_;
    test::FixedClock clock_{QDate(2027, 2, 10)};
    GroupSheet sheet_;
    std::unique_ptr<Wording> wording_;
    const StringTable& strings_ = StringTable::slovak();
    std::unique_ptr<ContactLog> log_;
    qint64 longestWaitMs_ = 0; // of the event loop while sending
    int shownProgress_ = 0;

    // January: the clean ones missing, one whose address would add a recipient, one without an
    // address, and three who reported.
    void useSheet(int clean) {
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
        sheet_.SetMonthsFromDate(clock_.today());
        QVERIFY(sheet_.Read(sheet.build(), u"Skupina3.t09"_s));
    }
    // Opens the dialog on a log read afresh, as after a restart, and presses Enter.
    std::unique_ptr<ReminderDialog> remind() {
        log_ = std::make_unique<ContactLog>(dir_->filePath(u"contacts.sqlite"_s));
        auto dialog = std::make_unique<ReminderDialog>(ReminderDialog::Context{
            sheet_, *wording_, strings_, *messages_, mail_->mailers, clock_, log_.get()});
        dialog->show();
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
    // The addresses reached by a message addressed to them alone.
    QStringList delivered() const {
        QStringList reached;
        for (const QJsonValue& each : sink_.messages()) {
            const QJsonObject mail = each.toObject();
            const QString envelope = mail[u"rcptTo"_s].toString();
            if (mail[u"to"_s].toArray() == QJsonArray{envelope} &&
                mail[u"subject"_s].toString() == u"Report"_s) {
                reached << envelope;
            }
        }
        reached.sort();
        return reached;
    }

private Q_SLOTS:
    void initTestCase() { sinkProblem_ = sink_.start(); }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        messages_ = std::make_unique<test::RecordingMessageBoxes>();
        settings_ = std::make_unique<Settings>(dir_->filePath(u"fyn.ini"_s));
        mail_ = std::make_unique<test::MailSeams>(*settings_, *messages_);
        useSheet(5);
        wording_ = std::make_unique<Wording>(strings_, sheet_);
        wording_->setLanguageCode(strings_.text(text::kLanguageCode));
    }

    // A hundred through msmtp: one message each, while the window keeps answering and counts
    // them. The same day, after a restart, nobody is offered again and Enter sends nothing.
    void eachGetsOneMessageOnce() {
        FYN_REQUIRE_PART(sinkProblem_.isEmpty(), sinkProblem_);
        settings_->WriteSetting(u"Mail"_s, u"Command"_s, sink_.msmtpCommand(u"zber@example.sk"_s));
        useSheet(100);
        remind();
        QCOMPARE(messages_->texts(),
                 QStringList{strings_.text(text::kRemindSent, {u"100"_s, u"100"_s})});
        QCOMPARE(delivered(), cleanAddresses(100));
        QVERIFY2(shownProgress_ >= 90 && longestWaitMs_ < 1000,
                 qPrintable(QString::number(longestWaitMs_)));

        const auto again = remind();
        auto* send = DialogBuilder::control<QPushButton>(*again, ReminderControl::Send);
        QVERIFY(!send->isEnabled());
        QTest::keyClick(again->findChild<QListWidget*>(), Qt::Key_Space); // sure, once more
        QVERIFY(send->isEnabled());
        QCOMPARE(sink_.messages().size(), 100);
        QCOMPARE(messages_->texts().size(), 1);
    }

    // One box names every failure with the command's complaint; failures are no reminders.
    void failuresAreSummedUpAndNotTakenForReminders() {
        settings_->WriteSetting(u"Mail"_s, u"Command"_s,
                                u"sh -c \"echo '550 mailbox unavailable' >&2; exit 75\""_s);
        const auto dialog = remind();
        const QString summary = messages_->texts().last();
        QVERIFY(summary.startsWith(strings_.text(text::kRemindSent, {u"0"_s, u"5"_s})));
        QCOMPARE(summary.count(u"550 mailbox unavailable"_s), 5);
        QCOMPARE(dialog->reminders().tickedRows().size(), 5);
    }

    // One compose window with every clean address as a blind copy and nobody in To.
    void mailClientGetsOneWindowWithBlindCopies() {
        test::DesktopSandbox desktop;
        const QString problem = desktop.registerHandler(u"mailto"_s);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        const auto dialog = remind();
        const QStringList arguments = desktop.recorded(u"mailto"_s);
        QCOMPARE(arguments.size(), 1);
        const QUrl uri(arguments.first());
        const QUrlQuery query(uri);
        QCOMPARE(uri.path(), QString());
        QVERIFY(!query.hasQueryItem(u"to"_s));
        QCOMPARE(query.allQueryItemValues(u"bcc"_s, QUrl::FullyDecoded), cleanAddresses(5));
        QCOMPARE(query.queryItemValue(u"subject"_s), u"Report"_s);
        QCOMPARE(messages_->texts(), QStringList{strings_.text(text::kRemindComposed, {u"5"_s})});
        QVERIFY(dialog->reminders().tickedRows().isEmpty()); // handed over is reminded
        QTRY_COMPARE_WITH_TIMEOUT(mail_->commands.handedOverCount(), 0, 15000);
    }
};

QTEST_MAIN(TestBulkReminders)
#include "TestBulkReminders.moc"
