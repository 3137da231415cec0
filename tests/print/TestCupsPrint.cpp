#include "ControlIds.h"
#include "DialogBuilder.h"
#include "PdfWords.h"
#include "PreviewDialog.h"
#include "PrintTestSheet.h"
#include "QtPrinterAccess.h"
#include "RecordingMessageBoxes.h"
#include "SheetPrinter.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace fyn;
using fyn::test::PdfWord;
using fyn::test::PdfWords;
using fyn::test::PrintTestSheet;
using fyn::test::RecordingMessageBoxes;

namespace {

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(30000);
    if (exitCode != nullptr) {
        *exitCode =
            finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int completedJobs(const QString& queue) {
    const QString listed =
        run(QStringLiteral("lpstat"),
            {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), queue});
    return int(listed.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

constexpr double kTolerance = 0.5;

// The preview of a numbered sheet, shown, printing on the system's printers.
struct ShownPreview {
    explicit ShownPreview(int publishers) : sheet(PrintTestSheet::numbered(publishers)) {
        dialog.show();
    }
    void click(int buttonId) {
        QTest::mouseClick(DialogBuilder::control<QPushButton>(dialog, buttonId), Qt::LeftButton);
    }

    PrintTestSheet sheet;
    QtPrinterAccess printers;
    RecordingMessageBoxes messages;
    SheetPrinter printer{printers, messages, StringTable::slovak()};
    PreviewDialog dialog{sheet.source(), printer};
};

// Answers the printer setup as a user does: picks a printer in Qt's dialog and clicks a button.
void answerSetup(const QString& printerName, QDialogButtonBox::StandardButton button) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
            printers->setCurrentIndex(printers->findText(printerName));
        }
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(button), Qt::LeftButton);
    });
}

} // namespace

