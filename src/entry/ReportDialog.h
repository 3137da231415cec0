#pragma once

#include "DialogBuilder.h"
#include "ReportEntryModel.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace fyn {

class NumericEdit;

// The dialog in which one publisher's monthly report is entered with the keyboard alone. It
// holds the widgets, hands what the user does to its model and shows what the model decides;
// what is left here is the focus and the keys.
class ReportDialog : public QDialog {
    Q_OBJECT

public:
    using Context = ReportEntryModel::Context;

    ReportDialog(const Context& context, int publisherIndex, QWidget* parent = nullptr);

    // Shows another month as choosing it in the month list does, with the list's warnings.
    void ChangeMonth(int month);

    const ReportEntryModel& model() const { return model_; }
    // A report read from a publisher's message, with the line that says what it gave.
    void Prefill(const ReportFigures& figures, const QString& line);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OkCommand();
    void OpenMonthList();
    void CloseMonthList();
    void OpenRemarks();
    void CloseRemarks();
    void follow(ReportEntryModel::Step step);
    void showModel();
    void showMessageLine();
    bool atLastStop() const;

    template <class Widget> Widget* control(int id) const {
        return DialogBuilder::control<Widget>(*this, id);
    }
    NumericEdit* field(ReportEntryModel::Field field) const;
    void showControl(int id, bool visible);

    ReportEntryModel model_;
    int fieldsRevision_ = -1;
    int messageLineShown_ = -1;

    QCheckBox* inServiceBox_ = nullptr;
    QCheckBox* auxiliaryBox_ = nullptr;
    QLineEdit* remarksField_ = nullptr;
    QListWidget* monthList_ = nullptr;
};

} // namespace fyn
