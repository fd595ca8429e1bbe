// The sensor table: one entry per model with its ranges and conversions.
#include "store/sensors.h"

#include <QStringList>
#include <algorithm>
#include <climits>

namespace {

// Resolution registers by raw stage value; each table starts at its first defined index.
constexpr quint8 SENSOR_A[] = { 0, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27,
    29, 30, 31, 32, 33, 35, 37, 38, 39, 40, 41, 42, 44, 45, 46, 47, 48, 50, 51, 52, 53, 54, 56, 57, 58, 59, 60, 62, 63,
    64, 65, 66, 68, 69, 70, 71, 72, 74, 75, 76, 77, 78, 80, 81, 82, 83, 84, 86, 87, 88, 89, 90, 92, 93, 94, 95, 96, 98,
    99, 100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119, 120, 122, 123, 124, 125,
    126, 128, 129, 130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143 };
constexpr quint8 SENSOR_B[]
    = { 0, 2, 4, 6, 8, 11, 13, 15, 18, 20, 22, 25, 27, 29, 32, 34, 36, 39, 41, 43, 46, 48, 50, 52, 55, 57, 59, 62, 64,
          66, 69, 71, 73, 76, 78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115 };
constexpr quint8 SENSOR_C[] = { 0, 4, 6, 9, 11, 13, 15, 18, 20, 22, 24, 27, 29, 31, 33, 36, 38, 40, 43, 45, 47, 49, 52,
    54, 56, 58, 61, 63, 65, 67, 70, 72, 74, 77, 79, 81, 83, 86, 88, 90, 92, 95, 97, 99, 102, 104, 106, 108, 111, 113,
    115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140 };
constexpr quint8 SENSOR_D[] = { 4, 6, 9, 11, 14, 16, 18, 21, 23, 25, 27, 29, 32, 34, 36, 39, 41, 43, 46, 48, 50, 52, 55,
    57, 59, 62, 64, 66, 69, 72, 74, 77, 78, 81, 84, 85, 88, 91, 93, 95, 98, 100, 102, 105, 107, 109, 112, 114, 116, 119,
    121, 123, 126, 128, 130, 133, 135, 137, 140, 142, 145, 147, 149, 151, 154, 156, 158, 161, 163, 165, 168, 171, 173,
    175, 178, 180, 182, 185, 187 };
// Indexes 121..160 of the fifth table; 1..120 are those of SENSOR_A.
constexpr quint8 SENSOR_E_HIGH[]
    = { 144, 146, 147, 148, 149, 150, 152, 153, 154, 155, 156, 158, 159, 160, 161, 162, 164, 165, 166, 167, 168, 170,
          171, 172, 173, 174, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 188 };

// Looks up index i of a table whose first entry is index `first`; indexes outside it are clamped, so a
// stage value beyond the sensor's range sends the nearest register value instead of reading past the table.
template <size_t N> quint8 tableAt(const quint8 (&table)[N], quint32 first, quint32 i)
{
    return table[std::min<quint32>(std::max(i, first) - first, N - 1)];
}

quint8 sensorA(quint32 i)
{
    return tableAt(SENSOR_A, 1, i);
}
quint8 sensorB(quint32 i)
{
    return tableAt(SENSOR_B, 0, i);
}
quint8 sensorC(quint32 i)
{
    return tableAt(SENSOR_C, 0, i);
}
quint8 sensorD(quint32 i)
{
    return tableAt(SENSOR_D, 2, i);
}
quint8 sensorE(quint32 i)
{
    return i <= 120 ? sensorA(i) : tableAt(SENSOR_E_HIGH, 121, i);
}

quint8 lo(quint32 v)
{
    return quint8(v & 0xFF);
}
quint8 hi(quint32 v)
{
    return quint8((v >> 8) & 0xFF);
}
RegisterPair le16(quint32 v)
{
    return { lo(v), hi(v) };
}
// Large values of some sensors: offset subtracted, bit 0x80 of the high byte marks the range.
RegisterPair flagged16(quint32 v)
{
    return { lo(v), quint8(hi(v) | 0x80) };
}

// --- raw stage value to dots per inch and to register bytes, per sensor family ---

int s3104_raw_to_dpi(int raw)
{
    if (raw > 106)
        return 80 * raw - 4240;
    return raw * 40 == 560 ? 500 : raw * 40;
}
RegisterPair s3104_raw_to_register(quint32 v, bool, quint8)
{
    return v > 106 ? RegisterPair { lo(v - 53), 1 } : RegisterPair { lo(v), 0 };
}

int s3212_raw_to_dpi(int raw)
{
    if (raw > 94) {
        const int dpi = ((raw - 63) * 152 / 10) * 10;
        return dpi == 7290 ? 7200 : dpi;
    }
    if (raw >= 64)
        return ((raw - 32) * 76 / 10) * 10;
    const int dpi = (raw * 38 / 10) * 10;
    switch (dpi) {
    case 790:
        return 800;
    case 1210:
        return 1200;
    case 1630:
        return 1600;
    case 2390:
        return 2400;
    default:
        return dpi;
    }
}
RegisterPair s3212_raw_to_register(quint32 v, bool, quint8)
{
    if (v > 94)
        return { lo(v - 63), 2 };
    return v >= 64 ? RegisterPair { lo(v - 32), 1 } : RegisterPair { lo(v), 0 };
}

int s3311_raw_to_dpi(int raw)
{
    return raw > 120 ? 200 * (raw - 120) + 12000 : 100 * raw;
}
RegisterPair s3311_raw_to_register(quint32 v, bool, quint8)
{
    return v <= 120 ? RegisterPair { sensorA(v), 0 } : RegisterPair { sensorA(v - 60), 1 };
}

int s3325_raw_to_dpi(int raw)
{
    if (raw > 75)
        return 400 * (raw - 75) + 10000;
    return raw > 50 ? 200 * (raw - 50) + 5000 : 100 * raw;
}
RegisterPair s3325_raw_to_register(quint32 v, bool, quint8)
{
    if (v <= 50)
        return { sensorB(v), 0 };
    return v <= 75 ? RegisterPair { sensorB(v - 25), 1 } : RegisterPair { sensorB(v - 50), 2 };
}

int s3327_raw_to_dpi(int raw)
{
    if (raw == 106)
        return 16400;
    if (raw > 92)
        return 300 * (raw - 92) + 12300;
    return raw > 61 ? 200 * (raw - 61) + 6200 : 100 * (raw + 1);
}
RegisterPair s3327_raw_to_register(quint32 v, bool, quint8)
{
    if (v <= 61)
        return { sensorC(v), 0 };
    return v <= 92 ? RegisterPair { sensorC(v - 31), 1 } : RegisterPair { sensorC(v - 52), 4 };
}

int s3333_raw_to_dpi(int raw)
{
    return raw > 80 ? 200 * (raw - 80) + 8000 : 100 * raw;
}
RegisterPair s3333_raw_to_register(quint32 v, bool, quint8)
{
    return v <= 79 ? RegisterPair { sensorD(v), 0 } : RegisterPair { sensorD(v - 40), 1 };
}

int s3335_raw_to_dpi(int raw)
{
    return raw > 160 ? 200 * (raw - 160) + 16000 : 100 * raw;
}
RegisterPair s3335_raw_to_register(quint32 v, bool, quint8)
{
    return v <= 160 ? RegisterPair { sensorE(v), 0 } : RegisterPair { sensorE(v - 80), 1 };
}

RegisterPair s3360_raw_to_register(quint32 v, bool, quint8)
{
    return v > 120 ? RegisterPair { lo(v - 61), 1 } : RegisterPair { lo(v - 1), 0 };
}

int s3370_raw_to_dpi(int raw)
{
    return raw > 200 ? 100 * (raw - 200) + 10000 : 50 * raw;
}
RegisterPair s3370_raw_to_register(quint32 v, bool, quint8)
{
    return v > 200 ? RegisterPair { lo(v - 101), 1 } : RegisterPair { lo(v - 1), 0 };
}

int s3389_raw_to_dpi(int raw)
{
    return raw > 320 ? 100 * (raw - 320) + 16000 : 50 * raw;
}
RegisterPair s3389_raw_to_register(quint32 v, bool, quint8)
{
    return v > 320 ? flagged16(v - 160) : le16(v);
}

int s3395_raw_to_dpi(int raw)
{
    return raw > 519 ? 100 * (raw - 519) + 26000 : 50 * (raw + 1);
}
RegisterPair s3395_raw_to_register(quint32 v, bool, quint8 modeByte)
{
    return le16(modeByte == 8 ? std::min<quint32>(v, 399) : v);
}
RegisterPair s33952_raw_to_register(quint32 v, bool isY, quint8)
{
    return v > (isY ? 520u : 519u) ? flagged16(v - 260) : le16(v);
}

int s3399_raw_to_dpi(int raw)
{
    return raw > 399 ? 100 * (raw - 399) + 20000 : 50 * (raw + 1);
}

// --- DPI-lock registers ---

quint8 lockAsRaw(quint8 raw)
{
    return raw;
}
quint8 lockB(quint8 raw)
{
    return sensorB(raw);
}
quint8 lockC(quint8 raw)
{
    return sensorC(raw);
}
quint8 lockE(quint8 raw)
{
    return sensorE(raw);
}
quint8 lockLessOne(quint8 raw)
{
    return quint8(raw - 1);
}

// Which other range the slider takes, and when.
enum class RangeVariant { None, LongWith33254, ShortForProducts };

struct Sensor {
    int model;
    DpiRange range;
    RangeVariant variant;
    DpiRange variantRange;
    int (*rawToDpi)(int raw);
    RegisterPair (*rawToRegister)(quint32 raw, bool isY, quint8 modeByte); // null: zeros are sent
    quint8 (*lock)(quint8 raw); // null: register 4
    SniperRange sniper;
    bool singleRegister; // X serves both axes
    bool yFirst; // the Y register pair is sent before the X one
};

constexpr SniperRange SNIPER_COMMON = { 1, 10, 1, 10, 3 };
constexpr DpiRange NO_RANGE = {};
constexpr DpiRange LONG_3325 = { 1, 90, 100, 16000, false };

// clang-format off
const Sensor SENSORS[] = {
    { 3104,  { 14, 105, 500, 4200, true },    RangeVariant::None, NO_RANGE, s3104_raw_to_dpi, s3104_raw_to_register,
      lockAsRaw, { 14, 26, 15, 26, 14 }, false, true },
    { 31042, { 14, 158, 500, 8400, true },    RangeVariant::None, NO_RANGE, s3104_raw_to_dpi, s3104_raw_to_register,
      nullptr, SNIPER_COMMON, false, true },
    { 3212,  { 16, 111, 600, 7200, false },   RangeVariant::None, NO_RANGE, s3212_raw_to_dpi, s3212_raw_to_register,
      lockAsRaw, { 16, 32, 17, 32, 16 }, false, false },
    { 3311,  { 1, 120, 100, 12000, false },   RangeVariant::None, NO_RANGE, s3311_raw_to_dpi, s3311_raw_to_register,
      nullptr, SNIPER_COMMON, false, false },
    { 33112, { 1, 180, 100, 24000, false },   RangeVariant::None, NO_RANGE, s3311_raw_to_dpi, s3311_raw_to_register,
      nullptr, SNIPER_COMMON, false, false },
    { 3325,  { 1, 50, 100, 5000, false },     RangeVariant::LongWith33254, LONG_3325, s3325_raw_to_dpi,
      s3325_raw_to_register, lockB, SNIPER_COMMON, false, false },
    { 33252, { 1, 75, 100, 10000, false },    RangeVariant::LongWith33254, LONG_3325, s3325_raw_to_dpi,
      s3325_raw_to_register, nullptr, SNIPER_COMMON, false, false },
    { 3327,  { 1, 106, 200, 16400, false },   RangeVariant::ShortForProducts, { 1, 92, 200, 12400, false },
      s3327_raw_to_dpi, s3327_raw_to_register, lockC, SNIPER_COMMON, false, false },
    { 3333,  { 2, 120, 200, 16000, false },   RangeVariant::None, NO_RANGE, s3333_raw_to_dpi, s3333_raw_to_register,
      nullptr, { 2, 10, 1, 10, 3 }, false, false },
    { 3335,  { 1, 160, 100, 16000, false },   RangeVariant::None, NO_RANGE, s3335_raw_to_dpi, s3335_raw_to_register,
      lockE, SNIPER_COMMON, true, false },
    { 33352, { 1, 240, 100, 32000, false },   RangeVariant::None, NO_RANGE, s3335_raw_to_dpi, s3335_raw_to_register,
      nullptr, SNIPER_COMMON, true, false },
    { 3360,  { 1, 180, 100, 24000, true },    RangeVariant::None, NO_RANGE, s3311_raw_to_dpi, s3360_raw_to_register,
      lockLessOne, SNIPER_COMMON, false, false },
    { 3370,  { 1, 290, 50, 19000, false },    RangeVariant::None, NO_RANGE, s3370_raw_to_dpi, s3370_raw_to_register,
      nullptr, SNIPER_COMMON, false, false },
    { 3389,  { 2, 480, 100, 32000, true },    RangeVariant::None, NO_RANGE, s3389_raw_to_dpi, s3389_raw_to_register,
      lockAsRaw, { 2, 20, 2, 20, 6 }, false, false },
    { 3395,  { 0, 519, 50, 26000, false },    RangeVariant::None, NO_RANGE, s3395_raw_to_dpi, s3395_raw_to_register,
      nullptr, SNIPER_COMMON, false, false },
    { 33952, { 0, 779, 50, 52000, false },    RangeVariant::None, NO_RANGE, s3395_raw_to_dpi, s33952_raw_to_register,
      nullptr, SNIPER_COMMON, false, false },
    // No register encoding is known for this model: its stages are sent as zeros.
    { 3399,  { 0, 599, 50, 40000, true },     RangeVariant::None, NO_RANGE, s3399_raw_to_dpi, nullptr,
      nullptr, SNIPER_COMMON, false, false },
};
// clang-format on

const Sensor* findSensor(int model)
{
    for (const Sensor& s : SENSORS)
        if (s.model == model)
            return &s;
    return nullptr;
}

// Products with the shorter 3327 range.
bool shortRange3327(const QString& product)
{
    static const QStringList products
        = { "K308-RGB", "QUILLS", "7458", "TARMIN3", "VANTIR", "K340-RGB", "NIMBRA2", "ALTESS2", "REGNAR" };
    return products.contains(product);
}

RegisterPair registerPair(const Sensor* s, quint32 raw, bool isY, quint8 modeByte)
{
    return s && s->rawToRegister ? s->rawToRegister(raw, isY, modeByte) : RegisterPair { 0, 0 };
}

} // namespace

