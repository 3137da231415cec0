// Fuzz target of the mailer's recipient check: any text, decoded as Windows-1250 or as UTF-16 (the
// first byte chooses). Each piece is refused, or one plain address that adds no recipient.

#include "MailAddress.h"
#include "TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArrayView rest(data + 1, static_cast<qsizetype>(size - 1));
    QString text(rest.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), rest.data(), static_cast<std::size_t>(text.size()) * 2);
    if ((data[0] & 1) != 0) {
        text = fyn::TextCodec::toUnicode(rest);
    }
    for (const QString& piece : fyn::MailAddress::SplitRecipients(text)) {
        const bool plain = piece.size() <= 254 && !piece.startsWith(QLatin1Char('-')) &&
                           piece.count(QLatin1Char('@')) == 1 &&
                           std::all_of(piece.cbegin(), piece.cend(), [](QChar c) {
                               return c.unicode() > 0x20 && c.unicode() < 0x7F &&
                                      !QStringView(u"\"'`<>()[]{},;:\\").contains(c);
                           });
        if (fyn::MailAddress::IsValid(piece) && !plain) {
            std::fprintf(stderr, "fyn-fuzz-recipients: passed on: %s\n",
                         piece.toUtf8().toHex().constData());
            std::abort();
        }
    }
    return 0;
}
