#include "RequestLog.h"

#include <cstdio>

std::string RequestLogLine(double seconds, const BytePacket& frame)
{
    char head[32];
    std::snprintf(head, sizeof head, "%10.3f ", seconds);
    std::string line = head;
    for (std::uint8_t b : frame) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        line += hex;
    }
    return line + "\n";
}
