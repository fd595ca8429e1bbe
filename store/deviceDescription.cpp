// Reading the device description and building factory profiles from it.
#include "store/deviceDescription.h"

#include "store/appContext.h"
#include "store/iniFile.h"
#include "store/sensors.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSettings>
#include <memory>
#include <mutex>

namespace {
std::mutex g_matrixMutex;
ButtonBytes g_matrix = {};

// The description as last read, with what it was read from so a new app dir or a rewritten file
// is read again. A value set in memory stays until the app dir changes.
struct HeldDescription {
    QString path;
    QDateTime modified;
    qint64 size = -1;
    bool pinned = false;
    std::shared_ptr<const DescriptionValues> values;
};
std::mutex g_descriptionMutex;
HeldDescription g_description;

DescriptionValues readDescriptionFile(const QString& path)
{
    DescriptionValues v;
    if (!iniReadable(path))
        return v;
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("PROFILE"));
    v.present = true;
    for (const QString& key : settings.allKeys())
        v.keys.insert(key, settings.value(key));
    return v;
}

std::shared_ptr<const DescriptionValues> openDescription()
{
    const QString path = descriptionPath();
    const QFileInfo info(path);
    std::lock_guard<std::mutex> lock(g_descriptionMutex);
    HeldDescription& held = g_description;
    const bool samePath = held.values && held.path == path;
    if (samePath && (held.pinned || (held.modified == info.lastModified() && held.size == info.size())))
        return held.values;
    held = { path, info.lastModified(), info.size(), false,
        std::make_shared<const DescriptionValues>(readDescriptionFile(path)) };
    return held.values;
}

int intKey(const DescriptionValues* s, const QString& key, int fallback)
{
    if (!s || !s->present || !s->keys.contains(key))
        return fallback;
    return intFromVariant(s->keys.value(key));
}

QVariant valueOf(const DescriptionValues& s, const QString& key)
{
    return s.keys.value(key);
}

int descriptionInt(const char* key, int fallback)
{
    const auto s = openDescription();
    return intKey(s.get(), QLatin1String(key), fallback);
}

QString descriptionString(const char* key)
{
    const auto s = openDescription();
    return s->present ? valueOf(*s, QLatin1String(key)).toString() : QString();
}

QString buttonKey(int i, const char* field)
{
    return QStringLiteral("BUTTON_INFO_%1_%2").arg(i).arg(QLatin1String(field));
}
QString ledKey(int m, const char* field)
{
    return QStringLiteral("LedMode/LED_MODE_%1_%2").arg(m).arg(QLatin1String(field));
}

void readBytes(const DescriptionValues& s, const char* field, ButtonBytes& out)
{
    for (int i = 0; i < DESCRIPTION_BUTTON_COUNT; ++i)
        out[size_t(i)] = quint8(intKey(&s, buttonKey(i, field), 0));
}

int combinedButtonCount(const DescriptionValues* s)
{
    return intKey(s, QStringLiteral("ButtonCount"), 0) ^ intKey(s, QStringLiteral("MouseDpi"), 0);
}

void readDescriptionButton(const DescriptionValues& s, int i, DescriptionButton& b)
{
    b.ID = intKey(&s, buttonKey(i, "ID"), 0);
    b.Fun = intKey(&s, buttonKey(i, "Fun"), 0);
    b.LoopNumber = intKey(&s, buttonKey(i, "LoopNumber"), 0);
    b.KeyNumber = intKey(&s, buttonKey(i, "KeyNumber"), 0);
    b.Res1 = quint8(intKey(&s, buttonKey(i, "Res1"), 0));
    b.Res2 = quint8(intKey(&s, buttonKey(i, "Res2"), 0));
    b.Res3 = quint8(intKey(&s, buttonKey(i, "Res3"), 0));
    b.Res4 = quint8(intKey(&s, buttonKey(i, "Res4"), 0));
}

