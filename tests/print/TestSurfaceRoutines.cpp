#include "PainterSurface.h"
#include "RecordingSurface.h"
#include "SurfaceRoutines.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace fyn;
using Kind = RecordingSurface::Kind;

class TestSurfaceRoutines : public QObject {
    Q_OBJECT

private Q_SLOTS:

    // A font of a point size, then of a language unless the code is empty: its height in dots
    // drops the remainder; the language decides the character set.
    void fonts_data() {
        QTest::addColumn<int>("dpiY");
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("languageCode");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("charSet");
        QTest::addColumn<int>("weight");

        const auto row = [](const char* name, int dpiY, int tenths, const char* code, bool bold,
                            int height, int charSet, int weight) {
            QTest::newRow(name) << dpiY << tenths << QString::fromLatin1(code) << bold << height
                                << charSet << weight;
        };
        const int plain = FontSpec::kDefaultCharSet;
        row("14 pt", 600, 140, "", false, -116, plain, 0);
        row("12 pt", 600, 120, "", false, -100, plain, 0);
        row("10 pt drops the remainder", 600, 100, "", false, -83, plain, 0);
        row("8 pt", 600, 80, "", false, -66, plain, 0);
        row("10 pt at 197", 197, 100, "", false, -27, plain, 0);
        row("sk, bold", 600, 140, "sk", true, -116, 238, 700);
        row("sk", 600, 140, "sk", false, -116, 238, 0);
        row("SK is another code", 600, 140, "SK", true, -116, 1, 700);
        row("cz", 600, 140, "cz", false, -116, 238, 0);
        row("Polish", 600, 140, "Polish", false, -116, 238, 0);
        row("Turkish", 600, 140, "Turkish", false, -116, 162, 0);
        row("estonian", 600, 140, "estonian", false, -116, 186, 0);
        row("greek", 600, 140, "greek", false, -116, 1, 0);
    }

    void fonts() {
        QFETCH(int, dpiY);
        QFETCH(int, tenths);
        QFETCH(QString, languageCode);
        QFETCH(bool, bold);
        FontSpec font = FontSpec::ofPointSize(dpiY, tenths, QStringLiteral("Arial"));
        if (!languageCode.isEmpty()) {
            SurfaceRoutines::ApplyFontLanguage(font, bold, languageCode);
        }
        QTEST(font.height, "height");
        QTEST(font.charSet, "charSet");
        QTEST(font.weight, "weight");
        QCOMPARE(font.face, QStringLiteral("Arial"));
    }

    void drawGrid_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<int>("rowLines");

