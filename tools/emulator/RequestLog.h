#pragma once
// One line of the emulator's request log: seconds since start and the frame's bytes in hex.

#include "device/BytePacket.h"

#include <string>

std::string RequestLogLine(double seconds, const BytePacket& frame);
