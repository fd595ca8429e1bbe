// Virtual mouse set-up for tests.
#include "VirtualMouseFixture.h"

#include "TestAppDir.h"
#include "device/HidBackend.h"
#include "sim/backend/VirtualHidBackend.h"
#include "device/hidDevices.h"
#include "store/appContext.h"
#include "store/settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>

VirtualMouseFixture::VirtualMouseFixture(Plug plug, bool openNow)
{
    if (appDir().isEmpty())
        m_ownDir = std::make_unique<TestAppDir>(false);
    QDir().mkpath(configDir());
    {
        QSettings settings(configIniPath(), QSettings::IniFormat);
        if (settings.value("Mouse_List/0").toString().isEmpty())
            settings.setValue("Mouse_List/0", productName());
        settings.setValue("Config/CurrentProductName", settings.value("Mouse_List/0").toString());
    }
    m_mouse = std::make_shared<VirtualMouse>();
    if (plug & ReceiverOnly)
        m_mouse->plug(VirtualMouse::Receiver);
    if (plug & CableOnly)
        m_mouse->plug(VirtualMouse::Cable);
    m_previous = setHidBackend(nullptr);
    installVirtualMouse(m_mouse);
    if (openNow)
        open();
}

VirtualMouseFixture::~VirtualMouseFixture()
{
    closeDevices();
    setMouseCount(0);
    setMouseConnected(false);
    setHidBackend(std::move(m_previous));
}

void VirtualMouseFixture::open()
{
    closeDevices();
    buildDeviceTable();
    enumerateDevices();
    openDevicesByName(currentProductName());
    setMouseCount(countPresentMice());
    setMouseConnected(controlHandle() != nullptr);
}

void VirtualMouseFixture::usePumpedControlHandles()
{
    closeDevices();
    installVirtualMouse(m_mouse, false);
    open();
}

void VirtualMouseFixture::clearFaults()
{
    m_mouse->setFaults(VirtualMouse::Faults());
}

QString VirtualMouseFixture::productName()
{
    return QStringLiteral("Virtual Mouse");
}

QString VirtualMouseFixture::shimDir()
{
    const QString dir = qEnvironmentVariable("MOUSECFG_SHIM_DIR");
    return QFile::exists(dir + "/libhidapi-hidraw.so.0") ? dir : QString();
}

QProcessEnvironment VirtualMouseFixture::programEnvironment(WayIn way, const QString& stateFile)
{
    QProcessEnvironment env;
    if (way == WayIn::Seam) {
        env.insert("MOUSECFG_DEVICE", "virtual");
    } else {
        env.insert("MOUSECFG_DEVICE", QString());
        const QString inherited = qEnvironmentVariable("LD_LIBRARY_PATH");
        env.insert("LD_LIBRARY_PATH", inherited.isEmpty() ? shimDir() : shimDir() + ":" + inherited);
        env.insert("MOUSECFG_SHIM_DEVICE", "both");
    }
    if (!stateFile.isEmpty())
        env.insert("MOUSECFG_SIM_STATE", stateFile);
    return env;
}

std::unique_ptr<VirtualMouse> VirtualMouseFixture::fromStateFile(const QString& path)
{
    auto mouse = std::make_unique<VirtualMouse>();
    return mouse->loadState(path) ? std::move(mouse) : nullptr;
}
