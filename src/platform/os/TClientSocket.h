#pragma once
// A non-blocking TCP client whose events arrive on the thread that owns it (the user-interface thread).

#include <QObject>
#include <QTcpSocket>

#include <cstdint>
#include <functional>
#include <string>

namespace vcl {

enum class TErrorEvent { eeGeneral, eeSend, eeReceive, eeConnect, eeDisconnect, eeAccept, eeLookup };

class TClientSocket : public QObject
{
public:
    using TSocketNotifyEvent = std::function<void(TClientSocket& socket)>;
    // The handler may set errorCode to 0 to mark the error as handled; the socket closes either way.
    using TSocketErrorEvent = std::function<void(TClientSocket& socket, TErrorEvent event, int& errorCode)>;

    explicit TClientSocket(QObject* parent = nullptr);
    ~TClientSocket() override;

    // Address (dotted IPv4) is used when set, else Host is looked up.
    const std::string& GetHost() const { return Host; }
    void SetHost(const std::string& host) { Host = host; }
    const std::string& GetAddress() const { return Address; }
    void SetAddress(const std::string& address) { Address = address; }
    int GetPort() const { return Port; }
    void SetPort(int port) { Port = port; }

    // Active from Open until Close or a lost connection; opening an active socket does nothing.
    bool GetActive() const { return Active; }
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    bool Connected() const;
    std::string RemoteAddress() const;

    // Queues bytes for sending without blocking; the count taken, or -1 when not connected.
    int SendBuf(const void* data, int count);
    // Takes at most count received bytes; the count taken.
    int ReceiveBuf(void* buffer, int count);
    // Bytes received and not yet taken.
    int ReceiveLength() const;
    // Winsock-style code of the last error (10061 refused, 10060 timed out, ...), 0 for none.
    int LastError() const { return LastErrorCode; }

    TSocketNotifyEvent OnLookup;
    TSocketNotifyEvent OnConnecting;
    TSocketNotifyEvent OnConnect;
    TSocketNotifyEvent OnDisconnect;
    TSocketNotifyEvent OnRead;
    TSocketErrorEvent OnError;

    static int ErrorCodeFor(QAbstractSocket::SocketError error);

private:
    void StateChanged(QAbstractSocket::SocketState state);
    void ErrorOccurred(QAbstractSocket::SocketError error);

    QTcpSocket Socket;
    std::string Host;
    std::string Address;
    int Port { 0 };
    bool Active { false };
    bool WasConnected { false };
    int LastErrorCode { 0 };
};

} // namespace vcl
