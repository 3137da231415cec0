#include "InstalledLanguage.h"
#include "Language.h"
#include "PainterSurface.h"
#include "PrintTestSheet.h"
#include "RecordingSurface.h"
#include "SheetPage.h"
#include "StringTable.h"
#include "TextCodec.h"

#include <QFontMetricsF>
#include <QTest>
#include <algorithm>

using namespace fyn;
using fyn::test::PrintTestSheet;
using Kind = RecordingSurface::Kind;
using Operation = RecordingSurface::Operation;

namespace {

QByteArray cp1250(const QString& text) {
    return TextCodec::fromUnicode(text).value_or(QByteArray());
}

struct Rendered {
    RecordingSurface surface;
    PageMetrics metrics;
};

Rendered render(PrintTestSheet& sheet, int dpiX = 600, int dpiY = 600, int printableHeight = 0) {
    Rendered rendered{RecordingSurface(dpiX, dpiY), {}};
    rendered.surface.setPrintableHeight(printableHeight);
    rendered.metrics.title = SheetPage::Title(sheet.source());
    SheetPage::MeasurePage(rendered.surface, rendered.metrics);
    SheetPage::RenderSheet(rendered.surface, rendered.metrics, sheet.source());
    return rendered;
}

// The operations between the n-th start of a page (0-based) and the next one.
QList<Operation> page(const RecordingSurface& surface, int n) {
    QList<Operation> found;
    int current = -1;
    for (const Operation& operation : surface.operations()) {
        if (operation.kind == Kind::StartPage) {
            ++current;
        } else if (current == n) {
            found.append(operation);
        }
    }
    return found;
}

const Operation* textOn(const QList<Operation>& operations, const QString& text) {
    for (const Operation& operation : operations) {
        if (operation.kind == Kind::Text && operation.text == text) {
            return &operation;
        }
    }
    return nullptr;
}

// The bottom of the last grid drawn on a page: its outline's left side ends there.
int gridBottom(const QList<Operation>& operations, int gridLeft, int gridTop) {
    int bottom = -1;
    for (const Operation& operation : operations) {
        if (operation.kind == Kind::Line && operation.from == QPoint(gridLeft, gridTop) &&
            operation.to.x() == gridLeft) {
            bottom = operation.to.y();
        }
    }
    return bottom;
}

// The x of every vertical line of the last grid, left border included.
QList<int> gridColumns(const RecordingSurface& surface, int gridTop) {
    QList<int> columns;
    for (const Operation& operation : surface.of(Kind::Line)) {
        if (operation.pen.width == 2 && operation.from.y() == gridTop &&
            operation.from.x() == operation.to.x() && !columns.contains(operation.from.x())) {
            columns.append(operation.from.x());
        }
    }
    std::sort(columns.begin(), columns.end());
    return columns;
}

// The texts drawn from xFrom on, with their tops between yFrom and yTo.
QList<Operation> textsRightOf(const RecordingSurface& surface, int xFrom, int yFrom, int yTo) {
    QList<Operation> found;
    for (const Operation& operation : surface.of(Kind::Text)) {
        if (operation.from.x() >= xFrom && operation.from.y() >= yFrom &&
            operation.from.y() < yTo) {
            found.append(operation);
        }
    }
    return found;
}

} // namespace

class TestSheetPage : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void figuresAt600Dpi_data() {
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("expected");

        SheetBuilder builder;
        builder.setReportMonth(PrintTestSheet::kOctober);
        builder.addPublisher("Jan", cp1250(QStringLiteral("Novák")), {}, "0905123456",
                             "0905654321");
        builder.setReport(1, PrintTestSheet::kOctober, 0, MonthReport{0, 0, 12, 0, 3, true, 0});
        builder.setStatus(1, PrintTestSheet::kOctober, 0, layout::AuxiliaryPioneer);
        PrintTestSheet sheet(builder);
        const Rendered rendered = render(sheet);
        const RecordingSurface& surface = rendered.surface;
        const auto x = [&](const QString& text) { return surface.texts(text).value(0).from.x(); };
        const auto y = [&](const QString& text) { return surface.texts(text).value(0).from.y(); };
        const auto height = [&](const QString& text) {
            return surface.texts(text).value(0).font.height;
        };
        const QList<int> columns = gridColumns(surface, 875);

