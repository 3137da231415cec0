#include "ReportDialog.h"

#include "ControlIds.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "GroupSheet.h"
#include "MessageBoxes.h"
#include "MonthWarnings.h"
#include "NumericEdit.h"
#include "RemarkValidator.h"
#include "Remarks.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "ValueParsing.h"
#include "Wording.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

namespace fyn {

using namespace layout;

namespace {

constexpr int kValueFields[] = {ReportControl::PublicationsField, ReportControl::VideosField,
                                ReportControl::HoursField, ReportControl::ReturnVisitsField,
                                ReportControl::StudiesField};

struct Bounds {
    int field;
    std::uint32_t upper;
};

bool isLostToAnotherControl(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

ReportDialog::ReportDialog(const Context& context, int publisherIndex, QWidget* parent)
    : QDialog(parent), context_(context), publisherIndex_(publisherIndex) {
    DialogBuilder builder(DialogTemplates::report());
    for (const int id : kValueFields) {
        builder.setCustomWidget(id, [](QWidget* dialog) { return new NumericEdit(dialog); });
    }
    builder.build(this);
    inServiceBox_ = control<QCheckBox>(ReportControl::InService);
    auxiliaryBox_ = control<QCheckBox>(ReportControl::AuxiliaryPioneer);
    hoursField_ = control<NumericEdit>(ReportControl::HoursField);
    studiesField_ = control<NumericEdit>(ReportControl::StudiesField);
    remarksField_ = control<QLineEdit>(ReportControl::RemarksField);
    monthList_ = control<QListWidget>(ReportControl::MonthList);

    remarksField_->setValidator(new RemarkValidator(remarksField_));
    remarksField_->setMaxLength(kRemarkTextLimit);
    remarksField_->installEventFilter(this);
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
    // The help tips name Alt+R for the remarks, beside the button's own Alt+P.
    auto* remarksShortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_R), this);
    connect(remarksShortcut, &QShortcut::activated, this, [this] {
        if (QPushButton* remarks = control<QPushButton>(ReportControl::RemarksButton);
            remarks->isVisible()) {
            remarks->click();
        }
    });
    connect(inServiceBox_, &QCheckBox::clicked, this, &ReportDialog::InServiceClicked);
    connect(auxiliaryBox_, &QCheckBox::clicked, this, &ReportDialog::AuxiliaryPioneerClicked);
    connect(monthList_, &QListWidget::currentRowChanged, this, &ReportDialog::MonthSelected);
    connect(monthList_, &QListWidget::itemDoubleClicked, this, &ReportDialog::CloseMonthList);
    connect(hoursField_, &NumericEdit::focusLost, this,
            [this] { UpdateCredit(hoursFieldValue()); });
    for (const int id : kValueFields) {
        auto* field = control<NumericEdit>(id);
        connect(field, &NumericEdit::rightPressed, this, [this, id] {
            if (id == ReportControl::HoursField) {
                inServiceBox_->setFocus(Qt::TabFocusReason);
            } else {
                focusNextChild();
            }
        });
        connect(field, &NumericEdit::leftPressed, this, [this] { focusPreviousChild(); });
    }

