#include "BulkReminder.h"

#include "MailAddress.h"
#include "Mailer.h"
#include "MailerFactory.h"
#include "MessageBoxes.h"
#include "StringTable.h"
#include "TextIds.h"

namespace fyn {

namespace {

const QString kSubject = QStringLiteral("Report");
const QString kOriginator = QStringLiteral("Fyn");

// Keeps what a mailer would have shown, so that the run's failures make one box.
class CollectedMessages final : public MessageBoxes {
public:
    void inform(const QString& text, Icon /*icon*/) override { last = text; }
    bool askYesNo(const QString& /*text*/) override { return false; }

    QString last;
};

} // namespace

void BulkReminder::Send(const QList<Recipient>& recipients, const QString& monthName,
                        const Progress& progress, const Recorder& record) {
    if (recipients.isEmpty()) {
        return;
    }
    // The first mailer tells the user when no mail system is set up, once.
    const std::unique_ptr<Mailer> probe = services_.mailers.create();
    if (probe->TakeError() != Mailer::kNoError) {
        return;
    }
    const QString body = services_.strings.text(text::kReminderBody, {monthName});
    if (probe->usesCommand()) {
        sendEach(recipients, body, progress, record);
    } else {
        composeOne(*probe, recipients, body, record);
    }
}

void BulkReminder::sendEach(const QList<Recipient>& recipients, const QString& body,
                            const Progress& progress, const Recorder& record) {
    const int total = static_cast<int>(recipients.size());
    int tried = 0;
    int sent = 0;
    QStringList failures;
    for (const Recipient& recipient : recipients) {
        if (!progress(tried, total)) {
            break;
        }
        ++tried;
        CollectedMessages collected;
        const std::unique_ptr<Mailer> mailer = services_.mailers.create(collected);
        QString failure;
        if (mailer->TakeError() != Mailer::kNoError) {
            failure = collected.last;
        } else {
            mailer->SetOriginatorName(kOriginator);
            mailer->AddRecipients(recipient.address);
            mailer->SetSubject(kSubject);
            mailer->SetBody(body);
            if (!mailer->Send()) {
                failure =
                    mailer->failureDetail().isEmpty() ? collected.last : mailer->failureDetail();
                if (failure.isEmpty()) {
                    failure = services_.strings.text(text::kSendMailFailed);
                }
            }
        }
        if (failure.isEmpty()) {
            ++sent;
        } else {
            failures
                << QStringLiteral("%1 <%2>: %3").arg(recipient.name, recipient.address, failure);
        }
        record({recipient.index, recipient.address, false, failure});
    }
    // The run is over, cancelled or not.
    progress(total, total);
    QString summary =
        services_.strings.text(text::kRemindSent, {QString::number(sent), QString::number(total)});
    if (!failures.isEmpty()) {
        summary += QStringLiteral("\n\n") + services_.strings.text(text::kRemindFailures) +
                   QStringLiteral("\n") + failures.join(QStringLiteral("\n"));
    }
    services_.messages.inform(summary, failures.isEmpty() ? MessageBoxes::Icon::Information
                                                          : MessageBoxes::Icon::Warning);
}

void BulkReminder::composeOne(Mailer& mailer, const QList<Recipient>& recipients,
                              const QString& body, const Recorder& record) {
    QStringList addresses;
    for (const Recipient& recipient : recipients) {
        addresses << recipient.address;
    }
    mailer.SetOriginatorName(kOriginator);
    // Nobody in To sees the others' addresses; the user's own address, when known, stands
    // there for clients that want a recipient.
    if (MailAddress::IsValid(mailer.fromAddress())) {
        mailer.AddRecipients(mailer.fromAddress());
    }
    mailer.AddBlindCopies(addresses);
    mailer.SetSubject(kSubject);
    mailer.SetBody(body);
    const bool handedOver = mailer.Send();
    QString failure;
    if (!handedOver) {
        failure = mailer.failureDetail().isEmpty() ? services_.strings.text(text::kSendMailFailed)
                                                   : mailer.failureDetail();
    }
    for (const Recipient& recipient : recipients) {
        record({recipient.index, recipient.address, true, failure});
    }
    if (handedOver) {
        services_.messages.inform(services_.strings.text(
            text::kRemindComposed, {QString::number(static_cast<int>(recipients.size()))}));
    }
}

} // namespace fyn
