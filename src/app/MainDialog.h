#pragma once

#include "Contact.h"
#include "MainWindowModel.h"
#include "ReportFigures.h"
#include "RunContacts.h"

#include <QDialog>

class QListWidget;
class QMimeData;

namespace fyn {

class ContactStore;
class Dialer;
class FilePicker;
class PrinterAccess;
class MailerFactory;

// The program's one top-level window: the group's publishers, the month's counts, the
// selected publisher's contacts, and the commands that start every other activity. What it
// shows and when it writes is decided by MainWindowModel; the window holds the widgets.
class MainDialog : public QDialog {
    Q_OBJECT

public:
    struct Services {
        MessageBoxes& messages;
        FilePicker& files;
        Clock& clock;
        Settings& settings;
        SheetBackup& backup;
        const StringTable& strings;
        PrinterAccess& printers;
        const MailerFactory& mailers;
        Dialer& dialer;
        // Where reminders and calls are recorded; null keeps none. Opened when first used.
        ContactStore* contactLog = nullptr;
    };

    MainDialog(const Services& services, QString commandLine, QWidget* parent = nullptr);
    ~MainDialog() override;

    void OpenWindow();
    void FillPublisherList();
    void ShowSelectedPublisher();
    void RefreshStatus();
    void OpenReport();
    void ToggleFilter();
    void NextPhoneNumber();
    void DialPhoneNumber();
    void ShowEmailSample();
    void SendReminderEmail();
    void OpenPreview();
    void LoadNewSheet();
    void SendUpdatedSheet();
    void ShowHelpTips();
    void ShowAbout();
    // Ctrl+V, a drop, or the context menu's entry: the report dialog filled from a publisher's
    // message (a text, a report link or an e-mail file).
    void OpenReportFromMessage(const QMimeData& message);
    // Ctrl+E: the reminder dialog for everyone still missing.
    void RemindMissing();
    // Ctrl+R: the group's last twelve months.
    void ShowGroupYear();
    // Writes the sheet back and stores the settings; false when the user chose to stay.
    bool CloseProgram();

    // Writes the sheet back into its .t09 file when it qualifies; true when nothing had to be
    // written or the write succeeded. Every accepted report and every close goes through here.
    bool WriteBack();

    MainWindowModel& model() { return model_; }
    GroupSheet& sheet() { return model_.sheet(); }
    const Wording& wording() const { return model_.wording(); }
    MessageBoxes& messages() { return services_.messages; }
    const QString& lastEntryName() const { return model_.lastEntryName(); }
    void setLastEntryName(const QString& name) { model_.setLastEntryName(name); }

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    template <class Control> Control* control(int id) const;
    // Shows the model's state; the list is rebuilt only when its entries changed.
    void showState();
    void showList();
    // What a screen reader reads for each row, which changes as reports come in.
    void showRowsInWords();
    void focusList();
    void connectControls();
    void addAboutEntry();
    void addReminderEntry();
    void addYearEntry();
    void addMessageEntry();
    // Records what became of a contact with the publisher described; a box tells the log's
    // first failure in this run.
    void recordContact(const Contact& contact);
    Contact describeContact(int index, Contact::Channel channel, const QString& address);
    // True when the publisher was reminded within a day; lastReminder then says when and how.
    bool remindedRecently(int index, QString& lastReminder);
    // On month, an earlier month of the report month's year, when it is not -1; filled in with
    // what a message said, when there are figures.
    void openReportDialog(int index, int month = -1, const ReportFigures* figures = nullptr,
                          const QString& messageLine = {});

    Services services_;
    QString commandLine_;
    MainWindowModel model_;
    // Everyone reminded or called in this run, whatever becomes of the log.
    RunContacts contacts_;
    int shownListRevision_ = -1;
    bool closing_ = false;
    bool dialingAsked_ = false;

    QListWidget* list_ = nullptr;
};

} // namespace fyn
