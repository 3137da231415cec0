#pragma once

#include "GroupSheet.h"
#include "PublisherContacts.h"
#include "Wording.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace fyn {

class Clock;
class Dialer;
class FilePicker;
class MailerFactory;
class MessageBoxes;
class Settings;
class SheetBackup;
class StringTable;

// The program's one top-level window: the group's publishers, the month's counts, the
// selected publisher's contacts, and the commands that start every other activity.
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
        const MailerFactory& mailers;
        Dialer& dialer;
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
    // Writes the sheet back and stores the settings; false when the user chose to stay.
    bool CloseProgram();

    // Writes the sheet back into its .t09 file when it qualifies; true when nothing had to be
    // written or the write succeeded. Every accepted report and every close goes through here.
    bool WriteBack();

    GroupSheet& sheet() { return sheet_; }
    const Wording& wording() const { return wording_; }
    MessageBoxes& messages() { return services_.messages; }
    const QString& lastEntryName() const { return lastEntryName_; }
    void setLastEntryName(const QString& name) { lastEntryName_ = name; }
    const PublisherContacts& contacts() const { return contacts_; }
    bool onlyNotSubmitted() const { return onlyNotSubmitted_; }
    const QString& startDirectory() const { return startDirectory_; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    template <class Control> Control* control(int id) const;
    QString groupText() const;
    bool qualifiesForWriteBack() const;
    bool loadSheet(const QString& path);
    QString initialFolderForLoad() const;
    void showPhoneNumber();
    void focusList();
    void connectControls();
    void addAboutEntry();
    void openReportDialog(int index);

    Services services_;
    QString commandLine_;
    GroupSheet sheet_;
    Wording wording_;
    QString startDirectory_;
    QString lastEntryName_;
    bool onlyNotSubmitted_ = false;
    int currentSelection_ = 0;
    PublisherContacts contacts_;
    bool closing_ = false;

    QListWidget* list_ = nullptr;
};

} // namespace fyn
