#pragma once

#include "CreditRule.h"
#include "DialogBuilder.h"
#include "PublisherView.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <map>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace fyn {

class GroupSheet;
class MessageBoxes;
class NumericEdit;
class StringTable;
class Wording;

// The dialog in which one publisher's monthly report is entered with the keyboard alone. It
// edits a private copy of the publisher's record and copies it back whole on acceptance;
// only remark texts go into the sheet's remark table at once.
class ReportDialog : public QDialog {
    Q_OBJECT

public:
    struct Context {
        GroupSheet& sheet;
        const Wording& wording;
        const StringTable& strings;
        MessageBoxes& messages;
        // Called after an accepted report was copied into the sheet, with the publisher's name.
        std::function<void(const QString& publisherName)> committed;
    };

    ReportDialog(const Context& context, int publisherIndex, QWidget* parent = nullptr);

    int month() const { return month_; }
    int remarksMode() const { return remarksMode_; }
    std::uint8_t credit() const { return creditState_.credit; }
    const QString& remarkText() const { return creditState_.remarkText; }
    bool otherMonth() const { return otherMonth_; }
    bool notIncluded() const { return notIncluded_; }
    const PublisherRecordBytes& workingRecord() const { return workingRecord_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenDialog();
    void LoadMonth();
    void ShowFields();
    void ShowStatus();
    void ShowWarnings();
    void CheckHoursEntered();
    void UpdateCredit(int hours);
    void InServiceClicked();
    void AuxiliaryPioneerClicked();
    void OkCommand();
    void Accept();
    bool ValidateValues();
    void StoreEntry();
    void CommitRecord();
    void OpenMonthList();
    void MonthSelected(int row);
    void CloseMonthList();
    void OpenRemarks();
    void CloseRemarks();

    template <class Widget> Widget* control(int id) const {
        return DialogBuilder::control<Widget>(*this, id);
    }
    PublisherView working() const;
    MonthEntry workingMonth();
    int hoursFieldValue() const;
    void showPair(int label, int field, bool visible);
    void showControl(int id, bool visible);

    Context context_;
    int publisherIndex_;
    PublisherRecordBytes workingRecord_{};

    int month_ = 0;
    int yearSlot_ = 0;
    std::uint32_t videos_ = 0;
    std::uint32_t publications_ = 0;
    std::uint32_t hours_ = 0;
    std::uint32_t returnVisits_ = 0;
    std::uint32_t studies_ = 0;
    bool inService_ = false;
    std::uint8_t pioneerFlag_ = 0;
    int remarkNumber_ = 0;
    CreditRule::State creditState_;
    int remarksMode_ = 0;
    bool otherMonth_ = false;
    bool notIncluded_ = false;
    bool monthListOpen_ = false;
    // Entries reserved by this dialog for months without a remark, so that showing a month
    // again does not use up another entry of the table.
    std::map<int, int> reservedEntries_;

    QCheckBox* inServiceBox_ = nullptr;
    QCheckBox* auxiliaryBox_ = nullptr;
    NumericEdit* hoursField_ = nullptr;
    NumericEdit* studiesField_ = nullptr;
    QLineEdit* remarksField_ = nullptr;
    QListWidget* monthList_ = nullptr;
};

} // namespace fyn
