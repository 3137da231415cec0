#include "ReportSheets.h"

#include <QTest>
#include <memory>

using namespace fyn;
using namespace fyn::layout;
using namespace fyn::test;
using namespace Qt::StringLiterals;

namespace {

// Figures of May by array (a byte for the status, a word from the publications on), or any
// other byte of the record by its offset.
using Cells = QList<std::pair<int, int>>;

void poke(QByteArray& record, const Cells& cells) {
    auto* bytes = reinterpret_cast<std::uint8_t*>(record.data());
    for (const auto& [at, value] : cells) {
        if (at >= int(kPublications)) {
            writeU16(bytes + at + 2 * kK, static_cast<std::uint16_t>(value));
        } else {
            bytes[at == int(kPioneerStatus) ? at + kK : at] = static_cast<std::uint8_t>(value);
        }
    }
}

QString between(int upper) {
    return QStringLiteral("Please enter an integer between 0 and %1.").arg(upper);
}

} // namespace

class TestReportEntryModel : public QObject, ReportFixture {
    Q_OBJECT

private Q_SLOTS:
    // May's month, status, privilege and group labels after the commands, and which controls
    // show: h: hours, s: studies, c: credit, l: status label, a: box 1050, A: 1050 ticked,
    // I: in service.
    void shown_data() {
        QTest::addColumn<Cells>("given");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const Cells& given, const char* commands,
                            const char* texts, const char* shown) {
            QTest::newRow(name) << given << QString::fromLatin1(commands)
                                << QString::fromUtf8(texts) << QString::fromLatin1(shown);
        };
        const int S = kPioneerStatus, P = kPrivilege, G = kRecordGroupNumber, F = kStudiesAndFlags;
        row("publisher, elder, not in service", {{P, 0xFE}}, "", "Máj||Starší|Skupina 4", "a");
        row("publisher in service", {{F, 0x0800}}, "", "Máj|||Skupina 4", "saI");
        row("carried status bits show the hours", {{S, 0x80}, {F, 0x0800}}, "", "Máj|||Skupina 4",
            "hsaI");
        row("auxiliary pioneer", {{S, 1}, {G, 12}, {F, 0x0800}}, "",
            "Máj|Pomocný priekopník||Skupina 12", "hsaAI");
        row("regular pioneer, ministerial servant", {{S, 2}, {P, 1}}, "",
            "Máj|Pravidelný priekopník|Služobný pomocník|Skupina 4", "cl");
        row("special pioneer, group byte 255", {{S, 3}, {P, 3}, {G, 255}, {F, 0x0800}}, "",
            "Máj|Zvláštny priekopník|Pokrstený brat|Skupina -1", "hslI");
        // Only the report month, when it comes back, recomputes the fields, from the month shown
        // just before it.
        row("other months keep the fields", {{F, 0x0800}}, "months:3,2", "Marec|||Skupina 4", "sa");
        row("the report month recomputes them", {{F, 0x0800}}, "months:3,4", "Máj|||Skupina 4",
            "aI");
    }

    void shown() {
        QFETCH(Cells, given);
        QFETCH(QString, commands);
        QVERIFY(open(given));
        run(commands);
        const ReportEntryModel::Texts& texts = model_->texts();
        QTEST(QStringList({texts.month, texts.status, texts.privilege, texts.group}).join(u'|'),
              "texts");
        const ReportEntryModel::Visibility& v = model_->visibility();
        QString shown;
        for (const auto& [on, letter] : {std::pair{v.hours, 'h'},
                                         {v.studies, 's'},
                                         {v.creditLabel, 'c'},
                                         {v.statusLabel, 'l'},
                                         {v.auxiliaryBox, 'a'},
                                         {model_->auxiliaryTicked(), 'A'},
                                         {model_->inService(), 'I'}}) {
            shown += on ? QString(QLatin1Char(letter)) : QString();
        }
        QTEST(shown, "shown");
    }

    // The commands and then OK at the last stop: the steps taken, the messages shown, the credit
    // label and warnings panel, the bytes of the record that changed and the remark entries
    // that the dialog added. Nothing reaches the record before the OK.
    void stored_data() {
        QTest::addColumn<Cells>("given");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<Cells>("stored");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QByteArrayList>("entries");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QByteArrayList>("remarks"); // in the table before the dialog opens
        QTest::addColumn<QString>("panel");
        QTest::addColumn<int>("reportMonth");
        const auto row = [](const char* name, const Cells& given, const QString& commands,
                            const char* steps, const Cells& stored,
                            const QStringList& messages = {}, const QByteArrayList& entries = {""},
                            const char* label = "", const QByteArrayList& remarks = {},
                            const QString& panel = {}, int reportMonth = kMay) {
            QTest::newRow(name) << given << commands << QString::fromLatin1(steps) << stored
                                << messages << entries << QString::fromLatin1(label) << remarks
                                << panel << reportMonth;
        };
        // The lines of the warnings panel, for May shown while June is the report month.
        const QString sent = u"- VÝSTRAHA -   Už ste zaslali Máj správu za Ján Novák."_s;
        const QString included = u"\nPrípadné zmeny BUDÚ ZAHRNUTÉ do Jún správy pre odbočku."_s;
        const QString notIncluded = u"\nZmeny NEBUDÚ ZAHRNUTÉ do Jún správy pre odbočku."_s;
        const QString special = u"\nZvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku"_s;
        const int S = kPioneerStatus, F = kStudiesAndFlags, H = kHours, C = kCreditHours;
        const int R = kRemarkEntry;
        row("bit 10 is cleared", {{F, 0x5400}}, {}, "accepted", {{F, 0x5000}});
        row("ticked with 3 studies, bits 12-15 kept", {{F, 0xA400}}, u"tick|studies:3"_s,
            "accepted", {{F, 0xA803}});
        row("unticking drops typed hours and studies", {{S, 2}, {F, 0x5803}}, u"hours:20|untick"_s,
            "accepted", {{F, 0x5000}});
        row("hours mean in service, ticked or not", {{S, 1}}, u"hours:5"_s, "accepted",
            {{F, 0x0800}, {H, 5}});
        row("two zeros tick the box when 1050 is clicked", {{S, 0xB4}}, u"hours:00|aux:1"_s,
            "accepted", {{S, 0xB5}, {F, 0x0800}});
        row("publisher ticks 1050", {{S, 0xB4}, {F, 0x0801}}, u"aux:1"_s, "accepted", {{S, 0xB5}});
        row("auxiliary pioneer unticks it", {{S, 0xB5}, {F, 0x0801}}, u"aux:0"_s, "accepted",
            {{S, 0xB4}});
        row("regular pioneer stays whatever 1050 holds", {{S, 0xB6}, {F, 0x0801}}, u"aux:1"_s,
            "accepted", {});
        row("special pioneer as well", {{S, 0xB7}, {F, 0x0801}}, u"aux:1"_s, "accepted", {}, {},
            {""}, "", {}, special);

        // The values are checked in this order, and only the first refusal is shown.
        const QString positive = QStringLiteral("Please enter a positive integer.");
        row("videos before publications", {{kPublications, 4096}, {kVideos, 4096}},
            u"hours:1|studies:1"_s, "invalid videos", {}, {between(4095)});
        row("publications before return visits", {{kPublications, 4096}, {kReturnVisits, 512}},
            u"hours:1|studies:1"_s, "invalid publications", {}, {between(4095)});
        row("return visits before studies", {{kReturnVisits, 600}}, u"hours:1|studies:2.5"_s,
            "invalid returnVisits", {}, {between(511)});
        row("studies 2.5", {}, u"hours:1|studies:2.5"_s, "invalid studies", {}, {positive});
        row("studies before hours", {}, u"hours:70000|studies:64"_s, "invalid studies", {},
            {between(63)});
        row("hours 70000", {}, u"hours:70000|studies:1"_s, "invalid hours", {}, {between(65535)});
        row("hours 2.5", {}, u"hours:2.5|studies:1"_s, "invalid hours", {}, {positive});
        row("every upper bound passes",
            {{kPublications, 4095}, {kVideos, 4095}, {kReturnVisits, 511}},
            u"hours:65535|studies:63"_s, "accepted", {{H, 65535}, {F, 0x083F}});

        // The OK command away from the last stop, and while the remarks field is open.
        row("away from the last stop it walks on", {}, u"ok"_s, "next accepted", {});
        row("Enter in the remarks field", {}, u"open|ok|close:x"_s, "inService stay accepted",
            {{R, 2}}, {}, {"x"});
        row("leaving the remarks field, OK only ends them", {}, u"open|close:x|ok!"_s,
            "inService stay accepted", {{R, 2}}, {}, {"x"});
        row("the in-service box ends them too", {}, u"open|close:x|tick"_s, "inService accepted",
            {{R, 2}, {F, 0x0800}}, {}, {"x"});

        // May has no remark: showing it reserves one entry per month, which the remarks field
        // writes at once.
        const QString percent = QStringLiteral("Prišiel až v piatok, 5 %");
        row("a zero report", {}, u"remark:0"_s, "accepted", {{R, 2}}, {}, {"0"});
        row("a text with a percent sign", {}, u"remark:"_s + percent, "accepted", {{R, 2}}, {},
            {cp1250(percent)});
        row("each month shown reserves one entry", {}, u"remark:abc|months:3,4,3,4|remark"_s,
            "accepted", {{R, 2}}, {}, {"abc", ""});
        row("a cleared remark stays cleared", {}, u"remark:abc|remark:|months:3,4|remark"_s,
            "accepted", {}, {}, {"abc", ""});
        row("a full table stores no remark", {}, u"remark:0"_s, "accepted", {},
            {u"Mimo priestor pre poznámky"_s}, {}, "", QByteArrayList(kMaxRemarks - 1, "x"));

        // A regular pioneer in service with 10 credit hours types the hours and edits the remark.
        const Cells pioneer{{S, 2}, {F, 0x0801}, {C, 10}};
        const Cells noted = pioneer + Cells{{R, 2}};
        row("70 hours typed", pioneer, u"hours:70"_s, "accepted", {{H, 70}, {C, 5}}, {}, {""},
            "( + 5 H )");
        row("80 hours typed, remark 30*", noted, u"hours:80"_s, "accepted", {{H, 80}, {C, 30}}, {},
            {}, "( + 30 H )", {"30*"});
        row("remark cleared", noted, u"hours:60|remark:"_s, "accepted", {{H, 60}, {C, 0}, {R, 0}},
            {}, {}, "", {"10 +H"});
        row("remark of blanks only", noted, u"hours:60|remark:   "_s, "accepted",
            {{H, 60}, {C, 0}, {R, 0}}, {}, {}, "", {"10 +H"});
        row("leading blank, digits not read", noted, u"hours:60|remark: 5"_s, "accepted",
            {{H, 60}, {R, 0}}, {}, {}, "( + 10 H )", {"10 +H"});
        row("remark capped by the hours", noted, u"hours:60|remark:40"_s, "accepted",
            {{H, 60}, {C, 15}}, {}, {}, "( + 15 H )", {"10 +H"});

        // May shown while June is the report month: the panel, and whether accepting marks May
        // late.
        const int late = kLateMarksFirstHalf + kMay, june = kMay + 1;
        const Cells hours{{H, 30}, {F, 0x0800}};
        row("no hours yet", {}, u"months:4"_s, "accepted", {{late, 1}}, {}, {"", ""}, "", {},
            included, june);
        row("hours, not marked", hours, u"months:4"_s, "accepted", {}, {}, {"", ""}, "", {},
            sent + notIncluded, june);
        row("hours, marked before", hours + Cells{{late, 1}}, u"months:4"_s, "accepted", {}, {},
            {"", ""}, "", {}, sent + included, june);
        row("special pioneer in the report month", {{S + monthSlot(june, kSlot), 3}}, u"months:4"_s,
            "accepted", {}, {}, {"", ""}, "", {}, special, june);
        row("special pioneer in the shown month", hours + Cells{{S, 3}}, u"months:4"_s, "accepted",
            {}, {}, {"", ""}, "", {}, sent + special, june);
    }

    void stored() {
        QFETCH(Cells, given);
        QFETCH(QString, commands);
        QFETCH(Cells, stored);
        QFETCH(QByteArrayList, remarks);
        QFETCH(int, reportMonth);
        QVERIFY(open(given, remarks, reportMonth));
        QString steps = run(commands);
        QCOMPARE(recordBytes(), before_);
        steps = QStringList({steps, run(u"ok!"_s)}).join(u' ').trimmed();
        QTEST(steps, "steps");
        QTEST(boxes_.texts(), "messages");
        QTEST(model_->texts().credit, "label");
        QTEST(model_->texts().warnings, "panel");
        QByteArray expected = before_;
        poke(expected, stored);
        QCOMPARE(recordBytes(), expected);
        QCOMPARE(committed_,
                 steps.endsWith(u"accepted"_s) ? QStringList{u"Ján Novák"_s} : QStringList());
        QByteArrayList entries;
        for (int number = remarksBefore_ + 1; number <= sheet_.remarkCount(); ++number) {
            entries << remarkEntry(number);
        }
        QTEST(entries, "entries");
    }

