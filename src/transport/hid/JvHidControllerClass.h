#pragma once
// Handler types, exceptions and status texts shared by the HID controller and its devices.

#include "platform/core/Exception.h"
#include "platform/hid/HidApi.h"

#include <QString>
#include <cstdint>
#include <functional>

class TJvHidDevice;
class TJvHidDeviceController;

class EControllerError : public vcl::Exception
{
public:
    using vcl::Exception::Exception;
};

class EHidClientError : public vcl::Exception
{
public:
    using vcl::Exception::Exception;
};

using TJvHidPlugEvent = std::function<void(TJvHidDevice* HidDev)>;
using TJvHidEnumerateEvent = std::function<bool(TJvHidDevice* HidDev, int Idx)>;
// Data addresses the bytes after the report ID; they are valid only during the call.
using TJvHidDataEvent = std::function<void(TJvHidDevice* HidDev, uint8_t ReportID, const uint8_t* Data, uint16_t Size)>;
using TJvHidDataErrorEvent = std::function<void(TJvHidDevice* HidDev, uint32_t Error)>;
using TJvHidCheckCallback = bool (*)(TJvHidDevice* HidDev);

namespace JvHidTexts
{
inline const char* DeviceCannotBeOpened = "device cannot be opened";
inline const char* DeviceCannotBeIdentified = "device cannot be identified";
inline const char* DirectDeviceCreation = "Direct creation of a TJvHidDevice object is not allowed";
inline const char* DirectThreadCreation = "Direct creation of a TJvDeviceReadThread object is not allowed";
} // namespace JvHidTexts

// "HID Error: ..." for a HID status with facility 0x11 and a warning or error bit; empty otherwise.
QString HidErrorString(hidapi::NTSTATUS Status);
// Raises EHidClientError with HidErrorString(Status) when that text is not empty.
void HidError(hidapi::NTSTATUS Status);
// HidError unless Status is the success status; returns Status.
hidapi::NTSTATUS HidCheck(hidapi::NTSTATUS Status);
