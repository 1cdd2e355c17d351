#pragma once
// The USB transport as the window uses it: queued requests, frame delivery and the idle poll.

#include "transport/LUsb.h"
#include "transport/LRequestLayer.h"

class LUsbProc : public LRequestLayer<LUsb>
{
public:
    explicit LUsbProc(LTransportHost* owner) : LRequestLayer<LUsb>(owner) {}
};
