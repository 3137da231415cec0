#include "DialogUnits.h"

#include <QTest>

using fyn::DialogUnits;

class TestDialogUnits : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void averageCharWidth_data() {
        QTest::addColumn<int>("alphabetWidth");
        QTest::addColumn<int>("expected");
        // Width / 52 with halves rounded up.
        QTest::newRow("5.48 rounds down") << 285 << 5;
        QTest::newRow("5.50 rounds up") << 286 << 6;
        QTest::newRow("MS Sans Serif 8 pt") << 311 << 6;
        QTest::newRow("6.48 rounds down") << 337 << 6;
        QTest::newRow("6.50 rounds up") << 338 << 7;
    }

    void averageCharWidth() {
        QFETCH(int, alphabetWidth);
        QFETCH(int, expected);
        QCOMPARE(DialogUnits::averageCharWidth(alphabetWidth), expected);
    }

    void rectToPixels_data() {
        QTest::addColumn<int>("baseWidth");
        QTest::addColumn<int>("baseHeight");
        QTest::addColumn<QRect>("dialogUnits");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("main window, 8 pt")
            << 6 << 13 << QRect(0, 0, 320, 213) << QRect(0, 0, 480, 346);
        QTest::newRow("report dialog, 10 pt")
            << 7 << 16 << QRect(0, 0, 275, 146) << QRect(0, 0, 481, 292);
        QTest::newRow("button 1 of the main window")
            << 6 << 13 << QRect(138, 135, 171, 14) << QRect(207, 219, 257, 23);
        // Each value is scaled alone: x 1.5 -> 2 and width 1.5 -> 2, though x + width is 3.
        QTest::newRow("halves round up") << 6 << 13 << QRect(1, 4, 1, 4) << QRect(2, 7, 2, 7);
        QTest::newRow("fractions round to the nearest pixel")
            << 5 << 13 << QRect(1, 2, 3, 3) << QRect(1, 3, 4, 5);
        QTest::newRow("halves below zero round away from zero")
            << 6 << 12 << QRect(-3, -1, 10, 8) << QRect(-5, -2, 15, 12);
    }

    void rectToPixels() {
        QFETCH(int, baseWidth);
        QFETCH(int, baseHeight);
        QFETCH(QRect, dialogUnits);
        QFETCH(QRect, pixels);
        QCOMPARE(DialogUnits(baseWidth, baseHeight).toPixels(dialogUnits), pixels);
    }
};

QTEST_APPLESS_MAIN(TestDialogUnits)
#include "TestDialogUnits.moc"
