// Device table, enumeration match, the four handles and the hot-plug sequences.
#include "device/hidDevices.h"

#include "device/DeviceEvents.h"
#include "device/KroGetBatteryThread.h"
#include "platform/DeviceWatcher.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/iniFile.h"
#include "store/settings.h"

#include <QDebug>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>

#include <cstring>

DeviceEntry deviceTable[DEVICE_TABLE_ROWS];
HidHandle* dongleMouse = nullptr;
HidHandle* dongleControl = nullptr;
HidHandle* cableMouse = nullptr;
HidHandle* cableControl = nullptr;
quint32 cableRelease = 0;

namespace {

HandleState g_states[4] = { HandleState::Closed, HandleState::Closed, HandleState::Closed, HandleState::Closed };

// One way to the mouse (receiver or cable) within a row.
struct Side {
    quint32* mouseFlag;
    quint32* controlFlag;
    char* mousePath;
    char* controlPath;
    quint32 relMin;
    quint32 relMax;
};

Side dongleSide(DeviceEntry& row)
{
    return { &row.present1, &row.present2, row.path1, row.path2, row.relMin1, row.relMax1 };
}

Side cableSide(DeviceEntry& row)
{
    return { &row.present3, &row.present4, row.path3, row.path4, row.relMin2, row.relMax2 };
}

bool releasePasses(quint32 release, quint32 relMin, quint32 relMax)
{
    return relMax == 0 || (release >= relMin && release <= relMax);
}

// On Windows each collection has its own path and the control one carries "col04"; on Linux all
// collections of an interface share one hidraw node, so the usage pair alone decides.
bool pathMayBeControlCollection(const QByteArray& path)
{
#ifdef Q_OS_WIN
    return path.contains("col04");
#else
    Q_UNUSED(path);
    return true;
#endif
}

// Copies a path into a table slot; a path that does not fit is refused, never cut.
bool storePath(char* slot, const QByteArray& path)
{
    if (path.size() > DEVICE_PATH_SIZE - 1) {
        qDebug() << "device path too long, collection skipped:" << path.left(64) << "...";
        return false;
    }
    std::memcpy(slot, path.constData(), size_t(path.size()));
    slot[path.size()] = '\0';
    return true;
}

void matchCollection(char* slot, quint32* flag, const HidDeviceInfo& info, int number)
{
    if (!storePath(slot, info.path))
        return;
    qDebug("%d %s\n", number, info.path.constData());
    *flag = 1;
}

void matchEntry(DeviceEntry& row, const HidDeviceInfo& info)
{
    if (info.vendorId == row.vid1 && info.productId == row.pid1
        && releasePasses(info.releaseNumber, row.relMin1, row.relMax1)) {
        if (info.usage == row.usage1 && info.usagePage == row.usagePage1)
            matchCollection(row.path1, &row.present1, info, 1);
        if (info.usage == row.usage2 && info.usagePage == row.usagePage2 && pathMayBeControlCollection(info.path))
            matchCollection(row.path2, &row.present2, info, 2);
    }
    if (info.vendorId == row.vid2 && info.productId == row.pid2
        && releasePasses(info.releaseNumber, row.relMin2, row.relMax2)) {
        if (info.usage == row.usage3 && info.usagePage == row.usagePage3)
            matchCollection(row.path3, &row.present3, info, 3);
        if (info.usage == row.usage4 && info.usagePage == row.usagePage4) {
            matchCollection(row.path4, &row.present4, info, 4);
            if (row.present4)
                cableRelease = info.releaseNumber;
        }
    }
}

HidHandle* openCollection(const char* path, int collection, int onlyReportId)
{
    HidOpenError error = HidOpenError::None;
    HidHandle* handle = hidOpenPath(QByteArray(path), onlyReportId, &error);
    g_states[collection - 1] = handle             ? HandleState::Open
        : error == HidOpenError::PermissionDenied ? HandleState::PermissionDenied
                                                  : HandleState::OpenFailed;
    if (!handle)
        qDebug() << "cannot open HID collection" << collection << path;
    return handle;
}

// Replaces a handle, closing what it held (a second open must not leak the first).
void reopenInto(HidHandle*& handle, const char* path, int collection, int onlyReportId)
{
    if (handle)
        hidClose(handle);
    handle = openCollection(path, collection, onlyReportId);
}

void closeHandle(HidHandle*& handle, int collection)
{
    if (handle)
        hidClose(handle);
    handle = nullptr;
    g_states[collection - 1] = HandleState::Closed;
}

QString mouseListName()
{
    if (!iniReadable(configIniPath()))
        return QString();
    QSettings settings(configIniPath(), QSettings::IniFormat);
    return settings.value(QStringLiteral("Mouse_List/0")).toString();
}

bool isCurrentProduct(const DeviceEntry& row)
{
    return QString::fromUtf8(row.name) == currentProductName();
}

void reopenHandles(DeviceEvents& events, int pauseMs)
{
    events.stopPoller();
    closeDevices();
    if (pauseMs > 0)
        events.pause(pauseMs);
    openDevicesByName(currentProductName());
    events.startPoller();
}

void recountMice()
{
    setMouseCount(countPresentMice());
}

// Arrival on one side of a row. Returns true when a collection that was absent arrived.
bool collectionArrived(Side side, const QByteArray& path, int kind, int countBefore, DeviceEvents& events)
{
    bool arrived = false;
    if (releasePasses(hid_get_release_number(path.constData()), side.relMin, side.relMax)) {
        char* slot = kind == KIND_MOUSE ? side.mousePath : kind == KIND_CONTROL ? side.controlPath : nullptr;
        quint32* flag = kind == KIND_MOUSE ? side.mouseFlag : kind == KIND_CONTROL ? side.controlFlag : nullptr;
        if (slot && storePath(slot, path)) {
            arrived = *flag == 0;
            *flag = 1;
        }
    }
    if (*side.mouseFlag && *side.controlFlag) {
        recountMice();
        events.rebuildDeviceMenu();
        if (countBefore != 0)
            reopenHandles(events, 0);
        else
            events.scheduleWarnClose();
    }
    return arrived;
}

// Removal on one side of a row. Returns false when the row is to be skipped; sets reopened when
// the handles were reopened here.
bool collectionRemoved(DeviceEntry& row, Side side, int kind, DeviceEvents& events, bool* reopened)
{
    quint32* flag = kind == KIND_MOUSE ? side.mouseFlag : kind == KIND_CONTROL ? side.controlFlag : nullptr;
    if (flag) {
        if (*flag == 0)
            return false;
        *flag = 0;
    }
    if (row.present1 || row.present2 || row.present3 || row.present4)
        return true;
    recountMice();
    if (mouseCount() > 0) {
        events.rebuildDeviceMenu();
        if (isCurrentProduct(row)) {
            reopenHandles(events, 0);
            events.reloadConfiguration();
            *reopened = true;
        }
    } else {
        events.stopPoller();
        closeDevices();
        setMouseConnected(false);
        events.scheduleWarning();
    }
    return true;
}

} // namespace

