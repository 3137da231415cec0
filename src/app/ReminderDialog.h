#pragma once

#include "BulkReminder.h"
#include "MonthContacts.h"
#include "ReminderList.h"

#include <QDialog>
#include <memory>

class QListWidget;
class QListWidgetItem;
class QProgressDialog;

namespace fyn {

class Clock;
class RunContacts;
class GroupSheet;
class MailerFactory;
class MessageBoxes;
class StringTable;
class Wording;

// Reminds everyone still missing the report month at once. The rows and which are ticked come
// from ReminderList; the sending from BulkReminder; every contact goes to the contact log.
class ReminderDialog : public QDialog {
    Q_OBJECT

public:
    struct Context {
        const GroupSheet& sheet;
        const Wording& wording;
        const StringTable& strings;
        MessageBoxes& messages;
        const MailerFactory& mailers;
        const Clock& clock;
        // This run's contacts in front of the contact log; they outlive the dialog.
        RunContacts& contacts;
        // A mail client that takes the message only after the dialog has closed is recorded
        // and told as long as this exists: the main window.
        const QObject* owner = nullptr;
    };

    ReminderDialog(const Context& context, QWidget* parent = nullptr);
    ~ReminderDialog() override;

    void SendToTicked();
    const ReminderList& reminders() const { return list_; }

private:
    void showRows();
    void itemChanged(QListWidgetItem* item);
    void updateSendButton();
    bool showProgress(int done, int total);
    // Reads the month's contacts afresh: another window of Fyn may have reminded someone.
    void readContacts();
    BulkReminder::Recorder recorder(const QList<BulkReminder::Recipient>& recipients) const;

    Context context_;
    MonthContacts contacts_;
    ReminderList list_;
    QListWidget* rows_ = nullptr;
    std::unique_ptr<QProgressDialog> progress_;
};

} // namespace fyn
