// The device description: counts, switches, factory profiles and the DPI conversion.
#include "support/TestAppDir.h"

#include "store/deviceDescription.h"
#include "store/sensors.h"

#include <QtTest>

class TestDeviceDescription : public QObject {
    Q_OBJECT
private slots:
    void countsAreStoredCombined()
    {
        TestAppDir dir;
        dir.write("DefaultProfile.bin", "[PROFILE]\nButtonCount=9\nMouseDpi=1\nDPICount=6\n");
        QCOMPARE(buttonCount(), 8);
        QCOMPARE(dpiStageCount(), 14);
        QCOMPARE(usableDpiStageCount(), 8);
        dir.write("DefaultProfile.bin", "[PROFILE]\nButtonCount=99\nMouseDpi=1\nDPICount=101\n");
        QCOMPARE(buttonCount(), 98);
        QCOMPARE(usableButtonCount(), 16);
        QCOMPARE(usableDpiStageCount(), 7);
    }

    void buttonRowsAndMatrix()
    {
        TestAppDir dir;
        dir.write("DefaultProfile.bin",
            "[PROFILE]\nButtonCount=3\nMouseDpi=0\nBUTTON_INFO_0_Matrix=4\nBUTTON_INFO_15_Matrix=260\n"
            "BUTTON_INFO_1_Matrix2=255\nBUTTON_INFO_2_Matrix2=-1\nBUTTON_INFO_3_Matrix2=7\n");
        ButtonBytes rows;
        rows.fill(9);
        QCOMPARE(readButtonRows(rows), 3);
        QCOMPARE(rows[0], quint8(0));
        QCOMPARE(rows[1], quint8(255));
        QCOMPARE(rows[2], quint8(255));
        QCOMPARE(rows[3], quint8(7));
        ButtonBytes matrix;
        QCOMPARE(readButtonMatrix(matrix), 0);
        QCOMPARE(matrix[0], quint8(4));
        QCOMPARE(matrix[15], quint8(4)); // low byte of 260
    }

    void missingFileGivesDefaultsAndLeavesOutputs()
    {
        TestAppDir dir;
        ButtonBytes rows;
        rows.fill(9);
        QCOMPARE(readButtonRows(rows), -1);
        QCOMPARE(readButtonMatrix(rows), -1);
        QCOMPARE(rows[5], quint8(9));
        DeviceDescription d;
        d.dpi = 77;
        QCOMPARE(readDeviceDescription(d), -1);
        QCOMPARE(d.dpi, quint8(77));
        SensorBytes sensor = {};
        QCOMPARE(readSensorDefaults(sensor), -1);
        QCOMPARE(productName(), QString());
        QCOMPARE(showSleep(), 1);
        QCOMPARE(minDelay(), 10);
        QCOMPARE(frenchIndex(), -1);
        QCOMPARE(ledDisable(), 0);
        int lo = 0, hi = 0;
        sleepRange(lo, hi);
        QCOMPARE(lo, 1);
        QCOMPARE(hi, 9);
        int v1 = 0, p1 = 0, v2 = 0, p2 = 0;
        usbIds(v1, p1, v2, p2);
        QCOMPARE(v1, 0x248A);
        QCOMPARE(p1, 0xFA02);
        QCOMPARE(v2, 0x248A);
        QCOMPARE(p2, 0xFB01);
    }

    void sensorDefaultsOfMissingKeys()
    {
        TestAppDir dir;
        dir.write("DefaultProfile.bin", "[PROFILE]\nlift=2\nsync=abc\n");
        SensorBytes sensor;
        sensor.fill(99);
        QCOMPARE(readSensorDefaults(sensor), 0);
        const SensorBytes expected = { 2, 0, 20, 0, 0, 1, 0 };
        QCOMPARE(sensor, expected);
    }

