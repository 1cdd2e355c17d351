#include "transport/LPacketLink.h"

#include "transport/LTransportHost.h"

LPacketLink::LPacketLink(LTransportHost* owner, LPacketLinkCore::Route route)
    : Owner(owner)
    , Core(std::make_shared<LPacketLinkCore>(owner, route))
{
    Core->DeviceId = owner->GetDeviceId();
}

LPacketLink::~LPacketLink()
{
    if (Core->Running) {
        LPacketLink::Close();
        return;
    }
    Core->RequestStop();
    if (!Thread.WaitFor(StopWaitMs))
        Thread.Abandon();
}

bool LPacketLink::Open()
{
    if (Core->Running || Opened)
        return false;
    Opened = true;
    Core->Running = true;
    if (!Thread.Start([core = Core] { core->WorkerThread(); })) {
        Core->Running = false;
        return false;
    }
    return true;
}

void LPacketLink::Close()
{
    Core->RequestStop();
    if (!Thread.WaitFor(StopWaitMs)) {
        Notify(COMM_STOP_TIMEOUT, 0);
        Thread.Abandon();
    }
    Core->Running = false;
}

void LPacketLink::SendBytes(const std::uint8_t* data, unsigned count)
{
    Core->HandOver(data, count);
}

void LPacketLink::SendPacket(const BytePacket& packet)
{
    if (!packet.empty())
        Core->HandOver(packet.data(), packet.size());
}

void LPacketLink::ReceiveBytes(const std::uint8_t* data, unsigned count)
{
    Core->ReceiveBytes(data, count);
}

void LPacketLink::Notify(std::uint32_t code, std::uint32_t param)
{
    Core->Notify(code, param);
}

void LPacketLink::SetTimeout(unsigned ms)
{
    Core->ReplyTimeout = ms;
}

void LPacketLink::SetMaxRetries(int count)
{
    Core->MaxRetries = count;
}
