#include "ReportDialog.h"

#include "ControlIds.h"
#include "DialogTemplates.h"
#include "DialogUnits.h"
#include "NumericEdit.h"
#include "RemarkValidator.h"
#include "SheetLayout.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

namespace fyn {

using Field = ReportEntryModel::Field;
using Step = ReportEntryModel::Step;

namespace {

// In the order of ReportEntryModel::Field.
constexpr int kFieldControls[] = {ReportControl::PublicationsField, ReportControl::VideosField,
                                  ReportControl::HoursField, ReportControl::ReturnVisitsField,
                                  ReportControl::StudiesField};

bool isLostToAnotherControl(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

ReportDialog::ReportDialog(const Context& context, int publisherIndex, QWidget* parent)
    : QDialog(parent), model_(context, publisherIndex) {
    DialogBuilder builder(DialogTemplates::report());
    for (const int id : kFieldControls) {
        builder.setCustomWidget(id, [](QWidget* dialog) { return new NumericEdit(dialog); });
    }
    builder.build(this);
    inServiceBox_ = control<QCheckBox>(ReportControl::InService);
    auxiliaryBox_ = control<QCheckBox>(ReportControl::AuxiliaryPioneer);
    remarksField_ = control<QLineEdit>(ReportControl::RemarksField);
    monthList_ = control<QListWidget>(ReportControl::MonthList);

    // The field opens beside the credit line; its name is the button's that opens it.
    remarksField_->setAccessibleName(
        control<QPushButton>(ReportControl::RemarksButton)->text().remove(QLatin1Char('&')));
    remarksField_->setValidator(new RemarkValidator(remarksField_));
    remarksField_->setMaxLength(layout::kRemarkTextLimit);
    remarksField_->installEventFilter(this);
    connect(remarksField_, &QLineEdit::textEdited, this, [this] {
        if (model_.RemarkEdited()) {
            activateWindow();
            remarksField_->setFocus(Qt::OtherFocusReason);
        }
    });
    monthList_->installEventFilter(this);

    connect(control<QPushButton>(ReportControl::Ok), &QPushButton::clicked, this,
            &ReportDialog::OkCommand);
    connect(control<QPushButton>(ReportControl::Cancel), &QPushButton::clicked, this,
            &QDialog::reject);
    connect(control<QPushButton>(ReportControl::RemarksButton), &QPushButton::clicked, this,
            &ReportDialog::OpenRemarks);
    connect(control<QPushButton>(ReportControl::ChangeMonth), &QPushButton::clicked, this,
            &ReportDialog::OpenMonthList);
    connect(control<QPushButton>(ReportControl::CloseMonthList), &QPushButton::clicked, this,
            &ReportDialog::CloseMonthList);
    // The help tips name Alt+R for the remarks in every language, beside the button's own key.
    // Where that key is R already, a second shortcut would make Alt+R ambiguous to Qt, which
    // then only moves the focus.
    auto* remarks = control<QPushButton>(ReportControl::RemarksButton);
    const QKeySequence altR(Qt::ALT | Qt::Key_R);
    if (QKeySequence::mnemonic(remarks->text()) != altR) {
        auto* remarksShortcut = new QShortcut(altR, this);
        connect(remarksShortcut, &QShortcut::activated, this, [remarks] {
            if (remarks->isVisible()) {
                remarks->click();
            }
        });
    }
    connect(inServiceBox_, &QCheckBox::clicked, this, [this](bool ticked) {
        model_.InServiceClicked(ticked);
        showModel();
    });
    connect(auxiliaryBox_, &QCheckBox::clicked, this, [this](bool ticked) {
        model_.AuxiliaryPioneerClicked(ticked);
        showModel();
    });
    connect(monthList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            model_.SelectMonth(row);
            showModel();
        }
    });
    connect(monthList_, &QListWidget::itemDoubleClicked, this, &ReportDialog::CloseMonthList);
    connect(field(ReportEntryModel::Hours), &NumericEdit::focusLost, this, [this] {
        model_.HoursFieldLeft();
        showModel();
    });
    for (int f = 0; f < ReportEntryModel::FieldCount; ++f) {
        NumericEdit* edit = field(static_cast<Field>(f));
        connect(edit, &QLineEdit::textChanged, this,
                [this, f](const QString& text) { model_.EditField(static_cast<Field>(f), text); });
        connect(edit, &NumericEdit::rightPressed, this, [this, f] {
            if (f == ReportEntryModel::Hours) {
                inServiceBox_->setFocus(Qt::TabFocusReason);
            } else {
                focusNextChild();
            }
        });
        connect(edit, &NumericEdit::leftPressed, this, [this] { focusPreviousChild(); });
    }

