// The DPI page: ranges per sensor, visible rows, linked and separate sliders, the active stage
// and the sleep controls.
#include "panels/KroDPIWindow.h"
#include "panels/KroSingleDPI.h"
#include "panels/KroSlider.h"
#include "panels/KroTwoBarSlider.h"
#include "panelsTestData.h"
#include "store/deviceDescription.h"
#include "store/sensors.h"
#include "support/TestAppDir.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QtTest>

class TestDpiPanel : public QObject {
    Q_OBJECT

    static QSlider* slider(KroSingleDPI* row, const char* name) { return row->findChild<QSlider*>(name); }
    static QString text(QWidget* parent, const char* name)
    {
        if (auto* edit = parent->findChild<QAbstractSpinBox*>(name))
            return edit->text();
        return parent->findChild<QLabel*>(name)->text();
    }

private slots:
    void init() { currentConfig = MouseConfig(); }

    void rangeTablePerSensor()
    {
        DpiRange r;
        QVERIFY(dpiRangeFor(3325, "ANY", true, r));
        QCOMPARE(r.minimum, 1);
        QCOMPARE(r.maximum, 90);
        QCOMPARE(r.minDpi, 100);
        QCOMPARE(r.maxDpi, 16000);
        QVERIFY(dpiRangeFor(3325, "ANY", false, r));
        QCOMPARE(r.maximum, 50);
        QCOMPARE(r.maxDpi, 5000);
        QVERIFY(dpiRangeFor(33252, "ANY", false, r));
        QCOMPARE(r.maximum, 75);
        QVERIFY(dpiRangeFor(3327, "TARMIN3", false, r));
        QCOMPARE(r.maximum, 92);
        QCOMPARE(r.maxDpi, 12400);
        QVERIFY(dpiRangeFor(3327, "tarmin3", false, r)); // product names are case-sensitive
        QCOMPARE(r.maximum, 106);
        QCOMPARE(r.maxDpi, 16400);
        QVERIFY(dpiRangeFor(3389, "", false, r));
        QCOMPARE(r.minimum, 2);
        QCOMPARE(r.maximum, 480);
        QVERIFY(r.showLink);
        QVERIFY(dpiRangeFor(3395, "", false, r));
        QCOMPARE(r.minimum, 0);
        QCOMPARE(r.maximum, 519);
        QCOMPARE(r.minDpi, 50);
        QVERIFY(!r.showLink);
        // The maximum label is what the conversion gives at the top of the slider.
        for (int sensor : { 3104, 3311, 3325, 3327, 3335, 3360, 3370, 3389, 3395, 3399 }) {
            QVERIFY(dpiRangeFor(sensor, "", false, r));
            QCOMPARE(dpiFromRaw(r.maximum, sensor), r.maxDpi);
        }
        QVERIFY(!dpiRangeFor(1234, "", false, r));
    }

