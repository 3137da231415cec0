#include "MainDialog.h"

#include "AboutDialog.h"
#include "Clock.h"
#include "ControlIds.h"
#include "Dialer.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "FilePicker.h"
#include "MessageBoxes.h"
#include "ReminderSender.h"
#include "ReportDialog.h"
#include "Settings.h"
#include "SheetBackup.h"
#include "SheetMessages.h"
#include "SheetSender.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace fyn {

namespace {

const QString kSection = QStringLiteral("Last");
const QString kLoadPathKey = QStringLiteral("LoadPath");
const QString kPostKey = QStringLiteral("Post");

bool endsWithSheetExtension(const QString& path, Qt::CaseSensitivity sensitivity) {
    return path.right(4).compare(QStringLiteral(".t09"), sensitivity) == 0;
}

// A button caption shows an ampersand only when it is doubled.
QString literalCaption(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

MainDialog::MainDialog(const Services& services, QString commandLine, QWidget* parent)
    : QDialog(parent), services_(services), commandLine_(std::move(commandLine)),
      wording_(services.strings, sheet_) {
    DialogBuilder::build(*this, DialogTemplates::mainWindow());
    list_ = control<QListWidget>(MainWindowControl::PublisherList);
    connectControls();
    addAboutEntry();
}

MainDialog::~MainDialog() = default;

template <class Widget> Widget* MainDialog::control(int id) const {
    return DialogBuilder::control<Widget>(*this, id);
}

void MainDialog::connectControls() {
    connect(control<QPushButton>(MainWindowControl::OpenReport), &QPushButton::clicked, this,
            &MainDialog::OpenReport);
    connect(control<QPushButton>(MainWindowControl::Close), &QPushButton::clicked, this,
            &MainDialog::reject);
    connect(control<QPushButton>(MainWindowControl::LoadSheet), &QPushButton::clicked, this,
            &MainDialog::LoadNewSheet);
    connect(control<QPushButton>(MainWindowControl::Preview), &QPushButton::clicked, this, [this] {
        OpenPreview();
        focusList();
    });
    connect(control<QPushButton>(MainWindowControl::SendSheet), &QPushButton::clicked, this,
            [this] {
                SendUpdatedSheet();
                focusList();
            });
    connect(control<QPushButton>(MainWindowControl::Dial), &QPushButton::clicked, this, [this] {
        DialPhoneNumber();
        focusList();
    });
    connect(control<QPushButton>(MainWindowControl::NextPhone), &QPushButton::clicked, this,
            [this] {
                NextPhoneNumber();
                focusList();
            });
    connect(control<QPushButton>(MainWindowControl::Help), &QPushButton::clicked, this,
            &MainDialog::ShowHelpTips);
    connect(control<QPushButton>(MainWindowControl::ReminderSample), &QPushButton::clicked, this,
            &MainDialog::ShowEmailSample);
    connect(control<QPushButton>(MainWindowControl::SendReminder), &QPushButton::clicked, this,
            &MainDialog::SendReminderEmail);
    connect(control<QCheckBox>(MainWindowControl::Filter), &QCheckBox::clicked, this,
            &MainDialog::ToggleFilter);
    connect(list_, &QListWidget::currentRowChanged, this, &MainDialog::ShowSelectedPublisher);
    // Enter reaches the default button through the dialog; a double click opens the report too.
    connect(list_, &QListWidget::itemDoubleClicked, this, &MainDialog::OpenReport);
}

void MainDialog::addAboutEntry() {
    const QString text = services_.strings.text(text::kAboutEntry);
    if (text.isEmpty()) {
        return;
    }
    // Window managers own the system menu on Linux, so the entry lives in the context menu
    // of the window, which the Menu key and Shift+F10 open as well.
    auto* about = new QAction(text, this);
    connect(about, &QAction::triggered, this, &MainDialog::ShowAbout);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(list_)}) {
        widget->addAction(separator);
        widget->addAction(about);
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(shortcut, &QShortcut::activated, this, [this, about] {
        QMenu menu(this);
        menu.addAction(about);
        menu.exec(mapToGlobal(list_->geometry().center()));
    });
}

void MainDialog::OpenWindow() {
    setWindowIcon(QIcon(QStringLiteral(":/fyn/fyn.svg")));
    QString sheetPath = commandLine_;
    if (!endsWithSheetExtension(sheetPath, Qt::CaseInsensitive)) {
        sheetPath = services_.settings.ReadSetting(kSection, kLoadPathKey);
    }
    sheet_.setSheetPath(sheetPath);
    lastEntryName_ = services_.settings.ReadSetting(kSection, kPostKey);
    startDirectory_ = QDir::currentPath();
    wording_.setLanguageCode(services_.strings.text(text::kLanguageCode));
    sheet_.SetMonthsFromDate(services_.clock.today());
    control<QWidget>(MainWindowControl::SendSheet)->hide();
    control<QWidget>(MainWindowControl::Preview)->hide();
    control<QWidget>(MainWindowControl::Filter)->hide();
    if (endsWithSheetExtension(sheetPath, Qt::CaseInsensitive) && loadSheet(sheetPath)) {
        FillPublisherList();
        RefreshStatus();
    }
    onlyNotSubmitted_ = false;
    focusList();
}

void MainDialog::FillPublisherList() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    int count = 0;
    for (int i = 1; i <= sheet_.publisherCount(); ++i) {
        if (onlyNotSubmitted_ && !sheet_.IsReportMissing(i, sheet_.reportMonth, sheet_.yearSlot)) {
            continue;
        }
        auto* item = new QListWidgetItem(wording_.PublisherName(i, true));
        item->setData(Qt::UserRole, i);
        list_->insertItem(count++, item);
    }
    if (currentSelection_ > count - 1) {
        currentSelection_ = 0;
    }
    if (count > 0) {
        list_->setCurrentRow(currentSelection_);
    }
    focusList();
    ShowSelectedPublisher();
}