HandleState handleState(int collection)
{
    return collection >= 1 && collection <= 4 ? g_states[collection - 1] : HandleState::Closed;
}

bool accessDenied()
{
    for (HandleState state : g_states) {
        if (state == HandleState::PermissionDenied)
            return true;
    }
    return false;
}

UsbIds readUsbIds()
{
    int vid1 = 0, pid1 = 0, vid2 = 0, pid2 = 0;
    usbIds(vid1, pid1, vid2, pid2);
    UsbIds ids;
    ids.vid1 = quint32(vid1);
    ids.pid1 = quint32(pid1);
    ids.vid2 = quint32(vid2);
    ids.pid2 = quint32(pid2);
    return ids;
}

void buildDeviceTable()
{
    std::memset(deviceTable, 0, sizeof(deviceTable));
    DeviceEntry& row = deviceTable[0];
    const UsbIds ids = readUsbIds();
    row.vid1 = ids.vid1;
    row.pid1 = ids.pid1;
    row.vid2 = ids.vid2;
    row.pid2 = ids.pid2;
    row.usage1 = 2;
    row.usagePage1 = 1;
    row.usage2 = 0;
    row.usagePage2 = 1;
    row.usage3 = 2;
    row.usagePage3 = 1;
    row.usage4 = 0;
    row.usagePage4 = 1;
    const QByteArray name = mouseListName().toUtf8().left(DEVICE_NAME_SIZE - 1);
    std::memcpy(row.name, name.constData(), size_t(name.size()));
}

