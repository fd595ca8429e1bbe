// Macro download: numbering bound macros, packing their events into the mouse's macro memory.
#include "device/macroDownload.h"

#include "store/macroFiles.h"

#include <algorithm>

namespace {

std::map<int, QString> g_numbers;

constexpr quint8 DELAY_MAP = 0x06;
const KeyInfo SHORT_DELAY = { DELAY_MAP, 1, 0 };

bool isMacroSlot(const ButtonInfo& button)
{
    return button.Fun == FUN_MACRO || button.Fun == FUN_GUNFILE;
}

// Places triples into an area, dropping whatever lies beyond its 200 bytes.
class AreaWriter {
public:
    explicit AreaWriter(MacroArea& area)
        : m_area(area)
    {
    }
    void put(int position, const KeyInfo& e)
    {
        const quint8 bytes[3] = { e.map, e.L, e.H };
        for (int b = 0; b < 3; ++b) {
            const int at = 3 * position + b;
            if (at >= 0 && at < MACRO_AREA_SIZE)
                m_area[at] = bytes[b];
        }
    }

private:
    MacroArea& m_area;
};

} // namespace

void clearMacroNumbers()
{
    g_numbers.clear();
}

const std::map<int, QString>& macroNumbers()
{
    return g_numbers;
}

int lookupMacroNumber(const QString& name)
{
    if (g_numbers.empty())
        return -1;
    for (const auto& entry : g_numbers)
        if (entry.second == name)
            return entry.first;
    return 255;
}

int macroNumberFor(const QString& name)
{
    const int found = lookupMacroNumber(name);
    if (found >= 0 && found != 255)
        return found;
    const int number = int(g_numbers.size());
    g_numbers[number] = name;
    return number;
}

void forgetMacro(const QString& name)
{
    for (auto it = g_numbers.begin(); it != g_numbers.end(); ++it) {
        if (it->second == name) {
            g_numbers.erase(it);
            return;
        }
    }
}

MacroEvents readMacroEvents(const QString& name)
{
    // Rows past the last stored one read as zeros: they hold no delay and lie beyond the area, so a
    // huge Count need not be walked.
    const int limit = std::max(MACRO_AREA_EVENTS, macroStoredRowEnd(name));
    MacroEvents events;
    for (const MacroEvent& row : readMacroRows(name, limit))
        events.push_back(KeyInfo { row.map, row.dataL, row.dataH });
    return events;
}

MacroArea packMacro(const MacroEvents& events)
{
    MacroArea area {};
    AreaWriter writer(area);
    const int count = int(events.size());
    // A delay anywhere in the macro counts, also one that lies beyond what the area holds.
    const bool hasDelay
        = std::any_of(events.begin(), events.end(), [](const KeyInfo& e) { return e.map == DELAY_MAP; });
    const int placed = std::min(count, MACRO_AREA_EVENTS);
    if (hasDelay) {
        for (int i = 0; i < placed; ++i)
            writer.put(i, events[i]);
        return area;
    }
    // Without delays of its own the macro gets a short pause in every fifth position and after its
    // last event; the pause positions run to one past that final pause.
    const qint64 end = qint64(count) + count / 4;
    for (int p = 4; p <= std::min<qint64>(end + 1, MACRO_AREA_EVENTS); p += 5)
        writer.put(p, SHORT_DELAY);
    for (int i = 0; i < placed; ++i)
        writer.put(i + i / 4, events[i]);
    if (end < MACRO_AREA_EVENTS)
        writer.put(int(end), SHORT_DELAY);
    return area;
}

MacroMemory buildMacroMemory(const MouseConfig& image, const MacroReader& reader)
{
    MacroMemory memory {};
    for (const ProfileData& profile : image.profiles) {
        for (const ButtonInfo& button : profile.buttons) {
            if (!isMacroSlot(button))
                continue;
            const int number = lookupMacroNumber(button.macroname);
            if (number < 0 || number == 255)
                continue;
            if (number >= MAX_MACRO_NUMBER) {
                qDebug("iIndex>=MAX_MACRO_NUMBER_560");
                continue;
            }
            const MacroArea area = packMacro(reader(button.macroname));
            std::copy(area.begin(), area.end(), memory.begin() + number * MACRO_AREA_SIZE);
            // Packed once per download even when several buttons carry it.
            forgetMacro(button.macroname);
        }
    }
    return memory;
}

FrameList macroFrames(const MacroMemory& memory)
{
    constexpr int FRAME_BYTES = 20;
    FrameList frames;
    for (int n = 0; n < MACRO_AREA_COUNT; ++n) {
        const quint8* area = memory.data() + n * MACRO_AREA_SIZE;
        if (std::all_of(area, area + 5, [](quint8 b) { return b == 0; }))
            continue;
        for (int j = 0; j < MACRO_AREA_SIZE / FRAME_BYTES; ++j) {
            const int address = n * MACRO_AREA_SIZE + j * FRAME_BYTES;
            const quint8 tag = (n == 0 && j == 0) ? SEQ_FIRST : SEQ_NEXT;
            frames.push_back(makeFrame(
                CMD_MACROS, quint8(address & 0xFF), quint8(address >> 8), FRAME_BYTES, tag, area + j * FRAME_BYTES));
        }
    }
    if (!frames.empty())
        frames.push_back(closingFrame(CMD_MACROS));
    return frames;
}

quint8 sendMacros(const MouseConfig& image, const MacroReader& reader)
{
    return sendFrames(macroFrames(buildMacroMemory(image, reader)));
}
