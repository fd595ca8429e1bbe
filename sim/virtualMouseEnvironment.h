// What the environment asks of a virtual mouse, for either way in (the backend seam or the hidapi
// library): faults, pointer noise, a state file and the frame log.
#pragma once

#include "sim/VirtualMouse.h"

#include <QString>

// MOUSECFG_SIM_FAULT: a comma-separated fault list, words as parseFaultList takes them.
// MOUSECFG_SIM_STATE: the state file (VirtualMouse::setStateFile).
// MOUSECFG_FRAME_LOG: the frame log (VirtualMouse::setFrameLog).
struct VirtualMouseSetup {
    VirtualMouseFaults faults;
    int noiseIntervalMs = 0; // > 0: pointer, keyboard and consumer reports on every node this often
    QString statePath;
    QString frameLog;
};

// Words: noreply, zero, wrongecho=N, corrupt=N, failwrite=N, drop=N, unplug=N, after=N,
// latency=MS, noise=MS. A counter given without a value lasts forever (-1), as does N = -1;
// "after=N" lets the first N frames through before the other faults start. Returns false with the
// first word it does not understand in *error; the words before it are kept.
bool parseFaultList(const QString& text, VirtualMouseSetup* setup, QString* error = nullptr);

// The setup the environment names; an unknown fault word is reported once with qWarning.
VirtualMouseSetup virtualMouseSetupFromEnvironment();
