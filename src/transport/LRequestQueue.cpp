#include "transport/LRequestQueue.h"

#include "device/RequestReply.h"
#include "device/SendMode.h"

#include <iterator>

void LRequestQueue::Push(const BytePacket& frame, int mode)
{
    if (mode == SEND_REPLACE)
        RemoveSameSetting(frame);
    Entries.push_back({ frame, mode == SEND_REPLACE });
}

void LRequestQueue::RemoveSameSetting(const BytePacket& frame)
{
    const std::uint8_t code = CommandOf(frame);
    for (auto it = Entries.rbegin(); it != Entries.rend() && it->Replaceable && CommandOf(it->Frame) == code; ++it) {
        if (RequestReply::SetsSameThing(it->Frame, frame)) {
            Entries.erase(std::next(it).base());
            return;
        }
    }
}

bool LRequestQueue::Pop(BytePacket& out)
{
    if (Entries.empty())
        return false;
    out = std::move(Entries.front().Frame);
    Entries.pop_front();
    return true;
}
