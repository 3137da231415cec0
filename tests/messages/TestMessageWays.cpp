#include "DialogBuilder.h"
#include "GroupSheet.h"
#include "KeyboardUser.h"
#include "MainDialog.h"
#include "MessageIntake.h"
#include "SheetBuilder.h"
#include "TextCodec.h"
#include "WindowSeams.h"

#include <QClipboard>
#include <QDialog>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUrl>
#include <memory>

using namespace fyn;
using namespace fyn::test;
using K = KeyboardUser;

namespace {

QByteArray cp1250(const char* utf8) {
    return *TextCodec::fromUnicode(QString::fromUtf8(utf8));
}

// November's sheet (slot 0 of 2026) with four publishers, the first two with addresses.
SheetBuilder november() {
    SheetBuilder sheet;
    sheet.setReportMonth(10);
    sheet.addPublisher(cp1250("Ján"), cp1250("Novák"), "jan&novak@x.sk");
    sheet.addPublisher(cp1250("Mária"), cp1250("Nováková"), "maria@example.sk");
    sheet.addPublisher("Peter", cp1250("Šťastný"));
    sheet.addPublisher("Eva", cp1250("Horváthová"));
    return sheet;
}

} // namespace

class TestMessageWays : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowSeams> seams_;
    std::unique_ptr<MainDialog> window_;
    QString sheetPath_;

    QString path(const QString& name) const { return seams_->path(name); }

    void openWindow() {
        sheetPath_ = path(QStringLiteral("Skupina1.t09"));
        QVERIFY(november().writeTo(sheetPath_));
        window_ = seams_->open(sheetPath_);
        QVERIFY(K::activate(*window_));
    }

    // The report dialog that the message opens shows its line; Enter walks to the last field
    // and stores.
    void acceptWithEnter(const QString& expectedLine) {
        K::onNextModalDialog([expectedLine](QDialog& dialog) {
            QCOMPARE(DialogBuilder::control<QLabel>(dialog, 164)->text(), expectedLine);
            for (int walk = 0; walk < 6 && dialog.isVisible(); ++walk) {
                K::press(Qt::Key_Return);
            }
            QVERIFY(!dialog.isVisible());
        });
    }

    // What the sheet on disk holds for the publisher in a month of 2026, November unless told.
    QString stored(int index, int month = 10) const {
        GroupSheet onDisk;
        if (!onDisk.Load(sheetPath_)) {
            return QStringLiteral("unreadable");
        }
        const MonthEntryView entry = onDisk.publisher(index).month(month, 0);
        return QStringLiteral("in %1, hours %2, studies %3, status %4, remark %5%6")
            .arg(entry.inService())
            .arg(entry.hours())
            .arg(entry.studies())
            .arg(entry.pioneerStatus())
            .arg(entry.remarkNumber())
            .arg(onDisk.IsMarkedLate(index, month) ? QStringLiteral(", late") : QString());
    }

