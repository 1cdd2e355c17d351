#include "support/DeviceEmulator.h"

#include "device/McsCodes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <optional>
#include <utility>

DeviceEmulator::DeviceEmulator()
    : Levels(37, 0)
{
    // A program unlike the factory one, every byte telling its place, so that reads show what they carried.
    for (std::size_t i = 0; i < DumpSize; ++i)
        Kept.Program[i] = static_cast<std::uint8_t>(i * 7);
    Kept.Program[0] = 0xFF;
}

BytePacket DeviceEmulator::ReplyFrame(std::uint8_t sender, std::uint8_t code, const BytePacket& payload)
{
    // Sized once and filled in place (growing a short list by insert trips a false bounds warning of
    // the optimiser).
    BytePacket f(6 + payload.size());
    const std::uint8_t head[] { 0x10, 0x02, sender, 0x00, static_cast<std::uint8_t>(payload.size() + 1), code };
    std::copy(std::begin(head), std::end(head), f.begin());
    std::copy(payload.begin(), payload.end(), f.begin() + 6);
    f.push_back(0x10);
    f.push_back(0x03);
    std::uint8_t x = 0;
    for (std::uint8_t b : f)
        x ^= b;
    f.push_back(x);
    return f;
}

BytePacket DeviceEmulator::RequestFrame(std::uint8_t device, std::uint8_t code, const BytePacket& payload)
{
    BytePacket f = ReplyFrame(0x00, code, payload);
    f[3] = device;
    f.back() = 0;
    for (std::size_t i = 0; i + 1 < f.size(); ++i)
        f.back() ^= f[i];
    return f;
}

std::vector<EmulatorChunk> DeviceEmulator::Feed(const std::uint8_t* data, std::size_t count)
{
    std::vector<EmulatorChunk> out;
    std::lock_guard lock(M);
    Raw.insert(Raw.end(), data, data + count);
    if (Echo && count > 0)
        out.push_back({ 0, BytePacket(data, data + count) });
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = data[i];
        if (Partial.empty() && b != 0x10)
            continue;
        if (Partial.size() == 1 && b != 0x02)
            continue;
        Partial.push_back(b);
        if (Partial.size() == 5 && b == 0) {
            Partial.clear();
            continue;
        }
        if (Partial.size() < 9 || Partial.size() != static_cast<std::size_t>(Partial[4]) + 8)
            continue;
        const BytePacket request = std::move(Partial);
        Partial.clear();
        Log.push_back(request);
        Cv.notify_all();
        if (Restarting && request[5] != MCS_CMD_CONNECT)
            continue;
        Restarting = false;
        std::optional<ArmedFault> fault;
        for (auto it = Faults.begin(); it != Faults.end(); ++it) {
            if ((it->Code == 0 || it->Code == request[5]) && it->Skip-- == 0) {
                fault = *it;
                Faults.erase(it);
                break;
            }
        }
        if (fault && fault->Kind == Fault::Reset) {
            Restarting = true;
            Kept.Selected = 1;
            continue;
        }
        if (Silent)
            continue;
        if (Ignore > 0) {
            --Ignore;
            continue;
        }
        BytePacket reply = Answer(request);
        if (reply.empty())
            continue;
        if (fault && fault->Kind == Fault::ForeignId)
            reply = ReplyFrame(fault->Id, reply[5], BytePacket(reply.begin() + 6, reply.end() - 3));
        if (fault && fault->Kind == Fault::Late) {
            out.push_back({ fault->Ms, reply });
            continue;
        }
        if (fault && fault->Kind == Fault::Twice) {
            out.push_back({ Delay, reply });
            out.push_back({ fault->Ms, reply });
            continue;
        }
        if (ShortCode == request[5]) {
            ShortCode = -1;
            const std::size_t keep = std::min<std::size_t>(ShortBytes, reply[4] - 1u);
            reply = ReplyFrame(reply[2], reply[5], BytePacket(reply.begin() + 6, reply.begin() + 6 + long(keep)));
        }
        if (std::exchange(Duplicate, false)) {
            const BytePacket copy = reply;
            reply.insert(reply.end(), copy.begin(), copy.end());
        }
        reply.insert(reply.begin(), Inject.begin(), Inject.end());
        Inject.clear();
        if (Split.empty()) {
            out.push_back({ Delay, std::move(reply) });
            continue;
        }
        std::size_t pos = 0;
        for (std::size_t k = 0; pos < reply.size(); ++k) {
            const std::size_t n = k < Split.size() ? Split[k] : reply.size() - pos;
            const std::size_t take = std::min(n, reply.size() - pos);
            out.push_back({ k == 0 ? Delay : SplitGap, BytePacket(reply.begin() + pos, reply.begin() + pos + take) });
            pos += take;
        }
    }
    return out;
}

