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

// The placeholders of a text, and its mnemonic marks: a translation must keep both, or an
// argument goes missing or a button loses its Alt key.
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

    // Catches a text added to the Slovak table or a template but not to a translation, and a
    // translation that drops or invents a placeholder.
    void everyTextIsTranslated() {
        QFETCH(QString, setting);
        QFETCH(QString, languageCode);
        QTranslator translator;
        QVERIFY(translator.load(InstalledLanguage::resourcePath(setting)));
        QStringList missing;
        for (const SourceText& text : sourceTexts()) {
            const QString translation = translator.translate(nullptr, text.key.constData());
            if (translation.isEmpty()) {
                missing.append(QString::fromLatin1(text.key));
            } else {
                QVERIFY2(
                    markers(translation) == markers(text.slovak),
                    qPrintable(QString::fromLatin1(text.key) + QStringLiteral(": ") + translation));
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
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
