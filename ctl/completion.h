// The hidden command the bash completion asks for words that depend on the installation.
#pragma once

#include <QStringList>

constexpr const char* COMPLETE_COMMAND = "__complete";
// mousecfgctl __complete settings|functions|wheel-functions|effects|buttons|keys|macros: one word a line.
int runComplete(const QStringList& arguments);
