#pragma once

#include <QString>
#include <optional>

namespace fyn {

// A report's figures as they came from outside the dialog, a publisher's message: each one only
// when it was clearly given. The dialog takes them as if they had been typed, and its own rules
// decide the rest.
struct ReportFigures {
    std::optional<int> month;
    std::optional<bool> inService;
    // As the hours field takes it: digits, perhaps with a decimal point.
    QString hours;
    std::optional<int> studies;
    std::optional<int> credit;
    bool auxiliary = false;
    std::optional<QString> remark;
};

} // namespace fyn
