#pragma once

#include <QString>

namespace fyn {

// Text as a person matches it by eye on a keyboard that may lack some letters: lower case,
// with the diacritics set aside, and the letters that Unicode does not decompose (L with a
// stroke, dotless i, sharp s) taken as their base letters. A name with a caron and the same
// name typed without it fold alike.
class TextFolding {
public:
    static QString Folded(const QString& text);
};

} // namespace fyn
