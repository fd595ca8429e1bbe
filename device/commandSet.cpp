// The device command set: block encoders and the senders that download a configuration.
#include "device/commandSet.h"

#include "device/KroGetBatteryThread.h"
#include "device/macroDownload.h"
#include "store/deviceDescription.h"
#include "store/keyTable.h"
#include "store/sensors.h"
#include "store/settings.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr quint8 CLOSE_BYTE = 0x1A;
constexpr quint8 BLOCK_CLOSE_ADDR = 0x7F;
constexpr quint8 APPLY_ADDR = 0xF3;
constexpr quint8 APPLY_GROUPS[] = { 0x04, 0x01, 0x02, 0x08, 0x10 };
constexpr quint8 EFFECT_MAP[LED_MODE_COUNT] = { 0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 7, 6, 8, 9 };

struct ButtonCode {
    int fun;
    SlotBytes bytes;
};
// Slot bytes of the button functions that carry no parameters.
constexpr ButtonCode BUTTON_CODES[] = {
    { ButtonFun::Left, { 0x81, 0, 0, 0 } },
    { ButtonFun::Right, { 0x82, 0, 0, 0 } },
    { ButtonFun::Middle, { 0x83, 0, 0, 0 } },
    { ButtonFun::Forward, { 0x85, 0, 0, 0 } },
    { ButtonFun::Back, { 0x84, 0, 0, 0 } },
    { 13, { 0x30, 0, 0, 0 } },
    { 49, { 0x89, 0, 0, 0 } },
    { 48, { 0x8A, 0, 0, 0 } },
    { ButtonFun::ScrollUp, { 0x8B, 0, 0, 0 } },
    { ButtonFun::ScrollDown, { 0x8C, 0, 0, 0 } },
    { 17, { 0x8F, 0x01, 0x1B, 0 } },
    { 18, { 0x8F, 0x01, 0x06, 0 } },
    { 19, { 0x8F, 0x01, 0x19, 0 } },
    { 20, { 0x8F, 0x01, 0x04, 0 } },
    { 21, { 0x8F, 0x01, 0x09, 0 } },
    { 22, { 0x8F, 0x01, 0x11, 0 } },
    { 23, { 0x8F, 0x01, 0x13, 0 } },
    { 24, { 0x8F, 0x01, 0x16, 0 } },
    { ButtonFun::LedSwitch, { 0x9B, 0x08, 0, 0 } },
    { 61, { 0xA0, 0, 0, 0 } },
    { 25, { 0x8F, 0x04, 0x2B, 0 } },
    { 26, { 0x8F, 0x04, 0x3D, 0 } },
    { 27, { 0x8F, 0x08, 0x08, 0 } },
    { 28, { 0x8F, 0x08, 0x15, 0 } },
    { 29, { 0x8F, 0x08, 0x07, 0 } },
    { 62, { 0x8F, 0x08, 0x10, 0 } },
    { 30, { 0x8F, 0x08, 0x0F, 0 } },
    { 31, { 0x8E, 0x01, 0x23, 0x02 } },
    { 32, { 0x8E, 0x01, 0x24, 0x02 } },
    { 33, { 0x8E, 0x01, 0x25, 0x02 } },
    { 34, { 0x8E, 0x01, 0x26, 0x02 } },
    { 35, { 0x8E, 0x01, 0x27, 0x02 } },
    { 36, { 0x8E, 0x01, 0x21, 0x02 } },
    { 37, { 0x8E, 0x01, 0x2A, 0x02 } },
    { 38, { 0x8E, 0x01, 0x8A, 0x01 } },
    { 40, { 0x8E, 0x01, 0xB7, 0 } },
    { 39, { 0x8E, 0x01, 0xCD, 0 } },
    { ButtonFun::ComboKey, { 0x8F, 0, 0, 0 } },
    { ButtonFun::Sniper, { 0x9A, 0x01, 0x01, 0x01 } },
    { 41, { 0x8E, 0x01, 0xB6, 0 } },
    { 42, { 0x8E, 0x01, 0xB5, 0 } },
    { 43, { 0x8E, 0x01, 0xE9, 0 } },
    { 44, { 0x8E, 0x01, 0xEA, 0 } },
    { 45, { 0x8E, 0x01, 0xE2, 0 } },
    { 46, { 0x8E, 0x01, 0x83, 0x01 } },
    { ButtonFun::SingleKey, { 0x90, 0, 0, 0 } },
    { ButtonFun::Macro, { 0x91, 0, 0, 0 } },
    { ButtonFun::GunFile, { 0x9D, 0, 0, 0 } },
    { ButtonFun::FireKey, { 0x99, 0, 0, 0 } },
    { ButtonFun::ButtonOff, { 0, 0, 0, 0 } },
    { 47, { 0x88, 0, 0, 0 } },
    { 63, { 0x97, 0x01, 0, 0 } },
    { 50, { 0x97, 0, 0, 0 } },
    { 51, { 0x98, 0, 0, 0 } },
    { 59, { 0x8D, 0, 0, 0 } },
    { 57, { 0x94, 0, 0, 0 } },
    { 58, { 0x95, 0, 0, 0 } },
    { 60, { 0x9F, 0, 0, 0 } },
};

