#include "ProcessCommandRunner.h"

#include <QElapsedTimer>
#include <QTest>

using namespace fyn;
using namespace Qt::StringLiterals;
using Outcome = CommandRunner::Result::Outcome;

Q_DECLARE_METATYPE(Outcome)

// How a command ends, as the mailer sees it.
class TestCommandRunner : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void outcomes_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<bool>("handOver");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("errorStart");
        QTest::addColumn<bool>("hasErrorText");

        const QString sh = u"/bin/sh"_s;
        QTest::newRow("reads all its input")
            << sh << u"test \"$(cat)\" = message"_s << 5000 << false << Outcome::Exited << 0
            << QByteArray() << false;
        QTest::newRow("exit 1 with its complaint")
            << sh << u"echo 'msmtp: cannot connect' >&2; exit 1"_s << 5000 << false
            << Outcome::Exited << 1 << "msmtp: cannot connect\n"_ba << false;
        QTest::newRow("killed by a signal") << sh << u"kill -TERM $$"_s << 5000 << false
                                            << Outcome::Crashed << -1 << QByteArray() << true;
        QTest::newRow("not found") << u"/nonexistent/fyn-mailer"_s << QString() << 5000 << false
                                   << Outcome::NotStarted << -1 << QByteArray() << true;
        QTest::newRow("runs too long: killed and reaped")
            << sh << u"exec sleep 30"_s << 300 << false << Outcome::TimedOut << -1 << QByteArray()
            << true;
        QTest::newRow("runs too long while handing over: left running")
            << sh << u"exec sleep 2"_s << 300 << true << Outcome::LeftRunning << -1 << QByteArray()
            << false;
        QTest::newRow("handed over: its complaint read from the file")
            << sh << u"echo 'no compose window' >&2; exit 4"_s << 5000 << true << Outcome::Exited
            << 4 << "no compose window\n"_ba << false;
        QTest::newRow("a flood on stderr neither stalls nor fills the memory")
            << sh << u"head -c 5000000 /dev/zero | tr '\\0' x >&2; exit 3"_s << 20000 << false
            << Outcome::Exited << 3 << "xxxxxxxx"_ba << false;
    }

    void outcomes() {
        QFETCH(QString, program);
        QFETCH(QString, script);
        QFETCH(int, timeoutMs);
        QFETCH(bool, handOver);
        QFETCH(Outcome, outcome);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, errorStart);
        QFETCH(bool, hasErrorText);

        ProcessCommandRunner runner;
        CommandRunner::Request request;
        request.program = program;
        request.arguments = script.isNull() ? QStringList() : QStringList{u"-c"_s, script};
        request.input = "message"_ba;
        request.timeoutMs = timeoutMs;
        request.handOver = handOver;
        QElapsedTimer clock;
        clock.start();
        const CommandRunner::Result result = runner.run(request);

        QCOMPARE(result.outcome, outcome);
        if (outcome == Outcome::Exited) {
            QCOMPARE(result.exitCode, exitCode);
        }
        QVERIFY(result.standardError.startsWith(errorStart));
        QVERIFY(result.standardError.size() <= CommandRunner::kOutputLimit);
        QCOMPARE(!result.errorText.isEmpty(), hasErrorText);
        QVERIFY2(clock.elapsed() < timeoutMs + 5000, "the wait is bounded");
        if (outcome == Outcome::LeftRunning) {
            QCOMPARE(runner.handedOverCount(), 1);
            // Never killed: it ends by itself.
            QTRY_COMPARE_WITH_TIMEOUT(runner.handedOverCount(), 0, 10000);
        }
    }

    void findsProgramsOnThePathOrByPath() {
        ProcessCommandRunner runner;
        QCOMPARE(runner.findProgram(u"sh"_s).isEmpty(), false);
        QCOMPARE(runner.findProgram(u"/bin/sh"_s), u"/bin/sh"_s);
        QCOMPARE(runner.findProgram(u"fyn-no-such-program"_s), QString());
        QCOMPARE(runner.findProgram(u"/etc/passwd"_s), QString());
        QCOMPARE(runner.findProgram(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "TestCommandRunner.moc"
