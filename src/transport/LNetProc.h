#pragma once
// The network transport as the window uses it: queued requests, frame delivery and the idle poll.

#include "transport/LNet.h"
#include "transport/LRequestLayer.h"

class LNetProc : public LRequestLayer<LNet>
{
public:
    explicit LNetProc(LTransportHost* owner) : LRequestLayer<LNet>(owner) {}
};
