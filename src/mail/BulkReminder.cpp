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
    bool askYesNo(const QString& /*text*/, Preferred /*preferred*/) override { return false; }

    QString last;
};

} // namespace

void BulkReminder::Send(const QList<Recipient>& recipients, const QString& monthName,
                        const Progress& progress, const Recorder& record,
                        const QObject* lateReceiver) {
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
        composeOne(*probe, recipients, body, record, lateReceiver);
    }
}

void BulkReminder::sendEach(const QList<Recipient>& recipients, const QString& body,
                            const Progress& progress, const Recorder& record) {
    const int total = static_cast<int>(recipients.size());
    int tried = 0;
    int sent = 0;
    QStringList failures;
    QStringList uncertain;
    for (const Recipient& recipient : recipients) {
        if (!progress(tried, total)) {
            break;
        }
        ++tried;
        CollectedMessages collected;
        const std::unique_ptr<Mailer> mailer = services_.mailers.create(collected);
        Delivery delivery{recipient.index, recipient.address, false, Delivery::Outcome::Sent, {}};
        if (mailer->TakeError() != Mailer::kNoError) {
            delivery.outcome = Delivery::Outcome::Failed;
            delivery.failure = collected.last;
        } else {
            mailer->SetOriginatorName(kOriginator);
            mailer->AddRecipients(recipient.address);
            mailer->SetSubject(kSubject);
            mailer->SetBody(body);
            if (!mailer->Send()) {
                delivery.outcome = mailer->mayHaveBeenSent() ? Delivery::Outcome::MayHaveGone
                                                             : Delivery::Outcome::Failed;
                delivery.failure =
                    mailer->failureDetail().isEmpty() ? collected.last : mailer->failureDetail();
                if (delivery.failure.isEmpty()) {
                    delivery.failure = services_.strings.text(text::kSendMailFailed);
                }
            }
        }
        const QString who = QStringLiteral("%1 <%2>").arg(recipient.name, recipient.address);
        switch (delivery.outcome) {
        case Delivery::Outcome::Sent:
            ++sent;
            break;
        case Delivery::Outcome::MayHaveGone:
            uncertain << who;
            break;
        default:
            failures << QStringLiteral("%1: %2").arg(who, delivery.failure);
            break;
        }
        record(delivery);
    }
    // The run is over, cancelled or not.
    progress(total, total);
    QString summary =
        services_.strings.text(text::kRemindSent, {QString::number(sent), QString::number(total)});
    if (!uncertain.isEmpty()) {
        summary += QStringLiteral("\n\n") + services_.strings.text(text::kRemindUncertain) +
                   QStringLiteral("\n") + uncertain.join(QStringLiteral("\n"));
    }
    if (!failures.isEmpty()) {
        summary += QStringLiteral("\n\n") + services_.strings.text(text::kRemindFailures) +
                   QStringLiteral("\n") + failures.join(QStringLiteral("\n"));
    }
    services_.messages.inform(summary, failures.isEmpty() && uncertain.isEmpty()
                                           ? MessageBoxes::Icon::Information
                                           : MessageBoxes::Icon::Warning);
}

void BulkReminder::composeOne(Mailer& mailer, const QList<Recipient>& recipients,
                              const QString& body, const Recorder& record,
                              const QObject* lateReceiver) {
    QStringList addresses;
    QList<Delivery> deliveries;
    for (const Recipient& recipient : recipients) {
        addresses << recipient.address;
        deliveries.append({recipient.index, recipient.address, true, Delivery::Outcome::Sent, {}});
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
    // Told and recorded once the mail client has taken the message, or has failed to.
    const auto recordAll = [deliveries, record](bool opened, const QString& failure) {
        for (Delivery delivery : deliveries) {
            delivery.outcome = opened ? Delivery::Outcome::Sent : Delivery::Outcome::Failed;
            delivery.failure = failure;
            record(delivery);
        }
    };
    const QString composed = services_.strings.text(
        text::kRemindComposed, {QString::number(static_cast<int>(deliveries.size()))});
    mailer.tellWhenHandedOver(lateReceiver, services_.messages, composed, recordAll);
    if (!mailer.Send()) {
        const QString failure = mailer.failureDetail().isEmpty()
                                    ? services_.strings.text(text::kSendMailFailed)
                                    : mailer.failureDetail();
        recordAll(false, failure);
        return;
    }
    if (mailer.stillHandingOver()) {
        for (Delivery delivery : deliveries) {
            delivery.outcome = Delivery::Outcome::HandingOver;
            record(delivery);
        }
        return;
    }
    recordAll(true, {});
    services_.messages.inform(composed);
}

} // namespace fyn
