// The emulator program as a user starts it: options on the command line, a TCP client and the
// serial pseudo-terminal at the far end, stopped by a signal.

#include "device/McsCodes.h"
#include "support/DeviceEmulator.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int LongWaitMs = 30000;

struct Emulator
{
    explicit Emulator(const QStringList& args)
    {
        process.setProgram(QStringLiteral(ZQ9_EMULATOR_PROGRAM));
        process.setArguments(args);
        process.start();
    }
    ~Emulator()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(LongWaitMs);
        }
    }
    // The first line of its output that matches, or an empty string when it ended first.
    QString WaitForLine(const QRegularExpression& re)
    {
        for (;;) {
            while (process.canReadLine()) {
                const QString line = QString::fromUtf8(process.readLine()).trimmed();
                seen += line + QLatin1Char('\n');
                if (re.match(line).hasMatch())
                    return line;
            }
            if (!process.waitForReadyRead(LongWaitMs))
                return {};
        }
    }
    QProcess process;
    QString seen;
};

// Reads until a whole frame has arrived or the wait ends.
BytePacket ReadFrame(int fd)
{
    BytePacket got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(LongWaitMs);
    while (std::chrono::steady_clock::now() < end) {
        if (got.size() >= 5 && got.size() >= static_cast<std::size_t>(got[4]) + 8)
            break;
        pollfd p { fd, POLLIN, 0 };
        if (::poll(&p, 1, 100) <= 0)
            continue;
        std::uint8_t buf[256];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        got.insert(got.end(), buf, buf + n);
    }
    return got;
}

BytePacket Exchange(int fd, const BytePacket& request)
{
    EXPECT_EQ(::write(fd, request.data(), request.size()), static_cast<ssize_t>(request.size()));
    return ReadFrame(fd);
}

std::string IdentityIn(const BytePacket& frame)
{
    if (frame.size() < 9 || frame[5] != MCS_REPLY_IDENTITY)
        return {};
    return std::string(frame.begin() + 6, frame.end() - 3);
}

int ConnectTcp(std::uint16_t port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int OpenRawTerminal(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0) {
        termios t {};
        ::tcgetattr(fd, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(fd, TCSANOW, &t);
    }
    return fd;
}

} // namespace

TEST(EmulatorProgram, ServesTcpAndSerialAsConfiguredAndLogsEveryRequest)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("requests.log"));
    Emulator emu({ "--listen", "127.0.0.1:0", "--id", "3", "--version", "ZQ9 V010 demo", "--preset", "4=Club",
                   "--pty", "--log", log });
    const QString serving = emu.WaitForLine(QRegularExpression(QStringLiteral("^serving 127\\.0\\.0\\.1:(\\d+) ")));
    ASSERT_FALSE(serving.isEmpty()) << emu.seen.toStdString();
    const auto port = static_cast<std::uint16_t>(serving.section(QLatin1Char(':'), 1).section(QLatin1Char(' '), 0, 0).toUInt());
    const QString serial = emu.WaitForLine(QRegularExpression(QStringLiteral("^serial /dev/pts/\\d+$")));
    ASSERT_FALSE(serial.isEmpty()) << emu.seen.toStdString();

    const int tcp = ConnectTcp(port);
    ASSERT_GE(tcp, 0);
    const BytePacket identify = DeviceEmulator::RequestFrame(3, MCS_CMD_IDENTITY);
    EXPECT_EQ(IdentityIn(Exchange(tcp, identify)), "ZQ9 V010 demo");
    const BytePacket name = Exchange(tcp, DeviceEmulator::RequestFrame(3, MCS_CMD_READ_PRESET_NAME, { 3 }));
    ASSERT_GE(name.size(), 22u);
    EXPECT_EQ(std::string(name.begin() + 7, name.begin() + 11), "Club");
    ::close(tcp);

    const int pty = OpenRawTerminal(serial.section(QLatin1Char(' '), 1).toStdString());
    ASSERT_GE(pty, 0);
    EXPECT_EQ(IdentityIn(Exchange(pty, identify)), "ZQ9 V010 demo");
    ::close(pty);

    ::kill(static_cast<pid_t>(emu.process.processId()), SIGTERM);
    ASSERT_TRUE(emu.process.waitForFinished(LongWaitMs));
    EXPECT_EQ(emu.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(emu.process.exitCode(), 0);

    std::ifstream in(log.toStdString());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find(" 10 02 00 03 01 13 10 03 "), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find(" 10 02 00 03 02 29 03 10 03 "), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(" 10 02 00 03 01 13 10 03 "), std::string::npos) << lines[2];
}

