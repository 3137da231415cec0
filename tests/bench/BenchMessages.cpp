// A publisher's message into the report dialog, with the largest sheet: from Ctrl+V to the
// filled dialog up on the screen, and the reading of an e-mail file of 1 MB (a short reply and a
// photo attached). The first round loads what the first message needs (the eight languages'
// words, the e-mail module); the median is of the rounds after it. In milliseconds.
// fyn-bench-messages [rounds]

#include "LargestSheet.h"
#include "MainDialog.h"
#include "MessageIntake.h"
#include "WindowSeams.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace fyn;
using namespace fyn::test;

namespace {

struct Figures {
    double first = 0;
    double median = 0;
    double max = 0;
};

Figures time(int rounds, const std::function<double()>& round) {
    Figures figures{round(), 0, 0};
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        times.push_back(round());
    }
    std::sort(times.begin(), times.end());
    figures.median = times[times.size() / 2];
    figures.max = times.back();
    return figures;
}

QByteArray largeEmail() {
    QByteArray mail = "From: someone@example.org\r\nSubject: Re: Report\r\nMIME-Version: 1.0\r\n"
                      "Content-Type: multipart/mixed; boundary=\"b\"\r\n\r\n--b\r\n"
                      "Content-Type: text/plain; charset=utf-8\r\n\r\n"
                      "Hours: 12, Bible studies: 2. November.\r\n--b\r\n"
                      "Content-Type: image/jpeg\r\nContent-Transfer-Encoding: base64\r\n"
                      "Content-Disposition: attachment; filename=\"photo.jpg\"\r\n\r\n";
    const QByteArray line = QByteArray(57, '\xA5').toBase64() + "\r\n";
    while (mail.size() + line.size() + 8 < MessageIntake::kLargestFile) {
        mail += line;
    }
    return mail + "--b--\r\n";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    WindowSeams seams(QDate(2026, 12, 10));
    const QString sheetPath = seams.path(QStringLiteral("largest.t09"));
    if (!LargestSheet::builder().writeTo(sheetPath)) {
        return 1;
    }
    const std::unique_ptr<MainDialog> opened = seams.open(sheetPath);
    MainDialog& window = *opened;

    QMimeData pasted;
    pasted.setText(QString::fromUtf8("Ahoj, za október mám 12 hodín a 2 biblické štúdiá.\n"
                                     "Poznámka: chorý týždeň"));
    const Figures paste = time(rounds, [&] {
        QElapsedTimer clockStarted;
        double shown = -1;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown = double(clockStarted.nsecsElapsed()) / 1e6;
                dialog->reject();
            }
        });
        clockStarted.start();
        window.OpenReportFromMessage(pasted);
        return shown;
    });

    const QString emailPath = seams.path(QStringLiteral("large.eml"));
    QFile email(emailPath);
    if (!email.open(QIODevice::WriteOnly) || email.write(largeEmail()) < 0) {
        return 1;
    }
    email.close();
    const MessageIntake intake(window.sheet(), StringTable::slovak(), window.wording());
    int read = 0;
    QString refusal;
    const Figures mailFile = time(rounds, [&] {
        QElapsedTimer started;
        started.start();
        const MessageIntake::Result result = intake.Read({emailPath, {}, {}}, 1);
        read += result.refusal.isEmpty() && !result.reading.figures.hours.isEmpty() ? 1 : 0;
        refusal = result.refusal;
        return double(started.nsecsElapsed()) / 1e6;
    });
    if (paste.first < 0 || read != rounds + 1 || !seams.messages.shown().isEmpty()) {
        // Such as the e-mail module not found: FYN_MODULE_DIR names the build's modules.
        std::fprintf(stderr, "fyn-bench-messages: the message was not read. %s\n",
                     qPrintable(seams.messages.texts().join(u' ') + refusal));
        return 1;
    }
    std::printf("largest sheet, %d rounds after the first: first, median, max (ms)\n", rounds);
    std::printf("  Ctrl+V to the filled dialog   %7.2f %7.2f %7.2f\n", paste.first, paste.median,
                paste.max);
    std::printf("  e-mail file of %lld bytes read %6.2f %7.2f %7.2f\n",
                static_cast<long long>(QFileInfo(emailPath).size()), mailFile.first,
                mailFile.median, mailFile.max);
    return 0;
}