SlotBytes buttonCodeBytes(int fun)
{
    for (const ButtonCode& code : BUTTON_CODES)
        if (code.fun == fun)
            return code.bytes;
    return { 0, 0, 0, 0 };
}

quint8 lo(quint32 v)
{
    return quint8(v & 0xFF);
}
quint8 hi(quint32 v)
{
    return quint8((v >> 8) & 0xFF);
}

CommandFrame blockFrame(quint8 command, int address, const quint8* data, int length, quint8 tag)
{
    return makeFrame(command, lo(quint32(address)), hi(quint32(address)), quint8(length), tag, data);
}

// Frames of a block laid out as (offset, length) pieces; the first piece carries 0xD1.
FrameList blockFrames(quint8 command, const quint8* block, std::initializer_list<std::pair<int, int>> pieces)
{
    FrameList frames;
    for (const auto& piece : pieces)
        frames.push_back(
            blockFrame(command, piece.first, block + piece.first, piece.second, frames.empty() ? SEQ_FIRST : SEQ_NEXT));
    frames.push_back(closingFrame(command));
    return frames;
}

void putSlot(ButtonBlock& block, int slot, const SlotBytes& bytes)
{
    if (slot < 0 || slot >= DEVICE_SLOT_COUNT)
        return; // a matrix entry outside the block's 24 slots addresses nothing
    std::copy(bytes.begin(), bytes.end(), block.begin() + 2 + 4 * slot);
}

SlotBytes macroSlot(const ButtonInfo& button, int number)
{
    SlotBytes s = { quint8(button.Fun == FUN_MACRO ? 0x91 : 0x9D), 0, 0, 0 };
    const quint8 n = quint8(number);
    switch (button.Res1) {
    case 0:
        s[1] = n;
        break;
    case 1:
        s[1] = n | 0x80;
        break;
    case 2:
        s[1] = n | 0x40;
        break;
    default:
        break;
    }
    const bool whileHeld = button.Res1 == 1 || button.Res1 == 2;
    s[2] = whileHeld ? 0xFF : lo(quint32(button.LoopNumber));
    s[3] = whileHeld ? 0xFF : hi(quint32(button.LoopNumber));
    return s;
}

// Fun 7: the modifier mask and the last plain key of a recorded key sequence.
SlotBytes shortcutSlot(const ButtonInfo& button)
{
    int mask = 0;
    quint8 key = 0;
    for (const KeyInfo& k : button.keyInfo) {
        if (k.map == 0)
            continue;
        quint8 code = 0;
        keyForHidUsage(k.map, code);
        switch (code) {
        case 29:
        case 238:
            mask += 1;
            break;
        case 42:
        case 54:
            mask += 2;
            break;
        case 56:
        case 239:
            mask += 4;
            break;
        case 91:
        case 92:
            mask += 8;
            break;
        default:
            key = k.map;
            break;
        }
    }
    return { 0x8F, quint8(mask / 2), key, 0 };
}

} // namespace

StagePairs encodeStage(int sensor, quint32 x, quint32 y, quint8 modeByte)
{
    return stageRegisters(sensor, x, y, modeByte);
}

quint8 encodeSensorRaw(int sensor, quint8 raw)
{
    return lockRegister(sensor, raw);
}

quint8 effectCode(quint8 ledMode)
{
    return ledMode >= LED_MODE_COUNT ? 6 : quint8(EFFECT_MAP[ledMode] + 1);
}

CommandFrame transferFrame(bool open)
{
    return makeFrame(CMD_TRANSFER, open ? 0 : 1, 0, 0, SEQ_NONE);
}

CommandFrame closingFrame(quint8 command)
{
    const quint8 data = CLOSE_BYTE;
    const int address = command == CMD_MACROS ? 0x0FFF : BLOCK_CLOSE_ADDR;
    return blockFrame(command, address, &data, 1, SEQ_LAST);
}

