#pragma once

#include <QString>

namespace fyn {

class GroupSheet;
class StringTable;

// The wording that every view shares: composed string-table texts, month names and publisher
// names. languageCode is the one switch between interface languages.
class Wording {
public:
    Wording(const StringTable& strings, const GroupSheet& sheet);

    QString LoadText(int id, int argId = 0) const;
    // The heading form, or with elided the form a sentence takes (lower case after the Slovak
    // "za", a genitive in Greek), which French writes with "d'" or "de " before it.
    QString MonthName(int month, bool elided = false) const;
    QString PublisherName(int index, bool listForm) const;

    const StringTable& strings() const { return strings_; }
    const QString& languageCode() const { return languageCode_; }
    void setLanguageCode(const QString& code) { languageCode_ = code; }

private:
    const StringTable& strings_;
    const GroupSheet& sheet_;
    QString languageCode_;
};

} // namespace fyn
