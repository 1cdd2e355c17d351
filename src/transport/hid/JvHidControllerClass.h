#pragma once
// Handler types, exceptions and status texts shared by the HID controller and its devices.

#include "platform/core/Events.h"
#include "platform/core/Exception.h"
#include "platform/hid/HidApi.h"

#include <QString>
#include <cstdint>
#include <cstring>
#include <functional>
#include <type_traits>

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

// Whether two handlers call the same function, whatever object they are bound to: the
// controller's setters compare handlers that way. Both empty counts as the same; a handler
// that is not a bound method never matches another.
template <typename... Args>
bool SameHandlerFunction(const std::function<void(Args...)>& a, const std::function<void(Args...)>& b)
{
    using Method = vcl::TMethod<Args...>;
    if (!a || !b)
        return !a && !b;
    const Method* ma = a.template target<Method>();
    const Method* mb = b.template target<Method>();
    if (!ma || !mb)
        return false;
    // The object is the record's first field; the rest is the function part.
    static_assert(std::is_standard_layout_v<Method> && std::is_trivially_copyable_v<Method>);
    void* first = nullptr;
    std::memcpy(&first, ma, sizeof first);
    if (first != ma->Data())
        return *ma == *mb;
    return std::memcmp(reinterpret_cast<const unsigned char*>(ma) + sizeof first,
                       reinterpret_cast<const unsigned char*>(mb) + sizeof first, sizeof(Method) - sizeof first)
        == 0;
}

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
