// The command frame and sendCommand: write, read back the echo, verify, retry within fixed bounds.
#pragma once

#include <QtGlobal>

#include <array>

constexpr int FRAME_SIZE = 33;
constexpr int FRAME_DATA_MAX = 25;

using CommandFrame = std::array<quint8, FRAME_SIZE>;

enum SendStatus : quint8 {
    SEND_OK = 0,
    SEND_NO_DEVICE = 1,
    SEND_VERIFY_FAILED = 2,
    SEND_WRITE_FAILED = 4,
    SEND_MOUSE_OFF = 5, // reported by the apply worker when the mouse is asleep
};

// Sequence tags of multi-frame blocks.
constexpr quint8 SEQ_NONE = 0x00;
constexpr quint8 SEQ_FIRST = 0xD1;
constexpr quint8 SEQ_NEXT = 0xD2;
constexpr quint8 SEQ_LAST = 0xD3;

// A frame with report id 0x05, magic 0xFA, the header fields and up to 25 data bytes (rest 0).
CommandFrame makeFrame(
    quint8 command, quint8 addrLo, quint8 addrHi, quint8 dataLen, quint8 seqTag, const quint8* data = nullptr);

// (bytes 2..7 summed mod 256) XOR 0x66.
quint8 frameChecksum(const CommandFrame& frame);

// Writes the frame to the cable's control handle if open, else the receiver's; verifies where
// the protocol verifies. Returns a SendStatus. Neither silence nor all-zero replies confirm a frame.
quint8 sendCommand(const CommandFrame& frame);
