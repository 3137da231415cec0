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
using namespace Qt::StringLiterals;

// A module that cannot be loaded: the action that needs it says so, naming the file, and does
// nothing else.
class TestPrivateModules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingModuleIsNamedAndNothingHappens_data() {
        QTest::addColumn<QString>("module");
        QTest::newRow("mail through [Mail] Command") << u"mime.so"_s;
        QTest::newRow("printer setup") << u"printing.so"_s;
        QTest::newRow("print") << u"printing.so"_s;
    }
    void missingModuleIsNamedAndNothingHappens() {
        QFETCH(QString, module);
        QTemporaryDir dir;
        qputenv("FYN_MODULE_DIR", QFile::encodeName(dir.filePath(u"modules"_s)));
        test::RecordingMessageBoxes messages;
        const StringTable& strings = StringTable::slovak();
        Settings settings(dir.filePath(u"fyn.ini"_s));
        settings.WriteSetting(u"Mail"_s, u"Command"_s, u"tee "_s + dir.filePath(u"sent"_s));
        ProcessCommandRunner commands;
        QtBusyIndicator busy;
        Mailer mailer({commands, settings, messages, busy, strings});
        QVERIFY(mailer.AddRecipients(u"tajomnik@example.org"_s));
        test::ScriptedPrinterAccess printers;
        DeferredSheetPrinter printer(printers, messages, strings);
        const GroupSheet sheet;
        const Wording wording(strings, sheet);
        const QByteArray action = QTest::currentDataTag();
        QVERIFY(action == "print"           ? !printer.PrintSheet({sheet, wording, 0})
                : action == "printer setup" ? !printer.PrinterSetup(nullptr, {sheet, wording, 0})
                                            : !mailer.Send());
        qunsetenv("FYN_MODULE_DIR");
        QVERIFY(!QFile::exists(dir.filePath(u"sent"_s)) && printers.lookups + printers.setups == 0);
        QCOMPARE(messages.texts().size(), 1);
        const QString text = messages.texts().constFirst();
        QVERIFY2(text.contains(dir.filePath(u"modules/"_s) + module), qPrintable(text));
        QVERIFY(text.contains(strings.text(text::kModuleMissing, {QString()}).left(30)));
    }
};

QTEST_MAIN(TestPrivateModules)
#include "TestPrivateModules.moc"
