#pragma once

// Ids of the string table that the code names. Month m's name is kMonthNames + m as a heading
// writes it, kMonthNamesInSentence + m as a sentence of the language takes it: lower case after
// the Slovak "za", the genitive after the Greek "of the month".
namespace fyn::text {

inline constexpr int kAboutEntry = 101;
inline constexpr int kMonthNames = 102;
inline constexpr int kOkCaption = 1000;
inline constexpr int kMissingReports = 1001;
inline constexpr int kChooseSheetTitle = 1002;
inline constexpr int kSheetFilterDescription = 1003;
inline constexpr int kHoursUnit = 1014;
inline constexpr int kRemarksHeading = 1019;
inline constexpr int kAuxiliaryHeading = 1020;
inline constexpr int kAlreadySent = 1030;
inline constexpr int kNotIncluded = 1031;
inline constexpr int kIncluded = 1032;
inline constexpr int kNoRemarkRoom = 1033;
inline constexpr int kUpdatedSheetSaved = 1038;
inline constexpr int kClickYesToMail = 1039;
inline constexpr int kClickNoToMailLater = 1040;
inline constexpr int kOr = 1041;
inline constexpr int kCompiledFiles = 1042;
inline constexpr int kSheetFileFor = 1043;
inline constexpr int kGroup = 1058;
inline constexpr int kHelpFirst = 1059;
inline constexpr int kHelpLast = 1066;
inline constexpr int kTotalPublishers = 1116;
inline constexpr int kNameHeading = 1167;
inline constexpr int kPhoneHeading = 1168;
inline constexpr int kSubmittedReports = 1188;
inline constexpr int kSpecialPioneersExcluded = 1194;
inline constexpr int kLanguageCode = 1198;
inline constexpr int kCannotCreateFile = 1231;
inline constexpr int kTooFewPublishers = 1232;
inline constexpr int kSheetTitle = 1247;
inline constexpr int kHoursHeading = 1417;
inline constexpr int kStudiesHeading = 1419;
inline constexpr int kReminderBody = 1422;
inline constexpr int kInServiceHeading = 1500;
inline constexpr int kNotASheet = 2000;
inline constexpr int kCloseWithoutSaving = 2001;
inline constexpr int kInvalidEmail = 2002;
inline constexpr int kMailComposed = 2003;
inline constexpr int kSwitchWithoutSaving = 2004;
inline constexpr int kReminderCaption = 2005;
inline constexpr int kChangeMonthCaption = 2010;
inline constexpr int kInServiceTip = 2011;
// Auxiliary, regular and special pioneer.
inline constexpr int kStatusNames = 2012;
// Ministerial servant, elder, baptized brother.
inline constexpr int kPrivilegeNames = 2015;
inline constexpr int kYesButton = 2018;
inline constexpr int kNoButton = 2019;
inline constexpr int kCheckAttachment = 2040;
inline constexpr int kCancelButton = 2060;
inline constexpr int kCodePageMissing = 2061;
// The backup folder and the reason; a printed file and the reason.
inline constexpr int kBackupFailed = 2062;
inline constexpr int kPrintToFileFailed = 2063;
// The contact log: a contact that could not be recorded (file, reason), the reasons, and a
// damaged file set aside (file, new name).
inline constexpr int kContactNotRecorded = 2070;
inline constexpr int kContactLogBusy = 2071;
inline constexpr int kContactLogReadOnly = 2072;
inline constexpr int kContactLogDiskFull = 2073;
inline constexpr int kContactLogCannotOpen = 2074;
inline constexpr int kContactLogNewer = 2075;
inline constexpr int kContactLogSetAside = 2076;
inline constexpr int kContactLogDamaged = 2077;
// The month's table: its column headings in order, and the first cell of its totals row.
inline constexpr int kCsvHeadings = 2080;
inline constexpr int kCsvColumnCount = 7;
inline constexpr int kCsvTotal = 2087;
inline constexpr int kInvalidFromSetting = 2064;
// A private module of the program that cannot be loaded; %1 names its file and the reason.
inline constexpr int kModuleMissing = 2067;
// The reason when the module's file (%1) was built for another version of the program.
inline constexpr int kModuleOtherVersion = 2068;
inline constexpr int kUnknownLanguage = 2065;
inline constexpr int kUnknownCodePage = 2066;
// Reminding everyone still missing: the menu entry and title, the totals line (reported, all,
// in service, hours, studies, auxiliary pioneers), why a row has no address to use (address),
// its telephone numbers, its last contact (when) by channel, the buttons, the progress, and
// the closing boxes (sent, all; failures; addresses handed to the mail client).
inline constexpr int kRemindMissingEntry = 2100;
inline constexpr int kRemindMissingTitle = 2101;
inline constexpr int kRemindTotals = 2102;
inline constexpr int kRemindNoAddress = 2103;
inline constexpr int kRemindUnusableAddress = 2104;
inline constexpr int kRemindRefusedAddress = 2105;
inline constexpr int kRemindPhones = 2106;
inline constexpr int kRemindLastEmail = 2107;
inline constexpr int kRemindLastMailClient = 2108;
inline constexpr int kRemindLastTelephone = 2109;
inline constexpr int kRemindLastFailed = 2110;
inline constexpr int kRemindSendButton = 2111;
inline constexpr int kRemindCloseButton = 2112;
inline constexpr int kRemindProgress = 2113;
inline constexpr int kRemindSent = 2114;
inline constexpr int kRemindFailures = 2115;
inline constexpr int kRemindComposed = 2116;
// Mail that may have gone: a command stopped at its time limit (seconds), the summary's list
// of such reminders, and a row's last contact of that kind (when).
inline constexpr int kMailMayHaveGone = 2117;
inline constexpr int kRemindUncertain = 2118;
inline constexpr int kRemindLastUncertain = 2119;
// The reminder dialog's line when the contact log cannot be read (file, reason).
inline constexpr int kContactLogUnread = 2120;
// Reminding one publisher again within a day (name, the last reminder as a row shows it).
inline constexpr int kRemindAgain = 2121;
// The updated sheet went out through the mail command (address).
inline constexpr int kUpdatedSheetSent = 2122;
// The tooltip of the main window's button that shows the next telephone number.
inline constexpr int kNextPhoneTip = 2180;
// A sheet that could not be written (file, reason) or read (file, reason), and the reasons
// that are not the contact log's full disk.
inline constexpr int kCannotWriteSheet = 2130;
inline constexpr int kCannotReadSheet = 2131;
inline constexpr int kNoSpaceLeft = kContactLogDiskFull;
inline constexpr int kNoSuchFileOrFolder = 2132;
inline constexpr int kNoPermission = 2133;
inline constexpr int kIsAFolder = 2134;
// A text holding bytes that its code page leaves undefined (code page, the bytes).
inline constexpr int kUnshownCharacters = 2135;
inline constexpr int kMonthNamesInSentence = 2150;
// Names that the code page cannot show (sheet, code page).
inline constexpr int kOtherCodePage = 2162;
// What a screen reader reads for controls without a caption of their own: the main list and a
// row whose report is missing (name), the reminder list, the preview's page (title, page,
// pages) and its page buttons.
inline constexpr int kPublisherListName = 2300;
inline constexpr int kReportMissingRow = 2301;
inline constexpr int kReminderListName = 2302;
inline constexpr int kPreviewPageName = 2303;
inline constexpr int kNextPageName = 2304;
inline constexpr int kPreviousPageName = 2305;
// What a screen reader reads for a publisher of the group's year who is neither irregular nor
// inactive.
inline constexpr int kYearRegularName = 2306;

// The group's year: the window's entry, title and buttons, the table's headings, the statuses,
// the cell marks (auxiliary, regular and special pioneer in order) and their names in words, the
// totals rows in order, a month the report dialog cannot reach, and the line of the help tips.
inline constexpr int kYearEntry = 2200;
inline constexpr int kYearTitle = 2201;
inline constexpr int kYearPrintButton = 2202;
inline constexpr int kYearCloseButton = 2203;
inline constexpr int kYearNameHeading = 2204;
inline constexpr int kYearStatusHeading = 2205;
inline constexpr int kYearIrregular = 2206;
inline constexpr int kYearInactive = 2207;
inline constexpr int kYearMarkInService = 2208;
inline constexpr int kYearMarkZero = 2209;
inline constexpr int kYearMarkMissing = 2210;
inline constexpr int kYearMarkLate = 2211;
inline constexpr int kYearMarkAuxiliary = 2212;
inline constexpr int kYearLegend = 2215;
inline constexpr int kYearMissingName = 2216;
inline constexpr int kYearZeroName = 2217;
inline constexpr int kYearLateName = 2218;
inline constexpr int kYearHoursName = 2219;
inline constexpr int kYearTotalsFirst = 2220;
inline constexpr int kYearTotalsLast = 2224;
inline constexpr int kYearUnreachable = 2225;
inline constexpr int kYearHelp = 2226;
inline constexpr int kYearChartName = 2227;
inline constexpr int kYearGridName = 2228;

// A publisher's message read into the report dialog: its line (what was read, what was unclear,
// nothing read), how the publisher was found, the names of the fields in the order of
// MessageReading::Field, auxiliary pioneer, yes, no, a number without its word, a remark, the
// refusals (a file over 1 MB, a text over 64 KB, no text, a file that is no text, an e-mail the
// module cannot read, no publisher), the choice between publishers, and the paste entry.
inline constexpr int kMessageRead = 2250;
inline constexpr int kMessageUnclear = 2251;
inline constexpr int kMessageNothingRead = 2252;
inline constexpr int kMessageBySender = 2253;
inline constexpr int kMessageByName = 2254;
inline constexpr int kMessageNoName = 2255;
inline constexpr int kMessageFieldNames = 2256;
inline constexpr int kMessageAuxiliary = 2262;
inline constexpr int kMessageYes = 2263;
inline constexpr int kMessageNo = 2264;
inline constexpr int kMessageUnboundNumber = 2265;
inline constexpr int kMessageRemarkValue = 2275;
inline constexpr int kMessageFileTooLarge = 2266;
inline constexpr int kMessageTextTooLong = 2267;
inline constexpr int kMessageNotText = 2268;
inline constexpr int kMessageFileNotText = 2269;
inline constexpr int kMessageMailUnread = 2270;
inline constexpr int kMessageNoPublisher = 2271;
inline constexpr int kChoosePublisherTitle = 2272;
inline constexpr int kChoosePublisherPrompt = 2273;
inline constexpr int kPasteMessageEntry = 2274;
// The words a message may use, in each language, comma-separated: one text per concept of
// MessageVocabulary, then further forms of each month's name as messages write them.
inline constexpr int kMessageWords = 2280;
inline constexpr int kMonthFormsInMessages = 2288;

// Texts that the Windows design kept in English outside the table; they keep its ids.
inline constexpr int kPositiveInteger = 61700;
inline constexpr int kIntegerBetween = 61701;
inline constexpr int kLowMemory = 61710;
inline constexpr int kNoPrinter = 61711;
inline constexpr int kNoHdc = 61712;
inline constexpr int kNoTelephone = 61713;
inline constexpr int kBadProcAddress = 61714;
inline constexpr int kNoMailSystem = 61840;
inline constexpr int kInvalidMailSystem = 61841;
inline constexpr int kSendMailFailed = 61842;

} // namespace fyn::text
