#include "MainWindowModel.h"

#include "Clock.h"
#include "MessageBoxes.h"
#include "Settings.h"
#include "SheetBackup.h"
#include "SheetMessages.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace fyn {

namespace {

const QString kSection = QStringLiteral("Last");
const QString kLoadPathKey = QStringLiteral("LoadPath");
const QString kPostKey = QStringLiteral("Post");

bool endsWithSheetExtension(const QString& path) {
    return path.right(4).compare(QStringLiteral(".t09"), Qt::CaseInsensitive) == 0;
}

// Bytes that the code page leaves undefined read as U+FFFD.
bool namesOutsideCodePage(const GroupSheet& sheet) {
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        const PublisherView publisher = sheet.publisher(index);
        if (publisher.firstName().contains(QChar::ReplacementCharacter) ||
            publisher.surname().contains(QChar::ReplacementCharacter)) {
            return true;
        }
    }
    return false;
}

} // namespace

MainWindowModel::MainWindowModel(const Services& services)
    : services_(services), wording_(services.strings, sheet_) {}

void MainWindowModel::OpenWindow(const QString& commandLine) {
    startDirectory_ = QDir::currentPath();
    QString loadPath = services_.settings.ReadSetting(kSection, kLoadPathKey);
    // Nothing says which folder a relative "LoadPath" meant; taking the working folder could
    // open and write back another sheet of the same name.
    if (QDir::isRelativePath(loadPath)) {
        loadPath.clear();
    }
    // "LoadPath" names the last sheet that did load, until another one loads: a sheet that
    // cannot be read today (a stick left out) is still the one to open next time.
    sheet_.setSheetPath(loadPath);
    QString sheetPath = loadPath;
    if (endsWithSheetExtension(commandLine)) {
        // Typed in the sheet's folder, the name means that folder; the next start from the
        // menu runs elsewhere and must still find the same file through "LoadPath".
        sheetPath = QDir(startDirectory_).absoluteFilePath(commandLine);
    }
    lastEntryName_ = services_.settings.ReadSetting(kSection, kPostKey);
    wording_.setLanguageCode(services_.strings.text(text::kLanguageCode));
    sheet_.SetMonthsFromDate(services_.clock.today());
    status_ = Status{};
    if (endsWithSheetExtension(sheetPath) && loadSheet(sheetPath)) {
        FillPublisherList();
        RefreshStatus();
    }
    onlyNotSubmitted_ = false;
}

void MainWindowModel::FillPublisherList() {
    entries_.clear();
    for (int i = 1; i <= sheet_.publisherCount(); ++i) {
        if (!onlyNotSubmitted_ || sheet_.IsReportMissing(i, sheet_.reportMonth, sheet_.yearSlot)) {
            entries_.push_back({i, wording_.PublisherName(i, true)});
        }
    }
    ++listRevision_;
    // The selection keeps its position, not its publisher: with the filter on, the publisher
    // who just reported leaves and the next one still missing takes the place.
    if (currentSelection_ > static_cast<int>(entries_.size()) - 1) {
        currentSelection_ = 0;
    }
    ShowSelectedPublisher(selectedRow());
}

void MainWindowModel::ShowSelectedPublisher(int row) {
    if (sheet_.publisherCount() < 2 || row < 0 || row >= static_cast<int>(entries_.size())) {
        return;
    }
    currentSelection_ = row;
    const int index = entries_[static_cast<std::size_t>(row)].record;
    panel_.reportCaption =
        services_.strings.text(text::kOkCaption, {wording_.PublisherName(index, false)});
    contacts_ = PublisherContacts::SelectPublisherContacts(sheet_, index);
    panel_.phoneShown = contacts_.phoneCount >= 1;
    if (panel_.phoneShown) {
        showPhoneNumber();
    } else {
        panel_.phoneText.clear();
    }
    panel_.dialShown = panel_.phoneShown && dialingAvailable_;
    panel_.nextPhoneShown = contacts_.phoneCount >= 2;
    panel_.reminderShown = !contacts_.publisherEmail.isEmpty();
    if (panel_.reminderShown) {
        panel_.reminderCaption =
            services_.strings.text(text::kReminderCaption, {contacts_.publisherEmail});
    }
}

void MainWindowModel::showPhoneNumber() {
    panel_.phoneText = contacts_.phoneNumbers[static_cast<std::size_t>(contacts_.phoneIndex)];
}

int MainWindowModel::missingCount() const {
    int missing = 0;
    for (int i = 1; i <= sheet_.publisherCount(); ++i) {
        missing += sheet_.IsReportMissing(i, sheet_.reportMonth, sheet_.yearSlot) ? 1 : 0;
    }
    return missing;
}

void MainWindowModel::RefreshStatus() {
    const StringTable& strings = services_.strings;
    const QString month = wording_.MonthName(sheet_.reportMonth);
    const QString group =
        QStringLiteral("%1 %2").arg(strings.text(text::kGroup)).arg(sheet_.groupNumber());
    status_.title =
        QStringLiteral("%1 - %2 ").arg(strings.text(text::kSubmittedReports, {month}), group);
    status_.missingCount = QStringLiteral("%1 = %2")
                               .arg(strings.text(text::kMissingReports, {month}))
                               .arg(missingCount());
    status_.totalCount = QStringLiteral("%1 = %2")
                             .arg(strings.text(text::kTotalPublishers))
                             .arg(sheet_.publisherCount());
    status_.lastEntry = lastEntryName_;
    status_.sheetCommandsShown = !entries_.empty();
    status_.filterShown = sheet_.publisherCount() != 0;
}

