#pragma once

#include <QByteArray>
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
    // The Slovak table with each text replaced by the application's installed translation of
    // its id, where there is one: a text a translation lacks still shows, in Slovak.
    static StringTable translated();
    // One text the same way, for the platform's windows that keep no table.
    static QString translatedText(int id);
    // The key of a text in the translations: its id in decimal.
    static QByteArray translationKey(int id) { return QByteArray::number(id); }

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
