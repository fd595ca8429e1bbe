// The on-board profiles through the main window and the virtual mouse: the slot strip switches and
// follows the mouse's profile, edits made on another slot reach the mouse, both pages show the sleep
// settings the mouse gets, and LOAD1 takes a configuration file whole.
#include "app/MousecfgWidget.h"
#include "buttons/KroBtnWindow.h"
#include "buttons/buttonFunctions.h"
#include "panels/KroColorWindow.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroReportRate.h"
#include "panels/KroSingleDPI.h"
#include "panels/KroTwoBarSlider.h"
#include "store/MouseConfig.h"
#include "store/profileFiles.h"
#include "store/settings.h"
#include "widgets/KroFileDialog.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"

#include "TestAppDir.h"
#include "VirtualMouseFixture.h"
#include "e2eFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

namespace {

template <typename T> T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
}

KroPushButton* slotButton(E2eFixture& e2e, int slot)
{
    return e2e.button(QStringLiteral("slotIndicator%1").arg(slot + 1));
}

// The slot the strip marks; -1 when none or more than one is marked.
int markedSlot(E2eFixture& e2e)
{
    int marked = -1;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (slotButton(e2e, i)->state() == 1)
            marked = marked < 0 ? i : PROFILE_COUNT;
    }
    return marked < PROFILE_COUNT ? marked : -1;
}

int savedProfileId()
{
    return QSettings(configIniPath(), QSettings::IniFormat).value(QStringLiteral("Config/ProfileID"), -1).toInt();
}

} // namespace

