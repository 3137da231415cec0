// The module "mailread": an e-mail file read with GMime, which knows MIME's structure,
// transfer encodings and header encodings; only a dropped e-mail needs it and the libraries
// it brings.

#include "MailFileText.h"

#include <QByteArray>
#include <QStringDecoder>
#include <gmime/gmime.h>
#include <memory>

namespace fyn {

namespace {

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T> using GObjectPtr = std::unique_ptr<T, ObjectUnref>;

bool isAttachment(GMimeObject* part) {
    GMimeContentDisposition* disposition = g_mime_object_get_content_disposition(part);
    return disposition != nullptr && g_mime_content_disposition_is_attachment(disposition);
}

// The first text part of that subtype, depth first; attached messages are not looked into.
GMimeTextPart* findText(GMimeObject* object, const char* subtype) {
    if (GMIME_IS_MULTIPART(object)) {
        GMimeMultipart* multipart = GMIME_MULTIPART(object);
        for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i) {
            if (GMimeTextPart* found = findText(g_mime_multipart_get_part(multipart, i), subtype)) {
                return found;
            }
        }
        return nullptr;
    }
    if (GMIME_IS_TEXT_PART(object) && !isAttachment(object) &&
        g_mime_content_type_is_type(g_mime_object_get_content_type(object), "text", subtype)) {
        return GMIME_TEXT_PART(object);
    }
    return nullptr;
}

// The part's content without its transfer encoding, in the charset it names.
QString textOf(GMimeTextPart* part) {
    const char* charset = g_mime_text_part_get_charset(part);
    GMimeDataWrapper* content = g_mime_part_get_content(GMIME_PART(part));
    if (content != nullptr && charset != nullptr) {
        QStringDecoder decoder(charset);
        if (decoder.isValid()) {
            GObjectPtr<GMimeStream> decoded(g_mime_stream_mem_new());
            g_mime_data_wrapper_write_to_stream(content, decoded.get());
            const GByteArray* bytes =
                g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(decoded.get()));
            return decoder.decode(QByteArrayView(bytes->data, qsizetype(bytes->len)));
        }
    }
    // A charset that ICU does not know, or none: GMime's own conversion through iconv.
    char* text = g_mime_text_part_get_text(part);
    const QString converted = QString::fromUtf8(text);
    g_free(text);
    return converted;
}

} // namespace

} // namespace fyn

void fynReadMailFile(const QByteArray& file, fyn::MailFileText& read) {
    using namespace fyn;
    // GMime only counts further calls; once shut down it cannot start again, so it stays up.
    g_mime_init();
    GObjectPtr<GMimeStream> stream(
        g_mime_stream_mem_new_with_buffer(file.constData(), static_cast<size_t>(file.size())));
    GObjectPtr<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    GMimeMessage* parsed = g_mime_parser_construct_message(parser.get(), nullptr);
    if (parsed == nullptr) {
        return;
    }
    GObjectPtr<GMimeMessage> message(parsed);
    InternetAddressList* from = g_mime_message_get_from(message.get());
    if (from != nullptr && internet_address_list_length(from) > 0) {
        InternetAddress* address = internet_address_list_get_address(from, 0);
        if (INTERNET_ADDRESS_IS_MAILBOX(address)) {
            read.sender = QString::fromUtf8(
                internet_address_mailbox_get_addr(INTERNET_ADDRESS_MAILBOX(address)));
        }
    }
    read.subject = QString::fromUtf8(g_mime_message_get_subject(message.get()));
    GMimeObject* body = g_mime_message_get_mime_part(message.get());
    if (body == nullptr) {
        return;
    }
    GMimeTextPart* text = findText(body, "plain");
    read.html = text == nullptr;
    if (text == nullptr) {
        text = findText(body, "html");
    }
    if (text != nullptr) {
        read.hasText = true;
        read.text = textOf(text);
    }
}
