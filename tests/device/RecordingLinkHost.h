#pragma once
// A sender and link host that records every frame the model sends, for asserting on exact traffic.

#include "device/LCmd.h"
#include "device/CommandSender.h"
#include "device/LinkHost.h"

#include <cstdio>
#include <string>
#include <vector>

class RecordingLinkHost : public LinkHost, public CommandSender
{
public:
    struct Sent
    {
        BytePacket frame;
        int mode;
        std::uint8_t command;
        std::string payload; // hex, "02 18 01"
    };

    void SendCommand(const LCmd& cmd, int mode, bool framed) override
    {
        sent.push_back({cmd.ToBytes(framed), mode, cmd.GetCommand(), Hex(cmd.GetPayload())});
    }
    int GetDeviceId() const override { return deviceId; }
    bool IsSendSuppressed() const override { return suppressed; }
    void MarkCurveStale(int channel) override { stale.push_back(channel); }

    static std::string Hex(const BytePacket& bytes)
    {
        std::string out;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
            out += (i ? " " : "");
            out += buf;
        }
        return out;
    }

    int deviceId { 1 };
    bool suppressed { false };
    std::vector<Sent> sent;
    std::vector<int> stale;
};
