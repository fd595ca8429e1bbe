// The virtual mouse: frame checking, echoes, block memory, status and change reports, faults.
#include "sim/VirtualMouse.h"

#include "sim/virtualMouseEnvironment.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include <cerrno>

namespace {

constexpr quint8 MAGIC = 0xFA;
constexpr quint8 SEQ_CLOSE = 0xD3;
constexpr int FRAME_BYTES = 33;
constexpr int DATA_MAX = 25;

quint8 headerChecksum(const quint8* frame)
{
    unsigned sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += frame[i];
    return quint8((sum & 0xFF) ^ 0x66);
}

bool isBlockCommand(quint8 command)
{
    return command >= 0x01 && command <= 0x05;
}

constexpr quint32 STATE_MAGIC = 0x4D435356; // "MCSV"
constexpr quint32 STATE_VERSION = 1;

// Readers never see half a state file.
bool writeState(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

VirtualMouse::VirtualMouse(const Ids& ids)
    : m_ids(ids)
{
    for (auto& block : m_memory)
        block = QByteArray(MEMORY_SIZE, '\0');
    configureFromEnvironment();
}

VirtualMouse::~VirtualMouse()
{
    stopStreaming();
}

void VirtualMouse::plug(Side side)
{
    QVector<std::function<void()>> notices;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_nodes[side][0].plugged)
            return;
        for (int i = 0; i < 2; ++i) {
            m_nodes[side][i].number = freeNodeNumber();
            m_nodes[side][i].plugged = true;
        }
        noticeNodes(side, true, &notices);
    }
    for (const auto& notice : notices)
        notice();
}

void VirtualMouse::unplug(Side side)
{
    QVector<std::function<void()>> notices;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        unplugLocked(side, &notices);
    }
    for (const auto& notice : notices)
        notice();
}

void VirtualMouse::unplugLocked(Side side, QVector<std::function<void()>>* notices)
{
    if (!m_nodes[side][0].plugged)
        return;
    noticeNodes(side, false, notices);
    for (auto& node : m_nodes[side]) {
        node.plugged = false;
        node.number = -1;
    }
    for (auto& entry : m_handles) {
        if (entry.second.side == side) {
            entry.second.gone = true;
            entry.second.queue.clear();
        }
    }
    m_readable.notify_all();
}

void VirtualMouse::noticeNodes(Side side, bool arrived, QVector<std::function<void()>>* notices) const
{
    if (!m_listener)
        return;
    const quint16 vid = vendorId(side);
    const quint16 pid = productId(side);
    const NodeListener listener = m_listener;
    for (int i = 0; i < 2; ++i) {
        const QByteArray path = nodePath(side, i);
        notices->append([listener, path, vid, pid, arrived] { listener(path, vid, pid, arrived); });
    }
}

bool VirtualMouse::isPlugged(Side side) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nodes[side][0].plugged;
}

void VirtualMouse::setControlCollectionPresent(Side side, bool present)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nodes[side][1].controlPresent = present;
}

void VirtualMouse::setControlOnMouseNode(Side side, bool shared)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nodes[side][0].controlOnMouseNode = shared;
}

int VirtualMouse::controlInterface(Side side) const
{
    return m_nodes[side][0].controlOnMouseNode ? 0 : 1;
}

void VirtualMouse::setAccessDenied(Side side, bool denied)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nodes[side][0].accessDenied = denied;
    m_nodes[side][1].accessDenied = denied;
}

void VirtualMouse::setPathPrefix(const QByteArray& prefix)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_prefix = prefix;
}

QByteArray VirtualMouse::nodePath(Side side, int interfaceNumber) const
{
    const Node& node = m_nodes[side][interfaceNumber & 1];
    if (!node.plugged)
        return QByteArray();
    return m_prefix + QByteArray::number(node.number);
}

int VirtualMouse::freeNodeNumber() const
{
    for (int number = 0;; ++number) {
        bool used = false;
        for (const auto& side : m_nodes)
            for (const auto& node : side)
                used = used || (node.plugged && node.number == number);
        if (!used)
            return number;
    }
}

