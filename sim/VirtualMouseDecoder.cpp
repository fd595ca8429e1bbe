// Decoding of the virtual mouse's block memory into readable settings.
#include "sim/VirtualMouseDecoder.h"

#include "sim/VirtualMouse.h"

namespace {

quint8 at(const QByteArray& block, int i)
{
    return i >= 0 && i < block.size() ? quint8(block[i]) : 0;
}

int le16(quint8 low, quint8 high)
{
    return low | (high << 8);
}

} // namespace

VirtualMouseDecoder::VirtualMouseDecoder(const VirtualMouse& mouse, int sensor)
    : m_mouse(mouse)
    , m_sensor(sensor)
    , m_general(mouse.memory(0x01))
    , m_dpi(mouse.memory(0x02))
    , m_buttons(mouse.memory(0x03))
    , m_lighting(mouse.memory(0x04))
    , m_macros(mouse.memory(0x05))
{
}

DecodedGeneral VirtualMouseDecoder::general() const
{
    DecodedGeneral g;
    for (int i = 0; i < 5; ++i) {
        g.scrollLines[i] = at(m_general, i);
        g.reportRates[i] = at(m_general, 11 + i);
    }
    g.liftByte = at(m_general, 5);
    g.profileId = at(m_general, 6);
    g.ledMoveOff = at(m_general, 7);
    g.ledSleepTime = at(m_general, 8);
    g.debounce = at(m_general, 9);
    g.sensorMode = at(m_general, 10) & 0x7F;
    g.wake = (at(m_general, 10) & 0x80) != 0;
    g.marker = at(m_general, 16);
    g.dpiStage = at(m_general, 17);
    g.effectCode = at(m_general, 18);
    return g;
}

int VirtualMouseDecoder::stageCount() const
{
    return at(m_dpi, 0);
}

int VirtualMouseDecoder::rawFromPair(int sensor, quint8 low, quint8 high)
{
    switch (sensor) {
    case 3104:
    case 31042:
        return high == 1 ? low + 53 : low;
    case 3212:
        return high == 2 ? low + 63 : high == 1 ? low + 32 : low;
    case 3360:
        return high == 1 ? low + 61 : low + 1;
    case 3370:
        return high == 1 ? low + 101 : low + 1;
    case 3389:
        return (high & 0x80) ? le16(low, high & 0x7F) + 160 : le16(low, high);
    case 3395:
        return le16(low, high);
    case 33952:
        return (high & 0x80) ? le16(low, high & 0x7F) + 260 : le16(low, high);
    default:
        return -1;
    }
}

DecodedStage VirtualMouseDecoder::stage(int index) const
{
    DecodedStage s;
    const int base = 5 * index + 1;
    s.used = at(m_dpi, base) != 0;
    for (int i = 0; i < 4; ++i)
        s.bytes[i] = at(m_dpi, base + 1 + i);
    const bool yFirst = m_sensor == 3104 || m_sensor == 31042;
    const int xAt = yFirst ? 2 : 0;
    const int yAt = yFirst ? 0 : 2;
    s.x = rawFromPair(m_sensor, s.bytes[xAt], s.bytes[xAt + 1]);
    s.y = rawFromPair(m_sensor, s.bytes[yAt], s.bytes[yAt + 1]);
    return s;
}

std::array<quint8, 4> VirtualMouseDecoder::buttonSlot(int slot) const
{
    std::array<quint8, 4> bytes {};
    for (int i = 0; i < 4; ++i)
        bytes[i] = at(m_buttons, 2 + 4 * slot + i);
    return bytes;
}

bool VirtualMouseDecoder::buttonBlockFramed() const
{
    return at(m_buttons, 0) == 0x0A && at(m_buttons, 1) == 0x00 && at(m_buttons, 98) == 0xFF
        && at(m_buttons, 99) == 0xFF && at(m_buttons, 100) == 0xFF && at(m_buttons, 101) == 0xFF;
}

DecodedLighting VirtualMouseDecoder::lighting(int record) const
{
    DecodedLighting l;
    for (int i = 0; i < 8; ++i)
        l.bytes[i] = at(m_lighting, 8 * record + i);
    l.red = l.bytes[1];
    l.green = l.bytes[2];
    l.blue = l.bytes[3];
    l.type = l.bytes[4];
    l.speed = l.bytes[5];
    // Records 1..4 keep the brightness last except record 2, whose last byte is fixed.
    l.bright = record == 2 ? 0 : l.bytes[7];
    return l;
}

QByteArray VirtualMouseDecoder::macroArea(int number) const
{
    return m_macros.mid(number * MACRO_AREA_SIZE, MACRO_AREA_SIZE);
}

QVector<std::array<quint8, 3>> VirtualMouseDecoder::macroEvents(int number) const
{
    QVector<std::array<quint8, 3>> events;
    const QByteArray area = macroArea(number);
    for (int i = 0; i + 2 < area.size(); i += 3) {
        const std::array<quint8, 3> e = { quint8(area[i]), quint8(area[i + 1]), quint8(area[i + 2]) };
        if (e[0] == 0 && e[1] == 0 && e[2] == 0)
            break;
        events.append(e);
    }
    return events;
}

int VirtualMouseDecoder::activeProfile() const
{
    return m_mouse.activeProfile();
}
