#include "ReminderSender.h"

#include "Mailer.h"
#include "MailerFactory.h"
#include "MessageBoxes.h"
#include "StringTable.h"
#include "TextIds.h"

namespace fyn {

ReminderSender::Outcome
ReminderSender::SendReminderEmail(const QString& address, const QString& monthName,
                                  bool showAddress, const QObject* lateReceiver, const Late& late) {
    if (showAddress) {
        context_.messages.inform(address);
    }
    const std::unique_ptr<Mailer> mailer = context_.mailers.create();
    if (mailer->TakeError() != Mailer::kNoError) {
        return Outcome::NotSent;
    }
    mailer->SetOriginatorName(QStringLiteral("Fyn"));
    mailer->AddRecipients(address);
    mailer->SetSubject(QStringLiteral("Report"));
    mailer->SetBody(context_.strings.text(text::kReminderBody, {monthName}));
    mailer->tellWhenHandedOver(lateReceiver, context_.messages,
                               context_.strings.text(text::kMailComposed),
                               [late](bool opened, const QString& failure) {
                                   late(opened ? Outcome::Composed : Outcome::Failed, failure);
                               });
    if (!mailer->Send()) {
        failureDetail_ = mailer->failureDetail().isEmpty()
                             ? context_.strings.text(text::kSendMailFailed)
                             : mailer->failureDetail();
        return mailer->mayHaveBeenSent() ? Outcome::MayHaveGone : Outcome::Failed;
    }
    if (mailer->stillHandingOver()) {
        return Outcome::HandingOver;
    }
    if (mailer->composedOnly()) {
        context_.messages.inform(context_.strings.text(text::kMailComposed));
        return Outcome::Composed;
    }
    return Outcome::Sent;
}

} // namespace fyn
