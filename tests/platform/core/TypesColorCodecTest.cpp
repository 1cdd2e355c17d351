#include "platform/core/AnsiCodec.h"
#include "platform/core/Events.h"
#include "platform/core/TObject.h"
#include "platform/core/TColor.h"
#include "platform/core/Types.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(Geometry, RectanglesExcludeRightAndBottom)
{
    const TRect r = Bounds(10, 20, 30, 40);
    EXPECT_EQ(r, Rect(10, 20, 40, 60));
    EXPECT_EQ(r.Width(), 30);
    EXPECT_TRUE(PtInRect(r, Point(10, 20)));
    EXPECT_FALSE(PtInRect(r, Point(40, 30)));
    EXPECT_FALSE(PtInRect(r, Point(20, 60)));
    EXPECT_EQ(r.toQRect(), QRect(10, 20, 30, 40));
    EXPECT_EQ(TRect::fromQRect(r.toQRect()), r);
    EXPECT_EQ(Rect(0, 0, 5, 5).CenterPoint(), Point(2, 2));
    EXPECT_EQ(Rect(-5, -5, 0, 0).CenterPoint(), Point(-3, -3));
}

TEST(Geometry, IntersectUnionInflateOffset)
{
    TRect d;
    EXPECT_TRUE(IntersectRect(d, Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
    EXPECT_EQ(d, Rect(5, 5, 10, 10));
    EXPECT_FALSE(IntersectRect(d, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10))); // touching edges only
    EXPECT_EQ(d, TRect());
    EXPECT_TRUE(UnionRect(d, Rect(0, 0, 0, 0), Rect(1, 1, 2, 2)));
    EXPECT_EQ(d, Rect(1, 1, 2, 2));
    EXPECT_TRUE(UnionRect(d, Rect(0, 0, 1, 1), Rect(5, 5, 6, 6)));
    EXPECT_EQ(d, Rect(0, 0, 6, 6));
    TRect r = Rect(10, 10, 20, 20);
    InflateRect(r, -2, 3);
    EXPECT_EQ(r, Rect(12, 7, 18, 23));
    OffsetRect(r, -12, 1);
    EXPECT_EQ(r, Rect(0, 8, 6, 24));
}

TEST(Colors, NamedAndSystemColours)
{
    EXPECT_EQ(clRed, 0x0000FF);
    EXPECT_EQ(RGB(1, 2, 3), 0x030201);
    EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0x8000000Fu);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    EXPECT_EQ(ColorToRGB(clTeal), clTeal);
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(clNavy), QColor(0, 0, 128));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST(AnsiCodecTest, EveryByteRoundTrips)
{
    std::vector<std::uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    const QString text = AnsiCodec::Decode(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0xE9], QChar(0xE9));
    EXPECT_EQ(AnsiCodec::Encode(text), all);
}

TEST(AnsiCodecTest, UnmappableCharactersAndCuts)
{
    EXPECT_EQ(AnsiCodec::Encode(QString::fromUtf8("a€中")), (std::vector<std::uint8_t> { 'a', 0x80, '?' }));
    // A non-BMP character is one '?' and is never split by a cut.
    const QString emoji = QString::fromUtf8("x\U0001F600y");
    EXPECT_EQ(AnsiCodec::Encode(emoji), (std::vector<std::uint8_t> { 'x', '?', 'y' }));
    EXPECT_EQ(AnsiCodec::Encode(emoji, 2), (std::vector<std::uint8_t> { 'x', '?' }));
    EXPECT_EQ(AnsiCodec::Encode(QString("Preset 1"), 3), (std::vector<std::uint8_t> { 'P', 'r', 'e' }));
    const std::uint8_t field[] = { 'I', 'n', 'A', 0, 'z', 'z' };
    EXPECT_EQ(AnsiCodec::DecodeZ(field), "InA");
}

namespace {
struct Handler : TObject
{
    int hits { 0 };
    void Click(TObject*) { ++hits; }
    void Other(TObject*) {}
};
} // namespace

TEST(EventsTest, MethodRecordsCompareByObjectAndMember)
{
    Handler h1, h2;
    TNotifyEvent ev = Method(&h1, &Handler::Click);
    ev(nullptr);
    EXPECT_EQ(h1.hits, 1);
    EXPECT_TRUE(SameMethod(ev, Method(&h1, &Handler::Click)));
    EXPECT_FALSE(SameMethod(ev, Method(&h2, &Handler::Click)));
    EXPECT_FALSE(SameMethod(ev, Method(&h1, &Handler::Other)));
    TNotifyEvent lambda = [](TObject*) {};
    EXPECT_FALSE(SameMethod(lambda, Method(&h1, &Handler::Click)));
    EXPECT_TRUE(SameMethod(TNotifyEvent(), TNotifyEvent()));
}