    void shippedDescriptionDescribesTheExampleProduct()
    {
        TestAppDir dir(true);
        QCOMPARE(productName(), QStringLiteral("Kestrel M7"));
        QCOMPARE(buttonCount(), 7);
        QCOMPARE(dpiStageCount(), 6);
        QCOMPARE(frenchIndex(), 1);
        QCOMPARE(showSleep(), 1);
        int v1 = 0, p1 = 0, v2 = 0, p2 = 0;
        usbIds(v1, p1, v2, p2);
        QCOMPARE(QList<int>({ v1, p1, v2, p2 }), QList<int>({ 0x248A, 0xFA02, 0x248A, 0xFB01 }));
        ButtonBytes rows;
        readButtonRows(rows);
        QCOMPARE(int(std::count(rows.begin(), rows.end(), quint8(255))), 16 - 7);
        ProfileData p;
        makeDefaultProfile(p);
        for (const LedModeInfo& led : p.lighting)
            QVERIFY(led.RGB.isValid());
        for (const DpiStage& stage : p.stages)
            QVERIFY(::dpiFromRaw(int(stage.xy), 3395) >= 400);
    }

    void defaultProfileFromFile()
    {
        TestAppDir dir;
        dir.write("DefaultProfile.bin",
            "[PROFILE]\npollrate=3\ndpi=2\nLedMode=4\nLedMoveOFF=255\nDPI_INFO_1_xy=31\n"
            "BUTTON_INFO_15_ID=9\nBUTTON_INFO_15_Fun=47\nBUTTON_INFO_15_Res2=300\n"
            "LedMode\\LED_MODE_13_RGB=#00ff80\nLedMode\\LED_MODE_13_bright=2\nLedMode\\LED_MODE_13_breath=5\n");
        ProfileData p;
        p.ProfileName = "stale";
        makeDefaultProfile(p);
        QCOMPARE(p.ProfileName, QString());
        QCOMPARE(int(p.pollrate), 3);
        QCOMPARE(int(p.dpi), 2);
        QCOMPARE(int(p.LedMode), 4);
        QCOMPARE(int(p.LedMoveOFF), 255);
        QCOMPARE(int(p.LedSleepTime), 1);
        QCOMPARE(int(p.mousespeed), 10);
        QCOMPARE(int(p.dbclickspeed), 5);
        QCOMPARE(int(p.acee), 1);
        const DpiStage expectedStage = { 1, 1, 31, 31, 31 };
        QVERIFY(p.stages[1] == expectedStage);
        QCOMPARE(p.stages[0].xy, 0u);
        QCOMPARE(p.buttons[15].Fun, 47);
        QCOMPARE(p.buttons[15].ID, 0);
        QCOMPARE(int(p.buttons[15].Res2), 44);
        QCOMPARE(p.buttons[16].Fun, 0);
        QCOMPARE(p.buttons[40].Fun, 52);
        QCOMPARE(p.buttons[41].Fun, 53);
        QCOMPARE(p.lighting[13].RGB, QColor(0, 255, 128));
        QCOMPARE(p.lighting[13].h, 360u);
        QCOMPARE(p.lighting[13].bright, 2u);
        QCOMPARE(p.lighting[13].breath, 5u);
        QVERIFY(!p.lighting[0].RGB.isValid());
    }

    void builtInFactorySetWithoutFile()
    {
        TestAppDir dir;
        ProfileData p;
        makeDefaultProfile(p);
        QCOMPARE(int(p.LedMode), 9);
        QCOMPARE(int(p.pollrate), 1);
        QCOMPARE(int(p.dpi), 1);
        const quint32 values[8] = { 8, 12, 16, 24, 50, 75, 0, 0 };
        for (int i = 0; i < 8; ++i) {
            const DpiStage expected = { 1, 1, values[i], values[i], values[i] };
            QVERIFY(p.stages[i] == expected);
        }
        const int fun[8] = { 1, 2, 3, 4, 5, 4, 5, 0 };
        for (int k = 0; k < 8; ++k)
            QCOMPARE(p.buttons[k].Fun, fun[k]);
        QCOMPARE(p.buttons[40].Fun, 52);
        QCOMPARE(p.lighting[10].RGB, QColor(0, 255, 0));
        QCOMPARE(p.lighting[10].breath, 5u);
        QCOMPARE(p.lighting[0].RGB, QColor(255, 0, 0));
        QCOMPARE(p.lighting[4].breath, 2u);
        QCOMPARE(p.lighting[9].breath, 4u);
        QCOMPARE(p.lighting[12].breath, 1u);
        QCOMPARE(p.lighting[13].breath, 3u);
        QCOMPARE(p.lighting[13].bright, 3u);
    }

