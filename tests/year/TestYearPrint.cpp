#include "Clock.h"
#include "DeferredSheetPrinter.h"
#include "GroupSheet.h"
#include "GroupYear.h"
#include "InstalledLanguage.h"
#include "Language.h"
#include "PdfWords.h"
#include "PrintTestSheet.h"
#include "RecordingMessageBoxes.h"
#include "ScriptedPrinterAccess.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "Wording.h"
#include "YearDocument.h"
#include "YearPdfExport.h"
#include "YearWording.h"

#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace fyn;
using namespace fyn::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kFebruary = 1;
// Eleven hours in the oldest month, one more in each later one: every figure is found once.
constexpr int kFirstHours = 11;

// A February sheet: the first publisher reported every month of both slots, the second never.
SheetBuilder februarySheet(const QString& first, const QString& surname, const QString& codePage) {
    QStringEncoder encode(codePage.toLatin1().constData());
    SheetBuilder builder;
    builder.setGroupNumber(3);
    builder.setReportMonth(kFebruary);
    builder.addPublisher(encode(first), encode(surname));
    builder.addPublisher("Ivan", "Kubo");
    for (int column = 0; column < GroupYear::kMonths; ++column) {
        const int month = (kFebruary + 1 + column) % 12;
        for (const int slot : {0, 1}) {
            builder.setReport(1, month, slot,
                              {.hours = static_cast<std::uint16_t>(kFirstHours + column)});
        }
    }
    return builder;
}

} // namespace