        PageMetrics measured;
        SheetPage::MeasurePage(RecordingSurface(600, 600), measured);
        QTest::newRow("H0") << int(measured.lineHeight) << 100;
        // A 12-point font's cell, 111 dots, is taller than a sixth of an inch.
        RecordingSurface tall(600, 600);
        tall.selectFont(FontSpec::ofPointSize(600, 120, QStringLiteral("Arial")));
        SheetPage::MeasurePage(tall, measured);
        QTest::newRow("H0, font taller than V/6") << int(measured.lineHeight) << 111;
        QTest::newRow("T (title)") << y(SheetPage::Title(sheet.source())) << 300;
        QTest::newRow("L (title)") << x(SheetPage::Title(sheet.source())) << 300;
        QTest::newRow("group line") << y(QStringLiteral("Skupina #0  ")) << 500;
        QTest::newRow("L (Meno)") << x(QStringLiteral("Meno")) << 300;
        QTest::newRow("headings line") << y(QStringLiteral("Meno")) << 700;
        QTest::newRow("P (Telefón)") << x(QStringLiteral("Telefón")) << 1500;
        QTest::newRow("Telefón line") << y(QStringLiteral("Telefón")) << 700;
        QTest::newRow("v službe") << x(QStringLiteral("v službe")) << 2250;
        QTest::newRow("BŠ") << x(QStringLiteral("BŠ")) << 2610;
        QTest::newRow("PoP") << x(QStringLiteral("PoP")) << 2970;
        QTest::newRow("Hod") << x(QStringLiteral("Hod")) << 3330;
        QTest::newRow("Poznámky, first page") << x(QStringLiteral("Poznámky")) << 3960;
        QTest::newRow("GL") << columns.value(0) << 270;
        QTest::newRow("E") << columns.value(1) << 1470;
        QTest::newRow("C0") << columns.value(2) << 2220;
        QTest::newRow("C1") << columns.value(3) << 2580;
        QTest::newRow("C2") << columns.value(4) << 2940;
        QTest::newRow("C3") << columns.value(5) << 3300;
        QTest::newRow("C4") << columns.value(6) << 3660;
        QTest::newRow("C5") << columns.value(7) << 4620;
        QTest::newRow("GT and R") << gridBottom(surface.operations(), 270, 875) << 875 + 150;
        QTest::newRow("row Y") << y(QStringLiteral("Jan Novák")) << 918;
        QTest::newRow("row name x") << x(QStringLiteral("Jan Novák")) << 300;
        QTest::newRow("first of two numbers y") << y(QStringLiteral("0905123456")) << 879;
        QTest::newRow("second of two numbers x") << x(QStringLiteral("0905654321")) << 1620;
        QTest::newRow("second of two numbers y") << y(QStringLiteral("0905654321")) << 950;
        QTest::newRow("studies right end") << x(QStringLiteral("3")) << 2820;
        QTest::newRow("hours right end") << x(QStringLiteral("12")) << 3540;
        QTest::newRow("studies right aligned")
            << int(surface.texts(QStringLiteral("3")).value(0).align) << int(TextAlign::RightTop);
        QTest::newRow("title font") << height(SheetPage::Title(sheet.source())) << -116;
        QTest::newRow("title weight")
            << surface.texts(SheetPage::Title(sheet.source())).value(0).font.weight << 700;
        QTest::newRow("group line font") << height(QStringLiteral("Skupina #0  ")) << -100;
        QTest::newRow("name font") << height(QStringLiteral("Jan Novák")) << -83;
        QTest::newRow("name weight")
            << surface.texts(QStringLiteral("Jan Novák")).value(0).font.weight << 0;
        QTest::newRow("two numbers font") << height(QStringLiteral("0905123456")) << -66;

