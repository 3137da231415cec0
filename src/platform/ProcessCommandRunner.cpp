#include "ProcessCommandRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <unistd.h>

namespace fyn {

namespace {

// Keeps the head of a stream and drains the rest, so a chatty command can neither fill its
// pipe and stall nor fill the memory.
void keepHead(QByteArray& kept, const QByteArray& more) {
    const qsizetype room = CommandRunner::kOutputLimit - kept.size();
    if (room > 0) {
        kept.append(more.left(room));
    }
}

// A pipe to Fyn kills a mail client with SIGPIPE at its first write once Fyn has gone, and a
// hang-up of Fyn's terminal would reach it through the session; it gets neither.
void detachStreams(QProcess& process, const QString& errorFile) {
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(errorFile);
    process.setChildProcessModifier([] { ::setsid(); });
}

void collectPipes(QProcess& process, CommandRunner::Result& result) {
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process, [&result, &process] {
        keepHead(result.standardOutput, process.readAllStandardOutput());
    });
    QObject::connect(&process, &QProcess::readyReadStandardError, &process, [&result, &process] {
        keepHead(result.standardError, process.readAllStandardError());
    });
}

} // namespace

ProcessCommandRunner::ProcessCommandRunner() = default;

ProcessCommandRunner::~ProcessCommandRunner() {
    for (HandedOver& handedOver : handedOver_) {
        if (handedOver.process->state() != QProcess::NotRunning) {
            // Destroying a running QProcess kills it, and with it a mail the user may still be
            // writing. The program is ending; the system takes the memory back.
            handedOver.process->disconnect();
            static_cast<void>(handedOver.process.release());
        }
    }
}

CommandRunner::Result ProcessCommandRunner::run(const Request& request) {
    Result result;
    auto process = std::make_unique<QProcess>();
    process->setProgram(request.program);
    process->setArguments(request.arguments);
    // Created 0600; removed once the command has ended, as one left running may still write
    // into it.
    auto errors =
        std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/fyn-errors-XXXXXX"));
    if (request.handOver) {
        if (!errors->open()) {
            result.errorText = errors->errorString();
            return result;
        }
        detachStreams(*process, errors->fileName());
    } else {
        collectPipes(*process, result);
    }
    process->start();
    if (!process->waitForStarted()) {
        result.outcome = Result::Outcome::NotStarted;
        result.errorText = process->errorString();
        return result;
    }
    if (!request.handOver) {
        process->write(request.input);
        process->closeWriteChannel();
    }

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    deadline.start(request.timeoutMs);
    if (process->state() != QProcess::NotRunning) {
        // A click or key meanwhile would run inside the wait, a second send inside the first;
        // it is held back until the wait is over, when a busy window drops it.
        loop.exec(request.windowsBusy ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    }

    if (process->state() == QProcess::NotRunning) {
        if (request.handOver) {
            return ended(*process, errors.get());
        }
        keepHead(result.standardOutput, process->readAllStandardOutput());
        keepHead(result.standardError, process->readAllStandardError());
        const Result exited = ended(*process, nullptr);
        result.outcome = exited.outcome;
        result.exitCode = exited.exitCode;
        result.errorText = exited.errorText;
        return result;
    }
    if (request.handOver) {
        result.outcome = Result::Outcome::LeftRunning;
        process->disconnect();
        forgetEnded();
        watch({std::move(process), std::move(errors)}, request);
        return result;
    }
    process->kill();
    process->waitForFinished();
    result.outcome = Result::Outcome::TimedOut;
    // The text Qt itself gives a wait that ran out, in the interface language when loaded.
    result.errorText = QCoreApplication::translate("QProcess", "Process operation timed out");
    return result;
}

CommandRunner::Result ProcessCommandRunner::ended(QProcess& process, QTemporaryFile* errors) {
    Result result;
    if (errors != nullptr) {
        errors->seek(0);
        result.standardError = errors->read(kOutputLimit);
    }
    if (process.exitStatus() == QProcess::CrashExit) {
        result.outcome = Result::Outcome::Crashed;
        result.errorText = process.errorString();
    } else {
        result.outcome = Result::Outcome::Exited;
        result.exitCode = process.exitCode();
    }
    return result;
}

void ProcessCommandRunner::watch(HandedOver handedOver, const Request& request) {
    QProcess* process = handedOver.process.get();
    QTemporaryFile* errors = handedOver.errors.get();
    if (request.whenLeftRunningEnds && request.lateReceiver != nullptr) {
        QObject::connect(process, &QProcess::finished, request.lateReceiver,
                         [process, errors, report = request.whenLeftRunningEnds] {
                             report(ended(*process, errors));
                         });
    }
    handedOver_.push_back(std::move(handedOver));
}

bool ProcessCommandRunner::startDetached(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    // Qt starts a detached process in a session of its own; nobody reads its error output.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

QString ProcessCommandRunner::findProgram(const QString& program) const {
    if (program.isEmpty()) {
        return {};
    }
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo file(program);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

int ProcessCommandRunner::handedOverCount() {
    forgetEnded();
    return static_cast<int>(handedOver_.size());
}

void ProcessCommandRunner::forgetEnded() {
    std::erase_if(handedOver_, [](const HandedOver& handedOver) {
        return handedOver.process->state() == QProcess::NotRunning;
    });
}

} // namespace fyn
