#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QTest>

using namespace fyn;

namespace {

// ICU's answer for a whole text, as fromUnicode gave it before it had a table.
std::optional<QByteArray> icuEncode(const QByteArray& codePage, const QString& text) {
    QStringEncoder icu(codePage.constData());
    QByteArray bytes = icu.encode(text);
    return icu.isValid() && !icu.hasError() ? std::optional(bytes) : std::nullopt;
}

} // namespace

// The sheet's texts are decoded and encoded through tables made once per code page; they must
// give exactly what ICU gives, in every code page an interface language reads sheets in.
class TestTextCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:

    // letters: the language's own, which the code page must hold whatever ICU says, so that a
    // converter of another code page cannot pass for it; foreign: a letter it must refuse.
    void tablesAgreeWithIcu_data() {
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("foreign");
        QTest::newRow("Slovak") << QStringLiteral("windows-1250")
                                << QStringLiteral(u"\u013Dudmila \u010Eur\u010Dov\u00E1")
                                << QStringLiteral(u"\u03B1");
        QTest::newRow("French") << QStringLiteral("windows-1252")
                                << QStringLiteral(u"Fran\u00E7oise L\u0153uvre \u20AC")
                                << QStringLiteral(u"\u010D");
        QTest::newRow("Greek") << QStringLiteral("windows-1253")
                               << QStringLiteral(u"\u0391\u03B8\u03B7\u03BD\u03AC")
                               << QStringLiteral(u"\u010D");
        QTest::newRow("Turkish") << QStringLiteral("windows-1254")
                                 << QStringLiteral(u"G\u00FCl\u015Fen \u0130\u015F\u0131k")
                                 << QStringLiteral(u"\u010D");
        QTest::newRow("Estonian") << QStringLiteral("windows-1257")
                                  << QStringLiteral(u"J\u00FCri \u0160\u00F5ru")
                                  << QStringLiteral(u"\u03B1");
    }

    void tablesAgreeWithIcu() {
        QFETCH(QString, codePage);
        QFETCH(QString, letters);
        QFETCH(QString, foreign);
        TextCodec::useCodePage(codePage);
        QVERIFY(TextCodec::isAvailable());
        const QByteArray name = codePage.toLatin1();

        QByteArray everyByte(256, Qt::Uninitialized);
        for (int byte = 0; byte < 256; ++byte) {
            everyByte[byte] = static_cast<char>(byte);
        }
        // A byte that ICU leaves undefined (nothing, or the C1 control of its number, which
        // would vanish from an export) reads as U+FFFD.
        QString expected;
        for (const char byte : everyByte) {
            const QString icu = QStringDecoder(name.constData()).decode(QByteArrayView(&byte, 1));
            const bool defined =
                icu.size() == 1 && (icu.front().unicode() < 0x80 || icu.front().unicode() > 0x9F);
            expected += defined ? icu.front() : QChar(QChar::ReplacementCharacter);
        }
        QCOMPARE(TextCodec::toUnicode(everyByte), expected);

        // Every character on its own, then all that the code page holds as one text.
        QStringList differing;
        QString held;
        for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
            const QString character(QChar(static_cast<char16_t>(unit)));
            if (character.front().isSurrogate()) {
                continue;
            }
            const std::optional<QByteArray> icu = icuEncode(name, character);
            if (TextCodec::fromUnicode(character) != icu) {
                differing.append(QStringLiteral("U+%1").arg(uint(unit), 4, 16, QLatin1Char('0')));
            }
            if (icu) {
                held += character;
            }
        }
        QCOMPARE(differing, QStringList());
        QVERIFY(TextCodec::fromUnicode(held) == icuEncode(name, held));

        const std::optional<QByteArray> bytes = TextCodec::fromUnicode(letters);
        QVERIFY(bytes);
        QCOMPARE(TextCodec::toUnicode(*bytes), letters);

        // Refused characters among held ones, and halves of surrogate pairs, which ICU holds
        // back at the end of a text rather than refuses.
        for (const QString& text :
             {foreign, QStringLiteral(u"a\u0416b"), QStringLiteral(u"\U0001F600 smile"),
              QStringLiteral(u"a") + QChar(0xD83D), QChar(0xDE00) + QStringLiteral(u"a")}) {
            QVERIFY2(TextCodec::fromUnicode(text) == icuEncode(name, text), qPrintable(text));
        }
        QVERIFY(!TextCodec::fromUnicode(foreign));
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "TestTextCodec.moc"