        // The check boxes: bottom-right corners, 85 dots, a 5-dot frame and a 13-dot tick.
        QList<Operation> boxes;
        for (const Operation& line : surface.of(Kind::Line)) {
            if (line.pen.width == 5 && line.from.y() == 993 && line.to.y() == 993 &&
                line.from.x() > line.to.x()) {
                boxes.append(line);
            }
        }
        QTest::newRow("boxes") << int(boxes.size()) << 2;
        QTest::newRow("in-service corner") << boxes.value(0).from.x() << 2441;
        QTest::newRow("pioneer corner") << boxes.value(1).from.x() << 3161;
        QTest::newRow("box width") << boxes.value(0).from.x() - boxes.value(0).to.x() << 85;
        const QList<Operation> ticks = [&] {
            QList<Operation> found;
            for (const Operation& line : surface.of(Kind::Line)) {
                if (line.pen.width == 13) {
                    found.append(line);
                }
            }
            return found;
        }();
        QTest::newRow("ticked boxes") << int(ticks.size()) << 4;
        QTest::newRow("tick start")
            << ticks.value(0).from.x() * 10000 + ticks.value(0).from.y() << 2373 * 10000 + 951;
    }

    void figuresAt600Dpi() {
        QFETCH(int, actual);
        QFETCH(int, expected);
        QCOMPARE(actual, expected);
    }

    void pages_data() {
        QTest::addColumn<int>("publishers");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("rowsOnLastPage");

        QTest::newRow("no publishers") << 0 << 1 << 0;
        QTest::newRow("32") << 32 << 1 << 32;
        QTest::newRow("33") << 33 << 2 << 1;
        QTest::newRow("65") << 65 << 3 << 1;
        QTest::newRow("127") << 127 << 4 << 31;
    }

    void pages() {
        QFETCH(int, publishers);
        QFETCH(int, pages);
        QFETCH(int, rowsOnLastPage);

        PrintTestSheet sheet(PrintTestSheet::numbered(publishers));
        const Rendered rendered = render(sheet);
        const RecordingSurface& surface = rendered.surface;
        QCOMPARE(surface.of(Kind::StartPage).size(), pages);
        QCOMPARE(surface.of(Kind::EndPage).size(), pages);
        QCOMPARE(surface.operations().constLast().kind, Kind::EndPage);

        for (int p = 0; p < pages; ++p) {
            const QList<Operation> operations = page(surface, p);
            // Every page repeats the title block and the headings.
            QVERIFY(textOn(operations, SheetPage::Title(sheet.source())));
            QVERIFY(textOn(operations, QStringLiteral("Hod")));
            QCOMPARE(textOn(operations, QStringLiteral("Poznámky"))->from.x(),
                     p == 0 ? 3960 : 3720);
            const int rows = p == pages - 1 ? rowsOnLastPage : 32;
            QCOMPARE(gridBottom(operations, 270, 875), rows == 0 ? -1 : 875 + rows * 150);
            if (rows > 0) {
                // The page's first publisher is drawn on line 4.
                const QString first =
                    QStringLiteral("Meno%1 Test").arg(p * 32 + 1, 2, 10, QLatin1Char('0'));
                QVERIFY2(textOn(operations, first), qPrintable(first));
                QCOMPARE(textOn(operations, first)->from.y(), 918);
            }
        }
    }

    // The texts of a row's telephone and remarks cells: where, and in which font.
    void cells_data() {
        QTest::addColumn<QByteArrayList>("numbers");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QList<QPoint>>("at");
        QTest::addColumn<int>("fontHeight");

        const QByteArrayList none{"", "", ""};
        const auto remark = [&](const char* name, const QString& text, const QStringList& lines) {
            const QList<QPoint> at = lines.size() == 1 ? QList<QPoint>{{3690, 918}}
                                                       : QList<QPoint>{{3690, 893}, {3690, 955}};
            QTest::newRow(name) << none << text << lines << (lines.isEmpty() ? QList<QPoint>{} : at)
                                << (lines.size() == 2 ? -66 : -83);
        };
        remark("zero report", QStringLiteral("0"), {});
        remark("19 characters", QStringLiteral("abcdefghijklmnopqrs"),
               {QStringLiteral("abcdefghijklmnopqrs")});
        remark("in year slot 1", QStringLiteral("Druhy rok"), {QStringLiteral("Druhy rok")});
        remark("20 characters", QStringLiteral("abcdefghijklmnopqrst"),
               {QStringLiteral("abcdefghijklmnopqrs"), QStringLiteral("t")});
        remark("split at a blank", QStringLiteral("Bol chorý celý mesiac"),
               {QStringLiteral("Bol chorý"), QStringLiteral(" celý mesiac")});
        remark("26 letters without a blank", QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
               {QStringLiteral("abcdefghijklmnopqrs"), QStringLiteral("tuvwxyz")});
        remark("36 characters shortened", QStringLiteral("Navsteva u susedov v piatok poobede."),
               {QStringLiteral("Navsteva"), QStringLiteral(" u susedov v p...")});
        remark("36 characters, blank after 19",
               QStringLiteral("Abcdefghijklmnopqrstuvw xyz 12345678"),
               {QStringLiteral("Abcdefghijklmnopqrs"), QStringLiteral("tuv...")});

        const QString a = QStringLiteral("0905111111"), b = QStringLiteral("0905222222"),
                      c = QStringLiteral("0905333333");
        const QList<QPoint> two{{1500, 879}, {1620, 950}};
        QTest::newRow("no numbers") << QByteArrayList{"", "12345", ""} << QString() << QStringList()
                                    << QList<QPoint>() << 0;
        QTest::newRow("one number") << QByteArrayList{a.toLatin1(), "", ""} << QString()
                                    << QStringList{a} << QList<QPoint>{{1500, 918}} << -83;
        QTest::newRow("one behind a short one")
            << QByteArrayList{"12345", "", c.toLatin1()} << QString() << QStringList{c}
            << QList<QPoint>{{1500, 918}} << -83;
        QTest::newRow("two numbers") << QByteArrayList{a.toLatin1(), b.toLatin1(), ""} << QString()
                                     << QStringList{a, b} << two << -66;
        QTest::newRow("three show two") << QByteArrayList{a.toLatin1(), b.toLatin1(), c.toLatin1()}
                                        << QString() << QStringList{a, b} << two << -66;
    }

    void cells() {
        QFETCH(QByteArrayList, numbers);
        QFETCH(QString, remark);
        QFETCH(QStringList, shown);
        QFETCH(QList<QPoint>, at);
        QFETCH(int, fontHeight);
        const int yearSlot = QByteArray(QTest::currentDataTag()).endsWith("year slot 1");

        SheetBuilder builder;
        builder.setReportMonth(PrintTestSheet::kOctober);
        builder.addPublisher("Eva", "Test", {}, numbers[0], numbers[1], numbers[2]);
        builder.addPublisher("Jan", "Test");
        if (!remark.isEmpty()) {
            builder.setRemarkEntry(1, PrintTestSheet::kOctober, yearSlot,
                                   static_cast<std::uint16_t>(builder.addRemark(cp1250(remark))));
        }
        PrintTestSheet sheet(builder, PrintTestSheet::kOctober, yearSlot);
        const Rendered rendered = render(sheet);
        // The first row's cells from the telephone column on, between the rows' tops.
        const QList<Operation> drawn = textsRightOf(rendered.surface, 1500, 850, 1000);
        QCOMPARE(drawn.size(), shown.size());
        for (int i = 0; i < shown.size(); ++i) {
            QCOMPARE(drawn[i].text, shown[i]);
            QCOMPARE(drawn[i].from, at[i]);
            QCOMPARE(drawn[i].font.height, fontHeight);
        }
        // The next row is drawn in the 10-point font again.
        QCOMPARE(rendered.surface.texts(QStringLiteral("Jan Test")).value(0).font.height, -83);
    }

    void auxiliaryPioneerTick_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("inService");
        QTest::addColumn<int>("studies");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("studiesShown");

        QTest::newRow("publisher, in service, no studies") << 0 << true << 0 << 1 << false;
        QTest::newRow("auxiliary pioneer") << 1 << true << 2 << 2 << true;
        QTest::newRow("auxiliary pioneer in year slot 1") << 1 << true << 2 << 2 << true;
        QTest::newRow("regular pioneer") << 2 << true << 0 << 1 << false;
        QTest::newRow("special pioneer") << 3 << false << 0 << 0 << false;
    }

    void auxiliaryPioneerTick() {
        QFETCH(int, status);
        QFETCH(bool, inService);
        QFETCH(int, studies);
        QFETCH(int, ticks);
        QFETCH(bool, studiesShown);
        const int yearSlot = QByteArray(QTest::currentDataTag()).endsWith("year slot 1");

        SheetBuilder builder = PrintTestSheet::numbered(1);
        builder.setReport(
            1, PrintTestSheet::kOctober, yearSlot,
            MonthReport{0, 0, 0, 0, static_cast<std::uint16_t>(studies), inService, 0});
        builder.setStatus(1, PrintTestSheet::kOctober, yearSlot,
                          static_cast<layout::PioneerStatus>(status));
        PrintTestSheet sheet(builder, PrintTestSheet::kOctober, yearSlot);
        const Rendered rendered = render(sheet);
        int tickLines = 0;
        for (const Operation& line : rendered.surface.of(Kind::Line)) {
            tickLines += line.pen.width == 13 ? 1 : 0;
        }
        QCOMPARE(tickLines, 2 * ticks);
        QCOMPARE(!rendered.surface.texts(QString::number(studies)).isEmpty(), studiesShown);
    }

    void resolutions_data() {
        QTest::addColumn<int>("dpiX");
        QTest::addColumn<int>("dpiY");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("columnWidth");
        QTest::addColumn<int>("gridTop");
        QTest::addColumn<int>("rowY");
        QTest::addColumn<int>("headingsY");

        QTest::newRow("600") << 600 << 600 << 300 << 300 << 360 << 875 << 918 << 700;
        QTest::newRow("1200") << 1200 << 1200 << 600 << 600 << 720 << 1750 << 1837 << 1400;
        // Integer divisions in the order written: L = 199 - 99, S = 19 + 99, 4 * (197 / 4) = 196.
        QTest::newRow("199 x 197") << 199 << 197 << 100 << 98 << 118 << 286 << 300 << 226;
        QTest::newRow("300 x 600") << 300 << 600 << 150 << 300 << 180 << 875 << 918 << 700;
    }

    void resolutions() {
        QFETCH(int, dpiX);
        QFETCH(int, dpiY);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, columnWidth);
        QFETCH(int, gridTop);
        QFETCH(int, rowY);
        QFETCH(int, headingsY);

        PrintTestSheet sheet(PrintTestSheet::numbered(1));
        const Rendered rendered = render(sheet, dpiX, dpiY);
        const RecordingSurface& surface = rendered.surface;
        QCOMPARE(rendered.metrics.lineHeight, std::uint16_t(dpiY / 4));
        QCOMPARE(surface.texts(QStringLiteral("Meno")).value(0).from, QPoint(left, headingsY));
        QCOMPARE(surface.texts(SheetPage::Title(sheet.source())).value(0).from, QPoint(left, top));
        QCOMPARE(surface.texts(QStringLiteral("Meno01 Test")).value(0).from, QPoint(left, rowY));
        const QList<int> columns = gridColumns(surface, gridTop);
        QCOMPARE(columns.size(), 8);
        QCOMPARE(columns[3] - columns[2], columnWidth);
        QCOMPARE(columns[6] - columns[5], columnWidth);
        QCOMPARE(gridBottom(surface.operations(), columns[0], gridTop), gridTop + dpiY / 4);
    }

    // The Estonian "teenistuses" ran into the next heading on paper. At 600 dots per inch, with
    // the headings at 700 and the grid from 875, each heading ends a sixtieth of an inch before
    // the line on its right, in the font it is printed in.
    void headingsFitTheirColumns() {
        for (const Language& language : Language::all()) {
            const InstalledLanguage installed(language);
            const StringTable strings = StringTable::translated();
            PrintTestSheet sheet(PrintTestSheet::numbered(1));
            const Wording wording(strings, sheet.sheet());
            Rendered rendered{RecordingSurface(600, 600), {}};
            SheetPage::MeasurePage(rendered.surface, rendered.metrics);
            SheetPage::RenderSheet(rendered.surface, rendered.metrics,
                                   {sheet.sheet(), wording, PrintTestSheet::kOctober});
            const QList<int> rules = gridColumns(rendered.surface, 875);
            int headings = 0;
            for (const Operation& heading : rendered.surface.of(Kind::Text)) {
                if (heading.from.y() == 700) {
                    const QFontMetricsF metrics(PainterSurface::fontFor(heading.font, 600));
                    const int right =
                        *std::upper_bound(rules.cbegin(), rules.cend(), heading.from.x());
                    QVERIFY2(heading.from.x() + metrics.horizontalAdvance(heading.text) + 10 <=
                                 right,
                             qPrintable(heading.text));
                    ++headings;
                }
            }
            QCOMPARE(headings, 7);
        }
    }

    void rowsNeverPassThePrintableHeight_data() {
        QTest::addColumn<int>("printableHeight");
        QTest::addColumn<int>("publishers");
        QTest::addColumn<int>("pages");

        QTest::newRow("portrait A4") << 6814 << 65 << 3;
        QTest::newRow("portrait Letter") << 6364 << 64 << 2;
        QTest::newRow("landscape A4") << 4734 << 40 << 2;
        QTest::newRow("landscape Letter") << 4884 << 127 << 5;
    }

    void rowsNeverPassThePrintableHeight() {
        QFETCH(int, printableHeight);
        QFETCH(int, publishers);
        QFETCH(int, pages);

        PrintTestSheet sheet(PrintTestSheet::numbered(publishers));
        const Rendered rendered = render(sheet, 600, 600, printableHeight);
        QCOMPARE(rendered.surface.of(Kind::StartPage).size(), pages);
        for (int i = 1; i <= publishers; ++i) {
            const QString name = QStringLiteral("Meno%1 Test").arg(i, 2, 10, QLatin1Char('0'));
            QCOMPARE(rendered.surface.texts(name).size(), 1);
        }
        for (const Operation& line : rendered.surface.of(Kind::Line)) {
            QVERIFY2(std::max(line.from.y(), line.to.y()) <= printableHeight,
                     qPrintable(QString::number(line.to.y())));
        }
    }

    void texts() {
        SheetBuilder builder = PrintTestSheet::numbered(1);
        builder.setGroupNumber(200);
        PrintTestSheet sheet(builder);
        const Rendered rendered = render(sheet);
        QCOMPARE(SheetPage::Title(sheet.source()),
                 QStringLiteral("Kontakty pre výber správ - Október"));
        QCOMPARE(rendered.metrics.subtitle, QStringLiteral("Skupina #200  "));
        QCOMPARE(rendered.surface.texts(QStringLiteral("Skupina #200  ")).size(), 1);
    }

    void renderingLeavesTheSheetAsItWas() {
        SheetBuilder builder = PrintTestSheet::numbered(40);
        builder.setRemarkEntry(
            3, PrintTestSheet::kOctober, 0,
            static_cast<std::uint16_t>(builder.addRemark("Bol chory cely mesiac")));
        // A month naming an entry that does not exist reserves nothing.
        builder.setRemarkEntry(4, PrintTestSheet::kOctober, 0, 9);
        PrintTestSheet sheet(builder);
        const QByteArray before = sheet.bytes();
        const int remarks = sheet.sheet().remarkCount();
        render(sheet);
        QCOMPARE(sheet.sheet().remarkCount(), remarks);
        QCOMPARE(sheet.bytes(), before);
    }
};

QTEST_MAIN(TestSheetPage)
#include "TestSheetPage.moc"
