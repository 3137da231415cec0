#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace fyn {

// Sheet texts are single-byte, in the Windows code page of the interface language. They stay
// bytes in memory and are converted here only, where they meet a widget, the printer or a mail.
// The code page is chosen once at start, before any sheet is read; until then it is
// Windows-1250, the Slovak interface's.
class TextCodec {
public:
    static constexpr const char* kDefaultCodePage = "windows-1250";

    // The program's one code page from now on. Take the name from knownCodePage().
    static void useCodePage(const QString& codePage);
    static QString codePage();
    // The Windows single-byte code page of that name in its canonical spelling, or empty for
    // a name that is none: a multi-byte or unknown code page would break fixed-width fields.
    static QString knownCodePage(const QString& name);

    // False when the system's ICU data lacks the code page: then no sheet text can be read or
    // written correctly, and the program must not touch a sheet.
    static bool isAvailable();
    static QString toUnicode(QByteArrayView bytes);
    // The bytes of text, each once and in order of appearance, that the code page leaves
    // undefined: they show as U+FFFD and cannot come back from what is shown.
    static QByteArray undefinedBytes(QByteArrayView bytes);
    // The text up to the first NUL of a fixed-width field.
    static QString fieldToUnicode(const std::uint8_t* field, std::size_t width);
    // Empty when the text holds a character that the code page cannot store.
    static std::optional<QByteArray> fromUnicode(const QString& text);
    static bool canEncode(const QString& text) { return fromUnicode(text).has_value(); }
};

} // namespace fyn
