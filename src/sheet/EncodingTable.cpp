#include "EncodingTable.h"

#include <QChar>
#include <QStringEncoder>
#include <utility>

namespace fyn {

namespace {

// Entries above a byte's range. A surrogate's answer depends on its neighbour (a high one at
// the end of a text is held back rather than refused), and a character that becomes more or
// less than one byte has no place in a table of bytes: texts holding either are left to ICU.
constexpr std::uint16_t kUnmappable = 0x100;
constexpr std::uint16_t kAskConverter = 0x200;

} // namespace

EncodingTable::EncodingTable(QByteArray codePage)
    : codePage_(std::move(codePage)), valid_(QStringEncoder(codePage_.constData()).isValid()) {}

std::optional<QByteArray> EncodingTable::encode(QStringView text) {
    if (!valid_) {
        return std::nullopt;
    }
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        const std::uint16_t entry = block(unit)[unit & 0xFFu];
        if (entry == kUnmappable) {
            return std::nullopt;
        }
        if (entry == kAskConverter) {
            return convert(text);
        }
        *out++ = static_cast<char>(entry);
    }
    return bytes;
}

const EncodingTable::Block& EncodingTable::block(char16_t character) {
    std::unique_ptr<Block>& found = blocks_[character >> 8];
    if (!found) {
        found = buildBlock(static_cast<char16_t>(character & 0xFF00));
    }
    return *found;
}

std::unique_ptr<EncodingTable::Block> EncodingTable::buildBlock(char16_t first) const {
    auto built = std::make_unique<Block>();
    for (std::size_t low = 0; low < built->size(); ++low) {
        const QChar character(static_cast<char16_t>(first + low));
        if (character.isSurrogate()) {
            (*built)[low] = kAskConverter;
            continue;
        }
        // A converter of its own for each character: an encoder's error stays set for its
        // life, and resetState() leaves Qt without its ICU converter.
        QStringEncoder encoder(codePage_.constData());
        const QByteArray bytes = encoder.encode(QStringView(&character, 1));
        (*built)[low] = encoder.hasError()  ? kUnmappable
                        : bytes.size() == 1 ? static_cast<unsigned char>(bytes.front())
                                            : kAskConverter;
    }
    return built;
}

std::optional<QByteArray> EncodingTable::convert(QStringView text) const {
    QStringEncoder encoder(codePage_.constData());
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace fyn
