// The settings mousecfgctl set changes: their names, the values they take, whether the installed model
// has them, and the edit each makes to the configuration record, as the window's pages make it.
#pragma once

#include "store/MouseConfig.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What one edit works on: the whole record, and the profile whose own settings (report rate, scroll
// lines, active DPI stage) are edited. DPI stages, buttons and lighting are the mouse's single copy.
struct SettingEdit {
    MouseConfig& config;
    int profile;
    ProfileData& own() { return config.profiles[profile]; }
    ProfileData& mouse() { return mouseProfile(config); }
};

struct Setting {
    const char* name;
    const char* values; // what follows the name, for help and messages
    int words; // value words taken; the light setting takes option pairs after its effect
    bool (*offered)(); // false when the installed model has no such control
    // Makes the edit; returns why not (the record is then unchanged), or an empty string and in done
    // what the setting became.
    QString (*apply)(const QStringList& values, SettingEdit& edit, QString& done);
};

const QVector<Setting>& settings();
const Setting* findSetting(const QString& name);
// Words the light setting takes after its effect.
QStringList lightOptions();