void MainWindowModel::ToggleFilter(bool onlyNotSubmitted) {
    onlyNotSubmitted_ = onlyNotSubmitted;
    FillPublisherList();
}

void MainWindowModel::NextPhoneNumber() {
    if (contacts_.phoneCount == 0) {
        return;
    }
    contacts_.phoneIndex = (contacts_.phoneIndex + 1) % contacts_.phoneCount;
    showPhoneNumber();
}

void MainWindowModel::ShowEmailSample() {
    services_.messages.inform(services_.strings.text(
        text::kReminderBody, {wording_.MonthName(sheet_.reportMonth, true)}));
}

void MainWindowModel::ShowHelpTips() {
    QString tips;
    for (int id = text::kHelpFirst; id <= text::kHelpLast; ++id) {
        tips += services_.strings.text(id);
    }
    tips += services_.strings.text(text::kYearHelp);
    services_.messages.inform(tips, MessageBoxes::Icon::Information);
}

int MainWindowModel::selectedRecord() const {
    const int row = selectedRow();
    return row < 0 || row >= static_cast<int>(entries_.size())
               ? 0
               : entries_[static_cast<std::size_t>(row)].record;
}

QString MainWindowModel::RowInWords(int row) const {
    const ListEntry& entry = entries_.at(static_cast<std::size_t>(row));
    return sheet_.IsReportMissing(entry.record, sheet_.reportMonth, sheet_.yearSlot)
               ? services_.strings.text(text::kReportMissingRow, {entry.text})
               : entry.text;
}

int MainWindowModel::StartReport(int row) {
    if (row < 0 || row >= static_cast<int>(entries_.size())) {
        return 0;
    }
    currentSelection_ = row;
    return selectedRecord();
}

void MainWindowModel::ReportAccepted(const QString& publisherName) {
    lastEntryName_ = publisherName;
    RefreshStatus();
    WriteBack();
}

void MainWindowModel::ReportClosed() {
    if (onlyNotSubmitted_) {
        FillPublisherList();
    }
}

MainWindowModel::SheetRequest MainWindowModel::LoadRequest() const {
    SheetRequest request{services_.strings.text(text::kChooseSheetTitle),
                         services_.strings.text(text::kSheetFilterDescription),
                         QStringLiteral("*.t09"), startDirectory_};
    // The folder of the sheet in use, while that sheet is still there.
    const QString& path = sheet_.sheetPath();
    if (path.size() > 8 && QFile(path).open(QIODevice::ReadOnly)) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (slash >= 2) {
            request.initialFolder = path.left(slash);
        }
    }
    return request;
}

void MainWindowModel::LoadNewSheet(const std::optional<QString>& chosen) {
    if (!chosen) {
        QDir::setCurrent(startDirectory_);
        return;
    }
    const QString& path = *chosen;
    if (!path.endsWith(QStringLiteral(".t09")) && !path.endsWith(QStringLiteral(".T09"))) {
        return;
    }
    // The reports entered so far go back into their own file before another sheet replaces
    // them. A sheet that cannot be written (a pulled stick, a read-only medium) must not hold
    // the user in it for good, so the user may let those reports go.
    if (!WriteBack() && !mayDropUnsavedReports()) {
        return;
    }
    if (loadSheet(path)) {
        FillPublisherList();
        lastEntryName_.clear();
        RefreshStatus();
    }
    QDir::setCurrent(startDirectory_);
}

bool MainWindowModel::mayDropUnsavedReports() {
    // Yes drops reports not written yet: Enter must not.
    return services_.messages.askYesNo(
        services_.strings.text(text::kSwitchWithoutSaving, {sheet_.sheetPath()}),
        MessageBoxes::Preferred::No);
}

bool MainWindowModel::WriteBack() {
    const QString& path = sheet_.sheetPath();
    if (!endsWithSheetExtension(path) || sheet_.publisherCount() < 2) {
        return true;
    }
    // Without a copy the report just typed must still reach the file; the user is told once,
    // as the backup is tried once per sheet and run.
    const SheetBackup::Outcome backup = services_.backup.BackUpBeforeOverwrite(
        path, QDateTime(services_.clock.today(), QTime::currentTime()));
    if (!backup) {
        services_.messages.inform(services_.strings.text(
            text::kBackupFailed, {services_.backup.folder(), backup.failure}));
    }
    return SheetMessages::show(sheet_.Write(path), services_.messages, services_.strings);
}

bool MainWindowModel::loadSheet(const QString& path) {
    if (!SheetMessages::show(sheet_.Load(path), services_.messages, services_.strings)) {
        return false;
    }
    // A secretary who writes another code page shows as holes in the names, which only the
    // settings can mend.
    if (namesOutsideCodePage(sheet_)) {
        services_.messages.inform(services_.strings.text(
            text::kOtherCodePage, {sheet_.sheetPath(), TextCodec::codePage()}));
    }
    return true;
}

bool MainWindowModel::CloseProgram() {
    if (!WriteBack() && !services_.messages.askYesNo(
                            services_.strings.text(text::kCloseWithoutSaving, {sheet_.sheetPath()}),
                            MessageBoxes::Preferred::No)) {
        return false;
    }
    if (sheet_.buffersAllocated()) {
        sheet_.ReleaseBuffers();
    }
    services_.settings.WriteSetting(kSection, kLoadPathKey, sheet_.sheetPath());
    services_.settings.WriteSetting(kSection, kPostKey, lastEntryName_);
    return true;
}

} // namespace fyn
