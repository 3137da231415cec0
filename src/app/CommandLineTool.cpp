#include "CommandLineTool.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace fyn {

namespace {

// Qt reports what it thinks of its surroundings (a missing XDG_RUNTIME_DIR, fonts, plugins)
// on stderr; a script would take any of it for a failure. A fatal message still reaches the
// default handler, which ends the program with it.
QtMessageHandler defaultHandler = nullptr;

void keepQtQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && defaultHandler != nullptr) {
        defaultHandler(type, context, message);
    }
}

} // namespace

bool CommandLineTool::debugRequested() {
    const QByteArray value = qgetenv("FYN_DEBUG");
    return !value.isEmpty() && value != "0";
}

void CommandLineTool::printFailure(const QString& line) {
    QString oneLine = line.trimmed();
    for (QChar& character : oneLine) {
        if (character == QLatin1Char('\n') || character == QLatin1Char('\r')) {
            character = QLatin1Char(' ');
        }
    }
    std::fprintf(stderr, "fyn: %s\n", oneLine.toLocal8Bit().constData());
}

int CommandLineTool::run(int argc, char** argv, Needs needs, const Work& work) {
    if (!debugRequested()) {
        defaultHandler = qInstallMessageHandler(keepQtQuiet);
    }
    // No window is drawn, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application;
    if (needs == Needs::Fonts) {
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QString failure = work();
    if (!failure.isEmpty()) {
        printFailure(failure);
        return 1;
    }
    return 0;
}

} // namespace fyn
