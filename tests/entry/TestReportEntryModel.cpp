#include "GroupSheet.h"
#include "LittleEndian.h"
#include "RecordingMessageBoxes.h"
#include "ReportEntryModel.h"
#include "ReportSheets.h"
#include "StringTable.h"
#include "Wording.h"

#include <QTest>
#include <memory>

using namespace fyn;
using namespace fyn::layout;
using namespace fyn::test;
using namespace Qt::StringLiterals;
using Step = ReportEntryModel::Step;

namespace {

const QString kPositive = QStringLiteral("Please enter a positive integer.");

QString between(int upper) {
    return QStringLiteral("Please enter an integer between 0 and %1.").arg(upper);
}

} // namespace

class TestReportEntryModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opening_data() {
        QTest::addColumn<int>("status"); // the month's whole status byte
        QTest::addColumn<int>("privilege");
        QTest::addColumn<int>("groupByte");
        QTest::addColumn<bool>("inService");
        QTest::addColumn<QString>("statusText");
        QTest::addColumn<QString>("privilegeText");
        QTest::addColumn<QString>("groupText");
        QTest::addColumn<QString>("shown"); // h: hours, s: studies, c: credit, a: box 1050
        const auto row = [](const char* name, int status, int privilege, int groupByte,
                            bool inService, const char* statusText, const char* privilegeText,
                            const char* groupText, const char* shown) {
            QTest::newRow(name) << status << privilege << groupByte << inService
                                << QString::fromUtf8(statusText) << QString::fromUtf8(privilegeText)
                                << QString::fromUtf8(groupText) << QString::fromLatin1(shown);
        };
        row("publisher, elder, not in service", 0, 0xFE, 4, false, "", "Starší", "Skupina 4", "a");
        row("publisher in service", 0, 0, 4, true, "", "", "Skupina 4", "sa");
        row("carried status bits show the hours", 0x80, 0, 4, true, "", "", "Skupina 4", "hsa");
        row("auxiliary pioneer", 1, 0, 12, true, "Pomocný priekopník", "", "Skupina 12", "hsa");
        row("regular pioneer, ministerial servant", 2, 1, 4, false, "Pravidelný priekopník",
            "Služobný pomocník", "Skupina 4", "c");
        row("special pioneer, group byte 255", 3, 3, 255, true, "Zvláštny priekopník",
            "Pokrstený brat", "Skupina -1", "hs");
    }

    void opening() {
        QFETCH(int, status);
        QFETCH(int, privilege);
        QFETCH(int, groupByte);
        QFETCH(bool, inService);
        SheetBuilder sheet = reportGroup();
        sheet.setRecordByte(1, kPioneerStatus + kK, static_cast<std::uint8_t>(status));
        sheet.setRecordByte(1, kPrivilege, static_cast<std::uint8_t>(privilege));
        sheet.setRecordByte(1, kRecordGroupNumber, static_cast<std::uint8_t>(groupByte));
        if (inService) {
            setInService(sheet, kMay);
        }
        QVERIFY(open(sheet));
        const ReportEntryModel::Texts& texts = model_->texts();
        const ReportEntryModel::Visibility& shown = model_->visibility();
        QCOMPARE(texts.name, QStringLiteral("Ján Novák"));
        QCOMPARE(texts.month, QStringLiteral("Máj"));
        QTEST(texts.status, "statusText");
        QTEST(texts.privilege, "privilegeText");
        QTEST(texts.group, "groupText");
        QCOMPARE(shown.statusLabel, !shown.auxiliaryBox);
        QCOMPARE(model_->auxiliaryTicked(), (status & kStatusMask) == AuxiliaryPioneer);
        QCOMPARE(model_->inService(), inService);
        QTEST(QString::fromLatin1(shown.hours ? "h" : "") +
                  QLatin1String(shown.studies ? "s" : "") +
                  QLatin1String(shown.creditLabel ? "c" : "") +
                  QLatin1String(shown.auxiliaryBox ? "a" : ""),
              "shown");
    }

    // What accepting stores after the commands, for May's status byte and studies word as
    // given; the rest of the record stays as it was.
    void accepting_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<int>("storedStatus");
        QTest::addColumn<int>("storedFlags");
        QTest::addColumn<int>("storedHours");
        const auto row = [](const char* name, int status, int flags, const char* commands,
                            int storedStatus, int storedFlags, int storedHours) {
            QTest::newRow(name) << status << flags << QString::fromUtf8(commands) << storedStatus
                                << storedFlags << storedHours;
        };
        row("bit 10 is cleared", 0, 0x5400, "", 0, 0x5000, 0);
        row("ticked with 3 studies, bits 12-15 kept", 0, 0xA400, "tick|studies:3", 0, 0xA803, 0);
        row("unticking drops typed hours and studies", 2, 0x5803, "hours:20|untick", 2, 0x5000, 0);
        row("hours mean in service, ticked or not", 1, 0, "hours:5", 1, 0x0800, 5);
        row("two zeros tick the box when 1050 is clicked", 0xB4, 0, "hours:00|aux:1", 0xB5, 0x0800,
            0);
        row("publisher ticks 1050", 0xB4, 0x0801, "aux:1", 0xB5, 0x0801, 0);
        row("auxiliary pioneer unticks it", 0xB5, 0x0801, "aux:0", 0xB4, 0x0801, 0);
        row("regular pioneer stays whatever 1050 holds", 0xB6, 0x0801, "aux:1", 0xB6, 0x0801, 0);
        row("special pioneer as well", 0xB7, 0x0801, "aux:1", 0xB7, 0x0801, 0);
    }

    void accepting() {
        QFETCH(int, status);
        QFETCH(int, flags);
        QFETCH(QString, commands);
        QFETCH(int, storedStatus);
        QFETCH(int, storedFlags);
        QFETCH(int, storedHours);
        SheetBuilder sheet = reportGroup();
        sheet.setRecordByte(1, kPioneerStatus + kK, static_cast<std::uint8_t>(status));
        sheet.setMonthValue(1, kStudiesAndFlags, kMay, kSlot, static_cast<std::uint16_t>(flags));
        QVERIFY(open(sheet));
        run(commands);
        QCOMPARE(run(u"ok!"_s), u"accepted"_s);

        QByteArray expected = before_;
        auto* bytes = reinterpret_cast<std::uint8_t*>(expected.data());
        bytes[kPioneerStatus + kK] = static_cast<std::uint8_t>(storedStatus);
        writeU16(bytes + kStudiesAndFlags + 2 * kK, static_cast<std::uint16_t>(storedFlags));
        writeU16(bytes + kHours + 2 * kK, static_cast<std::uint16_t>(storedHours));
        QCOMPARE(recordBytes(), expected);
        QCOMPARE(committed_, QStringList{QStringLiteral("Ján Novák")});
    }

    void validation_data() {
        QTest::addColumn<int>("publications");
        QTest::addColumn<int>("videos");
        QTest::addColumn<int>("returnVisits");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("studies");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<int>("field");
        const auto row = [](const char* name, int publications, int videos, int returnVisits,
                            const char* hours, const char* studies, const QString& message,
                            int field) {
            QTest::newRow(name) << publications << videos << returnVisits
                                << QString::fromLatin1(hours) << QString::fromLatin1(studies)
                                << message << field;
        };
        using M = ReportEntryModel;
        row("videos before publications", 4096, 4096, 0, "1", "1", between(4095), M::Videos);
        row("publications before return visits", 4096, 0, 512, "1", "1", between(4095),
            M::Publications);
        row("return visits before studies", 0, 0, 600, "1", "2.5", between(511), M::ReturnVisits);
        row("studies 2.5", 0, 0, 0, "1", "2.5", kPositive, M::Studies);
        row("studies before hours", 0, 0, 0, "70000", "64", between(63), M::Studies);
        row("hours 70000", 0, 0, 0, "70000", "1", between(65535), M::Hours);
        row("hours 2.5", 0, 0, 0, "2.5", "1", kPositive, M::Hours);
        row("every upper bound passes", 4095, 4095, 511, "65535", "63", {}, 0);
    }

    void validation() {
        QFETCH(int, publications);
        QFETCH(int, videos);
        QFETCH(int, returnVisits);
        QFETCH(QString, hours);
        QFETCH(QString, studies);
        QFETCH(QString, message);
        SheetBuilder sheet = reportGroup();
        sheet.setStatus(1, AuxiliaryPioneer);
        sheet.setReport(1, kMay, kSlot,
                        MonthReport{static_cast<std::uint16_t>(publications),
                                    static_cast<std::uint16_t>(videos), 0,
                                    static_cast<std::uint16_t>(returnVisits), 0, true, 0});
        QVERIFY(open(sheet));
        const QString step = run(u"hours:"_s + hours + u"|studies:"_s + studies + u"|ok!"_s);
        if (message.isEmpty()) {
            QCOMPARE(step, QStringLiteral("accepted"));
            QVERIFY(boxes_.texts().isEmpty());
            const QList<int> stored{value(kPublications), value(kVideos), value(kReturnVisits),
                                    value(kHours), value(kStudiesAndFlags)};
            QCOMPARE(stored, (QList<int>{publications, videos, returnVisits, hours.toInt(),
                                         kInServiceBit | studies.toInt()}));
            return;
        }
        QCOMPARE(step, QStringLiteral("invalid"));
        QCOMPARE(boxes_.texts(), QStringList{message});
        QTEST(int(model_->invalidField()), "field");
        QVERIFY(committed_.isEmpty());
        QCOMPARE(recordBytes(), before_);
    }

    // The OK command, from the OK button or Enter, and the remarks field that it closes.
    void okRouting_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("mode");
        const auto row = [](const char* name, const char* commands, const char* steps, int mode) {
            QTest::newRow(name) << QString::fromUtf8(commands) << QString::fromLatin1(steps)
                                << mode;
        };
        row("away from the last stop it walks on", "ok", "next", 0);
        row("Enter in the remarks field", "open|ok|close:x", "inService stay", 0);
        row("leaving the remarks field", "open|close:x", "inService", 2);
        row("then OK only ends the remarks", "open|close:x|ok!|ok!", "inService stay accepted", 0);
        row("the in-service box ends them too", "open|close:x|tick|ok!", "inService accepted", 0);
    }

    void okRouting() {
        QFETCH(QString, commands);
        QVERIFY(open(reportGroup()));
        QTEST(run(commands), "steps");
        QTEST(model_->remarksMode(), "mode");
    }

    // A regular pioneer in service with 10 credit hours stored types the hours and leaves the
    // field, or edits the remark.
    void credit_data() {
        QTest::addColumn<int>("hours");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("credit");
        QTest::addColumn<bool>("remarkKept"); // the record refers to a remark
        const auto row = [](const char* name, int hours, const char* remark, const char* commands,
                            const char* label, int credit, bool remarkKept) {
            QTest::newRow(name) << hours << QString::fromLatin1(remark)
                                << QString::fromLatin1(commands) << QString::fromLatin1(label)
                                << credit << remarkKept;
        };
        row("70 hours typed", 0, "", "hours:70", "( + 5 H )", 5, false);
        row("80 hours typed, remark 30*", 0, "30*", "hours:80", "( + 30 H )", 30, true);
        row("remark cleared", 60, "10 +H", "remark:", "", 0, false);
        row("remark of blanks only", 60, "10 +H", "remark:   ", "", 0, false);
        row("leading blank, digits not read", 60, "10 +H", "remark: 5", "( + 10 H )", 10, false);
        row("new credit in the remark", 60, "10 +H", "remark:5 +H", "( + 5 H )", 5, true);
        row("remark capped by the hours", 60, "10 +H", "remark:40", "( + 15 H )", 15, true);
    }

    void credit() {
        QFETCH(int, hours);
        QFETCH(QString, remark);
        QFETCH(QString, commands);
        QFETCH(bool, remarkKept);
        SheetBuilder sheet = reportGroup();
        sheet.setStatus(1, RegularPioneer);
        sheet.setReport(1, kMay, kSlot,
                        MonthReport{0, 0, static_cast<std::uint16_t>(hours), 0, 1, true, 10});
        if (!remark.isEmpty()) {
            sheet.setRemarkEntry(1, kMay, kSlot,
                                 static_cast<std::uint16_t>(sheet.addRemark(cp1250(remark))));
        }
        QVERIFY(open(sheet));
        run(commands);
        QTEST(model_->texts().credit, "label");
        QCOMPARE(run(u"ok!"_s), u"accepted"_s);
        QTEST(int(value(kCreditHours)), "credit");
        QCOMPARE(value(kRemarkEntry) != 0, remarkKept);
    }

    // May has no remark: showing it reserves an entry, the remarks field writes the entry at
    // once, and the record refers to it from acceptance on; cancelling keeps the entry only.
    void remarks_data() {
        QTest::addColumn<bool>("tableFull");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reserved");
        QTest::addColumn<QByteArray>("stored"); // in May's entry; empty: the record refers to none
        const QString percent = QStringLiteral("Prišiel až v piatok, 5 %");
        QTest::newRow("a zero report") << false << u"remark:0"_s << u"0"_s << 1 << QByteArray("0");
        QTest::newRow("a text with a percent sign")
            << false << u"remark:"_s + percent << percent << 1 << cp1250(percent);
        QTest::newRow("each month shown reserves one entry")
            << false << u"remark:abc|months:3,4,3,4"_s << u"abc"_s << 2 << QByteArray("abc");
        QTest::newRow("a cleared remark stays cleared")
            << false << u"remark:abc|remark:|months:3,4"_s << QString() << 2 << QByteArray();
        QTest::newRow("a full table stores no remark")
            << true << u"remark:0"_s << u"0"_s << 0 << QByteArray();
    }

    void remarks() {
        QFETCH(bool, tableFull);
        QFETCH(QString, commands);
        QFETCH(int, reserved);
        QFETCH(QByteArray, stored);
        SheetBuilder sheet = reportGroup();
        while (tableFull && sheet.remarkCount() < kMaxRemarks) {
            sheet.addRemark("x");
        }
        QVERIFY(open(sheet));
        QCOMPARE(boxes_.texts(),
                 tableFull ? QStringList{u"Mimo priestor pre poznámky"_s} : QStringList());
        run(commands);
        QTEST(model_->remarkText(), "text");
        QCOMPARE(sheet_.remarkCount(), remarksBefore_ + reserved);
        QCOMPARE(recordBytes(), before_);
        if (!stored.isEmpty()) {
            QCOMPARE(remarkEntry(remarksBefore_ + 1), stored);
        }

        QCOMPARE(run(u"ok!"_s), u"accepted"_s);
        QCOMPARE(value(kRemarkEntry), stored.isEmpty() ? 0 : remarksBefore_ + 1);
        QCOMPARE(value(kStudiesAndFlags) & kInServiceBit, 0);
        QCOMPARE(sheet_.IsReportMissing(1, kMay, kSlot), stored.isEmpty());
    }

    // Only the report month, when it comes back, recomputes the fields, from the month shown
    // just before it.
    void monthChangesKeepTheFields() {
        SheetBuilder sheet = reportGroup();
        setInService(sheet, kMay - 1);
        QVERIFY(open(sheet));
        run(u"months:3,2"_s);
        QVERIFY(!model_->visibility().studies);
        run(u"months:3,4"_s);
        QVERIFY(model_->visibility().studies);
    }

    // August shown while September is the report month: the panel, and whether accepting
    // marks August late (record offset 162).
    void lateMonth_data() {
        QTest::addColumn<int>("hours");
        QTest::addColumn<bool>("markedBefore");
        QTest::addColumn<int>("reportMonthStatus");
        QTest::addColumn<int>("shownMonthStatus");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("marked");
        const QString sent = u"- VÝSTRAHA -   Už ste zaslali August správu za Ján Novák."_s;
        const QString included =
            u"\nPrípadné zmeny BUDÚ ZAHRNUTÉ do September správy pre odbočku."_s;
        const QString notIncluded = u"\nZmeny NEBUDÚ ZAHRNUTÉ do September správy pre odbočku."_s;
        const QString special = u"\nZvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku"_s;
        const int P = Publisher;
        const int S = SpecialPioneer;
        QTest::newRow("no hours yet") << 0 << false << P << P << included << true;
        QTest::newRow("hours, not marked") << 30 << false << P << P << sent + notIncluded << false;
        QTest::newRow("hours, marked before") << 30 << true << P << P << sent + included << true;
        QTest::newRow("special pioneer in the report month")
            << 0 << false << S << P << special << false;
        QTest::newRow("special pioneer in the shown month")
            << 90 << false << P << S << sent + special << false;
    }

    void lateMonth() {
        QFETCH(int, hours);
        QFETCH(bool, markedBefore);
        QFETCH(int, reportMonthStatus);
        QFETCH(int, shownMonthStatus);
        QFETCH(bool, marked);
        constexpr int kAugust = 7;
        SheetBuilder sheet = reportGroup(kAugust + 1);
        sheet.setStatus(1, kAugust + 1, kSlot, static_cast<PioneerStatus>(reportMonthStatus));
        sheet.setStatus(1, kAugust, kSlot, static_cast<PioneerStatus>(shownMonthStatus));
        sheet.setReport(1, kAugust, kSlot,
                        MonthReport{0, 0, static_cast<std::uint16_t>(hours), 0, 0, true, 0});
        if (markedBefore) {
            sheet.markLate(1, kAugust);
        }
        QVERIFY(open(sheet));
        run(u"months:7"_s);
        QCOMPARE(model_->month(), kAugust);
        QTEST(model_->texts().warnings, "panel");
        QCOMPARE(run(u"ok!"_s), u"accepted"_s);
        QByteArray expected = before_;
        expected[162] = static_cast<char>(marked ? 1 : 0);
        QCOMPARE(recordBytes(), expected);
    }

