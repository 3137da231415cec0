#include "MainDialog.h"

#include "AboutDialog.h"
#include "Clock.h"
#include "ContactStore.h"
#include "ControlIds.h"
#include "DeferredGroupYear.h"
#include "DeferredSheetPrinter.h"
#include "Dialer.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "FilePicker.h"
#include "MessageBoxes.h"
#include "MessageIntake.h"
#include "MonthContacts.h"
#include "PreviewDialog.h"
#include "PublisherChoiceDialog.h"
#include "ReminderDialog.h"
#include "ReminderList.h"
#include "ReminderSender.h"
#include "ReportDialog.h"
#include "SheetMessages.h"
#include "SheetSender.h"
#include "StringTable.h"
#include "TextIds.h"
#include "WindowIcon.h"
#include "YearContext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace fyn {

namespace {

// A button caption shows an ampersand only when it is doubled.
QString literalCaption(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

MainDialog::MainDialog(const Services& services, QString commandLine, QWidget* parent)
    : QDialog(parent), services_(services), commandLine_(std::move(commandLine)),
      model_({services.messages, services.clock, services.settings, services.backup,
              services.strings}),
      contacts_(services.contactLog) {
    DialogBuilder::build(*this, DialogTemplates::mainWindow());
    list_ = control<QListWidget>(MainWindowControl::PublisherList);
    connectControls();
    addAboutEntry();
    addReminderEntry();
    addYearEntry();
    addMessageEntry();
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
    // "> > >" says nothing by itself, neither to the eye nor read aloud.
    auto* nextPhone = control<QPushButton>(MainWindowControl::NextPhone);
    nextPhone->setToolTip(services_.strings.text(text::kNextPhoneTip));
    nextPhone->setAccessibleName(nextPhone->toolTip());
    list_->setAccessibleName(services_.strings.text(text::kPublisherListName));
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
    connect(shortcut, &QShortcut::activated, this, [this] {
        QMenu menu(this);
        menu.addActions(list_->actions());
        menu.exec(mapToGlobal(list_->geometry().center()));
    });
}

void MainDialog::addReminderEntry() {
    auto* remind = new QAction(services_.strings.text(text::kRemindMissingEntry), this);
    remind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    remind->setShortcutContext(Qt::WindowShortcut);
    connect(remind, &QAction::triggered, this, &MainDialog::RemindMissing);
    // Below About in the context menu, which keeps the window's layout as it is.
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(list_)}) {
        widget->addAction(remind);
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void MainDialog::addYearEntry() {
    auto* year = new QAction(services_.strings.text(text::kYearEntry), this);
    year->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    year->setShortcutContext(Qt::WindowShortcut);
    connect(year, &QAction::triggered, this, &MainDialog::ShowGroupYear);
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(list_)}) {
        widget->addAction(year);
    }
}

void MainDialog::addMessageEntry() {
    auto* paste = new QAction(services_.strings.text(text::kPasteMessageEntry), this);
    paste->setShortcut(QKeySequence(QKeySequence::Paste));
    paste->setShortcutContext(Qt::WindowShortcut);
    connect(paste, &QAction::triggered, this, [this] {
        if (const QMimeData* pasted = QGuiApplication::clipboard()->mimeData()) {
            OpenReportFromMessage(*pasted);
        }
    });
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(list_)}) {
        widget->addAction(paste);
    }
    setAcceptDrops(true);
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText() || event->mimeData()->hasUrls() ||
        event->mimeData()->hasFormat(QStringLiteral("message/rfc822"))) {
        event->acceptProposedAction();
    }
}

void MainDialog::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    // The drag's source waits until the drop returns; the dialog opens after that.
    auto* copy = new QMimeData;
    for (const QString& format : event->mimeData()->formats()) {
        copy->setData(format, event->mimeData()->data(format));
    }
    QTimer::singleShot(0, this, [this, copy] {
        const std::unique_ptr<QMimeData> dropped(copy);
        OpenReportFromMessage(*dropped);
    });
}

void MainDialog::OpenReportFromMessage(const QMimeData& message) {
    const MessageIntake intake(model_.sheet(), services_.strings, model_.wording());
    const MessageIntake::Result result =
        intake.Read(MessageIntake::FromMimeData(message), model_.selectedRecord());
    if (!result.refusal.isEmpty()) {
        services_.messages.inform(result.refusal, MessageBoxes::Icon::Warning);
        focusList();
        return;
    }
    int index = result.publishers.front();
    if (result.publishers.size() > 1) {
        PublisherChoiceDialog choice(result.publishers, model_.wording(), services_.strings, this);
        choice.exec();
        index = choice.chosen();
    }
    if (index != 0) {
        openReportDialog(index, -1, &result.reading.figures, intake.Line(result));
        model_.ReportClosed();
        showState();
    }
    focusList();
}

void MainDialog::OpenWindow() {
    // The program has set the application's icon already; a test's window reads its own.
    const QIcon shared = QApplication::windowIcon();
    setWindowIcon(shared.isNull() ? WindowIcon::load() : shared);
    model_.OpenWindow(commandLine_);
    showState();
    focusList();
}

