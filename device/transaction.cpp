// The command frame and sendCommand: write, read back the echo, verify, retry within fixed bounds.
#include "device/transaction.h"

#include "device/hidDevices.h"

#include <QThread>

#include <algorithm>

namespace {

constexpr int WRITE_SETTLE_MS = 10;
constexpr int REREAD_PAUSE_MS = 50;
constexpr int READ_TIMEOUT_MS = 150;
constexpr int MAX_READ_FAILURES = 29; // a further failure leads to a rewrite
constexpr int MAX_MISMATCHES = 19;
constexpr int MAX_EMPTY_REPLIES = 5;
constexpr int MAX_REWRITES = 2;

enum Outcome { NO_OUTCOME = -1, MATCH = 0, COMMAND_MISMATCH = 1, DATA_MISMATCH = 2 };

bool isVerified(quint8 command)
{
    return command <= 10 || command == 0x40 || command == 0x46;
}

bool isEmptyReply(const CommandFrame& reply)
{
    return std::all_of(reply.begin(), reply.begin() + 8, [](quint8 b) { return b == 0; });
}

Outcome compareReply(const CommandFrame& frame, const CommandFrame& reply)
{
    for (int i : { 0, 2, 3, 4, 5, 6 }) {
        if (reply[i] != frame[i])
            return COMMAND_MISMATCH;
    }
    const int length = std::min<int>(frame[6], FRAME_DATA_MAX);
    if (frame[3] <= 10 && length != 0 && !std::equal(frame.begin() + 8, frame.begin() + 8 + length, reply.begin() + 8))
        return DATA_MISMATCH;
    return MATCH;
}

} // namespace

CommandFrame makeFrame(quint8 command, quint8 addrLo, quint8 addrHi, quint8 dataLen, quint8 seqTag, const quint8* data)
{
    CommandFrame frame {};
    frame[0] = 0x05;
    frame[2] = 0xFA;
    frame[3] = command;
    frame[4] = addrLo;
    frame[5] = addrHi;
    frame[6] = dataLen;
    frame[7] = seqTag;
    if (data)
        std::copy(data, data + std::min<int>(dataLen, FRAME_DATA_MAX), frame.begin() + 8);
    frame[1] = frameChecksum(frame);
    return frame;
}

quint8 frameChecksum(const CommandFrame& frame)
{
    unsigned sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += frame[i];
    return quint8((sum & 0xFF) ^ 0x66);
}

quint8 sendCommand(const CommandFrame& command)
{
    HidHandle* handle = controlHandle();
    if (!handle)
        return SEND_NO_DEVICE;
    CommandFrame frame = command;
    frame[1] = frameChecksum(frame);
    int readFailures = 0;
    int mismatches = 0;
    int emptyReplies = 0;
    int rewrites = 0;
    int lastOutcome = NO_OUTCOME;

    for (;;) { // write
        if (hidWrite(handle, frame.data(), FRAME_SIZE) < 0) {
            qDebug("Unable to send a feature report.\n");
            return SEND_WRITE_FAILED;
        }
        QThread::msleep(WRITE_SETTLE_MS);
        if (!isVerified(frame[3]))
            return SEND_OK;

        bool rewrite = false;
        while (!rewrite) { // read
            CommandFrame reply {};
            const int n = hidReadTimeout(handle, reply.data(), FRAME_SIZE, READ_TIMEOUT_MS);
            if (n < 0) {
                if (++readFailures <= MAX_READ_FAILURES) {
                    QThread::msleep(REREAD_PAUSE_MS);
                    continue;
                }
                if (++rewrites > MAX_REWRITES)
                    return SEND_VERIFY_FAILED;
                rewrite = true;
                continue;
            }
            // Nothing within the time-out: the frame may have been lost, so write it again. A silent
            // mouse thus costs three time-outs, not thirty rereads.
            if (n == 0) {
                if (++rewrites > MAX_REWRITES)
                    return SEND_VERIFY_FAILED;
                rewrite = true;
                continue;
            }
            // A short reply reads as zero-filled.
            std::fill(reply.begin() + std::min(n, FRAME_SIZE), reply.end(), quint8(0));
            if (isEmptyReply(reply) && ++emptyReplies <= MAX_EMPTY_REPLIES) {
                rewrite = true;
                continue;
            }
            // Empty replies confirm nothing: past their bound the last comparison decides, and
            // without one the frame is not confirmed.
            const int outcome = isEmptyReply(reply) ? lastOutcome : compareReply(frame, reply);
            if (outcome == NO_OUTCOME)
                return SEND_VERIFY_FAILED;
            lastOutcome = outcome;
            if (outcome == MATCH)
                return SEND_OK;
            if (outcome == COMMAND_MISMATCH && ++mismatches <= MAX_MISMATCHES) {
                QThread::msleep(REREAD_PAUSE_MS);
                emptyReplies = 0;
                continue;
            }
            if (++rewrites > MAX_REWRITES)
                return SEND_VERIFY_FAILED;
            emptyReplies = 0;
            rewrite = true;
        }
    }
}
