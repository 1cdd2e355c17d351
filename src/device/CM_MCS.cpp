#include "device/CM_MCS.h"

#include "device/McsCodes.h"

#include <algorithm>

namespace {

std::uint8_t Lo(int v)
{
    return static_cast<std::uint8_t>(v & 0xFF);
}

} // namespace

CM_MCS_MCU_RESET::CM_MCS_MCU_RESET(int address)
    : LCmd(Lo(address), MCS_CMD_MCU_RESET)
{
}

CM_MCS_DELAYUNIT::CM_MCS_DELAYUNIT(int address, int unit)
    : LCmd(Lo(address), MCS_CMD_DELAYUNIT)
{
    Append(Lo(unit));
}

CM_MCS_READ_EEPROM::CM_MCS_READ_EEPROM(int address, unsigned memAddress, unsigned count)
    : LCmd(Lo(address), MCS_CMD_READ_EEPROM)
{
    Append16(memAddress);
    Append(static_cast<std::uint8_t>(count & 0xFF));
}

CM_MCS_WRITE_EEPROM::CM_MCS_WRITE_EEPROM(int address, unsigned memAddress, std::uint8_t count,
                                         std::span<const std::uint8_t> data)
    : LCmd(Lo(address), MCS_CMD_WRITE_EEPROM)
{
    Append16(memAddress);
    Append(count);
    for (std::size_t i = 0; i < count; ++i)
        Append(i < data.size() ? data[i] : 0);
}

CM_MCS_DOWNLOAD::CM_MCS_DOWNLOAD(int address, int record, int block, std::uint32_t count,
                                 std::span<const std::uint8_t> data)
    : LCmd(Lo(address), MCS_CMD_DOWNLOAD)
{
    Append(Lo(block));
    Append(Lo(record));
    // A count beyond one frame still yields an over-long payload, which rendering refuses.
    const std::size_t take = std::min<std::size_t>(count, MaxPayload + 1);
    for (std::size_t i = 0; i < take; ++i)
        Append(i < data.size() ? data[i] : 0);
}

CM_MCS_PRESETNAME::CM_MCS_PRESETNAME(int address, const PresetNameBytes& name)
    : LCmd(Lo(address), MCS_CMD_PRESETNAME)
{
    AppendBytes(name);
}

namespace {

void AppendPassword(BytePacket& payload, std::string_view password)
{
    for (std::size_t i = 0; i < 4; ++i)
        payload.push_back(i < password.size() ? static_cast<std::uint8_t>(password[i]) : 0);
}

} // namespace

CM_MCS_PASS_SUBMIT::CM_MCS_PASS_SUBMIT(int address, int kind, std::string_view password)
    : LCmd(Lo(address), MCS_CMD_PASS_SUBMIT)
{
    Append(Lo(kind));
    AppendPassword(Payload, password);
}

CM_MCS_SET_LOCK::CM_MCS_SET_LOCK(int address, std::string_view password)
    : LCmd(Lo(address), MCS_CMD_SET_LOCK)
{
    AppendPassword(Payload, password);
}

CM_MCS_COMP::CM_MCS_COMP(int address, int channel, const CompParams& comp)
    : LCmd(Lo(address), MCS_CMD_COMP)
{
    Append(Lo(channel));
    std::array<std::uint8_t, CompParams::Size> b {};
    comp.Write(b);
    AppendBytes(b);
}

CM_MCS_LOW_PASS::CM_MCS_LOW_PASS(int address, int channel, unsigned freqIndex, int slope)
    : LCmd(Lo(address), MCS_CMD_LOW_PASS)
{
    Append(Lo(channel));
    Append16(freqIndex);
    Append(Lo(slope));
}

CM_MCS_HIGH_PASS::CM_MCS_HIGH_PASS(int address, int channel, unsigned freqIndex, int slope)
    : LCmd(Lo(address), MCS_CMD_HIGH_PASS)
{
    Append(Lo(channel));
    Append16(freqIndex);
    Append(Lo(slope));
}

CM_MCS_PEQ::CM_MCS_PEQ(int address, int channel, int band, const PeqBand& peq, bool bypassed)
    : LCmd(Lo(address), MCS_CMD_PEQ)
{
    Append(Lo(channel));
    Append(Lo(band));
    std::array<std::uint8_t, PeqBand::Size> b {};
    peq.Write(b);
    AppendBytes(b);
    Append(bypassed ? 1 : 0);
}

CM_MCS_GAIN::CM_MCS_GAIN(int address, int channel, unsigned value)
    : LCmd(Lo(address), MCS_CMD_GAIN)
{
    Append(Lo(channel));
    Append16(value);
}

CM_MCS_MUTE::CM_MCS_MUTE(int address, int channel, int on)
    : LCmd(Lo(address), MCS_CMD_MUTE)
{
    Append(Lo(channel));
    Append(Lo(on));
}

CM_MCS_POLARITY::CM_MCS_POLARITY(int address, int channel, int polarity)
    : LCmd(Lo(address), MCS_CMD_POLARITY)
{
    Append(Lo(channel));
    Append(polarity != 0 ? 1 : 0);
}

CM_MCS_DELAY::CM_MCS_DELAY(int address, int channel, unsigned samples)
    : LCmd(Lo(address), MCS_CMD_DELAY)
{
    Append(Lo(channel));
    Append16(samples);
}

CM_MCS_WORK_MODE::CM_MCS_WORK_MODE(int address, int mode, int sineIndex)
    : LCmd(Lo(address), MCS_CMD_WORK_MODE)
{
    Append(Lo(mode));
    Append(Lo(sineIndex));
}

CM_MCS_MATRIX::CM_MCS_MATRIX(int address, int channel, unsigned inputMask)
    : LCmd(Lo(address), MCS_CMD_MATRIX)
{
    Append(Lo(channel));
    Append(static_cast<std::uint8_t>(inputMask & 0xFF));
}

CM_MCS_CHANNEL_NAME::CM_MCS_CHANNEL_NAME(int address, int channel, const ChannelNameBytes& name)
    : LCmd(Lo(address), MCS_CMD_CHANNEL_NAME)
{
    Append(Lo(channel));
    AppendBytes(name);
}

CM_MCS_GATE::CM_MCS_GATE(int address, int channel, const GateParams& gate)
    : LCmd(Lo(address), MCS_CMD_GATE)
{
    Append(Lo(channel));
    std::array<std::uint8_t, GateParams::Size> b {};
    gate.Write(b);
    AppendBytes(b);
}

CM_MCS_CMD::CM_MCS_CMD(int address, int code)
    : LCmd(Lo(address), Lo(code))
{
}

CM_MCS_CMD::CM_MCS_CMD(int address, int code, int byte1)
    : LCmd(Lo(address), Lo(code))
{
    Append(Lo(byte1));
}

CM_MCS_CMD::CM_MCS_CMD(int address, int code, int byte1, int byte2)
    : LCmd(Lo(address), Lo(code))
{
    Append(Lo(byte1));
    Append(Lo(byte2));
}
