#pragma once
// The state a transport shares with its worker thread: send and receive buffers, the request queue,
// the frame cutter and the delivery. Held by shared pointer, so it outlives the transport object
// for as long as the worker runs.

#include "device/BytePacket.h"
#include "platform/os/TCriticalSection.h"
#include "platform/os/TEvent.h"
#include "platform/os/CrossThreadCall.h"
#include "transport/LFrameCutter.h"
#include "transport/LRequestQueue.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

class LTransportHost;

class LLinkCore
{
public:
    explicit LLinkCore(LTransportHost* host);
    virtual ~LLinkCore();
    LLinkCore(const LLinkCore&) = delete;
    LLinkCore& operator=(const LLinkCore&) = delete;

    // Worker thread: the wait loop. Returns when told to stop or when the wait fails.
    virtual void WorkerThread() = 0;

    // --- user-interface thread ---
    // Queued send; false when nothing was taken (worker not running, empty frame).
    bool SendQueued(const BytePacket& frame, int mode);
    // Empties the queue; its frames are never sent.
    void ClearQueue();
    // Idle: nothing in flight, nothing waiting, poll allowed.
    bool KeepAliveDue() const;
    // Bytes from the device, appended to the receive queue for the worker; nothing is overwritten.
    void ReceiveBytes(const std::uint8_t* data, std::size_t count);
    // Tells the worker to stop: wakes its waits and withdraws a delivery the window has not taken up.
    void RequestStop();

    // --- any thread ---
    // Copies a frame into the send buffer and wakes the worker, which writes it (byte layer hand-over).
    void HandOver(const std::uint8_t* data, std::size_t count);
    void Notify(std::uint32_t code, std::uint32_t param);

    std::atomic<bool> Running { false };
    std::atomic<unsigned> ReplyTimeout { 800 };
    std::atomic<int> MaxRetries { 2 };
    std::atomic<bool> KeepAliveOff { false };
    std::atomic<int> DeviceId { 1 };
    // Names this transport in its failure notices, so the window can tell a closed one's late notice
    // from the open one's. Never 0.
    const std::uint32_t Source;

    vcl::TCriticalSection& GetLock() { return Lock; }

    // Frames that answered no request in flight (late, repeated, foreign, malformed), handed on
    // as UM_RX_FRAME_STRAY and counted here.
    std::atomic<std::uint64_t> IgnoredFrames { 0 };

    // Observers for tests and traces.
    bool IsBusy() const;
    std::vector<BytePacket> QueueSnapshot() const;
    BytePacket SendBufferSnapshot() const;

    // Round-trip milliseconds between two counter readings, saturated to 0 .. 4294967295.
    static std::uint32_t ElapsedMs(std::int64_t start, std::int64_t now, std::int64_t frequency);

protected:
    // Hooks of the kinds of transport.
    virtual void Write(const std::uint8_t* data, std::size_t count) = 0; // worker, Lock held
    virtual void TraceHandOver(const std::uint8_t* data, std::size_t count) {}
    virtual unsigned DeliveryMessage() const;
    virtual void TraceFrame(const BytePacket& frame) {}
    // The transport's name in its traces ("COM", "USB", "NET").
    virtual const char* RouteName() const = 0;

    // Worker thread: writes the frame handed over and waits for its answer from now on.
    void WriteRequest();

    // Worker thread: writes the send buffer when it holds a frame (byte 0 not 0), under Lock; returns
    // what the buffer held.
    BytePacket WriteSendBuffer();
    // Worker thread: frame cutting of one received byte; delivers a completed frame.
    void OnByte(std::uint8_t b);
    // Worker thread: takes what ReceiveBytes queued.
    std::vector<std::uint8_t> TakeReceived();
    std::uint8_t SendBufferByte(std::size_t i) const;
    void ClearSendBufferByte0();
    bool StopRequested() const { return Stopping.load(); }

    LTransportHost* Host;
    // Held by the worker while it writes and while it cuts and delivers received bytes; the
    // user-interface thread takes it only while a serial port is set up before the worker starts.
    vcl::TCriticalSection Lock;
    vcl::TEvent QuitEvent { true };
    vcl::TEvent SendEvent;
    vcl::TEvent ReceiveEvent;
    vcl::TCancelSignal Cancel;
    std::atomic<bool> Stopping { false };

    // Worker-only: a request was written and its answer has not come back yet. Time-outs count
    // only then, so an answered request is never written again nor reported as unanswered. Only a
    // well-formed reply of the addressed device to that very request (its reply code, its block or
    // entry number) answers it.
    bool Awaiting { false };
    BytePacket Awaited;

private:
    void FrameComplete(const BytePacket& frame);
    void SendNextQueued(std::uint64_t handOversBeforeDelivery);
    void HandOverLocked(const BytePacket& frame);

    // Guards the shared state below; held only for short copies, never across a write or a delivery.
    mutable std::mutex StateLock;
    BytePacket SendBuffer;
    LRequestQueue Queue;
    bool Busy { false };
    std::int64_t SendTime { 0 };
    std::int64_t CounterFrequency { 1 };
    std::uint64_t HandOvers { 0 };
    // The send buffer holds a frame the worker has not written yet: a reply arriving now answers an
    // earlier request, so the next queued frame must wait rather than overwrite it.
    bool Unwritten { false };
    std::vector<std::uint8_t> Received;

    LFrameCutter Cutter; // worker only
};
