#pragma once

#include <QStringList>

namespace fyn {

// The application object: answers --help and --version, prepares Qt and the interface
// language, and runs the main window until it closes.
class GroupApp {
public:
    static int run(int argc, char** argv);

    // The arguments joined with blanks, every double quote removed.
    static QString commandLineText(const QStringList& arguments);
    // True when a graphical session can be reached for the chosen platform.
    static bool displayAvailable();
};

} // namespace fyn
