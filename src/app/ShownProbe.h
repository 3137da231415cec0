#pragma once

#include <QObject>

namespace fyn {

// The start-up benchmark's stopwatch. With FYN_EXIT_WHEN_SHOWN set, the first window that is
// painted on screen prints "shown <microseconds since the epoch> <peak RSS in kB> <CPU
// microseconds used> <title>" and ends the process there, so a script can time the start
// without a window manager. Unset, it does nothing at all.
class ShownProbe : public QObject {
public:
    static void installWhenRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static void reportAndExit(const QString& title);
    bool fired_ = false;
};

} // namespace fyn
