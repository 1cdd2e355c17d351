#pragma once
// One command or reply: address, command code and payload, rendered as a device frame or parsed from one.

#include "device/BytePacket.h"

#include <cstddef>
#include <cstdint>
#include <span>

class LCmd
{
public:
    static constexpr std::uint8_t DLE = 0x10;
    static constexpr std::uint8_t STX = 0x02;
    static constexpr std::uint8_t ETX = 0x03;
    // The length byte counts the command code too, so one byte leaves room for 254 payload bytes.
    static constexpr std::size_t MaxPayload = 254;
    // Framing bytes, addresses, length, code, closing bytes and check byte around the payload.
    static constexpr std::size_t FrameOverhead = 9;

    LCmd() = default;
    LCmd(std::uint8_t address, std::uint8_t command);
    // Parses one received frame (framed) or takes the bytes as a bare payload. Never reads past the bytes.
    LCmd(std::span<const std::uint8_t> bytes, bool framed);
    virtual ~LCmd() = default;

    // The whole frame (framed) or the payload alone. A payload too long for the length byte renders
    // as an empty packet: it cannot be framed faithfully.
    BytePacket ToBytes(bool framed) const;

    std::uint8_t GetAddress() const { return Address; }
    std::uint8_t GetCommand() const { return Command; }
    const BytePacket& GetPayload() const { return Payload; }

protected:
    void Append(std::uint8_t b) { Payload.push_back(b); }
    void Append16(unsigned v)
    {
        Payload.push_back(static_cast<std::uint8_t>(v & 0xFF));
        Payload.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    void AppendBytes(std::span<const std::uint8_t> bytes) { Payload.insert(Payload.end(), bytes.begin(), bytes.end()); }

    std::uint8_t Address { 0 };
    std::uint8_t Command { 0 };
    BytePacket Payload;
};
