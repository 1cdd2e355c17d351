#include "DemoDevice.h"

#include "EmulatorOptions.h"

#include "device/McsCodes.h"
#include "device/PresetImage.h"
#include "support/DeviceEmulator.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::size_t NameAt = 2;
constexpr std::size_t NameSize = 14;

void WriteProgram(DeviceEmulator& device, const PresetImage& image, const std::string& name)
{
    for (std::size_t i = 0; i < image.size(); ++i)
        device.SetProgramByte(i, image[i]);
    for (std::size_t i = 0; i < NameSize; ++i)
        device.SetProgramByte(NameAt + i, i < name.size() ? static_cast<std::uint8_t>(name[i]) : ' ');
}

// A level as the device sends it: a float amplitude without its lowest byte.
void PutLevel(BytePacket& payload, int k, double db)
{
    const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(std::pow(10.0, db / 20.0)));
    const std::size_t i = static_cast<std::size_t>(3 * k);
    payload[i] = static_cast<std::uint8_t>(bits >> 16);
    payload[i + 1] = static_cast<std::uint8_t>(bits >> 24);
    payload[i + 2] = static_cast<std::uint8_t>(bits >> 8);
}

} // namespace

void PrepareDemoDevice(DeviceEmulator& device, const EmulatorOptions& options)
{
    device.SetDeviceId(options.DeviceId);
    device.SetIdentity(options.Identity);
    // Each stored preset is the default settings under its own name, stored the way the device
    // stores its current settings.
    for (const auto& p : options.Presets) {
        WriteProgram(device, DefaultPresetImage, p.Name);
        const auto n = static_cast<std::uint8_t>(p.Number);
        device.Feed(DeviceEmulator::RequestFrame(options.DeviceId, MCS_CMD_STORE_PRESET, { n }));
        device.SetPresetName(p.Number - 1, p.Name);
    }
    WriteProgram(device, DefaultPresetImage, "Default Preset");
    device.SetCurrentPreset(0);
    device.SetLevels(DemoLevels(0));
    device.ClearRecords();
}

BytePacket DemoLevels(double seconds)
{
    BytePacket payload(37, 0);
    const double in[2] = { -25.0 + 20.0 * std::sin(seconds * 1.3), -25.0 + 20.0 * std::sin(seconds * 0.9 + 1.0) };
    PutLevel(payload, 0, in[0]);
    PutLevel(payload, 1, in[1]);
    for (int out = 0; out < 6; ++out)
        PutLevel(payload, 4 + out, in[out % 2] - 2.0 * out);
    return payload;
}
