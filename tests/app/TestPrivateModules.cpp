// A module that cannot be loaded: the action that needs it says so, naming the file, and does
// nothing else.

#include "DeferredSheetPrinter.h"
#include "GroupSheet.h"
#include "Mailer.h"
#include "ProcessCommandRunner.h"
#include "QtBusyIndicator.h"
#include "RecordingMessageBoxes.h"
#include "ScriptedPrinterAccess.h"
#include "Settings.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace fyn;

class TestPrivateModules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingModuleIsNamedAndNothingHappens_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("module");
        QTest::newRow("mail through [Mail] Command") << QStringLiteral("mail") << "mime.so";
        QTest::newRow("printer setup") << QStringLiteral("setup") << "printing.so";
        QTest::newRow("print") << QStringLiteral("print") << "printing.so";
    }

    void missingModuleIsNamedAndNothingHappens() {
        QFETCH(QString, action);
        QFETCH(QString, module);
        QTemporaryDir dir;
        const QString emptyFolder = dir.filePath(QStringLiteral("modules"));
        qputenv("FYN_MODULE_DIR", QFile::encodeName(emptyFolder));
        test::RecordingMessageBoxes messages;
        const StringTable& strings = StringTable::slovak();
        bool succeeded = true;
        bool sideEffect = false;

        if (action == QStringLiteral("mail")) {
            Settings settings(dir.filePath(QStringLiteral("fyn.ini")));
            const QString sent = dir.filePath(QStringLiteral("sent"));
            settings.WriteSetting(QStringLiteral("Mail"), QStringLiteral("Command"),
                                  QStringLiteral("tee ") + sent);
            ProcessCommandRunner commands;
            QtBusyIndicator busy;
            Mailer mailer({commands, settings, messages, busy, strings});
            QVERIFY(mailer.AddRecipients(QStringLiteral("tajomnik@example.org")));
            succeeded = mailer.Send();
            sideEffect = QFile::exists(sent);
        } else {
            test::ScriptedPrinterAccess printers;
            DeferredSheetPrinter printer(printers, messages, strings);
            const GroupSheet sheet;
            const Wording wording(strings, sheet);
            succeeded = action == QStringLiteral("setup")
                            ? printer.PrinterSetup(nullptr, {sheet, wording, 0})
                            : printer.PrintSheet({sheet, wording, 0});
            sideEffect = printers.lookups + printers.setups > 0;
        }
        qunsetenv("FYN_MODULE_DIR");

        QVERIFY(!succeeded);
        QVERIFY(!sideEffect);
        QCOMPARE(messages.texts().size(), 1);
        const QString text = messages.texts().constFirst();
        QVERIFY2(text.contains(emptyFolder + QLatin1Char('/') + module), qPrintable(text));
        QVERIFY(text.contains(strings.text(text::kModuleMissing, {QString()}).left(30)));
    }
};

QTEST_MAIN(TestPrivateModules)
#include "TestPrivateModules.moc"
