// Reads the virtual mouse's block memory back as settings: general block, DPI stages, button slots,
// lighting records, macro areas and the active profile.
#pragma once

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

#include <array>

class VirtualMouse;

struct DecodedGeneral {
    std::array<quint8, 5> scrollLines {};
    std::array<quint8, 5> reportRates {};
    quint8 liftByte = 0; // lift-off setting with the sync flags in its high bits
    quint8 profileId = 0;
    quint8 ledMoveOff = 0;
    quint8 ledSleepTime = 0;
    quint8 debounce = 0;
    quint8 sensorMode = 0; // without the wake bit
    bool wake = false;
    quint8 marker = 0; // the fixed 0x1F
    quint8 dpiStage = 0;
    quint8 effectCode = 0;
};

struct DecodedStage {
    bool used = false;
    std::array<quint8, 4> bytes {}; // as stored: X pair then Y pair (Y first for the 3104 family)
    // Raw stage values for sensors whose register encoding is arithmetic; -1 for table sensors,
    // whose registers are in `bytes`.
    int x = -1;
    int y = -1;
};

struct DecodedLighting {
    quint8 type = 0; // byte 4 of the record
    quint8 red = 0, green = 0, blue = 0;
    quint8 speed = 0;
    quint8 bright = 0;
    std::array<quint8, 8> bytes {};
};

class VirtualMouseDecoder {
public:
    static constexpr int SLOT_COUNT = 24;
    static constexpr int LIGHTING_RECORDS = 10;
    static constexpr int MACRO_AREAS = 20;
    static constexpr int MACRO_AREA_SIZE = 200;

    // sensor: the sensor model the host used, needed to read the DPI registers back.
    VirtualMouseDecoder(const VirtualMouse& mouse, int sensor);

    DecodedGeneral general() const;
    int stageCount() const;
    DecodedStage stage(int index) const;
    std::array<quint8, 4> buttonSlot(int slot) const;
    bool buttonBlockFramed() const; // 0x0A 0x00 header and the 0xFF trailer in place
    DecodedLighting lighting(int record) const;
    QByteArray macroArea(int number) const;
    // Triples of an area up to the first all-zero one: (map, low, high).
    QVector<std::array<quint8, 3>> macroEvents(int number) const;
    int activeProfile() const;

    // Raw stage value of one register pair for the arithmetic sensors; -1 otherwise.
    static int rawFromPair(int sensor, quint8 low, quint8 high);

private:
    const VirtualMouse& m_mouse;
    int m_sensor;
    QByteArray m_general, m_dpi, m_buttons, m_lighting, m_macros;
};
