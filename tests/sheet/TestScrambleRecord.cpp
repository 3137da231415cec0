#include "ScrambleRecord.h"
#include "SheetBuilder.h"
#include "SheetLayout.h"

#include <QTest>
#include <utility>

using namespace fyn;
using namespace fyn::layout;

namespace {

using Patch = std::pair<std::size_t, QByteArray>;

// An 816-byte record, zero except for the given bytes.
QByteArray record(std::initializer_list<Patch> patches) {
    QByteArray block(static_cast<qsizetype>(kRecordSize), '\0');
    for (const auto& [offset, bytes] : patches) {
        block.replace(static_cast<qsizetype>(offset), bytes.size(), bytes);
    }
    return block;
}

QByteArray hex(const char* digits) {
    return QByteArray::fromHex(digits);
}

QByteArray scrambled(QByteArray block, ScrambleDirection direction) {
    ScrambleRecord(reinterpret_cast<std::uint8_t*>(block.data()), direction);
    return block;
}

} // namespace

// Every expected byte below is worked out by hand from the rule: byte i of a text moves by
// i + 61, modulo 256, unless it is the skip byte 195 where that byte is kept.
class TestScrambleRecord : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scramble_data();
    void scramble();
    void unscramble_data() { scramble_data(); }
    void unscramble();
    // The test sheets are built with the same scrambler, so a fault in it would cancel out in
    // every test that loads them; the builder's files must hold these very bytes.
    void builderStoresTheSameBytes_data() { scramble_data(); }
    void builderStoresTheSameBytes();
};

