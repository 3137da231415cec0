#pragma once

#include <QString>
#include <functional>

namespace fyn {

// What every path of fyn that runs without a window shares (fyn --pdf, fyn --csv): no display is
// needed, success prints nothing on stderr and a failure exactly one line, so that scripts and cron
// can rely on both. Qt's own warnings stay off stderr unless FYN_DEBUG asks for them.
class CommandLineTool {
public:
    // Answers an empty text on success, else the line that names what failed and why.
    using Work = std::function<QString()>;

    // Fonts: the work draws text, so it runs inside a windowless Qt GUI application; else a
    // core application is enough, for the translations.
    enum class Needs { Nothing, Fonts };

    // Runs work and answers the exit status.
    static int run(int argc, char** argv, Needs needs, const Work& work);
    // One line on stderr, prefixed with the program's name; line breaks inside become blanks.
    static void printFailure(const QString& line);
    // FYN_DEBUG set to anything but empty or "0".
    static bool debugRequested();
};

} // namespace fyn
