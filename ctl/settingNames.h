// The words mousecfgctl uses for setting values: report rates, sensor modes, lighting effects, keys and
// button functions. Menu entries keep the window's names, turned into command-line words.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A window text as a command-line word: lower case, spaces become '-', "DPI +" becomes "dpi+".
QString commandWord(const char* sourceText);

// Report rate in Hz of a rate code (125 for 8 ... 1000 for 1); 0 for an unknown code.
int rateHz(int code);
// The rate code of a rate in Hz; 0 when the mouse has no such rate.
int rateCode(int hz);
QStringList rateWords();

QStringList sensorModeWords(); // index = SensorMode
QString sensorModeWord(int mode); // "mode N" for a value without a name

// Lighting effects the effect menu offers, in menu order, and their words.
QVector<int> offeredEffects();
QString effectWord(int effect); // "effect-N" for a number without a name
int effectOfWord(const QString& word); // -1 when no offered effect has that word
QStringList effectWords();

// Keys by their English names without spaces ("F5", "PageUp", "Num+"), case-insensitive.
QString keyWord(int keyCode); // empty for a code without a name
int keyOfWord(const QString& word); // 0 when no key with a HID usage has that name

// on|off
bool parseOnOff(const QString& word, bool& on);
