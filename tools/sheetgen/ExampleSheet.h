#pragma once

#include "SheetBuilder.h"

#include <QByteArray>

namespace fyn {

// The sheet of a fictitious group 3, collected in November 2026, as examples/Skupina3.t09
// holds it. The same bytes come out on every run.
class ExampleSheet {
public:
    static constexpr int kGroup = 3;
    static constexpr int kReportMonth = 10; // November
    static constexpr int kYearSlot = 0;     // 2026; 2025 is in slot 1

    static SheetBuilder builder();
    static QByteArray build() { return builder().build(); }
};

} // namespace fyn
