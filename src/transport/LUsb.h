#pragma once
// The USB byte layer: each frame goes out as one output report through the window's UsbWrite.

#include "transport/LPacketLink.h"

class LUsb : public LPacketLink
{
protected:
    explicit LUsb(LTransportHost* owner) : LPacketLink(owner, LPacketLinkCore::Route::Usb) {}
};
