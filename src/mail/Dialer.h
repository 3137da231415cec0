#pragma once

#include <QString>
#include <optional>

namespace fyn {

class CommandRunner;
class MessageBoxes;
class StringTable;

// Hands a telephone number to the desktop's handler of tel: URIs (a phone-link app, a
// softphone) and does not wait for the outcome. Whether a handler exists is asked once per
// run, when first needed: the query is a shell script, too slow for every selection.
class Dialer {
public:
    Dialer(CommandRunner& commands, MessageBoxes& messages, const StringTable& strings)
        : commands_(commands), messages_(messages), strings_(strings) {}

    // A number without a digit cannot be dialled.
    static bool IsUsableNumber(const QString& number);
    // tel: and the number with blanks and "/" as "-", and everything but digits and "+-.()*"
    // percent-encoded, so that nothing in a sheet can add parts to the URI.
    static QString TelUri(const QString& number);

    // A handler is registered and a display is there to show it.
    bool HandlerAvailable();
    bool ShowsDialButton(const QString& number) {
        return IsUsableNumber(number) && HandlerAvailable();
    }
    // Does nothing for a number that cannot be dialled, for which no button shows. True when
    // the number went to the handler.
    bool DialNumber(const QString& number);

private:
    CommandRunner& commands_;
    MessageBoxes& messages_;
    const StringTable& strings_;
    std::optional<bool> handlerAvailable_;
};

} // namespace fyn
