#pragma once

// The control ids of the dialogs that code and tests name, one enumeration per template.
namespace fyn {

namespace MainWindowControl {
enum : int {
    OpenReport = 1,
    Close = 2,
    LoadSheet = 3,
    SendSheet = 4,
    Preview = 5,
    LastEntry = 133,
    PublisherList = 138,
    Filter = 162,
    MissingCount = 1000,
    TotalCount = 1001,
    PhoneNumber = 1002,
    Dial = 1003,
    NextPhone = 1004,
    Help = 1005,
    SendReminder = 1006,
    ReminderSample = 1007,
};
} // namespace MainWindowControl

namespace ReportControl {
enum : int {
    Ok = 1,
    Cancel = 2,
    RemarksButton = 3,
    ChangeMonth = 129,
    PublicationsField = 139,
    VideosField = 140,
    HoursField = 141,
    ReturnVisitsField = 142,
    StudiesField = 143,
    MonthLabel = 146,
    FirstValueLabel = 147,
    HoursLabel = 149,
    StudiesLabel = 151,
    CreditLabel = 152,
    NameLabel = 154,
    StatusLabel = 155,
    PrivilegeLabel = 156,
    MonthList = 158,
    WarningsLabel = 159,
    CloseMonthList = 160,
    RemarksField = 163,
    MessageLine = 164,
    GroupLabel = 270,
    AuxiliaryPioneer = 1050,
    UnderAnHour = 1125,
    InService = 1126,
};
} // namespace ReportControl

namespace PreviewControl {
enum : int {
    Close = 2,
    Print = 3,
    PrinterSetup = 129,
    Area = 130,
    PreviousPage = 1004,
    NextPage = 1005,
};
} // namespace PreviewControl

namespace ReminderControl {
enum : int {
    Send = 1,
    Close = 2,
    List = 130,
    Totals = 1000,
    LogProblem = 1001,
};
} // namespace ReminderControl

namespace YearControl {
enum : int {
    Close = 2,
    Print = 3,
    Grid = 130,
    Chart = 131,
    Legend = 1000,
};
} // namespace YearControl

namespace PublisherChoiceControl {
enum : int {
    Ok = 1,
    Cancel = 2,
    List = 130,
    Prompt = 1000,
};
} // namespace PublisherChoiceControl

} // namespace fyn