GeneralData generalData(const MouseConfig& image, const DownloadParams& params)
{
    GeneralData d {};
    const ProfileData& first = image.profiles[0];
    const ProfileData& active = image.current();
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        d[i] = image.profiles[i].scrollspeed;
        d[11 + i] = image.profiles[i].pollrate;
    }
    quint8 lift = image.LiftHigh;
    if (params.syncMode != 0) {
        if (image.Sync != 0)
            lift |= 0x80;
        if (image.AngleValue == 0)
            lift |= 0x40;
        if (image.Jitter == 0)
            lift |= 0x20;
    }
    d[5] = lift;
    d[6] = image.ProfileID;
    d[7] = first.LedMoveOFF;
    d[8] = first.LedSleepTime;
    d[9] = image.Debounce;
    d[10] = quint8(image.SensorMode | (image.Wake != 0 ? 0x80 : 0));
    d[16] = 0x1F;
    d[17] = active.dpi;
    d[18] = effectCode(active.LedMode);
    return d;
}

FrameList generalFrames(const MouseConfig& image, const DownloadParams& params)
{
    const GeneralData d = generalData(image, params);
    return blockFrames(CMD_GENERAL, d.data(), { { 0, GENERAL_DATA_SIZE } });
}

FrameList dpiFrames(const MouseConfig& image, const DownloadParams& params)
{
    const int count
        = params.stageCount >= 1 && params.stageCount <= DPI_STAGE_COUNT ? params.stageCount : DPI_STAGE_COUNT;
    const quint8 countByte = quint8(count);
    FrameList frames { blockFrame(CMD_DPI, 0, &countByte, 1, SEQ_FIRST) };
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        const DpiStage& stage = image.profiles[0].stages[i];
        const StagePairs pairs = encodeStage(params.sensor, stage.x, stage.y, params.modeByte);
        const quint8 data[5] = { quint8(i < count ? stage.used : 0), pairs[0], pairs[1], pairs[2], pairs[3] };
        frames.push_back(blockFrame(CMD_DPI, 5 * i + 1, data, 5, SEQ_NEXT));
    }
    frames.push_back(closingFrame(CMD_DPI));
    return frames;
}

SlotBytes buttonSlotBytes(const ButtonInfo& button, int sensor, int macroNumber)
{
    switch (button.Fun) {
    case FUN_MACRO:
    case FUN_GUNFILE:
        return macroSlot(button, macroNumber);
    case ButtonFun::SingleKey: {
        quint8 usage = 0;
        hidUsageForKey(button.Res1, usage);
        return { 0x90, 0, quint8(usage), 0 };
    }
    case ButtonFun::ComboKey:
        return shortcutSlot(button);
    case ButtonFun::FireKey:
        if (button.Res1 == 0)
            return { 0x99, 0x81, 3, 0 };
        return { 0x99, button.Res1, lo(quint32(button.LoopNumber)), quint8(button.KeyNumber / 10) };
    case ButtonFun::Sniper: {
        const quint8 v = encodeSensorRaw(sensor, button.Res1);
        return { 0x9A, 1, v, v };
    }
    default:
        return buttonCodeBytes(button.Fun);
    }
}

ButtonBlock buttonBlock(const MouseConfig& image, const DownloadParams& params)
{
    ButtonBlock block {};
    block[0] = 0x0A;
    block[1] = 0x00;
    const ProfileData& first = image.profiles[0];
    auto fill = [&](int slot, const ButtonInfo& button) {
        const bool isMacro = button.Fun == FUN_MACRO || button.Fun == FUN_GUNFILE;
        const int number = isMacro ? macroNumberFor(button.macroname) : 0;
        putSlot(block, slot, buttonSlotBytes(button, params.sensor, number));
    };
    const int count = std::clamp(params.buttonCount, 0, MATRIX_SIZE);
    for (int k = 0; k < count; ++k)
        fill(params.matrix[k], first.buttons[k]);
    fill(params.scrollRev ? 23 : 22, first.buttons[40]);
    fill(params.scrollRev ? 22 : 23, first.buttons[41]);
    std::fill(block.begin() + 98, block.end(), 0xFF);
    return block;
}

FrameList buttonFrames(const ButtonBlock& block)
{
    return blockFrames(
        CMD_BUTTONS, block.data(), { { 0, 2 }, { 2, 24 }, { 26, 24 }, { 50, 24 }, { 74, 24 }, { 98, 4 } });
}

