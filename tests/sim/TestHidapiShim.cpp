// The hidapi stand-in as a program meets it: loaded by its library name, hidapi's functions with
// hidapi's results on hidraw.
#include "sim/VirtualMouseDecoder.h"
#include "store/MouseConfig.h"
#include "store/profileFiles.h"
#include "store/settings.h"

#include "support/TestAppDir.h"
#include "support/VirtualMouseFixture.h"
#include "support/ctlRunner.h"

#include <hidapi/hidapi.h>

#include <QProcess>
#include <QSettings>
#include <QUuid>
#include <QtTest>

#include <dlfcn.h>

namespace {

QByteArray frame(quint8 command)
{
    QByteArray f(33, '\0');
    f[0] = 0x05;
    f[2] = char(0xFA);
    f[3] = char(command);
    f[1] = char(((0xFA + command) & 0xFF) ^ 0x66);
    return f;
}

const unsigned char* bytes(const QByteArray& f)
{
    return reinterpret_cast<const unsigned char*>(f.constData());
}

} // namespace

class TestHidapiShim : public QObject {
    Q_OBJECT

    // Never closed: the library keeps its mouse for the whole process, as a real program does.
    void* m_lib = nullptr;

    template <typename Fn> Fn* fn(const char* name) { return reinterpret_cast<Fn*>(dlsym(m_lib, name)); }

