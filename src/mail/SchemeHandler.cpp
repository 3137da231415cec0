#include "SchemeHandler.h"

#include "CommandRunner.h"

namespace fyn {

namespace {
// xdg-mime is a shell script of some 50 ms; a hung one must not hold the program.
constexpr int kQueryTimeoutMs = 5000;
} // namespace

QString SchemeHandler::DefaultHandler(CommandRunner& commands, const QString& scheme) {
    const QString program = commands.findProgram(QStringLiteral("xdg-mime"));
    if (program.isEmpty()) {
        return {};
    }
    CommandRunner::Request request;
    request.program = program;
    request.arguments = {QStringLiteral("query"), QStringLiteral("default"),
                         QStringLiteral("x-scheme-handler/") + scheme};
    request.timeoutMs = kQueryTimeoutMs;
    const CommandRunner::Result result = commands.run(request);
    return result.succeeded() ? QString::fromLocal8Bit(result.standardOutput).trimmed() : QString();
}

} // namespace fyn
