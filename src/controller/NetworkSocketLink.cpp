#include "controller/NetworkSocketLink.h"

#include "controller/DeviceControllerView.h"

#include <QString>

NetworkSocketLink::NetworkSocketLink(DeviceControllerView& view, std::function<LPacketLink*()> transport)
    : View(view)
    , Glue(Socket)
{
    Glue.Transport = std::move(transport);
    Glue.Trace = [this](const std::string& line) { View.TraceNetwork(line); };
    Socket.OnConnecting = [this](vcl::TClientSocket&) { OnConnecting(); };
    Socket.OnConnect = [this](vcl::TClientSocket&) { OnConnect(); };
    Socket.OnRead = [this](vcl::TClientSocket&) { OnRead(); };
    Socket.OnError = [](vcl::TClientSocket&, vcl::TErrorEvent, int& code) { OnError(code); };
}

NetworkSocketLink::~NetworkSocketLink()
{
    Socket.OnConnecting = nullptr;
    Socket.OnConnect = nullptr;
    Socket.OnRead = nullptr;
    Socket.OnError = nullptr;
}

void NetworkSocketLink::SetEndpoint(const std::string& address, int port)
{
    Socket.SetAddress(address);
    Socket.SetPort(port);
}

void NetworkSocketLink::Redial(const std::string& address)
{
    Socket.SetActive(false);
    Socket.SetAddress(address);
    Socket.SetActive(true);
}

void NetworkSocketLink::OnConnecting()
{
    View.ShowNetworkScanStatus(QStringLiteral("Network Connecting"));
}

void NetworkSocketLink::OnConnect()
{
    View.ShowNetworkScanStatus(QStringLiteral("Connecting IP:") + QString::fromStdString(Socket.RemoteAddress()));
}
