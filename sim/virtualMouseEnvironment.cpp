// Reading a virtual mouse's faults, noise, state file and frame log from the environment.
#include "sim/virtualMouseEnvironment.h"

#include <QStringList>

namespace {

// Words that set one number; alone: the word may stand alone and then means -1.
struct CounterWord {
    const char* name;
    int VirtualMouseFaults::*field;
    bool alone;
};

const CounterWord COUNTERS[] = {
    { "wrongecho", &VirtualMouseFaults::wrongEchoReads, true },
    { "corrupt", &VirtualMouseFaults::corruptDataEchoes, true },
    { "failwrite", &VirtualMouseFaults::failWrites, true },
    { "drop", &VirtualMouseFaults::dropFrames, true },
    { "unplug", &VirtualMouseFaults::unplugAfterFrames, false },
    { "after", &VirtualMouseFaults::cleanFrames, false },
    { "latency", &VirtualMouseFaults::replyLatencyMs, false },
};

bool parseWord(const QString& key, const QString* value, VirtualMouseSetup* setup)
{
    bool ok = true;
    const int number = value ? value->toInt(&ok) : -1;
    if (!ok)
        return false;
    if (key == QLatin1String("noreply") || key == QLatin1String("zero")) {
        if (value)
            return false;
        (key == QLatin1String("zero") ? setup->faults.zeroReplies : setup->faults.noReply) = true;
        return true;
    }
    if (key == QLatin1String("noise")) {
        setup->noiseIntervalMs = number;
        return value && number > 0;
    }
    for (const CounterWord& word : COUNTERS) {
        if (key == QLatin1String(word.name)) {
            setup->faults.*word.field = number;
            return (value || word.alone) && number >= -1;
        }
    }
    return false;
}

} // namespace

bool parseFaultList(const QString& text, VirtualMouseSetup* setup, QString* error)
{
    for (const QString& item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString word = item.trimmed();
        const int eq = word.indexOf(QLatin1Char('='));
        const QString key = word.left(eq).trimmed().toLower();
        const QString value = eq < 0 ? QString() : word.mid(eq + 1).trimmed();
        if (!word.isEmpty() && !parseWord(key, eq < 0 ? nullptr : &value, setup)) {
            if (error)
                *error = word;
            return false;
        }
    }
    return true;
}

VirtualMouseSetup virtualMouseSetupFromEnvironment()
{
    VirtualMouseSetup setup;
    QString error;
    if (!parseFaultList(qEnvironmentVariable("MOUSECFG_SIM_FAULT"), &setup, &error))
        qWarning("MOUSECFG_SIM_FAULT: \"%s\" is not a fault of the virtual mouse", qPrintable(error));
    setup.statePath = qEnvironmentVariable("MOUSECFG_SIM_STATE");
    setup.frameLog = qEnvironmentVariable("MOUSECFG_FRAME_LOG");
    return setup;
}