TEST(EmulatorProgram, RefusesWhatItCannotServeWithAClearMessage)
{
    const struct
    {
        QStringList Args;
        int Code;
        const char* Message;
    } cases[] = {
        // 192.0.2.1 is a documentation address that no interface here has: binding fails, nothing is sent.
        { { "--listen", "192.0.2.1:9761" }, 1, "cannot listen on 192.0.2.1:9761" },
        { { "--listen", "localhost:9761" }, 1, "not an IPv4 address" },
        { { "--id", "300" }, 2, "the device ID must be 1 to 254" },
        { { "--log", "/nonexistent-folder/requests.log", "--listen", "127.0.0.1:0" }, 1, "cannot write the log" },
        { { "--state", ZQ9_EMULATOR_PROGRAM, "--listen", "127.0.0.1:0" }, 1, "is not a device state" },
    };
    for (const auto& c : cases) {
        Emulator emu(c.Args);
        ASSERT_TRUE(emu.process.waitForFinished(LongWaitMs));
        EXPECT_EQ(emu.process.exitCode(), c.Code) << c.Args.join(' ').toStdString();
        const QString err = QString::fromUtf8(emu.process.readAllStandardError());
        EXPECT_TRUE(err.contains(QLatin1String(c.Message))) << err.toStdString();
    }
}

// A run with --state ends as the user left it; the next one starts there, and its presets options no
// longer apply.
TEST(EmulatorProgram, KeepsTheDeviceBetweenRunsInItsStateFile)
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("device.state"));
    auto serve = [&](Emulator& emu) -> int {
        const QString serving = emu.WaitForLine(QRegularExpression(QStringLiteral("^serving 127\\.0\\.0\\.1:(\\d+) ")));
        EXPECT_FALSE(serving.isEmpty()) << emu.seen.toStdString();
        return ConnectTcp(static_cast<std::uint16_t>(serving.section(QLatin1Char(':'), 1).section(QLatin1Char(' '), 0, 0).toUInt()));
    };
    auto stop = [](Emulator& emu) {
        ::kill(static_cast<pid_t>(emu.process.processId()), SIGTERM);
        ASSERT_TRUE(emu.process.waitForFinished(LongWaitMs));
        EXPECT_EQ(emu.process.exitCode(), 0);
    };
    const BytePacket gain = DeviceEmulator::RequestFrame(1, MCS_CMD_GAIN, { 4, 0x2C, 0x01 });
    const BytePacket ack = DeviceEmulator::ReplyFrame(1, MCS_REPLY_ACK, {});
    {
        Emulator emu({ "--listen", "127.0.0.1:0", "--preset", "2=Two", "--state", state });
        const int tcp = serve(emu);
        ASSERT_GE(tcp, 0);
        EXPECT_EQ(Exchange(tcp, gain), ack);
        EXPECT_EQ(Exchange(tcp, DeviceEmulator::RequestFrame(1, MCS_CMD_STORE_PRESET, { 9 })), ack);
        ::close(tcp);
        stop(emu);
    }
    Emulator emu({ "--listen", "127.0.0.1:0", "--preset", "5=Five", "--state", state });
    const int tcp = serve(emu);
    ASSERT_GE(tcp, 0);
    const BytePacket flags = Exchange(tcp, DeviceEmulator::RequestFrame(1, MCS_CMD_READ_PRESET_FLAGS));
    ASSERT_EQ(flags.size(), 39u);
    for (std::size_t n = 0; n < 30; ++n)
        EXPECT_EQ(flags[6 + n], n == 1 || n == 8 ? 0xFF : 0x00) << "preset " << n + 1;
    EXPECT_EQ(Exchange(tcp, DeviceEmulator::RequestFrame(1, MCS_CMD_GET_PRESET_NO)),
              DeviceEmulator::ReplyFrame(1, MCS_REPLY_PRESET_NO, { 9 }));
    // Out3's gain (record at 4 * 86, gain 78 bytes in) reads back from the current program.
    const std::size_t at = 4 * 86 + 78;
    const BytePacket block = Exchange(tcp, DeviceEmulator::RequestFrame(1, MCS_CMD_READ_PROGRAM_BLOCK, { std::uint8_t(at / 50) }));
    ASSERT_EQ(block.size(), 60u);
    EXPECT_EQ(block[7 + at % 50], 0x2C);
    EXPECT_EQ(block[7 + at % 50 + 1], 0x01);
    ::close(tcp);
    stop(emu);
}
