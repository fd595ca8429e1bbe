// A model of the mouse's firmware, its receiver and its cable as Linux hidraw nodes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

// One top-level collection as enumeration lists it.
struct VirtualCollection {
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    int interfaceNumber = 0;
    QString product;
};

struct VirtualMouseIds {
    quint16 receiverVid = 0x248A;
    quint16 receiverPid = 0xFA02;
    quint16 cableVid = 0x248A;
    quint16 cablePid = 0xFB01;
    quint16 receiverRelease = 0x0100;
    quint16 cableRelease = 0x0105;
};

// Counters: > 0 counts down once per use, -1 lasts forever, 0 is off.
struct VirtualMouseFaults {
    bool noReply = false; // frames are taken but nothing is sent back
    bool zeroReplies = false; // every reply is 33 zero bytes
    int wrongEchoReads = 0; // echoes whose command byte differs
    int corruptDataEchoes = 0; // echoes with one data byte changed (a different one each time)
    int failWrites = 0; // writes that fail before reaching the mouse
    int unplugAfterFrames = -1; // >= 0: the side is pulled when the frame after that many arrives
    int replyLatencyMs = 0; // time between a frame and its reply becoming readable
    int dropFrames = 0; // frames the write takes but the mouse neither stores nor answers
    int cleanFrames = 0; // frames handled as if there were no faults, before the faults above start
};

class VirtualMouse {
public:
    enum Side { Receiver = 0, Cable = 1 };

    using Ids = VirtualMouseIds;
    using Faults = VirtualMouseFaults;

    // Report ids of the collections on interface 1.
    static constexpr quint8 KEYBOARD_REPORT = 0x01;
    static constexpr quint8 CONSUMER_REPORT = 0x03;
    static constexpr quint8 CONTROL_REPORT = 0x05;
    static constexpr int QUEUE_LIMIT = 64; // reports a hidraw reader holds before new ones are dropped
    static constexpr int MEMORY_SIZE = 0x1000;

    explicit VirtualMouse(const Ids& ids = Ids());
    ~VirtualMouse();
    VirtualMouse(const VirtualMouse&) = delete;
    VirtualMouse& operator=(const VirtualMouse&) = delete;

    const Ids& ids() const { return m_ids; }
    // Vendor and product id of one side's nodes.
    quint16 vendorId(Side side) const { return side == Receiver ? m_ids.receiverVid : m_ids.cableVid; }
    quint16 productId(Side side) const { return side == Receiver ? m_ids.receiverPid : m_ids.cablePid; }

    // Plugging: each side is two nodes (interface 0 mouse, interface 1 keyboard/consumer/control).
    void plug(Side side);
    void unplug(Side side);
    bool isPlugged(Side side) const;
    // Without its control collection the side's interface 1 lists only keyboard and consumer.
    void setControlCollectionPresent(Side side, bool present);
    // With a shared node the control collection sits on interface 0 beside the mouse collection,
    // so the control node also carries the pointer reports.
    void setControlOnMouseNode(Side side, bool shared);
    int controlInterface(Side side) const;
    // Opening the side's nodes fails with "permission denied".
    void setAccessDenied(Side side, bool denied);
    // Node paths are prefix + number ("/dev/hidraw" by default).
    void setPathPrefix(const QByteArray& prefix);
    QByteArray nodePath(Side side, int interfaceNumber) const;
    QVector<VirtualCollection> collections() const;

    // Called after every plug and unplug of a node, outside the mouse's lock.
    using NodeListener = std::function<void(const QByteArray& path, quint16 vid, quint16 pid, bool arrived)>;
    void setNodeListener(NodeListener listener);

    // Host side, as hidraw behaves: open returns a handle id > 0, or -ENOENT / -EACCES.
    // onlyReportId >= 0 gives the handle its own queue of that report id only (one collection's
    // buffer, as Windows keeps it).
    int open(const QByteArray& path, int onlyReportId = -1);
    void close(int handle);
    int write(int handle, const quint8* data, int length);
    // Returns the byte count, 0 on time-out, -1 when the node is gone. timeoutMs -1 blocks.
    int read(int handle, quint8* data, int length, int timeoutMs);

