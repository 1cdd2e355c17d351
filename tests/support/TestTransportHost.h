#pragma once
// Stands in for the main window: handles delivered frames on the test's Qt thread, records frames,
// failure notices, writes and traces, and lets a test answer from inside the handler.

#include "device/BytePacket.h"
#include "platform/os/TThreadCallQueue.h"
#include "transport/LTransportHost.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

class TestTransportHost : public LTransportHost
{
public:
    struct Delivered
    {
        unsigned Message;
        BytePacket Frame;
        std::uint32_t Ms;
    };
    struct Written
    {
        BytePacket Bytes;
        double AtMs; // since the host was made
    };
    struct CommEvent
    {
        std::uint32_t Code;
        std::uint32_t Param;
        double AtMs;
    };

    // Make on the thread that runs the Qt loop (a QCoreApplication must exist; see EnsureApp).
    explicit TestTransportHost(int deviceId = 1);

    int GetDeviceId() const override { return DeviceId; }
    bool DeliverFrame(unsigned message, const BytePacket& frame, std::uint32_t elapsedMs,
                      const vcl::TCancelSignal& cancel) override;
    void PostCommEvent(std::uint32_t code, std::uint32_t param) override;
    void UsbWrite(const std::uint8_t* data, unsigned count) override { Write(data, count); }
    void NetWrite(const std::uint8_t* data, unsigned count) override { Write(data, count); }
    void TraceComWrite(const std::uint8_t* data, unsigned count) override;
    void TraceComRead(const std::uint8_t* data, unsigned count) override;

    // Runs on the Qt thread inside the synchronous delivery (may queue further frames).
    std::function<void(const Delivered&)> OnFrame;
    // Runs on the worker thread for every write (for example feeding an emulator).
    std::function<void(const std::uint8_t*, unsigned)> Writer;
    // Runs on the Qt thread for every failure notice.
    std::function<void(const CommEvent&)> OnCommEvent;
    // Keeps each frame handler busy this long (a window slow to handle replies).
    std::atomic<int> HandlerDelayMs { 0 };
    // Reports every frame as not handled once its handler ran, as a window whose handler failed does.
    std::atomic<bool> ReportNotHandled { false };

    std::vector<Delivered> Frames() const;
    std::vector<Written> Writes() const;
    std::vector<CommEvent> CommEvents() const;
    std::vector<std::string> Traces() const;
    double NowMs() const;

    // Calls run on the Qt thread (for replies fed back as the window would).
    vcl::TThreadCallQueue& Ui() { return UiQueue; }

    // Runs the Qt loop until pred holds or timeoutMs passed; returns pred().
    static bool SpinUntil(const std::function<bool()>& pred, int timeoutMs);
    static void Spin(int ms);
    static void EnsureApp();

    static std::string Hex(const std::string& prefix, const std::uint8_t* data, unsigned count);

private:
    void Write(const std::uint8_t* data, unsigned count);

    int DeviceId;
    std::chrono::steady_clock::time_point Start { std::chrono::steady_clock::now() };
    vcl::TThreadCallQueue UiQueue;
    mutable std::mutex M;
    std::vector<Delivered> FrameLog;
    std::vector<Written> WriteLog;
    std::vector<CommEvent> EventLog;
    std::vector<std::string> TraceLog;
};
