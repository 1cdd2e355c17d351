#pragma once
// Command codes of the requests the editor sends and of the replies it handles.

#include <cstdint>

// Requests carried by the generic command.
inline constexpr std::uint8_t MCS_CMD_CONNECT = 0x10;
inline constexpr std::uint8_t MCS_CMD_DISCONNECT = 0x11;
inline constexpr std::uint8_t MCS_CMD_KEEP_ALIVE = 0x12;
inline constexpr std::uint8_t MCS_CMD_IDENTITY = 0x13;
inline constexpr std::uint8_t MCS_CMD_GET_PRESET_NO = 0x14;
inline constexpr std::uint8_t MCS_CMD_RECALL_PRESET = 0x20;
inline constexpr std::uint8_t MCS_CMD_STORE_PRESET = 0x21;
inline constexpr std::uint8_t MCS_CMD_READ_PRESET_FLAGS = 0x22;
inline constexpr std::uint8_t MCS_CMD_FACTORY_RESET = 0x23;
inline constexpr std::uint8_t MCS_CMD_SELECT_PRESET = 0x24;
inline constexpr std::uint8_t MCS_CMD_READ_PROGRAM_BLOCK = 0x27;
inline constexpr std::uint8_t MCS_CMD_READ_PRESET_BLOCK = 0x28;
inline constexpr std::uint8_t MCS_CMD_READ_PRESET_NAME = 0x29;
inline constexpr std::uint8_t MCS_CMD_COPY_CHANNEL = 0x2A;
inline constexpr std::uint8_t MCS_CMD_READ_LOCK_STATUS = 0x2C;
inline constexpr std::uint8_t MCS_CMD_CHANNEL_LINK = 0x3B;
inline constexpr std::uint8_t MCS_CMD_EQ_BYPASS = 0x3C;
inline constexpr std::uint8_t MCS_CMD_READ_LEVELS = 0x40;

// Requests with their own command class.
inline constexpr std::uint8_t MCS_CMD_MCU_RESET = 0x04;
inline constexpr std::uint8_t MCS_CMD_DELAYUNIT = 0x15;
inline constexpr std::uint8_t MCS_CMD_READ_EEPROM = 0x19;
inline constexpr std::uint8_t MCS_CMD_WRITE_EEPROM = 0x1A;
inline constexpr std::uint8_t MCS_CMD_DOWNLOAD = 0x25;
inline constexpr std::uint8_t MCS_CMD_PRESETNAME = 0x26;
inline constexpr std::uint8_t MCS_CMD_PASS_SUBMIT = 0x2D;
inline constexpr std::uint8_t MCS_CMD_SET_LOCK = 0x2F;
inline constexpr std::uint8_t MCS_CMD_COMP = 0x30;
inline constexpr std::uint8_t MCS_CMD_LOW_PASS = 0x31;
inline constexpr std::uint8_t MCS_CMD_HIGH_PASS = 0x32;
inline constexpr std::uint8_t MCS_CMD_PEQ = 0x33;
inline constexpr std::uint8_t MCS_CMD_GAIN = 0x34;
inline constexpr std::uint8_t MCS_CMD_MUTE = 0x35;
inline constexpr std::uint8_t MCS_CMD_POLARITY = 0x36;
inline constexpr std::uint8_t MCS_CMD_DELAY = 0x38;
inline constexpr std::uint8_t MCS_CMD_WORK_MODE = 0x39;
inline constexpr std::uint8_t MCS_CMD_MATRIX = 0x3A;
inline constexpr std::uint8_t MCS_CMD_CHANNEL_NAME = 0x3D;
inline constexpr std::uint8_t MCS_CMD_GATE = 0x3E;

// Replies.
inline constexpr std::uint8_t MCS_REPLY_ACK = 0x01;
inline constexpr std::uint8_t MCS_REPLY_CONNECT = 0x10;
inline constexpr std::uint8_t MCS_REPLY_IDENTITY = 0x13;
inline constexpr std::uint8_t MCS_REPLY_PRESET_NO = 0x14;
inline constexpr std::uint8_t MCS_REPLY_EEPROM_DATA = 0x19;
inline constexpr std::uint8_t MCS_REPLY_PRESET_FLAGS = 0x22;
inline constexpr std::uint8_t MCS_REPLY_PROGRAM_BLOCK = 0x24;
inline constexpr std::uint8_t MCS_REPLY_DOWNLOAD_BLOCK = 0x25;
inline constexpr std::uint8_t MCS_REPLY_PRESET_BLOCK = 0x28;
inline constexpr std::uint8_t MCS_REPLY_PRESET_NAME = 0x29;
inline constexpr std::uint8_t MCS_REPLY_LOCK_STATUS = 0x2C;
inline constexpr std::uint8_t MCS_REPLY_PASSWORD_CHECK = 0x2D;
inline constexpr std::uint8_t MCS_REPLY_LEVELS = 0x40;