private Q_SLOTS:
    void init() { seams_ = std::make_unique<WindowSeams>(QDate(2026, 12, 10)); }

    void cleanup() { window_.reset(); }

    void readsFilesAndRefusesWhatIsNoMessage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("publisher");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* file, int publisher, const char* line) {
            QTest::newRow(file) << QString::fromLatin1(file) << publisher
                                << QString::fromUtf8(line);
        };
        row("windows-1250-quoted-printable.eml", 1,
            "Zo správy: zvestovateľ podľa adresy odosielateľa, mesiac november, v službe áno, "
            "hodiny 12, biblické štúdiá 3, poznámka „chorý týždeň“.");
        row("utf-8-base64.eml", 2,
            "Zo správy: zvestovateľ podľa adresy odosielateľa, v službe áno, hodiny 40, biblické "
            "štúdiá 2, pomocný priekopník.");
        row("html-only.eml", 3,
            "Zo správy: zvestovateľ podľa mena, v službe áno, biblické štúdiá 1.");
        row("reply-to-reminder.eml", 1,
            "Zo správy: zvestovateľ podľa adresy odosielateľa, v službe áno, biblické štúdiá 4.");
        // Sent by a real Thunderbird to a local sink: thunderbird_reply.sh.
        row("thunderbird-reply.eml", 2,
            "Zo správy: zvestovateľ podľa adresy odosielateľa, v službe áno, hodiny 40, biblické "
            "štúdiá 2.");
        row("attachment-only.eml", 0,
            "Súbor attachment-only.eml nie je text ani e-mail. Nečíta sa.");
        row("large.eml", 0, "Súbor large.eml je väčší ako 1 MB. Správa z neho sa nečíta.");
        row("long.txt", 0, "Text správy je dlhší ako 64 kB. Nečíta sa.");
        row("picture.png", 0, "Súbor picture.png nie je text ani e-mail. Nečíta sa.");
    }

    void readsFilesAndRefusesWhatIsNoMessage() {
        QFETCH(QString, file);
        QFETCH(int, publisher);
        QFETCH(QString, line);
        QString filePath = QStringLiteral(FYN_MAIL_FIXTURES "/") + file;
        if (file.startsWith(QLatin1String("thunderbird"))) {
            filePath = qEnvironmentVariable("FYN_THUNDERBIRD_REPLY");
            if (filePath.isEmpty()) {
                QSKIP("written by Thunderbird in thunderbird_reply.sh");
            }
        } else if (!QFile::exists(filePath)) {
            filePath = path(file);
            QFile made(filePath);
            QVERIFY(made.open(QIODevice::WriteOnly));
            const QByteArray fill = file.endsWith(QLatin1String(".png"))
                                        ? QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                        : QByteArray(70 * 1024, 'a');
            made.write(file.startsWith(QLatin1String("large")) ? QByteArray(1024 * 1024 + 1, 'a')
                                                               : fill);
        }
        GroupSheet sheet;
        QVERIFY(sheet.Read(november().build(), QStringLiteral("g.t09")).ok());
        const Wording wording(StringTable::slovak(), sheet);
        const MessageIntake intake(sheet, StringTable::slovak(), wording);
        const MessageIntake::Result result = intake.Read({filePath, {}, {}}, 4);
        if (publisher == 0) {
            QCOMPARE(result.refusal, line);
            return;
        }
        QCOMPARE(result.refusal, QString());
        QCOMPARE(result.publishers, std::vector<int>{publisher});
        QCOMPARE(intake.Line(result), line);
    }

    // An e-mail dragged out of a mail client and dropped on the window: the filled dialog,
    // Enter, and the figures on disk.
    void droppedEmailIsStoredOnEnter() {
        openWindow();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral(FYN_MAIL_FIXTURES "/utf-8-base64.eml"))});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &drop);
        // The dialog opens once the drop has returned to the drag's source.
        acceptWithEnter(QString::fromUtf8(
            "Zo správy: zvestovateľ podľa adresy odosielateľa, v službe áno, hodiny 40, biblické "
            "štúdiá 2, pomocný priekopník."));
        QTRY_COMPARE(stored(2), QStringLiteral("in 1, hours 40, studies 2, status 1, remark 0"));
        QCOMPARE(seams_->messages.texts(), QStringList());
    }

    // A message that names two publishers is never given to either: the user picks one in a
    // short list by the keyboard. Another month than the sheet's is entered as a late report.
    void twoPublishersNamedAreAskedFor() {
        openWindow();
        K::onNextModalDialog([this](QDialog& choice) {
            QCOMPARE(choice.windowTitle(), QString::fromUtf8("Koho je táto správa?"));
            acceptWithEnter(QString::fromUtf8(
                "Zo správy: zvestovateľ podľa mena, mesiac október, v službe áno, biblické "
                "štúdiá 3."));
            K::press(Qt::Key_Down);
            K::press(Qt::Key_Return);
        });
        QMimeData data;
        data.setText(QString::fromUtf8("Ján Novák a Mária Nováková: za október 3 štúdiá"));
        window_->OpenReportFromMessage(data);
        QCOMPARE(stored(2, 9),
                 QStringLiteral("in 1, hours 0, studies 3, status 0, remark 0, late"));
        QCOMPARE(stored(1, 9), QStringLiteral("in 0, hours 0, studies 0, status 0, remark 0"));
    }

    // Ctrl+V of a text on the real clipboard, which only a display server has: the paste
    // test runs under Xvfb (clipboard_paste.sh).
    void pastedTextIsStoredOnEnter() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("the clipboard needs an X server: clipboard_paste.sh runs this");
        }
        openWindow();
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"),
                                              QStringLiteral("clipboard"), QStringLiteral("-i")});
        QVERIFY(xclip.waitForStarted());
        xclip.write(QString::fromUtf8("Ahoj, Eva Horváthová: za november 3 štúdiá.\n"
                                      "Poznámka: Bethel")
                        .toUtf8());
        xclip.closeWriteChannel();
        QVERIFY(xclip.waitForFinished());
        QTRY_VERIFY(QGuiApplication::clipboard()->text().startsWith(QLatin1String("Ahoj")));
        acceptWithEnter(QString::fromUtf8("Zo správy: zvestovateľ podľa mena, mesiac november, "
                                          "v službe áno, biblické štúdiá 3, poznámka „Bethel“."));
        K::press(Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(stored(4), QStringLiteral("in 1, hours 0, studies 3, status 0, remark 1"));
    }
};

QTEST_MAIN(TestMessageWays)
#include "TestMessageWays.moc"