    // Faults and the frame log.
    void setFaults(const Faults& faults);
    Faults faults() const;
    void setFrameLog(const QString& path);
    // Takes faults, pointer noise, a state file and the frame log from MOUSECFG_SIM_FAULT,
    // MOUSECFG_SIM_STATE and MOUSECFG_FRAME_LOG (see virtualMouseEnvironment.h). The constructor
    // calls it, so a process that builds its mouse itself can be given them from outside.
    void configureFromEnvironment();

    // What the mouse holds (block memory, closed blocks, active profile, transfer state) kept in a
    // file: loaded now when it exists, and written again after every frame the mouse takes, so it
    // outlives the process. Returns false when an existing file cannot be read.
    bool setStateFile(const QString& path);
    bool saveState(const QString& path) const;
    bool loadState(const QString& path);

    // The mouse's state as the frames left it.
    QByteArray memory(quint8 command) const; // block memory of commands 0x01..0x05, MEMORY_SIZE bytes
    quint8 memoryAt(quint8 command, int address) const;
    int blocksClosed(quint8 command) const;
    int activeProfile() const;
    bool transferOpen() const;
    int transfersClosed() const;
    QVector<quint8> appliedGroups() const;
    QVector<QByteArray> receivedFrames() const; // every frame written to a control node, accepted or not
    int acceptedFrames() const;
    int writeCalls() const;
    int readCalls() const;
    void clearHistory();

    // Status the mouse reports on 0x48.
    void setBattery(quint16 rawVoltage, bool charging);
    void setWriteStatus(quint8 status);
    void setModeByte(quint8 mode);
    // A 0x49 change report on every open control node, as if a button on the mouse was pressed.
    void sendChangeReport(quint8 profile, quint8 dpiStage, quint8 rateCode, quint8 lightingMode);
    // Any input report on one node (an unsolicited status reply, for instance).
    void injectReport(Side side, int interfaceNumber, const QByteArray& report);

    // Pointer reports on interface 0 and keyboard/consumer reports on interface 1 of every
    // plugged side, one of each per interval, until stopped.
    void startStreaming(int intervalMs);
    void stopStreaming();

private:
    struct Node {
        bool plugged = false;
        int number = -1;
        bool controlPresent = true;
        bool controlOnMouseNode = false; // kept in the interface 0 entry
        bool accessDenied = false;
    };
    struct Pending {
        QByteArray bytes;
        std::chrono::steady_clock::time_point readyAt;
    };
    struct Handle {
        Side side;
        int interfaceNumber;
        int onlyReportId = -1;
        bool gone = false;
        std::deque<Pending> queue;
    };
    using Frame = std::array<quint8, 33>;

    bool findNode(const QByteArray& path, Side* side, int* interfaceNumber) const;
    int freeNodeNumber() const;
    void unplugLocked(Side side, QVector<std::function<void()>>* notices);
    void noticeNodes(Side side, bool arrived, QVector<std::function<void()>>* notices) const;
    void deliver(Side side, int interfaceNumber, const QByteArray& report, int latencyMs);
    void takeFrame(Side side, const Frame& frame, Faults& faults);
    QByteArray echoFor(const Frame& frame, bool withData, Faults& faults);
    QByteArray stateBytes() const;
    QByteArray statusReply() const;
    void logLine(char direction, const quint8* data, int length);
    void streamLoop(int intervalMs);

    Ids m_ids;
    mutable std::mutex m_mutex;
    std::condition_variable m_readable;
    Node m_nodes[2][2];
    QByteArray m_prefix = "/dev/hidraw";
    NodeListener m_listener;
    std::map<int, Handle> m_handles;
    int m_nextHandle = 1;
    Faults m_faults;
    int m_corruptCounter = 0;
    QString m_logPath;
    QString m_statePath;

    QByteArray m_memory[5];
    int m_closed[5] = {};
    int m_activeProfile = 0;
    bool m_transferOpen = false;
    int m_transfersClosed = 0;
    QVector<quint8> m_applied;
    QVector<QByteArray> m_received;
    int m_accepted = 0;
    int m_writes = 0;
    int m_reads = 0;

    quint16 m_battery = 969; // about 4.0 V
    bool m_charging = false;
    quint8 m_writeStatus = 1;
    quint8 m_mode = 0;

    std::thread m_streamer;
    bool m_streaming = false;
    std::condition_variable m_streamWake;
};
