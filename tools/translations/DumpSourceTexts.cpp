// Prints every translatable text as JSON lines (key, context, Slovak source), which
// tools/update-translations.py merges into the .ts files.

#include "SourceTexts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

int main() {
    for (const fyn::SourceText& text : fyn::sourceTexts()) {
        const QJsonObject line{{QStringLiteral("key"), QString::fromLatin1(text.key)},
                               {QStringLiteral("context"), text.context},
                               {QStringLiteral("source"), text.slovak}};
        std::puts(QJsonDocument(line).toJson(QJsonDocument::Compact).constData());
    }
    return 0;
}
