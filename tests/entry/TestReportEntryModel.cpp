#include "LittleEndian.h"
#include "ReportSheets.h"
#include "StringTable.h"
#include "TextIds.h"

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
    return StringTable::slovak().text(text::kIntegerBetween, {u"0"_s, QString::number(upper)});
}

// What a case sets up besides May's figures, and what it expects besides the changed bytes,
// where either differs from a plain report of May accepted at the last stop.
struct More {
    const char* steps = "accepted";
    QStringList messages{};
    QByteArrayList entries{};    // the remark entries the dialog added
    const char* label = "";      // credit
    QString panel{};             // warnings
    const char* texts = nullptr; // month|status|privilege|group, checked where given
    const char* shown = nullptr; // h: hours, s: studies, c: credit, l: status label, a: box
                                 // 1050, A: 1050 ticked, I: in service; checked where given
    QByteArrayList remarks{};    // in the table before the dialog opens
    int reportMonth = kMay;
};

} // namespace

Q_DECLARE_METATYPE(More)

class TestReportEntryModel : public QObject, ReportFixture {
    Q_OBJECT

private Q_SLOTS:
    // The commands, then OK at the last stop. Nothing reaches the record before the OK.
    void report_data() {
        QTest::addColumn<Cells>("given");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<Cells>("stored");
        QTest::addColumn<More>("more");
        const auto row = [](const char* name, const Cells& given, const char* commands,
                            const Cells& stored, const More& more = {}) {
            QTest::newRow(name) << given << QString::fromUtf8(commands) << stored << more;
        };
        const int S = kPioneerStatus, P = kPrivilege, G = kRecordGroupNumber, F = kStudiesAndFlags;
        const int H = kHours, C = kCreditHours, R = kRemarkEntry;
        const int late = kLateMarksFirstHalf + kMay, june = kMay + 1;
        // The lines of the warnings panel, for May shown while June is the report month.
        const QString sent = u"- VÝSTRAHA -   Už ste zaslali máj správu za Ján Novák."_s;
        const QString included = u"\nPrípadné zmeny BUDÚ ZAHRNUTÉ do jún správy pre odbočku."_s;
        const QString notIncluded = u"\nZmeny NEBUDÚ ZAHRNUTÉ do jún správy pre odbočku."_s;
        const QString special = u"\nZvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku"_s;
        row("publisher, elder, not in service", {{P, 0xFE}}, "", {},
            {.texts = "Máj||Starší|Skupina 4", .shown = "a"});
        row("publisher in service", {{F, 0x0800}}, "", {},
            {.texts = "Máj|||Skupina 4", .shown = "saI"});
        row("carried status bits show the hours", {{S, 0x80}, {F, 0x0800}}, "", {},
            {.texts = "Máj|||Skupina 4", .shown = "hsaI"});
        row("auxiliary pioneer", {{S, 1}, {G, 12}, {F, 0x0800}}, "", {},
            {.texts = "Máj|Pomocný priekopník||Skupina 12", .shown = "hsaAI"});
        row("regular pioneer, ministerial servant", {{S, 2}, {P, 1}}, "", {},
            {.texts = "Máj|Pravidelný priekopník|Služobný pomocník|Skupina 4", .shown = "cl"});
        row("special pioneer, group byte 255", {{S, 3}, {P, 3}, {G, 255}, {F, 0x0800}}, "", {},
            {.panel = special,
             .texts = "Máj|Zvláštny priekopník|Pokrstený brat|Skupina -1",
             .shown = "hslI"});
        // The fields follow the month shown, a late one too, with that month's pioneer status.
        row("a late month shows its figures", {{S, 1}, {F, 0x0800}}, "months:4", {{late, 1}},
            {.panel = included,
             .texts = "Máj|Pomocný priekopník||Skupina 4",
             .shown = "hsaAI",
             .reportMonth = june});
        row("and the report month its own", {{S, 1}, {F, 0x0800}}, "months:4,5", {},
            {.texts = "Jún|||Skupina 4", .shown = "a", .reportMonth = june});

        row("bit 10 is cleared", {{F, 0x5400}}, "", {{F, 0x5000}});
        row("ticked with 3 studies, bits 12-15 kept", {{F, 0xA400}}, "tick|studies:3",
            {{F, 0xA803}});
        row("unticking drops typed hours and studies", {{S, 2}, {F, 0x5803}}, "hours:20|untick",
            {{F, 0x5000}});
        row("hours mean in service, ticked or not", {{S, 1}}, "hours:5", {{F, 0x0800}, {H, 5}});
        row("two zeros tick the box when 1050 is clicked", {{S, 0xB4}}, "hours:00|aux:1",
            {{S, 0xB5}, {F, 0x0800}});
        row("publisher ticks 1050", {{S, 0xB4}, {F, 0x0801}}, "aux:1", {{S, 0xB5}});
        row("auxiliary pioneer unticks it", {{S, 0xB5}, {F, 0x0801}}, "aux:0", {{S, 0xB4}});
        row("regular pioneer stays whatever 1050 holds", {{S, 0xB6}, {F, 0x0801}}, "aux:1", {});
        row("special pioneer as well", {{S, 0xB7}, {F, 0x0801}}, "aux:1", {}, {.panel = special});

        // The values are checked in this order, and only the first refusal is shown.
        const QString positive = StringTable::slovak().text(text::kPositiveInteger);
        row("videos before publications", {{kPublications, 4096}, {kVideos, 4096}},
            "hours:1|studies:1", {}, {"invalid videos", {between(4095)}});
        row("publications before return visits", {{kPublications, 4096}, {kReturnVisits, 512}},
            "hours:1|studies:1", {}, {"invalid publications", {between(4095)}});
        row("return visits before studies", {{kReturnVisits, 600}}, "hours:1|studies:2.5", {},
            {"invalid returnVisits", {between(511)}});
        row("studies before hours", {}, "hours:70000|studies:64", {},
            {"invalid studies", {between(63)}});
        row("hours 70000", {}, "hours:70000|studies:1", {}, {"invalid hours", {between(65535)}});
        row("hours 2.5", {}, "hours:2.5|studies:1", {}, {"invalid hours", {positive}});
        row("every upper bound passes",
            {{kPublications, 4095}, {kVideos, 4095}, {kReturnVisits, 511}},
            "hours:65535|studies:63", {{H, 65535}, {F, 0x083F}});

        // Leaving the remarks field ends them, and so does the in-service box.
        row("the in-service box ends the remarks", {}, "leave:x|tick", {{R, 2}, {F, 0x0800}},
            {"inService accepted", {}, {"x"}});

        // May has no remark: an entry is taken only when one is stored, once per month, and the
        // remarks field writes it at once.
        row("months looked at take no entry", {}, "months:3,4,3,4|remark", {});
        row("a stored remark takes one", {}, "months:3,4|remark:abc|months:3,4|remark:abd",
            {{R, 2}}, {.entries = {"abd"}});
        row("a cleared remark stays cleared", {}, "remark:abc|remark:|months:3,4|remark", {},
            {.entries = {"abc"}});
        row("a full table stores no remark", {}, "remark:0", {},
            {.messages = {u"Mimo priestor pre poznámky"_s},
             .entries = {},
             .remarks = QByteArrayList(kMaxRemarks - 1, "x")});

        // A regular pioneer in service with 10 credit hours types the hours and edits the remark.
        const Cells pioneer{{S, 2}, {F, 0x0801}, {C, 10}};
        const Cells noted = pioneer + Cells{{R, 2}};
        const QByteArrayList remark{"10 +H"};
        row("70 hours typed", pioneer, "hours:70", {{H, 70}, {C, 5}}, {.label = "( + 5 H )"});
        row("80 hours typed, remark 30*", noted, "hours:80", {{H, 80}, {C, 30}},
            {.entries = {}, .label = "( + 30 H )", .remarks = {"30*"}});
        row("remark cleared", noted, "hours:60|remark:", {{H, 60}, {C, 0}, {R, 0}},
            {.entries = {}, .remarks = remark});
        row("remark of blanks only", noted, "hours:60|remark:   ", {{H, 60}, {C, 0}, {R, 0}},
            {.entries = {}, .remarks = remark});
        row("leading blank, digits not read", noted, "hours:60|remark: 5", {{H, 60}, {R, 0}},
            {.entries = {}, .label = "( + 10 H )", .remarks = remark});
        row("remark capped by the hours", noted, "hours:60|remark:40", {{H, 60}, {C, 15}},
            {.entries = {}, .label = "( + 15 H )", .remarks = remark});

        // May shown while June is the report month: the panel, and whether accepting marks May
        // late.
        const Cells hours{{H, 30}, {F, 0x0800}};
        const auto lateRow = [&](const char* name, const Cells& given, const Cells& stored,
                                 const QString& panel) {
            row(name, given, "months:4", stored, {.panel = panel, .reportMonth = june});
        };
        lateRow("no hours yet", {}, {{late, 1}}, included);
        lateRow("hours, not marked", hours, {}, sent + notIncluded);
        lateRow("hours, marked before", hours + Cells{{late, 1}}, {}, sent + included);
        lateRow("special pioneer in the report month", {{S + monthSlot(june, kSlot), 3}}, {},
                special);
        lateRow("special pioneer in the shown month", hours + Cells{{S, 3}}, {}, sent + special);
    }

