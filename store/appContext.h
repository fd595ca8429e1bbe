// Process-wide values set once at start-up (or by tests) and read everywhere.
#pragma once

#include <QString>

class QObject;

// Application directory: every file is reached as appDir() + a fixed relative path.
QString appDir();
void setAppDir(const QString& dir);

// Display scale factor (1.0 .. 5.0) and the truncating scaler every layout value goes through.
double scaleFactor();
void setScaleFactor(double factor);
int scaled(double value);

int languageIndex();
void setLanguageIndex(int index);

// Index of the language whose key names are the French ones, -1 = none.
int frenchLanguage();
void setFrenchLanguage(int index);

int colorMode();
void setColorMode(int mode);

int batteryFullValue();
void setBatteryFullValue(int millivolts);

int mouseCount();
void setMouseCount(int count);

// Set by the device link when the selected mouse is opened, cleared on removal.
bool mouseConnected();
void setMouseConnected(bool connected);

// The main window, for dialogs that centre on it; null before it exists.
QObject* mainWindowObject();
void setMainWindowObject(QObject* window);
