#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

namespace fyn::test {

QList<PdfWord> PdfWords::read(const QString& pdfPath, QString* error) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (error != nullptr) {
            *error = QStringLiteral("pdftotext failed: ") + process.errorString() +
                     QString::fromUtf8(process.readAllStandardError());
        }
        return {};
    }
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression token(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    int page = -1;
    for (const QRegularExpressionMatch& match : token.globalMatch(output)) {
        if (match.captured(0) == QStringLiteral("<page ")) {
            ++page;
            continue;
        }
        words.append({page, match.captured(5).replace(QStringLiteral("&amp;"), QStringLiteral("&")),
                      match.captured(1).toDouble(), match.captured(2).toDouble(),
                      match.captured(3).toDouble(), match.captured(4).toDouble()});
    }
    // A page without words still counts.
    if (page >= 0 && (words.isEmpty() || words.back().page < page)) {
        words.append({page, QString(), 0, 0, 0, 0});
    }
    return words;
}

int PdfWords::pageCount(const QList<PdfWord>& words) {
    return words.isEmpty() ? 0 : words.back().page + 1;
}

const PdfWord* PdfWords::find(const QList<PdfWord>& words, const QString& text, int page) {
    for (const PdfWord& word : words) {
        if (word.page == page && word.text == text) {
            return &word;
        }
    }
    return nullptr;
}

} // namespace fyn::test