private:
    bool open(const Cells& given, const QByteArrayList& remarks = {}, int reportMonth = kMay);
    QString run(const QString& commands);

    std::unique_ptr<ReportEntryModel> model_;
};

bool TestReportEntryModel::open(const Cells& given, const QByteArrayList& remarks,
                                int reportMonth) {
    SheetBuilder sheet = group(reportMonth);
    for (const QByteArray& remark : remarks) {
        sheet.addRemark(remark);
    }
    QByteArray record = sheet.plainRecord(1);
    poke(record, given);
    sheet.setRecordBytes(1, 0, record);
    if (!load(sheet)) {
        return false;
    }
    model_ = std::make_unique<ReportEntryModel>(context(), 1);
    return true;
}

// Runs commands separated by "|" and answers the steps that the OK commands asked for: "ok" and
// "ok!" (at the last stop), "open", "close:TEXT" by leaving the field, "remark:TEXT" typed and
// closed with Enter ("remark" alone: Enter on what the field shows), "tick", "untick", "aux:1",
// "aux:0", "hours:TEXT" typed and left, "studies:TEXT", "months:M,M,..." picked in the month
// list, which then closes.
QString TestReportEntryModel::run(const QString& commands) {
    static const char* const steps[] = {"stay", "next", "inService", "invalid", "accepted"};
    static const char* const fields[] = {"publications", "videos", "hours", "returnVisits",
                                         "studies"};
    QStringList taken;
    const auto note = [&](ReportEntryModel::Step step) {
        taken << QString::fromLatin1(steps[static_cast<int>(step)]);
        if (step == ReportEntryModel::Step::FocusInvalidField) {
            taken.last() += u' ' + QString::fromLatin1(fields[model_->invalidField()]);
        }
    };
    for (const QString& command : commands.split(u'|', Qt::SkipEmptyParts)) {
        const QString verb = command.section(u':', 0, 0);
        const QString text = command.section(u':', 1);
        if (verb.startsWith(u"ok"_s)) {
            note(model_->OkCommand(verb == u"ok!"_s));
        } else if (verb == u"open"_s) {
            model_->OpenRemarks();
        } else if (verb == u"close"_s) {
            note(model_->CloseRemarks(text, false));
        } else if (verb == u"remark"_s) {
            model_->OpenRemarks();
            model_->OkCommand(false);
            model_->CloseRemarks(command.contains(u':') ? text : model_->remarkText(), false);
        } else if (verb.endsWith(u"tick"_s)) {
            model_->InServiceClicked(verb == u"tick"_s);
        } else if (verb == u"aux"_s) {
            model_->AuxiliaryPioneerClicked(text == u"1"_s);
        } else if (verb == u"hours"_s) {
            model_->EditField(ReportEntryModel::Hours, text);
            model_->HoursFieldLeft();
        } else if (verb == u"studies"_s) {
            model_->EditField(ReportEntryModel::Studies, text);
        } else if (verb == u"months"_s) {
            model_->OpenMonthList();
            for (const QString& month : text.split(u',')) {
                model_->SelectMonth(month.toInt());
            }
            model_->CloseMonthList();
        } else {
            qFatal("unknown command %s", qPrintable(command));
        }
    }
    return taken.join(u' ');
}

QTEST_GUILESS_MAIN(TestReportEntryModel)
#include "TestReportEntryModel.moc"
