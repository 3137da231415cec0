#include "Dialer.h"

#include "CommandRunner.h"
#include "MessageBoxes.h"
#include "SchemeHandler.h"
#include "StringTable.h"
#include "TextIds.h"

namespace fyn {

bool Dialer::IsUsableNumber(const QString& number) {
    return std::any_of(number.begin(), number.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

QString Dialer::TelUri(const QString& number) {
    static constexpr QStringView kKept = u"0123456789+-.()*";
    QString uri = QStringLiteral("tel:");
    for (const QChar c : number) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('/')) {
            uri += QLatin1Char('-');
        } else if (kKept.contains(c)) {
            uri += c;
        } else {
            for (const char byte : QString(c).toUtf8()) {
                uri += QStringLiteral("%%1")
                           .arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0'))
                           .toUpper();
            }
        }
    }
    return uri;
}

bool Dialer::HandlerAvailable() {
    if (!handlerAvailable_) {
        const bool display =
            qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
        handlerAvailable_ =
            display && !commands_.findProgram(QStringLiteral("xdg-open")).isEmpty() &&
            !SchemeHandler::DefaultHandler(commands_, QStringLiteral("tel")).isEmpty();
    }
    return *handlerAvailable_;
}

bool Dialer::DialNumber(const QString& number) {
    if (!IsUsableNumber(number)) {
        return false;
    }
    if (!HandlerAvailable() ||
        !commands_.startDetached(QStringLiteral("xdg-open"), {TelUri(number)})) {
        messages_.inform(strings_.text(text::kNoTelephone));
        return false;
    }
    return true;
}

} // namespace fyn
