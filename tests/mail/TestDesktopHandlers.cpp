#include "ChildProcess.h"
#include "ContactLog.h"
#include "DialogBuilder.h"
#include "MainDialog.h"
#include "RealParts.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "WindowSeams.h"

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <memory>
#include <unistd.h>

using namespace fyn;
using namespace Qt::StringLiterals;
using fyn::test::DesktopSandbox;

namespace {

SheetBuilder groupThree(const QByteArray& number) {
    SheetBuilder sheet;
    sheet.setGroupNumber(3);
    sheet.setReportMonth(0);
    sheet.setSecretaryEmail("tajomnik@example.sk");
    sheet.addPublisher(*TextCodec::fromUnicode(u"J\u00e1n"_s), "Kubo", "jan@example.sk", number);
    sheet.addPublisher("Eva", "Kubova", "eva@example.sk");
    return sheet;
}

} // namespace

// The desktop's own mail client and telephone handler, reached through xdg-utils with handlers
// registered in a desktop of the test's own.
class TestDesktopHandlers : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DesktopSandbox> desktop_;
    std::unique_ptr<test::WindowSeams> seams_;
    std::unique_ptr<MainDialog> window_;
    std::unique_ptr<ContactLog> log_;

    // January's contacts as the log holds them: channel, address or number, result.
    QStringList recordedContacts() const {
        QList<Contact> contacts;
        ContactLog(log_->path()).ContactsOfMonth(3, 2027, 1, contacts);
        QStringList described;
        for (const Contact& each : contacts) {
            described
                << u"%1 %2 %3"_s.arg(int(each.channel)).arg(each.address).arg(int(each.result));
        }
        return described;
    }

    QString sheetPath() const { return seams_->path(u"Skupina3.t09"_s); }

    void open(const QByteArray& number = "0905 123/456") {
        if (!groupThree(number).writeTo(sheetPath())) {
            qFatal("cannot write the test sheet");
        }
        window_ = seams_->open(sheetPath());
        DialogBuilder::control<QListWidget>(*window_, 138)->setCurrentRow(0);
    }
    QPushButton* button(int id) const { return DialogBuilder::control<QPushButton>(*window_, id); }

    // The one mailto: URI xdg-email handed to the mail client.
    QUrl composed() const {
        const QStringList arguments = desktop_->recorded(u"mailto"_s);
        return arguments.size() == 1 ? QUrl(arguments.first()) : QUrl();
    }