void VirtualMouse::setNodeListener(NodeListener listener)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listener = std::move(listener);
}

QVector<VirtualCollection> VirtualMouse::collections() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<VirtualCollection> list;
    for (int side = Receiver; side <= Cable; ++side) {
        if (!m_nodes[side][0].plugged)
            continue;
        VirtualCollection c;
        c.vendorId = vendorId(Side(side));
        c.productId = productId(Side(side));
        c.releaseNumber = side == Receiver ? m_ids.receiverRelease : m_ids.cableRelease;
        c.product = side == Receiver ? QStringLiteral("Virtual Receiver") : QStringLiteral("Virtual Mouse");
        auto add = [&](int iface, quint16 page, quint16 usage) {
            c.path = nodePath(Side(side), iface);
            c.interfaceNumber = iface;
            c.usagePage = page;
            c.usage = usage;
            list.append(c);
        };
        add(0, 0x01, 0x02);
        add(1, 0x01, 0x06);
        add(1, 0x0C, 0x01);
        if (m_nodes[side][1].controlPresent)
            add(controlInterface(Side(side)), 0x01, 0x00);
    }
    return list;
}

bool VirtualMouse::findNode(const QByteArray& path, Side* side, int* interfaceNumber) const
{
    for (int s = Receiver; s <= Cable; ++s) {
        for (int i = 0; i < 2; ++i) {
            if (m_nodes[s][i].plugged && nodePath(Side(s), i) == path) {
                *side = Side(s);
                *interfaceNumber = i;
                return true;
            }
        }
    }
    return false;
}

int VirtualMouse::open(const QByteArray& path, int onlyReportId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Side side;
    int iface;
    if (!findNode(path, &side, &iface))
        return -ENOENT;
    if (m_nodes[side][iface].accessDenied)
        return -EACCES;
    const int id = m_nextHandle++;
    m_handles[id] = Handle { side, iface, onlyReportId, false, {} };
    return id;
}

void VirtualMouse::close(int handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handles.erase(handle);
    m_readable.notify_all();
}

int VirtualMouse::write(int handle, const quint8* data, int length)
{
    QVector<std::function<void()>> notices;
    int result = length;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_writes;
        auto it = m_handles.find(handle);
        if (it == m_handles.end() || it->second.gone || length <= 0)
            return -1;
        // The first cleanFrames frames meet a mouse without faults; the counters wait for them.
        Faults none;
        Faults& faults = m_faults.cleanFrames > 0 ? none : m_faults;
        if (faults.failWrites != 0) {
            if (faults.failWrites > 0)
                --faults.failWrites;
            return -1;
        }
        // Interface 0 has no output report: the device refuses it.
        if (it->second.interfaceNumber != controlInterface(it->second.side))
            return -1;
        if (m_faults.cleanFrames > 0)
            --m_faults.cleanFrames;
        const Side side = it->second.side;
        if (faults.unplugAfterFrames == 0) {
            faults.unplugAfterFrames = -1;
            unplugLocked(side, &notices);
            result = -1;
        } else {
            if (faults.unplugAfterFrames > 0)
                --faults.unplugAfterFrames;
            Frame frame {};
            std::copy(data, data + qMin(length, FRAME_BYTES), frame.begin());
            logLine('>', frame.data(), FRAME_BYTES);
            m_received.append(QByteArray(reinterpret_cast<const char*>(frame.data()), FRAME_BYTES));
            if (faults.dropFrames != 0) {
                if (faults.dropFrames > 0)
                    --faults.dropFrames;
            } else {
                const int accepted = m_accepted;
                takeFrame(side, frame, faults);
                // The mouse now holds the frame, whatever its reply; a state file follows at once.
                if (m_accepted != accepted && !m_statePath.isEmpty())
                    writeState(m_statePath, stateBytes());
            }
        }
    }
    for (const auto& notice : notices)
        notice();
    return result;
}