int enumerateDevices()
{
    if (hidInit() != 0)
        return -1;
    for (const HidDeviceInfo& info : hidEnumerate(0, 0)) {
        if (info.vendorId == 0x04D9) {
            qDebug("Device Found\n  type: %x %x\n  path: %s\n  serial_number: %s\n usge %x uu %x", info.vendorId,
                info.productId, info.path.constData(), qPrintable(info.serialNumber), info.usage, info.usagePage);
        }
        for (DeviceEntry& row : deviceTable)
            matchEntry(row, info);
    }
    return 0;
}

void openDevicesByName(const QString& name)
{
    // Reopening closes the handles a running poller may be reading: hold it stopped meanwhile.
    const bool pollerWasRunning = batteryPollerRunning();
    BatteryPollerHold hold;
    if (pollerWasRunning)
        hold.restartAtEnd();
    if (hidInit() != 0)
        return;
    for (DeviceEntry& row : deviceTable) {
        if (QString::fromUtf8(row.name) != name)
            continue;
        if (row.present1 == 1 && row.present2 == 1) {
            reopenInto(dongleMouse, row.path1, 1, -1);
            reopenInto(dongleControl, row.path2, 2, CONTROL_REPORT_ID);
        }
        if (row.present3 == 1 && row.present4 == 1) {
            reopenInto(cableMouse, row.path3, 3, -1);
            reopenInto(cableControl, row.path4, 4, CONTROL_REPORT_ID);
        }
    }
}

void closeDevices()
{
    // No poller may be reading a handle while it is closed.
    BatteryPollerHold hold;
    closeHandle(dongleMouse, 1);
    closeHandle(dongleControl, 2);
    closeHandle(cableMouse, 3);
    closeHandle(cableControl, 4);
}

void shutdownHid()
{
    hidExit();
}

int countPresentMice()
{
    int count = 0;
    for (const DeviceEntry& row : deviceTable) {
        if ((row.present1 && row.present2) || (row.present3 && row.present4))
            ++count;
    }
    return count;
}

HidHandle* controlHandle()
{
    return cableControl ? cableControl : dongleControl;
}

int classifyInterfacePath(const QString& path, quint16* vid, quint16* pid)
{
    static const struct {
        QRegularExpression pattern;
        int kind;
    } patterns[] = {
        { QRegularExpression(
              R"(HID#VID_(?<vid>\w{4})&PID_(?<pid>\w{4})&col01)", QRegularExpression::CaseInsensitiveOption),
            KIND_MOUSE },
        { QRegularExpression(
              R"(HID#VID_(?<vid>\w{4})&PID_(?<pid>\w{4})&col04)", QRegularExpression::CaseInsensitiveOption),
            KIND_CONTROL },
        { QRegularExpression(
              R"(HID#VID_(?<vid>\w{4})&PID_(?<pid>\w{4})&MI_00&col01)", QRegularExpression::CaseInsensitiveOption),
            KIND_MOUSE },
        { QRegularExpression(
              R"(HID#VID_(?<vid>\w{4})&PID_(?<pid>\w{4})&MI_00&col04)", QRegularExpression::CaseInsensitiveOption),
            KIND_CONTROL },
    };
    *vid = 0;
    *pid = 0;
    for (const auto& p : patterns) {
        const QRegularExpressionMatch match = p.pattern.match(path);
        if (!match.hasMatch())
            continue;
        *vid = quint16(match.captured(QStringLiteral("vid")).toUInt(nullptr, 16));
        *pid = quint16(match.captured(QStringLiteral("pid")).toUInt(nullptr, 16));
        return p.kind;
    }
    return KIND_NONE;
}