    OpenDialog();
}

PublisherView ReportDialog::working() const {
    return PublisherView(workingRecord_.data());
}

MonthEntry ReportDialog::workingMonth() {
    return MutablePublisherView(workingRecord_.data()).editMonth(month_, yearSlot_);
}

int ReportDialog::hoursFieldValue() const {
    return ValueParsing::leadingValue(hoursField_->text());
}

void ReportDialog::showControl(int id, bool visible) {
    control<QWidget>(id)->setVisible(visible);
}

void ReportDialog::showPair(int label, int field, bool visible) {
    showControl(label, visible);
    showControl(field, visible);
}

void ReportDialog::OpenDialog() {
    GroupSheet& sheet = context_.sheet;
    month_ = sheet.reportMonth;
    yearSlot_ = sheet.yearSlot;
    const QString name = context_.wording.PublisherName(publisherIndex_, false);
    setWindowTitle(name);
    control<QLabel>(ReportControl::NameLabel)->setText(name);

    {
        const QSignalBlocker blocker(monthList_);
        for (int m = 0; m < kMonths; ++m) {
            monthList_->addItem(context_.wording.MonthName(m));
        }
        monthList_->setCurrentRow(month_);
    }
    for (const int id : {ReportControl::MonthList, ReportControl::CloseMonthList,
                         ReportControl::RemarksField, ReportControl::UnderAnHour}) {
        showControl(id, false);
    }

    workingRecord_ = sheet.CopyRecord(publisherIndex_);
    pioneerFlag_ = working().month(month_, yearSlot_).statusByte();
    inService_ = working().month(month_, yearSlot_).inService();
    ShowFields();
    control<QPushButton>(ReportControl::ChangeMonth)
        ->setText(context_.strings.text(text::kChangeMonthCaption));
    inServiceBox_->setToolTip(context_.strings.text(text::kInServiceTip));
    LoadMonth();
    inServiceBox_->setFocus(Qt::OtherFocusReason);
}

void ReportDialog::LoadMonth() {
    control<QLabel>(ReportControl::MonthLabel)->setText(context_.wording.MonthName(month_));
    const MonthEntryView entry = working().month(month_, yearSlot_);
    publications_ = entry.publications();
    videos_ = entry.videos();
    hours_ = entry.hours();
    returnVisits_ = entry.returnVisits();
    studies_ = static_cast<std::uint32_t>(entry.studies());
    inService_ = entry.inService();
    creditState_.credit = entry.pioneerStatus() == RegularPioneer ? entry.creditHours() : 0;

    GroupSheet& sheet = context_.sheet;
    QByteArray remark;
    remarkNumber_ = ReadRemark(sheet, publisherIndex_, month_, yearSlot_, remark, true);
    if (remarkNumber_ == 0) {
        const auto reserved = reservedEntries_.find(month_);
        if (reserved != reservedEntries_.end()) {
            remarkNumber_ = reserved->second;
            // Its text counts only while this dialog's copy still refers to it: a remark that
            // was cleared stays cleared.
            if (entry.remarkNumber() == remarkNumber_) {
                remark = RemarkText(sheet, remarkNumber_);
            }
        } else {
            const int countBefore = sheet.remarkCount();
            bool tableFull = false;
            remarkNumber_ =
                ReadRemark(sheet, publisherIndex_, month_, yearSlot_, remark, false, &tableFull);
            if (tableFull) {
                context_.messages.inform(context_.strings.text(text::kNoRemarkRoom));
            }
            if (sheet.remarkCount() > countBefore) {
                reservedEntries_[month_] = remarkNumber_;
            }
        }
    }
    creditState_.remarkText = TextCodec::toUnicode(remark).trimmed();

    UpdateCredit(static_cast<int>(hours_));
    control<QLineEdit>(ReportControl::PublicationsField)->setText(QString::number(publications_));
    control<QLineEdit>(ReportControl::VideosField)->setText(QString::number(videos_));
    control<QLineEdit>(ReportControl::ReturnVisitsField)->setText(QString::number(returnVisits_));
    studiesField_->setText(QString::number(studies_));
    inServiceBox_->setChecked(inService_);
    hoursField_->setText(QString::number(hours_));
    CheckHoursEntered();
    ShowStatus();
    ShowWarnings();
}

void ReportDialog::ShowFields() {
    for (int id = ReportControl::FirstValueLabel; id <= ReportControl::StudiesLabel; ++id) {
        showControl(id, false);
    }
    for (const int id : kValueFields) {
        showControl(id, false);
    }
    showPair(ReportControl::HoursLabel, ReportControl::HoursField, inService_ && pioneerFlag_ != 0);
    showPair(ReportControl::StudiesLabel, ReportControl::StudiesField, inService_);
    showControl(ReportControl::InService, true);
}

void ReportDialog::ShowStatus() {
    const int status = working().month(month_, yearSlot_).pioneerStatus();
    control<QLabel>(ReportControl::StatusLabel)
        ->setText(status == Publisher ? QString()
                                      : context_.strings.text(text::kStatusNames + status - 1));
    if (status == Publisher || status == AuxiliaryPioneer) {
        auxiliaryBox_->setChecked(status == AuxiliaryPioneer);
        showControl(ReportControl::AuxiliaryPioneer, true);
        showControl(ReportControl::StatusLabel, false);
    }
    const int privilege = working().privilege();
    control<QLabel>(ReportControl::PrivilegeLabel)
        ->setText(privilege == 0 ? QString()
                                 : context_.strings.text(text::kPrivilegeNames + privilege - 1));
    control<QLabel>(ReportControl::GroupLabel)
        ->setText(context_.strings.text(text::kGroup) +
                  QStringLiteral(" %1").arg(working().groupNumber()));
    showControl(ReportControl::CreditLabel, status == RegularPioneer);
}

void ReportDialog::ShowWarnings() {
    const GroupSheet& sheet = context_.sheet;
    MonthWarnings::Situation situation;
    situation.month = month_;
    situation.reportMonth = sheet.reportMonth;
    situation.hours = static_cast<int>(hours_);
    situation.statusInReportMonth = working().month(sheet.reportMonth, yearSlot_).pioneerStatus();
    situation.statusInShownMonth = working().month(month_, yearSlot_).pioneerStatus();
    situation.monthListOpen = monthListOpen_;
    situation.markedLate = sheet.IsMarkedLate(publisherIndex_, month_);
    situation.shownMonthName = context_.wording.MonthName(month_, true);
    situation.reportMonthName = context_.wording.MonthName(sheet.reportMonth, true);
    situation.publisherName = context_.wording.PublisherName(publisherIndex_, false);
    const MonthWarnings warnings = MonthWarnings::ShowWarnings(situation, context_.strings);
    otherMonth_ = warnings.otherMonth;
    notIncluded_ = warnings.notIncluded;
    control<QLabel>(ReportControl::WarningsLabel)->setText(warnings.text);
}

void ReportDialog::CheckHoursEntered() {
    if (hoursField_->text().size() > 1 || hoursFieldValue() != 0) {
        inServiceBox_->setChecked(true);
        inService_ = true;
    }
}

void ReportDialog::UpdateCredit(int hours) {
    if (CreditRule::UpdateCredit(creditState_, working().month(month_, yearSlot_).pioneerStatus(),
                                 hours, context_.strings.text(text::kHoursUnit))) {
        control<QLabel>(ReportControl::CreditLabel)->setText(creditState_.creditText);
    }
}

void ReportDialog::InServiceClicked() {
    inService_ = inServiceBox_->isChecked();
    showPair(ReportControl::HoursLabel, ReportControl::HoursField, pioneerFlag_ != 0 && inService_);
    showPair(ReportControl::StudiesLabel, ReportControl::StudiesField, inService_);
    if (!inService_) {
        hoursField_->setText(QStringLiteral("0"));
        studiesField_->setText(QStringLiteral("0"));
        hours_ = 0;
        studies_ = 0;
    }
    remarksMode_ = 0;
}

void ReportDialog::AuxiliaryPioneerClicked() {
    pioneerFlag_ = auxiliaryBox_->isChecked() ? 1 : 0;
    ShowFields();
    CheckHoursEntered();
    InServiceClicked();
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
        } else if (watched == monthList_ && monthListOpen_) {
            CloseMonthList();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReportDialog::OkCommand() {
    switch (remarksMode_) {
    case 0:
        Accept();
        break;
    case 1:
        remarksMode_ = 2;
        UpdateCredit(hoursFieldValue());
        workingMonth().setCreditHours(creditState_.credit);
        inServiceBox_->setFocus(Qt::OtherFocusReason);
        break;
    default:
        remarksMode_ = 0;
        break;
    }
}

void ReportDialog::Accept() {
    QWidget* focus = focusWidget();
    if (focus != control<QWidget>(ReportControl::Ok) && focus != studiesField_) {
        focusNextChild();
        return;
    }
    if (!ValidateValues()) {
        return;
    }
    StoreEntry();
    CommitRecord();
    accept();
}

bool ReportDialog::ValidateValues() {
    // The order in which the values are checked; only the first failure is reported.
    const Bounds checks[] = {{ReportControl::VideosField, 4095},
                             {ReportControl::PublicationsField, 4095},
                             {ReportControl::ReturnVisitsField, 511},
                             {ReportControl::StudiesField, 63},
                             {ReportControl::HoursField, 65535}};
    std::uint32_t values[std::size(checks)] = {};
    for (std::size_t i = 0; i < std::size(checks); ++i) {
        QLineEdit* field = control<QLineEdit>(checks[i].field);
        const std::optional<std::uint32_t> value = ValueParsing::parseUnsigned(field->text());
        QString problem;
        if (!value) {
            problem = context_.strings.text(text::kPositiveInteger);
        } else if (*value > checks[i].upper) {
            problem = context_.strings.text(
                text::kIntegerBetween, {QStringLiteral("0"), QString::number(checks[i].upper)});
        }
        if (!problem.isEmpty()) {
            context_.messages.inform(problem, MessageBoxes::Icon::Warning);
            activateWindow();
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
            return false;
        }
        values[i] = *value;
    }
    videos_ = values[0];
    publications_ = values[1];
    returnVisits_ = values[2];
    studies_ = values[3];
    hours_ = values[4];
    inService_ = inServiceBox_->isChecked();
    return true;
}

void ReportDialog::StoreEntry() {
    MonthEntry entry = workingMonth();
    entry.setPublications(static_cast<std::uint16_t>(publications_));
    entry.setVideos(static_cast<std::uint16_t>(videos_));
    entry.setHours(static_cast<std::uint16_t>(hours_));
    entry.setReturnVisits(static_cast<std::uint16_t>(returnVisits_));
    inService_ = inServiceBox_->isChecked() || hours_ != 0 || studies_ != 0;
    entry.setStudiesAndService(static_cast<int>(studies_), inService_);
    const int status = entry.pioneerStatus();
    if (status == Publisher || status == AuxiliaryPioneer) {
        entry.setPioneerStatus(auxiliaryBox_->isChecked() ? AuxiliaryPioneer : Publisher);
    }
    entry.setCreditHours(creditState_.credit);
}

void ReportDialog::CommitRecord() {
    GroupSheet& sheet = context_.sheet;
    sheet.ReplaceRecord(publisherIndex_, workingRecord_);
    if (otherMonth_ && !notIncluded_) {
        sheet.MarkLate(publisherIndex_, month_);
    }
    if (context_.committed) {
        context_.committed(context_.wording.PublisherName(publisherIndex_, false));
    }
}

void ReportDialog::OpenMonthList() {
    monthListOpen_ = true;
    showControl(ReportControl::MonthList, true);
    for (const int id :
         {ReportControl::RemarksButton, ReportControl::Ok, ReportControl::Cancel,
          ReportControl::ChangeMonth, ReportControl::CreditLabel, ReportControl::GroupLabel}) {
        showControl(id, false);
    }
    control<QPushButton>(ReportControl::CloseMonthList)->setDown(false);
    showControl(ReportControl::CloseMonthList, true);
    monthList_->setFocus(Qt::OtherFocusReason);
}

void ReportDialog::MonthSelected(int row) {
    if (row < 0) {
        return;
    }
    month_ = row;
    if (month_ == context_.sheet.reportMonth) {
        ShowFields();
    }
    LoadMonth();
}

void ReportDialog::CloseMonthList() {
    if (!monthListOpen_) {
        return;
    }
    monthListOpen_ = false;
    showControl(ReportControl::MonthList, false);
    showControl(ReportControl::CloseMonthList, false);
    for (const int id : {ReportControl::RemarksButton, ReportControl::Ok, ReportControl::Cancel,
                         ReportControl::ChangeMonth, ReportControl::GroupLabel}) {
        showControl(id, true);
    }
    inServiceBox_->setFocus(Qt::OtherFocusReason);
    LoadMonth();
}

void ReportDialog::OpenRemarks() {
    remarksMode_ = 1;
    showControl(ReportControl::ChangeMonth, false);
    remarksField_->setText(creditState_.remarkText);
    showControl(ReportControl::RemarksField, true);
    remarksField_->setFocus(Qt::OtherFocusReason);
}

void ReportDialog::CloseRemarks() {
    const QString typed = remarksField_->text();
    showControl(ReportControl::RemarksField, false);
    showControl(ReportControl::ChangeMonth, true);
    creditState_.remarkText = typed.left(kRemarkTextLimit);
    const std::optional<QByteArray> bytes = TextCodec::fromUnicode(creditState_.remarkText);
    const bool stored = bytes && StoreRemark(context_.sheet, remarkNumber_, *bytes);
    workingMonth().setRemarkNumber(stored ? static_cast<std::uint16_t>(remarkNumber_) : 0);
    if (typed.trimmed().isEmpty()) {
        creditState_.credit = 0;
    }
    UpdateCredit(hoursFieldValue());
    OkCommand();
}

} // namespace fyn
