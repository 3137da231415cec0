#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace fyn {

// Every text that a translation gives: the string table's by id, then each dialog template's
// title and captions, with its key in the translations and its Slovak source.
struct SourceText {
    QByteArray key;
    QString slovak;
    // Where it comes from, for translators: "string table" or the dialog's id.
    QString context;
};

std::vector<SourceText> sourceTexts();

} // namespace fyn
