// Fuzz target of the message reader: every input arrives the three ways a message can, as a text
// in UTF-8, as a text in Windows-1250, and as an e-mail file read by the module's reader, whose
// HTML is turned into text; the reader then reads each with a few publishers' names. Whatever it
// is given, what it answers must be a report the dialog can take.

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

void readAsMessage(const QString& text) {
    using namespace fyn;
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
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    readAsMessage(QString::fromUtf8(bytes));
    readAsMessage(fyn::TextCodec::toUnicode(bytes));
    fyn::MailFileText mail;
    fynReadMailFile(bytes, mail);
    readAsMessage(mail.subject + QLatin1Char('\n') +
                  (mail.html ? fyn::HtmlText::toText(mail.text) : mail.text));
    return 0;
}
