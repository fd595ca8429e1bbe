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
void loadAll(MouseConfig& config);
// Writes the sensor keys, the first profile name and the first profile's file.
void saveAll(const MouseConfig& config);
// Writes Config/ProfileID, Config/Count and the five Config/Profile%d names.
void saveProfileNames(const MouseConfig& config);
void setCurrentProfile(int profileId);

int diffFlag();
void setDiffFlag(int diff);

QString currentProductName();
void setCurrentProductName(const QString& name);

// Config/GColorID; read only. accentColour() falls back to entry 0 when it is out of range.
constexpr int ACCENT_COLOUR_COUNT = 7;
extern const QColor ACCENT_COLOURS[ACCENT_COLOUR_COUNT];
int themeColorId();
QColor accentColour();
QString menuStyleSheet(const QColor& accent);

int batteryPercent();
void setBatteryPercent(int percent);
// Config/BatteryFull, 4200 when missing.
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
void setSavedProfileNames(const QStringList& names);
// The second list (PROFILE_LIST/SCount, PROFILE_LIST/S%d).
QStringList secondProfileList();
void setSecondProfileList(const QStringList& names);
