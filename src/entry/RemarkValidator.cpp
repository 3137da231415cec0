#include "RemarkValidator.h"

#include "TextCodec.h"

namespace fyn {

QValidator::State RemarkValidator::validate(QString& input, int& /*position*/) const {
    return TextCodec::canEncode(input) ? Acceptable : Invalid;
}

} // namespace fyn
