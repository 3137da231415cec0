#include "HtmlText.h"

#include <QHash>
#include <QStringList>

namespace fyn {

namespace {

constexpr qsizetype kLongestEntity = 10;

QString entity(const QString& name) {
    static const QHash<QString, QString> named{
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
    };
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)
                              ? name.mid(2).toUInt(&ok, 16)
                              : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
            const char32_t character = code;
            return QString::fromUcs4(&character, 1);
        }
        return QString(QChar::ReplacementCharacter);
    }
    return named.value(name.toLower(), QStringLiteral("&") + name + QLatin1Char(';'));
}

QString tagName(const QString& inside) {
    qsizetype length = 0;
    while (length < inside.size() && inside[length].isLetterOrNumber()) {
        ++length;
    }
    return inside.left(length).toLower();
}

bool isBlock(const QString& tag) {
    static const QStringList blocks{QStringLiteral("br"),  QStringLiteral("p"),
                                    QStringLiteral("div"), QStringLiteral("tr"),
                                    QStringLiteral("li"),  QStringLiteral("blockquote"),
                                    QStringLiteral("h1"),  QStringLiteral("h2"),
                                    QStringLiteral("h3"),  QStringLiteral("table")};
    return blocks.contains(tag);
}

} // namespace

QString HtmlText::toText(const QString& html) {
    QString text;
    int quoteDepth = 0;
    QString skipUntil; // the closing tag of a script or style
    bool lineStart = true;
    const auto newLine = [&] {
        text += QLatin1Char('\n');
        lineStart = true;
    };
    const qsizetype n = html.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = html[i];
        if (c == u'<') {
            qsizetype end = html.indexOf(QLatin1Char('>'), i);
            if (end < 0) {
                end = n - 1;
            }
            const QString inside = html.mid(i + 1, end - i - 1).trimmed();
            i = end + 1;
            const bool closing = inside.startsWith(QLatin1Char('/'));
            const QString tag = tagName(closing ? inside.mid(1) : inside);
            if (!skipUntil.isEmpty()) {
                if (closing && tag == skipUntil) {
                    skipUntil.clear();
                }
                continue;
            }
            if (!closing && (tag == QLatin1String("script") || tag == QLatin1String("style") ||
                             tag == QLatin1String("head"))) {
                skipUntil = tag;
                continue;
            }
            if (tag == QLatin1String("blockquote")) {
                quoteDepth = std::max(0, quoteDepth + (closing ? -1 : 1));
            }
            if (isBlock(tag) && !lineStart) {
                newLine();
            } else if (tag == QLatin1String("td") && !lineStart) {
                text += QLatin1Char(' ');
            }
            continue;
        }
        ++i;
        if (!skipUntil.isEmpty()) {
            continue;
        }
        QString piece(c);
        if (c == u'&') {
            const qsizetype semicolon = html.indexOf(QLatin1Char(';'), i);
            if (semicolon > i && semicolon - i <= kLongestEntity) {
                piece = entity(html.mid(i, semicolon - i));
                i = semicolon + 1;
            }
        }
        if (piece == QLatin1String("\n") || piece == QLatin1String("\r") ||
            piece == QLatin1String("\t")) {
            piece = QStringLiteral(" ");
        }
        if (lineStart) {
            if (piece.trimmed().isEmpty()) {
                continue;
            }
            text += QString(quoteDepth, QLatin1Char('>'));
            lineStart = false;
        }
        text += piece;
    }
    return text;
}

} // namespace fyn