class TestProfileSlots : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { dialogHook::clear(); }

    void stripSwitchesTheMouseAndFollowsIt()
    {
        E2eFixture e2e;
        QCOMPARE(markedSlot(e2e), 0);
        QVERIFY(!slotButton(e2e, 0)->size().isEmpty());

        slotButton(e2e, 3)->click();
        QCOMPARE(e2e.mouse().mouse().activeProfile(), 3);
        QCOMPARE(markedSlot(e2e), 3);
        QCOMPARE(int(currentConfig.ProfileID), 3);
        QCOMPARE(savedProfileId(), 3);

        // The mouse's own profile button: its change report moves the mark. The poller drops a report
        // that arrives while it waits for a status reply, so the report is repeated until one is read.
        const ProfileData& shown = currentConfig.profiles[1];
        for (int attempt = 0; attempt < 20 && markedSlot(e2e) != 1; ++attempt) {
            e2e.mouse().mouse().sendChangeReport(1, shown.dpi, shown.pollrate, 0);
            (void)QTest::qWaitFor([&e2e] { return markedSlot(e2e) == 1; }, 1000);
        }
        QCOMPARE(markedSlot(e2e), 1);
        QCOMPARE(int(currentConfig.ProfileID), 1);
    }

    void editsOnProfileThreeReachTheMouse()
    {
        E2eFixture e2e;
        MousecfgWidget& w = e2e.window();
        slotButton(e2e, 2)->click();
        QCOMPARE(e2e.mouse().mouse().activeProfile(), 2);
        const quint8 firstRate = currentConfig.profiles[0].pollrate;

        // DPI page: stage 2, the report rate and the scroll lines.
        w.switchPage(MousecfgWidget::PageDpi);
        auto* dpi = child<KroDPIWindow>(&w, "dpiPanel");
        child<QSlider>(dpi->row(1)->slider(), "linkSlider")->setValue(300);
        auto* rate = child<KroReportRate>(&w, "reportRatePanel");
        const int pick = currentConfig.current().pollrate == KroReportRate::RATE_CODES[0] ? 1 : 0;
        rate->rateMenu()->actions().at(pick)->trigger();
        auto* scroll = child<QSpinBox>(&w, "scrollLinesBox");
        const int lines = scroll->value() == 7 ? 8 : 7;
        scroll->setValue(lines);
        // Customize page: a button function.
        e2e.selectFrontButton(3);
        child<KroBtnWindow>(&w, "buttonPanel")->action(ButtonFun::Middle)->trigger();
        // Lighting page: effect, brightness and colour.
        w.switchPage(MousecfgWidget::PageLighting);
        auto* lighting = child<KroColorWindow>(&w, "lightingPanel");
        lighting->effectAction(1)->trigger();
        const int bright = child<QSlider>(lighting, "brightnessSlider")->value() == 3 ? 2 : 3;
        child<QSlider>(lighting, "brightnessSlider")->setValue(bright);
        lighting->slotSendLedState(QColor(0x12, 0xAB, 0x34));
        e2e.apply();

        const VirtualMouseDecoder mouse = e2e.decoder();
        const DecodedGeneral general = mouse.general();
        QCOMPARE(int(general.profileId), 2);
        QCOMPARE(int(general.reportRates[2]), int(KroReportRate::RATE_CODES[pick]));
        QCOMPARE(int(general.reportRates[0]), int(firstRate));
        QCOMPARE(int(general.scrollLines[2]), lines);
        QCOMPARE(mouse.stage(1).x, 300);
        QCOMPARE(mouse.buttonSlot(E2eFixture::deviceSlot(3)), (std::array<quint8, 4> { 0x83, 0, 0, 0 }));
        QCOMPARE(int(general.effectCode), 2);
        const DecodedLighting record = mouse.lighting(1);
        QCOMPARE(int(record.red), 0x12);
        QCOMPARE(int(record.green), 0xAB);
        QCOMPARE(int(record.blue), 0x34);
        QCOMPARE(int(record.bright), bright);

        // Back on slot 1 the pages still show the mouse's stages and lighting; the rate is slot 1's.
        slotButton(e2e, 0)->click();
        QCOMPARE(dpi->profileData().stages[1].x, 300u);
        QCOMPARE(lighting->profile()->LedMode, quint8(1));
        QCOMPARE(rate->pollrate(), firstRate);
    }

    void editsNotYetAppliedSurviveASlotSwitch()
    {
        E2eFixture e2e;
        MousecfgWidget& w = e2e.window();
        w.switchPage(MousecfgWidget::PageDpi);
        auto* dpi = child<KroDPIWindow>(&w, "dpiPanel");
        child<QSlider>(dpi->row(1)->slider(), "linkSlider")->setValue(250);
        auto* rate = child<KroReportRate>(&w, "reportRatePanel");
        const int pick = currentConfig.current().pollrate == KroReportRate::RATE_CODES[0] ? 1 : 0;
        rate->rateMenu()->actions().at(pick)->trigger();
        slotButton(e2e, 2)->click();
        QCOMPARE(dpi->profileData().stages[1].x, 250u);
        e2e.apply();
        const DecodedGeneral general = e2e.decoder().general();
        QCOMPARE(e2e.decoder().stage(1).x, 250);
        QCOMPARE(int(general.reportRates[0]), int(KroReportRate::RATE_CODES[pick]));
        QCOMPARE(int(general.profileId), 2);
    }

    void sleepSettingsAgreeOnBothPages()
    {
        const struct {
            int page;
            bool box; // the "MOVE TO LIGHT OFF" box, else the sleep slider
            int value;
            int sleepTime;
            int moveOff;
        } steps[] = {
            // The DPI page, built when first shown, shows what the LIGHTING page set before.
            { MousecfgWidget::PageLighting, false, 5, 5, 0 },
            { MousecfgWidget::PageDpi, true, 0, 5, 0xFF },
            { MousecfgWidget::PageDpi, false, 3, 3, 0xFF },
            { MousecfgWidget::PageLighting, true, 1, 3, 0 },
        };
        E2eFixture e2e;
        MousecfgWidget& w = e2e.window();
        slotButton(e2e, 2)->click(); // another slot than the one the mouse takes them from
        for (const auto& step : steps) {
            w.switchPage(step.page);
            QWidget* const pages[] = { w.findChild<QWidget*>("lightingPanel"), w.findChild<QWidget*>("dpiPanel") };
            QWidget* edited = pages[step.page == MousecfgWidget::PageLighting ? 0 : 1];
            if (step.box)
                child<QCheckBox>(edited, "lightOffBox")->click();
            else
                child<QSlider>(edited, "sleepSlider")->setValue(step.value);
            for (QWidget* shown : pages) {
                if (!shown)
                    continue; // not built yet
                QCOMPARE(child<QSlider>(shown, "sleepSlider")->value(), step.sleepTime);
                QVERIFY(child<QLabel>(shown, "sleepValueLabel")->text().startsWith(QString::number(step.sleepTime)));
                QCOMPARE(child<QCheckBox>(shown, "lightOffBox")->isChecked(), step.moveOff == 0);
            }
            e2e.apply();
            const DecodedGeneral general = e2e.decoder().general();
            QCOMPARE(int(general.ledSleepTime), step.sleepTime);
            QCOMPARE(int(general.ledMoveOff), step.moveOff);
        }
    }

    void load1TakesTheFileWhole()
    {
        E2eFixture e2e;
        MouseConfig file;
        loadOtherConfiguration(e2e, file);
        QCOMPARE(int(currentConfig.ProfileID), 2);
        QCOMPARE(markedSlot(e2e), 2);
        const DecodedGeneral general = e2e.decoder().general();
        QCOMPARE(int(general.profileId), 2);
        QCOMPARE(e2e.mouse().mouse().activeProfile(), 2);
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            QCOMPARE(general.reportRates[i], file.profiles[i].pollrate);
            QCOMPARE(general.scrollLines[i], file.profiles[i].scrollspeed);
        }
    }

    void load1ThenARestartKeepsEveryProfile()
    {
        E2eFixture e2e;
        MouseConfig file;
        loadOtherConfiguration(e2e, file);
        // A restart reads the files back: every profile is the file's, not only the first.
        MouseConfig restarted;
        loadAll(restarted);
        QCOMPARE(int(restarted.ProfileID), 2);
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            QCOMPARE(restarted.profiles[i].pollrate, file.profiles[i].pollrate);
            QCOMPARE(restarted.profiles[i].scrollspeed, file.profiles[i].scrollspeed);
        }
    }

private:
    // LOAD1 of a configuration file whose active profile is the third and whose profiles all differ
    // from the ones in use; file: what the file holds.
    static void loadOtherConfiguration(E2eFixture& e2e, MouseConfig& file)
    {
        file = currentConfig;
        file.ProfileID = 2;
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            file.profiles[i].pollrate = KroReportRate::RATE_CODES[(i + 1) % KroReportRate::RATE_COUNT];
            file.profiles[i].scrollspeed = quint8(i + 3);
        }
        const QString path = e2e.dir().file("whole.conf");
        QCOMPARE(exportConfig(file, path), 0);
        dialogHook::answerNextFile(path);
        e2e.button(QStringLiteral("loadButton"))->click();
    }
};

QTEST_MAIN(TestProfileSlots)
#include "TestProfileSlots.moc"