bool dpiRangeFor(int sensor, const QString& product, bool has33254, DpiRange& range)
{
    const Sensor* s = findSensor(sensor);
    if (!s)
        return false;
    const bool useVariant = (s->variant == RangeVariant::LongWith33254 && has33254)
        || (s->variant == RangeVariant::ShortForProducts && shortRange3327(product));
    range = useVariant ? s->variantRange : s->range;
    return true;
}

int sensorRawToDpi(int raw, int sensor)
{
    const Sensor* s = findSensor(sensor);
    // Real stage values are below a few thousand; the bound keeps hostile values from overflowing.
    return s ? s->rawToDpi(qBound(-1000000, raw, 1000000)) : 0;
}

int rawForDpi(int dpi, int sensor, const DpiRange& range)
{
    // The conversions are piecewise with rounding exceptions, so the nearest value is searched for;
    // ranges hold fewer than a thousand values.
    int best = range.minimum;
    int bestDistance = INT_MAX;
    for (int raw = range.minimum; raw <= range.maximum; ++raw) {
        const int distance = qAbs(sensorRawToDpi(raw, sensor) - dpi);
        if (distance < bestDistance) {
            best = raw;
            bestDistance = distance;
        }
    }
    return best;
}

StageRegisters stageRegisters(int sensor, quint32 x, quint32 y, quint8 modeByte)
{
    const Sensor* s = findSensor(sensor);
    const RegisterPair px = registerPair(s, x, false, modeByte);
    const RegisterPair py = s && s->singleRegister ? px : registerPair(s, y, true, modeByte);
    if (s && s->yFirst)
        return { py[0], py[1], px[0], px[1] };
    return { px[0], px[1], py[0], py[1] };
}

quint8 lockRegister(int sensor, quint8 raw)
{
    const Sensor* s = findSensor(sensor);
    return s && s->lock ? s->lock(raw) : 4;
}

SniperRange sniperRange(int sensor)
{
    const Sensor* s = findSensor(sensor);
    return s ? s->sniper : SNIPER_COMMON;
}

int displayedDpi(const DpiStage& stage, int sensor)
{
    const Sensor* s = findSensor(sensor);
    const bool xShown = stage.link != 0 || (s && s->singleRegister);
    return sensorRawToDpi(int(xShown ? stage.x : stage.y), sensor);
}
