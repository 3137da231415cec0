#include "TextCodec.h"

#include <QStringDecoder>
#include <QTest>

using namespace fyn;

// The sheet's texts decode through a table made once; it must give exactly what ICU gives.
class TestTextCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void tableDecodesAsIcuDoes_data() {
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("1250") << QStringLiteral("windows-1250") << QByteArray("\x8A\xED\x9Akov\xE1")
                              << QStringLiteral(u"Šíškov\u00E1");
        QTest::newRow("1252") << QStringLiteral("windows-1252") << QByteArray("Fran\xE7oise")
                              << QStringLiteral(u"Françoise");
        QTest::newRow("1253") << QStringLiteral("windows-1253") << QByteArray("\xC6\xf9\xDE")
                              << QStringLiteral(u"Ζωή");
        QTest::newRow("1254") << QStringLiteral("windows-1254") << QByteArray("\xDE\xFCkr\xFC")
                              << QStringLiteral(u"Şükrü");
        QTest::newRow("1257") << QStringLiteral("windows-1257") << QByteArray("\xD5ie")
                              << QStringLiteral(u"Õie");
    }

    // Also catches a table left over from the code page chosen before.
    void tableDecodesAsIcuDoes() {
        QFETCH(QString, codePage);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        TextCodec::useCodePage(codePage);
        QVERIFY(TextCodec::isAvailable());
        QByteArray everyByte;
        for (int byte = 1; byte < 256; ++byte) {
            everyByte.append(static_cast<char>(byte));
        }
        QStringDecoder icu(qPrintable(codePage));
        QCOMPARE(TextCodec::toUnicode(everyByte), icu.decode(everyByte));
        QCOMPARE(TextCodec::toUnicode(bytes), text);
        QCOMPARE(TextCodec::fromUnicode(text), std::optional<QByteArray>(bytes));
        TextCodec::useCodePage(QString::fromLatin1(TextCodec::kDefaultCodePage));
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
