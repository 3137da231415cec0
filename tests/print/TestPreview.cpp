#include "Clock.h"
#include "ControlIds.h"
#include "DeferredPrinterAccess.h"
#include "DialogBuilder.h"
#include "FilePicker.h"
#include "InstalledLanguage.h"
#include "Language.h"
#include "MailSeams.h"
#include "MainDialog.h"
#include "PainterSurface.h"
#include "PdfWords.h"
#include "PreviewArea.h"
#include "PreviewDialog.h"
#include "PreviewPage.h"
#include "PreviewPaging.h"
#include "PrintTestSheet.h"
#include "RecordingMessageBoxes.h"
#include "RecordingSurface.h"
#include "ScriptedPrinterAccess.h"
#include "Settings.h"
#include "SheetBackup.h"
#include "SheetPage.h"
#include "SheetPrinter.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace fyn;
using fyn::test::PdfWords;
using fyn::test::PrintTestSheet;
using fyn::test::RecordingMessageBoxes;
using fyn::test::ScriptedPrinterAccess;
using Kind = RecordingSurface::Kind;

namespace {

const QByteArray kLongRemark = "Prvych styridsat znakov jednej poznamky.";

// Two publishers: the first in service with a 40-character remark and a telephone number, the
// second a zero report; reported in one year slot, the other left empty.
SheetBuilder remarkSheet(int yearSlot = 0) {
    SheetBuilder builder;
    builder.setReportMonth(PrintTestSheet::kOctober);
    builder.addPublisher("Jan", "Prvy", {}, "0905123456");
    builder.addPublisher("Eva", "Druha", {}, "0905654321");
    builder.setReport(1, PrintTestSheet::kOctober, yearSlot, MonthReport{0, 0, 7, 0, 2, true, 0});
    builder.setRemarkEntry(1, PrintTestSheet::kOctober, yearSlot,
                           static_cast<std::uint16_t>(builder.addRemark(kLongRemark)));
    builder.setRemarkEntry(2, PrintTestSheet::kOctober, yearSlot,
                           static_cast<std::uint16_t>(builder.addRemark("0")));
    return builder;
}

QPushButton* button(const PreviewDialog& dialog, int id) {
    return DialogBuilder::control<QPushButton>(dialog, id);
}

struct PdfPrinter {
    explicit PdfPrinter(const QString& path) : printer(QPrinter::HighResolution) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    QPrinter printer;
};

// The preview of a sheet over a scripted printer choice.
struct Preview {
    explicit Preview(const PrintTestSheet& sheet) : dialog(sheet.source(), printer) {}
    ScriptedPrinterAccess printers;
    RecordingMessageBoxes messages;
    SheetPrinter printer{printers, messages, StringTable::slovak()};
    PreviewDialog dialog;
};

class FixedClock : public Clock {
public:
    QDate today() const override { return QDate(2026, 11, 10); }
};

class NoFiles : public FilePicker {
public:
    std::optional<QString> openFile(QWidget*, const QString&, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }
};

} // namespace

class TestPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void paging_data() {
        QTest::addColumn<int>("publishers");
        // Presses: "<" for the left button, ">" for the right one, "u" and "d" for PageUp and
        // PageDown. Each step: first-end, the left
        // caption ("" hidden), and whether the right button shows.
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QStringList>("steps");