void fillFromDescription(ProfileData& p, const DeviceDescription& d)
{
    p.pollrate = d.pollrate;
    p.dpi = d.dpi;
    p.LedMode = d.LedMode;
    p.LedMoveOFF = d.LedMoveOFF;
    p.LedSleepTime = 1;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        p.stages[i] = { 1, 1, d.stageValues[i], d.stageValues[i], d.stageValues[i] };
    for (int k = 0; k < DESCRIPTION_BUTTON_COUNT; ++k) {
        const DescriptionButton& src = d.buttons[k];
        ButtonInfo& b = p.buttons[k];
        b.Fun = src.Fun;
        b.LoopNumber = src.LoopNumber;
        b.KeyNumber = src.KeyNumber;
        b.Res1 = src.Res1;
        b.Res2 = src.Res2;
        b.Res3 = src.Res3;
        b.Res4 = src.Res4;
    }
    for (int m = 0; m < LED_MODE_COUNT; ++m)
        p.lighting[m] = { d.lighting[m].RGB, 360, 0, 0, d.lighting[m].bright, d.lighting[m].breath };
}

void fillBuiltInFactorySet(ProfileData& p)
{
    static const quint32 stageValues[DPI_STAGE_COUNT] = { 8, 12, 16, 24, 50, 75, 0, 0 };
    static const qint32 functions[7] = { 1, 2, 3, 4, 5, 4, 5 };
    p.LedMode = 9;
    p.LedMoveOFF = 0;
    p.LedSleepTime = 1;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        p.stages[i] = { 1, 1, stageValues[i], stageValues[i], stageValues[i] };
    for (int k = 0; k < 7; ++k)
        p.buttons[k].Fun = functions[k];
    for (LedModeInfo& led : p.lighting)
        led = { QColor(255, 0, 0), 360, 0, 0, 3, 3 };
    p.lighting[4].breath = 2;
    p.lighting[9].breath = 4;
    p.lighting[10].RGB = QColor(0, 255, 0);
    p.lighting[10].breath = 5;
    p.lighting[12].breath = 1;
}
} // namespace

QString descriptionPath()
{
    return appDir() + QStringLiteral("/DefaultProfile.bin");
}

std::shared_ptr<const DescriptionValues> deviceDescriptionValues()
{
    return openDescription();
}

void setDeviceDescriptionValues(const DescriptionValues& values)
{
    std::lock_guard<std::mutex> lock(g_descriptionMutex);
    g_description = { descriptionPath(), QDateTime(), -1, true, std::make_shared<const DescriptionValues>(values) };
}

int readDeviceDescription(DeviceDescription& description)
{
    const auto s = openDescription();
    if (!s->present)
        return -1;
    DeviceDescription d;
    d.dpi = quint8(intKey(s.get(), QStringLiteral("dpi"), 0));
    d.pollrate = quint8(intKey(s.get(), QStringLiteral("pollrate"), 0));
    d.LedMode = quint8(intKey(s.get(), QStringLiteral("LedMode"), 0));
    d.LedMoveOFF = quint8(intKey(s.get(), QStringLiteral("LedMoveOFF"), 0));
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        d.stageValues[i] = uintFromVariant(valueOf(*s, QStringLiteral("DPI_INFO_%1_xy").arg(i)));
    for (int i = 0; i < DESCRIPTION_BUTTON_COUNT; ++i)
        readDescriptionButton(*s, i, d.buttons[i]);
    for (int m = 0; m < LED_MODE_COUNT; ++m) {
        d.lighting[m].RGB = colourFromVariant(valueOf(*s, ledKey(m, "RGB")));
        d.lighting[m].bright = uintFromVariant(valueOf(*s, ledKey(m, "bright")));
        d.lighting[m].breath = uintFromVariant(valueOf(*s, ledKey(m, "breath")));
    }
    description = d;
    return 0;
}

int readButtonMatrix(ButtonBytes& matrix)
{
    const auto s = openDescription();
    if (!s->present)
        return -1;
    readBytes(*s, "Matrix", matrix);
    return 0;
}

int readButtonRows(ButtonBytes& rows)
{
    const auto s = openDescription();
    if (!s->present)
        return -1;
    readBytes(*s, "Matrix2", rows);
    return combinedButtonCount(s.get());
}

