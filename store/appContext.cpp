// Storage of the process-wide values of appContext.h.
#include "store/appContext.h"

#include <atomic>

namespace {
QString g_appDir;
double g_scale = 1.0;
int g_language = 0;
int g_french = -1;
int g_colorMode = 0;
int g_batteryFull = 4200;
std::atomic<int> g_mouseCount { 0 };
std::atomic<bool> g_connected { false };
QObject* g_mainWindow = nullptr;
} // namespace

QString appDir()
{
    return g_appDir;
}
void setAppDir(const QString& dir)
{
    g_appDir = dir;
}

double scaleFactor()
{
    return g_scale;
}
void setScaleFactor(double factor)
{
    g_scale = factor;
}
int scaled(double value)
{
    return int(value * g_scale);
}

int languageIndex()
{
    return g_language;
}
void setLanguageIndex(int index)
{
    g_language = index;
}

int frenchLanguage()
{
    return g_french;
}
void setFrenchLanguage(int index)
{
    g_french = index;
}

int colorMode()
{
    return g_colorMode;
}
void setColorMode(int mode)
{
    g_colorMode = mode;
}

int batteryFullValue()
{
    return g_batteryFull;
}
void setBatteryFullValue(int millivolts)
{
    g_batteryFull = millivolts;
}

int mouseCount()
{
    return g_mouseCount;
}
void setMouseCount(int count)
{
    g_mouseCount = count;
}

bool mouseConnected()
{
    return g_connected;
}
void setMouseConnected(bool connected)
{
    g_connected = connected;
}

QObject* mainWindowObject()
{
    return g_mainWindow;
}
void setMainWindowObject(QObject* window)
{
    g_mainWindow = window;
}
