#include "platform/os/SerialPortList.h"
#include "platform/os/TSerialPort.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <termios.h>
#include <unistd.h>

using namespace vcl;
namespace fs = std::filesystem;

namespace {

// A pseudo-terminal pair: the test plays the far end on the master.
struct Pty
{
    Pty()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master);
        ::unlockpt(master);
        slave = ::ptsname(master);
    }
    ~Pty() { ::close(master); }
    int master { -1 };
    std::string slave;
};

termios ReadBack(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
    termios t {};
    ::tcgetattr(fd, &t);
    ::close(fd);
    return t;
}

} // namespace

TEST(TSerialPort, ConfiguresARawLineAndKeepsHardwareFlowControl)
{
    Pty pty;
    { // the port as found: hardware flow control on, cooked line
        const int fd = ::open(pty.slave.c_str(), O_RDWR | O_NOCTTY);
        termios t {};
        ::tcgetattr(fd, &t);
        t.c_cflag |= CRTSCTS;
        t.c_cflag |= PARENB;
        ::tcsetattr(fd, TCSANOW, &t);
        ::close(fd);
    }
    TSerialPort port;
    ASSERT_TRUE(port.Open(pty.slave));
    ASSERT_TRUE(port.Configure({ 115200, 8, 0, 0 }));
    const termios t = ReadBack(pty.slave);
    EXPECT_EQ(cfgetospeed(&t), B115200);
    EXPECT_EQ(cfgetispeed(&t), B115200);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_iflag & (ICRNL | INLCR | IGNCR | IXON | IXOFF | ISTRIP), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(port.GetBaudRate(), 115200u);

    ASSERT_TRUE(port.Configure({ 9600, 7, 2, 2 }));
    const termios u = ReadBack(pty.slave);
    EXPECT_EQ(cfgetospeed(&u), B9600);
    // A pseudo-terminal keeps 8 bits without parity whatever it is told; speed and stop bits read back.
    EXPECT_NE(u.c_cflag & CSTOPB, 0u);
    EXPECT_FALSE(port.Configure({ 128000, 8, 0, 0 })) << "a rate the kernel cannot set is refused";
}

TEST(TSerialPort, BinaryBytesPassUnchangedBothWays)
{
    Pty pty;
    TSerialPort port;
    ASSERT_TRUE(port.Open(pty.slave));
    ASSERT_TRUE(port.Configure({}));
    const std::uint8_t bytes[] = { 0x10, 0x02, 0x0D, 0x0A, 0x11, 0x13, 0x03, 0x7F, 0x04, 0x1A, 0xFF };
    ASSERT_TRUE(port.Write(bytes, sizeof bytes, 500));
    std::uint8_t got[32] {};
    ssize_t n = 0;
    for (int i = 0; i < 100 && n < static_cast<ssize_t>(sizeof bytes); ++i) {
        const ssize_t r = ::read(pty.master, got + n, sizeof got - n);
        if (r > 0)
            n += r;
    }
    ASSERT_EQ(n, static_cast<ssize_t>(sizeof bytes));
    EXPECT_EQ(0, std::memcmp(got, bytes, sizeof bytes));

    ASSERT_EQ(::write(pty.master, bytes, sizeof bytes), static_cast<ssize_t>(sizeof bytes));
    std::uint8_t in[32] {};
    n = 0;
    for (int i = 0; i < 200 && n < static_cast<ssize_t>(sizeof bytes); ++i) {
        const ssize_t r = port.Read(in + n, sizeof in - n);
        ASSERT_GE(r, 0);
        n += r;
        if (r == 0)
            usleep(2000);
    }
    ASSERT_EQ(n, static_cast<ssize_t>(sizeof bytes));
    EXPECT_EQ(0, std::memcmp(in, bytes, sizeof bytes));
}

TEST(TSerialPort, OpensExclusivelyAndRefusesWhatIsNotATerminal)
{
    Pty pty;
    TSerialPort a, b;
    ASSERT_TRUE(a.Open(pty.slave));
    EXPECT_FALSE(b.Open(pty.slave));
    a.Close();
    EXPECT_TRUE(b.Open(pty.slave));
    TSerialPort c;
    EXPECT_FALSE(c.Open("/dev/null"));
    EXPECT_FALSE(c.Open("/nonexistent/tty"));
}

TEST(SerialPortList, ReadsSysfsLeavingOutConsolesVirtualTerminalsAndUnknownPorts)
{
    const fs::path root = fs::temp_directory_path() / ("zq9-sysfs-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path cls = root / "sys/class/tty";
    auto add = [&](const std::string& name, bool device, const char* type) {
        fs::create_directories(cls / name);
        if (device)
            fs::create_directories(cls / name / "device");
        if (type)
            std::ofstream(cls / name / "type") << type << "\n";
    };
    add("console", false, nullptr);
    add("tty0", false, nullptr);
    add("tty1", false, nullptr);
    add("ttyS0", true, "4"); // the machine's console
    add("ttyS1", true, "4");
    add("ttyS2", true, "0"); // no UART fitted
    add("ttyS10", true, "4");
    add("ttyUSB1", true, nullptr);
    add("ttyUSB0", true, nullptr);
    add("ttyACM0", true, nullptr);
    std::ofstream(cls / "console/active") << "tty0 ttyS0\n";

    SetSerialSysfsRoot(root.string());
    const auto ports = ListSerialPorts();
    SetSerialSysfsRoot("");
    fs::remove_all(root);

    const std::vector<std::pair<std::string, std::string>> want = {
        { "COM1", "/dev/ttyS1" },    { "COM2", "/dev/ttyS10" },   { "COM3", "/dev/ttyACM0" },
        { "COM4", "/dev/ttyUSB0" },  { "COM5", "/dev/ttyUSB1" },
    };
    ASSERT_EQ(ports.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(ports[i].Name, want[i].first);
        EXPECT_EQ(ports[i].Path, want[i].second);
        EXPECT_EQ(ports[i].Number, static_cast<int>(i + 1));
    }
}

TEST(SerialPortList, OverridesMapBothNameFormsAndSortByNumber)
{
    SetSerialPortOverride(std::vector<TSerialPortEntry> { { "COM12", "/dev/pts/9", 12 }, { "COM3", "/dev/pts/4", 3 } });
    const auto ports = ListSerialPorts();
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].Name, "COM3");
    EXPECT_EQ(SerialPortPath("COM3"), "/dev/pts/4");
    EXPECT_EQ(SerialPortPath("\\\\.\\COM12"), "/dev/pts/9");
    EXPECT_EQ(SerialPortPath("COM4"), "");
    SetSerialPortOverride(std::nullopt);

    ::setenv("ZQ9_SERIAL_PORTS", "COM7=/dev/pts/5;bogus;COM2=/dev/pts/1", 1);
    const auto env = ListSerialPorts();
    ::unsetenv("ZQ9_SERIAL_PORTS");
    ASSERT_EQ(env.size(), 2u);
    EXPECT_EQ(env[0].Name, "COM2");
    EXPECT_EQ(env[1].Path, "/dev/pts/5");
}