private:
    bool open(const SheetBuilder& builder);
    // Runs the commands on the model and answers the steps that the OK command asked for.
    QString run(const QString& commands);
    std::uint16_t value(std::size_t array) const {
        return readU16(sheet_.Record(1) + array + 2 * static_cast<std::size_t>(kK));
    }
    QByteArray recordBytes() const {
        return QByteArray(reinterpret_cast<const char*>(sheet_.Record(1)), kRecordSize);
    }
    QByteArray remarkEntry(int number) const {
        return QByteArray(reinterpret_cast<const char*>(sheet_.RemarkEntry(number)));
    }

    RecordingMessageBoxes boxes_;
    GroupSheet sheet_;
    Wording wording_{StringTable::slovak(), sheet_};
    std::unique_ptr<ReportEntryModel> model_;
    QStringList committed_;
    QByteArray before_;
    int remarksBefore_ = 0;
};

bool TestReportEntryModel::open(const SheetBuilder& builder) {
    boxes_.clear();
    committed_.clear();
    if (!sheet_.Read(builder.build(), QStringLiteral("g.t09"))) {
        return false;
    }
    sheet_.yearSlot = kSlot;
    before_ = recordBytes();
    remarksBefore_ = sheet_.remarkCount();
    const ReportEntryModel::Context context{sheet_, wording_, StringTable::slovak(), boxes_,
                                            [this](const QString& name) { committed_ << name; }};
    model_ = std::make_unique<ReportEntryModel>(context, 1);
    return true;
}

