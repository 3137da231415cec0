#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <cstring>

namespace fyn {

namespace {

constexpr const char* kCodePage = "windows-1250";

// Windows-1250 is one byte per character without state, so ICU is asked once per byte value
// and every later text is decoded from the table: loading a sheet decodes thousands of short
// fields, and opening an ICU converter for each would cost more than the whole load.
struct DecodingTable {
    bool valid = false;
    std::array<char16_t, 256> characters{};
};

const DecodingTable& decodingTable() {
    static const DecodingTable table = [] {
        DecodingTable built;
        QStringDecoder decoder(kCodePage);
        if (!decoder.isValid()) {
            return built;
        }
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            const QString decoded = decoder.decode(QByteArrayView(&c, 1));
            built.characters[static_cast<std::size_t>(byte)] =
                decoded.size() == 1 ? decoded.front().unicode() : char16_t(0xFFFD);
        }
        built.valid = !decoder.hasError();
        return built;
    }();
    return table;
}

} // namespace

bool TextCodec::isAvailable() {
    return decodingTable().valid && QStringEncoder(kCodePage).isValid();
}

QString TextCodec::toUnicode(QByteArrayView bytes) {
    const DecodingTable& table = decodingTable();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes) {
        *out++ = table.characters[static_cast<unsigned char>(byte)];
    }
    return text;
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
    if (!encoder.isValid() || encoder.hasError()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace fyn
