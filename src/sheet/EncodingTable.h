#pragma once

#include <QByteArray>
#include <QStringView>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace fyn {

// Unicode to one single-byte code page, exactly as ICU converts it. ICU is asked once per
// character, the first time a character of its block of 256 is encoded, and every later text
// is a table look-up: opening a converter for each short field costs more than loading the
// whole sheet.
class EncodingTable {
public:
    explicit EncodingTable(QByteArray codePage);

    // False when ICU has no converter for the code page: then nothing can be encoded.
    bool isValid() const { return valid_; }
    // Empty when the text holds a character that the code page cannot store.
    std::optional<QByteArray> encode(QStringView text);

private:
    using Block = std::array<std::uint16_t, 256>;

    const Block& block(char16_t character);
    std::unique_ptr<Block> buildBlock(char16_t first) const;
    std::optional<QByteArray> convert(QStringView text) const;

    QByteArray codePage_;
    bool valid_ = false;
    std::array<std::unique_ptr<Block>, 256> blocks_;
};

} // namespace fyn
