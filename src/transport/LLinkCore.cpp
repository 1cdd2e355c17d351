#include "transport/LLinkCore.h"

#include "device/RequestReply.h"
#include "device/SendMode.h"
#include "platform/os/PerformanceCounter.h"
#include "transport/TransportMessages.h"
#include "transport/LTransportHost.h"

#include <limits>
#include <utility>

namespace {
std::uint32_t NextSource()
{
    static std::atomic<std::uint32_t> next { 0 };
    std::uint32_t id = ++next;
    while (id == 0)
        id = ++next;
    return id;
}
} // namespace

LLinkCore::LLinkCore(LTransportHost* host)
    : Source(NextSource())
    , Host(host)
{
}

LLinkCore::~LLinkCore() = default;

std::uint32_t LLinkCore::ElapsedMs(std::int64_t start, std::int64_t now, std::int64_t frequency)
{
    if (frequency <= 0 || now <= start)
        return 0;
    // Whole seconds and the rest apart, so no product overflows.
    const std::int64_t d = now - start;
    constexpr auto cap = std::numeric_limits<std::uint32_t>::max();
    if (d / frequency > static_cast<std::int64_t>(cap / 1000) + 1)
        return cap;
    const long double ms = static_cast<long double>(d) * 1000.0L / static_cast<long double>(frequency);
    return ms >= static_cast<long double>(cap) ? cap : static_cast<std::uint32_t>(ms);
}

bool LLinkCore::SendQueued(const BytePacket& frame, int mode)
{
    if (!Running || frame.empty())
        return false;
    bool handed = false;
    {
        std::lock_guard lock(StateLock);
        if (!Busy) {
            Busy = true;
            SendTime = vcl::QueryPerformanceCounter();
            CounterFrequency = vcl::QueryPerformanceFrequency();
            HandOverLocked(frame);
            handed = true;
        } else if (mode == SEND_REPLACE && frame == SendBuffer) {
            // An edit back to the value in flight (a fader turned back within one reply's time):
            // sending it again would only repeat that frame.
            Queue.PushEqualToInFlight(frame);
        } else {
            Queue.Push(frame, mode);
        }
    }
    if (handed) {
        TraceHandOver(frame.data(), frame.size());
        SendEvent.SetEvent();
    }
    return true;
}

void LLinkCore::HandOverLocked(const BytePacket& frame)
{
    SendBuffer = frame;
    Unwritten = true;
    ++HandOvers;
}

void LLinkCore::HandOver(const std::uint8_t* data, std::size_t count)
{
    if (!Running)
        return;
    {
        std::lock_guard lock(StateLock);
        HandOverLocked(BytePacket(data, data + count));
    }
    TraceHandOver(data, count);
    SendEvent.SetEvent();
}

void LLinkCore::ClearQueue()
{
    std::lock_guard lock(StateLock);
    Queue.Clear();
}

bool LLinkCore::KeepAliveDue() const
{
    std::lock_guard lock(StateLock);
    return !Busy && Queue.Empty() && !KeepAliveOff;
}

void LLinkCore::ReceiveBytes(const std::uint8_t* data, std::size_t count)
{
    if (count == 0)
        return;
    {
        std::lock_guard lock(StateLock);
        Received.insert(Received.end(), data, data + count);
    }
    ReceiveEvent.SetEvent();
}

std::vector<std::uint8_t> LLinkCore::TakeReceived()
{
    std::lock_guard lock(StateLock);
    return std::exchange(Received, {});
}

void LLinkCore::RequestStop()
{
    Stopping = true;
    Cancel.Cancel();
    QuitEvent.SetEvent();
}

void LLinkCore::Notify(std::uint32_t code, std::uint32_t param)
{
    Host->PostCommEventFrom(Source, code, param);
}

unsigned LLinkCore::DeliveryMessage() const
{
    return UM_RX_FRAME;
}

std::uint8_t LLinkCore::SendBufferByte(std::size_t i) const
{
    std::lock_guard lock(StateLock);
    return i < SendBuffer.size() ? SendBuffer[i] : 0;
}

void LLinkCore::ClearSendBufferByte0()
{
    std::lock_guard lock(StateLock);
    if (!SendBuffer.empty())
        SendBuffer[0] = 0;
}

BytePacket LLinkCore::WriteSendBuffer()
{
    BytePacket out;
    {
        std::lock_guard lock(StateLock);
        out = SendBuffer;
        Unwritten = false;
    }
    if (out.empty() || out[0] == 0)
        return out;
    vcl::TCriticalSectionLock io(Lock);
    Write(out.data(), out.size());
    return out;
}

void LLinkCore::WriteRequest()
{
    Awaiting = true;
    Awaited = WriteSendBuffer();
}

void LLinkCore::OnByte(std::uint8_t b)
{
    if (Cutter.Push(b))
        FrameComplete(Cutter.Frame());
}

void LLinkCore::FrameComplete(const BytePacket& frame)
{
    std::int64_t start, frequency;
    std::uint64_t handOvers;
    {
        std::lock_guard lock(StateLock);
        start = SendTime;
        frequency = CounterFrequency;
        handOvers = HandOvers;
    }
    const std::uint32_t ms = ElapsedMs(start, vcl::QueryPerformanceCounter(), frequency);
    // Only the answer to the request in flight ends it. A late reply to an earlier request, a second
    // reply to one request, a frame of another device or an echo of the request leaves the request
    // waiting (it is resent and reported as any unanswered one) and lets nothing else go out.
    const bool answers = Awaiting && RequestReply::Answers(Awaited, frame);
    if (answers)
        Awaiting = false;
    TraceFrame(frame);
    if (!answers) {
        ++IgnoredFrames;
        Host->TraceIgnoredFrame(RouteName(), frame.data(), static_cast<unsigned>(frame.size()));
    }
    if (StopRequested())
        return;
    unsigned message = DeliveryMessage();
    if (!answers && message == UM_RX_FRAME)
        message = UM_RX_FRAME_STRAY;
    // Whatever the window made of the answer (a handler may have failed), the link goes on; only a
    // stop keeps the next request back.
    Host->DeliverFrame(message, frame, ms, Cancel);
    if (StopRequested() || !answers)
        return;
    SendNextQueued(handOvers);
}

void LLinkCore::SendNextQueued(std::uint64_t handOversBeforeDelivery)
{
    BytePacket next;
    {
        std::lock_guard lock(StateLock);
        // The window sent a frame straight out while it handled this one (nothing was in flight):
        // that frame is in flight now, so the transport stays busy and the queue waits for its reply.
        if (HandOvers != handOversBeforeDelivery)
            return;
        // A second reply (say, to both copies of a resent request) while the frame handed over for the
        // first has not reached the wire: that frame is still to go out, and nothing may replace it.
        if (Unwritten)
            return;
        if (!Queue.Pop(next)) {
            Busy = false;
            return;
        }
        SendTime = vcl::QueryPerformanceCounter();
        CounterFrequency = vcl::QueryPerformanceFrequency();
        HandOverLocked(next);
    }
    TraceHandOver(next.data(), next.size());
    SendEvent.SetEvent();
}

bool LLinkCore::IsBusy() const
{
    std::lock_guard lock(StateLock);
    return Busy;
}

std::vector<BytePacket> LLinkCore::QueueSnapshot() const
{
    std::lock_guard lock(StateLock);
    std::vector<BytePacket> out;
    for (std::size_t i = 0; i < Queue.Size(); ++i)
        out.push_back(Queue.At(i));
    return out;
}

BytePacket LLinkCore::SendBufferSnapshot() const
{
    std::lock_guard lock(StateLock);
    return SendBuffer;
}
