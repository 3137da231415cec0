#include "TextCodec.h"

#include <QStringDecoder>
#include <QTest>

using namespace fyn;

// The sheet's texts decode through a table made once; it must give exactly what ICU gives.
class TestTextCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void tableDecodesAsIcuDoes() {
        QVERIFY(TextCodec::isAvailable());
        QByteArray everyByte;
        for (int byte = 1; byte < 256; ++byte) {
            everyByte.append(static_cast<char>(byte));
        }
        QStringDecoder icu("windows-1250");
        QCOMPARE(TextCodec::toUnicode(everyByte), icu.decode(everyByte));
        QCOMPARE(TextCodec::toUnicode("\x8A\xED\x9Akov\xE1"), QStringLiteral(u"Šíškov\u00E1"));
    }

    void encodingRefusesWhatTheCodePageLacks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("encodable");
        QTest::newRow("Slovak letters") << QStringLiteral(u"Ľudmila Ďurčová") << true;
        QTest::newRow("euro sign") << QStringLiteral(u"\u20AC") << true;
        QTest::newRow("Cyrillic") << QStringLiteral(u"\u0416") << false;
        QTest::newRow("emoji") << QStringLiteral(u"\U0001F600") << false;
    }

    void encodingRefusesWhatTheCodePageLacks() {
        QFETCH(QString, text);
        QFETCH(bool, encodable);
        const std::optional<QByteArray> bytes = TextCodec::fromUnicode(text);
        QCOMPARE(bytes.has_value(), encodable);
        if (bytes) {
            QCOMPARE(TextCodec::toUnicode(*bytes), text);
        }
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "TestTextCodec.moc"
