#include "support/DeviceState.h"

#include "device/McsCodes.h"
#include "device/PresetImage.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

using namespace PresetLayout;

namespace {

constexpr char StateHeader[] = "zq9-device-state 1";

bool ValidChannel(int ch)
{
    return ch >= 0 && ch < ChannelCount;
}

int SideBit(int ch)
{
    return IsInput(ch) ? ch : ch - InputCount;
}

std::size_t Field(int ch, std::size_t inOffset, std::size_t outOffset)
{
    return ChannelRecord(ch) + (IsInput(ch) ? inOffset : outOffset);
}

unsigned Read16(const DeviceState::Dump& d, std::size_t at)
{
    return static_cast<unsigned>(d[at] | (d[at + 1] << 8));
}

void Write16(DeviceState::Dump& d, std::size_t at, unsigned v)
{
    d[at] = static_cast<std::uint8_t>(v & 0xFF);
    d[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

void SetBit(DeviceState::Dump& d, std::size_t at, int bit, bool on)
{
    const unsigned mask = Read16(d, at);
    Write16(d, at, on ? (mask | (1u << bit)) : (mask & ~(1u << bit)));
}

void CopyBytes(DeviceState::Dump& d, std::size_t at, const BytePacket& p, std::size_t from, std::size_t count)
{
    std::copy_n(p.begin() + static_cast<std::ptrdiff_t>(from), count, d.begin() + static_cast<std::ptrdiff_t>(at));
}

std::string Hex(const std::uint8_t* data, std::size_t count)
{
    std::string out;
    out.reserve(2 * count);
    for (std::size_t i = 0; i < count; ++i) {
        char two[3];
        std::snprintf(two, sizeof two, "%02x", data[i]);
        out += two;
    }
    return out;
}

template <std::size_t N> bool FromHex(const std::string& text, std::array<std::uint8_t, N>& out)
{
    if (text.size() != 2 * N)
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        unsigned v = 0;
        for (std::size_t k = 0; k < 2; ++k) {
            const char c = text[2 * i + k];
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (digit < 0)
                return false;
            v = v * 16 + static_cast<unsigned>(digit);
        }
        out[i] = static_cast<std::uint8_t>(v);
    }
    return true;
}

} // namespace

DeviceState::DeviceState()
{
    Program = FactoryProgram();
    FactoryReset();
    for (std::size_t i = 0; i < Eeprom.size(); ++i)
        Eeprom[i] = static_cast<std::uint8_t>(0xA0 + i);
}

DeviceState::Dump DeviceState::FactoryProgram()
{
    Dump d {};
    std::copy(DefaultPresetImage.begin(), DefaultPresetImage.end(), d.begin());
    d[0] = 0xFF;
    return d;
}

void DeviceState::FactoryReset()
{
    Program = FactoryProgram();
    for (int n = 0; n < Presets; ++n) {
        auto& slot = Stored[static_cast<std::size_t>(n)];
        slot = FactoryProgram();
        slot[0] = 0x00;
        char name[15];
        std::snprintf(name, sizeof name, "Preset %02d", n + 1);
        SetPresetName(n, name);
    }
    Used.fill(false);
    CurrentPreset = 0;
    Selected = 1;
}

std::array<std::uint8_t, 14> DeviceState::PresetName(int n) const
{
    std::array<std::uint8_t, 14> name {};
    const auto& slot = Stored.at(static_cast<std::size_t>(n));
    std::copy_n(slot.begin() + PresetLayout::PresetName, name.size(), name.begin());
    return name;
}

void DeviceState::SetPresetName(int n, const std::string& name)
{
    auto& slot = Stored.at(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < PresetNameSize; ++i)
        slot[PresetLayout::PresetName + i] = i < name.size() ? static_cast<std::uint8_t>(name[i]) : ' ';
}

// The channel and every channel of its side that its link mask names.
template <class Fn> void DeviceState::ApplyToLinked(int ch, Fn&& store)
{
    const unsigned mask = Read16(Program, Field(ch, InLink, OutLink)) | (1u << SideBit(ch));
    const int first = IsInput(ch) ? 0 : InputCount;
    const int count = IsInput(ch) ? InputCount : OutputCount;
    for (int i = 0; i < count; ++i)
        if ((mask >> i) & 1u)
            store(first + i);
}

// Everything between the name (and an output's matrix mask) and the link mask, with the channel's
// mute, EQ-bypass and band-bypass bits.
void DeviceState::CopyChannel(int from, int to)
{
    const bool inputs = IsInput(from);
    for (std::size_t at : { inputs ? InMuteMask : OutMuteMask, inputs ? InEqBypassMask : OutEqBypassMask })
        SetBit(Program, at, SideBit(to), (Read16(Program, at) >> SideBit(from)) & 1u);
    Write16(Program, BandBypassMasks + 2 * static_cast<std::size_t>(to),
            Read16(Program, BandBypassMasks + 2 * static_cast<std::size_t>(from)));
    const std::size_t begin = inputs ? InGate : OutHpLp;
    const std::size_t end = inputs ? InLink : OutLink;
    std::copy(Program.begin() + static_cast<std::ptrdiff_t>(ChannelRecord(from) + begin),
              Program.begin() + static_cast<std::ptrdiff_t>(ChannelRecord(from) + end),
              Program.begin() + static_cast<std::ptrdiff_t>(ChannelRecord(to) + begin));
}

bool DeviceState::Apply(std::uint8_t code, const BytePacket& p)
{
    const int ch = p.empty() ? -1 : p[0];
    auto has = [&](std::size_t n) { return p.size() >= n; };
    auto arg16 = [&](std::size_t i) { return static_cast<unsigned>(p[i] | (p[i + 1] << 8)); };
    const bool channel = ValidChannel(ch);
    const bool input = channel && IsInput(ch);
    const bool output = channel && !IsInput(ch);

    switch (code) {
    case MCS_CMD_PRESETNAME:
        if (has(PresetNameSize))
            CopyBytes(Program, PresetLayout::PresetName, p, 0, PresetNameSize);
        return true;
    case MCS_CMD_CHANNEL_NAME:
        if (channel && has(1 + ChannelNameSize))
            CopyBytes(Program, ChannelRecord(ch), p, 1, ChannelNameSize);
        return true;
    case MCS_CMD_GATE:
        if (input && has(9))
            ApplyToLinked(ch, [&](int t) { CopyBytes(Program, ChannelRecord(t) + InGate, p, 1, 8); });
        return true;
    case MCS_CMD_COMP:
        if (output && has(9))
            ApplyToLinked(ch, [&](int t) { CopyBytes(Program, ChannelRecord(t) + OutComp, p, 1, 8); });
        return true;
    case MCS_CMD_HIGH_PASS:
    case MCS_CMD_LOW_PASS:
        if (channel && has(4)) {
            const std::size_t freq = code == MCS_CMD_HIGH_PASS ? 0 : 2, slope = code == MCS_CMD_HIGH_PASS ? 4 : 5;
            ApplyToLinked(ch, [&](int t) {
                Write16(Program, Field(t, InHpLp, OutHpLp) + freq, arg16(1));
                Program[Field(t, InHpLp, OutHpLp) + slope] = p[3];
            });
        }
        return true;
    case MCS_CMD_PEQ:
        if (channel && has(9) && p[1] < (IsInput(ch) ? InputBands : OutputBands)) {
            const int band = p[1];
            ApplyToLinked(ch, [&](int t) {
                CopyBytes(Program, Field(t, InPeq, OutPeq) + 6 * static_cast<std::size_t>(band), p, 2, 6);
                SetBit(Program, BandBypassMasks + 2 * static_cast<std::size_t>(t), band, p[8] != 0);
            });
        }
        return true;
    case MCS_CMD_GAIN:
    case MCS_CMD_DELAY:
        if (channel && has(3)) {
            const bool gain = code == MCS_CMD_GAIN;
            ApplyToLinked(ch, [&](int t) {
                Write16(Program, gain ? Field(t, InGain, OutGain) : Field(t, InDelay, OutDelay), arg16(1));
            });
        }
        return true;
    case MCS_CMD_POLARITY:
        if (channel && has(2))
            ApplyToLinked(ch, [&](int t) { Write16(Program, Field(t, InPolarity, OutPolarity), p[1]); });
        return true;
    case MCS_CMD_MUTE:
        if (channel && has(2))
            ApplyToLinked(ch, [&](int t) { SetBit(Program, IsInput(t) ? InMuteMask : OutMuteMask, SideBit(t), p[1] != 0); });
        return true;
    case MCS_CMD_EQ_BYPASS:
        if (channel && has(2))
            ApplyToLinked(ch, [&](int t) {
                SetBit(Program, IsInput(t) ? InEqBypassMask : OutEqBypassMask, SideBit(t), p[1] != 0);
            });
        return true;
    case MCS_CMD_MATRIX:
        if (output && has(2))
            Write16(Program, ChannelRecord(ch) + OutMatrix, p[1]);
        return true;
    case MCS_CMD_CHANNEL_LINK:
        if (channel && has(2))
            Write16(Program, Field(ch, InLink, OutLink), p[1]);
        return true;
    case MCS_CMD_COPY_CHANNEL:
        if (channel && has(2) && ValidChannel(p[1]) && p[1] != ch && IsInput(p[1]) == IsInput(ch))
            ApplyToLinked(p[1], [&](int t) {
                if (t != ch)
                    CopyChannel(ch, t);
            });
        return true;
    case MCS_CMD_WORK_MODE:
        if (has(2)) {
            Write16(Program, WorkMode, p[0]);
            Write16(Program, SineFreq, p[1]);
        }
        return true;
    case MCS_CMD_DELAYUNIT:
        if (has(1))
            Write16(Program, DelayUnit, p[0]);
        return true;
    case MCS_CMD_STORE_PRESET:
        if (has(1) && p[0] >= 1 && p[0] <= Presets) {
            auto& slot = Stored[p[0] - 1u];
            slot = Program;
            slot[0] = 0xFF;
            Used[p[0] - 1u] = true;
            CurrentPreset = p[0];
        }
        return true;
    case MCS_CMD_RECALL_PRESET:
        // Preset 0 is the factory preset; an empty slot leaves the program as it is.
        if (has(1) && p[0] == 0) {
            Program = FactoryProgram();
            CurrentPreset = 0;
        } else if (has(1) && p[0] <= Presets && Used[p[0] - 1u]) {
            Program = Stored[p[0] - 1u];
            CurrentPreset = p[0];
        }
        return true;
    case MCS_CMD_SELECT_PRESET:
        if (has(1) && p[0] >= 1 && p[0] <= Presets)
            Selected = p[0];
        return true;
    case MCS_CMD_FACTORY_RESET:
        FactoryReset();
        return true;
    case MCS_CMD_DOWNLOAD:
        // Block, record, then the block's bytes; block 0 tells by its first byte whether the record holds data.
        if (has(2) && p[0] < DumpSize / BlockSize && p[1] < Presets) {
            auto& slot = Stored[p[1]];
            const std::size_t count = std::min(BlockSize, p.size() - 2);
            CopyBytes(slot, p[0] * BlockSize, p, 2, count);
            if (p[0] == 0)
                Used[p[1]] = slot[0] == 0xFF;
        }
        return true;
    case MCS_CMD_WRITE_EEPROM:
        if (has(3)) {
            const std::size_t at = p[0] | (p[1] << 8);
            for (std::size_t i = 0; i < p[2] && 3 + i < p.size(); ++i)
                Eeprom[(at + i) % Eeprom.size()] = p[3 + i];
        }
        return true;
    default:
        return false;
    }
}

std::string DeviceState::Save() const
{
    std::ostringstream out;
    out << StateHeader << '\n';
    out << "current " << unsigned(CurrentPreset) << '\n';
    out << "selected " << unsigned(Selected) << '\n';
    out << "program " << Hex(Program.data(), Program.size()) << '\n';
    for (std::size_t n = 0; n < Stored.size(); ++n)
        out << "preset " << n + 1 << (Used[n] ? " used " : " free ") << Hex(Stored[n].data(), DumpSize) << '\n';
    out << "eeprom " << Hex(Eeprom.data(), Eeprom.size()) << '\n';
    return out.str();
}

std::optional<DeviceState> DeviceState::Load(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != StateHeader)
        return std::nullopt;
    DeviceState s;
    std::array<bool, Presets> seen {};
    bool program = false, eeprom = false;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key, hex, used;
        unsigned n = 0;
        words >> key;
        if (key == "current" && words >> n && n <= Presets)
            s.CurrentPreset = static_cast<std::uint8_t>(n);
        else if (key == "selected" && words >> n && n >= 1 && n <= Presets)
            s.Selected = static_cast<std::uint8_t>(n);
        else if (key == "program" && words >> hex && FromHex(hex, s.Program))
            program = true;
        else if (key == "preset" && words >> n >> used >> hex && n >= 1 && n <= Presets
                 && (used == "used" || used == "free") && FromHex(hex, s.Stored[n - 1])) {
            s.Used[n - 1] = used == "used";
            seen[n - 1] = true;
        } else if (key == "eeprom" && words >> hex && FromHex(hex, s.Eeprom))
            eeprom = true;
        else if (!key.empty())
            return std::nullopt;
    }
    if (!program || !eeprom || !std::all_of(seen.begin(), seen.end(), [](bool b) { return b; }))
        return std::nullopt;
    return s;
}
