// The longer help texts of the commands and the one table of exit codes.
#pragma once

extern const char* const STATUS_DETAILS;
extern const char* const WATCH_DETAILS;
extern const char* const GET_DETAILS;
extern const char* const SET_DETAILS;

void printExitCodes();
// The settings of set, the values each takes, and which ones this model lacks.
void printSettingsHelp();
