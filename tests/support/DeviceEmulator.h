#pragma once
// Plays the ZQ9 on a byte stream: cuts request frames from what it is fed, answers each as the device
// does, and records what it received. Thread-safe; the channels (TCP, pseudo-terminal, in-process,
// a fake hidraw socket) feed it and carry out the timed replies it returns.

#include "device/BytePacket.h"
#include "support/DeviceState.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// One piece of reply: sent DelayMs after the piece before it (or after the request, for the first).
struct EmulatorChunk
{
    unsigned DelayMs { 0 };
    BytePacket Bytes;
};

class DeviceEmulator
{
public:
    DeviceEmulator();

    // Bytes from the editor, in any pieces; the reply pieces to send back, in order.
    std::vector<EmulatorChunk> Feed(const std::uint8_t* data, std::size_t count);
    std::vector<EmulatorChunk> Feed(const BytePacket& bytes) { return Feed(bytes.data(), bytes.size()); }
    // The same with the timing dropped: every reply byte at once.
    BytePacket FeedAll(const BytePacket& bytes);

    // --- behaviour ---
    void SetSilent(bool silent);               // answers nothing
    void IgnoreNext(int requests);             // leaves the next n requests unanswered
    void SetReplyDelay(unsigned ms);           // answers late
    void SetSplit(std::vector<std::size_t> sizes, unsigned gapMs); // cuts each reply into pieces
    void InjectBeforeNextReply(BytePacket bytes); // sent in the same piece as the next reply
    void SetDeviceId(std::uint8_t id);         // the address it answers to and signs with
    // The next reply to `command` keeps only its first payloadBytes payload bytes (a short reply).
    void ShortenNextReplyTo(std::uint8_t command, std::size_t payloadBytes);
    // The next reply goes out twice in one piece (both copies of a resent request answered at once).
    void DuplicateNextReply();
    void SetIdentity(std::string text);        // "ZQ9 V010"
    void SetLocked(bool locked, std::string password = "0000");
    void SetLevels(std::vector<std::uint8_t> payload); // 37 bytes

    // --- faults of a misbehaving device or line ---
    enum class Fault
    {
        Late,      // the reply goes out `ms` after its request (past the editor's time-out)
        Twice,     // the reply goes out, then once more `ms` later
        ForeignId, // the reply is signed with the device ID `id`
        Reset,     // the device restarts: no reply to this request nor to any other until a link request
    };
    // Arms one fault for the reply to the (skip + 1)-th request of `code` from now on (code 0: of
    // any code); it acts once.
    void ArmFault(Fault fault, std::uint8_t code, int skip = 0, unsigned ms = 0, std::uint8_t id = 0);
    // A line that echoes: every byte fed comes straight back, ahead of any reply.
    void SetEcho(bool echo);

    // --- device state ---
    void SetPresetUsed(int index, bool used); // index 0..29
    void SetPresetName(int index, const std::string& name);
    void SetCurrentPreset(std::uint8_t number);
    void SetProgramByte(std::size_t offset, std::uint8_t value); // the 750-byte current program dump
    std::uint8_t ProgramByte(std::size_t offset) const;
    // Everything the device keeps, as a copy; and the whole of it replaced.
    DeviceState State() const;
    void SetState(const DeviceState& state);
    // Changes with every change of the kept state (edits, presets, EEPROM).
    std::uint64_t StateGeneration() const;

    // --- records ---
    std::vector<BytePacket> Requests() const;  // every request frame, in order
    std::vector<BytePacket> RequestsFrom(std::size_t first) const; // those from the given index on
    BytePacket RawReceived() const;            // every byte fed
    std::size_t RequestCount() const;
    std::size_t CountOf(std::uint8_t command) const;
    // Waits until at least n requests arrived; false on time-out.
    bool WaitForRequests(std::size_t n, unsigned timeoutMs) const;
    void ClearRecords();

    // A frame as the device sends it: its ID as sender, 0 as receiver.
    static BytePacket ReplyFrame(std::uint8_t sender, std::uint8_t code, const BytePacket& payload);
    // A frame as the editor sends it.
    static BytePacket RequestFrame(std::uint8_t device, std::uint8_t code, const BytePacket& payload = {});

    static constexpr std::size_t DumpSize = 750;
    static constexpr std::size_t BlockSize = 50;

private:
    BytePacket Answer(const BytePacket& request); // lock held; empty when no reply
    BytePacket Ack() const;
    void KeepChange(std::uint8_t code, const BytePacket& payload); // lock held

    mutable std::mutex M;
    mutable std::condition_variable Cv;
    BytePacket Partial; // request bytes collected so far
    std::vector<BytePacket> Log;
    BytePacket Raw;

    bool Silent { false };
    int Ignore { 0 };
    unsigned Delay { 0 };
    std::vector<std::size_t> Split;
    unsigned SplitGap { 0 };
    BytePacket Inject;
    int ShortCode { -1 };
    std::size_t ShortBytes { 0 };
    bool Duplicate { false };
    std::uint8_t Id { 1 };
    std::string Identity { "ZQ9 V010" };
    bool Locked { false };
    std::string Password { "0000" };
    std::vector<std::uint8_t> Levels;
    struct ArmedFault
    {
        Fault Kind;
        std::uint8_t Code;
        int Skip;
        unsigned Ms;
        std::uint8_t Id;
    };
    std::vector<ArmedFault> Faults;
    bool Restarting { false };
    bool Echo { false };

    DeviceState Kept;
    std::uint64_t Generation { 0 };
};
