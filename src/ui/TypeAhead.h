#pragma once

#include <QElapsedTimer>
#include <QStringList>

namespace fyn {

// Finds an entry by the first letters typed, as Qt's lists do, and failing an exact match, by
// the letters without their diacritics: "Dur" finds "Ďurica" on a keyboard that has no Ď, as a
// Polish or Greek one may lack a letter of a Slovak sheet. Shared by every list a user types in.
class TypeAhead {
public:
    // The row to go to once search is typed, -1 when none matches. Letters typed within the
    // keyboard interval add up; a first letter moves on from current, so that pressing it again
    // steps through the entries that begin with it, and more letters refine the current one.
    int Next(const QStringList& entries, const QString& search, int current);

private:
    // The row of the first entry from row start on (wrapping) that begins with typed, exactly
    // (ignoring case) if any does, else with the diacritics set aside; -1 when none.
    static int Find(const QStringList& entries, const QString& typed, int start);

    QString typed_;
    QElapsedTimer sinceTyped_;
};

} // namespace fyn