void MainDialog::ShowSelectedPublisher() {
    if (sheet_.publisherCount() < 2 || list_->count() == 0 || list_->currentRow() < 0) {
        return;
    }
    currentSelection_ = list_->currentRow();
    const int index = list_->currentItem()->data(Qt::UserRole).toInt();
    control<QPushButton>(MainWindowControl::OpenReport)
        ->setText(literalCaption(
            services_.strings.text(text::kOkCaption, {wording_.PublisherName(index, false)})));
    contacts_ = PublisherContacts::SelectPublisherContacts(sheet_, index);
    auto* number = control<QLabel>(MainWindowControl::PhoneNumber);
    if (contacts_.phoneCount >= 1) {
        showPhoneNumber();
        number->show();
    } else {
        control<QWidget>(MainWindowControl::Dial)->hide();
        number->clear();
        number->hide();
    }
    control<QWidget>(MainWindowControl::NextPhone)->setVisible(contacts_.phoneCount >= 2);
    const bool remind = !contacts_.publisherEmail.isEmpty();
    if (remind) {
        control<QPushButton>(MainWindowControl::SendReminder)
            ->setText(literalCaption(QStringLiteral("E-mail - ") + contacts_.publisherEmail));
    }
    control<QWidget>(MainWindowControl::SendReminder)->setVisible(remind);
    control<QWidget>(MainWindowControl::ReminderSample)->setVisible(remind);
}

void MainDialog::showPhoneNumber() {
    const QString& number = contacts_.phoneNumbers[static_cast<std::size_t>(contacts_.phoneIndex)];
    control<QLabel>(MainWindowControl::PhoneNumber)->setText(number);
    // Whether a tel: handler exists is asked only once the window shows (see showEvent).
    control<QWidget>(MainWindowControl::Dial)
        ->setVisible(isVisible() && services_.dialer.ShowsDialButton(number));
}

void MainDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        if (contacts_.phoneCount > 0) {
            showPhoneNumber();
        }
    });
}

QString MainDialog::groupText() const {
    return QStringLiteral("%1 %2")
        .arg(services_.strings.text(text::kGroup))
        .arg(sheet_.groupNumber());
}

void MainDialog::RefreshStatus() {
    const QString month = wording_.MonthName(sheet_.reportMonth);
    const QString submitted = services_.strings.text(text::kSubmittedReports, {month});
    setWindowTitle(QStringLiteral("%1 - %2 ").arg(submitted, groupText()));
    int missing = 0;
    for (int i = 1; i <= sheet_.publisherCount(); ++i) {
        missing += sheet_.IsReportMissing(i, sheet_.reportMonth, sheet_.yearSlot) ? 1 : 0;
    }
    const QString missingText = services_.strings.text(text::kMissingReports, {month});
    control<QLabel>(MainWindowControl::MissingCount)
        ->setText(QStringLiteral("%1 = %2").arg(missingText).arg(missing));
    control<QLabel>(MainWindowControl::TotalCount)
        ->setText(QStringLiteral("%1 = %2")
                      .arg(services_.strings.text(text::kTotalPublishers))
                      .arg(sheet_.publisherCount()));
    control<QLabel>(MainWindowControl::LastEntry)->setText(lastEntryName_);
    const bool listed = list_->count() > 0;
    control<QWidget>(MainWindowControl::SendSheet)->setVisible(listed);
    control<QWidget>(MainWindowControl::Preview)->setVisible(listed);
    control<QWidget>(MainWindowControl::Filter)->setVisible(sheet_.publisherCount() != 0);
}

void MainDialog::OpenReport() {
    if (list_->count() == 0 || list_->currentRow() < 0) {
        return;
    }
    currentSelection_ = list_->currentRow();
    const int index = list_->currentItem()->data(Qt::UserRole).toInt();
    openReportDialog(index);
    if (onlyNotSubmitted_) {
        FillPublisherList();
    } else {
        focusList();
    }
}

void MainDialog::ToggleFilter() {
    onlyNotSubmitted_ = control<QCheckBox>(MainWindowControl::Filter)->isChecked();
    FillPublisherList();
}

