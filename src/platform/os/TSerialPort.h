#pragma once
// One serial device opened exclusively for binary traffic: raw line discipline, chosen speed and framing.

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace vcl {

// Line settings in the kernel's terms: parity 0 none, 1 odd, 2 even, 3 mark, 4 space;
// stop bits 0 one, 1 one and a half (taken as two), 2 two.
struct TSerialSettings
{
    std::uint32_t BaudRate { 115200 };
    std::uint8_t ByteSize { 8 };
    std::uint8_t Parity { 0 };
    std::uint8_t StopBits { 0 };
};

class TSerialPort
{
public:
    TSerialPort() = default;
    ~TSerialPort();
    TSerialPort(const TSerialPort&) = delete;
    TSerialPort& operator=(const TSerialPort&) = delete;

    // Opens the device for reading and writing without becoming its controlling terminal, non-blocking,
    // and takes an exclusive lock on it; false when it is missing, busy or not a terminal.
    bool Open(const std::string& path);
    // Raw binary line (no echo, no line editing, no character mapping, no XON/XOFF, which would swallow
    // frame bytes 0x11 and 0x13) with the given speed and framing; hardware flow control stays as it was.
    bool Configure(const TSerialSettings& settings);
    void Close();

    bool IsOpen() const { return Fd >= 0; }
    int Handle() const { return Fd; }
    const std::string& Path() const { return DevicePath; }

    // Bytes waiting in the input queue, or -1 when the device is gone.
    int BytesWaiting() const;
    // Reads what is there without waiting: the count, 0 when nothing waits, -1 when the device failed.
    ssize_t Read(std::uint8_t* buffer, std::size_t size);
    // Writes all bytes, waiting at most timeoutMs for room in the output queue.
    bool Write(const std::uint8_t* data, std::size_t size, unsigned timeoutMs);
    // Drops everything in both queues.
    void Purge();
    // The output speed in baud, 0 when unknown.
    std::uint32_t GetBaudRate() const;

    // Speed constant for a rate in baud, or 0 when the kernel has none for it.
    static unsigned SpeedFor(std::uint32_t baud);

private:
    int Fd { -1 };
    std::string DevicePath;
};

} // namespace vcl
