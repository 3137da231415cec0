#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace fyn {

// The link a publisher's phone app shares a report as: ".../report/" and colon-separated
// name=value pairs, each optional (sharedInMinistry true or false, hours whole or decimal,
// bibleStudies and credit whole, remarks with "+" for blanks).
struct ReportLink {
    qsizetype start = -1;
    qsizetype length = 0;
    std::optional<bool> sharedInMinistry;
    QString hours;
    std::optional<int> bibleStudies;
    std::optional<int> credit;
    std::optional<QString> remarks;
    // The names of the pairs whose value is not what the name takes.
    QStringList invalid;

    // The first link in text; start stays -1 when there is none.
    static ReportLink Find(const QString& text);
};

} // namespace fyn