LightingBlock lightingBlock(const MouseConfig& image)
{
    LightingBlock block {};
    const LedModeInfo* fx = image.profiles[0].lighting;
    auto record
        = [&](int r, std::array<quint8, 8> bytes) { std::copy(bytes.begin(), bytes.end(), block.begin() + 8 * r); };
    auto rgb = [&](int m) {
        return std::array<quint8, 3> { quint8(fx[m].RGB.red()), quint8(fx[m].RGB.green()), quint8(fx[m].RGB.blue()) };
    };
    auto bright = [&](int m) { return lo(fx[m].bright); };
    auto speed = [&](int m) { return lo(fx[m].breath); };
    const auto c1 = rgb(1);
    const auto c2 = rgb(2);
    record(0, { 0x80, 0, 0, 0, 0, 0, 0, 0 });
    record(1, { 0x80, c1[0], c1[1], c1[2], 0x01, 0x00, 0x02, bright(1) });
    record(2, { 0x80, c2[0], c2[1], c2[2], 0x01, speed(2), 0x04, 0x03 });
    record(3, { 0x80, 0, 0, 0, 0x01, speed(3), 0x01, 0x03 });
    record(4, { 0x80, 0, 0, 0, 0x01, speed(4), 0x08, bright(4) });
    record(5, { 0x80, 0, 0, 0, 0x05, speed(9), 0x01, bright(9) });
    record(6, { 0x80, 0, 0, 0, 0x07, 0x00, 0x00, bright(11) });
    record(7, { 0x80, 0, 0, 0, 0x06, speed(10), 0x00, bright(10) });
    record(8, { 0x80, 0, 0, 0, 0x08, speed(12), 0x00, bright(12) });
    record(9, { 0x80, 0, 0, 0, 0x09, speed(13), 0x00, bright(13) });
    return block;
}

FrameList lightingFrames(const LightingBlock& block)
{
    return blockFrames(CMD_LIGHTING, block.data(), { { 0, 24 }, { 24, 24 }, { 48, 24 }, { 72, 8 } });
}

FrameList applyAllFrames()
{
    FrameList frames;
    for (quint8 group : APPLY_GROUPS)
        frames.push_back(makeFrame(CMD_APPLY, APPLY_ADDR, group, 0, SEQ_NONE));
    return frames;
}

FrameList selectProfileFrames(int index)
{
    return { makeFrame(CMD_SELECT_PROFILE, quint8(index), 0, 0, SEQ_NONE),
        makeFrame(CMD_APPLY, APPLY_ADDR, 0x01, 0, SEQ_NONE) };
}

quint8 sendFrames(const FrameList& frames)
{
    for (const CommandFrame& frame : frames) {
        const quint8 status = sendCommand(frame);
        if (status != SEND_OK)
            return status;
    }
    return SEND_OK;
}

quint8 sendTransfer(bool open)
{
    return sendCommand(transferFrame(open));
}

quint8 sendGeneral(const MouseConfig& image, const DownloadParams& params)
{
    return sendFrames(generalFrames(image, params));
}

quint8 sendDpiStages(const MouseConfig& image, const DownloadParams& params)
{
    return sendFrames(dpiFrames(image, params));
}

quint8 sendButtons(const MouseConfig& image, const DownloadParams& params)
{
    clearMacroNumbers();
    return sendFrames(buttonFrames(buttonBlock(image, params)));
}

quint8 sendLighting(const MouseConfig& image)
{
    return sendFrames(lightingFrames(lightingBlock(image)));
}

quint8 sendApplyAll()
{
    return sendFrames(applyAllFrames());
}

quint8 selectProfile(int index)
{
    return sendFrames(selectProfileFrames(index));
}

DownloadParams readDownloadParams()
{
    DownloadParams p;
    p.sensor = sensorModel();
    p.stageCount = dpiStageCount();
    p.buttonCount = buttonCount();
    ButtonBytes matrix {};
    readButtonMatrix(matrix);
    std::copy(matrix.begin(), matrix.end(), p.matrix);
    p.scrollRev = scrollRev() == 1;
    p.syncMode = syncMode();
    p.modeByte = lastModeByte();
    return p;
}

quint8 downloadConfig(const MouseConfig& config, ChangeMask mask)
{
    return downloadConfig(config, mask, readDownloadParams());
}

quint8 downloadConfig(const MouseConfig& config, ChangeMask mask, const DownloadParams& params)
{
    BatteryPollerHold hold;
    const MouseConfig image = config;
    // Each step runs only while every step before it succeeded.
    quint8 status = sendTransfer(true);
    if (status == SEND_OK)
        status = sendGeneral(image, params);
    if (status == SEND_OK && (mask & CHANGE_BUTTONS))
        status = sendButtons(image, params);
    if (status == SEND_OK && (mask & CHANGE_DPI))
        status = sendDpiStages(image, params);
    if (status == SEND_OK && (mask & CHANGE_LIGHTING))
        status = sendLighting(image);
    if (status == SEND_OK)
        status = sendApplyAll();
    if (status == SEND_OK)
        status = sendMacros(image);
    if (status == SEND_OK)
        status = sendTransfer(false);
    if (status == SEND_OK)
        hold.restartAtEnd();
    return status;
}

quint8 switchMouseProfile(int index)
{
    BatteryPollerHold hold;
    hold.restartAtEnd();
    quint8 status = selectProfile(index);
    if (status == SEND_OK)
        status = sendApplyAll();
    return status;
}
