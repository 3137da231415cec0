#pragma once

#include "BusyIndicator.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace fyn {

// The wait cursor over the whole program, and its visible windows disabled. Disabling a
// window takes the keyboard focus from it; the focus goes back where it was.
class QtBusyIndicator final : public BusyIndicator {
public:
    void begin() override;
    void end() override;

private:
    struct Disabled {
        QPointer<QWidget> window;
        QPointer<QWidget> focus;
    };

    QList<Disabled> disabled_;
    QPointer<QWidget> active_;
    int depth_ = 0;
};

} // namespace fyn
