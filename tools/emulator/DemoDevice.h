#pragma once
// Puts the emulator in the state the options describe: its ID, identity, the current settings (the
// built-in default preset) and the stored presets; and gives the moving levels it reports.

#include "device/BytePacket.h"

class DeviceEmulator;
struct EmulatorOptions;

void PrepareDemoDevice(DeviceEmulator& device, const EmulatorOptions& options);

// A level reply payload (37 bytes) at the given time: inputs swing slowly between about -45 and
// -5 dB, each output follows the input that feeds it by default, no limiter is active.
BytePacket DemoLevels(double seconds);
