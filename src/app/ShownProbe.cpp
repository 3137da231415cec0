#include "ShownProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace fyn {

void ShownProbe::installWhenRequested() {
    if (qEnvironmentVariableIsSet("FYN_EXIT_WHEN_SHOWN")) {
        QCoreApplication::instance()->installEventFilter(
            new ShownProbe(QCoreApplication::instance()));
    }
}

bool ShownProbe::eventFilter(QObject* watched, QEvent* event) {
    auto* window = event->type() == QEvent::Expose ? qobject_cast<QWindow*>(watched) : nullptr;
    if (!fired_ && window != nullptr && window->isExposed()) {
        fired_ = true;
        // The expose event is where the window paints; the report waits until that is done.
        const QString title = window->title();
        QTimer::singleShot(0, this, [title] { reportAndExit(title); });
    }
    return false;
}

void ShownProbe::reportAndExit(const QString& title) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto microseconds = [](const timeval& t) { return t.tv_sec * 1000000LL + t.tv_usec; };
    const long long since = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    const long long cpu = microseconds(usage.ru_utime) + microseconds(usage.ru_stime);
    std::printf("shown %lld %ld %lld %s\n", since, usage.ru_maxrss, cpu,
                title.toUtf8().constData());
    std::fflush(stdout);
    // Nothing may be written back: the benchmark runs the same sheet again and again.
    std::_Exit(0);
}

} // namespace fyn

namespace {
void installShownProbe() {
    fyn::ShownProbe::installWhenRequested();
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(installShownProbe)
