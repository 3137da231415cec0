#pragma once

#include "GroupSheet.h"
#include "PublisherContacts.h"
#include "Wording.h"

#include <QString>
#include <optional>
#include <vector>

namespace fyn {

class Clock;
class MessageBoxes;
class Settings;
class SheetBackup;
class StringTable;

// Everything the main window decides, without a widget: the sheet and its months, the list
// and its selection, what the contact buttons and the counts show, and when the sheet goes
// back to disk. The window only shows this state and forwards its buttons, so every decision
// can be tested without a display.
class MainWindowModel {
public:
    struct Services {
        MessageBoxes& messages;
        Clock& clock;
        Settings& settings;
        SheetBackup& backup;
        const StringTable& strings;
    };

    struct ListEntry {
        int record = 0;
        QString text;
    };

    // The selected publisher's part of the window. It keeps what it showed while the list is
    // empty or the sheet has a single publisher, as the selection display stays inert then.
    struct PublisherPanel {
        QString reportCaption; // empty until a publisher was shown: the template's caption
        bool phoneShown = true;
        QString phoneText;
        bool dialShown = false;
        bool nextPhoneShown = false;
        bool reminderShown = false;
        QString reminderCaption;
    };

    // Empty and hidden until the first refresh, as the window opens with the template's texts.
    struct Status {
        QString title;
        QString missingCount;
        QString totalCount;
        QString lastEntry;
        bool sheetCommandsShown = false; // preview and sending
        bool filterShown = false;
    };

    // What the file dialog for another sheet is asked.
    struct SheetRequest {
        QString title;
        QString filterDescription;
        QString pattern;
        QString initialFolder;
    };

    explicit MainWindowModel(const Services& services);

    // Months from today's date, then the sheet of the command line (a relative one made full
    // against the working folder), else of "LoadPath" (a full path only). A sheet that cannot
    // be read is told, and the window opens empty.
    void OpenWindow(const QString& commandLine);
    void FillPublisherList();
    // row: the list position the user selected, -1 for none.
    void ShowSelectedPublisher(int row);
    void RefreshStatus();
    void ToggleFilter(bool onlyNotSubmitted);
    void NextPhoneNumber();
    void ShowEmailSample();
    void ShowHelpTips();

    // The record to open a report for at the selected row, 0 when there is none.
    int StartReport(int row);
    // Every accepted report goes to disk at once, so a crash loses nothing accepted.
    void ReportAccepted(const QString& publisherName);
    void ReportClosed();

    SheetRequest LoadRequest() const;
    // Loads the chosen sheet (nothing for a cancelled dialog) after writing the current one
    // back. When that write fails the user may still switch and lose the unsaved reports.
    void LoadNewSheet(const std::optional<QString>& chosen);

    // Writes the sheet back into its .t09 file (any case) when it has more than one publisher;
    // true when nothing had to be written or the write succeeded.
    bool WriteBack();
    // Writes back and stores both settings; false when the write failed and the user chose to
    // stay.
    bool CloseProgram();

    // The dial button needs a number and something to dial with.
    void setDialingAvailable(bool available) { dialingAvailable_ = available; }

    const std::vector<ListEntry>& entries() const { return entries_; }
    // Bumped whenever the entries change, so the window rebuilds its list only then.
    int listRevision() const { return listRevision_; }
    // The selected list position, -1 while the list is empty.
    int selectedRow() const { return entries_.empty() ? -1 : currentSelection_; }
    int selectedRecord() const;
    // A row as a screen reader reads it: the name, and that the report is missing.
    QString RowInWords(int row) const;
    const PublisherPanel& panel() const { return panel_; }
    const Status& status() const { return status_; }
    const PublisherContacts& contacts() const { return contacts_; }

    GroupSheet& sheet() { return sheet_; }
    const GroupSheet& sheet() const { return sheet_; }
    const Wording& wording() const { return wording_; }
    const QString& lastEntryName() const { return lastEntryName_; }
    void setLastEntryName(const QString& name) { lastEntryName_ = name; }
    bool onlyNotSubmitted() const { return onlyNotSubmitted_; }
    const QString& startDirectory() const { return startDirectory_; }

private:
    bool loadSheet(const QString& path);
    bool mayDropUnsavedReports();
    void showPhoneNumber();
    int missingCount() const;

    Services services_;
    GroupSheet sheet_;
    Wording wording_;
    QString startDirectory_;
    QString lastEntryName_;
    bool onlyNotSubmitted_ = false;
    bool dialingAvailable_ = false;
    int currentSelection_ = 0;
    std::vector<ListEntry> entries_;
    int listRevision_ = 0;
    PublisherContacts contacts_;
    PublisherPanel panel_;
    Status status_;
};

} // namespace fyn