    QStringList entries(unsigned short vid = 0)
    {
        hid_device_info* all = fn<decltype(hid_enumerate)>("hid_enumerate")(vid, 0);
        QStringList list;
        for (hid_device_info* d = all; d; d = d->next) {
            list << QString("%1 %2 %3:%4 if%5 rel %6")
                        .arg(d->path)
                        .arg(d->product_id, 0, 16)
                        .arg(d->usage_page)
                        .arg(d->usage)
                        .arg(d->interface_number)
                        .arg(d->release_number, 0, 16);
        }
        fn<decltype(hid_free_enumeration)>("hid_free_enumeration")(all);
        return list;
    }

private slots:
    void initTestCase()
    {
        if (VirtualMouseFixture::shimDir().isEmpty())
            QSKIP("the hidapi stand-in is not built");
        // Read when the library first builds its mouse: the third frame pulls the cable out.
        qputenv("MOUSECFG_SHIM_DEVICE", "both");
        qputenv("MOUSECFG_SIM_FAULT", "unplug=2");
        m_lib = dlopen(qPrintable(VirtualMouseFixture::shimDir() + "/libhidapi-hidraw.so.0"), RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(m_lib, dlerror());
        QCOMPARE(fn<decltype(hid_init)>("hid_init")(), 0);
        qunsetenv("MOUSECFG_SIM_FAULT");
    }

    void behavesAsHidapiOnHidraw()
    {
        // One entry per collection; interface 1's keyboard, consumer and control share one node.
        const QStringList cable = { "/dev/hidraw2 fb01 1:2 if0 rel 105", "/dev/hidraw3 fb01 1:6 if1 rel 105",
            "/dev/hidraw3 fb01 12:1 if1 rel 105", "/dev/hidraw3 fb01 1:0 if1 rel 105" };
        QCOMPARE(entries(0x248A).mid(4), cable);
        QCOMPARE(entries(0x1234), QStringList());

        auto* open = fn<decltype(hid_open_path)>("hid_open_path");
        auto* write = fn<decltype(hid_write)>("hid_write");
        auto* read = fn<decltype(hid_read_timeout)>("hid_read_timeout");
        auto* error = fn<decltype(hid_error)>("hid_error");
        QVERIFY(!open("/dev/hidraw9"));
        QVERIFY(QString::fromWCharArray(error(nullptr)).contains("/dev/hidraw9"));
        hid_device* control = open("/dev/hidraw3");
        QVERIFY(control);

        // The report id leads what is written and what is read.
        unsigned char reply[64] = {};
        QCOMPARE(write(control, bytes(frame(0x48)), 33), 33);
        QCOMPARE(read(control, reply, sizeof reply, 2000), 33);
        QCOMPARE(int(reply[0]), 0x05);
        QCOMPARE(int(reply[3]), 0x48);
        // A frame with a wrong checksum is taken by the node but the mouse ignores it: a time-out.
        QByteArray bad = frame(0x48);
        bad[1] = char(bad[1] ^ 1);
        QCOMPARE(write(control, bytes(bad), 33), 33);
        QCOMPARE(read(control, reply, sizeof reply, 50), 0);
        QCOMPARE(fn<decltype(hid_set_nonblocking)>("hid_set_nonblocking")(control, 1), 0);
        QCOMPARE(fn<decltype(hid_read)>("hid_read")(control, reply, sizeof reply), 0);

        // Unplugged: writes and reads fail, and the cable leaves the enumeration.
        QCOMPARE(write(control, bytes(frame(0x48)), 33), -1);
        QCOMPARE(read(control, reply, sizeof reply, 50), -1);
        QVERIFY(QString::fromWCharArray(error(control)) != "Success");
        QCOMPARE(entries().size(), 4);
        fn<decltype(hid_close)>("hid_close")(control);
        QCOMPARE(fn<decltype(hid_exit)>("hid_exit")(), 0);
    }

    // The unmodified programs on it: mousecfgctl lists, reads and sends; the window asks for the
    // battery. What the mouse holds afterwards is read from its state file.
    void programsRunOnIt()
    {
        if (ctlProgram().isEmpty())
            QSKIP("mousecfgctl is not built");
        TestAppDir dir(true);
        const QString state = dir.file("mouse.state");
        const QProcessEnvironment env
            = VirtualMouseFixture::programEnvironment(VirtualMouseFixture::WayIn::Hidapi, state);
        CtlRun run = runCtl(dir, { "devices" }, env);
        QVERIFY2(run.code == 0 && run.out.contains("control: settings travel here"), qPrintable(run.out));
        QVERIFY(!run.out.contains("cannot be opened"));
        run = runCtl(dir, { "status" }, env);
        QVERIFY2(run.code == 0 && run.out.contains("Battery: 70%"), qPrintable(run.out));

        // A moved DPI stage reaches the sensor registers (3395: 16-bit little-endian).
        MouseConfig config;
        config.profiles[0].stages[1] = DpiStage { 1, 0, 0x123, 0x123, 0x45 };
        exportConfig(config, dir.file("moved.conf"));
        run = runCtl(dir, { "import", dir.file("moved.conf") }, env);
        QVERIFY2(run.code == 0, qPrintable(run.out));
        const std::unique_ptr<VirtualMouse> mouse = VirtualMouseFixture::fromStateFile(state);
        QVERIFY(mouse);
        const DecodedStage stage = VirtualMouseDecoder(*mouse, sensorModel()).stage(1);
        QVERIFY(stage.used);
        QCOMPARE(stage.bytes, (std::array<quint8, 4> { 0x23, 0x01, 0x45, 0x00 }));

        // The window: a copy with a product name of its own, so no other instance is in the way.
        const QString program = dir.file("mousecfg");
        QVERIFY(QFile::copy(qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/mousecfg", program));
        QSettings(dir.file("DefaultProfile.bin"), QSettings::IniFormat)
            .setValue("PROFILE/ProductName", "Shim " + QUuid::createUuid().toString(QUuid::WithoutBraces));
        QProcess window;
        QProcessEnvironment windowEnv = QProcessEnvironment::systemEnvironment();
        windowEnv.insert(env);
        windowEnv.insert("QT_QPA_PLATFORM", "offscreen");
        windowEnv.insert("MOUSECFG_FRAME_LOG", dir.file("window.log"));
        window.setProcessEnvironment(windowEnv);
        window.start(program, QStringList());
        QVERIFY(window.waitForStarted());
        auto statusAnswered = [&dir] {
            QFile log(dir.file("window.log"));
            return log.open(QIODevice::ReadOnly)
                && QString::fromLatin1(log.readAll())
                       .contains(QRegularExpression("^< 05 .. fa 48 ", QRegularExpression::MultilineOption));
        };
        QTRY_VERIFY_WITH_TIMEOUT(statusAnswered(), 20000);
        QCOMPARE(window.state(), QProcess::Running);
        window.kill();
        window.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestHidapiShim)
#include "TestHidapiShim.moc"
