#include "GroupSheet.h"
#include "InstalledLanguage.h"
#include "Language.h"
#include "LanguageChoice.h"
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
    void frenchMonthsElide_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("elided");
        QTest::newRow("January") << 0 << QStringLiteral("de janvier");
        QTest::newRow("April") << 3 << QStringLiteral("d'avril");
        QTest::newRow("August") << 7 << QStringLiteral("d'août");
        QTest::newRow("October") << 9 << QStringLiteral("d'octobre");
    }

    void frenchMonthsElide() {
        QFETCH(int, month);
        QFETCH(QString, elided);
        const InstalledLanguage french(*Language::bySetting(QStringLiteral("fr")));
        const StringTable strings = StringTable::translated();
        const GroupSheet sheet;
        QCOMPARE(Wording(strings, sheet).MonthName(month, true), elided);
    }

    void choosingTheLanguage_data() {
        QTest::addColumn<QString>("languageSetting");
        QTest::addColumn<QString>("codePageSetting");
        QTest::addColumn<int>("systemLanguage");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<bool>("refused");
        const auto row = [](const char* name, const char* setting, const char* codePageSetting,
                            QLocale::Language system, const char* language, const char* codePage,
                            bool refused) {
            QTest::newRow(name) << QString::fromUtf8(setting) << QString::fromUtf8(codePageSetting)
                                << int(system) << QString::fromLatin1(language)
                                << QString::fromLatin1(codePage) << refused;
        };
        row("locale's language", "", "", QLocale::Greek, "el", "windows-1253", false);
        row("locale Fyn lacks", "", "", QLocale::German, "sk", "windows-1250", false);
        row("C locale", "", "", QLocale::C, "sk", "windows-1250", false);
        row("setting wins", "tr", "", QLocale::Polish, "tr", "windows-1254", false);
        row("setting in capitals", " ET ", "", QLocale::C, "et", "windows-1257", false);
        row("English keeps 1250", "en", "", QLocale::C, "en", "windows-1250", false);
        row("code page overrides", "sk", "Windows-1252", QLocale::C, "sk", "windows-1252", false);
        row("unknown language", "de", "", QLocale::Czech, "cs", "windows-1250", true);
        row("multi-byte code page", "", "utf-8", QLocale::C, "sk", "", true);
    }

    void choosingTheLanguage() {
        QFETCH(QString, languageSetting);
        QFETCH(QString, codePageSetting);
        QFETCH(int, systemLanguage);
        QFETCH(QString, language);
        QFETCH(QString, codePage);
        QFETCH(bool, refused);
        const LanguageChoice choice = LanguageChoice::choose(
            languageSetting, codePageSetting, static_cast<QLocale::Language>(systemLanguage));
        QCOMPARE(choice.language().setting, language);
        QCOMPARE(choice.isRefused(), refused);
        if (!refused) {
            QCOMPARE(choice.codePage(), codePage);
        } else {
            const QString value = languageSetting.isEmpty() ? codePageSetting : languageSetting;
            QVERIFY(choice.terminalMessage(QStringLiteral("fyn.ini")).contains(value));
            QVERIFY(choice.windowMessage(StringTable::slovak(), QStringLiteral("fyn.ini"))
                        .contains(value));
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
