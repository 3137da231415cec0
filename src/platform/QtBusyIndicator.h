#pragma once

#include "BusyIndicator.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace fyn {

// The wait cursor over the whole program, and its visible windows disabled.
class QtBusyIndicator final : public BusyIndicator {
public:
    void begin() override;
    void end() override;

private:
    QList<QPointer<QWidget>> disabled_;
    QPointer<QWidget> active_;
    int depth_ = 0;
};

} // namespace fyn
