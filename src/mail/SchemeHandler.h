#pragma once

#include <QString>

namespace fyn {

class CommandRunner;

// Which desktop program opens a URI scheme ("mailto", "tel"), as xdg-utils decides it.
class SchemeHandler {
public:
    // The desktop entry xdg-mime names for the scheme; empty when there is none or xdg-mime
    // is missing.
    static QString DefaultHandler(CommandRunner& commands, const QString& scheme);
};

} // namespace fyn
