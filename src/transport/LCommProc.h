#pragma once
// The serial transport as the window uses it: queued requests, frame delivery and the idle poll.

#include "transport/LComm.h"
#include "transport/LRequestLayer.h"

class LCommProc : public LRequestLayer<LComm>
{
public:
    explicit LCommProc(LTransportHost* owner) : LRequestLayer<LComm>(owner) {}
};
