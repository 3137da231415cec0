#include "MimeComposer.h"

#include <QSysInfo>
#include <algorithm>
#include <gmime/gmime.h>
#include <memory>

namespace fyn {

namespace {

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T> using GObjectPtr = std::unique_ptr<T, ObjectUnref>;

GObjectPtr<GMimeDataWrapper> wrap(const QByteArray& bytes) {
    GObjectPtr<GMimeStream> stream(
        g_mime_stream_mem_new_with_buffer(bytes.constData(), static_cast<size_t>(bytes.size())));
    return GObjectPtr<GMimeDataWrapper>(
        g_mime_data_wrapper_new_with_stream(stream.get(), GMIME_CONTENT_ENCODING_DEFAULT));
}

GObjectPtr<GMimeTextPart> textPart(const QString& body) {
    GObjectPtr<GMimeTextPart> part(g_mime_text_part_new_with_subtype("plain"));
    g_mime_part_set_content(GMIME_PART(part.get()), wrap(body.toUtf8()).get());
    g_mime_text_part_set_charset(part.get(), "utf-8");
    g_mime_part_set_content_encoding(GMIME_PART(part.get()),
                                     GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE);
    return part;
}

GObjectPtr<GMimePart> attachmentPart(const MailAttachment& attachment) {
    GObjectPtr<GMimePart> part(g_mime_part_new_with_type("application", "octet-stream"));
    g_mime_part_set_content(part.get(), wrap(attachment.content).get());
    g_mime_part_set_content_encoding(part.get(), GMIME_CONTENT_ENCODING_BASE64);
    g_mime_part_set_filename(part.get(), attachment.fileName.toUtf8().constData());
    return part;
}

// The right-hand side of the Message-ID: the sender's domain, else this machine's name when it
// is a plain host name.
QByteArray messageIdDomain(const QString& fromAddress) {
    const qsizetype at = fromAddress.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        return fromAddress.mid(at + 1).toLatin1();
    }
    const QString host = QSysInfo::machineHostName();
    const bool plain = !host.isEmpty() && std::all_of(host.begin(), host.end(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || c == QLatin1Char('.') ||
               c == QLatin1Char('-');
    });
    return plain ? host.toLatin1() : QByteArrayLiteral("localhost");
}

} // namespace

QByteArray MimeComposer::Compose(const MailContent& content, const QString& originatorName,
                                 const QString& fromAddress, const QDateTime& date) {
    // GMime only counts further calls; once shut down it cannot start again, so it stays up.
    g_mime_init();
    GObjectPtr<GMimeMessage> message(g_mime_message_new(TRUE));
    if (!fromAddress.isEmpty()) {
        g_mime_message_add_mailbox(message.get(), GMIME_ADDRESS_TYPE_FROM,
                                   originatorName.toUtf8().constData(),
                                   fromAddress.toUtf8().constData());
    }
    for (const QString& recipient : content.recipients) {
        g_mime_message_add_mailbox(message.get(), GMIME_ADDRESS_TYPE_TO, nullptr,
                                   recipient.toUtf8().constData());
    }
    g_mime_message_set_subject(message.get(), content.subject.toUtf8().constData(), "utf-8");

    GDateTime* when = g_date_time_new_from_unix_utc(date.toSecsSinceEpoch());
    GDateTime* local = g_date_time_to_local(when);
    g_mime_message_set_date(message.get(), local);
    g_date_time_unref(local);
    g_date_time_unref(when);

    char* id = g_mime_utils_generate_message_id(messageIdDomain(fromAddress).constData());
    g_mime_message_set_message_id(message.get(), id);
    g_free(id);
    g_mime_object_set_header(GMIME_OBJECT(message.get()), "MIME-Version", "1.0", nullptr);

    GObjectPtr<GMimeTextPart> text = textPart(content.body);
    if (content.attachments.isEmpty()) {
        g_mime_message_set_mime_part(message.get(), GMIME_OBJECT(text.get()));
    } else {
        GObjectPtr<GMimeMultipart> mixed(g_mime_multipart_new_with_subtype("mixed"));
        g_mime_multipart_add(mixed.get(), GMIME_OBJECT(text.get()));
        for (const MailAttachment& attachment : content.attachments) {
            g_mime_multipart_add(mixed.get(), GMIME_OBJECT(attachmentPart(attachment).get()));
        }
        g_mime_message_set_mime_part(message.get(), GMIME_OBJECT(mixed.get()));
    }

    GObjectPtr<GMimeStream> out(g_mime_stream_mem_new());
    g_mime_object_write_to_stream(GMIME_OBJECT(message.get()), nullptr, out.get());
    const GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out.get()));
    return QByteArray(reinterpret_cast<const char*>(bytes->data),
                      static_cast<qsizetype>(bytes->len));
}

} // namespace fyn

void fynComposeMimeMessage(const fyn::MailContent& content, const QString& originatorName,
                           const QString& fromAddress, const QDateTime& date, QByteArray& message) {
    message = fyn::MimeComposer::Compose(content, originatorName, fromAddress, date);
}
