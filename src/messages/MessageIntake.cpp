#include "MessageIntake.h"

#include "GroupSheet.h"
#include "HtmlText.h"
#include "MailFile.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "Wording.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QStringDecoder>
#include <QUrl>

namespace fyn {

namespace {

const QString kMailFormat = QStringLiteral("message/rfc822");

bool isMailFile(const QString& path) {
    return path.endsWith(QLatin1String(".eml"), Qt::CaseInsensitive);
}

// Text is what a person wrote: no control characters but the line and tab ones, and few
// characters that its decoding had to replace.
bool looksLikeText(const QString& text) {
    qsizetype replaced = 0;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\n' && c != u'\r' && c != u'\t' && c != u'\f') {
            return false;
        }
        replaced += c == QChar::ReplacementCharacter ? 1 : 0;
    }
    return replaced * 20 <= text.size();
}

// A file's text: UTF-8 when it is that, else the code page of the sheets.
QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? TextCodec::toUnicode(bytes) : text;
}

} // namespace

MessageIntake::MessageIntake(const GroupSheet& sheet, const StringTable& strings,
                             const Wording& wording)
    : sheet_(sheet), strings_(strings), wording_(wording) {}

MessageIntake::Input MessageIntake::FromMimeData(const QMimeData& data) {
    Input input;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            input.filePath = url.toLocalFile();
            return input;
        }
    }
    if (data.hasFormat(kMailFormat)) {
        input.mail = data.data(kMailFormat);
    } else if (data.hasText()) {
        input.text = data.text();
    }
    return input;
}

MessageIntake::Result MessageIntake::Read(const Input& given, int selectedRecord) const {
    Result refused;
    Input input = given;
    if (!input.filePath.isEmpty()) {
        refused.refusal = ReadFile(input.filePath, input);
        if (!refused.refusal.isEmpty()) {
            return refused;
        }
    }
    QString text = input.text;
    QString sender;
    if (!input.mail.isEmpty()) {
        refused.refusal = ReadMail(input.mail, QFileInfo(input.filePath).fileName(), text, sender);
        if (!refused.refusal.isEmpty()) {
            return refused;
        }
    }
    if (text.trimmed().isEmpty() || !looksLikeText(text)) {
        refused.refusal = strings_.text(text::kMessageNotText);
        return refused;
    }
    if (text.size() > kLongestText) {
        refused.refusal = strings_.text(text::kMessageTextTooLong);
        return refused;
    }
    return ReadText(text, sender, selectedRecord);
}

QString MessageIntake::ReadFile(const QString& path, Input& input) const {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (file.size() > kLargestFile) {
        return strings_.text(text::kMessageFileTooLarge, {name});
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return strings_.text(text::kCannotReadSheet, {name, file.errorString()});
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) {
        return strings_.text(text::kMessageFileTooLarge, {name});
    }
    if (isMailFile(path)) {
        input.mail = bytes;
        return {};
    }
    input.text = decodeText(bytes);
    return looksLikeText(input.text) ? QString() : strings_.text(text::kMessageFileNotText, {name});
}

QString MessageIntake::ReadMail(const QByteArray& mail, const QString& fileName, QString& text,
                                QString& sender) const {
    if (mail.size() > kLargestFile) {
        return strings_.text(text::kMessageFileTooLarge,
                             {fileName.isEmpty() ? QStringLiteral("message/rfc822") : fileName});
    }
    MailFileText read;
    QString failure;
    if (!MailFile::Read(mail, read, failure)) {
        return strings_.text(text::kMessageMailUnread, {fileName, failure});
    }
    if (!read.hasText) {
        return fileName.isEmpty() ? strings_.text(text::kMessageNotText)
                                  : strings_.text(text::kMessageFileNotText, {fileName});
    }
    sender = read.sender;
    // The subject may name the month; a reply's prefix says nothing.
    text = read.subject + QLatin1Char('\n') + (read.html ? HtmlText::toText(read.text) : read.text);
    return {};
}

MessageIntake::Result MessageIntake::ReadText(const QString& text, const QString& sender,
                                              int selectedRecord) const {
    std::vector<MessageReader::Name> names;
    for (int index = 1; index <= sheet_.publisherCount(); ++index) {
        names.push_back({sheet_.publisher(index).firstName(), sheet_.publisher(index).surname()});
    }
    Result result;
    result.reading = MessageReader(MessageVocabulary::allLanguages()).Read(text, names);
    std::vector<int> named;
    for (const int position : result.reading.named) {
        named.push_back(position + 1);
    }
    std::vector<int> bySender;
    for (int index = 1; !sender.isEmpty() && index <= sheet_.publisherCount(); ++index) {
        if (sheet_.publisher(index).email().trimmed().compare(sender, Qt::CaseInsensitive) == 0) {
            bySender.push_back(index);
        }
    }
    // Members of a family may share an address: their name then tells them apart.
    std::vector<int> namedSenders;
    for (const int index : bySender) {
        if (std::find(named.begin(), named.end(), index) != named.end()) {
            namedSenders.push_back(index);
        }
    }
    if (!bySender.empty()) {
        result.way = Way::Sender;
        result.publishers = namedSenders.size() == 1 ? namedSenders : bySender;
    } else if (!named.empty()) {
        result.way = Way::Name;
        result.publishers = named;
    } else if (selectedRecord > 0) {
        result.publishers = {selectedRecord};
    } else {
        result.refusal = strings_.text(text::kMessageNoPublisher);
    }
    return result;
}

QString MessageIntake::itemText(MessageReading::Field field) const {
    return strings_.text(text::kMessageFieldNames + field);
}

QString MessageIntake::Line(const Result& result) const {
    const MessageReading& reading = result.reading;
    const ReportFigures& figures = reading.figures;
    QStringList read;
    if (result.way != Way::Selected) {
        read << strings_.text(result.way == Way::Sender ? text::kMessageBySender
                                                        : text::kMessageByName);
    }
    const auto item = [this](MessageReading::Field field, const QString& value) {
        return itemText(field) + QLatin1Char(' ') + value;
    };
    if (figures.month) {
        read << item(MessageReading::Month, wording_.MonthName(*figures.month, true));
    }
    if (figures.inService) {
        read << item(MessageReading::InService,
                     strings_.text(*figures.inService ? text::kMessageYes : text::kMessageNo));
    }
    if (!figures.hours.isEmpty()) {
        read << item(MessageReading::Hours, figures.hours);
    }
    if (figures.studies) {
        read << item(MessageReading::Studies, QString::number(*figures.studies));
    }
    if (figures.credit) {
        read << item(MessageReading::Credit, QString::number(*figures.credit));
    }
    if (figures.auxiliary) {
        read << strings_.text(text::kMessageAuxiliary);
    }
    if (figures.remark) {
        read << item(MessageReading::Remark,
                     strings_.text(text::kMessageRemarkValue, {*figures.remark}));
    }
    QStringList unclear;
    for (const MessageReading::Field field : reading.unclear) {
        unclear << itemText(field);
    }
    for (const QString& number : reading.unboundNumbers) {
        unclear << strings_.text(text::kMessageUnboundNumber, {number});
    }

    QStringList line;
    if (result.way == Way::Selected) {
        line << strings_.text(text::kMessageNoName);
    }
    const QString separator = QStringLiteral(", ");
    line << (read.isEmpty() ? strings_.text(text::kMessageNothingRead)
                            : strings_.text(text::kMessageRead, {read.join(separator)}));
    if (!unclear.isEmpty()) {
        line << strings_.text(text::kMessageUnclear, {unclear.join(separator)});
    }
    return line.join(QLatin1Char(' '));
}

} // namespace fyn
