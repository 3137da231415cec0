// Fuzz target of the recipient check that the mailer applies before anything starts: any text as
// a recipient field, decoded as a sheet's address field is (Windows-1250) or as any UTF-16 at all
// (the first byte chooses). Each piece is refused, or passed on as one argument that holds a
// plain address: no control character, quote, bracket or blank, nothing that adds a recipient or
// passes for an option.

#include "MailAddress.h"
#include "TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isPlainAddress(const QString& argument) {
    if (argument.isEmpty() || argument.size() > 254 || argument.startsWith(QLatin1Char('-')) ||
        argument.count(QLatin1Char('@')) != 1) {
        return false;
    }
    // Printable ASCII only: no control character, no blank of any kind, nothing beyond ASCII.
    return std::all_of(argument.cbegin(), argument.cend(), [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() < 0x7F &&
               !QStringView(u"\"'`<>()[]{},;:\\").contains(c);
    });
}

QString decode(const std::uint8_t* data, std::size_t size) {
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    if ((data[0] & 1) != 0) {
        return fyn::TextCodec::toUnicode(QByteArrayView(rest, length));
    }
    QString text(length / 2, Qt::Uninitialized);
    std::memcpy(text.data(), rest, static_cast<std::size_t>(text.size()) * 2);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    for (const QString& piece : fyn::MailAddress::SplitRecipients(decode(data, size))) {
        if (fyn::MailAddress::IsValid(piece) && !isPlainAddress(piece)) {
            std::fprintf(stderr, "fyn-fuzz-recipients: passed on: %s\n",
                         piece.toUtf8().toHex().constData());
            std::abort();
        }
    }
    return 0;
}