BytePacket DeviceEmulator::FeedAll(const BytePacket& bytes)
{
    BytePacket all;
    for (auto& c : Feed(bytes))
        all.insert(all.end(), c.Bytes.begin(), c.Bytes.end());
    return all;
}

BytePacket DeviceEmulator::Ack() const
{
    return ReplyFrame(Id, MCS_REPLY_ACK, {});
}

void DeviceEmulator::KeepChange(std::uint8_t code, const BytePacket& payload)
{
    const DeviceState before = Kept;
    if (Kept.Apply(code, payload) && !(Kept == before))
        ++Generation;
}

BytePacket DeviceEmulator::Answer(const BytePacket& r)
{
    const std::uint8_t to = r[3];
    if (to != Id)
        return {};
    const std::uint8_t code = r[5];
    const BytePacket p(r.begin() + 6, r.begin() + 6 + (r[4] - 1));
    auto arg = [&](std::size_t i) -> std::uint8_t { return i < p.size() ? p[i] : 0; };

    switch (code) {
    case MCS_CMD_CONNECT:
        return ReplyFrame(Id, MCS_REPLY_CONNECT, {});
    case MCS_CMD_DISCONNECT:
    case MCS_CMD_MCU_RESET:
        return {};
    case MCS_CMD_IDENTITY:
        return ReplyFrame(Id, MCS_REPLY_IDENTITY, BytePacket(Identity.begin(), Identity.end()));
    case MCS_CMD_READ_LOCK_STATUS:
        return ReplyFrame(Id, MCS_REPLY_LOCK_STATUS, { 0, 0, 0, 0, 0, static_cast<std::uint8_t>(Locked ? 1 : 0) });
    case MCS_CMD_PASS_SUBMIT: {
        const std::string given(p.begin() + std::min<std::size_t>(1, p.size()), p.end());
        const bool ok = given.compare(0, Password.size(), Password) == 0;
        if (ok)
            Locked = false;
        return ReplyFrame(Id, MCS_REPLY_PASSWORD_CHECK, { 0, static_cast<std::uint8_t>(ok ? 1 : 0) });
    }
    case MCS_CMD_READ_PRESET_FLAGS: {
        BytePacket flags(30);
        for (std::size_t i = 0; i < 30; ++i)
            flags[i] = Kept.Used[i] ? 0xFF : 0x00;
        return ReplyFrame(Id, MCS_REPLY_PRESET_FLAGS, flags);
    }
    case MCS_CMD_GET_PRESET_NO:
        return ReplyFrame(Id, MCS_REPLY_PRESET_NO, { Kept.CurrentPreset });
    case MCS_CMD_READ_PRESET_NAME: {
        const std::uint8_t n = arg(0);
        BytePacket out { n };
        if (n < 30) {
            const auto name = Kept.PresetName(n);
            out.insert(out.end(), name.begin(), name.end());
        } else {
            out.resize(15, ' ');
        }
        return ReplyFrame(Id, MCS_REPLY_PRESET_NAME, out);
    }
    case MCS_CMD_READ_PROGRAM_BLOCK:
    case MCS_CMD_READ_PRESET_BLOCK: {
        const std::uint8_t b = std::min<std::uint8_t>(arg(0), 14);
        const auto& src = code == MCS_CMD_READ_PROGRAM_BLOCK ? Kept.Program : Kept.Stored[Kept.Selected - 1u];
        BytePacket out(1 + BlockSize);
        out[0] = arg(0);
        std::copy(src.begin() + b * BlockSize, src.begin() + (b + 1) * BlockSize, out.begin() + 1);
        return ReplyFrame(Id, code == MCS_CMD_READ_PROGRAM_BLOCK ? MCS_REPLY_PROGRAM_BLOCK : MCS_REPLY_PRESET_BLOCK, out);
    }
    case MCS_CMD_READ_EEPROM: {
        const std::size_t at = arg(0) | (arg(1) << 8);
        BytePacket out;
        for (std::size_t i = 0; i < arg(2); ++i)
            out.push_back(Kept.Eeprom[(at + i) % Kept.Eeprom.size()]);
        return ReplyFrame(Id, MCS_REPLY_EEPROM_DATA, out);
    }
    case MCS_CMD_DOWNLOAD:
        KeepChange(code, p);
        return ReplyFrame(Id, MCS_REPLY_DOWNLOAD_BLOCK, { arg(0) });
    case MCS_CMD_READ_LEVELS:
        return ReplyFrame(Id, MCS_REPLY_LEVELS, Levels);
    default:
        // Every parameter setting and preset command changes what the device keeps; they, the
        // keep-alive and anything else are acknowledged.
        KeepChange(code, p);
        return Ack();
    }
}

