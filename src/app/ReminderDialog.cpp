#include "ReminderDialog.h"

#include "BulkReminder.h"
#include "BusyIndicator.h"
#include "Clock.h"
#include "ControlIds.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "GroupSheet.h"
#include "MessageBoxes.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>

namespace fyn {

ReminderDialog::ReminderDialog(const Context& context, QWidget* parent)
    : QDialog(parent), context_(context), list_(context.sheet, context.wording, context.strings) {
    DialogBuilder::build(*this, DialogTemplates::reminders());
    const StringTable& strings = context_.strings;
    setWindowTitle(strings.text(text::kRemindMissingTitle,
                                {context_.wording.MonthName(context_.sheet.reportMonth)}));
    auto* totals = DialogBuilder::control<QLabel>(*this, ReminderControl::Totals);
    totals->setWordWrap(true);
    DialogBuilder::control<QPushButton>(*this, ReminderControl::Send)
        ->setText(strings.text(text::kRemindSendButton));
    DialogBuilder::control<QPushButton>(*this, ReminderControl::Close)
        ->setText(strings.text(text::kRemindCloseButton));
    rows_ = DialogBuilder::control<QListWidget>(*this, ReminderControl::List);

    if (context_.contactLog != nullptr) {
        contacts_ = std::make_unique<MonthContacts>(*context_.contactLog, context_.sheet);
        tellLogResult(contacts_->Load());
    }
    list_.Fill(contacts_.get(), context_.clock.now());
    totals->setText(list_.TotalsLine());
    showRows();
    rows_->setCurrentRow(0);
    rows_->setFocus();

    connect(rows_, &QListWidget::itemChanged, this, &ReminderDialog::itemChanged);
    connect(DialogBuilder::control<QPushButton>(*this, ReminderControl::Send),
            &QPushButton::clicked, this, &ReminderDialog::SendToTicked);
    connect(DialogBuilder::control<QPushButton>(*this, ReminderControl::Close),
            &QPushButton::clicked, this, &ReminderDialog::reject);
}

ReminderDialog::~ReminderDialog() = default;

void ReminderDialog::showRows() {
    const QSignalBlocker blocker(rows_);
    const int current = rows_->currentRow();
    rows_->clear();
    for (int row = 0; row < static_cast<int>(list_.rows().size()); ++row) {
        const ReminderList::Row& shown = list_.rows()[static_cast<std::size_t>(row)];
        auto* item = new QListWidgetItem(list_.RowText(row), rows_);
        item->setToolTip(item->text());
        // A row without an address to use shows no box at all: it cannot be ticked.
        if (shown.tickable()) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(shown.ticked ? Qt::Checked : Qt::Unchecked);
        } else {
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        }
    }
    rows_->setCurrentRow(current);
    updateSendButton();
}

void ReminderDialog::itemChanged(QListWidgetItem* item) {
    const int row = rows_->row(item);
    if (row < 0 || !list_.rows()[static_cast<std::size_t>(row)].tickable()) {
        return;
    }
    const bool wanted = item->checkState() == Qt::Checked;
    if (list_.rows()[static_cast<std::size_t>(row)].ticked != wanted) {
        list_.Toggle(row);
    }
    const QSignalBlocker blocker(rows_);
    item->setCheckState(list_.rows()[static_cast<std::size_t>(row)].ticked ? Qt::Checked
                                                                           : Qt::Unchecked);
    updateSendButton();
}

void ReminderDialog::updateSendButton() {
    auto* send = DialogBuilder::control<QPushButton>(*this, ReminderControl::Send);
    send->setEnabled(list_.anyTicked());
    send->setDefault(true);
}

void ReminderDialog::tellLogResult(const ContactLogResult& result) {
    if (result.firstOfRun) {
        context_.messages.inform(result.Describe(context_.strings), MessageBoxes::Icon::Warning);
    }
}

bool ReminderDialog::showProgress(int done, int total) {
    if (done >= total) {
        progress_.reset();
        return true;
    }
    if (!progress_) {
        progress_ = std::make_unique<QProgressDialog>(
            QString(), context_.strings.text(text::kCancelButton), 0, total, this);
        progress_->setWindowModality(Qt::WindowModal);
        // Cancel, pressed while a message is on its way, must still count between two.
        progress_->setProperty(BusyIndicator::kStaysEnabled, true);
        progress_->setMinimumDuration(0);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
    }
    progress_->setLabelText(context_.strings.text(
        text::kRemindProgress, {QString::number(done + 1), QString::number(total)}));
    progress_->setValue(done);
    return !progress_->wasCanceled();
}

void ReminderDialog::SendToTicked() {
    QList<BulkReminder::Recipient> recipients;
    for (const int row : list_.tickedRows()) {
        const ReminderList::Row& ticked = list_.rows()[static_cast<std::size_t>(row)];
        recipients.append({ticked.index, ticked.name, ticked.address});
    }
    if (recipients.isEmpty()) {
        return;
    }
    BulkReminder({context_.mailers, context_.messages, context_.strings})
        .Send(
            recipients, context_.wording.MonthName(context_.sheet.reportMonth),
            [this](int done, int total) { return showProgress(done, total); },
            [this](const BulkReminder::Delivery& delivery) {
                if (contacts_) {
                    tellLogResult(contacts_->Record(
                        delivery.index,
                        delivery.toMailClient ? Contact::Channel::MailClient
                                              : Contact::Channel::Email,
                        delivery.address, context_.clock.now(), delivery.failure));
                }
            });
    progress_.reset();
    list_.RefreshContacts(contacts_.get(), context_.clock.now());
    showRows();
    rows_->setFocus();
}

} // namespace fyn
