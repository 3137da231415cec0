#pragma once

#include "CreditRule.h"
#include "PublisherView.h"
#include "ReportFigures.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <map>

namespace fyn {

class GroupSheet;
class MessageBoxes;
class StringTable;
class Wording;

// Everything the report dialog decides, without a widget: the private copy of the publisher's
// record and the month entry it edits, the remark entry that month uses, what the controls show,
// where the OK command leads, which values pass and in which order they are checked, and the
// bits that are stored. The dialog holds the widgets, forwards what the user does and shows
// this state, so every decision can be tested without a display. Only remark texts go into
// the sheet's remark table at once, when they are stored; the record is copied back whole on
// acceptance. Looking changes nothing.
class ReportEntryModel {
public:
    struct Context {
        GroupSheet& sheet;
        const Wording& wording;
        const StringTable& strings;
        MessageBoxes& messages;
        // Called after an accepted report was copied into the sheet, with the publisher's name.
        std::function<void(const QString& publisherName)> committed;
    };

    // The value fields, in the order of the dialog's template.
    enum Field { Publications, Videos, Hours, ReturnVisits, Studies, FieldCount };

    // What the view does after the OK command.
    enum class Step { Stay, FocusNext, FocusInService, FocusInvalidField, Accepted };

    // Which of the controls that come and go are shown.
    struct Visibility {
        bool hours = false; // field and label
        bool studies = false;
        bool auxiliaryBox = false;
        bool statusLabel = true;
        bool creditLabel = true;
        bool changeMonth = true;
        bool remarksField = false;
        // With the list, its own OK button shows and the dialog's buttons and group give way.
        bool monthList = false;
        // The line about the message the report was read from.
        bool messageLine = false;
    };

    struct Texts {
        QString name;
        QString month;
        QString status;
        QString privilege;
        QString group;
        QString credit;
        QString warnings;
        QString message;
    };

    ReportEntryModel(const Context& context, int publisherIndex);

    // Fills in a report read from a publisher's message, as if the user had typed it: another
    // month goes the late month's way, and a remark is stored only on acceptance. line says
    // what was read and what was not.
    void Prefill(const ReportFigures& figures, const QString& line);
    // What the user typed into a value field, kept as the field holds it.
    void EditField(Field field, const QString& text);
    void InServiceClicked(bool ticked);
    void AuxiliaryPioneerClicked(bool ticked);
    void HoursFieldLeft();
    // atLastStop: the focus is on the OK button or on the Bible studies field, where the OK
    // command accepts; anywhere else it only walks on.
    Step OkCommand(bool atLastStop);
    void OpenRemarks();
    // The user changed the remark's text. True when a text that holds bytes its code page
    // cannot show had the user told, once, that those cannot be kept.
    bool RemarkEdited();
    // The remarks field closes when it loses the focus, and gives the OK command.
    Step CloseRemarks(const QString& typed, bool atLastStop);
    void OpenMonthList();
    void SelectMonth(int month);
    // False when the list was closed already, as it closes both by losing the focus and by its
    // button.
    bool CloseMonthList();

    const QString& fieldText(Field field) const { return fieldTexts_[field]; }
    // Bumped whenever the model itself puts texts into the value fields.
    int fieldsRevision() const { return fieldsRevision_; }
    bool inService() const { return inService_; }
    bool auxiliaryTicked() const { return auxiliaryTicked_; }
    const Visibility& visibility() const { return visibility_; }
    const Texts& texts() const { return texts_; }
    QStringList monthNames() const;
    // The field whose value the last OK command refused.
    Field invalidField() const { return invalidField_; }

    int month() const { return month_; }
    int remarksMode() const { return remarksMode_; }
    std::uint8_t credit() const { return creditState_.credit; }
    const QString& remarkText() const { return creditState_.remarkText; }
    bool otherMonth() const { return otherMonth_; }
    bool notIncluded() const { return notIncluded_; }
    bool monthListOpen() const { return visibility_.monthList; }
    const PublisherRecordBytes& workingRecord() const { return workingRecord_; }

private:
    void LoadMonth();
    void ReadMonthRemark(const MonthEntryView& entry);
    void StoreTypedRemark();
    void ShowFields();
    void ShowStatus();
    void ShowWarnings();
    void CheckHoursEntered();
    void UpdateCredit(int hours);
    Step Accept(bool atLastStop);
    bool ValidateValues();
    void StoreEntry();
    void CommitRecord();

    PublisherView working() const;
    MonthEntry workingMonth();
    int hoursFieldValue() const;
    void setFieldValue(Field field, std::uint32_t value);

    Context context_;
    int publisherIndex_;
    PublisherRecordBytes workingRecord_{};

    int month_ = 0;
    int yearSlot_ = 0;
    std::array<std::uint32_t, FieldCount> values_{};
    std::array<QString, FieldCount> fieldTexts_;
    int fieldsRevision_ = 0;
    bool inService_ = false;
    bool auxiliaryTicked_ = false;
    std::uint8_t pioneerFlag_ = 0;
    // The month's remark entry, 0 while it has none: one is taken only when a remark is stored.
    int remarkNumber_ = 0;
    // The entry's text as the table holds it, which an unchanged remark keeps.
    QByteArray remarkBytes_;
    bool undefinedBytesTold_ = false;
    CreditRule::State creditState_;
    int remarksMode_ = 0;
    bool otherMonth_ = false;
    bool notIncluded_ = false;
    Field invalidField_ = Publications;
    Visibility visibility_;
    Texts texts_;
    // Entries this dialog took for months without a remark, so that storing a month's remark
    // again does not use up another entry of the table.
    std::map<int, int> takenEntries_;
    // A remark from a message, stored when the report is accepted unless the user changed it.
    bool remarkPending_ = false;
};

} // namespace fyn