int VirtualMouse::read(int handle, quint8* data, int length, int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(qMax(timeoutMs, 0));
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_reads;
    for (;;) {
        auto it = m_handles.find(handle);
        if (it == m_handles.end() || it->second.gone)
            return -1;
        auto& queue = it->second.queue;
        const auto now = Clock::now();
        if (!queue.empty() && queue.front().readyAt <= now) {
            const QByteArray report = queue.front().bytes;
            queue.pop_front();
            const int n = qMin(length, report.size());
            std::copy(report.constBegin(), report.constBegin() + n, data);
            return n;
        }
        if (timeoutMs >= 0 && now >= deadline)
            return 0;
        auto wakeAt = timeoutMs >= 0 ? deadline : Clock::time_point::max();
        if (!queue.empty())
            wakeAt = std::min(wakeAt, queue.front().readyAt);
        if (wakeAt == Clock::time_point::max())
            m_readable.wait(lock);
        else
            m_readable.wait_until(lock, wakeAt);
    }
}

void VirtualMouse::deliver(Side side, int interfaceNumber, const QByteArray& report, int latencyMs)
{
    const auto readyAt = std::chrono::steady_clock::now() + std::chrono::milliseconds(latencyMs);
    for (auto& entry : m_handles) {
        Handle& h = entry.second;
        if (h.gone || h.side != side || h.interfaceNumber != interfaceNumber)
            continue;
        if (h.onlyReportId >= 0 && (report.isEmpty() || quint8(report[0]) != h.onlyReportId))
            continue;
        if (int(h.queue.size()) < QUEUE_LIMIT)
            h.queue.push_back(Pending { report, readyAt });
    }
    m_readable.notify_all();
}

void VirtualMouse::takeFrame(Side side, const Frame& f, Faults& faults)
{
    if (f[0] != CONTROL_REPORT || f[2] != MAGIC || f[1] != headerChecksum(f.data()) || f[6] > DATA_MAX)
        return; // firmware ignores frames it cannot trust
    ++m_accepted;
    const quint8 command = f[3];
    const int address = f[4] | (f[5] << 8);
    const int length = f[6];
    QByteArray reply;
    if (isBlockCommand(command)) {
        if (f[7] == SEQ_CLOSE) {
            ++m_closed[command - 1];
        } else if (address + length <= MEMORY_SIZE) {
            QByteArray& block = m_memory[command - 1];
            for (int i = 0; i < length; ++i)
                block[address + i] = char(f[8 + i]);
            if (command == 0x01 && address <= 6 && address + length > 6 && f[8 + 6 - address] < 5)
                m_activeProfile = f[8 + 6 - address];
        }
        reply = echoFor(f, true, faults);
    } else if (command <= 10) {
        reply = echoFor(f, true, faults);
    } else if (command == 0x40) {
        m_applied.append(f[5]);
        reply = echoFor(f, false, faults);
    } else if (command == 0x44) {
        if (f[4] < 5)
            m_activeProfile = f[4];
    } else if (command == 0x46) {
        if (f[4] == 0) {
            m_transferOpen = true;
        } else {
            m_transferOpen = false;
            ++m_transfersClosed;
        }
        reply = echoFor(f, false, faults);
    } else if (command == 0x48) {
        reply = statusReply();
    }
    if (reply.isEmpty() || faults.noReply)
        return;
    if (faults.zeroReplies)
        reply = QByteArray(FRAME_BYTES, '\0');
    logLine('<', reinterpret_cast<const quint8*>(reply.constData()), reply.size());
    deliver(side, controlInterface(side), reply, faults.replyLatencyMs);
}

