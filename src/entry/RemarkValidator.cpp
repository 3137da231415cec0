#include "RemarkValidator.h"

#include "TextCodec.h"

namespace fyn {

QValidator::State RemarkValidator::validate(QString& input, int& /*position*/) const {
    // A byte of the sheet that the code page leaves undefined shows as U+FFFD; it must not keep
    // the user from typing. It is dropped when the changed text is stored, as the user is told.
    QString storable = input;
    storable.remove(QChar::ReplacementCharacter);
    return TextCodec::canEncode(storable) ? Acceptable : Invalid;
}

} // namespace fyn