void MainDialog::FillPublisherList() {
    model_.FillPublisherList();
    showState();
    focusList();
}

void MainDialog::ShowSelectedPublisher() {
    model_.ShowSelectedPublisher(list_->currentRow());
    showState();
}

void MainDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (dialingAsked_) {
        return;
    }
    dialingAsked_ = true;
    // Whether a tel: handler exists is asked once, when the window has been drawn: the query is a
    // shell script that holds the program for tens of milliseconds, and asked when the window was
    // merely told to show, it could run before the window was mapped and painted.
    QTimer::singleShot(0, this, [this] {
        model_.setDialingAvailable(services_.dialer.HandlerAvailable());
        model_.ShowSelectedPublisher(list_->currentRow());
        showState();
    });
}

void MainDialog::RefreshStatus() {
    model_.RefreshStatus();
    showState();
}

void MainDialog::showList() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const MainWindowModel::ListEntry& entry : model_.entries()) {
        list_->addItem(entry.text);
    }
    shownListRevision_ = model_.listRevision();
}

void MainDialog::showRowsInWords() {
    for (int row = 0; row < list_->count(); ++row) {
        list_->item(row)->setData(Qt::AccessibleTextRole, model_.RowInWords(row));
    }
}

void MainDialog::showState() {
    if (shownListRevision_ != model_.listRevision()) {
        showList();
    }
    showRowsInWords();
    if (list_->currentRow() != model_.selectedRow()) {
        const QSignalBlocker blocker(list_);
        list_->setCurrentRow(model_.selectedRow());
    }
    const MainWindowModel::PublisherPanel& panel = model_.panel();
    if (!panel.reportCaption.isEmpty()) {
        control<QPushButton>(MainWindowControl::OpenReport)
            ->setText(literalCaption(panel.reportCaption));
    }
    auto* number = control<QLabel>(MainWindowControl::PhoneNumber);
    number->setText(panel.phoneText);
    number->setVisible(panel.phoneShown);
    control<QWidget>(MainWindowControl::Dial)
        ->setVisible(panel.dialShown && Dialer::IsUsableNumber(panel.phoneText));
    control<QWidget>(MainWindowControl::NextPhone)->setVisible(panel.nextPhoneShown);
    control<QPushButton>(MainWindowControl::SendReminder)
        ->setText(literalCaption(panel.reminderCaption));
    control<QWidget>(MainWindowControl::SendReminder)->setVisible(panel.reminderShown);
    control<QWidget>(MainWindowControl::ReminderSample)->setVisible(panel.reminderShown);

    const MainWindowModel::Status& status = model_.status();
    if (!status.title.isEmpty()) {
        setWindowTitle(status.title);
    }
    control<QLabel>(MainWindowControl::MissingCount)->setText(status.missingCount);
    control<QLabel>(MainWindowControl::TotalCount)->setText(status.totalCount);
    control<QLabel>(MainWindowControl::LastEntry)->setText(status.lastEntry);
    control<QWidget>(MainWindowControl::SendSheet)->setVisible(status.sheetCommandsShown);
    control<QWidget>(MainWindowControl::Preview)->setVisible(status.sheetCommandsShown);
    auto* filter = control<QCheckBox>(MainWindowControl::Filter);
    filter->setChecked(model_.onlyNotSubmitted());
    filter->setVisible(status.filterShown);
}

void MainDialog::OpenReport() {
    const int index = model_.StartReport(list_->currentRow());
    if (index == 0) {
        return;
    }
    openReportDialog(index);
    model_.ReportClosed();
    showState();
    focusList();
}

void MainDialog::ToggleFilter() {
    model_.ToggleFilter(control<QCheckBox>(MainWindowControl::Filter)->isChecked());
    showState();
    focusList();
}

void MainDialog::NextPhoneNumber() {
    model_.NextPhoneNumber();
    showState();
}

void MainDialog::DialPhoneNumber() {
    const PublisherContacts& contacts = model_.contacts();
    if (model_.selectedRow() >= 0 && contacts.phoneCount > 0) {
        const QString& number =
            contacts.phoneNumbers[static_cast<std::size_t>(contacts.phoneIndex)];
        if (services_.dialer.DialNumber(number)) {
            recordContact(
                describeContact(model_.selectedRecord(), Contact::Channel::Telephone, number));
        }
    }
}

void MainDialog::ShowEmailSample() {
    model_.ShowEmailSample();
}

