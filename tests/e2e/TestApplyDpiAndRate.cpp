// Apply from the DPI page reaches the virtual mouse: a moved stage in the sensor's register
// encoding, and the report rate in the general block.
#include "app/MousecfgWidget.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroReportRate.h"
#include "panels/KroSingleDPI.h"
#include "panels/KroTwoBarSlider.h"
#include "store/MouseConfig.h"
#include "store/settings.h"

#include "e2eFixture.h"

#include <QAction>
#include <QMenu>
#include <QSlider>
#include <QtTest>

class TestApplyDpiAndRate : public QObject {
    Q_OBJECT
private slots:
    void movedStageReachesTheSensorRegisters()
    {
        E2eFixture e2e;
        QCOMPARE(sensorModel(), 3395); // the encoding below is this sensor's
        e2e.window().switchPage(MousecfgWidget::PageDpi);
        auto* dpi = e2e.window().findChild<KroDPIWindow*>(QStringLiteral("dpiPanel"));
        QVERIFY(dpi && dpi->row(1));
        KroTwoBarSlider* slider = dpi->row(1)->slider();
        // A value above 255 so both bytes of the pair matter; then Y on its own.
        slider->findChild<QSlider*>(QStringLiteral("xSlider"))->setValue(300);
        dpi->onLinkChanged(0, 1);
        slider->findChild<QSlider*>(QStringLiteral("ySlider"))->setValue(211);
        e2e.apply();

        const DecodedStage stage = e2e.decoder().stage(1);
        QVERIFY(stage.used);
        // 3395 keeps the raw value as a little-endian pair, X then Y.
        QCOMPARE(int(stage.bytes[0]), 300 & 0xFF);
        QCOMPARE(int(stage.bytes[1]), 300 >> 8);
        QCOMPARE(int(stage.bytes[2]), 211);
        QCOMPARE(int(stage.bytes[3]), 0);
        // The other stages are what the profile held, untouched.
        const DpiStage first = currentConfig.current().stages[0];
        const DecodedStage stage0 = e2e.decoder().stage(0);
        QCOMPARE(int(stage0.bytes[0] | stage0.bytes[1] << 8), int(first.x));
    }

    void reportRateReachesTheGeneralBlock()
    {
        E2eFixture e2e;
        e2e.window().switchPage(MousecfgWidget::PageDpi);
        auto* rate = e2e.window().findChild<KroReportRate*>(QStringLiteral("reportRatePanel"));
        QVERIFY(rate);
        const QList<QAction*> entries = rate->rateMenu()->actions();
        QCOMPARE(entries.size(), int(KroReportRate::RATE_COUNT));
        // The menu lists 125, 250, 500 and 1000 Hz; pick one the profile does not have yet.
        const int pick = currentConfig.current().pollrate == KroReportRate::RATE_CODES[2] ? 1 : 2;
        entries.at(pick)->trigger();
        e2e.apply();
        const DecodedGeneral general = e2e.decoder().general();
        QCOMPARE(int(general.reportRates[currentConfig.ProfileID]), int(KroReportRate::RATE_CODES[pick]));
        QCOMPARE(int(general.profileId), int(currentConfig.ProfileID));
        QCOMPARE(int(general.marker), 0x1F);
    }
};

QTEST_MAIN(TestApplyDpiAndRate)
#include "TestApplyDpiAndRate.moc"
