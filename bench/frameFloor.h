// The protocol's floor of a send, for the benchmarks: 10 ms after each frame written plus the reply
// latency of each frame the host waits on an echo for.
#pragma once

#include <QByteArray>
#include <QVector>

#include <algorithm>

struct FrameFloor {
    int frames = 0;
    int verified = 0;
    double floorMs = 0;
};

inline FrameFloor frameFloor(const QVector<QByteArray>& received, int latencyMs)
{
    FrameFloor f;
    f.frames = received.size();
    f.verified = int(std::count_if(received.begin(), received.end(), [](const QByteArray& frame) {
        const quint8 command = quint8(frame[3]);
        return command <= 10 || command == 0x40 || command == 0x46;
    }));
    f.floorMs = f.frames * 10.0 + f.verified * latencyMs;
    return f;
}
