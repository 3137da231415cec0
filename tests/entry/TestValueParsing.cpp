#include "ValueParsing.h"

#include <QTest>
#include <limits>

using namespace fyn;

class TestValueParsing : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void parseUnsigned_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<quint32>("value");

        constexpr quint32 kLargest = std::numeric_limits<quint32>::max();
        QTest::newRow("digits") << QStringLiteral("42") << true << 42u;
        QTest::newRow("zero") << QStringLiteral("0") << true << 0u;
        QTest::newRow("leading zeros") << QStringLiteral("007") << true << 7u;
        QTest::newRow("blanks and tabs around") << QStringLiteral(" \t12\t ") << true << 12u;
        QTest::newRow("largest") << QStringLiteral("4294967295") << true << kLargest;
        QTest::newRow("too large for 32 bits") << QStringLiteral("4294967296") << true << kLargest;
        QTest::newRow("far too large")
            << QStringLiteral("99999999999999999999999") << true << kLargest;
        QTest::newRow("minus") << QStringLiteral("-1") << false << 0u;
        QTest::newRow("plus") << QStringLiteral("+1") << false << 0u;
        QTest::newRow("full stop") << QStringLiteral("2.5") << false << 0u;
        QTest::newRow("empty") << QString() << false << 0u;
        QTest::newRow("blanks only") << QStringLiteral("  ") << false << 0u;
        QTest::newRow("blank inside") << QStringLiteral("1 2") << false << 0u;
        QTest::newRow("letter after") << QStringLiteral("12a") << false << 0u;
        QTest::newRow("newline after") << QStringLiteral("12\n") << false << 0u;
        QTest::newRow("other digits") << QStringLiteral("٣") << false << 0u;
    }

    void parseUnsigned() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(quint32, value);
        const std::optional<std::uint32_t> parsed = ValueParsing::parseUnsigned(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) {
            QCOMPARE(*parsed, value);
        }
    }

    void leadingValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal fraction") << QStringLiteral("12.5") << 12;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("negative") << QStringLiteral("-5") << -5;
        QTest::newRow("blank before, letter after") << QStringLiteral(" 7x") << 7;
        QTest::newRow("two zeros") << QStringLiteral("00") << 0;
        QTest::newRow("no digits") << QStringLiteral("x7") << 0;
        QTest::newRow("sign alone") << QStringLiteral("-") << 0;
        QTest::newRow("beyond int")
            << QStringLiteral("99999999999") << std::numeric_limits<int>::max();
    }

    void leadingValue() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(ValueParsing::leadingValue(text), value);
    }
};

QTEST_APPLESS_MAIN(TestValueParsing)
#include "TestValueParsing.moc"