        QTest::newRow("no publishers") << 0 << QString() << QStringList{QStringLiteral("0-0||0")};
        QTest::newRow("18: one page") << 18 << QString() << QStringList{QStringLiteral("0-18||0")};
        QTest::newRow("19") << 19 << QStringLiteral("<<")
                            << QStringList{QStringLiteral("0-18|> > >|0"),
                                           QStringLiteral("1-19|< < <|0"),
                                           QStringLiteral("0-18|> > >|0")};
        QTest::newRow("40 forward and back")
            << 40 << QStringLiteral("<><<")
            << QStringList{QStringLiteral("0-18|> > >|0"), QStringLiteral("18-36|< < <|1"),
                           QStringLiteral("22-40|< < <|0"), QStringLiteral("4-22|< < <|1"),
                           QStringLiteral("0-18|> > >|0")};
        QTest::newRow("40 with PageDown and PageUp")
            << 40 << QStringLiteral("udduu")
            << QStringList{QStringLiteral("0-18|> > >|0"),  QStringLiteral("0-18|> > >|0"),
                           QStringLiteral("18-36|< < <|1"), QStringLiteral("22-40|< < <|0"),
                           QStringLiteral("4-22|< < <|1"),  QStringLiteral("0-18|> > >|0")};
    }

    void paging() {
        QFETCH(int, publishers);
        QFETCH(QString, presses);
        QFETCH(QStringList, steps);

        PrintTestSheet sheet(PrintTestSheet::numbered(publishers));
        Preview preview(sheet);
        auto& [printers, messages, printer, dialog] = preview;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Október - odovzdané správy"));
        QCOMPARE(dialog.focusWidget(), button(dialog, PreviewControl::Close));
        QVERIFY(!button(dialog, PreviewControl::Print)->isDefault());
        const auto state = [&] {
            const QPushButton* left = button(dialog, PreviewControl::PreviousPage);
            const QPushButton* right = button(dialog, PreviewControl::NextPage);
            return QStringLiteral("%1-%2|%3|%4")
                .arg(dialog.paging().firstRow())
                .arg(dialog.paging().endRow())
                .arg(left->isVisible() ? left->text() : QString())
                .arg(right->isVisible() ? 1 : 0);
        };
        QCOMPARE(state(), steps[0]);
        for (int i = 0; i < presses.size(); ++i) {
            if (presses[i] == QLatin1Char('u') || presses[i] == QLatin1Char('d')) {
                QTest::keyClick(&dialog,
                                presses[i] == QLatin1Char('u') ? Qt::Key_PageUp : Qt::Key_PageDown);
            } else {
                const int id = presses[i] == QLatin1Char('<') ? PreviewControl::PreviousPage
                                                              : PreviewControl::NextPage;
                QTest::mouseClick(button(dialog, id), Qt::LeftButton);
            }
            QCOMPARE(state(), steps[i + 1]);
        }
        QCOMPARE(button(dialog, PreviewControl::NextPage)->text(), QStringLiteral("> > >"));
        QCOMPARE(printers.lookups, 0);
    }

    // In year slot 1, which the first slot's fields must not stand in for.
    void drawingAt96Dpi() {
        PrintTestSheet sheet(remarkSheet(1), PrintTestSheet::kOctober, 1);
        RecordingSurface surface(96, 96);
        const int width = 766;
        const int height = 351;
        PreviewPage::DrawPreview(surface, width, height, sheet.source(), 0, 2);
        // The band height as drawn: the heading band's bottom line. The heading and the 18 rows
        // of a page fit in the area, the last one whole.
        int rh = height;
        for (const auto& line : surface.of(Kind::Line)) {
            if (line.from.y() == line.to.y() && line.from.y() > 0) {
                rh = std::min(rh, line.from.y());
            }
        }
        QVERIFY2(19 * rh <= height && 20 * rh > height, qPrintable(QString::number(rh)));

        // The whole remark on one clipped line, the zero report's "0" as well; no numbers.
        const auto remark = surface.texts(QString::fromLatin1(kLongRemark));
        QCOMPARE(remark.size(), 1);
        QCOMPARE(remark[0].kind, Kind::ClippedText);
        QCOMPARE(remark[0].from, QPoint(191 + 5 * (width / 13) - 5, rh + 1));
        QCOMPARE(remark[0].rect,
                 QRect(QPoint(6 * (width / 10) + 2, rh + 1), QPoint(width - 1, 2 * rh)));
        QCOMPARE(surface.texts(QStringLiteral("0")).size(), 1);
        QVERIFY(surface.texts(QStringLiteral("0905123456")).isEmpty());
        QCOMPARE(surface.texts(QStringLiteral("Jan Prvy")).value(0).from, QPoint(2, rh + 1));
        QCOMPARE(surface.texts(QStringLiteral("Jan Prvy")).value(0).font.stock,
                 FontSpec::Stock::VariablePitch);
        QCOMPARE(surface.texts(QStringLiteral("7")).value(0).from.x(), 191 + 4 * 69 - 10);
        QCOMPARE(surface.texts(QStringLiteral("Poznámky")).value(0).from.x(), width - width / 6);

        // Check boxes 10 x 10 with a one-pixel frame, the tick with a pen of 2.
        int frames = 0;
        int ticks = 0;
        for (const auto& line : surface.of(Kind::Line)) {
            if (line.pen.width == 0 && line.from.y() == line.to.y() &&
                line.from.x() - line.to.x() == 10) {
                ++frames;
            }
            ticks += line.pen.width == 2 ? 1 : 0;
        }
        QCOMPARE(frames, 4);
        QCOMPARE(ticks, 2);
        const auto band = surface.of(Kind::Rectangle);
        QCOMPARE(band.size(), 1);
        QCOMPARE(band[0].brush, Brush::LightGrey);
        QCOMPARE(band[0].rect, QRect(0, 0, width + 1, rh + 1));
    }

    void escapeCloses() {
        PrintTestSheet sheet(PrintTestSheet::numbered(3));
        ScriptedPrinterAccess printers;
        RecordingMessageBoxes messages;
        SheetPrinter printer(printers, messages, StringTable::slovak());
        for (const bool escape : {true, false}) {
            PreviewDialog dialog(sheet.source(), printer);
            QTimer::singleShot(0, &dialog, [&] {
                if (escape) {
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                } else {
                    QTest::keyClick(button(dialog, PreviewControl::Close), Qt::Key_Space);
                }
            });
            QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        }
        QCOMPARE(printers.lookups, 0);
    }

    void areaKeepsItsFirstSize() {
        PrintTestSheet sheet(PrintTestSheet::numbered(3));
        Preview preview(sheet);
        auto& [printers, messages, printer, dialog] = preview;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        PreviewArea* area = dialog.area();
        QTRY_VERIFY(area->areaKnown());
        const QSize first = area->areaSize();
        QCOMPARE(first, area->size());
        area->resize(first / 2);
        area->repaint();
        QCOMPARE(area->areaSize(), first);
    }

    void paintedPage() {
        PrintTestSheet sheet(remarkSheet());
        Preview preview(sheet);
        auto& [printers, messages, printer, dialog] = preview;
        dialog.setPalette(QPalette(Qt::black, Qt::darkGray));
        PreviewArea* area = dialog.area();
        QImage image(area->size(), QImage::Format_RGB32);
        image.fill(Qt::red);
        area->render(image);

        const int width = image.width();
        const int rh = image.height() / 19;
        const int nw = width / 4;
        const int cw = width / 11;
        const auto black = [&](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
        const auto white = [&](int x, int y) { return image.pixel(x, y) == qRgb(255, 255, 255); };
        // A white page, whatever the palette, under a grey heading band.
        QVERIFY(white(nw + 4 * cw + 3, 17 * rh + rh / 2));
        QCOMPARE(image.pixel(nw + 2 * cw + 3, rh / 2 + 1), qRgb(192, 192, 192));
        // The first row's "v službe" box: 10 x 10 with its bottom-right corner where the layout
        // puts it, ticked.
        const QPoint corner(nw + cw - 20, rh + 13);
        QVERIFY(black(corner.x(), corner.y() - 5));
        QVERIFY(black(corner.x() - 5, corner.y()));
        QVERIFY(black(corner.x() - 10, corner.y() - 5));
        QVERIFY(white(corner.x() + 2, corner.y() - 5));
        QVERIFY(white(corner.x() - 5, corner.y() + 2));
        // Clipping the long remark leaves the next row's name drawn.
        bool nameInk = false;
        for (int x = 2; x < nw - 2; ++x) {
            for (int y = 2 * rh + 2; y < 3 * rh - 1; ++y) {
                nameInk = nameInk || black(x, y);
            }
        }
        QVERIFY(nameInk);
        // The remark stops at the area's right edge: the last column holds ink of it.
        bool remarkInk = false;
        for (int x = width - 60; x < width - 1; ++x) {
            for (int y = rh + 2; y < 2 * rh - 1; ++y) {
                remarkInk = remarkInk || black(x, y);
            }
        }
        QVERIFY(remarkInk);
    }

    // A screen reader reads the page shown as a list of its rows, and follows the page turns.
    void pageReadAsRows() {
        PrintTestSheet sheet(PrintTestSheet::numbered(20));
        Preview preview(sheet);
        auto& [printers, messages, printer, dialog] = preview;
        dialog.show();
        QAccessibleInterface* page = QAccessible::queryAccessibleInterface(dialog.area());
        QCOMPARE(page->role(), QAccessible::List);
        const QString title = dialog.windowTitle();
        for (const auto& [number, first] : {std::pair{1, 0}, {2, 2}}) {
            QCOMPARE(page->text(QAccessible::Name),
                     QStringLiteral("%1, strana %2 z 2").arg(title).arg(number));
            QCOMPARE(page->childCount(), 18);
            QCOMPARE(page->child(0)->text(QAccessible::Name),
                     PreviewPage::RowInWords(sheet.source(), first));
            QCOMPARE(page->child(0)->parent(), page);
            button(dialog, PreviewControl::NextPage)->click();
        }
        QVERIFY(PreviewPage::RowInWords(sheet.source(), 19)
                    .startsWith(QStringLiteral("Meno20 Test; v")));
    }

    void headingsStayInTheirColumns_data() {
        QTest::addColumn<QString>("language");
        for (const Language& language : Language::all()) {
            QTest::newRow(qPrintable(language.setting)) << language.setting;
        }
    }

    // Greek's "in service" heading was wider than its column and ran over both its lines.
    void headingsStayInTheirColumns() {
        QFETCH(QString, language);
        const InstalledLanguage installed(*Language::bySetting(language));
        PrintTestSheet sheet(remarkSheet());
        const StringTable strings = StringTable::translated();
        const Wording wording(strings, sheet.sheet());
        QImage image(577, 257, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PainterSurface surface(painter, nullptr);
            PreviewPage::DrawPreview(surface, image.width(), image.height(),
                                     {sheet.sheet(), wording, PrintTestSheet::kOctober}, 0, 2);
        }
        // Each value heading keeps two pixels clear of its column's lines, as the name does.
        const int rh = image.height() / 19;
        const int nw = image.width() / 4;
        const int cw = image.width() / 11;
        for (int column = 0; column < 4; ++column) {
            const int left = nw + column * cw;
            for (int x = left + 1; x < left + cw; ++x) {
                for (int y = 1; y < rh; ++y) {
                    const bool clear = x > left + 2 && x < left + cw - 2;
                    QVERIFY2(clear || qGray(image.pixel(x, y)) > 100,
                             qPrintable(QStringLiteral("column %1, x %2").arg(column).arg(x)));
                }
            }
        }
    }

    void printing_data() {
        QTest::addColumn<QString>("printerKind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("printed");

        QTest::newRow("no printer")
            << QStringLiteral("none") << StringTable::slovak().text(text::kNoPrinter) << false;
        QTest::newRow("file cannot be written")
            << QStringLiteral("unwritable")
            << QStringLiteral(
                   "Zoznam sa nepodarilo uložiť do súboru %1: No such file or directory.")
            << false;
        QTest::newRow("printer") << QStringLiteral("pdf") << QString() << true;
    }

    void printing() {
        QFETCH(QString, printerKind);
        QFETCH(QString, message);
        QFETCH(bool, printed);

        QTemporaryDir dir;
        const QString output = printerKind == QStringLiteral("unwritable")
                                   ? dir.filePath(QStringLiteral("missing/out.pdf"))
                                   : dir.filePath(QStringLiteral("out.pdf"));
        message.replace(QStringLiteral("%1"), output);
        PdfPrinter pdf(output);
        PrintTestSheet sheet(PrintTestSheet::numbered(33));
        const QByteArray before = sheet.bytes();
        ScriptedPrinterAccess printers;
        printers.printer = printerKind == QStringLiteral("none") ? nullptr : &pdf.printer;
        RecordingMessageBoxes messages;
        SheetPrinter printer(printers, messages, StringTable::slovak());
        PreviewDialog dialog(sheet.source(), printer);
        dialog.show();

        // Twice: each press prints the whole sheet again.
        for (int press = 1; press <= 2; ++press) {
            QTest::mouseClick(button(dialog, PreviewControl::Print), Qt::LeftButton);
            QCOMPARE(printers.lookups, press);
            QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
            messages.clear();
            QVERIFY(dialog.isVisible());
            QCOMPARE(QFile::exists(output), printed);
            if (printed) {
                const auto words = PdfWords::read(output);
                QCOMPARE(PdfWords::pageCount(words), 2);
                QVERIFY(PdfWords::find(words, QStringLiteral("Meno33"), 1));
                QCOMPARE(pdf.printer.docName(),
                         QStringLiteral("Kontakty pre výber správ - Október"));
                QCOMPARE(pdf.printer.resolution(), 600);
                QVERIFY(QFile::remove(output));
            }
        }
        QCOMPARE(sheet.bytes(), before);
    }

    void mainWindowIsLeftAsItWas() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Skupina3.t09"));
        QVERIFY(QFile::copy(QStringLiteral(FYN_EXAMPLE_SHEET), path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        const QByteArray fileBefore = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        PdfPrinter pdf(dir.filePath(QStringLiteral("out.pdf")));

        RecordingMessageBoxes messages;
        NoFiles files;
        FixedClock clock;
        Settings settings(dir.filePath(QStringLiteral("fyn.ini")));
        SheetBackup backup(dir.filePath(QStringLiteral("backups")));
        ScriptedPrinterAccess printers;
        printers.printer = &pdf.printer;
        test::MailSeams mail(settings, messages);
        MainDialog window(mail.services(files, clock, backup, printers), path);
        window.OpenWindow();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = window.findChild<QListWidget*>(
            QStringLiteral("ctl%1").arg(MainWindowControl::PublisherList));
        QVERIFY(list);
        list->setCurrentRow(0);
        const auto labelText = [&](int id) {
            return window.findChild<QLabel*>(QStringLiteral("ctl%1").arg(id))->text();
        };
        const QString number = labelText(MainWindowControl::PhoneNumber);
        const PublisherContacts contacts = window.model().contacts();
        const QByteArray sheetBefore = PrintTestSheet::bytesOf(window.sheet());

        QString caption;
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = qobject_cast<PreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            caption = dialog->windowTitle();
            QTest::mouseClick(button(*dialog, PreviewControl::Print), Qt::LeftButton);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        auto* preview =
            window.findChild<QPushButton*>(QStringLiteral("ctl%1").arg(MainWindowControl::Preview));
        preview->click();

        QCOMPARE(caption, QStringLiteral("November - odovzdané správy"));
        QVERIFY(QFile::exists(pdf.printer.outputFileName()));
        QCOMPARE(labelText(MainWindowControl::PhoneNumber), number);
        QCOMPARE(window.model().contacts().phoneIndex, contacts.phoneIndex);
        QCOMPARE(window.model().contacts().publisherEmail, contacts.publisherEmail);
        QCOMPARE(PrintTestSheet::bytesOf(window.sheet()), sheetBefore);
        QCOMPARE(window.focusWidget(), list);
        QVERIFY(messages.texts().isEmpty());
        const QByteArray fileAfter = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QCOMPARE(fileAfter, fileBefore);
    }

    // Printing to a file proposes a name beside the sheet that says which list it holds, through
    // the printers the window uses.
    void setupProposesAFileBesideTheSheet() {
        PrintTestSheet sheet(PrintTestSheet::numbered(3));
        DeferredPrinterAccess printers;
        RecordingMessageBoxes messages;
        SheetPrinter printer(printers, messages, StringTable::slovak());
        QString proposed;
        QTimer::singleShot(0, this, [&proposed] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                proposed = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->text();
                dialog->close();
            }
        });
        QVERIFY(!printer.PrinterSetup(nullptr, sheet.source()));
        QCOMPARE(proposed, sheet.path().chopped(4) + QStringLiteral("-Október.pdf"));
    }
};

QTEST_MAIN(TestPreview)
#include "TestPreview.moc"
