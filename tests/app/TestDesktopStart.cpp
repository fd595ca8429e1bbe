// The program on a plain X server (Xvfb: no tray, no window manager): closing the window ends it,
// and a second start brings the running window forward instead of failing silently.
#include "platform/SingleInstance.h"

#include "TestAppDir.h"
#include "buttonsSkin.h"
#include "e2eFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>
#include <QtTest>

namespace {

// An X server of the test's own on a display number that is free.
class XServer {
public:
    XServer()
    {
        for (int n = 140 + int(QCoreApplication::applicationPid() % 50); n < 240; ++n) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))
                || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            m_display = QStringLiteral(":%1").arg(n);
            m_server.start(QStringLiteral("Xvfb"),
                { m_display, QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x800x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp") });
            m_server.waitForStarted();
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
            for (int i = 0; i < 100 && m_server.state() == QProcess::Running && !QFile::exists(socket); ++i)
                QTest::qWait(50);
            if (m_server.state() == QProcess::Running && QFile::exists(socket))
                return;
            m_server.kill();
            m_server.waitForFinished();
        }
        m_display.clear();
    }
    ~XServer()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(3000))
            m_server.kill();
    }
    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

} // namespace

class TestDesktopStart : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAppDir> m_dir;
    std::unique_ptr<XServer> m_x;
    QString m_product;
    QString m_program;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("DISPLAY", m_x->display());
        env.insert("MOUSECFG_DEVICE", "virtual");
        env.remove("WAYLAND_DISPLAY");
        return env;
    }

    void start(QProcess& process)
    {
        process.setProcessEnvironment(environment());
        process.start(m_program, QStringList());
        QVERIFY(process.waitForStarted());
    }

    // xdotool on the test's display; its standard output.
    QByteArray xdotool(const QStringList& args)
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(QStringLiteral("xdotool"), args);
        tool.waitForFinished(10000);
        return tool.readAllStandardOutput().trimmed();
    }

    // The id of the program's window once it is on screen (empty when it never shows in 20 s).
    QByteArray shownWindow()
    {
        const QStringList args { "search", "--onlyvisible", "--name",
            "^" + QRegularExpression::escape(m_product) + "$" };
        QDeadlineTimer deadline(20000);
        QByteArray id;
        while ((id = xdotool(args)).isEmpty() && !deadline.hasExpired())
            QTest::qWait(200);
        return id.split('\n').first();
    }

    // Clicks the skin's close button (layout place at scale 1, off its transparent centre) until
    // program has ended; a click that comes before the window takes input is lost, so a few are allowed.
    bool closeByButton(const QByteArray& window, QProcess& program)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            xdotool({ "mousemove", "0", "0" }); // a pointer resting there from before would not enter it
            xdotool({ "mousemove", "--window", QString::fromLatin1(window), "929", "38" });
            QTest::qWait(300);
            xdotool({ "click", "1" });
            if (program.waitForFinished(3000))
                return true;
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("Xvfb and xdotool are needed");
        if (!QFile::exists(qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/mousecfg"))
            QSKIP("the program is not built");
    }

    // A copy of the program with a product name of its own, so no other copy can interfere.
    void init()
    {
        m_x = std::make_unique<XServer>(); // a fresh server each, so no input state carries over
        QVERIFY2(!m_x->display().isEmpty(), "Xvfb did not start");
        m_dir = std::make_unique<TestAppDir>(true);
        m_product = "Desktop Test " + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
        m_program = m_dir->file("mousecfg");
        QVERIFY(QFile::copy(qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/mousecfg", m_program));
        QVERIFY(buttonsCopySkin(m_dir->path())); // the buttons take their shape from it
        e2eWriteFactoryProfiles(); // else a box about the missing ones waits for an answer
        QSettings(m_dir->file("DefaultProfile.bin"), QSettings::IniFormat).setValue("PROFILE/ProductName", m_product);
    }

    // The folder is let go before the next is made: it puts back the application directory it replaced.
    void cleanup() { m_dir.reset(); }

    void closeWithoutTrayEndsTheProgram()
    {
        QProcess program;
        start(program);
        const QByteArray window = shownWindow();
        QVERIFY(!window.isEmpty());
        QVERIFY2(closeByButton(window, program), "the program kept running after its window was closed");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    void secondStartBringsTheWindowForward()
    {
        // What a crashed run leaves behind must not stand in the way.
        const QString socket = SingleInstance::socketPath(m_product);
        QVERIFY(!socket.isEmpty());
        QFile stale(socket);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();

        QProcess first;
        start(first);
        QVERIFY(!shownWindow().isEmpty());

        QProcess second;
        start(second);
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitCode(), 1);
        const QString said = QString::fromLocal8Bit(second.readAllStandardError());
        QVERIFY2(
            said.contains("mousecfg is already running: its window was brought to the front.\n"), qPrintable(said));
        QCOMPARE(first.state(), QProcess::Running);
        const QByteArray window = shownWindow();
        QVERIFY(!window.isEmpty());

        QVERIFY(closeByButton(window, first));
        QVERIFY2(!QFile::exists(socket), "the socket outlived its program");
    }
};

QTEST_GUILESS_MAIN(TestDesktopStart)
#include "TestDesktopStart.moc"
