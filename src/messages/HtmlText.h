#pragma once

#include <QString>

namespace fyn {

// The text an HTML mail shows: blocks and line breaks as lines, entities decoded, scripts and
// styles left out, and a quoted earlier message (blockquote) as lines beginning with ">", as a
// plain-text reply quotes.
class HtmlText {
public:
    static QString toText(const QString& html);
};

} // namespace fyn
