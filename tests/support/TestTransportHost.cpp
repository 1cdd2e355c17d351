#include "support/TestTransportHost.h"

#include "platform/os/TEvent.h"
#include "platform/ui/WindowMessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <thread>

namespace {

// One synchronous delivery; withdrawn when the worker stops before the Qt thread takes it up.
struct PendingDelivery
{
    enum class State { Queued, Running, Done, Withdrawn };
    std::mutex M;
    State St { State::Queued };
    vcl::TEvent Done;
    TestTransportHost::Delivered Item;
};

} // namespace

TestTransportHost::TestTransportHost(int deviceId)
    : DeviceId(deviceId)
{
}

void TestTransportHost::EnsureApp()
{
    static int argc = 1;
    static char name[] = "zq9-test";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

bool TestTransportHost::SpinUntil(const std::function<bool()>& pred, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return pred();
}

void TestTransportHost::Spin(int ms)
{
    SpinUntil([] { return false; }, ms);
}

double TestTransportHost::NowMs() const
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count();
}

std::string TestTransportHost::Hex(const std::string& prefix, const std::uint8_t* data, unsigned count)
{
    std::string s = prefix;
    char b[4];
    for (unsigned i = 0; i < count; ++i) {
        std::snprintf(b, sizeof b, "%02X ", data[i]);
        s += b;
    }
    return s;
}

bool TestTransportHost::DeliverFrame(unsigned message, const BytePacket& frame, std::uint32_t elapsedMs,
                                     const vcl::TCancelSignal& cancel)
{
    auto call = std::make_shared<PendingDelivery>();
    call->Item = { message, frame, elapsedMs };
    UiQueue.Post([this, call] {
        {
            std::lock_guard lock(call->M);
            if (call->St == PendingDelivery::State::Withdrawn)
                return;
            call->St = PendingDelivery::State::Running;
        }
        {
            std::lock_guard lock(M);
            FrameLog.push_back(call->Item);
        }
        if (const int d = HandlerDelayMs.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(d));
        if (OnFrame)
            OnFrame(call->Item);
        {
            std::lock_guard lock(call->M);
            call->St = PendingDelivery::State::Done;
        }
        call->Done.SetEvent();
    });
    for (;;) {
        if (call->Done.WaitFor(2))
            return !ReportNotHandled.load();
        if (cancel.IsCancelled()) {
            std::lock_guard lock(call->M);
            if (call->St == PendingDelivery::State::Queued) {
                call->St = PendingDelivery::State::Withdrawn;
                return false;
            }
        }
    }
}

void TestTransportHost::PostCommEvent(std::uint32_t code, std::uint32_t param)
{
    const CommEvent e { code, param, NowMs() };
    UiQueue.Post([this, e] {
        {
            std::lock_guard lock(M);
            EventLog.push_back(e);
        }
        if (OnCommEvent)
            OnCommEvent(e);
    });
}

void TestTransportHost::Write(const std::uint8_t* data, unsigned count)
{
    {
        std::lock_guard lock(M);
        WriteLog.push_back({ BytePacket(data, data + count), NowMs() });
    }
    if (Writer)
        Writer(data, count);
}

void TestTransportHost::TraceComWrite(const std::uint8_t* data, unsigned count)
{
    std::lock_guard lock(M);
    TraceLog.push_back(Hex("COM W ", data, count));
}

void TestTransportHost::TraceComRead(const std::uint8_t* data, unsigned count)
{
    std::lock_guard lock(M);
    TraceLog.push_back(Hex("COM R ", data, count));
}

std::vector<TestTransportHost::Delivered> TestTransportHost::Frames() const
{
    std::lock_guard lock(M);
    return FrameLog;
}

std::vector<TestTransportHost::Written> TestTransportHost::Writes() const
{
    std::lock_guard lock(M);
    return WriteLog;
}

std::vector<TestTransportHost::CommEvent> TestTransportHost::CommEvents() const
{
    std::lock_guard lock(M);
    return EventLog;
}

std::vector<std::string> TestTransportHost::Traces() const
{
    std::lock_guard lock(M);
    return TraceLog;
}
