#pragma once
// What a ZQ9 keeps: its current program (the 750-byte dump the editor reads), 30 stored presets with
// their used flags, the current preset number, the preset the next stored-preset read comes from, and
// its information EEPROM. Parameter commands change the current program as the device does (an edit
// of a channel reaches every channel of its link mask); store, recall, select and download act on the
// presets; a factory reset restores the factory program and empties every preset. Not thread-safe:
// the emulator holds it under its own lock.

#include "device/BytePacket.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class DeviceState
{
public:
    static constexpr std::size_t DumpSize = 750;
    static constexpr std::size_t BlockSize = 50;
    static constexpr int Presets = 30;
    using Dump = std::array<std::uint8_t, DumpSize>;

    DeviceState();

    // The factory program: the built-in default preset, marked as holding data.
    static Dump FactoryProgram();
    void FactoryReset();

    // A request the state takes (code and payload); false for a code that changes nothing here.
    bool Apply(std::uint8_t code, const BytePacket& payload);

    Dump Program {};
    std::array<Dump, Presets> Stored {};
    std::array<bool, Presets> Used {};
    std::uint8_t CurrentPreset { 0 }; // 0: the factory preset, 1..30: U01..U30
    std::uint8_t Selected { 1 };      // the stored preset that stored-preset block reads come from
    std::array<std::uint8_t, 256> Eeprom {};

    // Stored preset n's 14 name bytes (n 0..29).
    std::array<std::uint8_t, 14> PresetName(int n) const;
    void SetPresetName(int n, const std::string& name);

    // The state as text lines, and back; nullopt for text that is not a whole state.
    std::string Save() const;
    static std::optional<DeviceState> Load(const std::string& text);

    bool operator==(const DeviceState&) const = default;

private:
    template <class Fn> void ApplyToLinked(int ch, Fn&& store);
    void CopyChannel(int from, int to);
};
