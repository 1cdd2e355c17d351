#include "platform/os/TClientSocket.h"

#include <QHostAddress>

namespace vcl {

TClientSocket::TClientSocket(QObject* parent)
    : QObject(parent)
{
    QObject::connect(&Socket, &QAbstractSocket::stateChanged, this, [this](auto s) { StateChanged(s); });
    QObject::connect(&Socket, &QAbstractSocket::errorOccurred, this, [this](auto e) { ErrorOccurred(e); });
    QObject::connect(&Socket, &QIODevice::readyRead, this, [this] {
        if (OnRead)
            OnRead(*this);
    });
}

TClientSocket::~TClientSocket()
{
    Socket.disconnect(this);
    Socket.abort();
}

void TClientSocket::SetActive(bool active)
{
    if (active == Active)
        return;
    Active = active;
    if (active) {
        LastErrorCode = 0;
        WasConnected = false;
        const std::string& target = Address.empty() ? Host : Address;
        Socket.connectToHost(QString::fromStdString(target), static_cast<quint16>(Port));
    } else {
        Socket.abort();
    }
}

bool TClientSocket::Connected() const
{
    return Socket.state() == QAbstractSocket::ConnectedState;
}

std::string TClientSocket::RemoteAddress() const
{
    return Socket.peerAddress().toString().toStdString();
}

int TClientSocket::SendBuf(const void* data, int count)
{
    if (!Connected() || count < 0)
        return -1;
    const qint64 n = Socket.write(static_cast<const char*>(data), count);
    return n < 0 ? -1 : static_cast<int>(n);
}

int TClientSocket::ReceiveBuf(void* buffer, int count)
{
    if (count <= 0)
        return 0;
    const qint64 n = Socket.read(static_cast<char*>(buffer), count);
    return n < 0 ? 0 : static_cast<int>(n);
}

int TClientSocket::ReceiveLength() const
{
    return static_cast<int>(Socket.bytesAvailable());
}

int TClientSocket::ErrorCodeFor(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return 10061;
    case QAbstractSocket::RemoteHostClosedError: return 10054;
    case QAbstractSocket::HostNotFoundError: return 11001;
    case QAbstractSocket::SocketTimeoutError: return 10060;
    case QAbstractSocket::NetworkError: return 10065;
    case QAbstractSocket::SocketAccessError: return 10013;
    case QAbstractSocket::SocketResourceError: return 10055;
    case QAbstractSocket::AddressInUseError: return 10048;
    default: return 10004;
    }
}

void TClientSocket::StateChanged(QAbstractSocket::SocketState state)
{
    switch (state) {
    case QAbstractSocket::HostLookupState:
        if (OnLookup)
            OnLookup(*this);
        break;
    case QAbstractSocket::ConnectingState:
        if (OnConnecting)
            OnConnecting(*this);
        break;
    case QAbstractSocket::ConnectedState:
        WasConnected = true;
        if (OnConnect)
            OnConnect(*this);
        break;
    case QAbstractSocket::UnconnectedState:
        if (WasConnected) {
            WasConnected = false;
            Active = false;
            if (OnDisconnect)
                OnDisconnect(*this);
        }
        break;
    default:
        break;
    }
}

void TClientSocket::ErrorOccurred(QAbstractSocket::SocketError error)
{
    LastErrorCode = ErrorCodeFor(error);
    TErrorEvent ev = TErrorEvent::eeGeneral;
    const auto state = Socket.state();
    if (error == QAbstractSocket::HostNotFoundError)
        ev = TErrorEvent::eeLookup;
    else if (!WasConnected || state == QAbstractSocket::ConnectingState)
        ev = TErrorEvent::eeConnect;
    else if (error == QAbstractSocket::RemoteHostClosedError)
        ev = TErrorEvent::eeDisconnect;
    int code = LastErrorCode;
    if (OnError)
        OnError(*this, ev, code);
    // A failed or broken connection leaves the socket inactive, ready to be opened again.
    if (Socket.state() != QAbstractSocket::ConnectedState) {
        const bool wasConnected = WasConnected;
        WasConnected = false;
        Active = false;
        Socket.abort();
        if (wasConnected && OnDisconnect)
            OnDisconnect(*this);
    }
}

} // namespace vcl
