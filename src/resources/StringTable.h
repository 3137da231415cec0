#pragma once

#include <QString>
#include <QStringList>
#include <map>

namespace fyn {

// Texts by numeric id, as the interface language's string table holds them.
class StringTable {
public:
    explicit StringTable(std::map<int, QString> texts) : texts_(std::move(texts)) {}

    // The Slovak interface, with the framework's English texts.
    static const StringTable& slovak();

    // Empty text for an id the table lacks, as a missing resource string loads empty.
    QString text(int id) const;
    // The text with each "%n" replaced by the n-th argument in one pass, so that an argument
    // holding a "%" sign is never formatted again.
    QString text(int id, const QStringList& arguments) const;
    static QString format(const QString& pattern, const QStringList& arguments);

private:
    std::map<int, QString> texts_;
};

} // namespace fyn
