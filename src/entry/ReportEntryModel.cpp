#include "ReportEntryModel.h"

#include "GroupSheet.h"
#include "MessageBoxes.h"
#include "MonthWarnings.h"
#include "Remarks.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "ValueParsing.h"
#include "Wording.h"

namespace fyn {

using namespace layout;

namespace {

struct Bounds {
    ReportEntryModel::Field field;
    std::uint32_t upper;
};

// The order in which the values are checked; only the first failure is reported.
constexpr Bounds kChecks[] = {{ReportEntryModel::Videos, 4095},
                              {ReportEntryModel::Publications, 4095},
                              {ReportEntryModel::ReturnVisits, 511},
                              {ReportEntryModel::Studies, 63},
                              {ReportEntryModel::Hours, 65535}};

} // namespace

ReportEntryModel::ReportEntryModel(const Context& context, int publisherIndex)
    : context_(context), publisherIndex_(publisherIndex) {
    const GroupSheet& sheet = context_.sheet;
    month_ = sheet.reportMonth;
    yearSlot_ = sheet.yearSlot;
    texts_.name = context_.wording.PublisherName(publisherIndex_, false);
    workingRecord_ = sheet.CopyRecord(publisherIndex_);
    LoadMonth();
}

QStringList ReportEntryModel::monthNames() const {
    QStringList names;
    for (int m = 0; m < kMonths; ++m) {
        names << context_.wording.MonthName(m);
    }
    return names;
}

PublisherView ReportEntryModel::working() const {
    return PublisherView(workingRecord_.data());
}

MonthEntry ReportEntryModel::workingMonth() {
    return MutablePublisherView(workingRecord_.data()).editMonth(month_, yearSlot_);
}

int ReportEntryModel::hoursFieldValue() const {
    return ValueParsing::leadingValue(fieldTexts_[Hours]);
}

void ReportEntryModel::setFieldValue(Field field, std::uint32_t value) {
    values_[field] = value;
    fieldTexts_[field] = QString::number(value);
}

void ReportEntryModel::Prefill(const ReportFigures& figures, const QString& line) {
    if (figures.month && *figures.month != month_ && *figures.month >= 0 &&
        *figures.month < kMonths) {
        SelectMonth(*figures.month);
    }
    const int status = working().month(month_, yearSlot_).pioneerStatus();
    if (figures.auxiliary && status == Publisher) {
        AuxiliaryPioneerClicked(true);
    }
    if (figures.inService) {
        InServiceClicked(*figures.inService);
    }
    if (!figures.hours.isEmpty()) {
        fieldTexts_[Hours] = figures.hours;
        ++fieldsRevision_;
        CheckHoursEntered();
        ShowFields();
    }
    if (figures.studies) {
        setFieldValue(Studies, static_cast<std::uint32_t>(*figures.studies));
        ++fieldsRevision_;
    }
    if (figures.credit && status == RegularPioneer) {
        creditState_.credit = static_cast<std::uint8_t>(*figures.credit & 0xFF);
    }
    if (figures.remark) {
        // Only what the sheet's code page can hold, as typing it would allow.
        QString remark;
        for (const QChar c : *figures.remark) {
            if (TextCodec::canEncode(QString(c))) {
                remark += c;
            }
        }
        creditState_.remarkText = remark.trimmed().left(kRemarkTextLimit);
        remarkPending_ = !creditState_.remarkText.isEmpty();
    }
    UpdateCredit(hoursFieldValue());
    ShowWarnings();
    texts_.message = line;
    visibility_.messageLine = true;
}

void ReportEntryModel::EditField(Field field, const QString& text) {
    fieldTexts_[field] = text;
}

void ReportEntryModel::LoadMonth() {
    texts_.month = context_.wording.MonthName(month_);
    const MonthEntryView entry = working().month(month_, yearSlot_);
    inService_ = entry.inService();
    creditState_.credit = entry.pioneerStatus() == RegularPioneer ? entry.creditHours() : 0;
    ReadMonthRemark(entry);
    UpdateCredit(entry.hours());
    setFieldValue(Publications, entry.publications());
    setFieldValue(Videos, entry.videos());
    setFieldValue(Hours, entry.hours());
    setFieldValue(ReturnVisits, entry.returnVisits());
    setFieldValue(Studies, static_cast<std::uint32_t>(entry.studies()));
    ++fieldsRevision_;
    CheckHoursEntered();
    // The fields follow the month shown, a late one too: figures that cannot be seen cannot be
    // changed without being lost.
    pioneerFlag_ = entry.statusByte();
    ShowFields();
    ShowStatus();
    ShowWarnings();
}

void ReportEntryModel::ReadMonthRemark(const MonthEntryView& entry) {
    GroupSheet& sheet = context_.sheet;
    QByteArray remark;
    // Looking only: an entry is taken when a remark is stored, so that opening and leaving a
    // report leaves the sheet as it was.
    remarkNumber_ = ReadRemark(sheet, publisherIndex_, month_, yearSlot_, remark, true);
    if (remarkNumber_ == 0) {
        const auto taken = takenEntries_.find(month_);
        remarkNumber_ = taken == takenEntries_.end() ? 0 : taken->second;
    }
    // Shown again, a month keeps the remark its copy refers to; a cleared one stays empty.
    remarkBytes_ = remarkNumber_ != 0 && entry.remarkNumber() == remarkNumber_
                       ? RemarkText(sheet, remarkNumber_)
                       : QByteArray();
    undefinedBytesTold_ = false;
    creditState_.remarkText = TextCodec::toUnicode(remarkBytes_).trimmed();
}

void ReportEntryModel::ShowFields() {
    visibility_.hours = inService_ && pioneerFlag_ != 0;
    visibility_.studies = inService_;
}

void ReportEntryModel::ShowStatus() {
    const int status = working().month(month_, yearSlot_).pioneerStatus();
    const StringTable& strings = context_.strings;
    texts_.status = status == Publisher ? QString() : strings.text(text::kStatusNames + status - 1);
    // A regular or special pioneer's status cannot be changed here; after a month change both
    // controls keep what an earlier month gave them.
    if (status == Publisher || status == AuxiliaryPioneer) {
        auxiliaryTicked_ = status == AuxiliaryPioneer;
        visibility_.auxiliaryBox = true;
        visibility_.statusLabel = false;
    }
    const int privilege = working().privilege();
    texts_.privilege =
        privilege == 0 ? QString() : strings.text(text::kPrivilegeNames + privilege - 1);
    texts_.group = strings.text(text::kGroup) + QStringLiteral(" %1").arg(working().groupNumber());
    visibility_.creditLabel = status == RegularPioneer;
}

void ReportEntryModel::ShowWarnings() {
    const GroupSheet& sheet = context_.sheet;
    MonthWarnings::Situation situation;
    situation.month = month_;
    situation.reportMonth = sheet.reportMonth;
    situation.hours = static_cast<int>(values_[Hours]);
    situation.statusInReportMonth = working().month(sheet.reportMonth, yearSlot_).pioneerStatus();
    situation.statusInShownMonth = working().month(month_, yearSlot_).pioneerStatus();
    situation.monthListOpen = visibility_.monthList;
    situation.markedLate = sheet.IsMarkedLate(publisherIndex_, month_);
    situation.shownMonthName = context_.wording.MonthName(month_, true);
    situation.reportMonthName = context_.wording.MonthName(sheet.reportMonth, true);
    situation.publisherName = texts_.name;
    const MonthWarnings warnings = MonthWarnings::ShowWarnings(situation, context_.strings);
    otherMonth_ = warnings.otherMonth;
    notIncluded_ = warnings.notIncluded;
    texts_.warnings = warnings.text;
}

void ReportEntryModel::CheckHoursEntered() {
    // "00" and "0." count as entered hours too.
    if (fieldTexts_[Hours].size() > 1 || hoursFieldValue() != 0) {
        inService_ = true;
    }
}

void ReportEntryModel::UpdateCredit(int hours) {
    if (CreditRule::UpdateCredit(creditState_, working().month(month_, yearSlot_).pioneerStatus(),
                                 hours, context_.strings.text(text::kHoursUnit))) {
        texts_.credit = creditState_.creditText;
    }
}

void ReportEntryModel::InServiceClicked(bool ticked) {
    inService_ = ticked;
    visibility_.hours = pioneerFlag_ != 0 && inService_;
    visibility_.studies = inService_;
    if (!inService_) {
        setFieldValue(Hours, 0);
        setFieldValue(Studies, 0);
        ++fieldsRevision_;
    }
    remarksMode_ = 0;
}

void ReportEntryModel::AuxiliaryPioneerClicked(bool ticked) {
    auxiliaryTicked_ = ticked;
    pioneerFlag_ = ticked ? 1 : 0;
    ShowFields();
    CheckHoursEntered();
    InServiceClicked(inService_);
}

void ReportEntryModel::HoursFieldLeft() {
    UpdateCredit(hoursFieldValue());
}

// Mode 1 while the remarks field is open, 2 once the OK command has closed it, until the next
// OK command or a click on the in-service box.
ReportEntryModel::Step ReportEntryModel::OkCommand(bool atLastStop) {
    switch (remarksMode_) {
    case 0:
        return Accept(atLastStop);
    case 1:
        remarksMode_ = 2;
        UpdateCredit(hoursFieldValue());
        workingMonth().setCreditHours(creditState_.credit);
        return Step::FocusInService;
    default:
        remarksMode_ = 0;
        return Step::Stay;
    }
}

ReportEntryModel::Step ReportEntryModel::Accept(bool atLastStop) {
    if (!atLastStop) {
        return Step::FocusNext;
    }
    if (!ValidateValues()) {
        return Step::FocusInvalidField;
    }
    if (remarkPending_) {
        StoreTypedRemark();
    }
    StoreEntry();
    CommitRecord();
    return Step::Accepted;
}

bool ReportEntryModel::ValidateValues() {
    std::array<std::uint32_t, FieldCount> values{};
    for (const Bounds& check : kChecks) {
        const std::optional<std::uint32_t> value =
            ValueParsing::parseUnsigned(fieldTexts_[check.field]);
        QString problem;
        if (!value) {
            problem = context_.strings.text(text::kPositiveInteger);
        } else if (*value > check.upper) {
            problem = context_.strings.text(text::kIntegerBetween,
                                            {QStringLiteral("0"), QString::number(check.upper)});
        }
        if (!problem.isEmpty()) {
            context_.messages.inform(problem, MessageBoxes::Icon::Warning);
            invalidField_ = check.field;
            return false;
        }
        values[check.field] = *value;
    }
    values_ = values;
    return true;
}

void ReportEntryModel::StoreEntry() {
    MonthEntry entry = workingMonth();
    entry.setPublications(static_cast<std::uint16_t>(values_[Publications]));
    entry.setVideos(static_cast<std::uint16_t>(values_[Videos]));
    entry.setHours(static_cast<std::uint16_t>(values_[Hours]));
    entry.setReturnVisits(static_cast<std::uint16_t>(values_[ReturnVisits]));
    inService_ = inService_ || values_[Hours] != 0 || values_[Studies] != 0;
    entry.setStudiesAndService(static_cast<int>(values_[Studies]), inService_);
    const int status = entry.pioneerStatus();
    if (status == Publisher || status == AuxiliaryPioneer) {
        entry.setPioneerStatus(auxiliaryTicked_ ? AuxiliaryPioneer : Publisher);
    }
    entry.setCreditHours(creditState_.credit);
}

void ReportEntryModel::CommitRecord() {
    GroupSheet& sheet = context_.sheet;
    sheet.ReplaceRecord(publisherIndex_, workingRecord_);
    if (otherMonth_ && !notIncluded_) {
        sheet.MarkLate(publisherIndex_, month_);
    }
    if (context_.committed) {
        context_.committed(texts_.name);
    }
}

void ReportEntryModel::OpenMonthList() {
    visibility_.monthList = true;
    visibility_.changeMonth = false;
    visibility_.creditLabel = false;
}

void ReportEntryModel::SelectMonth(int month) {
    month_ = month;
    LoadMonth();
}

bool ReportEntryModel::CloseMonthList() {
    if (!visibility_.monthList) {
        return false;
    }
    visibility_.monthList = false;
    visibility_.changeMonth = true;
    LoadMonth();
    return true;
}

void ReportEntryModel::OpenRemarks() {
    remarksMode_ = 1;
    visibility_.changeMonth = false;
    visibility_.remarksField = true;
}

bool ReportEntryModel::RemarkEdited() {
    const QByteArray undefined = TextCodec::undefinedBytes(remarkBytes_);
    if (undefinedBytesTold_ || undefined.isEmpty()) {
        return false;
    }
    undefinedBytesTold_ = true;
    QStringList codes;
    for (const char byte : undefined) {
        codes << QStringLiteral("%1")
                     .arg(uint(static_cast<unsigned char>(byte)), 2, 16, QLatin1Char('0'))
                     .toUpper();
    }
    context_.messages.inform(context_.strings.text(
        text::kUnshownCharacters, {TextCodec::codePage(), codes.join(QStringLiteral(", "))}));
    return true;
}

ReportEntryModel::Step ReportEntryModel::CloseRemarks(const QString& typed, bool atLastStop) {
    visibility_.remarksField = false;
    visibility_.changeMonth = true;
    // The field holds at most this much of what it was given.
    const QString shown = creditState_.remarkText.left(kRemarkTextLimit);
    creditState_.remarkText = typed.left(kRemarkTextLimit);
    // A remark the user did not change keeps the bytes it was read from, also those its code
    // page cannot show; only a changed one is stored, without them.
    if (creditState_.remarkText != shown) {
        remarkPending_ = false;
        StoreTypedRemark();
    }
    if (typed.trimmed().isEmpty()) {
        creditState_.credit = 0;
    }
    UpdateCredit(hoursFieldValue());
    return OkCommand(atLastStop);
}

void ReportEntryModel::StoreTypedRemark() {
    QString storable = creditState_.remarkText;
    storable.remove(QChar::ReplacementCharacter);
    const std::optional<QByteArray> bytes = TextCodec::fromUnicode(storable);
    bool tableFull = false;
    const std::uint16_t stored =
        bytes ? StoreMonthRemark(context_.sheet, remarkNumber_, *bytes, &tableFull) : 0;
    if (tableFull) {
        context_.messages.inform(context_.strings.text(text::kNoRemarkRoom));
    }
    if (stored != 0) {
        remarkNumber_ = stored;
        takenEntries_[month_] = stored;
    }
    remarkBytes_ = stored != 0 ? RemarkText(context_.sheet, stored) : QByteArray();
    workingMonth().setRemarkNumber(stored);
}

} // namespace fyn
