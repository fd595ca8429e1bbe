// The key names of the configuration in one place: one walk over the fields serves reading and
// writing, so the two can never disagree on a key.
#pragma once

#include "store/MouseConfig.h"
#include "store/iniFile.h"

#include <QSettings>

// Writes each visited field into the current group of a settings object (QSettings or IniText).
template <typename Settings> struct IniWriter {
    Settings& s;
    void u8(const QString& key, quint8 v) { s.setValue(key, uint(v)); }
    void i32(const QString& key, qint32 v) { s.setValue(key, v); }
    void u32(const QString& key, quint32 v) { s.setValue(key, v); }
    void text(const QString& key, const QString& v) { s.setValue(key, v); }
    void colour(const QString& key, const QColor& v) { s.setValue(key, v); }
};

// Reads each visited field; a missing or malformed key gives 0, an empty text or an invalid colour.
template <typename Settings> struct IniReader {
    const Settings& s;
    void u8(const QString& key, quint8& v) { v = quint8(intFromVariant(s.value(key))); }
    void i32(const QString& key, qint32& v) { v = intFromVariant(s.value(key)); }
    void u32(const QString& key, quint32& v) { v = uintFromVariant(s.value(key)); }
    void text(const QString& key, QString& v) { v = s.value(key).toString(); }
    void colour(const QString& key, QColor& v) { v = colourFromVariant(s.value(key)); }
};

template <typename Settings> IniWriter(Settings&) -> IniWriter<Settings>;
template <typename Settings> IniReader(const Settings&) -> IniReader<Settings>;

inline QString indexedKey(const char* prefix, int i, const char* suffix)
{
    return QLatin1String(prefix) + QString::number(i) + QLatin1String(suffix);
}

// The nine sensor keys of group Config (ProfileID first, Count last).
template <typename Config, typename Visitor> void visitSensorKeys(Config& c, Visitor& v)
{
    v.u8(QStringLiteral("ProfileID"), c.ProfileID);
    v.u8(QStringLiteral("AngleValue"), c.AngleValue);
    v.u8(QStringLiteral("LiftHigh"), c.LiftHigh);
    v.u8(QStringLiteral("Sync"), c.Sync);
    v.u8(QStringLiteral("Jitter"), c.Jitter);
    v.u8(QStringLiteral("Debounce"), c.Debounce);
    v.u8(QStringLiteral("Wake"), c.Wake);
    v.u8(QStringLiteral("SensorMode"), c.SensorMode);
    v.u8(QStringLiteral("Count"), c.Count);
}

template <typename Button, typename Visitor> void visitButton(Button& b, int k, Visitor& v)
{
    const QString base = indexedKey("BUTTON_INFO_", k, "_");
    v.i32(base + QLatin1String("ID"), b.ID);
    v.i32(base + QLatin1String("Fun"), b.Fun);
    v.i32(base + QLatin1String("LoopNumber"), b.LoopNumber);
    v.i32(base + QLatin1String("KeyNumber"), b.KeyNumber);
    v.u8(base + QLatin1String("Res1"), b.Res1);
    v.u8(base + QLatin1String("Res2"), b.Res2);
    v.u8(base + QLatin1String("Res3"), b.Res3);
    v.u8(base + QLatin1String("Res4"), b.Res4);
    v.text(base + QLatin1String("macroname"), b.macroname);
    for (int j = 0; j < KEYINFO_COUNT; ++j) {
        const QString entry = base + indexedKey("KeyInfo_", j, "_");
        v.u8(entry + QLatin1String("map"), b.keyInfo[j].map);
        v.u8(entry, b.keyInfo[j].L);
        v.u8(entry + QLatin1String("H"), b.keyInfo[j].H);
    }
}

// Every key of one profile in file order. withSleep = false leaves out LedMoveOFF and LedSleepTime,
// which configuration files do not carry.
template <typename Profile, typename Visitor> void visitProfileKeys(Profile& p, Visitor& v, bool withSleep = true)
{
    v.u8(QStringLiteral("pollrate"), p.pollrate);
    v.u8(QStringLiteral("dpi"), p.dpi);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        const QString base = indexedKey("DPI_INFO_", i, "_");
        v.u8(base + QLatin1String("used"), p.stages[i].used);
        v.u8(base + QLatin1String("link"), p.stages[i].link);
        v.u32(base + QLatin1String("xy"), p.stages[i].xy);
        v.u32(base + QLatin1String("x"), p.stages[i].x);
        v.u32(base + QLatin1String("y"), p.stages[i].y);
    }
    v.u8(QStringLiteral("mousespeed"), p.mousespeed);
    v.u8(QStringLiteral("dbclickspeed"), p.dbclickspeed);
    v.u8(QStringLiteral("scrollispage"), p.scrollispage);
    v.u8(QStringLiteral("scrollspeed"), p.scrollspeed);
    v.u8(QStringLiteral("accelenable"), p.accelenable);
    v.u8(QStringLiteral("acee"), p.acee);
    for (int k = 0; k < BUTTON_SLOT_COUNT; ++k)
        visitButton(p.buttons[k], k, v);
    v.text(QStringLiteral("ProfileName"), p.ProfileName);
    v.text(QStringLiteral("ProfilePath"), p.ProfilePath);
    v.u8(QStringLiteral("LedMode"), p.LedMode);
    if (withSleep) {
        v.u8(QStringLiteral("LedMoveOFF"), p.LedMoveOFF);
        v.u8(QStringLiteral("LedSleepTime"), p.LedSleepTime);
    }
    for (int m = 0; m < LED_MODE_COUNT; ++m) {
        const QString base = indexedKey("LedMode/LED_MODE_", m, "_");
        v.colour(base + QLatin1String("RGB"), p.lighting[m].RGB);
        v.u32(base + QLatin1String("h"), p.lighting[m].h);
        v.u32(base + QLatin1String("s"), p.lighting[m].s);
        v.u32(base + QLatin1String("v"), p.lighting[m].v);
        v.u32(base + QLatin1String("bright"), p.lighting[m].bright);
        v.u32(base + QLatin1String("breath"), p.lighting[m].breath);
    }
}
