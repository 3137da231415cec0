#include "TextFolding.h"

#include <algorithm>

namespace fyn {

namespace {

// Letters that Unicode does not decompose into a base letter and a mark.
QChar baseLetter(QChar letter) {
    switch (letter.unicode()) {
    case 0x0141: // L with stroke
        return QLatin1Char('L');
    case 0x0142: // l with stroke
        return QLatin1Char('l');
    case 0x0110: // D with stroke
        return QLatin1Char('D');
    case 0x0111: // d with stroke
        return QLatin1Char('d');
    case 0x0131: // dotless i
        return QLatin1Char('i');
    case 0x00DF: // sharp s
        return QLatin1Char('s');
    case 0x00D8: // O with stroke
        return QLatin1Char('O');
    case 0x00F8: // o with stroke
        return QLatin1Char('o');
    default:
        return letter;
    }
}

} // namespace

QString TextFolding::Folded(const QString& text) {
    // Most words of a message are plain ASCII, for which lower case is all there is to do.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        return text.toLower();
    }
    QString folded;
    folded.reserve(text.size());
    for (const QChar character : text.normalized(QString::NormalizationForm_D)) {
        if (character.category() != QChar::Mark_NonSpacing) {
            folded += baseLetter(character);
        }
    }
    return folded.toCaseFolded();
}

} // namespace fyn
