// The virtual mouse on its own: strict frame checking, echoes, memory, reports, faults, threads.
#include "sim/VirtualMouse.h"
#include "sim/virtualMouseEnvironment.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <thread>

namespace {

QByteArray frame(quint8 command, int address, QByteArray data, quint8 tag = 0)
{
    QByteArray f(33, '\0');
    f[0] = 0x05;
    f[2] = char(0xFA);
    f[3] = char(command);
    f[4] = char(address & 0xFF);
    f[5] = char(address >> 8);
    f[6] = char(data.size());
    f[7] = char(tag);
    f.replace(8, data.size(), data.left(25));
    unsigned sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += quint8(f[i]);
    f[1] = char((sum & 0xFF) ^ 0x66);
    return f.left(33);
}

int send(VirtualMouse& mouse, int handle, const QByteArray& f)
{
    return mouse.write(handle, reinterpret_cast<const quint8*>(f.constData()), f.size());
}

QByteArray receive(VirtualMouse& mouse, int handle, int timeoutMs = 0)
{
    quint8 buffer[64] = {};
    const int n = mouse.read(handle, buffer, 64, timeoutMs);
    return n > 0 ? QByteArray(reinterpret_cast<const char*>(buffer), n) : QByteArray();
}

} // namespace

class TestVirtualMouse : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_mouse = std::make_unique<VirtualMouse>();
        m_mouse->plug(VirtualMouse::Receiver);
        m_control = m_mouse->open(m_mouse->nodePath(VirtualMouse::Receiver, 1));
        QVERIFY(m_control > 0);
    }
    void cleanup() { m_mouse.reset(); }

    void untrustworthyFramesAreIgnored()
    {
        QByteArray badChecksum = frame(0x02, 0, "\x01\x02");
        badChecksum[1] = char(badChecksum[1] ^ 1);
        QByteArray badId = frame(0x02, 0, "\x01\x02");
        badId[0] = 0x04;
        QByteArray badMagic = frame(0x02, 0, "\x01\x02");
        badMagic[2] = char(0xFB);
        QByteArray tooLong = frame(0x02, 0, "\x01\x02");
        tooLong[6] = 26;
        tooLong[1] = char(tooLong[1] + 24); // keep the checksum right so only the length is wrong
        for (const QByteArray& f : { badChecksum, badId, badMagic, tooLong })
            QCOMPARE(send(*m_mouse, m_control, f), 33);
        QCOMPARE(m_mouse->acceptedFrames(), 0);
        QCOMPARE(m_mouse->receivedFrames().size(), 4);
        QCOMPARE(receive(*m_mouse, m_control), QByteArray());
        QCOMPARE(m_mouse->memoryAt(0x02, 0), quint8(0));
    }

    void echoesFollowTheCommand()
    {
        const QByteArray data = frame(0x03, 26, QByteArray(24, '\x11'), 0xD2);
        send(*m_mouse, m_control, data);
        const QByteArray echo = receive(*m_mouse, m_control);
        QCOMPARE(echo.size(), 33);
        QCOMPARE(echo.mid(2, 5), data.mid(2, 5));
        QCOMPARE(echo.mid(8), data.mid(8));
        QCOMPARE(int(echo[7]), 0); // the tag is not echoed

        const QByteArray transfer = frame(0x46, 0, "\x07\x07");
        send(*m_mouse, m_control, transfer);
        const QByteArray header = receive(*m_mouse, m_control);
        QCOMPARE(header.mid(2, 5), transfer.mid(2, 5));
        QCOMPARE(header.mid(8), QByteArray(25, '\0'));
        QVERIFY(m_mouse->transferOpen());

        send(*m_mouse, m_control, frame(0x44, 2, QByteArray()));
        send(*m_mouse, m_control, frame(0x30, 0, QByteArray()));
        QCOMPARE(receive(*m_mouse, m_control), QByteArray());
        QCOMPARE(m_mouse->activeProfile(), 2);
    }

    void blockMemoryIsKeptAndClosingFramesAreNotData()
    {
        send(*m_mouse, m_control, frame(0x02, 6, QByteArray("\x01\x40\x00\x40\x00", 5), 0xD2));
        send(*m_mouse, m_control, frame(0x02, 0x7F, "\x1A", 0xD3));
        send(*m_mouse, m_control, frame(0x05, 0x0FFD, "\x01\x02\x03\x04\x05", 0xD2)); // would run past the end
        send(*m_mouse, m_control, frame(0x05, 0x0FFF, "\x1A", 0xD3));
        QCOMPARE(m_mouse->memory(0x02).mid(6, 5), QByteArray("\x01\x40\x00\x40\x00", 5));
        QCOMPARE(m_mouse->memoryAt(0x02, 0x7F), quint8(0));
        QCOMPARE(m_mouse->blocksClosed(0x02), 1);
        QCOMPARE(m_mouse->blocksClosed(0x05), 1);
        QCOMPARE(m_mouse->memoryAt(0x05, 0x0FFD), quint8(0));
        QCOMPARE(m_mouse->memory(0x05).size(), VirtualMouse::MEMORY_SIZE);
        // The general block carries the active profile in its byte 6.
        send(*m_mouse, m_control, frame(0x01, 0, QByteArray("\x03\x03\x03\x03\x03\x02\x04", 7), 0xD1));
        QCOMPARE(m_mouse->activeProfile(), 4);
    }

    void statusAndChangeReports()
    {
        m_mouse->setBattery(0x0410, true);
        m_mouse->setWriteStatus(0);
        m_mouse->setModeByte(8);
        send(*m_mouse, m_control, frame(0x48, 0, QByteArray()));
        const QByteArray status = receive(*m_mouse, m_control);
        QCOMPARE(int(status[0]), 0x05);
        QCOMPARE(status.mid(2, 9), QByteArray("\xFA\x48\x10\x04\x01\x00\x00\x00\x08", 9));

        // A change report reaches every open control node, of both sides.
        m_mouse->plug(VirtualMouse::Cable);
        const int cable = m_mouse->open(m_mouse->nodePath(VirtualMouse::Cable, 1));
        const int pointer = m_mouse->open(m_mouse->nodePath(VirtualMouse::Receiver, 0));
        m_mouse->sendChangeReport(2, 1, 3, 0);
        for (int handle : { m_control, cable }) {
            const QByteArray change = receive(*m_mouse, handle);
            QCOMPARE(change.mid(3, 5), QByteArray("\x49\x02\x01\x03\x00", 5));
        }
        QCOMPARE(receive(*m_mouse, pointer), QByteArray());
        QCOMPARE(m_mouse->activeProfile(), 2);
    }

    void frameLogLines()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath("frames.log");
        m_mouse->setFrameLog(log);
        send(*m_mouse, m_control, frame(0x46, 0, QByteArray()));
        send(*m_mouse, m_control, frame(0x44, 1, QByteArray()));
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 4); // two frames, one reply, trailing newline
        QCOMPARE(lines[0], QByteArray("> 05 26 fa 46 00 00 00 00") + QByteArray(" 00").repeated(25));
        QVERIFY(lines[1].startsWith("< 05 "));
        QCOMPARE(lines[1].split(' ').size(), 34);
        QVERIFY(lines[2].startsWith("> 05 ") && lines[2].contains(" fa 44 01 "));
    }

    void faultsCountDown()
    {
        VirtualMouse::Faults faults;
        faults.failWrites = 2;
        m_mouse->setFaults(faults);
        const QByteArray f = frame(0x46, 0, QByteArray());
        QCOMPARE(send(*m_mouse, m_control, f), -1);
        QCOMPARE(send(*m_mouse, m_control, f), -1);
        QCOMPARE(send(*m_mouse, m_control, f), 33);
        QCOMPARE(m_mouse->acceptedFrames(), 1);
        // A clean lead-in holds the faults back; a dropped frame is written but never taken.
        faults.cleanFrames = 1;
        faults.failWrites = 1;
        faults.dropFrames = 1;
        m_mouse->setFaults(faults);
        for (int expected : { 33, -1, 33, 33 })
            QCOMPARE(send(*m_mouse, m_control, f), expected);
        QCOMPARE(m_mouse->acceptedFrames(), 3);
        QCOMPARE(m_mouse->receivedFrames().size(), 4);
        // Writes to the pointer node are refused: it has no output report.
        const int pointer = m_mouse->open(m_mouse->nodePath(VirtualMouse::Receiver, 0));
        QCOMPARE(send(*m_mouse, pointer, f), -1);
    }

    void replyLatencyHoldsTheReplyBack()
    {
        VirtualMouse::Faults faults;
        faults.replyLatencyMs = 60000;
        m_mouse->setFaults(faults);
        send(*m_mouse, m_control, frame(0x46, 0, QByteArray()));
        QCOMPARE(receive(*m_mouse, m_control, 20), QByteArray());
    }

    void unplugWakesABlockedReaderAndKillsHandles()
    {
        std::atomic<int> result { 1 };
        std::thread reader([&] {
            quint8 buffer[33];
            result = m_mouse->read(m_control, buffer, 33, -1);
        });
        QTest::qWait(20);
        m_mouse->unplug(VirtualMouse::Receiver);
        reader.join();
        QCOMPARE(result.load(), -1);
        QCOMPARE(send(*m_mouse, m_control, frame(0x46, 0, QByteArray())), -1);
        QCOMPARE(m_mouse->open("/dev/hidraw1"), -ENOENT);
    }

    void readerGetsReplyWrittenFromAnotherThread()
    {
        VirtualMouse::Faults faults;
        faults.replyLatencyMs = 5;
        m_mouse->setFaults(faults);
        std::thread writer([&] {
            for (int i = 0; i < 50; ++i)
                send(*m_mouse, m_control, frame(0x46, i & 1, QByteArray()));
        });
        int replies = 0;
        while (replies < 50 && !receive(*m_mouse, m_control, 2000).isEmpty())
            ++replies;
        writer.join();
        QCOMPARE(replies, 50);
    }

    void queueHoldsAtMost64Reports()
    {
        for (int i = 0; i < 70; ++i)
            m_mouse->injectReport(VirtualMouse::Receiver, 1, QByteArray(1, char(i)));
        int count = 0;
        QByteArray last;
        for (QByteArray r; !(r = receive(*m_mouse, m_control)).isEmpty(); last = r)
            ++count;
        QCOMPARE(count, VirtualMouse::QUEUE_LIMIT);
        QCOMPARE(int(last[0]), 63); // the newest reports were dropped, as hidraw does
    }

    void plugUnplugNumbersNodesAndNotifies()
    {
        QStringList seen;
        m_mouse->setNodeListener([&seen](const QByteArray& path, quint16, quint16 pid, bool arrived) {
            seen << QString("%1 %2 %3").arg(QString(path)).arg(pid, 0, 16).arg(arrived ? "+" : "-");
        });
        m_mouse->plug(VirtualMouse::Cable);
        QCOMPARE(m_mouse->nodePath(VirtualMouse::Cable, 0), QByteArray("/dev/hidraw2"));
        m_mouse->unplug(VirtualMouse::Receiver);
        m_mouse->plug(VirtualMouse::Receiver);
        QCOMPARE(m_mouse->nodePath(VirtualMouse::Receiver, 1), QByteArray("/dev/hidraw1"));
        QCOMPARE(seen,
            QStringList({ "/dev/hidraw2 fb01 +", "/dev/hidraw3 fb01 +", "/dev/hidraw0 fa02 -", "/dev/hidraw1 fa02 -",
                "/dev/hidraw0 fa02 +", "/dev/hidraw1 fa02 +" }));
        m_mouse->setAccessDenied(VirtualMouse::Cable, true);
        QCOMPARE(m_mouse->open("/dev/hidraw3"), -EACCES);
        m_mouse->setControlCollectionPresent(VirtualMouse::Cable, false);
        QCOMPARE(m_mouse->collections().size(), 4 + 3);
    }

    void faultListWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rejected");
        QTest::addColumn<QString>(
            "faults"); // noReply zeroReplies wrongEcho corrupt failWrites drop unplug after latency noise
        QTest::newRow("empty") << ""
                               << ""
                               << "0 0 0 0 0 0 -1 0 0 0";
        QTest::newRow("all")
            << " NoReply, zero,wrongecho=3,corrupt,failwrite=-1,drop,unplug=0,after=1,latency=160,noise=1"
            << ""
            << "1 1 3 -1 -1 -1 0 1 160 1";
        QTest::newRow("a count needs a number") << "drop=x"
                                                << "drop=x"
                                                << "0 0 0 0 0 0 -1 0 0 0";
        QTest::newRow("some words need a value") << "latency=5,unplug"
                                                 << "unplug"
                                                 << "0 0 0 0 0 0 -1 0 5 0";
        QTest::newRow("flags take none") << "noreply=1"
                                         << "noreply=1"
                                         << "0 0 0 0 0 0 -1 0 0 0";
        QTest::newRow("unknown word") << "slow"
                                      << "slow"
                                      << "0 0 0 0 0 0 -1 0 0 0";
        QTest::newRow("no noise of 0") << "noise=0"
                                       << "noise=0"
                                       << "0 0 0 0 0 0 -1 0 0 0";
    }
    void faultListWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, rejected);
        QFETCH(QString, faults);
        VirtualMouseSetup setup;
        QString error;
        QCOMPARE(parseFaultList(text, &setup, &error), rejected.isEmpty());
        QCOMPARE(error, rejected);
        const VirtualMouseFaults& f = setup.faults;
        QCOMPARE(QString("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
                     .arg(f.noReply)
                     .arg(f.zeroReplies)
                     .arg(f.wrongEchoReads)
                     .arg(f.corruptDataEchoes)
                     .arg(f.failWrites)
                     .arg(f.dropFrames)
                     .arg(f.unplugAfterFrames)
                     .arg(f.cleanFrames)
                     .arg(f.replyLatencyMs)
                     .arg(setup.noiseIntervalMs),
            faults);
    }

private:
    std::unique_ptr<VirtualMouse> m_mouse;
    int m_control = -1;
};

QTEST_GUILESS_MAIN(TestVirtualMouse)
#include "TestVirtualMouse.moc"