int readSensorDefaults(SensorBytes& sensor)
{
    const auto s = openDescription();
    if (!s->present)
        return -1;
    static const char* const keys[7] = { "lift", "angle", "butondelay", "jitter", "wake", "sensormode", "sync" };
    static const int defaults[7] = { 0, 0, 20, 0, 0, 1, 0 };
    for (size_t i = 0; i < sensor.size(); ++i)
        sensor[i] = quint8(intKey(s.get(), QLatin1String(keys[i]), defaults[i]));
    return 0;
}

int buttonCount()
{
    const auto s = openDescription();
    return combinedButtonCount(s.get());
}

int dpiStageCount()
{
    const auto s = openDescription();
    return intKey(s.get(), QStringLiteral("DPICount"), 0) ^ combinedButtonCount(s.get());
}

int usableButtonCount()
{
    return qBound(0, buttonCount(), DESCRIPTION_BUTTON_COUNT);
}

int usableDpiStageCount()
{
    const int count = dpiStageCount();
    return count >= 1 && count <= DPI_STAGE_COUNT ? count : DPI_STAGE_COUNT;
}

void sleepRange(int& minMinutes, int& maxMinutes)
{
    const auto s = openDescription();
    // The sleep time is one byte on the mouse.
    minMinutes = qBound(0, intKey(s.get(), QStringLiteral("SleepMin"), 1), 255);
    maxMinutes = qBound(minMinutes, intKey(s.get(), QStringLiteral("SleepMax"), 9), 255);
}

void usbIds(int& vid1, int& pid1, int& vid2, int& pid2)
{
    const auto s = openDescription();
    vid1 = intKey(s.get(), QStringLiteral("vid1"), 0x248A);
    pid1 = intKey(s.get(), QStringLiteral("pid1"), 0xFA02);
    vid2 = intKey(s.get(), QStringLiteral("vid2"), 0x248A);
    pid2 = intKey(s.get(), QStringLiteral("pid2"), 0xFB01);
}

QString productName()
{
    return descriptionString("ProductName");
}
QString versionText()
{
    return descriptionString("Version");
}
int disableMacro()
{
    return descriptionInt("DisableMacro", 0);
}
int ledDisable()
{
    return descriptionInt("ledDisable", 0);
}
int showSleep()
{
    return descriptionInt("ShowSleep", 1);
}
int scrollRev()
{
    return descriptionInt("ScrollRev", 0);
}
int minDelay()
{
    // A delay step of 0 or a negative one has no meaning; 10 s is far beyond any mouse.
    const int step = descriptionInt("MinDelay", 10);
    return step >= 1 && step <= 10000 ? step : 10;
}
int sensor33254()
{
    return descriptionInt("33254", 0);
}
int colorModeSwitch()
{
    return descriptionInt("ColorMode", 0);
}
int syncMode()
{
    return descriptionInt("SyncMode", 0);
}
int frenchIndex()
{
    return descriptionInt("french", -1);
}

void makeDefaultProfile(ProfileData& profile)
{
    ProfileData p;
    p.pollrate = 1;
    p.dpi = 1;
    p.LedMode = 1;
    p.mousespeed = 10;
    p.dbclickspeed = 5;
    p.scrollspeed = 1;
    p.accelenable = 1;
    p.acee = 1;
    DeviceDescription d;
    if (readDeviceDescription(d) == 0)
        fillFromDescription(p, d);
    else
        fillBuiltInFactorySet(p);
    p.buttons[40].Fun = ButtonFun::ScrollUp;
    p.buttons[41].Fun = ButtonFun::ScrollDown;
    profile = p;
}

int dpiFromRaw(int raw, int sensor)
{
    return sensorRawToDpi(raw, sensor);
}

bool isNear(int a, int b)
{
    return b - 9 <= a && a <= b + 9;
}

ButtonBytes buttonMatrix()
{
    std::lock_guard<std::mutex> lock(g_matrixMutex);
    return g_matrix;
}

void setButtonMatrix(const ButtonBytes& matrix)
{
    std::lock_guard<std::mutex> lock(g_matrixMutex);
    g_matrix = matrix;
}
