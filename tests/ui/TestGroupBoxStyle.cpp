#include "GroupBoxStyle.h"

#include <QGroupBox>
#include <QTest>

using namespace fyn;

// The frame drawn from the picture read as PNG is Fusion's to the pixel, wherever Fusion puts it.
class TestGroupBoxStyle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawnAsFusionDrawsIt_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("with a title") << QStringLiteral(" Zadavanie skoncene pri ") << false;
        QTest::newRow("without") << QString() << false;
        QTest::newRow("checkable, without a title") << QString() << true;
    }
    void drawnAsFusionDrawsIt() {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        QStyle* style = GroupBoxStyle::forGroupBoxes();
        if (style == nullptr) {
            QSKIP("the application's style is not Fusion");
        }
        QGroupBox fusion(title);
        QGroupBox ours(title);
        ours.setStyle(style);
        for (QGroupBox* box : {&fusion, &ours}) {
            box->setCheckable(checkable);
            box->resize(180, 60);
        }
        QCOMPARE(ours.grab().toImage(), fusion.grab().toImage());
    }
};

QTEST_MAIN(TestGroupBoxStyle)
#include "TestGroupBoxStyle.moc"
