// The group's year window opened on the largest sheet (127 publishers, 254 remarks), in
// milliseconds from the command to its first paint: the first opening, which loads the module
// "year", and the median and the slowest of the later ones. Run it by hand:
// fyn-bench-year [rounds]. Goal: under 100 ms.

#include "DeferredGroupYear.h"
#include "DeferredSheetPrinter.h"
#include "GroupSheet.h"
#include "LargestSheet.h"
#include "RecordingMessageBoxes.h"
#include "ScriptedPrinterAccess.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "Wording.h"
#include "YearContext.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace fyn;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Skupina12.t09"));
    GroupSheet sheet;
    if (!LargestSheet::builder().writeTo(path) || !sheet.Load(path)) {
        std::fputs("cannot write or load the sheet\n", stderr);
        return 1;
    }
    const Wording wording(StringTable::slovak(), sheet);
    test::RecordingMessageBoxes messages;
    test::ScriptedPrinterAccess printers;
    DeferredSheetPrinter printer(printers, messages, StringTable::slovak());
    const YearContext context{sheet, wording, StringTable::slovak(), messages, printer, {}};

    std::vector<double> times;
    for (int round = 0; round <= rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        // Runs once the window is up: its first paint, then it closes.
        QTimer::singleShot(0, [&times, start] {
            QWidget* window = QApplication::activeModalWidget();
            if (window == nullptr) {
                std::fputs("the year window did not open\n", stderr);
                std::exit(1);
            }
            window->repaint();
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            static_cast<QDialog*>(window)->reject();
        });
        DeferredGroupYear::Show(context, nullptr);
    }
    std::printf("%-44s %8.3f ms\n", "year window, first opening (module load)", times.front());
    times.erase(times.begin());
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %8.3f ms   slowest %8.3f ms\n", "year window, opening",
                times[times.size() / 2], times.back());
    return 0;
}
