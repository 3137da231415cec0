#include "ReminderDialog.h"

#include "BulkReminder.h"
#include "BusyIndicator.h"
#include "Clock.h"
#include "ControlIds.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "GroupSheet.h"
#include "MessageBoxes.h"
#include "RunContacts.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>

namespace fyn {

ReminderDialog::ReminderDialog(const Context& context, QWidget* parent)
    : QDialog(parent), context_(context), contacts_(context.contacts, context.sheet),
      list_(context.sheet, context.wording, context.strings) {
    DialogBuilder::build(*this, DialogTemplates::reminders());
    const StringTable& strings = context_.strings;
    setWindowTitle(strings.text(text::kRemindMissingTitle,
                                {context_.wording.MonthName(context_.sheet.reportMonth, true)}));
    auto* totals = DialogBuilder::control<QLabel>(*this, ReminderControl::Totals);
    totals->setWordWrap(true);
    DialogBuilder::control<QPushButton>(*this, ReminderControl::Send)
        ->setText(strings.text(text::kRemindSendButton));
    DialogBuilder::control<QPushButton>(*this, ReminderControl::Close)
        ->setText(strings.text(text::kRemindCloseButton));
    rows_ = DialogBuilder::control<QListWidget>(*this, ReminderControl::List);
    rows_->setAccessibleName(strings.text(text::kReminderListName));

    DialogBuilder::control<QLabel>(*this, ReminderControl::LogProblem)->setWordWrap(true);
    readContacts();
    list_.Fill(&contacts_, context_.clock.now());
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

void ReminderDialog::readContacts() {
    const ContactLogResult result = contacts_.Load();
    if (result.kind == ContactLogResult::Kind::DoneAfterSettingAside && result.firstOfRun) {
        context_.messages.inform(result.Describe(context_.strings), MessageBoxes::Icon::Warning);
    }
    // Said every time the dialog opens, not once a run: whoever was reminded before this run
    // may be ticked again, and the user must know why.
    auto* problem = DialogBuilder::control<QLabel>(*this, ReminderControl::LogProblem);
    const bool shown = !result.ok();
    problem->setText(result.DescribeUnread(context_.strings));
    if (shown != problem->isHidden()) {
        return;
    }
    problem->setVisible(shown);
    const int below = problem->geometry().bottom() + 1 - rows_->geometry().top();
    rows_->setGeometry(rows_->geometry().adjusted(0, shown ? below : -below, 0, 0));
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
        progress_->show();
    }
    progress_->setLabelText(context_.strings.text(
        text::kRemindProgress, {QString::number(done + 1), QString::number(total)}));
    progress_->setValue(done);
    return !progress_->wasCanceled();
}

BulkReminder::Recorder
ReminderDialog::recorder(const QList<BulkReminder::Recipient>& recipients) const {
    // Who each row is, taken now: a mail client may answer after another sheet was loaded.
    QHash<int, Contact> people;
    for (const BulkReminder::Recipient& recipient : recipients) {
        people.insert(recipient.index, contacts_.Describe(recipient.index, Contact::Channel::Email,
                                                          recipient.address, {}));
    }
    return
        [people, &run = context_.contacts, &clock = context_.clock, &messages = context_.messages,
         &strings = context_.strings](const BulkReminder::Delivery& delivery) {
            using Outcome = BulkReminder::Delivery::Outcome;
            Contact contact = people.value(delivery.index);
            contact.channel =
                delivery.toMailClient ? Contact::Channel::MailClient : Contact::Channel::Email;
            contact.when = clock.now().toUTC();
            contact.detail = delivery.failure;
            if (delivery.outcome == Outcome::HandingOver) {
                run.Expect(contact);
                return;
            }
            contact.result = delivery.outcome == Outcome::Sent     ? Contact::Result::Done
                             : delivery.outcome == Outcome::Failed ? Contact::Result::Failed
                                                                   : Contact::Result::Uncertain;
            const ContactLogResult result = run.Record(contact);
            if (result.firstOfRun) {
                messages.inform(result.Describe(strings), MessageBoxes::Icon::Warning);
            }
        };
}

void ReminderDialog::SendToTicked() {
    // Whoever another window reminded since the dialog opened is no longer ticked.
    readContacts();
    list_.RefreshContacts(&contacts_, context_.clock.now());
    QList<BulkReminder::Recipient> recipients;
    for (const int row : list_.tickedRows()) {
        const ReminderList::Row& ticked = list_.rows()[static_cast<std::size_t>(row)];
        recipients.append({ticked.index, ticked.name, ticked.address});
    }
    if (!recipients.isEmpty()) {
        BulkReminder({context_.mailers, context_.messages, context_.strings})
            .Send(
                recipients, context_.wording.MonthName(context_.sheet.reportMonth, true),
                [this](int done, int total) { return showProgress(done, total); },
                recorder(recipients), context_.owner);
        progress_.reset();
        readContacts();
    }
    list_.RefreshContacts(&contacts_, context_.clock.now());
    showRows();
    rows_->setFocus();
}

} // namespace fyn
