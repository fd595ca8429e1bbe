// Start-up of the main window on an installation with files it cannot use: told once in a box,
// never stuck, whatever numbers the files hold.
#include "app/MousecfgWidget.h"
#include "platform/Notice.h"
#include "store/appContext.h"
#include "widgets/KroFileDialog.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"

#include "FileSizeLimit.h"
#include "TestAppDir.h"
#include "VirtualMouseFixture.h"
#include "e2eFixture.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QtTest>

class TestHostileStart : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAppDir> m_dir;
    std::unique_ptr<VirtualMouseFixture> m_mouse;

private slots:
    void init()
    {
        m_dir = std::make_unique<TestAppDir>(true);
        dialogHook::clear();
        dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
        notice::setSink([](const QString&, const QColor&) {});
        m_mouse = std::make_unique<VirtualMouseFixture>(VirtualMouseFixture::ReceiverOnly, false);
        e2eWriteFactoryProfiles();
    }

    void cleanup()
    {
        notice::setSink({});
        dialogHook::clear();
        m_mouse.reset();
        m_dir.reset();
        setScaleFactor(1.0);
    }

    void unreadableProfileIsToldOnce()
    {
        m_dir->plant("Configs/Profile/Profile 2.prof", TestAppDir::Binary);
        MousecfgWidget window;
        QTRY_COMPARE(dialogHook::history(dialogHook::Kind::Message).size(), 1);
        const dialogHook::Shown box = dialogHook::history(dialogHook::Kind::Message).first();
        QCOMPARE(box.boxKind, int(KroMessageBox::Warning));
        QCOMPARE(box.texts.value(1),
            "Could not be read (kept as <name>.unreadable-<date>): Profile/Profile 2.prof\n"
            "Profiles loaded with the factory settings: 2\n"
            "Settings folder: "
                + m_dir->file("Configs"));
        QTest::qWait(300);
        QCOMPARE(dialogHook::history(dialogHook::Kind::Message).size(), 1);
    }

    void failedSaveIsToldAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        QTest::newRow("SAVE") << "saveButton"
                              << "mine.conf";
        QTest::newRow("profile export") << "exportButton"
                                        << "mine.prof";
    }

    void failedSaveIsToldAndKeepsTheOldFile()
    {
        QFETCH(QString, button);
        QFETCH(QString, file);
        MousecfgWidget window;
        QTest::qWait(50);
        dialogHook::clear();
        dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
        const QString path = m_dir->file(file);
        m_dir->write(file, "old");
        {
            FileSizeLimit full(64 * 1024); // a full disk: the new file cannot be written
            dialogHook::answerNextFile(path);
            window.findChild<KroPushButton*>(button)->click();
        }
        QCOMPARE(dialogHook::history(dialogHook::Kind::Message).size(), 1);
        QVERIFY2(dialogHook::history(dialogHook::Kind::Message)
                     .first()
                     .texts.value(1)
                     .startsWith("Could not be written: " + path),
            qPrintable(dialogHook::history(dialogHook::Kind::Message).first().texts.value(1)));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
    }

    void hostileNumbersDoNotHoldUpTheStart()
    {
        m_dir->write("DefaultProfile.bin", "[PROFILE]\nProductName=Kestrel M7\nButtonCount=100000000\nMouseDpi=0\n");
        QSettings(m_dir->file("Configs/Config.ini"), QSettings::IniFormat)
            .setValue("FONT_LIST/FONT_SIZE_0", "100000000");
        QElapsedTimer timer;
        timer.start();
        MousecfgWidget window;
        window.show();
        QTest::qWait(100);
        QVERIFY2(timer.elapsed() < 30000, "the start took longer than 30 s");
    }
};

QTEST_MAIN(TestHostileStart)
#include "TestHostileStart.moc"