void MainDialog::SendReminderEmail() {
    const QString address = model_.contacts().publisherEmail;
    const int index = model_.selectedRecord();
    if (model_.selectedRow() < 0 || address.isEmpty()) {
        return;
    }
    QString lastReminder;
    const bool again = remindedRecently(index, lastReminder);
    // Esc and Enter keep the second reminder back; the question shows the address.
    if (again && !services_.messages.askYesNo(
                     services_.strings.text(text::kRemindAgain,
                                            {model_.wording().PublisherName(index, false) +
                                                 QStringLiteral(" <") + address + QLatin1Char('>'),
                                             lastReminder}),
                     MessageBoxes::Preferred::No)) {
        return;
    }
    // Who it is, taken now: a mail client may answer after another sheet was loaded.
    Contact contact = describeContact(index, Contact::Channel::Email, address);
    ReminderSender sender({services_.messages, services_.strings, services_.mailers});
    const auto record = [this, contact](ReminderSender::Outcome outcome, const QString& detail) {
        Contact done = contact;
        done.when = services_.clock.now().toUTC();
        done.detail = detail;
        switch (outcome) {
        case ReminderSender::Outcome::NotSent:
            return;
        case ReminderSender::Outcome::Sent:
            break;
        case ReminderSender::Outcome::Composed:
            done.channel = Contact::Channel::MailClient;
            break;
        case ReminderSender::Outcome::Failed:
            done.result = Contact::Result::Failed;
            break;
        case ReminderSender::Outcome::MayHaveGone:
            done.result = Contact::Result::Uncertain;
            break;
        case ReminderSender::Outcome::HandingOver:
            done.channel = Contact::Channel::MailClient;
            contacts_.Expect(done);
            return;
        }
        recordContact(done);
    };
    const ReminderSender::Outcome outcome = sender.SendReminderEmail(
        address, model_.wording().MonthName(model_.sheet().reportMonth, true), !again, this,
        record);
    record(outcome, sender.failureDetail());
}

bool MainDialog::remindedRecently(int index, QString& lastReminder) {
    MonthContacts month(contacts_, model_.sheet());
    month.Load();
    if (!month.RemindedRecently(index, services_.clock.now())) {
        return false;
    }
    lastReminder = ReminderList::ContactText(services_.strings, *month.LastReminder(index));
    return true;
}

Contact MainDialog::describeContact(int index, Contact::Channel channel, const QString& address) {
    return MonthContacts(contacts_, model_.sheet())
        .Describe(index, channel, address, services_.clock.now());
}

// Each contact is written at once: a second window on the same group may read it. A log that
// cannot be written is told once per run and stops nothing; this run still knows the contact.
void MainDialog::recordContact(const Contact& contact) {
    const ContactLogResult result = contacts_.Record(contact);
    if (result.firstOfRun) {
        services_.messages.inform(result.Describe(services_.strings), MessageBoxes::Icon::Warning);
    }
}

void MainDialog::RemindMissing() {
    if (model_.sheet().publisherCount() == 0) {
        return;
    }
    ReminderDialog dialog({model_.sheet(), model_.wording(), services_.strings, services_.messages,
                           services_.mailers, services_.clock, contacts_, this},
                          this);
    dialog.exec();
    focusList();
}

void MainDialog::ShowGroupYear() {
    if (model_.sheet().publisherCount() == 0) {
        return;
    }
    DeferredSheetPrinter printer(services_.printers, services_.messages, services_.strings);
    DeferredGroupYear::Show({model_.sheet(), model_.wording(), services_.strings,
                             services_.messages, printer,
                             [this](int index, int month) { openReportDialog(index, month); }},
                            this);
    focusList();
}

void MainDialog::SendUpdatedSheet() {
    SheetSender({model_.sheet(), model_.wording(), services_.messages, services_.strings,
                 services_.mailers,
                 [this](const SheetResult& result) {
                     return SheetMessages::show(result, services_.messages, services_.strings);
                 },
                 this})
        .SendUpdatedSheet();
}

void MainDialog::openReportDialog(int index, int month, const ReportFigures* figures,
                                  const QString& messageLine) {
    const ReportDialog::Context context{model_.sheet(), model_.wording(), services_.strings,
                                        services_.messages, [this](const QString& publisherName) {
                                            model_.ReportAccepted(publisherName);
                                            showState();
                                        }};
    ReportDialog dialog(context, index, this);
    if (month >= 0 && month != model_.sheet().reportMonth) {
        dialog.ChangeMonth(month);
    }
    if (figures != nullptr) {
        dialog.Prefill(*figures, messageLine);
    }
    dialog.exec();
}

void MainDialog::OpenPreview() {
    DeferredSheetPrinter printer(services_.printers, services_.messages, services_.strings);
    PreviewDialog dialog({sheet(), wording(), sheet().reportMonth}, printer, this);
    dialog.exec();
}

void MainDialog::LoadNewSheet() {
    const MainWindowModel::SheetRequest request = model_.LoadRequest();
    model_.LoadNewSheet(services_.files.openFile(this, request.title, request.filterDescription,
                                                 request.pattern, request.initialFolder));
    showState();
    focusList();
}

void MainDialog::ShowHelpTips() {
    model_.ShowHelpTips();
    focusList();
}

void MainDialog::ShowAbout() {
    AboutDialog about(this);
    about.exec();
}

bool MainDialog::WriteBack() {
    return model_.WriteBack();
}

bool MainDialog::CloseProgram() {
    if (!model_.CloseProgram()) {
        focusList();
        return false;
    }
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
