#include "Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace fyn;

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void profileNameBesideTheExecutable_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("profile");
        QTest::newRow("with extension")
            << QStringLiteral("D:\\x\\abc.exe") << QStringLiteral("D:\\x\\abc.ini");
        QTest::newRow("without extension")
            << QStringLiteral("D:\\x\\abcdefg") << QStringLiteral("D:\\x\\abc.ini");
        QTest::newRow("shorter than four") << QStringLiteral("ab") << QStringLiteral(".ini");
    }

    void profileNameBesideTheExecutable() {
        QFETCH(QString, executable);
        QFETCH(QString, profile);
        QCOMPARE(Settings::profileNameBesideExecutable(executable), profile);
    }

    void defaultPathFollowsXdgConfigHome() {
        qputenv("XDG_CONFIG_HOME", "/somewhere/config");
        QCOMPARE(Settings::defaultPath(), QStringLiteral("/somewhere/config/fyn/fyn.ini"));
        qputenv("XDG_CONFIG_HOME", "relative/ignored");
        QVERIFY(Settings::defaultPath().endsWith(QStringLiteral("/.config/fyn/fyn.ini")));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void missingFileReadsDefaultsAndFirstWriteCreatesIt() {
        QTemporaryDir dir;
        Settings settings(dir.filePath(QStringLiteral("new/folder/fyn.ini")));
        QCOMPARE(settings.ReadSetting(QStringLiteral("Last"), QStringLiteral("LoadPath"),
                                      QStringLiteral("default")),
                 QStringLiteral("default"));
        settings.WriteSetting(QStringLiteral("Last"), QStringLiteral("LoadPath"), QString());
        settings.WriteSetting(QStringLiteral("Last"), QStringLiteral("Post"),
                              QStringLiteral("Ján Šťastný"));
        QCOMPARE(settings.ReadSetting(QStringLiteral("Last"), QStringLiteral("LoadPath"),
                                      QStringLiteral("default")),
                 QString());
        QCOMPARE(settings.ReadSetting(QStringLiteral("LAST"), QStringLiteral("post")),
                 QStringLiteral("Ján Šťastný"));
    }

    void handEditedFilesKeepTheirOtherLinesAndRawValues() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fyn.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "[Mail]\ncommand=msmtp -t, --read-envelope-from\n[last]\nloadpath=C:\\data\\a,b.t09\n");
        file.close();
        Settings settings(path);
        QCOMPARE(settings.ReadSetting(QStringLiteral("Last"), QStringLiteral("LoadPath")),
                 QStringLiteral("C:\\data\\a,b.t09"));
        settings.WriteSetting(QStringLiteral("Last"), QStringLiteral("Post"), QStringLiteral("x"));
        QCOMPARE(settings.ReadSetting(QStringLiteral("Mail"), QStringLiteral("command")),
                 QStringLiteral("msmtp -t, --read-envelope-from"));
        QCOMPARE(settings.ReadSetting(QStringLiteral("Last"), QStringLiteral("LoadPath")),
                 QStringLiteral("C:\\data\\a,b.t09"));
    }

    void garbageReadsAsDefaults() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fyn.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xff\xfe\x00garbage\n[[[\n=\n", 17));
        file.close();
        const Settings settings(path);
        QCOMPARE(settings.ReadSetting(QStringLiteral("Last"), QStringLiteral("Post"),
                                      QStringLiteral("default")),
                 QStringLiteral("default"));
    }

    void anUnwritableFileIsNotAnError() {
        Settings settings(QStringLiteral("/proc/fyn-cannot-exist/fyn.ini"));
        settings.WriteSetting(QStringLiteral("Last"), QStringLiteral("Post"), QStringLiteral("x"));
        QCOMPARE(settings.ReadSetting(QStringLiteral("Last"), QStringLiteral("Post")), QString());
    }
};

QTEST_MAIN(TestSettings)
#include "TestSettings.moc"