QByteArray VirtualMouse::echoFor(const Frame& f, bool withData, Faults& faults)
{
    // The mouse echoes report id, magic, command, address and length; not the sequence tag.
    QByteArray echo(FRAME_BYTES, '\0');
    for (int i : { 0, 2, 3, 4, 5, 6 })
        echo[i] = char(f[i]);
    if (withData) {
        for (int i = 0; i < f[6]; ++i)
            echo[8 + i] = char(f[8 + i]);
    }
    if (faults.wrongEchoReads != 0) {
        if (faults.wrongEchoReads > 0)
            --faults.wrongEchoReads;
        echo[3] = char(f[3] ^ 0x80);
    } else if (withData && f[6] > 0 && faults.corruptDataEchoes != 0) {
        if (faults.corruptDataEchoes > 0)
            --faults.corruptDataEchoes;
        const int at = 8 + (m_corruptCounter++ % f[6]);
        echo[at] = char(echo[at] ^ 0x5A);
    }
    echo[1] = char(headerChecksum(reinterpret_cast<const quint8*>(echo.constData())));
    return echo;
}

QByteArray VirtualMouse::statusReply() const
{
    QByteArray r(FRAME_BYTES, '\0');
    r[0] = char(CONTROL_REPORT);
    r[2] = char(MAGIC);
    r[3] = char(0x48);
    r[4] = char(m_battery & 0xFF);
    r[5] = char(m_battery >> 8);
    r[6] = char(m_charging ? 1 : 0);
    r[7] = char(m_writeStatus);
    r[10] = char(m_mode);
    r[1] = char(headerChecksum(reinterpret_cast<const quint8*>(r.constData())));
    return r;
}

void VirtualMouse::logLine(char direction, const quint8* data, int length)
{
    if (m_logPath.isEmpty())
        return;
    QFile file(m_logPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    QByteArray line;
    line.reserve(3 + length * 3);
    line += direction;
    line += ' ';
    line += QByteArray(reinterpret_cast<const char*>(data), length).toHex(' ');
    line += '\n';
    file.write(line);
}

void VirtualMouse::setFaults(const Faults& faults)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults = faults;
}

VirtualMouse::Faults VirtualMouse::faults() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_faults;
}

void VirtualMouse::configureFromEnvironment()
{
    const VirtualMouseSetup setup = virtualMouseSetupFromEnvironment();
    if (!setup.frameLog.isEmpty())
        setFrameLog(setup.frameLog);
    if (!setup.statePath.isEmpty() && !setStateFile(setup.statePath))
        qWarning("virtual mouse: cannot read the state file %s", qPrintable(setup.statePath));
    setFaults(setup.faults);
    if (setup.noiseIntervalMs > 0)
        startStreaming(setup.noiseIntervalMs);
}

bool VirtualMouse::setStateFile(const QString& path)
{
    const bool loaded = !QFile::exists(path) || loadState(path);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_statePath = path;
    return loaded;
}

QByteArray VirtualMouse::stateBytes() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << STATE_MAGIC << STATE_VERSION;
    for (int i = 0; i < 5; ++i)
        out << m_memory[i] << qint32(m_closed[i]);
    out << qint32(m_activeProfile) << m_transferOpen << qint32(m_transfersClosed);
    return bytes;
}

bool VirtualMouse::saveState(const QString& path) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return writeState(path, stateBytes());
}

bool VirtualMouse::loadState(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream in(&file);
    quint32 magic = 0, version = 0;
    in >> magic >> version;
    if (magic != STATE_MAGIC || version != STATE_VERSION)
        return false;
    QByteArray memory[5];
    qint32 closed[5] = {};
    qint32 profile = 0, transfersClosed = 0;
    bool transferOpen = false;
    for (int i = 0; i < 5; ++i)
        in >> memory[i] >> closed[i];
    in >> profile >> transferOpen >> transfersClosed;
    if (in.status() != QDataStream::Ok)
        return false;
    for (const QByteArray& block : memory) {
        if (block.size() != MEMORY_SIZE)
            return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < 5; ++i) {
        m_memory[i] = memory[i];
        m_closed[i] = closed[i];
    }
    m_activeProfile = qBound(0, int(profile), 4);
    m_transferOpen = transferOpen;
    m_transfersClosed = transfersClosed;
    return true;
}

void VirtualMouse::setFrameLog(const QString& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_logPath = path;
}

