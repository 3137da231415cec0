#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace fyn {

// Sheet texts are single-byte Windows-1250. They stay bytes in memory and are converted here
// only, where they meet a widget, the printer or a mail.
class TextCodec {
public:
    // False when the system's ICU data lacks Windows-1250: then no sheet text can be read or
    // written correctly, and the program must not touch a sheet.
    static bool isAvailable();
    static QString toUnicode(QByteArrayView bytes);
    // The text up to the first NUL of a fixed-width field.
    static QString fieldToUnicode(const std::uint8_t* field, std::size_t width);
    // Empty when the text holds a character that Windows-1250 cannot store.
    static std::optional<QByteArray> fromUnicode(const QString& text);
    static bool canEncode(const QString& text) { return fromUnicode(text).has_value(); }
};

} // namespace fyn
