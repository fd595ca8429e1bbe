// Turns captured key events into macro rows: key codes, auto-repeat, delays and the row limits.
#include "macros/MacroRecorder.h"

#include "platform/KeyboardCapture.h"
#include "store/keyTable.h"

#include <QDebug>
#include <QElapsedTimer>

namespace {

qint64 processMilliseconds()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

struct KeypadKey {
    int scan;
    int code;
};

// Keys that share their scan code with a keypad key: without a flag they are the keypad key.
const KeypadKey kKeypad[] = { { 0x37, 227 }, { 0x47, 235 }, { 0x48, 236 }, { 0x49, 228 }, { 0x4B, 233 }, { 0x4D, 234 },
    { 0x4F, 230 }, { 0x50, 231 }, { 0x51, 232 }, { 0x52, 237 }, { 0x53, 224 } };

// Extended keys with codes of their own.
const KeypadKey kExtended[] = { { 0x1C, 229 }, { 0x1D, 238 }, { 0x35, 226 }, { 0x45, 225 }, { 0x38, 239 } };

} // namespace

MacroRecorder::MacroRecorder(int delayUnit)
    : m_clock(processMilliseconds)
    , m_unit(delayUnit > 0 ? delayUnit : MACRO_DEFAULT_DELAY_UNIT)
{
}

void MacroRecorder::start()
{
    m_hasLast = false;
    m_last = 0;
    m_held.clear();
}

int MacroRecorder::normalizedFlags(int flags)
{
    return flags == KEY_FLAG_ALT ? 0 : flags;
}

int MacroRecorder::keyCode(int scanCode, int flags)
{
    // Only the extended flag tells the keys apart, so a key pressed and released with Alt held
    // in between keeps one code.
    const KeypadKey* begin = (flags & KEY_FLAG_EXTENDED) ? std::begin(kExtended) : std::begin(kKeypad);
    const KeypadKey* end = (flags & KEY_FLAG_EXTENDED) ? std::end(kExtended) : std::end(kKeypad);
    for (const KeypadKey* k = begin; k != end; ++k) {
        if (k->scan == scanCode)
            return k->code;
    }
    return scanCode;
}

QVector<MacroEvent> MacroRecorder::keyEvent(int scanCode, int flags, int rowCount, int delayType, int defaultDelayMs)
{
    const int f = normalizedFlags(flags);
    const int code = keyCode(scanCode, f);
    const bool press = isPress(f);
    qDebug("OnHookKey ret %d %d %d", code, f, int(m_held.contains(code)));

    QVector<MacroEvent> rows;
    if (press && m_held.contains(code))
        return rows;
    const int limit = delayType == DELAY_NONE ? LAST_ROW_WITHOUT_DELAYS : LAST_ROW_WITH_DELAYS;
    quint8 usage = 0;
    if (rowCount > limit || !hidUsageForKey(code, usage))
        return rows;

    const qint64 now = m_clock();
    if (m_hasLast && delayType != DELAY_NONE)
        rows.append(delayRow(now, delayType, defaultDelayMs));
    rows.append(MacroEvent::key(usage, press));
    if (press)
        m_held.insert(code);
    else
        m_held.remove(code);
    m_hasLast = true;
    m_last = now;
    return rows;
}

MacroEvent MacroRecorder::delayRow(qint64 now, int delayType, int defaultDelayMs) const
{
    if (delayType == DELAY_DEFAULT)
        return MacroEvent::delay(defaultDelayMs, m_unit);
    const qint64 elapsed = std::max<qint64>(now - m_last, 0);
    return MacroEvent::delay(std::max<qint64>(elapsed / m_unit * m_unit, m_unit), m_unit);
}

bool MacroRecorder::hasUnreleasedKeys(const QVector<MacroEvent>& rows)
{
    int presses = 0;
    int releases = 0;
    for (const MacroEvent& e : rows) {
        const int type = e.map & 0x7F;
        if (type < 1 || type > 4)
            continue;
        if (e.isPress())
            ++presses;
        else
            ++releases;
    }
    if (presses > releases)
        return true;
    for (const MacroEvent& press : rows) {
        const int type = press.map & 0x7F;
        if (type < 1 || type > 4 || !press.isPress())
            continue;
        const bool released = std::any_of(rows.begin(), rows.end(), [&](const MacroEvent& e) {
            return (e.map & 0x7F) >= 1 && (e.map & 0x7F) <= 4 && !e.isPress() && e.dataL == press.dataL;
        });
        if (!released)
            return true;
    }
    return false;
}
