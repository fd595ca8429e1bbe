// The application settings file Configs/Config.ini, the per-product list file, and moving a whole
// MouseConfig between memory and the settings files.
#pragma once

#include "store/MouseConfig.h"

#include <QColor>
#include <QString>
#include <QStringList>

// appDir() + "/Configs", and the main settings file inside it.
QString configDir();
QString configIniPath();
bool fileExists(const QString& path);

// Loads Config.ini and the five working profile files; also refreshes the process-wide button matrix.
// A profile that cannot be read loads as the factory profile, never as zeros; an empty or unusable
// name becomes "Profile N". Files that cannot be read are moved aside; each problem is recorded
// (fileProblems.h), except the missing files of a fresh installation.
void loadAll(MouseConfig& config);
// Writes the five working profile files, then the sensor keys and the five names into Config.ini.
// 0, or STORE_WRITE_FAILED; Config.ini is not written when a profile file could not be.
int saveAll(const MouseConfig& config);
// The writers below return 0, or -1 when the file could not be written.
// Writes the five working profile files, then Config/ProfileID, Config/Count and the five
// Config/Profile%d names.
int saveProfileNames(const MouseConfig& config);
int setCurrentProfile(int profileId);

int diffFlag();
int setDiffFlag(int diff);

// Empty when the stored name may not become a file name (safeNames.h).
QString currentProductName();
int setCurrentProductName(const QString& name);

// Config/GColorID; read only. accentColour() falls back to entry 0 when it is out of range.
constexpr int ACCENT_COLOUR_COUNT = 7;
extern const QColor ACCENT_COLOURS[ACCENT_COLOUR_COUNT];
int themeColorId();
QColor accentColour();
QString menuStyleSheet(const QColor& accent);

int batteryPercent();
int setBatteryPercent(int percent);
// Config/BatteryFull, 4200 when missing or outside 1000..10000.
int batteryFullMillivolts();
QString modelText();
int sensorModel();
// MouseLEDMode/<current product name>.
int ledVariant();
// Non-empty entries among MACRO_LIST/0 .. MACRO_LIST/49.
int macroCount();

// Per-product list file Configs/<product>/Config.ini; empty when the product name is not a safe
// folder name (the list then reads as empty and is not written).
QString productConfigPath();
QStringList savedProfileNames();
int setSavedProfileNames(const QStringList& names);
// The second list (PROFILE_LIST/SCount, PROFILE_LIST/S%d).
QStringList secondProfileList();
int setSecondProfileList(const QStringList& names);
