// Pointer speed through GNOME's gsettings key; other desktops get the neutral default.
#include "platform/PointerSpeed.h"

#include "platform/Launcher.h"

#include <QProcess>
#include <QStringList>
#include <QtGlobal>
#include <cmath>

namespace PointerSpeed {

namespace {

const char* const kSchema = "org.gnome.desktop.peripherals.mouse";
const char* const kKey = "speed";

bool gnomeLike()
{
    const QString desktop = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")).toLower();
    for (const QString& name : desktop.split(':', Qt::SkipEmptyParts)) {
        if (name == "gnome" || name == "unity" || name == "budgie" || name == "ubuntu" || name == "pantheon")
            return Launcher::isAvailable("gsettings");
    }
    return false;
}

} // namespace

double toGnome(int speed)
{
    const int s = qBound(MIN_SPEED, speed, MAX_SPEED);
    // 1 -> -1, 10 -> 0, 20 -> 1: two linear halves around the default.
    if (s <= DEFAULT_SPEED)
        return double(s - DEFAULT_SPEED) / double(DEFAULT_SPEED - MIN_SPEED);
    return double(s - DEFAULT_SPEED) / double(MAX_SPEED - DEFAULT_SPEED);
}

int fromGnome(double value)
{
    if (!std::isfinite(value))
        return DEFAULT_SPEED;
    const double v = qBound(-1.0, value, 1.0);
    const double span = v < 0 ? DEFAULT_SPEED - MIN_SPEED : MAX_SPEED - DEFAULT_SPEED;
    return qBound(MIN_SPEED, int(std::lround(DEFAULT_SPEED + v * span)), MAX_SPEED);
}

int get()
{
    if (!gnomeLike())
        return DEFAULT_SPEED;
    QProcess process;
    process.start("gsettings", { "get", kSchema, kKey });
    if (!process.waitForFinished(1000) || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(200);
        return DEFAULT_SPEED;
    }
    bool ok = false;
    const double value = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? fromGnome(value) : DEFAULT_SPEED;
}

void set(int speed)
{
    if (!gnomeLike())
        return;
    Launcher::startDetached("gsettings", { "set", kSchema, kKey, QString::number(toGnome(speed), 'f', 3) });
}

} // namespace PointerSpeed
