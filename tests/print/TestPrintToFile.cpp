#include "ChildProcess.h"
#include "PrintTestSheet.h"
#include "QtPrinterAccess.h"
#include "RecordingMessageBoxes.h"
#include "ScriptedPrinterAccess.h"
#include "SheetPrinter.h"
#include "StringTable.h"
#include "TestFiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace fyn;
using namespace fyn::test;

// Printing to a PDF file, as the printer setup offers it.
class TestPrintToFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A disk that fills up while the PDF is written: the user is told the file and the
    // reason, and last month's file stays as it was, not cut short.
    void aFullDiskIsToldAndKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.pdf"));
        QVERIFY(TestFiles::write(path, "last month's list"));
        PrintTestSheet sheet(PrintTestSheet::numbered(3));
        QPrinter file(QPrinter::HighResolution);
        file.setOutputFormat(QPrinter::PdfFormat);
        file.setOutputFileName(path);
        ScriptedPrinterAccess printers;
        printers.printer = &file;

        ChildLimits fullDisk;
        fullDisk.fileSizeLimit = 1000;
        const std::optional<QByteArray> shown = ChildProcess::run(fullDisk, [&] {
            RecordingMessageBoxes messages;
            SheetPrinter printer(printers, messages, StringTable::slovak());
            const bool printed = printer.PrintSheet(sheet.source());
            return QByteArray(printed ? "printed|" : "not printed|") +
                   messages.texts().join(QLatin1Char('|')).toUtf8();
        });
        QVERIFY(shown.has_value());
        QCOMPARE(QString::fromUtf8(*shown),
                 QStringLiteral("not printed|Zoznam sa nepodarilo uložiť do súboru %1: File too "
                                "large.")
                     .arg(path));
        QCOMPARE(TestFiles::read(path), QByteArray("last month's list"));
        QCOMPARE(TestFiles::entries(dir.path()), QStringList{QStringLiteral("out.pdf")});
    }

    // Not print.pdf in whatever folder Fyn started in, but a name beside the sheet that says
    // which list it holds.
    void setupProposesAFileBesideTheSheet() {
        PrintTestSheet sheet(PrintTestSheet::numbered(3));
        QtPrinterAccess printers;
        RecordingMessageBoxes messages;
        SheetPrinter printer(printers, messages, StringTable::slovak());
        QString proposed;
        QTimer::singleShot(0, this, [&proposed] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr) {
                auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
                proposed = file != nullptr ? file->text() : QStringLiteral("no file field");
                dialog->reject();
            }
        });
        QVERIFY(!printer.PrinterSetup(nullptr, sheet.source()));
        QCOMPARE(proposed,
                 QFileInfo(sheet.path()).absolutePath() + QStringLiteral("/Skupina-Október.pdf"));
    }
};

QTEST_MAIN(TestPrintToFile)
#include "TestPrintToFile.moc"
