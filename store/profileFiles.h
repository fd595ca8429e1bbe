// Profile files (*.prof, one ProfileData in section PROFILE) and whole-configuration files (*.conf).
#pragma once

#include "store/MouseConfig.h"
#include "store/iniFile.h"

#include <QString>

// Keys of one full profile file.
constexpr int PROFILE_KEY_COUNT = 8453;

// Working profiles: Configs/Profile/<name>.prof; the factory profile DefaultProfile.prof beside them.
// The product's library: Configs/<product>/Profile/<name>.prof. Paths built from a name that may not
// become a file name are empty, and an empty path reads as a missing file and is never written.
QString workingProfileDir();
QString workingProfilePath(const QString& name);
QString defaultProfilePath();
QString libraryProfileDir();
// The name a working profile is stored under: name, or "Profile N" (N = slot + 1) when name may not
// become a file name.
QString storedProfileName(const QString& name, int slot);
// Usable when the file can be read and holds a profile's button block.
IniState profileFileState(const QString& path);
QString libraryProfilePath(const QString& name);

// All keys of one profile. writeProfile: 0, or -1 when the path is empty or the file could not be
// written. readProfile: 0, or -1 when the file is missing, -2 when it cannot be read as a profile;
// the record is then the factory profile (makeDefaultProfile), never a blank one.
int writeProfile(const ProfileData& profile, const QString& path);
int readProfile(ProfileData& profile, const QString& path);

int saveProfileFile(const ProfileData& profile, const QString& name);
int loadProfileFile(ProfileData& profile, const QString& name);
// Writes only PROFILE/dpi of the working profile file of name; -1 unless that file is usable.
int setProfileDpi(const QString& name, int dpi);

// Factory profile of the device description into Configs/Profile/DefaultProfile.prof (or into path).
int writeDefaultProfileFile();
int writeDefaultProfileTo(const QString& path);

// Factory reset in memory: sensor defaults, ProfileID 0, profile 0 factory, names "Profile 1".."Profile 5".
void resetAll(MouseConfig& config);

// A whole configuration: product tag, the sensor keys, the five names and the five profiles
// (without LedMoveOFF/LedSleepTime). exportConfig replaces the file only once the new one is
// complete: 0, or -1 for an empty path or a failed write (the old file is then unchanged).
int exportConfig(const MouseConfig& config, const QString& path);
// 0, or -1 when the file cannot be read or lacks a profile section; the record is untouched then.
// Names that may not become file names are replaced by the profile's own name or "Profile N".
int importConfig(MouseConfig& config, const QString& path);

// A profile file for the user at path: the profile of the usable file source, else profile, tagged
// with product. Replaces an old file only once complete; 0, or -1.
int exportProfileFile(const ProfileData& profile, const QString& source, const QString& product, const QString& path);

int writeProductTag(const QString& name, const QString& path);
QString readProductTag(const QString& path);
