#include "SheetSender.h"

#include "GroupSheet.h"
#include "Mailer.h"
#include "MailerFactory.h"
#include "MessageBoxes.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QFileInfo>

namespace fyn {

namespace {
const QString kSheetExtension = QStringLiteral(".t09");
const QString kUpdatedExtension = QStringLiteral(".t19");
} // namespace

QString SheetSender::UpdatedSheetPath(const QString& sheetPath) {
    const QString absolute = QFileInfo(sheetPath).absoluteFilePath();
    return absolute.left(absolute.size() - kSheetExtension.size()) + kUpdatedExtension;
}

void SheetSender::SendUpdatedSheet() {
    const QString& sheetPath = context_.sheet.sheetPath();
    if (sheetPath.right(kSheetExtension.size()).compare(kSheetExtension, Qt::CaseInsensitive) !=
        0) {
        return;
    }
    const QString path = UpdatedSheetPath(sheetPath);
    if (!writeUpdatedSheet(path)) {
        return;
    }
    const StringTable& strings = context_.strings;
    QString notice = strings.text(text::kUpdatedSheetSaved, {path});
    const QString address = context_.sheet.header().secretaryEmail();
    if (!address.contains(QLatin1Char('@'))) {
        context_.messages.inform(notice);
        return;
    }
    notice += strings.text(text::kClickYesToMail) + address + strings.text(text::kOr) +
              strings.text(text::kClickNoToMailLater);
    if (context_.messages.askYesNo(notice, MessageBoxes::Preferred::Yes)) {
        mailUpdatedSheet(path, address);
    }
}

bool SheetSender::writeUpdatedSheet(const QString& path) {
    return context_.tellWriteResult(context_.sheet.Write(path));
}

void SheetSender::mailUpdatedSheet(const QString& path, const QString& address) {
    const StringTable& strings = context_.strings;
    const QString group =
        QStringLiteral("%1 %2").arg(strings.text(text::kGroup)).arg(context_.sheet.groupNumber());
    const QString month = context_.wording.MonthName(context_.sheet.reportMonth);
    const std::unique_ptr<Mailer> mailer = context_.mailers.create();
    if (mailer->TakeError() != Mailer::kNoError) {
        return;
    }
    mailer->SetOriginatorName(QStringLiteral("Fyn"));
    mailer->AddRecipients(address);
    mailer->SetSubject(strings.text(text::kCompiledFiles) + QStringLiteral(" - ") + month +
                       QStringLiteral(" - ") + group);
    mailer->SetBody(month + QLatin1Char(' ') + strings.text(text::kSheetFileFor) +
                    QLatin1Char(' ') + group);
    mailer->AddAttachment(path);
    // A compose window may well have left the file out; only the user can see whether it did.
    const QString checkAttachment = strings.text(text::kCheckAttachment, {path});
    mailer->tellWhenHandedOver(context_.lateReceiver, context_.messages, checkAttachment);
    if (!mailer->Send() || mailer->stillHandingOver()) {
        return;
    }
    context_.messages.inform(
        mailer->composedOnly() ? checkAttachment : strings.text(text::kUpdatedSheetSent, {address}),
        MessageBoxes::Icon::Information);
}

} // namespace fyn