void onDeviceChange(const QString& path, bool arrived, DeviceEvents& events)
{
    quint16 vid = 0;
    quint16 pid = 0;
    const int kind = classifyInterfacePath(path, &vid, &pid);
    onCollectionChange("\\\\?\\" + path.toLatin1(), vid, pid, kind, arrived, events);
}

void onCollectionChange(const QByteArray& path, quint16 vid, quint16 pid, int kind, bool arrived, DeviceEvents& events)
{
    const int countBefore = mouseCount();
    bool anyArrived = false;
    for (DeviceEntry& row : deviceTable) {
        const bool dongle = row.vid1 == vid && row.pid1 == pid;
        if (!dongle && !(row.vid2 == vid && row.pid2 == pid))
            continue;
        const Side side = dongle ? dongleSide(row) : cableSide(row);
        bool reopened = false;
        if (arrived)
            anyArrived = collectionArrived(side, path, kind, countBefore, events) || anyArrived;
        else if (!collectionRemoved(row, side, kind, events, &reopened))
            continue;
        if (!reopened && isCurrentProduct(row) && (*side.mouseFlag || *side.controlFlag))
            reopenHandles(events, 500);
    }
    if (anyArrived)
        setDiffFlag(1);
    events.refreshConnection();
    events.stopPoller();
    events.startPoller();
}

void onHidrawChange(const QByteArray& node, quint16 vid, quint16 pid, bool arrived, DeviceEvents& events)
{
    QVector<int> kinds;
    auto addKind = [&kinds](int kind) {
        if (!kinds.contains(kind))
            kinds.append(kind);
    };
    for (DeviceEntry& row : deviceTable) {
        const bool dongle = row.vid1 == vid && row.pid1 == pid;
        const bool cable = row.vid2 == vid && row.pid2 == pid;
        if (!dongle && !cable)
            continue;
        const Side side = dongle ? dongleSide(row) : cableSide(row);
        if (arrived) {
            const quint32 mousePage = dongle ? row.usagePage1 : row.usagePage3;
            const quint32 mouseUsage = dongle ? row.usage1 : row.usage3;
            const quint32 controlPage = dongle ? row.usagePage2 : row.usagePage4;
            const quint32 controlUsage = dongle ? row.usage2 : row.usage4;
            for (const HidDeviceInfo& info : hidEnumerate(vid, pid)) {
                if (info.path != node)
                    continue;
                if (info.usagePage == mousePage && info.usage == mouseUsage)
                    addKind(KIND_MOUSE);
                if (info.usagePage == controlPage && info.usage == controlUsage)
                    addKind(KIND_CONTROL);
            }
        } else {
            if (*side.mouseFlag && node == side.mousePath)
                addKind(KIND_MOUSE);
            if (*side.controlFlag && node == side.controlPath)
                addKind(KIND_CONTROL);
        }
    }
    if (kinds.isEmpty()) {
        onCollectionChange(node, 0, 0, KIND_NONE, arrived, events);
        return;
    }
    for (int kind : kinds)
        onCollectionChange(node, vid, pid, kind, arrived, events);
}

void startHotplug(DeviceWatcher& watcher, DeviceEvents& events)
{
    DeviceEvents* target = &events;
    QObject::connect(&watcher, &DeviceWatcher::hidrawChanged, &watcher,
        [target](const QByteArray& node, quint16 vid, quint16 pid, bool arrived) {
            onHidrawChange(node, vid, pid, arrived, *target);
        });
    QPointer<DeviceWatcher> receiver(&watcher);
    const bool ownNodes
        = hidBackend().setNodeListener([receiver](const QByteArray& path, quint16 vid, quint16 pid, bool arrived) {
              if (!receiver)
                  return;
              QMetaObject::invokeMethod(
                  receiver.data(),
                  [receiver, path, vid, pid, arrived] {
                      if (receiver)
                          receiver->inject(path, vid, pid, arrived);
                  },
                  Qt::QueuedConnection);
          });
    if (ownNodes)
        return;
    watcher.start();
}