    void dpiFromRaw_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("dpi");
        QTest::newRow("3104 high") << 3104 << 107 << 4320;
        QTest::newRow("3104 560 becomes 500") << 3104 << 14 << 500;
        QTest::newRow("3212 high") << 3212 << 100 << 5620;
        QTest::newRow("3212 7290 becomes 7200") << 3212 << 111 << 7200;
        QTest::newRow("3212 mid") << 3212 << 94 << 4710;
        QTest::newRow("3212 800") << 3212 << 21 << 800;
        QTest::newRow("33112 high") << 33112 << 121 << 12200;
        QTest::newRow("3325 50") << 3325 << 50 << 5000;
        QTest::newRow("3325 75") << 3325 << 75 << 10000;
        QTest::newRow("3325 76") << 3325 << 76 << 10400;
        QTest::newRow("3327 mid") << 3327 << 62 << 6400;
        QTest::newRow("3327 92") << 3327 << 92 << 12400;
        QTest::newRow("3327 106") << 3327 << 106 << 16400;
        QTest::newRow("3327 107") << 3327 << 107 << 16800;
        QTest::newRow("3333") << 3333 << 81 << 8200;
        QTest::newRow("3335") << 3335 << 161 << 16200;
        QTest::newRow("3370") << 3370 << 201 << 10100;
        QTest::newRow("3389") << 3389 << 321 << 16100;
        QTest::newRow("3395 low") << 3395 << 519 << 26000;
        QTest::newRow("33952 high") << 33952 << 520 << 26100;
        QTest::newRow("3399 high") << 3399 << 400 << 20100;
        QTest::newRow("unknown") << 0 << 50 << 0;
        QTest::newRow("hostile raw does not overflow") << 3325 << std::numeric_limits<int>::max() << 399980000;
    }

    void dpiFromRaw()
    {
        QFETCH(int, sensor);
        QFETCH(int, raw);
        QFETCH(int, dpi);
        QCOMPARE(::dpiFromRaw(raw, sensor), dpi);
    }

    // The DPI the stage row, the notices and mousecfgctl show for one stage; xy is stale on purpose.
    void displayedDpiOfAStage_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("link");
        QTest::addColumn<int>("dpi");
        QTest::newRow("linked shows x") << 3389 << 1 << 1000;
        QTest::newRow("unlinked shows y") << 3389 << 0 << 2000;
        QTest::newRow("one register shows x") << 3335 << 0 << 2000;
        QTest::newRow("unknown sensor") << 1234 << 0 << 0;
    }

    void displayedDpiOfAStage()
    {
        QFETCH(int, sensor);
        QFETCH(int, link);
        QFETCH(int, dpi);
        DpiStage stage;
        stage.link = quint8(link);
        stage.xy = 7;
        stage.x = 20;
        stage.y = 40;
        QCOMPARE(displayedDpi(stage, sensor), dpi);
    }

    void isNearAllowsNine() { QVERIFY(isNear(91, 100) && isNear(109, 100) && !isNear(90, 100) && !isNear(110, 100)); }

    void malformedDescriptionReadsAsZero()
    {
        TestAppDir dir;
        dir.write("DefaultProfile.bin",
            "garbage line\n[PROFILE\n[PROFILE]\nMinDelay=ten\nvid1=0x248A\n\\\\\\=\n"
            "LedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff)\n" // truncated: read without harm
            "LedMode\\LED_MODE_1_RGB=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QColor\\xff\\xff\\xff\\xff)\n"
            "LedMode\\LED_MODE_2_RGB=not a colour\n"
            "\x01\x02\xff\xfe=\x80\n");
        QCOMPARE(minDelay(), 10); // a step of 0 has no meaning
        int v1 = 0, p1 = 0, v2 = 0, p2 = 0;
        usbIds(v1, p1, v2, p2);
        QCOMPARE(v1, 0);
        QCOMPARE(p1, 0xFA02);
        DeviceDescription d;
        QCOMPARE(readDeviceDescription(d), 0);
        QVERIFY(!d.lighting[1].RGB.isValid());
        QVERIFY(!d.lighting[2].RGB.isValid());
    }
};

QTEST_GUILESS_MAIN(TestDeviceDescription)
#include "TestDeviceDescription.moc"
