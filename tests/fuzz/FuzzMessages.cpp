// Fuzz target of the message reader: the first byte chooses how the rest arrives, as a text in
// UTF-8, as a text in Windows-1250, or as an e-mail file read by the module's reader, whose HTML
// is turned into text; the reader then reads it with a few publishers' names. Whatever it is
// given, what it answers must be a report the dialog can take.

#include "HtmlText.h"
#include "MailFileText.h"
#include "MessageReader.h"
#include "TextCodec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fyn-fuzz-messages: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fyn;
    if (size == 0) {
        return 0;
    }
    const QByteArray rest(reinterpret_cast<const char*>(data + 1),
                          static_cast<qsizetype>(size - 1));
    QString text;
    switch (data[0] % 3) {
    case 0:
        text = QString::fromUtf8(rest);
        break;
    case 1:
        text = TextCodec::toUnicode(rest);
        break;
    default: {
        MailFileText mail;
        fynReadMailFile(rest, mail);
        text = mail.subject + QLatin1Char('\n') +
               (mail.html ? HtmlText::toText(mail.text) : mail.text);
        break;
    }
    }
    static const std::vector<MessageReader::Name> names{
        {QStringLiteral("J\u00e1n"), QStringLiteral("Nov\u00e1k")},
        {QStringLiteral("Mari"), QStringLiteral("Tamm")},
        {QStringLiteral("Jan"), QStringLiteral("Novak")}};
    static const MessageReader reader(MessageVocabulary::allLanguages());
    const MessageReading reading = reader.Read(text, names);
    const ReportFigures& figures = reading.figures;
    check(!figures.month || (*figures.month >= 0 && *figures.month < 12), "month out of range");
    check(!figures.studies || *figures.studies >= 0, "negative studies");
    check(!figures.credit || *figures.credit >= 0, "negative credit");
    check(figures.hours.isEmpty() || figures.hours.toDouble() >= 0, "hours not a number");
    for (const int named : reading.named) {
        check(named >= 0 && named < int(names.size()), "name out of range");
    }
    for (const MessageReading::Field field : reading.unclear) {
        check(!reading.read(field), "a field both read and unclear");
    }
    return 0;
}