void MainDialog::NextPhoneNumber() {
    if (contacts_.phoneCount == 0) {
        return;
    }
    contacts_.phoneIndex = (contacts_.phoneIndex + 1) % contacts_.phoneCount;
    showPhoneNumber();
}

void MainDialog::DialPhoneNumber() {
    if (list_->currentRow() >= 0 && contacts_.phoneCount > 0) {
        services_.dialer.DialNumber(
            contacts_.phoneNumbers[static_cast<std::size_t>(contacts_.phoneIndex)]);
    }
}

void MainDialog::ShowEmailSample() {
    services_.messages.inform(
        services_.strings.text(text::kReminderBody, {wording_.MonthName(sheet_.reportMonth)}));
}

void MainDialog::SendReminderEmail() {
    if (list_->currentRow() >= 0 && !contacts_.publisherEmail.isEmpty()) {
        ReminderSender({services_.messages, services_.strings, services_.mailers})
            .SendReminderEmail(contacts_.publisherEmail, wording_.MonthName(sheet_.reportMonth));
    }
}

void MainDialog::SendUpdatedSheet() {
    SheetSender({sheet_, wording_, services_.messages, services_.strings, services_.mailers})
        .SendUpdatedSheet();
}

void MainDialog::openReportDialog(int index) {
    const ReportDialog::Context context{sheet_, wording_, services_.strings, services_.messages,
                                        [this](const QString& publisherName) {
                                            lastEntryName_ = publisherName;
                                            RefreshStatus();
                                            // Every accepted report goes to disk at once, so a
                                            // crash loses nothing accepted.
                                            WriteBack();
                                        }};
    ReportDialog dialog(context, index, this);
    dialog.exec();
}

void MainDialog::OpenPreview() {
    // The preview arrives with printing.
}

QString MainDialog::initialFolderForLoad() const {
    const QString& path = sheet_.sheetPath();
    if (path.size() > 8 && QFile(path).open(QIODevice::ReadOnly)) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (slash >= 2) {
            return path.left(slash);
        }
    }
    return startDirectory_;
}

void MainDialog::LoadNewSheet() {
    const std::optional<QString> chosen =
        services_.files.openFile(this, services_.strings.text(text::kChooseSheetTitle),
                                 services_.strings.text(text::kSheetFilterDescription),
                                 QStringLiteral("*.t09"), initialFolderForLoad());
    if (!chosen) {
        QDir::setCurrent(startDirectory_);
        focusList();
        return;
    }
    const QString path = *chosen;
    if (!path.endsWith(QStringLiteral(".t09")) && !path.endsWith(QStringLiteral(".T09"))) {
        return;
    }
    // The reports entered so far go back into their own file before another sheet replaces them.
    if (!WriteBack()) {
        focusList();
        return;
    }
    if (loadSheet(path)) {
        FillPublisherList();
        lastEntryName_.clear();
        RefreshStatus();
    }
    QDir::setCurrent(startDirectory_);
    focusList();
}

void MainDialog::ShowHelpTips() {
    QString tips;
    for (int id = text::kHelpFirst; id <= text::kHelpLast; ++id) {
        tips += services_.strings.text(id);
    }
    services_.messages.inform(tips, MessageBoxes::Icon::Information);
    focusList();
}

void MainDialog::ShowAbout() {
    AboutDialog about(this);
    about.exec();
}

bool MainDialog::qualifiesForWriteBack() const {
    return endsWithSheetExtension(sheet_.sheetPath(), Qt::CaseInsensitive) &&
           sheet_.publisherCount() > 1;
}

bool MainDialog::WriteBack() {
    if (!qualifiesForWriteBack()) {
        return true;
    }
    const QString& path = sheet_.sheetPath();
    services_.backup.BackUpBeforeOverwrite(
        path, QDateTime(services_.clock.today(), QTime::currentTime()));
    return SheetMessages::show(sheet_.Write(path), services_.messages, services_.strings);
}

bool MainDialog::loadSheet(const QString& path) {
    return SheetMessages::show(sheet_.Load(path), services_.messages, services_.strings);
}

bool MainDialog::CloseProgram() {
    if (!WriteBack()) {
        const QString question =
            services_.strings.text(text::kCloseWithoutSaving, {sheet_.sheetPath()});
        if (!services_.messages.askYesNo(question)) {
            focusList();
            return false;
        }
    }
    if (sheet_.buffersAllocated()) {
        sheet_.ReleaseBuffers();
    }
    services_.settings.WriteSetting(kSection, kLoadPathKey, sheet_.sheetPath());
    services_.settings.WriteSetting(kSection, kPostKey, lastEntryName_);
    closing_ = true;
    QDialog::reject();
    return true;
}

void MainDialog::reject() {
    if (!closing_) {
        CloseProgram();
    }
}

void MainDialog::closeEvent(QCloseEvent* event) {
    if (closing_ || CloseProgram()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainDialog::focusList() {
    list_->setFocus();
}

} // namespace fyn
