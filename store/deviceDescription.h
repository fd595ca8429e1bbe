// The read-only device description DefaultProfile.bin: product identity, counts, feature switches,
// factory settings, and the raw-stage to DPI conversion per sensor model.
#pragma once

#include "store/MouseConfig.h"

#include <QColor>
#include <QMap>
#include <QString>
#include <QVariant>
#include <array>
#include <memory>

constexpr int DESCRIPTION_BUTTON_COUNT = 16;
using ButtonBytes = std::array<quint8, DESCRIPTION_BUTTON_COUNT>;

// The sensor factory bytes in the order readSensorDefaults fills them.
enum SensorDefault { SENSOR_LIFT, SENSOR_ANGLE, SENSOR_DEBOUNCE, SENSOR_JITTER, SENSOR_WAKE, SENSOR_MODE, SENSOR_SYNC };
using SensorBytes = std::array<quint8, 7>;

struct DescriptionButton {
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
};

struct DescriptionLed {
    QColor RGB;
    quint32 bright = 0;
    quint32 breath = 0;
};

// One full read of the factory profile settings of the description.
struct DeviceDescription {
    quint8 dpi = 0;
    quint8 pollrate = 0;
    quint8 LedMode = 0;
    quint8 LedMoveOFF = 0;
    quint32 stageValues[DPI_STAGE_COUNT] = {};
    DescriptionButton buttons[DESCRIPTION_BUTTON_COUNT];
    DescriptionLed lighting[LED_MODE_COUNT];
};

// appDir() + "/DefaultProfile.bin".
QString descriptionPath();

// The [PROFILE] keys of the description as one read gives them; present is false when the file
// cannot be read (every getter then gives its default).
struct DescriptionValues {
    bool present = false;
    QMap<QString, QVariant> keys; // e.g. "ButtonCount", "LedMode/LED_MODE_0_RGB"
};
// The description, read once and held for the process; read again when the app dir changes or
// the file is rewritten.
std::shared_ptr<const DescriptionValues> deviceDescriptionValues();
// Puts a description in place of the file until the app dir changes (tests build them in memory).
void setDeviceDescriptionValues(const DescriptionValues& values);

// Whole-file readers: 0, or -1 when the file is missing (outputs untouched then).
int readDeviceDescription(DeviceDescription& description);
int readButtonMatrix(ButtonBytes& matrix);
// Fills the Matrix2 row bytes (255 hides a row) and returns buttonCount(), or -1.
int readButtonRows(ButtonBytes& rows);
int readSensorDefaults(SensorBytes& sensor);

// Counts stored combined in the file: ButtonCount ^ MouseDpi and DPICount ^ ButtonCount ^ MouseDpi.
int buttonCount();
int dpiStageCount();
// What a layout may use: the button count within 0..16, the stage count when 1..8, else 8.
int usableButtonCount();
int usableDpiStageCount();

// SleepMin and SleepMax within 0..255, the maximum not below the minimum.
void sleepRange(int& minMinutes, int& maxMinutes);
void usbIds(int& vid1, int& pid1, int& vid2, int& pid2);

// One getter per remaining key, with the default of a missing file or key.
QString productName();
QString versionText();
int disableMacro();
int ledDisable();
int showSleep();
int scrollRev();
int minDelay(); // 1..10000, else 10
int sensor33254();
int colorModeSwitch();
int syncMode();
int frenchIndex();

// Factory settings of a profile, from the description or the built-in set when it is missing.
void makeDefaultProfile(ProfileData& profile);

// Dots per inch of a raw stage value for a sensor model number; unknown models give 0.
int dpiFromRaw(int raw, int sensor);
// True when b - 9 <= a <= b + 9.
bool isNear(int a, int b);

// Process-wide button matrix, loaded with the configuration; device button number per UI button.
ButtonBytes buttonMatrix();
void setButtonMatrix(const ButtonBytes& matrix);