private Q_SLOTS:
    void init() {
        desktop_ = std::make_unique<DesktopSandbox>();
        seams_ = std::make_unique<test::WindowSeams>(QDate(2027, 2, 10));
        log_ = std::make_unique<ContactLog>(seams_->path(u"contacts.sqlite"_s));
        seams_->mail.contactLog = log_.get();
    }

    void cleanup() {
        window_.reset();
        // Handlers still running end by themselves; nothing here kills them.
        QTRY_COMPARE_WITH_TIMEOUT(seams_->mail.commands.handedOverCount(), 0, 15000);
        desktop_.reset();
    }

    void sheetGoesToTheMailClientWhichTheUserChecks() {
        const QString problem = desktop_->registerHandler(u"mailto"_s);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        open();
        seams_->messages.queueAnswer(true);
        button(4)->click();

        const QUrl uri = composed();
        QCOMPARE(uri.scheme(), u"mailto"_s);
        QCOMPARE(uri.path(), u"tajomnik@example.sk"_s);
        const QUrlQuery query(uri);
        QCOMPARE(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded),
                 u"Zostaven\u00e9 s\u00fabory - Janu\u00e1r - Skupina 3"_s);
        QCOMPARE(query.queryItemValue(u"body"_s, QUrl::FullyDecoded),
                 u"Janu\u00e1r .t19 s\u00fabor pre Skupina 3"_s);
        const QString updated = seams_->path(u"Skupina3.t19"_s);
        QVERIFY2(query.queryItemValue(u"attach"_s, QUrl::FullyDecoded).endsWith(updated),
                 qPrintable(uri.toString()));
        QCOMPARE(seams_->messages.texts().last(), StringTable::slovak().text(2040, {updated}));
    }

    void reminderGoesToTheMailClient() {
        const QString problem = desktop_->registerHandler(u"mailto"_s);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        open();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        button(1006)->setFocus();
        button(1006)->click();
        // Shutting the window while Fyn waited took the keyboard focus; it is back.
        QCOMPARE(window_->focusWidget(), button(1006));
        const QUrl uri = composed();
        QCOMPARE(uri.path(), u"jan@example.sk"_s);
        QCOMPARE(QUrlQuery(uri).queryItemValue(u"subject"_s), u"Report"_s);
        QCOMPARE(seams_->messages.texts(),
                 (QStringList{u"jan@example.sk"_s, StringTable::slovak().text(2003)}));
        QCOMPARE(recordedContacts(), QStringList{u"1 jan@example.sk 0"_s});
    }

    void aMailClientThatStaysIsWatchedAndFynGoesOn_data() {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("logged");
        QTest::newRow("opens its window")
            << 0 << StringTable::slovak().text(2003) << u"1 jan@example.sk 0"_s;
        QTest::newRow("fails after the wait")
            << 3 << StringTable::slovak().text(61842) << u"0 jan@example.sk 1"_s;
    }

    // Under load xdg-email can take longer than the wait: until it ends, nothing is said or
    // logged, the window is free, and the publisher is not offered again; its exit decides.
    void aMailClientThatStaysIsWatchedAndFynGoesOn() {
        QFETCH(int, exitCode);
        QFETCH(QString, told);
        QFETCH(QString, logged);
        const QString problem = desktop_->registerHandler(u"mailto"_s, 4, exitCode);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        seams_->mail.mailers.setTimeouts(Mailer::kCommandTimeoutMs, 500);
        open();
        QElapsedTimer clock;
        clock.start();
        button(1006)->click();
        QVERIFY2(clock.elapsed() < 3000, "the wait for the mail client is bounded");
        QCOMPARE(seams_->messages.texts(), QStringList{u"jan@example.sk"_s});
        QCOMPARE(recordedContacts(), QStringList());
        QCOMPARE(seams_->mail.commands.handedOverCount(), 1);
        QVERIFY(button(1006)->isEnabled() && window_->isEnabled());
        // Pressed again meanwhile: asked first, and No sends nothing.
        button(1006)->click();
        QCOMPARE(seams_->messages.shown().size(), 2);
        QVERIFY(seams_->messages.shown().last().question);
        QCOMPARE(seams_->messages.shown().last().preferred, MessageBoxes::Preferred::No);

        QTRY_COMPARE_WITH_TIMEOUT(seams_->messages.shown().size(), 3, 10000);
        QVERIFY2(seams_->messages.texts().last().startsWith(told),
                 qPrintable(seams_->messages.texts().last()));
        QCOMPARE(seams_->messages.shown().last().icon,
                 exitCode == 0 ? MessageBoxes::Icon::None : MessageBoxes::Icon::Warning);
        QCOMPARE(recordedContacts(), QStringList{logged});
        QCOMPARE(desktop_->recorded(u"mailto"_s).size(), 1);
    }

    void aFailingMailClientIsReported() {
        const QString problem = desktop_->registerHandler(u"mailto"_s, 0, 1);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        open();
        button(1006)->click();
        QVERIFY2(seams_->messages.texts().last().startsWith(StringTable::slovak().text(61842)),
                 qPrintable(seams_->messages.texts().join(u" | "_s)));
    }

    void aHandedOverMailClientOutlivesFyn_data() {
        QTest::addColumn<bool>("forks");
        QTest::newRow("forks its window and returns") << true;
        QTest::newRow("stays past the wait") << false;
    }

    // A client notes where its input, output and error output lead, the mode of the last and its
    // session; once Fyn has gone (10 s at most) it writes to both streams, as clients do all the
    // time, and only if it survived that does it leave "alive".
    void aHandedOverMailClientOutlivesFyn() {
        QFETCH(bool, forks);
        const QString problem = desktop_->registerScript(
            u"mailto"_s,
            u"cd '%1'\nnoted=$(readlink /proc/$$/fd/0 /proc/$$/fd/1\n"
            "[ -f /proc/$$/fd/2 ] && stat -L -c %a /proc/$$/fd/2\ncut -d' ' -f6 /proc/$$/stat)\n"
            "echo \"$noted\" > streams.part && mv streams.part streams\n%2\n"
            "i=0; while [ ! -e fyn-gone ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done\n"
            "echo out; echo err >&2; touch alive\n%3\n"_s.arg(
                desktop_->filePath({}), forks ? u"("_s : QString(), forks ? u") &"_s : QString()));
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        // A child plays Fyn: it hands a message over and ends, as Fyn does when closed.
        const std::optional<QByteArray> composed = test::ChildProcess::run({}, [this] {
            seams_->mail.mailers.setTimeouts(Mailer::kCommandTimeoutMs, 500);
            const std::unique_ptr<Mailer> mailer = seams_->mail.mailers.create();
            mailer->AddRecipients(u"tajomnik@example.sk"_s);
            mailer->SetSubject(u"Report"_s);
            mailer->SetBody(u"Report"_s);
            return mailer->Send() && (mailer->composedOnly() || mailer->stillHandingOver())
                       ? "composed"_ba
                       : seams_->messages.texts().join(u' ').toUtf8();
        });
        QCOMPARE(composed.value_or("child failed"), "composed"_ba);
        QVERIFY(QFile(desktop_->filePath(u"fyn-gone"_s)).open(QIODevice::WriteOnly));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(desktop_->filePath(u"alive"_s)), 8000);
        QFile record(desktop_->filePath(u"streams"_s));
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QStringList noted = QString::fromUtf8(record.readAll()).split(u'\n');
        QCOMPARE(noted.mid(0, 3), (QStringList{u"/dev/null"_s, u"/dev/null"_s, u"600"_s}));
        QVERIFY(noted.value(3) != QString::number(::getsid(0)));
    }

    // The look-up of the mail client is part of the send: the window is shut meanwhile.
    void aSecondClickWhileFynWaitsStartsNoSecondSend() {
        QString problem = desktop_->registerHandler(u"mailto"_s);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        open();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        problem = desktop_->slowDown(u"xdg-mime"_s, 1);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        seams_->messages.queueAnswer(true);
        QTimer::singleShot(300, button(4),
                           [this] { QTest::mouseClick(button(4), Qt::LeftButton); });
        QTest::mouseClick(button(4), Qt::LeftButton);
        QCOMPARE(seams_->messages.shown().size(), 2);
        QVERIFY(seams_->messages.shown().first().question);
        QCOMPARE(seams_->messages.texts().last(),
                 StringTable::slovak().text(2040, {seams_->path(u"Skupina3.t19"_s)}));
    }

    void withoutMailClientNoMailSystem() {
        const QString problem = desktop_->registerHandler(u"tel"_s);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        open();
        button(1006)->click();
        QCOMPARE(seams_->messages.texts(),
                 (QStringList{u"jan@example.sk"_s, StringTable::slovak().text(61840)}));
    }

    void dialling_data() {
        QTest::addColumn<bool>("handler");
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("uri");
        QTest::newRow("number and handler")
            << true << "+421 905/123#4"_ba << true << u"tel:+421-905-123%234"_s;
        QTest::newRow("no digit") << true << "------"_ba << false << QString();
        QTest::newRow("no handler") << false << "0905123456"_ba << false << QString();
    }

    void dialling() {
        QFETCH(bool, handler);
        QFETCH(QByteArray, number);
        QFETCH(bool, shown);
        QFETCH(QString, uri);
        const QString problem = desktop_->registerHandler(handler ? u"tel"_s : u"mailto"_s);
        FYN_REQUIRE_PART(problem.isEmpty(), problem);
        open(number);
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        if (shown) {
            QTRY_VERIFY_WITH_TIMEOUT(button(1003)->isVisible(), 5000);
            button(1003)->click();
            QCOMPARE(desktop_->recorded(u"tel"_s), QStringList{uri});
            QCOMPARE(seams_->messages.texts(), QStringList());
            QCOMPARE(recordedContacts(),
                     QStringList{u"2 "_s + QString::fromLatin1(number) + u" 0"_s});
        } else {
            QTest::qWait(200);
            QVERIFY(!button(1003)->isVisible());
            window_->DialPhoneNumber();
            const QStringList expected =
                handler ? QStringList()
                        : QStringList{StringTable::slovak().text(text::kNoTelephone)};
            QCOMPARE(seams_->messages.texts(), expected);
            QCOMPARE(recordedContacts(), QStringList());
        }
    }
};

QTEST_MAIN(TestDesktopHandlers)
#include "TestDesktopHandlers.moc"
