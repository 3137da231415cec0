#include "TextCodec.h"

#include "EncodingTable.h"

#include <QStringDecoder>
#include <QStringList>
#include <array>
#include <cstring>
#include <map>

namespace fyn {

namespace {

// The single-byte Windows code pages, the only ones whose texts fit the sheet's fields.
const QStringList& windowsCodePages() {
    static const QStringList names{
        QStringLiteral("windows-874"),  QStringLiteral("windows-1250"),
        QStringLiteral("windows-1251"), QStringLiteral("windows-1252"),
        QStringLiteral("windows-1253"), QStringLiteral("windows-1254"),
        QStringLiteral("windows-1255"), QStringLiteral("windows-1256"),
        QStringLiteral("windows-1257"), QStringLiteral("windows-1258"),
    };
    return names;
}

// The code page is one byte per character without state, so ICU is asked once per byte value
// and every later text is decoded from the table: loading a sheet decodes thousands of short
// fields, and opening an ICU converter for each would cost more than the whole load.
struct DecodingTable {
    bool valid = false;
    std::array<char16_t, 256> characters{};
};

DecodingTable buildTable(const QByteArray& codePage) {
    DecodingTable built;
    QStringDecoder decoder(codePage.constData());
    if (!decoder.isValid()) {
        return built;
    }
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const QString decoded = decoder.decode(QByteArrayView(&c, 1));
        // ICU gives an undefined byte either nothing or the C1 control of the same number,
        // which shows as nothing and would vanish from an export.
        const bool defined = decoded.size() == 1 &&
                             (decoded.front().unicode() < 0x80 || decoded.front().unicode() > 0x9F);
        built.characters[static_cast<std::size_t>(byte)] =
            defined ? decoded.front().unicode() : char16_t(QChar::ReplacementCharacter);
    }
    // Bytes that the code page leaves undefined decode to U+FFFD and stay as they are in the
    // sheet; only a converter that is missing altogether makes the code page unusable.
    built.valid = true;
    return built;
}

// The chosen code page and its tables; tables once built are kept, so that switching back and
// forth (the fuzzer, the tests) asks ICU only once per code page.
struct Chosen {
    QByteArray name{TextCodec::kDefaultCodePage};
    const DecodingTable* table = nullptr;
    EncodingTable* encoding = nullptr;
    std::map<QByteArray, DecodingTable> built;
    std::map<QByteArray, EncodingTable> encodings;
};

Chosen& chosen() {
    static Chosen state;
    return state;
}

const DecodingTable& decodingTable() {
    Chosen& state = chosen();
    if (!state.table) {
        auto found = state.built.find(state.name);
        if (found == state.built.end()) {
            found = state.built.emplace(state.name, buildTable(state.name)).first;
        }
        state.table = &found->second;
    }
    return *state.table;
}

EncodingTable& encodingTable() {
    Chosen& state = chosen();
    if (!state.encoding) {
        state.encoding = &state.encodings.try_emplace(state.name, state.name).first->second;
    }
    return *state.encoding;
}

} // namespace

void TextCodec::useCodePage(const QString& codePage) {
    chosen().name = codePage.toLatin1();
    chosen().table = nullptr;
    chosen().encoding = nullptr;
}

QString TextCodec::codePage() {
    return QString::fromLatin1(chosen().name);
}

QString TextCodec::knownCodePage(const QString& name) {
    const QString wanted = name.trimmed().toLower();
    return windowsCodePages().contains(wanted) ? wanted : QString();
}

bool TextCodec::isAvailable() {
    return decodingTable().valid && encodingTable().isValid();
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

QByteArray TextCodec::undefinedBytes(QByteArrayView bytes) {
    const DecodingTable& table = decodingTable();
    QByteArray undefined;
    for (const char byte : bytes) {
        if (table.characters[static_cast<unsigned char>(byte)] == char16_t(0xFFFD) &&
            !undefined.contains(byte)) {
            undefined.append(byte);
        }
    }
    return undefined;
}

QString TextCodec::fieldToUnicode(const std::uint8_t* field, std::size_t width) {
    const auto* begin = reinterpret_cast<const char*>(field);
    const void* nul = std::memchr(begin, 0, width);
    const auto length = nul ? static_cast<const char*>(nul) - begin : static_cast<qsizetype>(width);
    return toUnicode(QByteArrayView(begin, length));
}

std::optional<QByteArray> TextCodec::fromUnicode(const QString& text) {
    return encodingTable().encode(text);
}

} // namespace fyn