void TestScrambleRecord::scramble_data() {
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("readBack");

    auto row = [](const char* name, const QByteArray& plain, const QByteArray& stored,
                  const QByteArray& readBack) {
        QTest::newRow(name) << plain << stored << readBack;
    };
    auto same = [&row](const char* name, const QByteArray& plain, const QByteArray& stored) {
        row(name, plain, stored, plain);
    };

    same("first name shifted by position", record({{kFirstName, "Ab"}}),
         record({{kFirstName, hex("7ea0")}}));
    same("shift wraps past 255", record({{kFirstName, hex("fa")}}),
         record({{kFirstName, hex("37")}}));
    same("skip byte first in first name", record({{kFirstName, hex("c3")}}),
         record({{kFirstName, hex("c3")}}));
    same("skip byte inside first name", record({{kFirstName, "abcdefg\xC3h"}}),
         record({{kFirstName, hex("9ea0a2a4a6a8aac3ad")}}));
    // Position 14 of "xxx..." is shifted to the skip byte itself, which reading then keeps.
    row("skip byte last in a full surname", record({{kSurname, QByteArray(19, 'x') + '\xC3'}}),
        record({{kSurname, hex("b5b6b7b8b9babbbcbdbebfc0c1c2c3c4c5c6c7c3")}}),
        record({{kSurname, QByteArray(14, 'x') + '\xC3' + QByteArray(4, 'x') + '\xC3'}}));
    // An address is ASCII: a kept skip byte can only be the letter 134 - i that the shift
    // turned into it, and reading gives that letter back ("t" at 18, "x" at 14, "i" at 29).
    row("skip byte at email position 29 kept", record({{kEmail, QByteArray(29, 'a') + '\xC3'}}),
        record({{kEmail, hex("9e9fa0a1a2a3a4a5a6a7a8a9aaabacadaeafb0b1b2b3b4b5b6b7b8b9bac3")}}),
        record({{kEmail, QByteArray(29, 'a') + 'i'}}));
    same("address letter shifted onto the skip byte",
         record({{kEmail, "maria.kovacova@centrum.sk"}}),
         record({{kEmail, hex("aa9fb1a9a270aeb3bba7aab7bfab8bafb2bcc3c2c6bf81c7c0")}}));
    same("address letter x shifted onto the skip byte",
         record({{kEmail, "jan.novak.ml@example.sk"}}),
         record({{kEmail, hex("a79fad6eafb1b9a5b074b4b489afc3adbabebbb57fc5be")}}));
    same("skip byte at email position 30 shifted", record({{kEmail, QByteArray(30, 'a') + '\xC3'}}),
         record({{kEmail, hex("9e9fa0a1a2a3a4a5a6a7a8a9aaabacadaeafb0b1b2b3b4b5b6b7b8b9babb1e")}}));
    same("telephone digits", record({{kPhone1, "0901"}}), record({{kPhone1, "mwoq"}}));
    same("skip byte shifted in a telephone number", record({{kPhone2, "1\xC3"}}),
         record({{kPhone2, hex("6e01")}}));
    same("three telephone numbers", record({{kPhone1, "1"}, {kPhone2, "22"}, {kPhone3, "333"}}),
         record({{kPhone1, hex("6e")}, {kPhone2, hex("6f70")}, {kPhone3, hex("707172")}}));

    // A byte that the shift turns into 0 ends the stored text: the bytes behind it are stored
    // as they are, and reading gives back only the text before it.
    row("shifted value 0 ends the first name",
        record({{kFirstName, "a\xC2"
                             "b"}}),
        record({{kFirstName, hex("9e00a1")}}), record({{kFirstName, hex("6100a1")}}));
    row("shifted value 0 at telephone start",
        record({{kPhone3, "\xC3"
                          "5"}}),
        record({{kPhone3, hex("0073")}}), record({{kPhone3, hex("0073")}}));

    row("forced NULs",
        record({{kFirstName, QByteArray(20, 'A') + 'U'},
                {43, hex("ff")},
                {106, hex("ff")},
                {121, hex("ff")},
                {160, hex("ff")},
                {169, hex("ff")}}),
        record({{kFirstName, hex("7e7f808182838485868788898a8b8c8d8e8f9091")}}),
        record({{kFirstName, QByteArray(20, 'A')}}));

    same("late marks January, February and April", record({{kLateMarksFirstHalf, hex("01010001")}}),
         record({{kLateMarksFirstHalf, hex("3e3f0001")}}));
    same("late marks July, August and December",
         record({{kLateMarksSecondHalf, hex("010100000001")}}),
         record({{kLateMarksSecondHalf, hex("3e3f00000001")}}));
    same("late mark behind an empty first month",
         record({{kLateMarksSecondHalf, hex("000000000001")}}),
         record({{kLateMarksSecondHalf, hex("000000000001")}}));

    // The fields are taken in order, each measured when its turn comes: a second telephone
    // number without its NUL runs on into the third, which is shifted once more on its own.
    same("second telephone number runs into the third",
         record({{kPhone2, QByteArray(15, '1') + '2'}}),
         record({{kPhone2, hex("6e6f707172737475767778797a7b7cbb")}}));

    same("carried bytes untouched",
         record({{0, hex("abcd")},
                 {158, hex("7777")},
                 {170, hex("01")},
                 {744, hex("ff")},
                 {815, hex("ee")}}),
         record({{0, hex("abcd")},
                 {158, hex("7777")},
                 {170, hex("01")},
                 {744, hex("ff")},
                 {815, hex("ee")}}));
}

void TestScrambleRecord::scramble() {
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, stored);
    QCOMPARE(scrambled(plain, ScrambleDirection::Scramble).toHex(), stored.toHex());
}

void TestScrambleRecord::unscramble() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, readBack);
    QCOMPARE(scrambled(stored, ScrambleDirection::Unscramble).toHex(), readBack.toHex());
}

void TestScrambleRecord::builderStoresTheSameBytes() {
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, stored);
    SheetBuilder builder;
    builder.addPublisher({}, {});
    builder.setRecordBytes(1, 0, plain);
    const QByteArray file = builder.build();
    const auto size = static_cast<qsizetype>(kRecordSize);
    QCOMPARE(file.mid(size, size).toHex(), stored.toHex());
}

QTEST_GUILESS_MAIN(TestScrambleRecord)
#include "TestScrambleRecord.moc"
