#include "GroupSheet.h"
#include "InstalledLanguage.h"
#include "Language.h"
#include "SourceTexts.h"
#include "StringTable.h"
#include "Wording.h"

#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

using namespace fyn;

namespace {

// The placeholders and mnemonic marks of a text, which a translation must keep.
QStringList markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%[1-9]|&(?!&)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text)) {
        found.append(match.captured());
    }
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextIsTranslated_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("languageCode");
        // The codes that the program's behaviour compares, exactly.
        const char* codes[][2] = {{"cs", "cz"},    {"pl", "Polish"},  {"fr", "french"},
                                  {"el", "greek"}, {"tr", "Turkish"}, {"et", "estonian"},
                                  {"en", "en"}};
        for (const auto& [setting, code] : codes) {
            QTest::newRow(setting) << QString::fromLatin1(setting) << QString::fromLatin1(code);
        }
    }

    // Every text in every catalogue, with the placeholders of the Slovak one.
    void everyTextIsTranslated() {
        QFETCH(QString, setting);
        QFETCH(QString, languageCode);
        QTranslator translator;
        QVERIFY(translator.load(InstalledLanguage::resourcePath(setting)));
        for (const SourceText& text : sourceTexts()) {
            const QString translation = translator.translate(nullptr, text.key.constData());
            QVERIFY2(
                !translation.isEmpty() && markers(translation) == markers(text.slovak),
                qPrintable(QString::fromLatin1(text.key) + QStringLiteral(": ") + translation));
        }
        QCOMPARE(translator.translate(nullptr, "1198"), languageCode);
    }

    // The French month names are in lower case, so that their elided form follows the rule.
    void frenchMonthsElide() {
        const InstalledLanguage french(*Language::bySetting(QStringLiteral("fr")));
        const StringTable strings = StringTable::translated();
        const GroupSheet sheet;
        const Wording wording(strings, sheet);
        QCOMPARE(wording.MonthName(0, true), QStringLiteral("de janvier"));
        QCOMPARE(wording.MonthName(3, true), QStringLiteral("d'avril"));
        QCOMPARE(wording.MonthName(9, true), QStringLiteral("d'octobre"));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