void DeviceEmulator::SetSilent(bool silent) { std::lock_guard l(M); Silent = silent; }
void DeviceEmulator::IgnoreNext(int requests) { std::lock_guard l(M); Ignore = requests; }
void DeviceEmulator::SetReplyDelay(unsigned ms) { std::lock_guard l(M); Delay = ms; }
void DeviceEmulator::SetSplit(std::vector<std::size_t> sizes, unsigned gapMs)
{
    std::lock_guard l(M);
    Split = std::move(sizes);
    SplitGap = gapMs;
}
void DeviceEmulator::InjectBeforeNextReply(BytePacket bytes) { std::lock_guard l(M); Inject = std::move(bytes); }
void DeviceEmulator::ShortenNextReplyTo(std::uint8_t command, std::size_t payloadBytes)
{
    std::lock_guard l(M);
    ShortCode = command;
    ShortBytes = payloadBytes;
}
void DeviceEmulator::DuplicateNextReply() { std::lock_guard l(M); Duplicate = true; }
void DeviceEmulator::SetDeviceId(std::uint8_t id) { std::lock_guard l(M); Id = id; }
void DeviceEmulator::ArmFault(Fault fault, std::uint8_t code, int skip, unsigned ms, std::uint8_t id)
{
    std::lock_guard l(M);
    Faults.push_back({ fault, code, skip, ms, id });
}
void DeviceEmulator::SetEcho(bool echo) { std::lock_guard l(M); Echo = echo; }
void DeviceEmulator::SetIdentity(std::string text) { std::lock_guard l(M); Identity = std::move(text); }
void DeviceEmulator::SetLocked(bool locked, std::string password)
{
    std::lock_guard l(M);
    Locked = locked;
    Password = std::move(password);
}
void DeviceEmulator::SetLevels(std::vector<std::uint8_t> payload) { std::lock_guard l(M); Levels = std::move(payload); }
void DeviceEmulator::SetPresetUsed(int index, bool used)
{
    std::lock_guard l(M);
    Kept.Used.at(static_cast<std::size_t>(index)) = used;
    Kept.Stored[static_cast<std::size_t>(index)][0] = used ? 0xFF : 0x00;
}
void DeviceEmulator::SetPresetName(int index, const std::string& name) { std::lock_guard l(M); Kept.SetPresetName(index, name); }
void DeviceEmulator::SetCurrentPreset(std::uint8_t number) { std::lock_guard l(M); Kept.CurrentPreset = number; }
void DeviceEmulator::SetProgramByte(std::size_t offset, std::uint8_t value) { std::lock_guard l(M); Kept.Program.at(offset) = value; }
std::uint8_t DeviceEmulator::ProgramByte(std::size_t offset) const { std::lock_guard l(M); return Kept.Program.at(offset); }
DeviceState DeviceEmulator::State() const { std::lock_guard l(M); return Kept; }
void DeviceEmulator::SetState(const DeviceState& state)
{
    std::lock_guard l(M);
    Kept = state;
    ++Generation;
}
std::uint64_t DeviceEmulator::StateGeneration() const { std::lock_guard l(M); return Generation; }

std::vector<BytePacket> DeviceEmulator::Requests() const { std::lock_guard l(M); return Log; }
std::vector<BytePacket> DeviceEmulator::RequestsFrom(std::size_t first) const
{
    std::lock_guard l(M);
    if (first >= Log.size())
        return {};
    return std::vector<BytePacket>(Log.begin() + static_cast<std::ptrdiff_t>(first), Log.end());
}
BytePacket DeviceEmulator::RawReceived() const { std::lock_guard l(M); return Raw; }
std::size_t DeviceEmulator::RequestCount() const { std::lock_guard l(M); return Log.size(); }
std::size_t DeviceEmulator::CountOf(std::uint8_t command) const
{
    std::lock_guard l(M);
    return static_cast<std::size_t>(std::count_if(Log.begin(), Log.end(), [&](const BytePacket& f) { return f[5] == command; }));
}
bool DeviceEmulator::WaitForRequests(std::size_t n, unsigned timeoutMs) const
{
    std::unique_lock l(M);
    return Cv.wait_for(l, std::chrono::milliseconds(timeoutMs), [&] { return Log.size() >= n; });
}
void DeviceEmulator::ClearRecords()
{
    std::lock_guard l(M);
    Log.clear();
    Raw.clear();
}
