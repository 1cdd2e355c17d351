#pragma once
// The request command classes: one per command code with its exact payload, and the generic CM_MCS_CMD.
// Arguments wider than a byte are cut to their low byte; 16-bit values go low byte first.

#include "device/LCmd.h"
#include "device/PresetRecords.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

using PresetNameBytes = std::array<std::uint8_t, 14>;
using ChannelNameBytes = std::array<std::uint8_t, 8>;

class CM_MCS_MCU_RESET : public LCmd
{
public:
    explicit CM_MCS_MCU_RESET(int address);
};

class CM_MCS_DELAYUNIT : public LCmd
{
public:
    CM_MCS_DELAYUNIT(int address, int unit);
};

class CM_MCS_READ_EEPROM : public LCmd
{
public:
    CM_MCS_READ_EEPROM(int address, unsigned memAddress, unsigned count);
};

// Writes count bytes; data shorter than count is padded with zero bytes, never read past.
class CM_MCS_WRITE_EEPROM : public LCmd
{
public:
    CM_MCS_WRITE_EEPROM(int address, unsigned memAddress, std::uint8_t count, std::span<const std::uint8_t> data);
};

// Payload: block number, then record index (the reverse of the argument order), then the data.
class CM_MCS_DOWNLOAD : public LCmd
{
public:
    CM_MCS_DOWNLOAD(int address, int record, int block, std::uint32_t count, std::span<const std::uint8_t> data);
};

class CM_MCS_PRESETNAME : public LCmd
{
public:
    CM_MCS_PRESETNAME(int address, const PresetNameBytes& name);
};

// The password is cut to 4 characters; a shorter one is padded with zero bytes.
class CM_MCS_PASS_SUBMIT : public LCmd
{
public:
    CM_MCS_PASS_SUBMIT(int address, int kind, std::string_view password);
};

class CM_MCS_SET_LOCK : public LCmd
{
public:
    CM_MCS_SET_LOCK(int address, std::string_view password);
};

class CM_MCS_COMP : public LCmd
{
public:
    CM_MCS_COMP(int address, int channel, const CompParams& comp);
};

class CM_MCS_LOW_PASS : public LCmd
{
public:
    CM_MCS_LOW_PASS(int address, int channel, unsigned freqIndex, int slope);
};

class CM_MCS_HIGH_PASS : public LCmd
{
public:
    CM_MCS_HIGH_PASS(int address, int channel, unsigned freqIndex, int slope);
};

class CM_MCS_PEQ : public LCmd
{
public:
    CM_MCS_PEQ(int address, int channel, int band, const PeqBand& peq, bool bypassed);
};

class CM_MCS_GAIN : public LCmd
{
public:
    CM_MCS_GAIN(int address, int channel, unsigned value);
};

class CM_MCS_MUTE : public LCmd
{
public:
    CM_MCS_MUTE(int address, int channel, int on);
};

// Carries 1 for any polarity other than 0.
class CM_MCS_POLARITY : public LCmd
{
public:
    CM_MCS_POLARITY(int address, int channel, int polarity);
};

class CM_MCS_DELAY : public LCmd
{
public:
    CM_MCS_DELAY(int address, int channel, unsigned samples);
};

class CM_MCS_WORK_MODE : public LCmd
{
public:
    CM_MCS_WORK_MODE(int address, int mode, int sineIndex);
};

class CM_MCS_MATRIX : public LCmd
{
public:
    CM_MCS_MATRIX(int address, int channel, unsigned inputMask);
};

class CM_MCS_CHANNEL_NAME : public LCmd
{
public:
    CM_MCS_CHANNEL_NAME(int address, int channel, const ChannelNameBytes& name);
};

class CM_MCS_GATE : public LCmd
{
public:
    CM_MCS_GATE(int address, int channel, const GateParams& gate);
};

// Any other request: a code with no, one or two payload bytes.
class CM_MCS_CMD : public LCmd
{
public:
    CM_MCS_CMD(int address, int code);
    CM_MCS_CMD(int address, int code, int byte1);
    CM_MCS_CMD(int address, int code, int byte1, int byte2);
};
