#include "transport/LComm.h"

#include "platform/os/SerialPortList.h"
#include "transport/LTransportHost.h"

#include <cstdio>

LComm::LComm(LTransportHost* owner)
    : Owner(owner)
    , Core(std::make_shared<LSerialLinkCore>(owner))
{
    Core->DeviceId = owner->GetDeviceId();
}

LComm::~LComm()
{
    StopWorker(Core->Running);
}

std::string LComm::PortName(int portNo)
{
    char name[32];
    std::snprintf(name, sizeof name, portNo < 10 ? "COM%d" : "\\\\.\\COM%d", portNo);
    return name;
}

bool LComm::Open(int portNo, std::uint32_t baudRate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits)
{
    if (portNo <= 0 || portNo >= 99 || baudRate < 1200 || baudRate > 128000)
        return false;
    if (Core->Running || Opened)
        return false;
    {
        vcl::TCriticalSectionLock io(Core->GetLock());
        const std::string path = vcl::SerialPortPath(PortName(portNo));
        if (path.empty() || !Core->Port.Open(path))
            return false;
        if (!Core->Port.Configure({ baudRate, byteSize, parity, stopBits })) {
            Core->Port.Close();
            return false;
        }
        Core->Port.Purge();
    }
    Opened = true;
    Core->Running = true;
    if (!Thread.Start([core = Core] { core->WorkerThread(); })) {
        Core->Running = false;
        CloseHandles();
        return false;
    }
    return true;
}

void LComm::CloseHandles()
{
    vcl::TCriticalSectionLock io(Core->GetLock());
    Core->Port.Purge();
    Core->Port.Close();
}

void LComm::Close()
{
    StopWorker(true);
    Core->Running = false;
}

void LComm::StopWorker(bool notify)
{
    Core->RequestStop();
    if (Thread.WaitFor(StopWaitMs)) {
        if (!Abandoned)
            CloseHandles();
        return;
    }
    // The worker still uses the port: it is closed when the worker lets go of its state.
    if (notify)
        Notify(COMM_STOP_TIMEOUT, 0);
    Thread.Abandon();
    Abandoned = true;
}

void LComm::SendBytes(const std::uint8_t* data, unsigned count)
{
    Core->HandOver(data, count);
}

void LComm::SendPacket(const BytePacket& packet)
{
    if (!packet.empty())
        Core->HandOver(packet.data(), packet.size());
}

void LComm::Notify(std::uint32_t code, std::uint32_t param)
{
    Core->Notify(code, param);
}

void LComm::SetTimeout(unsigned ms)
{
    Core->ReplyTimeout = ms;
}

void LComm::SetMaxRetries(int count)
{
    Core->MaxRetries = count;
}

void LComm::SetExtraResends(int count)
{
    Core->ExtraResends = count;
}
