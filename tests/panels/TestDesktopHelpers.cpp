// Pointer-speed mapping, the choice of the desktop's mouse settings tool and the launcher.
#include "platform/DesktopMouseSettings.h"
#include "platform/Launcher.h"
#include "platform/PointerSpeed.h"

#include <QtTest>

class TestDesktopHelpers : public QObject {
    Q_OBJECT
private slots:
    void pointerSpeedMapsBothWays()
    {
        QCOMPARE(PointerSpeed::toGnome(1), -1.0);
        QCOMPARE(PointerSpeed::toGnome(10), 0.0);
        QCOMPARE(PointerSpeed::toGnome(20), 1.0);
        for (int s = PointerSpeed::MIN_SPEED; s <= PointerSpeed::MAX_SPEED; ++s)
            QCOMPARE(PointerSpeed::fromGnome(PointerSpeed::toGnome(s)), s);
    }

    void pointerSpeedClampsOddValues()
    {
        QCOMPARE(PointerSpeed::toGnome(0), -1.0);
        QCOMPARE(PointerSpeed::toGnome(255), 1.0);
        QCOMPARE(PointerSpeed::fromGnome(-7.0), 1);
        QCOMPARE(PointerSpeed::fromGnome(3.0), 20);
        QCOMPARE(PointerSpeed::fromGnome(std::nan("")), 10);
    }

    void pointerSpeedIsNeutralWithoutDesktop()
    {
        qputenv("XDG_CURRENT_DESKTOP", "");
        QCOMPARE(PointerSpeed::get(), 10);
        PointerSpeed::set(3); // must do nothing and not block
    }

    void mouseSettingsPrefersCurrentDesktop()
    {
        auto all = [](const QString&) { return true; };
        QCOMPARE(DesktopMouseSettings::findCommand("KDE", all).program, QString("systemsettings"));
        QCOMPARE(DesktopMouseSettings::findCommand("ubuntu:GNOME", all).program, QString("gnome-control-center"));
        QCOMPARE(DesktopMouseSettings::findCommand("XFCE", all).program, QString("xfce4-mouse-settings"));
        QCOMPARE(DesktopMouseSettings::findCommand("X-Cinnamon", all).arguments, QStringList { "mouse" });
    }

    void mouseSettingsFallsBackToInstalledTool()
    {
        auto onlyXfce = [](const QString& p) { return p == "xfce4-mouse-settings"; };
        QCOMPARE(DesktopMouseSettings::findCommand("KDE", onlyXfce).program, QString("xfce4-mouse-settings"));
        auto onlyPlasma5 = [](const QString& p) { return p == "systemsettings5"; };
        const auto plasma = DesktopMouseSettings::findCommand("KDE", onlyPlasma5);
        QCOMPARE(plasma.program, QString("systemsettings5"));
        QCOMPARE(plasma.arguments, QStringList { "mouse" });
        auto none = [](const QString&) { return false; };
        QVERIFY(!DesktopMouseSettings::findCommand("GNOME", none).isValid());
    }

    void launcherFailsSilentlyOnMissingProgram()
    {
        QVERIFY(!Launcher::isAvailable(""));
        QVERIFY(!Launcher::isAvailable("/nonexistent/helper-program"));
        QVERIFY(!Launcher::startDetached("mousecfg-no-such-helper-program", { "x" }));
        QVERIFY(!Launcher::startDetached("/etc/hostname")); // exists but is not executable
        QVERIFY(Launcher::isAvailable("true"));
        QVERIFY(Launcher::startDetached("true"));
    }
};

QTEST_GUILESS_MAIN(TestDesktopHelpers)
#include "TestDesktopHelpers.moc"
