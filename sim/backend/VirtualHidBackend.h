// Puts the virtual mouse behind the HID backend: the executables' main and the tests install it.
#pragma once

#include <memory>

class VirtualMouse;

// MOUSECFG_DEVICE=virtual (receiver and cable), virtual-receiver or virtual-cable installs the
// virtual mouse; anything else keeps hidapi. Returns true when a virtual mouse was installed.
bool installBackendFromEnvironment();
// Installs a backend that talks to the given virtual mouse (the mouse is shared with the caller).
// With nodeFilter the mouse keeps a control handle's reports apart itself, as Windows does per
// collection; without it control handles go through the same pump thread as with hidapi.
void installVirtualMouse(std::shared_ptr<VirtualMouse> mouse, bool nodeFilter = true);
// The virtual mouse behind the installed backend, or null when another backend is installed.
std::shared_ptr<VirtualMouse> installedVirtualMouse();