    void report() {
        QFETCH(Cells, given);
        QFETCH(QString, commands);
        QFETCH(Cells, stored);
        QFETCH(More, more);
        QVERIFY(open(given, more.remarks, more.reportMonth));
        QString steps = run(commands);
        const ReportEntryModel::Texts& texts = model_->texts();
        if (more.texts) {
            QCOMPARE(
                QStringList({texts.month, texts.status, texts.privilege, texts.group}).join(u'|'),
                QString::fromUtf8(more.texts));
        }
        if (more.shown) {
            const ReportEntryModel::Visibility& v = model_->visibility();
            const auto is = [](bool on, char letter) {
                return on ? QString(QLatin1Char(letter)) : QString();
            };
            QCOMPARE(is(v.hours, 'h') + is(v.studies, 's') + is(v.creditLabel, 'c') +
                         is(v.statusLabel, 'l') + is(v.auxiliaryBox, 'a') +
                         is(model_->auxiliaryTicked(), 'A') + is(model_->inService(), 'I'),
                     QString::fromLatin1(more.shown));
        }
        QCOMPARE(recordBytes(), before_);
        steps = QStringList({steps, run(u"ok!"_s)}).join(u' ').trimmed();
        QCOMPARE(steps, QString::fromLatin1(more.steps));
        QCOMPARE(boxes_.texts(), more.messages);
        QCOMPARE(texts.credit, QString::fromLatin1(more.label));
        QCOMPARE(texts.warnings, more.panel);
        QByteArray expected = before_;
        poke(expected, stored);
        QCOMPARE(recordBytes(), expected);
        QCOMPARE(committed_,
                 steps.endsWith(u"accepted"_s) ? QStringList{u"Ján Novák"_s} : QStringList());
        QByteArrayList entries;
        for (int number = remarksBefore_ + 1; number <= sheet_.remarkCount(); ++number) {
            entries << remarkEntry(number);
        }
        QCOMPARE(entries, more.entries);
    }

private:
    bool open(const Cells& given, const QByteArrayList& remarks, int reportMonth);
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
// "ok!" (at the last stop), "leave:TEXT" typed into the remarks field and left, "remark:TEXT"
// typed and closed with Enter ("remark" alone: Enter on what the field shows), "tick", "untick",
// "aux:1", "aux:0", "hours:TEXT" typed and left, "studies:TEXT", "months:M,M,..." picked in the
// month list, which then closes.
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
        } else if (verb == u"leave"_s) {
            model_->OpenRemarks();
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