    setWindowTitle(model_.texts().name);
    control<QLabel>(ReportControl::NameLabel)->setText(model_.texts().name);
    {
        const QSignalBlocker blocker(monthList_);
        monthList_->addItems(model_.monthNames());
        monthList_->setCurrentRow(model_.month());
    }
    control<QPushButton>(ReportControl::ChangeMonth)
        ->setText(context.strings.text(text::kChangeMonthCaption));
    inServiceBox_->setToolTip(context.strings.text(text::kInServiceTip));
    showModel();
    inServiceBox_->setFocus(Qt::OtherFocusReason);
}

NumericEdit* ReportDialog::field(Field field) const {
    return control<NumericEdit>(kFieldControls[field]);
}

void ReportDialog::showControl(int id, bool visible) {
    control<QWidget>(id)->setVisible(visible);
}

void ReportDialog::showModel() {
    const ReportEntryModel::Visibility& shown = model_.visibility();
    const std::pair<int, bool> controls[] = {
        {ReportControl::HoursLabel, shown.hours},
        {ReportControl::HoursField, shown.hours},
        {ReportControl::StudiesLabel, shown.studies},
        {ReportControl::StudiesField, shown.studies},
        {ReportControl::AuxiliaryPioneer, shown.auxiliaryBox},
        {ReportControl::StatusLabel, shown.statusLabel},
        {ReportControl::CreditLabel, shown.creditLabel},
        {ReportControl::RemarksField, shown.remarksField},
        {ReportControl::MonthList, shown.monthList},
        {ReportControl::RemarksButton, !shown.monthList},
        {ReportControl::Ok, !shown.monthList},
        {ReportControl::Cancel, !shown.monthList},
        {ReportControl::ChangeMonth, shown.changeMonth},
        {ReportControl::GroupLabel, !shown.monthList},
        {ReportControl::CloseMonthList, shown.monthList},
    };
    // Hidden first, so that a control losing the focus hands it on as the dialog did before.
    for (const bool visible : {false, true}) {
        for (const auto& [id, show] : controls) {
            if (show == visible) {
                showControl(id, visible);
            }
        }
    }

    const ReportEntryModel::Texts& texts = model_.texts();
    control<QLabel>(ReportControl::MonthLabel)->setText(texts.month);
    control<QLabel>(ReportControl::StatusLabel)->setText(texts.status);
    control<QLabel>(ReportControl::PrivilegeLabel)->setText(texts.privilege);
    control<QLabel>(ReportControl::GroupLabel)->setText(texts.group);
    control<QLabel>(ReportControl::CreditLabel)->setText(texts.credit);
    control<QLabel>(ReportControl::WarningsLabel)->setText(texts.warnings);
    // Only texts the model put in: rewriting what the user typed would move the caret.
    if (fieldsRevision_ != model_.fieldsRevision()) {
        fieldsRevision_ = model_.fieldsRevision();
        for (int f = 0; f < ReportEntryModel::FieldCount; ++f) {
            field(static_cast<Field>(f))->setText(model_.fieldText(static_cast<Field>(f)));
        }
    }
    inServiceBox_->setChecked(model_.inService());
    auxiliaryBox_->setChecked(model_.auxiliaryTicked());
    showMessageLine();
}

void ReportDialog::showMessageLine() {
    const bool shown = model_.visibility().messageLine;
    if (messageLineShown_ == int(shown)) {
        return;
    }
    messageLineShown_ = int(shown);
    auto* line = control<QLabel>(ReportControl::MessageLine);
    line->setWordWrap(true);
    line->setText(model_.texts().message);
    line->setVisible(shown);
    // Without the line the dialog ends where it would begin.
    const DialogTemplate& dialog = DialogTemplates::report();
    const int height = shown ? dialog.height : dialog.find(ReportControl::MessageLine)->y;
    setFixedHeight(DialogUnits::forFont(font(), this).toPixelsY(height));
}

void ReportDialog::Prefill(const ReportFigures& figures, const QString& line) {
    model_.Prefill(figures, line);
    showModel();
}

bool ReportDialog::atLastStop() const {
    const QWidget* focus = focusWidget();
    return focus == control<QWidget>(ReportControl::Ok) ||
           focus == field(ReportEntryModel::Studies);
}

void ReportDialog::follow(Step step) {
    if (step == Step::Accepted) {
        accept();
        return;
    }
    showModel();
    if (step == Step::FocusNext) {
        focusNextChild();
    } else if (step == Step::FocusInService) {
        inServiceBox_->setFocus(Qt::OtherFocusReason);
    } else if (step == Step::FocusInvalidField) {
        NumericEdit* invalid = field(model_.invalidField());
        activateWindow();
        invalid->setFocus(Qt::OtherFocusReason);
        invalid->selectAll();
    }
}

void ReportDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Enter presses the push button that has the focus and gives the OK command everywhere
    // else, also while the OK button itself is hidden behind the month list.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isVisible()) {
        button->click();
        return;
    }
    OkCommand();
}

bool ReportDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && isLostToAnotherControl(event)) {
        if (watched == remarksField_ && remarksField_->isVisible()) {
            CloseRemarks();
        } else if (watched == monthList_ && model_.monthListOpen()) {
            CloseMonthList();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReportDialog::OkCommand() {
    follow(model_.OkCommand(atLastStop()));
}

void ReportDialog::OpenMonthList() {
    model_.OpenMonthList();
    control<QPushButton>(ReportControl::CloseMonthList)->setDown(false);
    showModel();
    monthList_->setFocus(Qt::OtherFocusReason);
}

void ReportDialog::CloseMonthList() {
    if (model_.CloseMonthList()) {
        showModel();
        inServiceBox_->setFocus(Qt::OtherFocusReason);
    }
}

void ReportDialog::ChangeMonth(int month) {
    OpenMonthList();
    monthList_->setCurrentRow(month);
    CloseMonthList();
}

void ReportDialog::OpenRemarks() {
    model_.OpenRemarks();
    remarksField_->setText(model_.remarkText());
    showModel();
    remarksField_->setFocus(Qt::OtherFocusReason);
}

void ReportDialog::CloseRemarks() {
    follow(model_.CloseRemarks(remarksField_->text(), atLastStop()));
}

} // namespace fyn
