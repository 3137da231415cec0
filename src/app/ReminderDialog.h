#pragma once

#include "MonthContacts.h"
#include "ReminderList.h"

#include <QDialog>
#include <memory>

class QListWidget;
class QListWidgetItem;
class QProgressDialog;

namespace fyn {

class Clock;
class ContactStore;
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
        // Null when there is no log to keep contacts in.
        ContactStore* contactLog;
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
    void tellLogResult(const ContactLogResult& result);

    Context context_;
    std::unique_ptr<MonthContacts> contacts_;
    ReminderList list_;
    QListWidget* rows_ = nullptr;
    std::unique_ptr<QProgressDialog> progress_;
};

} // namespace fyn
