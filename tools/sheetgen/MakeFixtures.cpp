// Writes the malformed sheets into a folder: fyn-make-fixtures <folder>.

#include "MalformedSheets.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fyn-make-fixtures <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const fyn::MalformedSheet& sheet : fyn::MalformedSheets::all()) {
        QFile file(folder.filePath(sheet.fileName));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(sheet.bytes) != sheet.bytes.size()) {
            std::fprintf(stderr, "fyn-make-fixtures: cannot write %s\n",
                         qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
