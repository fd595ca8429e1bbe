// Which groups of settings an apply must send.
#include "support/TestAppDir.h"
#include "support/storeSamples.h"

#include "store/MouseConfig.h"
#include "store/settings.h"

#include <QSettings>
#include <QtTest>

class TestChangeMask : public QObject {
    Q_OBJECT

    static int macroWriteSign(const TestAppDir& dir, const QString& name)
    {
        const QSettings s(dir.file("Configs/MacroDB/" + name + ".MSMACRO"), QSettings::IniFormat);
        return s.value("Setting/WriteSign").toInt();
    }

    static MouseConfig withMacroInSlot(const QString& name)
    {
        MouseConfig c = storeSampleConfig();
        c.profiles[3].buttons[5].Fun = FUN_MACRO;
        c.profiles[3].buttons[5].macroname = name;
        return c;
    }

private slots:
    void identicalConfigurationsGiveNoBits()
    {
        TestAppDir dir;
        const MouseConfig a = storeSampleConfig();
        QCOMPARE(computeChangeMask(a, a), 0);
        QCOMPARE(computeChangeMask(MouseConfig(), MouseConfig()), 0);
    }

    void generalGroup_data()
    {
        QTest::addColumn<int>("field");
        for (int i = 0; i < 14; ++i)
            QTest::addRow("field %d", i) << i;
    }

    void generalGroup()
    {
        TestAppDir dir;
        QFETCH(int, field);
        const MouseConfig sent = storeSampleConfig();
        MouseConfig c = sent;
        ProfileData& active = c.profiles[c.ProfileID];
        switch (field) {
        case 0:
            c.profiles[4].pollrate++;
            break;
        case 1:
            c.profiles[0].scrollspeed++;
            break;
        case 2:
            c.AngleValue++;
            break;
        case 3:
            c.LiftHigh++;
            break;
        case 4:
            c.Sync++;
            break;
        case 5:
            c.Jitter++;
            break;
        case 6:
            c.Debounce++;
            break;
        case 7:
            c.Wake++;
            break;
        case 8:
            c.SensorMode++;
            break;
        case 9:
            c.ProfileID = 4;
            break;
        case 10:
            active.dpi++;
            break;
        case 11:
            active.LedMoveOFF = 0;
            break;
        case 12:
            active.LedSleepTime++;
            break;
        case 13:
            active.LedMode = sent.profiles[c.ProfileID].LedMode == 1 ? 2 : 1;
            break;
        }
        QVERIFY(computeChangeMask(c, sent) & CHANGE_GENERAL);
        if (field != 13)
            QCOMPARE(computeChangeMask(c, sent) & ~CHANGE_GENERAL, 0);
    }

    void fieldsThatAreNotCompared()
    {
        TestAppDir dir;
        const MouseConfig sent = storeSampleConfig();
        MouseConfig c = sent;
        c.Count++;
        c.profiles[1].stages[3].link ^= 1;
        c.profiles[1].stages[3].xy += 5;
        c.profiles[0].dpi++; // not the active profile
        c.profiles[0].LedSleepTime++;
        c.profiles[2].mousespeed++;
        c.profiles[2].acee++;
        c.profiles[2].ProfilePath = "elsewhere";
        c.profileNames[4] = "renamed";
        const int inactive = (c.profiles[1].LedMode + 1) % LED_MODE_COUNT;
        c.profiles[1].lighting[inactive].RGB = QColor(1, 2, 3);
        QCOMPARE(computeChangeMask(c, sent), 0);
    }

    void dpiGroup()
    {
        TestAppDir dir;
        const MouseConfig sent = storeSampleConfig();
        MouseConfig c = sent;
        c.profiles[4].stages[7].x++;
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_DPI));
        c = sent;
        c.profiles[0].stages[0].y++;
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_DPI));
        c = sent;
        c.profiles[2].stages[1].used ^= 1;
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_DPI));
    }

    void buttonGroup()
    {
        TestAppDir dir;
        const MouseConfig sent = storeSampleConfig();
        MouseConfig c = sent;
        c.profiles[4].buttons[41].Res4++;
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_BUTTONS));
        c = sent;
        c.profiles[1].buttons[0].keyInfo[62].H++;
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_BUTTONS));
        c = sent;
        c.profiles[1].buttons[0].ID++;
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_BUTTONS));
        // The macro name counts only for macro slots.
        c = sent;
        c.profiles[1].buttons[0].macroname = "other";
        QCOMPARE(computeChangeMask(c, sent), 0);
        c.profiles[1].buttons[0].Fun = FUN_MACRO;
        MouseConfig s2 = sent;
        s2.profiles[1].buttons[0].Fun = FUN_MACRO;
        QCOMPARE(computeChangeMask(c, s2), int(CHANGE_BUTTONS));
    }

    void editedMacroIsSentOnceAndItsMarkCleared()
    {
        TestAppDir dir;
        dir.write("Configs/MacroDB/Strafe.MSMACRO", "[Setting]\nCount=0\nWriteSign=1\n");
        const MouseConfig c = withMacroInSlot("Strafe");
        // The comparison only reads; the mark stays until the apply consumes it.
        QCOMPARE(computeChangeMask(c, c), int(CHANGE_BUTTONS));
        QCOMPARE(computeChangeMask(c, c), int(CHANGE_BUTTONS));
        QCOMPARE(macroWriteSign(dir, "Strafe"), 1);
        consumeMacroWriteSigns(c);
        QCOMPARE(macroWriteSign(dir, "Strafe"), 0);
        QCOMPARE(computeChangeMask(c, c), 0);
        QVERIFY(QFile::exists(dir.file("Configs/MacroDB/Strafe.MSMACRO")));
    }

    void missingOrUnsafeMacroFileSetsNothing()
    {
        TestAppDir dir;
        QCOMPARE(computeChangeMask(withMacroInSlot("Nowhere"), withMacroInSlot("Nowhere")), 0);
        // A name leading out of MacroDB is never opened or written.
        dir.write("Configs/Outside.MSMACRO", "[Setting]\nWriteSign=1\n");
        const MouseConfig c = withMacroInSlot("../Outside");
        QCOMPARE(computeChangeMask(c, c), 0);
        consumeMacroWriteSigns(c);
        const QSettings outside(dir.file("Configs/Outside.MSMACRO"), QSettings::IniFormat);
        QCOMPARE(outside.value("Setting/WriteSign").toInt(), 1);
        QVERIFY(!QFile::exists(dir.file("Configs/MacroDB")));
    }

    void lightingGroup()
    {
        TestAppDir dir;
        const MouseConfig sent = storeSampleConfig();
        MouseConfig c = sent;
        const int active = c.profiles[3].LedMode;
        c.profiles[3].lighting[active].RGB = QColor(9, 9, 9);
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_LIGHTING));
        c = sent;
        c.profiles[3].lighting[active].v++;
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_LIGHTING));
        // Another profile's effect change shows as lighting only (not the active profile).
        c = sent;
        c.profiles[4].LedMode = (c.profiles[4].LedMode + 1) % LED_MODE_COUNT;
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_LIGHTING));
    }

    void effectNumberBeyondTableIsSafe()
    {
        TestAppDir dir;
        MouseConfig sent = storeSampleConfig();
        sent.profiles[0].LedMode = 200;
        MouseConfig c = sent;
        QCOMPARE(computeChangeMask(c, sent), 0);
        c.profiles[0].LedMode = 201;
        QCOMPARE(computeChangeMask(c, sent), int(CHANGE_LIGHTING));
    }
};

QTEST_GUILESS_MAIN(TestChangeMask)
#include "TestChangeMask.moc"
