// Button functions as mousecfgctl words: "left", "dpi+", "key:F5", "combo:ctrl+shift+s",
// "fire:left:times=3:delay=10", "macro:NAME:loops=2" (or ":while-held", ":until-pressed").
#pragma once

#include "store/MouseConfig.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One button the window's button page shows: its name on the command line and its slot.
struct ButtonTarget {
    QString name; // "1", "2", ... in the order of the visible rows, then "wheel-up", "wheel-down"
    int slot;
};
QVector<ButtonTarget> buttonTargets();
// -1 when no shown button has that name.
int slotOfButton(const QString& name);

// The word of a button's function.
QString functionWord(const ButtonInfo& button);
// Plain words and the forms with arguments a slot's menu offers.
QStringList functionWordsFor(int slot);
// Gives the slot of profile the function of word, as choosing it in the slot's menu does. Returns
// an empty string, or why the word was refused (the profile is then unchanged).
QString applyFunctionWord(const QString& word, int slot, ProfileData& profile);
