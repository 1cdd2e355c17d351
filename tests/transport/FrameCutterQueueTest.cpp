#include "device/SendMode.h"
#include "support/DeviceEmulator.h"
#include "transport/LFrameCutter.h"
#include "transport/LLinkCore.h"
#include "transport/LRequestQueue.h"

#include <gtest/gtest.h>

namespace {

std::vector<BytePacket> Cut(const BytePacket& stream)
{
    LFrameCutter c;
    std::vector<BytePacket> out;
    for (std::uint8_t b : stream)
        if (c.Push(b))
            out.push_back(c.Frame());
    return out;
}

BytePacket Cat(std::initializer_list<BytePacket> parts)
{
    BytePacket all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

const BytePacket Ack = DeviceEmulator::ReplyFrame(1, 0x01, {});
const BytePacket KeepAlive = DeviceEmulator::RequestFrame(1, 0x12);
const BytePacket Ident = DeviceEmulator::ReplyFrame(1, 0x13, { 'Z', 'Q', '9', ' ', 'V', '0', '1', '0' });

} // namespace

TEST(LFrameCutter, CutsFramesByStartBytesAndLengthByte)
{
    // A frame whose closing bytes are wrong is still cut by its length alone.
    BytePacket badTail = Ack;
    badTail[6] = 0x55;
    badTail[7] = 0x66;
    const BytePacket body(Ident.begin() + 2, Ident.end());
    struct Case
    {
        const char* what;
        BytePacket stream;
        std::vector<BytePacket> frames;
    } cases[] = {
        { "one frame", Ack, { Ack } },
        { "noise before the start is dropped", Cat({ { 0x55, 0x10, 0x77, 0x02 }, body }), { Ident } },
        { "a repeated DLE keeps the first", Cat({ { 0x10, 0x10, 0x02 }, body }), { Ident } },
        { "two frames back to back", Cat({ Ack, Ident }), { Ack, Ident } },
        { "bytes after a frame start the next", Cat({ Ident, { 0x99 }, Ack }), { Ident, Ack } },
        { "closing bytes are not examined", badTail, { badTail } },
        { "an unfinished frame waits", BytePacket(Ident.begin(), Ident.end() - 1), {} },
        { "length 0 restarts the hunt", Cat({ { 0x10, 0x02, 0x01, 0x00, 0x00 }, Ack }), { Ack } },
        { "a real start inside a length-0 frame is found", Cat({ { 0x10, 0x02 }, KeepAlive }), { KeepAlive } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cut(c.stream), c.frames) << c.what;
}

TEST(LFrameCutter, ZeroLengthNeverCollectsForEver)
{
    LFrameCutter c;
    for (std::uint8_t b : BytePacket { 0x10, 0x02, 0x01, 0x00, 0x00 })
        c.Push(b);
    for (int i = 0; i < 1000; ++i)
        c.Push(0x33);
    EXPECT_EQ(c.Size(), 0u);
    std::size_t got = 0;
    for (std::uint8_t b : Ack)
        got += c.Push(b);
    EXPECT_EQ(got, 1u);
}

TEST(LRequestQueue, ReplaceAndAppendModes)
{
    // A setting frame: channel, then a value (for 0x33 the band, then a value).
    auto F = [](std::uint8_t code, std::uint8_t ch, std::uint8_t v = 0) {
        return DeviceEmulator::RequestFrame(1, code, { ch, v, 0 });
    };
    struct Push
    {
        BytePacket frame;
        int mode;
    };
    struct Case
    {
        const char* what;
        std::vector<Push> pushes;
        std::vector<BytePacket> waiting;
    } cases[] = {
        { "three 0x34 of one channel in replace mode leave the third",
          { { F(0x34, 1, 1), SEND_REPLACE }, { F(0x34, 1, 2), SEND_REPLACE }, { F(0x34, 1, 3), SEND_REPLACE } },
          { F(0x34, 1, 3) } },
        { "replace 0x34, append 0x3B, replace 0x3B: three wait",
          { { F(0x34, 0), SEND_REPLACE }, { F(0x3B, 0), SEND_APPEND }, { F(0x3B, 1), SEND_REPLACE } },
          { F(0x34, 0), F(0x3B, 0), F(0x3B, 1) } },
        { "an edit of another channel never takes the place of one waiting",
          { { F(0x34, 0, 1), SEND_REPLACE }, { F(0x34, 1, 1), SEND_REPLACE } }, { F(0x34, 0, 1), F(0x34, 1, 1) } },
        { "two channels edited in turn: the last value of each, in the order last made",
          { { F(0x34, 0, 1), SEND_REPLACE }, { F(0x34, 1, 1), SEND_REPLACE }, { F(0x34, 0, 2), SEND_REPLACE },
            { F(0x34, 1, 2), SEND_REPLACE }, { F(0x34, 0, 3), SEND_REPLACE } },
          { F(0x34, 1, 2), F(0x34, 0, 3) } },
        { "a band is addressed too: another band waits beside it, the same band replaces",
          { { F(0x33, 2, 1), SEND_REPLACE }, { F(0x33, 2, 4), SEND_REPLACE }, { F(0x33, 2, 1), SEND_REPLACE } },
          { F(0x33, 2, 4), F(0x33, 2, 1) } },
        { "an append entry is never overwritten",
          { { F(0x34, 0), SEND_APPEND }, { F(0x34, 0, 1), SEND_REPLACE }, { F(0x34, 0, 2), SEND_APPEND } },
          { F(0x34, 0), F(0x34, 0, 1), F(0x34, 0, 2) } },
        { "another code ends the run",
          { { F(0x34, 0), SEND_REPLACE }, { F(0x33, 0), SEND_REPLACE }, { F(0x34, 0, 1), SEND_REPLACE } },
          { F(0x34, 0), F(0x33, 0), F(0x34, 0, 1) } },
        { "settings without addressing bytes replace each other",
          { { F(0x40, 0), SEND_REPLACE }, { F(0x40, 0), SEND_REPLACE } }, { F(0x40, 0) } },
    };
    for (const auto& c : cases) {
        LRequestQueue q;
        for (const auto& p : c.pushes)
            q.Push(p.frame, p.mode);
        std::vector<BytePacket> got;
        BytePacket f;
        while (q.Pop(f))
            got.push_back(f);
        EXPECT_EQ(got, c.waiting) << c.what;
    }
}

TEST(LRequestQueue, TakingTheReplaceEntryEndsItsRun)
{
    LRequestQueue q;
    const BytePacket a = DeviceEmulator::RequestFrame(1, 0x34, { 0, 1 }), b = DeviceEmulator::RequestFrame(1, 0x34, { 0, 2 });
    q.Push(a, SEND_REPLACE);
    BytePacket out;
    ASSERT_TRUE(q.Pop(out)); // sent: it no longer waits
    q.Push(b, SEND_REPLACE);
    q.Push(a, SEND_REPLACE);
    ASSERT_EQ(q.Size(), 1u);
    EXPECT_EQ(q.At(0), a);
}

TEST(LLinkCore, RoundTripMillisecondsSaturate)
{
    const std::int64_t f = 1000000000;
    EXPECT_EQ(LLinkCore::ElapsedMs(0, 1999999, f), 1u);
    EXPECT_EQ(LLinkCore::ElapsedMs(0, 5000000000LL, f), 5000u);
    EXPECT_EQ(LLinkCore::ElapsedMs(0, 4294967295LL * 1000000, f), 4294967295u);
    EXPECT_EQ(LLinkCore::ElapsedMs(0, 4294967296LL * 1000000, f), 4294967295u);
    EXPECT_EQ(LLinkCore::ElapsedMs(0, INT64_MAX, 3), 4294967295u);
    EXPECT_EQ(LLinkCore::ElapsedMs(100, 50, f), 0u);
}
