// mousecfgctl commands that talk to the mouse: status, apply, profile, import.
#pragma once

#include "ctl/ctlCommand.h"

// Exit codes beyond the shared ones. apply, profile and import exit with the send status of the
// mouse link itself: 1 no mouse, 2 a frame not confirmed, 4 write failed, 5 mouse asleep.
constexpr int CTL_VERIFY_FAILED = 2;
constexpr int CTL_WRITE_FAILED = 4;
constexpr int CTL_MOUSE_OFF = 5;
constexpr int CTL_BAD_FILE = 6; // unreadable, not a configuration, or saved for another product

// Each takes the arguments after the command name and returns its exit code.
int runStatus(const QStringList& arguments);
int runApply(const QStringList& arguments);
int runProfile(const QStringList& arguments);
int runImport(const QStringList& arguments);
