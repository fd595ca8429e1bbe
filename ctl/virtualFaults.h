// Faults of the virtual mouse for one mousecfgctl run, named in MOUSECFG_VIRTUAL_FAULT.
#pragma once

#include <QString>

// Applies the comma-separated faults of MOUSECFG_VIRTUAL_FAULT (no-reply, zero-replies, latency=<ms>)
// to the installed virtual mouse. Returns false and the offending entry in bad when one is not known
// or no virtual mouse is installed.
bool applyVirtualFaults(QString* bad);
