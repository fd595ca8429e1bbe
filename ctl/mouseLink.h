// Opening the mouse, asking its status and applying the saved configuration, for the commands.
#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

struct MouseReport {
    bool answered = false; // a status reply, or a failed read of it, was seen
    quint8 charge = 0, low = 0, high = 0;
    std::optional<std::array<quint8, 3>> change; // profile, DPI stage, rate code
};

// Opens the mouse of the current product; prints why not and returns the exit code otherwise.
int openMouse();
void closeMouse();
// One status request through the poller; returns once the reply (or its absence) is known. A change
// report that comes in before that is kept.
MouseReport queryMouse();
// No battery data: the mouse is asleep or off.
bool noBatteryData(const MouseReport& report);
// What a fresh start of the window would know: the saved configuration, sent as far as the files say.
void loadSavedConfiguration();
// The apply sequence on currentConfig: asks whether the mouse is awake, sends what changed (or all),
// prints the outcome and returns the exit code.
int applySaved(bool fullSend);
