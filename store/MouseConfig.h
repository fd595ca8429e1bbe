// The configuration record: five profiles, the shared sensor settings and the change mask.
#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

constexpr int PROFILE_COUNT = 5;
constexpr int DPI_STAGE_COUNT = 8;
constexpr int BUTTON_SLOT_COUNT = 42;
constexpr int KEYINFO_COUNT = 63;
constexpr int LED_MODE_COUNT = 14;

#include "store/buttonCodes.h"

enum ChangeBits {
    CHANGE_GENERAL = 1,
    CHANGE_DPI = 2,
    CHANGE_BUTTONS = 4,
    CHANGE_LIGHTING = 8,
    CHANGE_ALL = 15,
};
using ChangeMask = int;

struct DpiStage {
    quint8 used = 0;
    quint8 link = 0;
    quint32 xy = 0;
    quint32 x = 0;
    quint32 y = 0;
};

struct KeyInfo {
    quint8 map = 0;
    quint8 L = 0;
    quint8 H = 0;
};

struct ButtonInfo {
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    KeyInfo keyInfo[KEYINFO_COUNT];
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
    QString macroname;
};

struct LedModeInfo {
    QColor RGB;
    quint32 h = 0;
    quint32 s = 0;
    quint32 v = 0;
    quint32 bright = 0;
    quint32 breath = 0;
};

struct ProfileData {
    quint8 pollrate = 0;
    quint8 dpi = 0;
    quint8 LedMode = 0;
    quint8 LedMoveOFF = 0;
    quint8 LedSleepTime = 0;
    DpiStage stages[DPI_STAGE_COUNT];
    quint8 mousespeed = 0;
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0;
    quint8 accelenable = 0;
    quint8 acee = 0;
    ButtonInfo buttons[BUTTON_SLOT_COUNT];
    LedModeInfo lighting[LED_MODE_COUNT];
    QString ProfileName;
    QString ProfilePath;
};

struct MouseConfig {
    quint8 ProfileID = 0;
    ProfileData profiles[PROFILE_COUNT];
    quint8 AngleValue = 0;
    quint8 LiftHigh = 0;
    quint8 Sync = 0;
    quint8 Count = 0;
    quint8 Jitter = 0;
    quint8 Debounce = 0;
    quint8 Wake = 0;
    quint8 SensorMode = 0;
    QString profileNames[PROFILE_COUNT];

    // The active slot: ProfileID, or 0 when it names no profile.
    int activeSlot() const { return ProfileID < PROFILE_COUNT ? ProfileID : 0; }
    // Puts an out-of-range ProfileID back to the first slot.
    void clampProfileId() { ProfileID = quint8(activeSlot()); }
    ProfileData& current() { return profiles[activeSlot()]; }
    const ProfileData& current() const { return profiles[activeSlot()]; }
};

// The mouse keeps one set of DPI stages, button functions and lighting (effect, effect records and
// sleep settings): the download takes them from the first profile. Report rate and scroll lines are
// sent for all five profiles, and the active DPI stage goes with the active profile. The pages
// show and edit exactly these, so what the window shows is what an apply sends.
ProfileData& mouseProfile(MouseConfig& config);
const ProfileData& mouseProfile(const MouseConfig& config);

// The general block sends the lighting effect of the active profile, and the change comparison
// looks for new sleep settings there too. Before a send the active profile takes the effect and
// the sleep settings of the mouse profile, so the effect sent is the one the lighting page shows
// and a changed sleep setting is sent even while another slot is active.
void alignActiveProfile(MouseConfig& config);

// The record the panels edit, and the record as last sent to the mouse.
extern MouseConfig currentConfig;
extern MouseConfig sentConfig;

// Which groups differ between the two records; a bound macro whose file carries Setting/WriteSign
// counts as changed. Reads files, writes none: the apply consumes the marks after a good send.
ChangeMask computeChangeMask(const MouseConfig& current, const MouseConfig& sent);
// Clears Setting/WriteSign of every macro bound in the configuration, after it was sent.
void consumeMacroWriteSigns(const MouseConfig& sent);

// Field-by-field equality (colours compared as colour values), for tests and "anything changed?" checks.
bool operator==(const DpiStage& a, const DpiStage& b);
bool operator==(const KeyInfo& a, const KeyInfo& b);
bool operator==(const ButtonInfo& a, const ButtonInfo& b);
bool operator==(const LedModeInfo& a, const LedModeInfo& b);
bool operator==(const ProfileData& a, const ProfileData& b);
bool operator==(const MouseConfig& a, const MouseConfig& b);
inline bool operator!=(const DpiStage& a, const DpiStage& b)
{
    return !(a == b);
}
inline bool operator!=(const KeyInfo& a, const KeyInfo& b)
{
    return !(a == b);
}
inline bool operator!=(const ButtonInfo& a, const ButtonInfo& b)
{
    return !(a == b);
}
inline bool operator!=(const LedModeInfo& a, const LedModeInfo& b)
{
    return !(a == b);
}
inline bool operator!=(const ProfileData& a, const ProfileData& b)
{
    return !(a == b);
}
inline bool operator!=(const MouseConfig& a, const MouseConfig& b)
{
    return !(a == b);
}