QByteArray VirtualMouse::memory(quint8 command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return isBlockCommand(command) ? m_memory[command - 1] : QByteArray();
}

quint8 VirtualMouse::memoryAt(quint8 command, int address) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isBlockCommand(command) || address < 0 || address >= MEMORY_SIZE)
        return 0;
    return quint8(m_memory[command - 1][address]);
}

int VirtualMouse::blocksClosed(quint8 command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return isBlockCommand(command) ? m_closed[command - 1] : 0;
}

int VirtualMouse::activeProfile() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_activeProfile;
}

bool VirtualMouse::transferOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_transferOpen;
}

int VirtualMouse::transfersClosed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_transfersClosed;
}

QVector<quint8> VirtualMouse::appliedGroups() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_applied;
}

QVector<QByteArray> VirtualMouse::receivedFrames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

int VirtualMouse::acceptedFrames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_accepted;
}

int VirtualMouse::writeCalls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writes;
}

int VirtualMouse::readCalls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_reads;
}

void VirtualMouse::clearHistory()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_received.clear();
    m_applied.clear();
    m_accepted = m_writes = m_reads = 0;
    m_transfersClosed = 0;
    for (int& closed : m_closed)
        closed = 0;
}

void VirtualMouse::setBattery(quint16 rawVoltage, bool charging)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_battery = rawVoltage;
    m_charging = charging;
}

void VirtualMouse::setWriteStatus(quint8 status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeStatus = status;
}

void VirtualMouse::setModeByte(quint8 mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mode = mode;
}

void VirtualMouse::sendChangeReport(quint8 profile, quint8 dpiStage, quint8 rateCode, quint8 lightingMode)
{
    QByteArray r(FRAME_BYTES, '\0');
    r[0] = char(CONTROL_REPORT);
    r[2] = char(MAGIC);
    r[3] = char(0x49);
    r[4] = char(profile);
    r[5] = char(dpiStage);
    r[6] = char(rateCode);
    r[7] = char(lightingMode);
    r[1] = char(headerChecksum(reinterpret_cast<const quint8*>(r.constData())));
    std::lock_guard<std::mutex> lock(m_mutex);
    if (profile < 5)
        m_activeProfile = profile;
    logLine('<', reinterpret_cast<const quint8*>(r.constData()), r.size());
    for (int side = Receiver; side <= Cable; ++side) {
        if (m_nodes[side][1].plugged && m_nodes[side][1].controlPresent)
            deliver(Side(side), controlInterface(Side(side)), r, 0);
    }
}

void VirtualMouse::injectReport(Side side, int interfaceNumber, const QByteArray& report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_nodes[side][interfaceNumber & 1].plugged)
        deliver(side, interfaceNumber & 1, report, 0);
}

void VirtualMouse::startStreaming(int intervalMs)
{
    stopStreaming();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_streaming = true;
    }
    m_streamer = std::thread([this, intervalMs] { streamLoop(qMax(intervalMs, 1)); });
}

void VirtualMouse::stopStreaming()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_streaming)
            return;
        m_streaming = false;
        m_streamWake.notify_all();
    }
    if (m_streamer.joinable())
        m_streamer.join();
}

void VirtualMouse::streamLoop(int intervalMs)
{
    // A pointer moving right with the left button held, a key tapped, a volume key tapped.
    const QByteArray pointer("\x01\x03\x00\x00\x00\x00\x00", 7);
    const QByteArray key("\x01\x00\x00\x04\x00\x00\x00\x00\x00", 9);
    const QByteArray consumer("\x03\xE9\x00", 3);
    std::unique_lock<std::mutex> lock(m_mutex);
    int tick = 0;
    while (m_streaming) {
        for (int side = Receiver; side <= Cable; ++side) {
            if (!m_nodes[side][0].plugged)
                continue;
            deliver(Side(side), 0, pointer, 0);
            deliver(Side(side), 1, (tick & 1) ? consumer : key, 0);
        }
        ++tick;
        m_streamWake.wait_for(lock, std::chrono::milliseconds(intervalMs));
    }
}
