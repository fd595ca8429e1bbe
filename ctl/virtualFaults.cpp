// Faults of the virtual mouse for one mousecfgctl run, named in MOUSECFG_VIRTUAL_FAULT.
#include "ctl/virtualFaults.h"

#include "device/HidBackend.h"
#include "sim/VirtualMouse.h"

#include <QStringList>

namespace {

bool addFault(const QString& entry, VirtualMouse::Faults& faults)
{
    if (entry == QLatin1String("no-reply")) {
        faults.noReply = true;
        return true;
    }
    if (entry == QLatin1String("zero-replies")) {
        faults.zeroReplies = true;
        return true;
    }
    bool ok = false;
    if (entry.startsWith(QLatin1String("latency=")))
        faults.replyLatencyMs = entry.mid(8).toInt(&ok);
    return ok && faults.replyLatencyMs >= 0;
}

} // namespace

bool applyVirtualFaults(QString* bad)
{
    const QString text = qEnvironmentVariable("MOUSECFG_VIRTUAL_FAULT").trimmed();
    if (text.isEmpty())
        return true;
    const std::shared_ptr<VirtualMouse> mouse = installedVirtualMouse();
    VirtualMouse::Faults faults;
    for (const QString& entry : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!mouse || !addFault(entry.trimmed(), faults)) {
            *bad = entry.trimmed();
            return false;
        }
    }
    mouse->setFaults(faults);
    return true;
}
