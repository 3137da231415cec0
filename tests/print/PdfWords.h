#pragma once

#include <QList>
#include <QString>

namespace fyn::test {

// The words of a PDF with their boxes in points, as pdftotext -bbox reads them.
struct PdfWord {
    int page = 0;
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

class PdfWords {
public:
    // Empty with error set when pdftotext is missing or fails.
    static QList<PdfWord> read(const QString& pdfPath, QString* error = nullptr);
    static int pageCount(const QList<PdfWord>& words);
    // The first word with exactly this text, on page (0-based); null when there is none.
    static const PdfWord* find(const QList<PdfWord>& words, const QString& text, int page = 0);
};

} // namespace fyn::test