        QTest::newRow("one row") << 1 << QList<int>{1470, 2220, 4620} << 0;
        QTest::newRow("three rows, seven columns")
            << 3 << QList<int>{1470, 2220, 2580, 2940, 3300, 3660, 4620} << 2;
    }

    void drawGrid() {
        QFETCH(int, rows);
        QFETCH(QList<int>, columns);
        QFETCH(int, rowLines);

        RecordingSurface surface(600, 600);
        surface.selectPen(Pen::solid(7));
        SurfaceRoutines::DrawGrid(surface, {875, 270, 150, rows, {columns.begin(), columns.end()}});
        const QList<RecordingSurface::Operation> lines = surface.of(Kind::Line);
        QCOMPARE(lines.size(), 4 + rowLines + columns.size());
        const int bottom = 875 + rows * 150;
        const int right = columns.constLast();
        const QList<QPoint> outline{{270, bottom}, {right, bottom}, {right, 875}, {270, 875}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(lines[i].to, outline[i]);
        }
        for (int i = 1; i <= rowLines; ++i) {
            QCOMPARE(lines[3 + i].from, QPoint(270, 875 + i * 150));
            QCOMPARE(lines[3 + i].to, QPoint(right, 875 + i * 150));
        }
        for (int j = 0; j < columns.size(); ++j) {
            const auto& line = lines[4 + rowLines + j];
            QCOMPARE(line.from, QPoint(columns[j], 875));
            QCOMPARE(line.to, QPoint(columns[j], bottom));
        }
        for (const auto& line : lines) {
            QCOMPARE(line.pen, Pen::solid(2));
        }
        QCOMPARE(surface.pen(), Pen::solid(7));
    }

    void drawCheckBox_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("thinPen");
        QTest::addColumn<int>("thickPen");
        QTest::addColumn<QList<QPoint>>("tick");

        QTest::newRow("printed at 600 dpi") << 600 << 7 << QPoint(2441, 993) << 85 << 5 << 13
                                            << QList<QPoint>{{2373, 951}, {2399, 981}, {2426, 923}};
        QTest::newRow("preview at 96 dpi") << 96 << 9 << QPoint(200, 40) << 10 << 0 << 2
                                           << QList<QPoint>{{192, 35}, {195, 39}, {198, 32}};
    }

    void drawCheckBox() {
        QFETCH(int, dpi);
        QFETCH(int, divisor);
        QFETCH(QPoint, corner);
        QFETCH(int, size);
        QFETCH(int, thinPen);
        QFETCH(int, thickPen);
        QFETCH(QList<QPoint>, tick);

        for (const bool ticked : {false, true}) {
            RecordingSurface surface(dpi, dpi);
            SurfaceRoutines::DrawCheckBox(surface, corner.x(), corner.y(), ticked, divisor);
            const QList<RecordingSurface::Operation> lines = surface.of(Kind::Line);
            QCOMPARE(lines.size(), ticked ? 6 : 4);
            const QList<QPoint> box{{corner.x() - size, corner.y()},
                                    {corner.x() - size, corner.y() - size},
                                    {corner.x(), corner.y() - size},
                                    corner};
            for (int i = 0; i < 4; ++i) {
                QCOMPARE(lines[i].to, box[i]);
                QCOMPARE(lines[i].pen.width, thinPen);
            }
            if (ticked) {
                QCOMPARE(lines[4].from, tick[0]);
                QCOMPARE(lines[4].to, tick[1]);
                QCOMPARE(lines[5].to, tick[2]);
                QCOMPARE(lines[5].pen.width, thickPen);
            }
            QCOMPARE(surface.pen(), Pen::black());
        }
    }

    void printedFontIsLiberationSans_data() {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<bool>("bold");
        QTest::newRow("title") << 140 << true;
        QTest::newRow("rows") << 100 << false;
        QTest::newRow("small") << 80 << false;
    }

    // Arial's widths are what the columns were laid out for; another family would overrun them.
    void printedFontIsLiberationSans() {
        QFETCH(int, tenths);
        QFETCH(bool, bold);
        FontSpec wanted = FontSpec::ofPointSize(600, tenths, QStringLiteral("Arial"));
        SurfaceRoutines::ApplyFontLanguage(wanted, bold, QStringLiteral("sk"));
        const QFont font = PainterSurface::fontFor(wanted, 600);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(font).pixelSize(), 600 * tenths / 720);
        QCOMPARE(QFontInfo(font).bold(), bold);
        QVERIFY(!font.kerning());
    }

    void painterTextSitsBelowItsTopAndEndsAtItsRightEnd() {
        QImage image(400, 200, QImage::Format_RGB32);
        image.fill(Qt::blue);
        {
            QPainter painter(&image);
            PainterSurface surface(painter, nullptr);
            surface.selectFont(FontSpec::ofPointSize(96, 200, QStringLiteral("Arial")));
            surface.drawText(10, 20, QStringLiteral("HH"));
            surface.setTextAlign(TextAlign::RightTop);
            surface.drawText(390, 100, QStringLiteral("HH"));
        }
        const auto isInk = [&](int x, int y) {
            const QRgb pixel = image.pixel(x, y);
            return qRed(pixel) < 80 && qBlue(pixel) < 80;
        };
        const auto inkRows = [&](int fromX, int toX) {
            int top = -1;
            int bottom = -1;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = fromX; x < toX; ++x) {
                    if (isInk(x, y)) {
                        top = top < 0 ? y : top;
                        bottom = y;
                        break;
                    }
                }
            }
            return std::pair{top, bottom};
        };
        // The opaque white text background starts at the top of the cell, the ink a little below.
        QCOMPARE(image.pixel(12, 20), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(12, 19), qRgb(0, 0, 255));
        const auto [top, bottom] = inkRows(0, 200);
        QVERIFY2(top > 20 && top < 30, qPrintable(QString::number(top)));
        QVERIFY(bottom < 60);
        int rightmostInk = 0;
        for (int x = 200; x < 400; ++x) {
            for (int y = 100; y < 140; ++y) {
                if (isInk(x, y)) {
                    rightmostInk = x;
                }
            }
        }
        QVERIFY2(rightmostInk > 380 && rightmostInk < 390,
                 qPrintable(QString::number(rightmostInk)));
    }
};

QTEST_MAIN(TestSurfaceRoutines)
#include "TestSurfaceRoutines.moc"
