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
        // Every byte that windows-1250 defines.
        QByteArray everyByte;
        for (int byte = 1; byte < 256; ++byte) {
            if (byte != 0x81 && byte != 0x83 && byte != 0x88 && byte != 0x90 && byte != 0x98) {
                everyByte.append(static_cast<char>(byte));
            }
        }
        QStringDecoder icu("windows-1250");
        QCOMPARE(TextCodec::toUnicode(everyByte), icu.decode(everyByte));
        QCOMPARE(TextCodec::toUnicode("\x8A\xED\x9Akov\xE1"), QStringLiteral(u"Šíškov\u00E1"));
    }

    // ICU gives some undefined bytes as C1 controls, which showed as nothing, and drops others.
    void undefinedBytesReadAsReplacementCharacters() {
        TextCodec::useCodePage(QStringLiteral("windows-1253"));
        const QString greek = TextCodec::toUnicode("\x8A\x9D"
                                                   "astn\xE1\xD2");
        TextCodec::useCodePage(QLatin1String(TextCodec::kDefaultCodePage));
        QCOMPARE(greek, QStringLiteral(u"\uFFFD\uFFFDastn\u03B1\uFFFD"));
        QCOMPARE(TextCodec::toUnicode("a\x81"), QStringLiteral(u"a\uFFFD"));
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
