// Macro download: the macro-number table, packing macros into 200-byte areas, the CMD_MACROS frames.
#pragma once

#include "device/commandSet.h"

#include <QString>

#include <array>
#include <functional>
#include <map>
#include <vector>

constexpr int MAX_MACRO_NUMBER = 12; // numbers 0..11 are packed
constexpr int MACRO_AREA_SIZE = 200;
constexpr int MACRO_AREA_COUNT = 20;
constexpr int MACRO_MEMORY_SIZE = MACRO_AREA_SIZE * MACRO_AREA_COUNT;
// Events that reach an area (66 whole ones and two bytes of the 67th).
constexpr int MACRO_AREA_EVENTS = (MACRO_AREA_SIZE + 2) / 3;

using MacroArea = std::array<quint8, MACRO_AREA_SIZE>;
using MacroMemory = std::array<quint8, MACRO_MEMORY_SIZE>;
using MacroEvents = std::vector<KeyInfo>;
// Reads the events of a macro file by name; the download uses readMacroEvents.
using MacroReader = std::function<MacroEvents(const QString& name)>;

// --- macro-number table (process-wide, emptied by every button block) ---
void clearMacroNumbers();
int macroNumberFor(const QString& name);
int lookupMacroNumber(const QString& name); // -1 empty table, 255 unknown name
void forgetMacro(const QString& name);
const std::map<int, QString>& macroNumbers();

// Events of Configs/MacroDB/<name>.MSMACRO, all Setting/Count of them except trailing rows the file
// does not hold beyond the first MACRO_AREA_EVENTS; a missing file gives none.
MacroEvents readMacroEvents(const QString& name);

// Whether any event is a delay decides the layout; events beyond the area's 200 bytes are cut.
MacroArea packMacro(const MacroEvents& events);
// Packs every numbered macro bound in the image; forgets each one once packed.
MacroMemory buildMacroMemory(const MouseConfig& image, const MacroReader& reader = readMacroEvents);
// Ten frames for each used area, then the closing frame; nothing when no area is used.
FrameList macroFrames(const MacroMemory& memory);

quint8 sendMacros(const MouseConfig& image, const MacroReader& reader = readMacroEvents);
