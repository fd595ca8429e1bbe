// Virtual mouse set-up for tests.
#include "VirtualMouseFixture.h"

#include "TestAppDir.h"
#include "device/HidBackend.h"
#include "device/hidDevices.h"
#include "store/appContext.h"
#include "store/settings.h"

#include <QDir>
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
