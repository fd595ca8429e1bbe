// Tests of the main window's language menu, its device menu and the firmware-update prompts,
// driven with the virtual mouse.
#include "app/MousecfgWidget.h"
#include "device/hidDevices.h"
#include "platform/Notice.h"
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/language.h"
#include "store/settings.h"
#include "widgets/KroMenu.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"

#include "TestAppDir.h"
#include "VirtualMouseFixture.h"
#include "e2eFixture.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSettings>
#include <QTimer>
#include <QtTest>

namespace {

int savedLanguageId()
{
    return QSettings(appDir() + "/Configs/LangConfig.ini", QSettings::IniFormat).value("Config/LangID", -1).toInt();
}

// The model name the device table carries for the plugged virtual mouse.
QString rowName()
{
    return QString::fromUtf8(deviceTable[0].name);
}

} // namespace

class TestLanguageAndModels : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAppDir> m_dir;
    std::unique_ptr<VirtualMouseFixture> m_mouse;

    std::unique_ptr<MousecfgWidget> makeWindow(VirtualMouseFixture::Plug plug = VirtualMouseFixture::ReceiverOnly)
    {
        m_mouse.reset(); // the old fixture restores the backend it replaced
        m_mouse = std::make_unique<VirtualMouseFixture>(plug, false);
        e2eWriteFactoryProfiles();
        return std::make_unique<MousecfgWidget>();
    }

    // Copies the built translation of `stem` into the test's lang folder; false when not built.
    bool installTranslation(const QString& stem)
    {
        const QString built = qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/lang/" + stem + ".qm";
        if (!QFile::exists(built))
            return false;
        QDir().mkpath(m_dir->file("lang"));
        return QFile::copy(built, m_dir->file("lang/" + stem + ".qm"));
    }

    static void chooseLanguage(MousecfgWidget& w, int index)
    {
        auto* menu = w.findChild<KroMenu*>("languageMenu");
        QVERIFY(menu);
        QVERIFY(index < menu->actions().size());
        menu->actions().at(index)->trigger();
    }

    static QString text(MousecfgWidget& w, const char* name)
    {
        auto* button = w.findChild<KroPushButton*>(name);
        return button ? button->text() : QStringLiteral("<missing>");
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<TestAppDir>(true);
        dialogHook::clear();
        dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
        notice::setSink([](const QString&, const QColor&) {});
        setMouseConnected(false);
    }
    void cleanup()
    {
        notice::setSink({});
        dialogHook::clear();
        m_mouse.reset();
        m_dir.reset();
    }

    void switchingLanguageRetranslatesAndIsSaved()
    {
        if (!installTranslation("mousecfg_fr"))
            QSKIP("translations not built (mousecfg_translations)");
        auto w = makeWindow();
        QCOMPARE(text(*w, "applyButton"), QStringLiteral("Apply"));
        QCOMPARE(text(*w, "languageButton"), QStringLiteral("English"));

        chooseLanguage(*w, 1);
        QCOMPARE(savedLanguageId(), 1);
        QCOMPARE(languageIndex(), 1);
        QCOMPARE(text(*w, "languageButton"), QString::fromUtf8("Français"));
        QCOMPARE(text(*w, "applyButton"), QStringLiteral("Appliquer"));
        QVERIFY(text(*w, "slotIndicator1") != QStringLiteral("Profile 1"));

        chooseLanguage(*w, 0);
        QCOMPARE(savedLanguageId(), 0);
        QCOMPARE(text(*w, "languageButton"), QStringLiteral("English"));
        QCOMPARE(text(*w, "applyButton"), QStringLiteral("Apply"));
        QCOMPARE(text(*w, "slotIndicator1"), QStringLiteral("Profile 1"));
    }

    void englishTranslationCorrectsTheSourceTexts()
    {
        if (!installTranslation("mousecfg_en"))
            QSKIP("translations not built (mousecfg_translations)");
        auto w = makeWindow(VirtualMouseFixture::Nothing);
        QCOMPARE(text(*w, "loadButton"), QStringLiteral("LOAD"));
        w->showMainWindow();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("Receiver disconnected"));
    }

    void savedLanguageIsUsedAtStart()
    {
        if (!installTranslation("mousecfg_fr"))
            QSKIP("translations not built (mousecfg_translations)");
        setLanguageId(1);
        auto w = makeWindow();
        QCOMPARE(text(*w, "languageButton"), QString::fromUtf8("Français"));
        QCOMPARE(text(*w, "applyButton"), QStringLiteral("Appliquer"));
    }

    void languageWithoutTranslationKeepsTextsButIsSaved()
    {
        // No .qm at all in the lang folder: German cannot load.
        auto w = makeWindow();
        chooseLanguage(*w, 2);
        QCOMPARE(savedLanguageId(), 2);
        QCOMPARE(text(*w, "languageButton"), QStringLiteral("Deutsch"));
        QCOMPARE(text(*w, "applyButton"), QStringLiteral("Apply"));
    }

    void failedLanguageAfterAnotherKeepsItsTexts()
    {
        if (!installTranslation("mousecfg_fr"))
            QSKIP("translations not built (mousecfg_translations)");
        auto w = makeWindow();
        chooseLanguage(*w, 1);
        QCOMPARE(text(*w, "applyButton"), QStringLiteral("Appliquer"));
        chooseLanguage(*w, 2); // German not installed
        QCOMPARE(savedLanguageId(), 2);
        QCOMPARE(text(*w, "languageButton"), QStringLiteral("Deutsch"));
        QCOMPARE(text(*w, "applyButton"), QStringLiteral("Appliquer"));
    }

    void languageIdOutOfRangeStartsInEnglish_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("above the list") << QByteArray("5");
        QTest::newRow("above ten") << QByteArray("12");
        QTest::newRow("negative") << QByteArray("-1");
        QTest::newRow("not a number") << QByteArray("fr");
    }
    void languageIdOutOfRangeStartsInEnglish()
    {
        QFETCH(QByteArray, value);
        installTranslation("mousecfg_fr");
        m_dir->write("Configs/LangConfig.ini", "[Config]\nLangID=" + value + "\n");
        auto w = makeWindow();
        QCOMPARE(languageIndex(), 0);
        QCOMPARE(text(*w, "languageButton"), QStringLiteral("English"));
        QCOMPARE(text(*w, "applyButton"), QStringLiteral("Apply"));
    }

    void oneModelPresentBecomesTheProduct()
    {
        setCurrentProductName("SOMETHING ELSE");
        auto w = makeWindow();
        QCOMPARE(w->detectedModels(), QStringList { rowName() });
        QCOMPARE(mouseCount(), 1);
        QCOMPARE(currentProductName(), rowName());
        auto* selector = w->findChild<KroPushButton*>("modelSelector");
        QVERIFY(selector);
        QVERIFY(selector->isHidden());
    }

    void noModelPresentKeepsTheProduct()
    {
        m_mouse.reset(); // the old fixture restores the backend it replaced
        m_mouse = std::make_unique<VirtualMouseFixture>(VirtualMouseFixture::Nothing, false);
        setCurrentProductName("KEPT");
        dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Rejected);
        MousecfgWidget w;
        QVERIFY(w.detectedModels().isEmpty());
        QCOMPARE(mouseCount(), 0);
        QCOMPARE(currentProductName(), QStringLiteral("KEPT"));
        QVERIFY(w.findChild<KroPushButton*>("modelSelector")->isHidden());
    }

    void choosingAModelReopensAndReloads()
    {
        auto w = makeWindow();
        // Unsaved edits of the display are dropped: the chosen model's stored configuration shows.
        const quint8 saved = sentConfig.current().dpi;
        currentConfig.current().dpi = quint8((saved + 1) % DPI_STAGE_COUNT);
        // The chosen model's picture is read from its folder.
        const QString folder = appDir() + "/skin/mouse/" + rowName();
        QDir().mkpath(folder);
        QImage picture(450, 400, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(folder + "/Mouse.png"));
        closeDevices();
        QAction choice(rowName());
        w->slot_show_mousename(&choice);
        QCOMPARE(currentProductName(), rowName());
        QCOMPARE(w->findChild<KroPushButton*>("modelSelector")->text(), rowName());
        QCOMPARE(currentConfig.current().dpi, saved);
        QVERIFY(controlHandle() != nullptr);
        const QPixmap shown = w->findChild<QLabel*>("frontPicture")->pixmap(Qt::ReturnByValue);
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.toImage().pixelColor(10, 10), QColor(Qt::red));
    }

    void firmwareUpdaterMissingKeepsRunning_data()
    {
        QTest::addColumn<bool>("press");
        QTest::newRow("click") << false;
        QTest::newRow("press") << true;
    }
    void firmwareUpdaterMissingKeepsRunning()
    {
        QFETCH(bool, press);
        auto w = makeWindow(VirtualMouseFixture::Both);
        auto* button = w->findChild<KroPushButton*>("firmwareButton");
        QVERIFY(button);
        dialogHook::answerEvery(dialogHook::Kind::Message, -1);
        dialogHook::answerNext(QDialog::Accepted); // "Do you want to upgrade the firmware?"
        dialogHook::answerNext(QDialog::Accepted); // the failure box

        // An exit of the application would end this loop with 0 instead of 7.
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            if (press)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                button->click();
        });
        QTimer::singleShot(50, &loop, [&] { loop.exit(7); });
        QCOMPARE(loop.exec(), 7);

        const QStringList messages = e2eBoxMessages();
        QCOMPARE(messages,
            (QStringList { QStringLiteral("Do you want to upgrade the firmware?"),
                QStringLiteral("The firmware updater could not be started.") }));
    }

    void firmwareWithoutCableAsksForIt()
    {
        auto w = makeWindow(VirtualMouseFixture::ReceiverOnly);
        auto* button = w->findChild<KroPushButton*>("firmwareButton");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(e2eBoxMessages(),
            QStringList { QStringLiteral("To update the firmware, please connect to the computer with a cable.") });
    }

    void declinedFirmwareUpdateStartsNothing()
    {
        auto w = makeWindow(VirtualMouseFixture::Both);
        dialogHook::answerEvery(dialogHook::Kind::Message, -1);
        dialogHook::answerNext(QDialog::Rejected);
        w->findChild<KroPushButton*>("firmwareButton")->click();
        QCOMPARE(e2eBoxMessages(), QStringList { QStringLiteral("Do you want to upgrade the firmware?") });
    }
};

QTEST_MAIN(TestLanguageAndModels)
#include "TestLanguageAndModels.moc"
