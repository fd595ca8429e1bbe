// Turns captured key events into macro rows: key codes, auto-repeat, delays and the row limits.
#pragma once

#include "store/macroFiles.h"

#include <QSet>
#include <QVector>

#include <functional>

class MacroRecorder {
public:
    // Milliseconds of a monotonic clock; tests set their own.
    using Clock = std::function<qint64()>;

    explicit MacroRecorder(int delayUnit = MACRO_DEFAULT_DELAY_UNIT);

    void setClock(Clock clock) { m_clock = std::move(clock); }

    // A new recording: no previous event, no key held.
    void start();

    // Rows to append for one key event (scan code and hook flags) when the table holds
    // `rowCount` rows: nothing (repeat, row limit, key without a HID usage), the key row, or a
    // delay row and the key row.
    QVector<MacroEvent> keyEvent(int scanCode, int flags, int rowCount, int delayType, int defaultDelayMs);

    // The program's key code of a scan code with the hook's flags (extended and keypad keys
    // have codes of their own).
    static int keyCode(int scanCode, int flags);
    // A key-down whose only flag is Alt held counts as flagless.
    static int normalizedFlags(int flags);
    // The key-up flag decides; other flags (extended, Alt held) do not make a press a release.
    static bool isPress(int flags) { return (flags & 0x80) == 0; }
    // True when more presses than releases are recorded, or a press has no release of its key.
    static bool hasUnreleasedKeys(const QVector<MacroEvent>& rows);

    // Largest table sizes at which one more event is still taken.
    static constexpr int LAST_ROW_WITH_DELAYS = 61;
    static constexpr int LAST_ROW_WITHOUT_DELAYS = 39;

private:
    MacroEvent delayRow(qint64 now, int delayType, int defaultDelayMs) const;

    Clock m_clock;
    int m_unit;
    bool m_hasLast = false;
    qint64 m_last = 0;
    QSet<int> m_held;
};