class TestYearPrint : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private Q_SLOTS:
    // The twelve month headings in order on one line, and the first publisher's hours each
    // under its own month on the name's line: printed through the printer path in the program,
    // and by the command line, in Slovak and in languages of other code pages.
    void monthsAndOneRow_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("commandLine");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("surname");
        QTest::newRow("sk printer") << u"sk"_s << false << u"Ján"_s << u"Šťastný"_s;
        QTest::newRow("sk command") << u"sk"_s << true << u"Ján"_s << u"Šťastný"_s;
        QTest::newRow("el command") << u"el"_s << true << u"Ζωή"_s << u"Νικολάου"_s;
        QTest::newRow("tr printer") << u"tr"_s << false << u"Şükrü"_s << u"Çağlar"_s;
    }

    void monthsAndOneRow() {
        QFETCH(QString, language);
        QFETCH(bool, commandLine);
        QFETCH(QString, first);
        QFETCH(QString, surname);
        const Language& chosen = *Language::bySetting(language);
        const QString sheetPath = dir_.filePath(language + u".t09"_s);
        QVERIFY(februarySheet(first, surname, chosen.codePage).writeTo(sheetPath));
        const QString pdf = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);

        if (commandLine) {
            QProcess fyn;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"XDG_CONFIG_HOME"_s, dir_.filePath(u"config"_s));
            environment.insert(u"LC_ALL"_s, QLocale(chosen.locale).name() + u".UTF-8"_s);
            fyn.setProcessEnvironment(environment);
            fyn.start(QStringLiteral(FYN_PROGRAM), {u"--year-pdf"_s, pdf, sheetPath});
            QVERIFY(fyn.waitForFinished(30000));
            QCOMPARE(fyn.readAllStandardError(), QByteArray());
            QCOMPARE(fyn.exitCode(), 0);
        } else {
            const InstalledLanguage installed(chosen);
            TextCodec::useCodePage(chosen.codePage);
            const StringTable strings = StringTable::translated();
            GroupSheet sheet;
            sheet.SetMonthsFromDate(QDate(2027, 3, 10));
            QVERIFY(sheet.Load(sheetPath));
            const Wording wording(strings, sheet);
            const GroupYear year(sheet);
            const YearWording words(year, wording, strings);
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            ScriptedPrinterAccess printers;
            printers.printer = &printer;
            RecordingMessageBoxes messages;
            // The program's way: the printing module, loaded at the first print.
            DeferredSheetPrinter printing(printers, messages, strings);
            QVERIFY(printing.PrintDocument(YearDocument(words)));
            QCOMPARE(messages.texts(), QStringList());
            // The landscape page was this job's only, and the list prints the names in the
            // language's code page too.
            QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
            const QString list = dir_.filePath(u"list.pdf"_s);
            printer.setOutputFileName(list);
            QVERIFY(printing.PrintSheet({sheet, wording, sheet.reportMonth}));
            QVERIFY2(PdfWords::find(PdfWords::read(list), surname), qPrintable(surname));
            printers.printer = nullptr;
            QVERIFY(!printing.PrintDocument(YearDocument(words)));
            QCOMPARE(messages.texts(), QStringList{strings.text(text::kNoPrinter)});
            TextCodec::useCodePage(QString::fromLatin1(TextCodec::kDefaultCodePage));
        }

        QString error;
        QList<PdfWord> words = PdfWords::read(pdf, &error);
        words.removeIf([](const PdfWord& word) { return word.page != 0; });
        QVERIFY2(!words.isEmpty(), qPrintable(error));
        const QLocale locale = chosen.formats();
        QList<const PdfWord*> headings;
        for (int column = 0; column < GroupYear::kMonths; ++column) {
            const int month = (kFebruary + 1 + column) % 12;
            const QString name = locale.standaloneMonthName(month + 1, QLocale::ShortFormat);
            headings << PdfWords::find(words, name);
            QVERIFY2(headings.back(), qPrintable(name));
            QVERIFY(qAbs(headings.back()->yMin - headings.front()->yMin) < 0.5);
            QVERIFY(column == 0 || headings.back()->xMin > headings[column - 1]->xMin);
        }
        if (language == u"sk"_s) {
            QCOMPARE(headings.front()->text, u"mar"_s);
        }
        // A4 landscape: the last month's column lies beyond a portrait page's 595 points.
        QVERIFY(headings.back()->xMax > 595);

        const PdfWord* name = PdfWords::find(words, surname + u","_s);
        QVERIFY2(name, qPrintable(surname));
        for (int column = 0; column < GroupYear::kMonths; ++column) {
            const QString hours = QString::number(kFirstHours + column);
            const double right = column + 1 < GroupYear::kMonths ? headings[column + 1]->xMin : 842;
            const auto inCell = std::find_if(words.begin(), words.end(), [&](const PdfWord& word) {
                return word.text == hours && qAbs(word.yMin - name->yMin) < 0.5 &&
                       word.xMin >= headings[column]->xMin - 1 && word.xMax <= right;
            });
            QVERIFY2(inCell != words.end(), qPrintable(hours));
        }
    }

    // More publishers than a page holds go on with the headings repeated.
    void furtherPagesRepeatTheHeadings() {
        const InstalledLanguage slovak(Language::slovak());
        PrintTestSheet sheet(PrintTestSheet::numbered(127, kFebruary));
        const QString pdf = dir_.filePath(u"many.pdf"_s);
        const QString failure =
            YearPdfExport::Run(pdf, sheet.path(), FixedDate(), StringTable::slovak());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QList<PdfWord> all = PdfWords::read(pdf);
        const int pages = PdfWords::pageCount(all);
        QVERIFY(pages >= 3);
        for (int page = 0; page < pages; ++page) {
            QVERIFY(PdfWords::find(all, u"mar"_s, page) && PdfWords::find(all, u"feb"_s, page));
            QVERIFY(PdfWords::find(all, u"Test,"_s, page));
        }
        QVERIFY(PdfWords::find(all, u"Hodiny"_s, pages - 1));
    }

private:
    class FixedDate : public Clock {
    public:
        QDate today() const override { return QDate(2027, 3, 10); }
    };
};

QTEST_MAIN(TestYearPrint)
#include "TestYearPrint.moc"
