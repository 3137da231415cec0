#include "ProcessCommandRunner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

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

} // namespace

ProcessCommandRunner::ProcessCommandRunner() = default;

ProcessCommandRunner::~ProcessCommandRunner() {
    for (auto& process : handedOver_) {
        if (process->state() != QProcess::NotRunning) {
            // Destroying a running QProcess kills it, and with it a mail the user may still be
            // writing. The program is ending; the system takes the memory back.
            process->disconnect();
            static_cast<void>(process.release());
        }
    }
}

CommandRunner::Result ProcessCommandRunner::run(const Request& request) {
    Result result;
    auto process = std::make_unique<QProcess>();
    process->setProgram(request.program);
    process->setArguments(request.arguments);
    QObject::connect(process.get(), &QProcess::readyReadStandardOutput, process.get(),
                     [&result, p = process.get()] {
                         keepHead(result.standardOutput, p->readAllStandardOutput());
                     });
    QObject::connect(process.get(), &QProcess::readyReadStandardError, process.get(),
                     [&result, p = process.get()] {
                         keepHead(result.standardError, p->readAllStandardError());
                     });
    process->start();
    if (!process->waitForStarted()) {
        result.outcome = Result::Outcome::NotStarted;
        result.errorText = process->errorString();
        return result;
    }
    process->write(request.input);
    process->closeWriteChannel();

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    deadline.start(request.timeoutMs);
    if (process->state() != QProcess::NotRunning) {
        loop.exec();
    }

    if (process->state() == QProcess::NotRunning) {
        keepHead(result.standardOutput, process->readAllStandardOutput());
        keepHead(result.standardError, process->readAllStandardError());
        if (process->exitStatus() == QProcess::CrashExit) {
            result.outcome = Result::Outcome::Crashed;
            result.errorText = process->errorString();
        } else {
            result.outcome = Result::Outcome::Exited;
            result.exitCode = process->exitCode();
        }
        return result;
    }
    if (request.leaveRunningAtTimeout) {
        result.outcome = Result::Outcome::LeftRunning;
        process->disconnect();
        // Nobody reads its output any more; drop it rather than let it pile up.
        process->setReadChannel(QProcess::StandardOutput);
        QObject::connect(process.get(), &QProcess::readyReadStandardOutput, process.get(),
                         [p = process.get()] { p->readAllStandardOutput(); });
        QObject::connect(process.get(), &QProcess::readyReadStandardError, process.get(),
                         [p = process.get()] { p->readAllStandardError(); });
        forgetEnded();
        handedOver_.push_back(std::move(process));
        return result;
    }
    process->kill();
    process->waitForFinished();
    result.outcome = Result::Outcome::TimedOut;
    // The text Qt itself gives a wait that ran out, in the interface language when loaded.
    result.errorText = QCoreApplication::translate("QProcess", "Process operation timed out");
    return result;
}

bool ProcessCommandRunner::startDetached(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
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
    std::erase_if(handedOver_, [](const std::unique_ptr<QProcess>& process) {
        return process->state() == QProcess::NotRunning;
    });
}

} // namespace fyn
