#include "TypeAheadList.h"

#include <QTest>

using namespace fyn;

// Letters typed into a list, as a user types them: each row starts on a row and types quickly.
class TestTypeAheadList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedLettersFindTheRow_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("found");
        QTest::newRow("an exact match before one without diacritics") << 2 << u"dur"_qs << 1;
        QTest::newRow("the only exact match stays") << 0 << u"\u010f"_qs << 0;
        QTest::newRow("the first row reached") << 3 << u"\u010fur"_qs << 0;
        QTest::newRow("a first letter moves on") << 2 << u"h"_qs << 3;
        QTest::newRow("from the last row round to the first") << 5 << u"n"_qs << 4;
        QTest::newRow("more letters refine") << 0 << u"hu"_qs << 3;
        QTest::newRow("refining keeps the row") << 4 << u"nov\u00e1"_qs << 5;
        QTest::newRow("none found") << 1 << u"x"_qs << 1;
    }
    void typedLettersFindTheRow() {
        QFETCH(int, from);
        QFETCH(QString, typed);
        QFETCH(int, found);
        TypeAheadList list;
        list.addItems({u"\u010eurica, Peter"_qs, u"Durak, J\u00e1n"_qs,
                       u"Horv\u00e1thov\u00e1, Eva"_qs, u"Hud\u00e1k, Ivan"_qs,
                       u"Nov\u00e1k, J\u00e1n"_qs, u"Nov\u00e1kov\u00e1, M\u00e1ria"_qs});
        list.setCurrentRow(from);
        // As a keyboard sends them, a few milliseconds apart; those without a key of their own
        // as text.
        for (const QChar letter : typed) {
            QTest::qWait(20);
            QTest::sendKeyEvent(QTest::Click, &list, Qt::Key_unknown, QString(letter),
                                Qt::NoModifier);
        }
        QCOMPARE(list.currentRow(), found);
    }
};

QTEST_MAIN(TestTypeAheadList)
#include "TestTypeAheadList.moc"
