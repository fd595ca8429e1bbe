// The report-rate panel and the mouse setting panel: what they show, what reaches the
// configuration at once and what waits for the apply.
#include "panels/KroPointSpeed.h"
#include "panels/KroReportRate.h"
#include "panels/panelLinks.h"
#include "panelsTestData.h"
#include "support/TestAppDir.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QtTest>

namespace {
int g_opened = 0;
bool countOpen()
{
    ++g_opened;
    return true;
}
} // namespace

class TestSensorPanels : public QObject {
    Q_OBJECT

    template <typename T> static T* child(QWidget* w, const char* name) { return panelChild<T>(w, name); }

    static void loadDefaults(KroPointSpeed& panel, ProfileData* profile, quint8 sensorMode = 1)
    {
        panel.loadSettings(profile, 0, 2, 1, 1, 20, 1, sensorMode);
    }

private slots:
    void init() { currentConfig = MouseConfig(); }

    void rateButtonShowsKnownCodesAndKeepsTextForOthers()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroReportRate panel;
        auto* button = child<QPushButton>(&panel, "rateButton");
        ProfileData p;
        p.pollrate = 4;
        panel.loadProfile(p, 1);
        QCOMPARE(button->text(), QString("250 HZ"));
        QVERIFY(panel.rateMenu()->actions().at(1)->isChecked()); // the menu marks the shown rate
        p.pollrate = 3;
        panel.loadProfile(p, 1);
        QCOMPARE(button->text(), QString("250 HZ"));
        QCOMPARE(panel.pollrate(), quint8(3));
        QCOMPARE(KroReportRate::rateText(1), QString("1000 HZ"));
        QCOMPARE(KroReportRate::rateText(8), QString("125 HZ"));
        QVERIFY(KroReportRate::rateText(0).isEmpty());
    }

    void rateMenuChangesOnlyTheWorkingCopyUntilApply()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        currentConfig.ProfileID = 1;
        currentConfig.profiles[1].pollrate = 1;
        KroReportRate panel;
        panel.loadProfile(currentConfig.profiles[1], 2);
        const QList<QAction*> actions = panel.rateMenu()->actions();
        QCOMPARE(actions.size(), 4);
        QCOMPARE(actions[0]->text(), QString("125 HZ"));
        actions[2]->trigger();
        QCOMPARE(panel.pollrate(), quint8(2));
        QCOMPARE(child<QPushButton>(&panel, "rateButton")->text(), QString("500 HZ"));
        QCOMPARE(currentConfig.profiles[1].pollrate, quint8(1));
        panel.applyTo(currentConfig);
        QCOMPARE(currentConfig.profiles[1].pollrate, quint8(2));
        QCOMPARE(currentConfig.profiles[0].pollrate, quint8(0));
    }

    void oddLiftShowsTwoMillimetresWithoutReporting()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroReportRate panel;
        QSignalSpy spy(&panel, &KroReportRate::RefreshLift);
        for (quint8 lift : { quint8(0), quint8(5) }) {
            panel.loadProfile(ProfileData(), lift);
            QCOMPARE(panel.lift(), quint8(2));
            QVERIFY(child<QRadioButton>(&panel, "lift2Button")->isChecked());
        }
        panel.loadProfile(ProfileData(), 1);
        QVERIFY(child<QRadioButton>(&panel, "lift1Button")->isChecked());
        QCOMPARE(spy.count(), 0);
    }

    void liftClickReachesConfigurationAtOnce()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        currentConfig.LiftHigh = 2;
        KroReportRate panel;
        // What the main window's slotLiftChange does with the signal.
        connect(&panel, &KroReportRate::RefreshLift, this, [](quint8 lift) { currentConfig.LiftHigh = lift; });
        panel.loadProfile(ProfileData(), 2);
        child<QRadioButton>(&panel, "lift1Button")->click();
        QCOMPARE(currentConfig.LiftHigh, quint8(1));
        QCOMPARE(panel.lift(), quint8(1));
    }

    void sensorSwitchesTickedMeanZero()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "SyncMode=1\n");
        KroPointSpeed panel;
        panel.show();
        ProfileData profile;
        profile.scrollspeed = 3;
        panel.loadSettings(&profile, 1, 1, 0, 1, 20, 0, 2);
        QVERIFY(child<QCheckBox>(&panel, "syncBox")->isChecked());
        QVERIFY(child<QCheckBox>(&panel, "angleBox")->isChecked());
        QVERIFY(!child<QCheckBox>(&panel, "jitterBox")->isChecked());
        QVERIFY(child<QCheckBox>(&panel, "wakeBox")->isChecked());
        QVERIFY(child<QPushButton>(&panel, "lift1mmButton")->isChecked());
        QCOMPARE(child<QSpinBox>(&panel, "scrollLinesBox")->value(), 3);
        QCOMPARE(child<QLabel>(&panel, "keyResponseValue")->text(), QString("20"));

        child<QCheckBox>(&panel, "angleBox")->click();
        child<QCheckBox>(&panel, "jitterBox")->click();
        child<QCheckBox>(&panel, "wakeBox")->click();
        child<QCheckBox>(&panel, "syncBox")->click();
        QCOMPARE(panel.angle(), quint8(1));
        QCOMPARE(panel.jitter(), quint8(0));
        QCOMPARE(panel.wake(), quint8(1));
        QCOMPARE(panel.sync(), quint8(0));

        child<QSlider>(&panel, "keyResponseSlider")->setValue(77);
        QCOMPARE(panel.keyResponse(), quint8(77));
        QCOMPARE(child<QLabel>(&panel, "keyResponseValue")->text(), QString("77"));

        MouseConfig config;
        panel.applyTo(config);
        QCOMPARE(config.AngleValue, quint8(1));
        QCOMPARE(config.Jitter, quint8(0));
        QCOMPARE(config.Wake, quint8(1));
        QCOMPARE(config.Sync, quint8(0));
        QCOMPARE(config.Debounce, quint8(77));
        QCOMPARE(config.SensorMode, quint8(2));
    }

    void sensorModeButtonsAreExclusive()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroPointSpeed panel;
        ProfileData profile;
        loadDefaults(panel, &profile, 2);
        auto* eco = child<QPushButton>(&panel, "ecoButton");
        auto* standard = child<QPushButton>(&panel, "standardButton");
        auto* competitive = child<QPushButton>(&panel, "competitiveButton");
        QVERIFY(competitive->isChecked());
        QVERIFY(!eco->isChecked() && !standard->isChecked());

        eco->click();
        QCOMPARE(panel.sensorMode(), quint8(0));
        QVERIFY(eco->isChecked() && !competitive->isChecked());

        loadDefaults(panel, &profile, 7); // unknown mode: no button changes, the value is kept
        QVERIFY(eco->isChecked());
        QCOMPARE(panel.sensorMode(), quint8(7));
    }

    void scrollLinesReachActiveProfileAtOnce()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        currentConfig.ProfileID = 3;
        currentConfig.profiles[3].scrollspeed = 3;
        KroPointSpeed panel;
        loadDefaults(panel, &currentConfig.profiles[3]);
        child<QSpinBox>(&panel, "scrollLinesBox")->setValue(7);
        QCOMPARE(currentConfig.profiles[3].scrollspeed, quint8(7));
        QCOMPARE(currentConfig.profiles[0].scrollspeed, quint8(0));
        child<QSpinBox>(&panel, "scrollLinesBox")->setValue(50);
        QCOMPARE(currentConfig.profiles[3].scrollspeed, quint8(20));

        KroPointSpeed unloaded; // no profile yet: the box changes nothing
        child<QSpinBox>(&unloaded, "scrollLinesBox")->setValue(9);
    }

    void syncModeZeroHidesSwitchesTheMouseIgnores()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "SyncMode=0\n");
        KroPointSpeed panel;
        panel.show();
        QVERIFY(!child<QCheckBox>(&panel, "syncBox")->isVisible());
        QVERIFY(!child<QCheckBox>(&panel, "angleBox")->isVisible());
        QVERIFY(child<QCheckBox>(&panel, "wakeBox")->isVisible());
        panel.setSyncMode(2);
        QVERIFY(child<QCheckBox>(&panel, "angleBox")->isVisible());
    }

    // Boxes hidden while the scale changed are drawn as large as the shown ones once they appear.
    void checkBoxesShareOneSizeAfterRescale()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "SyncMode=0\n");
        KroPointSpeed panel;
        panel.setScale(1.5);
        panel.setSyncMode(2);
        panel.show();
        const QList<QCheckBox*> boxes = panel.findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 4);
        const int expected = int(13 * 1.5) + 2; // the indicator and its one-pixel frame
        for (QCheckBox* box : boxes) {
            QVERIFY(box->isVisible());
            QCOMPARE(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box), expected);
            QCOMPARE(box->font(), boxes.first()->font());
        }
    }

    void liftStaysInStepBetweenBothPanels()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        currentConfig.LiftHigh = 2;
        KroReportRate rate;
        KroPointSpeed point;
        linkLiftControls(&rate, &point);
        ProfileData profile;
        rate.loadProfile(profile, 2);
        loadDefaults(point, &profile);
        connect(&rate, &KroReportRate::RefreshLift, this, [](quint8 lift) { currentConfig.LiftHigh = lift; });
        connect(&point, &KroPointSpeed::RefreshLift, this, [](quint8 lift) { currentConfig.LiftHigh = lift; });

        // Set on the report-rate panel: the apply of the mouse setting panel must not undo it.
        child<QRadioButton>(&rate, "lift1Button")->click();
        QVERIFY(child<QPushButton>(&point, "lift1mmButton")->isChecked());
        point.applyTo(currentConfig);
        QCOMPARE(currentConfig.LiftHigh, quint8(1));

        child<QPushButton>(&point, "lift2mmButton")->click();
        QVERIFY(child<QRadioButton>(&rate, "lift2Button")->isChecked());
        QCOMPARE(currentConfig.LiftHigh, quint8(2));
        currentConfig.LiftHigh = 0;
        point.applyTo(currentConfig);
        QCOMPARE(currentConfig.LiftHigh, quint8(2));
    }

    void settingsButtonOpensDesktopSettings()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroPointSpeed::setSettingsOpenerForTest(&countOpen);
        KroPointSpeed panel;
        g_opened = 0;
        child<QPushButton>(&panel, "mouseSettingsButton")->click();
        QCOMPARE(g_opened, 1);
        KroPointSpeed::setSettingsOpenerForTest(nullptr);
    }

    void screenshot()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "SyncMode=1\n");
        copyPanelsSkin(dir);
        QWidget back;
        back.setStyleSheet("background:rgb(20,20,20);");
        back.resize(229, 460);
        KroReportRate rate(&back);
        rate.setGeometry(0, 0, 229, 90);
        KroPointSpeed point(&back);
        point.setGeometry(0, 95, 229, 366);
        ProfileData profile;
        profile.pollrate = 1;
        profile.scrollspeed = 3;
        rate.loadProfile(profile, 2);
        point.loadSettings(&profile, 1, 2, 0, 1, 20, 0, 1);
        back.show();
        back.grab().save("/tmp/panels-sensor.png");
    }
};

QTEST_MAIN(TestSensorPanels)
#include "TestSensorPanels.moc"
