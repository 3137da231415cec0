// Writes the example sheet of group 3: fyn-make-example [path], by default Skupina3.t09.

#include "ExampleSheet.h"

#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Skupina3.t09");
    if (!fyn::ExampleSheet::builder().writeTo(path)) {
        std::fprintf(stderr, "fyn-make-example: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
