#pragma once
// Command-line options of the device emulator program.

#include <cstdint>
#include <string>
#include <vector>

struct StoredPresetOption
{
    int Number { 1 }; // 1..30
    std::string Name;
};

struct EmulatorOptions
{
    bool Listen { true };
    std::string ListenAddress { "192.168.2.1" }; // the device's factory address
    std::uint16_t ListenPort { 9761 };
    std::uint8_t DeviceId { 1 };
    std::string Identity { "ZQ9 V010" };
    std::vector<StoredPresetOption> Presets;
    bool Pty { false };
    std::string LogPath; // empty: no log; "-": standard output
    std::string StatePath; // empty: the device forgets everything when the program ends
    bool Help { false };
};

struct EmulatorOptionsResult
{
    EmulatorOptions Options;
    std::string Error; // empty when the arguments were understood
};

// The arguments after the program name.
EmulatorOptionsResult ParseEmulatorOptions(const std::vector<std::string>& args);

std::string EmulatorUsage();
