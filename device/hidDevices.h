// The device table, the four HID handles, enumeration, opening by product name and hot-plug.
#pragma once

#include "device/HidBackend.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class DeviceEvents;
class DeviceWatcher;

constexpr int DEVICE_TABLE_ROWS = 1;
constexpr int DEVICE_PATH_SIZE = 255; // a path of more than 254 characters is not taken
constexpr int DEVICE_NAME_SIZE = 256;

// Collection kinds of a hot-plug notification.
constexpr int KIND_NONE = 0;
constexpr int KIND_MOUSE = 1;
constexpr int KIND_CONTROL = 4;

// Report id of the control collection; control handles see only these reports.
constexpr quint8 CONTROL_REPORT_ID = 0x05;

struct DeviceEntry {
    quint32 vid1, vid2, pid1, pid2;
    quint32 relMin1, relMin2, relMax1, relMax2;
    quint32 usage1, usagePage1;
    quint32 usage2, usagePage2;
    quint32 usage3, usagePage3;
    quint32 usage4, usagePage4;
    char path1[DEVICE_PATH_SIZE];
    char path2[DEVICE_PATH_SIZE];
    char path3[DEVICE_PATH_SIZE];
    char path4[DEVICE_PATH_SIZE];
    quint32 present1, present3, present2, present4;
    char name[DEVICE_NAME_SIZE]; // UTF-8
};

extern DeviceEntry deviceTable[DEVICE_TABLE_ROWS];

extern HidHandle* dongleMouse;
extern HidHandle* dongleControl;
extern HidHandle* cableMouse;
extern HidHandle* cableControl;
// Release number of the cable's control collection as last enumerated, 0 when none.
extern quint32 cableRelease;

// How the last open of a collection (1..4) went.
enum class HandleState { Closed, Open, PermissionDenied, OpenFailed };
HandleState handleState(int collection);
// True when a present collection could not be opened for lack of permission (udev rule missing).
bool accessDenied();

struct UsbIds {
    quint32 vid1 = 0x248A, pid1 = 0xFA02, vid2 = 0x248A, pid2 = 0xFB01;
};
UsbIds readUsbIds();

void buildDeviceTable();
// 0, or -1 when the HID library cannot be initialised.
int enumerateDevices();
void openDevicesByName(const QString& name);
void closeDevices();
void shutdownHid();

// Rows with both receiver flags or both cable flags set.
int countPresentMice();
// The handle transactions and the poller use: the cable's control if open, else the receiver's.
HidHandle* controlHandle();

// Classifies a Windows interface path ("HID#VID_248A&PID_FA02&MI_00&col04#...") into vendor,
// product and kind; KIND_NONE with ids 0 when it names no collection of interest.
int classifyInterfacePath(const QString& path, quint16* vid, quint16* pid);
// The hot-plug handler for a path of the form above.
void onDeviceChange(const QString& path, bool arrived, DeviceEvents& events);
// The hot-plug handler for one collection whose ids and kind are already known.
void onCollectionChange(const QByteArray& path, quint16 vid, quint16 pid, int kind, bool arrived, DeviceEvents& events);
// The hot-plug handler for a Linux hidraw node: the kinds it carries come from enumeration on
// arrival and from the device table on removal.
void onHidrawChange(const QByteArray& node, quint16 vid, quint16 pid, bool arrived, DeviceEvents& events);
// Feeds the watcher's notifications into onHidrawChange; with the virtual mouse installed, its
// plug and unplug reach the watcher instead of udev's.
void startHotplug(DeviceWatcher& watcher, DeviceEvents& events);