    void loadAppliesRangeAndKeepsItForUnknownSensor()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3325, "M1", "33254=1\n");
        KroDPIWindow page;
        page.loadProfile(panelsTestProfile(), 3325);
        KroSingleDPI* row = page.row(0);
        QCOMPARE(slider(row, "linkSlider")->minimum(), 1);
        QCOMPARE(slider(row, "linkSlider")->maximum(), 90);
        QCOMPARE(text(row, "minLabel"), QString("100"));
        QCOMPARE(text(row, "maxLabel"), QString("16000"));
        QCOMPARE(text(row, "dpiLabel"), QString("DPI : 1000"));
        QVERIFY(row->findChild<QCheckBox*>("linkBox")->isHidden());

        page.loadProfile(panelsTestProfile(), 4711);
        QCOMPARE(slider(row, "linkSlider")->maximum(), 90);
        QCOMPARE(text(row, "maxLabel"), QString("16000"));
        QCOMPARE(text(row, "dpiLabel"), QString("DPI : 0"));
    }

    void productListPicksShort3327Range()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3327, "QUILLS");
        KroDPIWindow page;
        page.loadProfile(panelsTestProfile(), 3327);
        QCOMPARE(slider(page.row(5), "xSlider")->maximum(), 92);
        QCOMPARE(text(page.row(5), "maxLabel"), QString("12400"));
    }

    void stageCountHidesRowsButKeepsTheirData()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "DPICount=3\nButtonCount=0\nMouseDpi=0\n");
        KroDPIWindow page;
        page.resize(456, 460);
        page.show();
        page.loadProfile(panelsTestProfile(), 3389);
        QCOMPARE(page.visibleRows(), 3);
        QVERIFY(page.row(2)->isVisible());
        QVERIFY(!page.row(3)->isVisible());
        QVERIFY(page.row(7)->geometry().isEmpty());
        QCOMPARE(page.row(1)->geometry(), QRect(15, 93, 440, 48));

        ProfileData target;
        page.applyTo(target, target.dpi);
        for (int i = 0; i < DPI_STAGE_COUNT; ++i)
            QCOMPARE(target.stages[i].x, quint32(10 + i * 5));
    }

    void stageCountOutsideOneToEightShowsAll()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "DPICount=6\nButtonCount=9\nMouseDpi=1\n");
        KroDPIWindow page;
        page.loadProfile(panelsTestProfile(), 3389);
        QCOMPARE(page.visibleRows(), 8);
    }

    void separateSlidersMoveOnlyTheirAxis()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroDPIWindow page;
        page.show();
        page.loadProfile(panelsTestProfile(), 3389);
        KroSingleDPI* row = page.row(2);
        auto* linkBox = row->findChild<QCheckBox*>("linkBox");
        QVERIFY(linkBox->isVisible());
        QVERIFY(linkBox->isChecked());
        QVERIFY(slider(row, "linkSlider")->isVisible());
        QVERIFY(!slider(row, "ySlider")->isVisible());

        linkBox->click();
        QCOMPARE(page.profileData().stages[2].link, quint8(0));
        QVERIFY(slider(row, "xSlider")->isVisible());
        QVERIFY(slider(row, "ySlider")->isVisible());
        QVERIFY(!slider(row, "linkSlider")->isVisible());

        slider(row, "ySlider")->setValue(400); // above 320: 100 * (400 - 320) + 16000
        QCOMPARE(page.profileData().stages[2].y, quint32(400));
        QCOMPARE(page.profileData().stages[2].x, quint32(20));
        QCOMPARE(text(row, "xEdit"), QString("X:1000"));
        QCOMPARE(text(row, "yEdit"), QString("Y:24000"));
        QCOMPARE(text(row, "dpiLabel"), QString("DPI : 24000"));

        linkBox->click();
        slider(row, "linkSlider")->setValue(100);
        QCOMPARE(page.profileData().stages[2].x, quint32(100));
        QCOMPARE(page.profileData().stages[2].y, quint32(100));
        QCOMPARE(page.profileData().stages[2].xy, quint32(100));
        // Other stages are untouched.
        QCOMPARE(page.profileData().stages[1].y, quint32(15));
    }

    void loadingDoesNotWriteBackClampedValues()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3325, "M1");
        ProfileData p = panelsTestProfile();
        p.stages[0].x = p.stages[0].y = 300; // beyond the 3325 range of 1..50
        KroDPIWindow page;
        page.loadProfile(p, 3325);
        QCOMPARE(page.profileData().stages[0].x, quint32(300));
        QCOMPARE(slider(page.row(0), "linkSlider")->value(), 50);
    }

    void enableBoxAndActiveStageOnlyChangeTheWorkingCopy()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        currentConfig.ProfileID = 2;
        currentConfig.profiles[2] = panelsTestProfile();
        KroDPIWindow page;
        page.show();
        page.loadProfile(currentConfig.profiles[2], 3389);
        QVERIFY(page.row(1)->stageButton()->isChecked());

        page.row(4)->stageButton()->click();
        page.row(6)->findChild<QCheckBox*>("enableBox")->click();
        QCOMPARE(page.profileData().dpi, quint8(4));
        QCOMPARE(page.profileData().stages[6].used, quint8(0));
        QVERIFY(!page.row(1)->stageButton()->isChecked());
        QCOMPARE(currentConfig.profiles[2].dpi, quint8(1));
        QCOMPARE(currentConfig.profiles[2].stages[6].used, quint8(1));

        QTest::mouseClick(page.row(5)->findChild<QLabel*>("dpiLabel"), Qt::LeftButton);
        QCOMPARE(page.profileData().dpi, quint8(5));
        QVERIFY(page.row(5)->stageButton()->isChecked());
        page.row(4)->stageButton()->click();

        page.applyTo(currentConfig.profiles[2], currentConfig.profiles[2].dpi);
        QCOMPARE(currentConfig.profiles[2].dpi, quint8(4));
        QCOMPARE(currentConfig.profiles[2].stages[6].used, quint8(0));
        QCOMPARE(currentConfig.profiles[0].dpi, quint8(0));
    }

    void stageReportedByMouseSurvivesApply()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroDPIWindow page;
        page.loadProfile(panelsTestProfile(), 3389);
        page.setActiveStage(6);
        QVERIFY(page.row(6)->stageButton()->isChecked());
        page.setActiveStage(9); // out of range: ignored
        ProfileData target;
        page.applyTo(target, target.dpi);
        QCOMPARE(target.dpi, quint8(6));
    }

    void sleepSliderEditsTheFirstProfileWithinDescriptionBounds()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "SleepMin=2\nSleepMax=7\n");
        currentConfig.ProfileID = 3;
        currentConfig.profiles[0].LedSleepTime = 4;
        currentConfig.profiles[3].LedSleepTime = 6;
        KroDPIWindow page;
        page.setSleepProfile(&currentConfig.profiles[0]);
        page.loadProfile(currentConfig.profiles[3], 3389);
        auto* sleep = page.findChild<KroSlider*>("sleepSlider");
        QCOMPARE(sleep->minimum(), 2);
        QCOMPARE(sleep->maximum(), 7);
        QCOMPARE(sleep->value(), 4);
        QCOMPARE(text(&page, "sleepValueLabel"), QString("4 MINUTE"));

        sleep->setValue(99);
        QCOMPARE(sleep->value(), 7);
        QCOMPARE(currentConfig.profiles[0].LedSleepTime, quint8(7));
        QCOMPARE(currentConfig.profiles[3].LedSleepTime, quint8(6));
        QCOMPARE(text(&page, "sleepValueLabel"), QString("7 MINUTE"));
    }

    void lightOffBoxEditsTheSleepProfileAtOnce()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        currentConfig.ProfileID = 2;
        currentConfig.profiles[0].LedMoveOFF = 0;
        currentConfig.profiles[2].LedMoveOFF = 0;
        KroDPIWindow page;
        page.show();
        page.setSleepProfile(&currentConfig.profiles[0]);
        page.loadProfile(currentConfig.profiles[2], 3389);
        auto* box = page.findChild<QCheckBox*>("lightOffBox");
        QVERIFY(box->isChecked());

        box->click(); // unticked: the value the mouse receives changes now, not at some later apply
        QCOMPARE(currentConfig.profiles[0].LedMoveOFF, quint8(0xFF));
        QCOMPARE(currentConfig.profiles[2].LedMoveOFF, quint8(0));
        box->click();
        QCOMPARE(currentConfig.profiles[0].LedMoveOFF, quint8(0));
    }

    void lightOffBoxHiddenWithoutShowSleep()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "ShowSleep=0\n");
        KroDPIWindow page;
        page.show();
        page.loadProfile(panelsTestProfile(), 3389);
        QVERIFY(!page.findChild<QCheckBox*>("lightOffBox")->isVisible());
    }

    void rowsScaleWithTheWindow()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroDPIWindow page;
        page.loadProfile(panelsTestProfile(), 3389);
        page.setScale(1.25);
        QCOMPARE(page.row(7)->geometry(), QRect(18, 491, 550, 60));
    }

    void sliderLabelOffsetStaysInsideGroove()
    {
        QCOMPARE(KroSlider::labelOffset(1, 1, 9, 228, 28), 0);
        QCOMPARE(KroSlider::labelOffset(9, 1, 9, 228, 28), 200);
        QCOMPARE(KroSlider::labelOffset(5, 1, 9, 228, 28), 100);
        QCOMPARE(KroSlider::labelOffset(3, 3, 3, 228, 28), 0); // empty range
        QCOMPARE(KroSlider::labelOffset(50, 1, 9, 228, 28), 200);
    }

    void screenshot()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "DPICount=6\nButtonCount=0\nMouseDpi=0\n");
        copyPanelsSkin(dir);
        QWidget back;
        back.setStyleSheet("background:rgb(20,20,20);");
        back.resize(456, 460);
        KroDPIWindow page(&back);
        page.resize(456, 460);
        ProfileData p = panelsTestProfile();
        p.stages[3].link = 0;
        p.stages[3].y = 200;
        page.loadProfile(p, 3389);
        back.show();
        back.grab().save("/tmp/panels-dpi.png");
    }
};

QTEST_MAIN(TestDpiPanel)
#include "TestDpiPanel.moc"
