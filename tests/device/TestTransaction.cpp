// sendCommand against the virtual mouse: checksum, verification and every retry bound.
#include "support/TestAppDir.h"
#include "support/VirtualMouseFixture.h"

#include "device/HidBackend.h"
#include "device/hidDevices.h"
#include "device/transaction.h"

#include <QtTest>

namespace {

CommandFrame generalFrame()
{
    const quint8 data[19] = { 3, 3, 3, 3, 3, 2, 0, 1, 10, 4, 0, 1, 1, 1, 1, 1, 0x1F, 2, 4 };
    return makeFrame(0x01, 0, 0, 19, SEQ_FIRST, data);
}

VirtualMouse::Faults faults(void (*set)(VirtualMouse::Faults&))
{
    VirtualMouse::Faults f;
    set(f);
    return f;
}

} // namespace

class TestTransaction : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<TestAppDir>(false); }
    void cleanup() { m_dir.reset(); }

    void frameLayoutAndChecksum()
    {
        const CommandFrame status = makeFrame(0x48, 0, 0, 0, SEQ_NONE);
        QCOMPARE(int(status[0]), 0x05);
        QCOMPARE(int(status[1]), 0x24);
        QCOMPARE(int(status[2]), 0xFA);
        // The checksum covers the header only; data never changes it.
        const quint8 data[3] = { 9, 9, 9 };
        QCOMPARE(frameChecksum(makeFrame(0x01, 0, 0, 3, 0, data)), frameChecksum(makeFrame(0x01, 0, 0, 3, 0)));
        // A length above 25 never copies past the frame.
        const quint8 big[40] = {};
        QCOMPARE(int(makeFrame(0x05, 0, 0, 40, 0, big).size()), FRAME_SIZE);
    }

    void noHandleSendsNothing()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Nothing);
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_NO_DEVICE));
        QCOMPARE(fx.mouse().writeCalls(), 0);
        QCOMPARE(fx.mouse().readCalls(), 0);
    }

    void echoedFrameVerifiesDespiteTagAndChecksumBytes()
    {
        // The mouse does not echo the sequence tag, so bytes 1 and 7 of the echo differ.
        VirtualMouseFixture fx;
        CommandFrame frame = generalFrame();
        frame[1] = 0; // sendCommand fills the checksum in
        QCOMPARE(int(sendCommand(frame)), int(SEND_OK));
        QCOMPARE(fx.mouse().writeCalls(), 1);
        QCOMPARE(fx.mouse().acceptedFrames(), 1);
        QCOMPARE(fx.mouse().memoryAt(0x01, 16), quint8(0x1F));
    }

    void headerOnlyCommandsIgnoreData()
    {
        VirtualMouseFixture fx;
        const quint8 data[4] = { 1, 2, 3, 4 };
        QCOMPARE(int(sendCommand(makeFrame(0x46, 0, 0, 4, 0, data))), int(SEND_OK));
        QCOMPARE(int(sendCommand(makeFrame(0x40, 0xF3, 0x04, 4, 0, data))), int(SEND_OK));
        QCOMPARE(fx.mouse().writeCalls(), 2);
        QCOMPARE(fx.mouse().appliedGroups(), QVector<quint8> { 0x04 });
    }

    void unverifiedSelectProfileNeedsNoAnswer()
    {
        VirtualMouseFixture fx;
        fx.mouse().setFaults(faults([](VirtualMouse::Faults& f) { f.noReply = true; }));
        QCOMPARE(int(sendCommand(makeFrame(0x44, 3, 0, 0, 0))), int(SEND_OK));
        QCOMPARE(fx.mouse().writeCalls(), 1);
        QCOMPARE(fx.mouse().readCalls(), 0);
        QCOMPARE(fx.mouse().activeProfile(), 3);
    }

    void unansweredFrameIsRewrittenThenFails_data()
    {
        QTest::addColumn<bool>("zeros");
        QTest::addColumn<int>("writes");
        // Two rewrites, each after a full read time-out. All-zero reports lack the control report id,
        // so the control handle never sees them: to it they are silence.
        QTest::newRow("no reply") << false << 3;
        QTest::newRow("all-zero replies") << true << 3;
    }

    void unansweredFrameIsRewrittenThenFails()
    {
        QFETCH(bool, zeros);
        QFETCH(int, writes);
        VirtualMouseFixture fx;
        VirtualMouse::Faults f;
        (zeros ? f.zeroReplies : f.noReply) = true;
        fx.mouse().setFaults(f);
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_VERIFY_FAILED));
        QCOMPARE(fx.mouse().writeCalls(), writes);
        QCOMPARE(fx.mouse().readCalls(), writes);
    }

    void dataMismatchOnEveryReadFailsAfterTwoRewrites()
    {
        VirtualMouseFixture fx;
        fx.mouse().setFaults(faults([](VirtualMouse::Faults& f) { f.corruptDataEchoes = -1; }));
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_VERIFY_FAILED));
        QCOMPARE(fx.mouse().writeCalls(), 3);
        QCOMPARE(fx.mouse().readCalls(), 3);
    }

    void oneCorruptEchoIsRepairedByARewrite()
    {
        VirtualMouseFixture fx;
        fx.mouse().setFaults(faults([](VirtualMouse::Faults& f) { f.corruptDataEchoes = 1; }));
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_OK));
        QCOMPARE(fx.mouse().writeCalls(), 2);
    }

    void wrongEchoIsRereadThenSilenceRewrites()
    {
        VirtualMouseFixture fx;
        fx.mouse().setFaults(faults([](VirtualMouse::Faults& f) { f.wrongEchoReads = 1; }));
        QCOMPARE(int(sendCommand(makeFrame(0x46, 1, 0, 0, 0))), int(SEND_OK));
        // Wrong echo, reread that times out (an empty reply), rewrite, good echo.
        QCOMPARE(fx.mouse().writeCalls(), 2);
        QCOMPARE(fx.mouse().readCalls(), 3);
    }

    void commandMismatchBoundLeadsToRewritesThenFailure()
    {
        VirtualMouseFixture fx;
        fx.mouse().setFaults(faults([](VirtualMouse::Faults& f) { f.wrongEchoReads = -1; }));
        // Keep a wrong report waiting for every reread so that no read times out.
        QByteArray stale(33, '\0');
        stale[0] = 0x05;
        stale[2] = char(0xFA);
        stale[3] = 0x47;
        for (int i = 0; i < 30; ++i)
            fx.mouse().injectReport(VirtualMouse::Receiver, 1, stale);
        QCOMPARE(int(sendCommand(makeFrame(0x46, 0, 0, 0, 0))), int(SEND_VERIFY_FAILED));
        QCOMPARE(fx.mouse().writeCalls(), 3);
        // 20 mismatches on the first write (19 rereads), then each mismatch rewrites at once.
        QCOMPARE(fx.mouse().readCalls(), 22);
    }

    void unsolicitedStatusReportIsSkipped()
    {
        VirtualMouseFixture fx;
        QByteArray status(33, '\0');
        status[0] = 0x05;
        status[2] = char(0xFA);
        status[3] = 0x48;
        status[4] = 0x10;
        fx.mouse().injectReport(VirtualMouse::Receiver, 1, status);
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_OK));
        QCOMPARE(fx.mouse().writeCalls(), 1);
        QCOMPARE(fx.mouse().readCalls(), 2);
    }

    void shortReplyIsZeroFilled()
    {
        VirtualMouseFixture fx;
        fx.mouse().setFaults(faults([](VirtualMouse::Faults& f) { f.noReply = true; }));
        const quint8 zeros[3] = { 0, 0, 0 };
        const CommandFrame frame = makeFrame(0x02, 1, 0, 3, SEQ_NEXT, zeros);
        // An 8-byte echo of the header: the missing data bytes read as the zeros that were sent.
        fx.mouse().injectReport(VirtualMouse::Receiver, 1, QByteArray(reinterpret_cast<const char*>(frame.data()), 8));
        QCOMPARE(int(sendCommand(frame)), int(SEND_OK));
        QCOMPARE(fx.mouse().writeCalls(), 1);
    }

    void failedWriteIsNotRetried()
    {
        VirtualMouseFixture fx;
        fx.mouse().setFaults(faults([](VirtualMouse::Faults& f) { f.failWrites = -1; }));
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_WRITE_FAILED));
        QCOMPARE(fx.mouse().writeCalls(), 1);
        QCOMPARE(fx.mouse().readCalls(), 0);
    }

    void cablePreferredOverReceiver()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Both);
        QVERIFY(dongleControl);
        QVERIFY(cableControl);
        QCOMPARE(controlHandle(), cableControl);
        fx.mouse().setFaults(faults([](VirtualMouse::Faults& f) { f.noReply = true; }));
        // A header-only echo injected on the receiver only would be ignored; on the cable it verifies.
        const CommandFrame frame = makeFrame(0x46, 1, 0, 0, 0);
        fx.mouse().injectReport(VirtualMouse::Cable, 1, QByteArray(reinterpret_cast<const char*>(frame.data()), 33));
        QCOMPARE(int(sendCommand(frame)), int(SEND_OK));
        QCOMPARE(fx.mouse().writeCalls(), 1);
    }

    void otherCollectionsReportsAreFilteredDuringTransactions()
    {
        VirtualMouseFixture fx;
        fx.mouse().startStreaming(1);
        // A raw handle on the control node does see the keyboard and consumer reports.
        HidHandle* raw = hidOpenPath(deviceTable[0].path2);
        QVERIFY(raw);
        quint8 report[33] = {};
        QVERIFY(hidReadTimeout(raw, report, 33, 1000) > 0);
        QVERIFY(report[0] != 0x05);
        hidClose(raw);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(int(sendCommand(generalFrame())), int(SEND_OK));
        fx.mouse().stopStreaming();
        // No frame needed a second write: the echo was always found among the other reports.
        QCOMPARE(fx.mouse().writeCalls(), 20);
    }

    void controlHandleKeepsItsReportsWhileOthersStream_data()
    {
        QTest::addColumn<bool>("pump");
        QTest::addColumn<bool>("shared");
        QTest::newRow("per-collection buffer") << false << false;
        QTest::newRow("pump thread") << true << false;
        // Control collection on the mouse's node: pointer reports stream on the control handle.
        QTest::newRow("pointer node, per-collection buffer") << false << true;
        QTest::newRow("pointer node, pump thread") << true << true;
    }

    void controlHandleKeepsItsReportsWhileOthersStream()
    {
        QFETCH(bool, pump);
        QFETCH(bool, shared);
        VirtualMouseFixture fx(VirtualMouseFixture::ReceiverOnly, false);
        fx.mouse().setControlOnMouseNode(VirtualMouse::Receiver, shared);
        fx.open();
        QCOMPARE(qstrcmp(deviceTable[0].path1, deviceTable[0].path2) == 0, shared);
        if (pump)
            fx.usePumpedControlHandles();
        fx.mouse().startStreaming(2);
        // Long enough for the node's 64-report queue to fill many times over.
        QTest::qWait(300);
        const int writesBefore = fx.mouse().writeCalls();
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_OK));
        QCOMPARE(fx.mouse().writeCalls() - writesBefore, 1);
        QTest::qWait(300);
        fx.mouse().sendChangeReport(1, 2, 3, 0);
        quint8 report[33] = {};
        QVERIFY(hidReadTimeout(controlHandle(), report, 33, 2000) > 0);
        QCOMPARE(int(report[3]), 0x49);
        fx.mouse().stopStreaming();
        // A vanished node turns into a read error, not a hang.
        fx.mouse().unplug(VirtualMouse::Receiver);
        QCOMPARE(hidReadTimeout(controlHandle(), report, 33, 2000), -1);
    }

    void unplugMidwayEndsWithWriteFailure()
    {
        VirtualMouseFixture fx;
        fx.mouse().setFaults(faults([](VirtualMouse::Faults& f) { f.unplugAfterFrames = 2; }));
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_OK));
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_OK));
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_WRITE_FAILED));
        QVERIFY(!fx.mouse().isPlugged(VirtualMouse::Receiver));
        QCOMPARE(int(sendCommand(generalFrame())), int(SEND_WRITE_FAILED));
    }

private:
    std::unique_ptr<TestAppDir> m_dir;
};

QTEST_GUILESS_MAIN(TestTransaction)
#include "TestTransaction.moc"
