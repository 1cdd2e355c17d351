#include "platform/os/TClientSocket.h"

#include "support/Patience.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include <vector>

using namespace vcl;

namespace {

QCoreApplication& App()
{
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
    return *QCoreApplication::instance();
}

template <class Pred>
bool SpinUntil(Pred pred, int ms = patience::OuterLimitMs)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return pred();
}

} // namespace

TEST(TClientSocket, ConnectsSendsReceivesAndReportsTheServerClosing)
{
    App();
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    TClientSocket sock;
    std::vector<std::string> events;
    sock.OnConnecting = [&](TClientSocket&) { events.push_back("connecting"); };
    sock.OnConnect = [&](TClientSocket& s) { events.push_back("connect " + s.RemoteAddress()); };
    sock.OnDisconnect = [&](TClientSocket&) { events.push_back("disconnect"); };
    std::vector<std::uint8_t> received;
    sock.OnRead = [&](TClientSocket& s) {
        while (s.ReceiveLength() > 0) {
            std::uint8_t buf[4];
            const int n = s.ReceiveBuf(buf, sizeof buf); // small reads: every byte is taken in turn
            received.insert(received.end(), buf, buf + n);
        }
    };
    sock.SetAddress("127.0.0.1");
    sock.SetPort(server.serverPort());
    EXPECT_EQ(sock.SendBuf("x", 1), -1) << "nothing is sent before the connection";
    sock.Open();
    EXPECT_TRUE(sock.GetActive());
    ASSERT_TRUE(SpinUntil([&] { return server.hasPendingConnections() || server.waitForNewConnection(1); }));
    QTcpSocket* peer = server.nextPendingConnection();
    ASSERT_TRUE(SpinUntil([&] { return sock.Connected(); }));
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], "connecting");
    EXPECT_EQ(events[1], "connect 127.0.0.1");

    const std::uint8_t frame[] = { 0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11 };
    EXPECT_EQ(sock.SendBuf(frame, sizeof frame), 9);
    QByteArray got;
    ASSERT_TRUE(SpinUntil([&] {
        got += peer->readAll();
        return got.size() >= 9;
    }));
    EXPECT_EQ(got, QByteArray(reinterpret_cast<const char*>(frame), 9));

    peer->write(reinterpret_cast<const char*>(frame), sizeof frame);
    peer->flush();
    ASSERT_TRUE(SpinUntil([&] { return received.size() >= 9; }));
    EXPECT_EQ(received, std::vector<std::uint8_t>(frame, frame + 9));

    peer->close();
    ASSERT_TRUE(SpinUntil([&] { return !sock.GetActive(); }));
    EXPECT_EQ(events.back(), "disconnect");
}

TEST(TClientSocket, RefusedConnectionReportsTheErrorAndCanBeOpenedAgain)
{
    App();
    quint16 port;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    TClientSocket sock;
    int calls = 0;
    TErrorEvent kind = TErrorEvent::eeGeneral;
    int code = -1;
    sock.OnError = [&](TClientSocket&, TErrorEvent e, int& c) {
        ++calls;
        kind = e;
        code = c;
        c = 0;
    };
    sock.SetAddress("127.0.0.1");
    sock.SetPort(port);
    sock.Open();
    ASSERT_TRUE(SpinUntil([&] { return calls > 0 && !sock.GetActive(); }));
    EXPECT_EQ(kind, TErrorEvent::eeConnect);
    EXPECT_EQ(code, 10061);

    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, port));
    sock.Open();
    EXPECT_TRUE(SpinUntil([&] { return sock.Connected(); }));
    sock.Close();
    EXPECT_FALSE(sock.GetActive());
    EXPECT_FALSE(sock.Connected());
}
