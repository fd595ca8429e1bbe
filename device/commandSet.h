// The device command set: block encoders (pure, frame lists) and the senders built on sendCommand.
#pragma once

#include "device/transaction.h"
#include "store/MouseConfig.h"
#include "store/sensors.h"

#include <array>
#include <vector>

enum CommandCode : quint8 {
    CMD_GENERAL = 0x01,
    CMD_DPI = 0x02,
    CMD_BUTTONS = 0x03,
    CMD_LIGHTING = 0x04,
    CMD_MACROS = 0x05,
    CMD_APPLY = 0x40,
    CMD_SELECT_PROFILE = 0x44,
    CMD_TRANSFER = 0x46,
    CMD_STATUS = 0x48,
    CMD_CHANGE_REPORT = 0x49,
};

constexpr int MATRIX_SIZE = 16;
constexpr int DEVICE_SLOT_COUNT = 24;
constexpr int BUTTON_BLOCK_SIZE = 102;
constexpr int LIGHTING_BLOCK_SIZE = 80;
constexpr int GENERAL_DATA_SIZE = 19;

using FrameList = std::vector<CommandFrame>;
using StagePairs = StageRegisters;
using SlotBytes = std::array<quint8, 4>;
using ButtonBlock = std::array<quint8, BUTTON_BLOCK_SIZE>;
using LightingBlock = std::array<quint8, LIGHTING_BLOCK_SIZE>;
using GeneralData = std::array<quint8, GENERAL_DATA_SIZE>;

// What the encoders need from the device description and the settings, read once per download.
struct DownloadParams {
    int sensor = 0; // MouseSenSor/1
    int stageCount = 8; // as the description gives it; the DPI block sends 8 unless 1..8
    int buttonCount = 0; // user-interface buttons mapped through the matrix
    quint8 matrix[MATRIX_SIZE] = {};
    bool scrollRev = false;
    int syncMode = 0;
    quint8 modeByte = 0; // byte 10 of the last status reply
};

// Reads the description, the settings and lastModeByte.
DownloadParams readDownloadParams();

// --- pure encoders ---
StagePairs encodeStage(int sensor, quint32 x, quint32 y, quint8 modeByte);
quint8 encodeSensorRaw(int sensor, quint8 raw); // stage value of the DPI-lock button function
quint8 effectCode(quint8 ledMode);

CommandFrame transferFrame(bool open);
CommandFrame closingFrame(quint8 command);
GeneralData generalData(const MouseConfig& image, const DownloadParams& params);
FrameList generalFrames(const MouseConfig& image, const DownloadParams& params);
FrameList dpiFrames(const MouseConfig& image, const DownloadParams& params);

// macroNumber: the number the macro table hands out for a macro slot.
SlotBytes buttonSlotBytes(const ButtonInfo& button, int sensor, int macroNumber);
// Fills the block from profile 1; numbers macros through macroNumberFor.
ButtonBlock buttonBlock(const MouseConfig& image, const DownloadParams& params);
FrameList buttonFrames(const ButtonBlock& block);
LightingBlock lightingBlock(const MouseConfig& image);
FrameList lightingFrames(const LightingBlock& block);
FrameList applyAllFrames();
FrameList selectProfileFrames(int index);

// --- senders: each stops at the first frame that is not SEND_OK and returns its status ---
quint8 sendFrames(const FrameList& frames);
quint8 sendTransfer(bool open);
quint8 sendGeneral(const MouseConfig& image, const DownloadParams& params);
quint8 sendDpiStages(const MouseConfig& image, const DownloadParams& params);
quint8 sendButtons(const MouseConfig& image, const DownloadParams& params);
quint8 sendLighting(const MouseConfig& image);
quint8 sendApplyAll();
quint8 selectProfile(int index);

// The whole download for a change mask: poller stopped first, started again after a good close.
quint8 downloadConfig(const MouseConfig& config, ChangeMask mask);
quint8 downloadConfig(const MouseConfig& config, ChangeMask mask, const DownloadParams& params);

// A profile switch made on the mouse: selectProfile and sendApplyAll around a stopped poller.
quint8 switchMouseProfile(int index);
