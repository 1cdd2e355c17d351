#pragma once
// The file in which the emulator keeps its device between runs (--state FILE).

#include "support/DeviceState.h"

#include <optional>
#include <string>

struct StateFileRead
{
    std::optional<DeviceState> State; // nothing when the file does not exist yet
    std::string Error;                // why an existing file could not be used
};

StateFileRead ReadStateFile(const std::string& path);

// Replaces the file only once the new one is fully written; the reason when that failed.
std::string WriteStateFile(const std::string& path, const DeviceState& state);
