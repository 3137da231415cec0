// Printing the largest sheet (127 publishers, 254 remarks) to a PDF, and one repaint of the
// preview, in milliseconds: the median and the slowest of the rounds. Run it by hand:
// fyn-bench-print [rounds]. Goals: under 300 ms for the PDF, under 5 ms for a repaint.

#include "Clock.h"
#include "GroupSheet.h"
#include "LargestSheet.h"
#include "PdfExport.h"
#include "PreviewArea.h"
#include "PreviewDialog.h"
#include "RecordingMessageBoxes.h"
#include "ScriptedPrinterAccess.h"
#include "SheetBuilder.h"
#include "SheetPdf.h"
#include "SheetPrinter.h"
#include "StringTable.h"
#include "Wording.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace fyn;

namespace {

class FixedClock : public Clock {
public:
    QDate today() const override { return QDate(2026, 11, 10); }
};

void report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %8.3f ms   slowest %8.3f ms\n", what, times[times.size() / 2],
                times.back());
}

std::vector<double> time(int rounds, const std::function<void()>& round) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        round();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return times;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Skupina12.t09"));
    if (!LargestSheet::builder().writeTo(path)) {
        std::fputs("cannot write the sheet\n", stderr);
        return 1;
    }
    GroupSheet sheet;
    if (!sheet.Load(path)) {
        std::fputs("cannot load the sheet\n", stderr);
        return 1;
    }
    const Wording wording(StringTable::slovak(), sheet);
    const PrintSource source{sheet, wording, sheet.reportMonth};

    report("PDF of 127 publishers, in memory", time(rounds, [&] {
               QBuffer buffer;
               buffer.open(QIODevice::WriteOnly);
               SheetPdf::Render(buffer, source);
           }));
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    report("fyn --pdf of 127 publishers (load, file)", time(rounds, [&] {
               PdfExport::Run(output, path, FixedClock(), StringTable::slovak());
           }));

    test::ScriptedPrinterAccess printers;
    test::RecordingMessageBoxes messages;
    SheetPrinter printer(printers, messages, StringTable::slovak());
    PreviewDialog dialog(source, printer);
    dialog.show();
    QApplication::processEvents();
    PreviewArea* area = dialog.area();
    QImage image(area->size(), QImage::Format_RGB32);
    report("preview repaint into an image", time(rounds, [&] { area->render(image); }));
    report("preview repaint on screen", time(rounds, [&] { area->repaint(); }));
    return 0;
}
