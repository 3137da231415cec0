#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cstring>

namespace fyn {

namespace {
constexpr const char* kCodePage = "windows-1250";
}

QString TextCodec::toUnicode(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

QString TextCodec::fieldToUnicode(const std::uint8_t* field, std::size_t width) {
    const auto* begin = reinterpret_cast<const char*>(field);
    const void* nul = std::memchr(begin, 0, width);
    const auto length = nul ? static_cast<const char*>(nul) - begin : static_cast<qsizetype>(width);
    return toUnicode(QByteArrayView(begin, length));
}

std::optional<QByteArray> TextCodec::fromUnicode(const QString& text) {
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace fyn
