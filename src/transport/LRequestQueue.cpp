#include "transport/LRequestQueue.h"

#include "device/SendMode.h"

void LRequestQueue::Push(const BytePacket& frame, int mode, std::uint8_t lastCommand)
{
    if (mode == SEND_APPEND) {
        Entries.push_back({ NextId++, frame });
        return;
    }
    if (ReplaceEntry && !Entries.empty() && Entries.back().Id == *ReplaceEntry && CommandOf(frame) == lastCommand) {
        Entries.back().Frame = frame;
        return;
    }
    Entries.push_back({ NextId, frame });
    ReplaceEntry = NextId++;
}

bool LRequestQueue::Pop(BytePacket& out)
{
    if (Entries.empty())
        return false;
    if (ReplaceEntry && *ReplaceEntry == Entries.front().Id)
        ReplaceEntry.reset();
    out = std::move(Entries.front().Frame);
    Entries.pop_front();
    return true;
}

void LRequestQueue::Clear()
{
    Entries.clear();
    ReplaceEntry.reset();
}
