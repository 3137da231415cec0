// Writes the largest sheet (127 publishers, 254 remarks) for the benchmarks:
// fyn-make-largest PATH

#include "LargestSheet.h"

#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: fyn-make-largest PATH\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (!fyn::LargestSheet::builder().writeTo(path)) {
        std::fprintf(stderr, "fyn-make-largest: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
