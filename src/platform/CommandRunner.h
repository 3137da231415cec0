#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QObject;

namespace fyn {

// Runs another program with an argument list, never through a shell, so that nothing taken
// from a sheet can turn into a command. Tests run it with short timeouts or stand in for it.
class CommandRunner {
public:
    struct Result;

    struct Request {
        QString program;
        QStringList arguments;
        // Written to the command's standard input, which is closed afterwards.
        QByteArray input;
        int timeoutMs = 60000;
        // A command that hands over to a program the user keeps working in (a mail client's
        // compose window) must outlive Fyn: it holds no pipe to Fyn, whose end would kill it
        // at its next write, and runs in a session of its own. Its input is empty, its output
        // dropped, and its error output goes to a private temporary file, read for the
        // result. It is left running at the timeout; any other command is killed and reaped.
        bool handOver = false;
        // The caller has made its windows busy, so that they drop what the user does during
        // the wait; a window kept enabled (a progress window's Cancel) gets it at once.
        // Otherwise the user's input is held back until the wait is over.
        bool windowsBusy = false;
        // A handed-over command may still fail after it was left running: called once it
        // ends, with how it ended, as long as receiver still exists. The window stays usable
        // meanwhile.
        const QObject* lateReceiver = nullptr;
        std::function<void(const Result&)> whenLeftRunningEnds;
    };

    struct Result {
        enum class Outcome { Exited, Crashed, NotStarted, TimedOut, LeftRunning };
        Outcome outcome = Outcome::NotStarted;
        int exitCode = -1;
        // The first kOutputLimit bytes of each; the rest is read and dropped.
        QByteArray standardOutput;
        QByteArray standardError;
        // Qt's own text for a command that could not start, crashed or ran too long.
        QString errorText;

        bool succeeded() const { return outcome == Outcome::Exited && exitCode == 0; }
    };

    static constexpr qsizetype kOutputLimit = 64 * 1024;

    virtual ~CommandRunner() = default;

    // Waits for the command while the event loop runs, so the windows stay painted; the user's
    // input waits until it is over, so that no click can start a second command inside it.
    virtual Result run(const Request& request) = 0;
    // Starts the command and forgets it, handed over as above but not waited for; false only
    // when it could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
    // The executable a name stands for (looked up in PATH unless it holds a "/"); empty when
    // there is none.
    virtual QString findProgram(const QString& program) const = 0;
};

} // namespace fyn