// Prints through a real CUPS queue whose device is a PDF file (set up by .ci/run, named in
// FYN_CUPS_QUEUE and FYN_CUPS_OUTPUT) and reads the job's output back in points.
class TestCupsPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        queue_ = qEnvironmentVariable("FYN_CUPS_QUEUE");
        output_ = qEnvironmentVariable("FYN_CUPS_OUTPUT");
        int status = -1;
        if (!queue_.isEmpty()) {
            run(QStringLiteral("lpstat"), {QStringLiteral("-p"), queue_}, &status);
        }
        if (status != 0 || output_.isEmpty()) {
            const QByteArray why =
                "no CUPS print queue: FYN_CUPS_QUEUE and FYN_CUPS_OUTPUT must name "
                "a running queue with a file device, as .ci/run sets up";
            if (qEnvironmentVariable("CI") == QStringLiteral("true")) {
                QFAIL(why.constData());
            }
            QSKIP(why.constData());
        }
    }

    void printedThroughTheQueue_data() {
        QTest::addColumn<bool>("printerVariable");
        QTest::newRow("PRINTER names the queue") << true;
        QTest::newRow("no default: No Printer") << false;
    }

    void printedThroughTheQueue() {
        QFETCH(bool, printerVariable);
        QFile::remove(output_);
        const int completedBefore = completedJobs(queue_);
        if (printerVariable) {
            // The queue becomes the default as a user's PRINTER makes it.
            qputenv("PRINTER", queue_.toLocal8Bit());
        } else {
            qunsetenv("PRINTER");
            qunsetenv("LPDEST");
            if (!QPrinterInfo::defaultPrinter().isNull()) {
                QSKIP("this machine has a default printer");
            }
            // The queue is there, but nobody chose it: nothing goes to it.
            ShownPreview preview(3);
            preview.click(PreviewControl::Print);
            QCOMPARE(preview.messages.texts(),
                     QStringList{StringTable::slovak().text(text::kNoPrinter)});
            QTest::qWait(500);
            QCOMPARE(completedJobs(queue_), completedBefore);
            return;
        }

        ShownPreview preview(33);
        preview.click(PreviewControl::Print);
        QCOMPARE(preview.messages.texts(), QStringList());

        // Done is when CUPS says the job completed, not when the file first appears.
        const QDeadlineTimer deadline(60000);
        while (completedJobs(queue_) <= completedBefore && !deadline.hasExpired()) {
            QTest::qWait(200);
        }
        QVERIFY2(completedJobs(queue_) > completedBefore,
                 "the job did not complete within a minute");

        QString error;
        const QList<PdfWord> words = PdfWords::read(output_, &error);
        QVERIFY2(!words.isEmpty(), qPrintable(error));
        QCOMPARE(PdfWords::pageCount(words), 2);
        const PdfWord* name = PdfWords::find(words, QStringLiteral("Meno"));
        const PdfWord* phone = PdfWords::find(words, QStringLiteral("Telefón"));
        const PdfWord* first = PdfWords::find(words, QStringLiteral("Meno01"));
        const PdfWord* second = PdfWords::find(words, QStringLiteral("Meno02"));
        const PdfWord* last = PdfWords::find(words, QStringLiteral("Meno32"));
        const PdfWord* nextPage = PdfWords::find(words, QStringLiteral("Meno33"), 1);
        QVERIFY(name && phone && first && second && last && nextPage);
        QVERIFY(!PdfWords::find(words, QStringLiteral("Meno33"), 0));
        // Two inches from "Meno" to "Telefón", rows 18 points apart, 32 rows a page.
        QVERIFY2(qAbs(phone->xMin - name->xMin - 144) < kTolerance,
                 qPrintable(QString::number(phone->xMin - name->xMin)));
        QVERIFY(qAbs(second->yMin - first->yMin - 18) < kTolerance);
        QVERIFY(qAbs(last->yMin - first->yMin - 31 * 18) < kTolerance);
        QVERIFY(qAbs(nextPage->yMin - first->yMin) < kTolerance);
        QVERIFY(qAbs(first->xMin - name->xMin) < kTolerance);
        // The heading line 4 lines of H0 = 1/6 in below the title, the first row 1.53 in below it.
        const PdfWord* title = PdfWords::find(words, QStringLiteral("Kontakty"));
        QVERIFY(title);
        QVERIFY(qAbs(name->yMin - title->yMin - 48) < kTolerance);
        QVERIFY(qAbs(first->yMin - title->yMin - 74.16) < kTolerance);
    }

    void setupChoiceHoldsUntilItsQueueIsGone() {
        // A second queue, which this test deletes; adding one needs the rights CI has.
        const QString chosen = QStringLiteral("FynTestChosen");
        int status = -1;
        run(QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), chosen, QStringLiteral("-E"), QStringLiteral("-v"),
             QStringLiteral("file:///dev/null"), QStringLiteral("-P"),
             QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd")},
            &status);
        const auto removeChosen = qScopeGuard([&] {
            run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), chosen});
        });
        if (status != 0) {
            QVERIFY2(qEnvironmentVariable("CI") != QStringLiteral("true"), "lpadmin failed");
            QSKIP("lpadmin could not add a second CUPS queue");
        }
        qputenv("PRINTER", queue_.toLocal8Bit());

        ShownPreview preview(3);
        const auto current = [&] {
            const PrinterAccess::Current found = preview.printers.currentPrinter();
            return found.printer != nullptr ? found.printer->printerName() : QString();
        };

        answerSetup(chosen, QDialogButtonBox::Ok);
        preview.click(PreviewControl::PrinterSetup);
        QCOMPARE(current(), chosen);
        answerSetup(queue_, QDialogButtonBox::Cancel);
        preview.click(PreviewControl::PrinterSetup);
        QCOMPARE(current(), chosen);

        // Gone while Fyn runs: nothing goes to the default printer instead.
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), chosen}, &status);
        QCOMPARE(status, 0);
        preview.click(PreviewControl::Print);
        QCOMPARE(preview.messages.texts(), QStringList{StringTable::slovak().text(text::kNoHdc)});
    }

private:
    QString queue_;
    QString output_;
};

QTEST_MAIN(TestCupsPrint)
#include "TestCupsPrint.moc"