// Commands separated by "|": "ok" and "ok!" (at the last stop), "open", "close:TEXT" by leaving the
// field, "remark:TEXT" typed and closed with Enter, "tick", "untick", "aux:1", "aux:0",
// "hours:TEXT" typed and left, "studies:TEXT", "months:M,M,..." picked in the month list, which
// then closes.
QString TestReportEntryModel::run(const QString& commands) {
    static const char* const names[] = {"stay", "next", "inService", "invalid", "accepted"};
    QStringList steps;
    const auto note = [&steps](Step step) {
        steps << QString::fromLatin1(names[static_cast<int>(step)]);
    };
    for (const QString& command : commands.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QString verb = command.section(QLatin1Char(':'), 0, 0);
        const QString text = command.section(QLatin1Char(':'), 1);
        if (verb.startsWith(QStringLiteral("ok"))) {
            note(model_->OkCommand(verb == QStringLiteral("ok!")));
        } else if (verb == QStringLiteral("open")) {
            model_->OpenRemarks();
        } else if (verb == QStringLiteral("close")) {
            note(model_->CloseRemarks(text, false));
        } else if (verb == QStringLiteral("remark")) {
            model_->OpenRemarks();
            model_->OkCommand(false);
            model_->CloseRemarks(text, false);
        } else if (verb.endsWith(QStringLiteral("tick"))) {
            model_->InServiceClicked(verb == QStringLiteral("tick"));
        } else if (verb == QStringLiteral("aux")) {
            model_->AuxiliaryPioneerClicked(text == QStringLiteral("1"));
        } else if (verb == QStringLiteral("hours")) {
            model_->EditField(ReportEntryModel::Hours, text);
            model_->HoursFieldLeft();
        } else if (verb == QStringLiteral("studies")) {
            model_->EditField(ReportEntryModel::Studies, text);
        } else if (verb == QStringLiteral("months")) {
            model_->OpenMonthList();
            for (const QString& month : text.split(QLatin1Char(','))) {
                model_->SelectMonth(month.toInt());
            }
            model_->CloseMonthList();
        } else {
            qFatal("unknown command %s", qPrintable(command));
        }
    }
    return steps.join(QLatin1Char(' '));
}

QTEST_GUILESS_MAIN(TestReportEntryModel)
#include "TestReportEntryModel.moc"
