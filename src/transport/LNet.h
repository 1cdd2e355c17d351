#pragma once
// The network byte layer: each frame goes out through the host's socket write (NetWrite).

#include "transport/LPacketLink.h"

class LNet : public LPacketLink
{
protected:
    explicit LNet(LTransportHost* owner) : LPacketLink(owner, LPacketLinkCore::Route::Net) {}
};
