// A virtual mouse installed as the HID backend, enumerated and opened in one call.
#pragma once

#include "sim/VirtualMouse.h"

#include <QProcessEnvironment>
#include <QString>

#include <memory>

class HidBackend;
class TestAppDir;

class VirtualMouseFixture {
public:
    enum Plug { Nothing = 0, ReceiverOnly = 1, CableOnly = 2, Both = 3 };

    // Installs a new virtual mouse with the given sides plugged; with open set it also builds the
    // device table, enumerates and opens the handles for the product. Uses the current application
    // directory, or a temporary one when none is set; the product name goes into its Config.ini.
    explicit VirtualMouseFixture(Plug plug = ReceiverOnly, bool open = true);
    // Closes the handles and puts the previous backend back.
    ~VirtualMouseFixture();
    VirtualMouseFixture(const VirtualMouseFixture&) = delete;
    VirtualMouseFixture& operator=(const VirtualMouseFixture&) = delete;

    VirtualMouse& mouse() { return *m_mouse; }
    std::shared_ptr<VirtualMouse> shared() { return m_mouse; }

    // buildDeviceTable, enumerateDevices, openDevicesByName and the mouse count, as start-up does.
    void open();
    // Faults off, no latency.
    void clearFaults();
    // Reinstalls the mouse so that control handles use the seam's pump thread, as with hidapi,
    // and reopens.
    void usePumpedControlHandles();

    static QString productName();

    // How a program started by a test reaches a virtual mouse of its own (receiver and cable):
    // through its backend seam (MOUSECFG_DEVICE=virtual), or through its real hidapi backend with
    // the hidapi stand-in loaded in place of the system's library.
    enum class WayIn { Seam, Hidapi };
    // The variables for a program run that way in; stateFile keeps what the mouse holds after it.
    static QProcessEnvironment programEnvironment(WayIn way, const QString& stateFile = QString());
    // The folder with the stand-in's libhidapi-hidraw.so.0; empty when it is not built.
    static QString shimDir();
    // A mouse holding what a state file says; null when the file cannot be read.
    static std::unique_ptr<VirtualMouse> fromStateFile(const QString& path);

private:
    std::unique_ptr<TestAppDir> m_ownDir;
    std::shared_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<HidBackend> m_previous;
};
