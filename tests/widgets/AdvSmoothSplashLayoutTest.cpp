// Placement of the splash content: program texts, list lines, top layers.

#include "widgets/AdvSmoothSplashScreenLayout.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

using enum TItemLocation;

TEST(AdvSmoothSplashLayout, InnerRectAndProgramTextArea)
{
    EXPECT_EQ(SplashInnerRect(622, 352, false, 1), TRect(0, 0, 621, 351));
    EXPECT_EQ(SplashInnerRect(622, 352, true, 3), TRect(2, 2, 619, 349));
    // No shadow, no rounding: only the right edge moves 5 pixels left.
    EXPECT_EQ(ProgramTextArea(TRect(0, 0, 621, 351), 0, false, 0), TRect(0, 0, 616, 351));
    // Shadow 4 and rounding 10 (5 per side).
    EXPECT_EQ(ProgramTextArea(TRect(0, 0, 621, 351), 4, true, 10), TRect(5, 5, 607, 342));
    EXPECT_EQ(ProgramTextArea(TRect(0, 0, 621, 351), 4, false, 0), TRect(0, 0, 616, 351));
}

TEST(AdvSmoothSplashLayout, ProgramTextsByLocation)
{
    const TRect a(10, 20, 410, 320); // L T R B
    const TSize n(100, 30), v(40, 20), c(60, 10);
    struct Case
    {
        TItemLocation name, version, copy;
        TPoint pn, pv, pc;
    };
    const Case cases[] = {
        // All custom: exactly at their positions.
        { ilCustom, ilCustom, ilCustom, { 85, 130 }, { 475, 140 }, { 340, 340 } },
        // Top left: version after the name, centred on its height; copyright below the name.
        { ilTopLeft, ilTopLeft, ilTopLeft, { 10, 20 }, { 111, 25 }, { 10, 53 } },
        // Top centre: version below name at T + nh + vh; copyright below the name.
        { ilTopCenter, ilTopCenter, ilTopCenter, { 160, 20 }, { 190, 70 }, { 180, 53 } },
        // Top right: the name leaves room for the version; copyright below the name.
        { ilTopRight, ilTopRight, ilTopRight, { 269, 20 }, { 370, 20 }, { 350, 53 } },
        // Bottom left: name and version above the copyright.
        { ilBottomLeft, ilBottomLeft, ilBottomLeft, { 10, 277 }, { 111, 277 }, { 10, 310 } },
        // Bottom centre: the name also makes room for the version's height.
        { ilBottomCenter, ilBottomCenter, ilBottomCenter, { 160, 257 }, { 190, 277 }, { 180, 310 } },
        { ilBottomRight, ilBottomRight, ilBottomRight, { 269, 277 }, { 370, 277 }, { 350, 310 } },
        // Copyright top-left under a top-left version when the name is elsewhere.
        { ilCustom, ilTopLeft, ilTopLeft, { 85, 130 }, { 10, 20 }, { 10, 43 } },
    };
    for (const auto& k : cases) {
        const auto p = PlaceProgramTexts(a, { k.name, n, { 85, 130 } }, { k.version, v, { 475, 140 } },
                                         { k.copy, c, { 340, 340 } });
        EXPECT_EQ(p.Name, k.pn) << int(k.name);
        EXPECT_EQ(p.Version, k.pv) << int(k.version);
        EXPECT_EQ(p.CopyRight, k.pc) << int(k.copy);
    }
}

TEST(AdvSmoothSplashLayout, ListLinesStackAndDropTheOldestOnOverflow)
{
    const TRect r(180, 210, 680, 300); // 90 high, space 8
    auto rects = LayoutListLines(r, 8, { 20, 20 });
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], TRect(180, 210, 680, 230));
    EXPECT_EQ(rects[1], TRect(180, 238, 680, 258));

    // Four lines need 20+8+20+8+20+8+20 = 104 > 90: the first is dropped, the rest move up 28.
    rects = LayoutListLines(r, 8, { 20, 20, 20, 20 });
    EXPECT_EQ(rects[0].Top, -1);
    EXPECT_EQ(rects[0].Bottom, -1);
    EXPECT_EQ(rects[1], TRect(180, 210, 680, 230));
    EXPECT_EQ(rects[3], TRect(180, 266, 680, 286));

    // A single line taller than the rectangle is still shown at the top.
    rects = LayoutListLines(r, 8, { 20, 200 });
    EXPECT_EQ(rects[0].Top, -1);
    EXPECT_EQ(rects[1], TRect(180, 210, 680, 410));
    EXPECT_TRUE(LayoutListLines(r, 8, {}).empty());
}

TEST(AdvSmoothSplashLayout, TopLayerRectangles)
{
    const TSplashRectF a { 1, 1, 620, 350 };
    struct Case
    {
        TAlign align;
        TSplashRectF expected;
    };
    const Case cases[] = {
        { TAlign::alTop, { 1, 1, 619, 40 } },      { TAlign::alBottom, { 1, 311, 619, 40 } },
        { TAlign::alLeft, { 1, 1, 30, 350 } },     { TAlign::alRight, { 590, 1, 30, 350 } },
        { TAlign::alClient, { 1, 1, 619, 350 } },  { TAlign::alCustom, { 6, 8, 30, 40 } },
        { TAlign::alNone, { 0, 0, 0, 0 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(TopLayerRect(a, c.align, 5, 7, 30, 40), c.expected) << int(c.align);
}

TEST(AdvSmoothSplashLayout, TopLayerTextPositions)
{
    const TSplashRectF layer { 10, 20, 101, 51 };
    const TSize t(21, 11);
    using enum TAdvSmoothSplashScreenLocation;
    EXPECT_EQ(TopLayerTextPosition(layer, cpTopLeft, t, 0, 0), TPoint(10, 20));
    EXPECT_EQ(TopLayerTextPosition(layer, cpCenterCenter, t, 0, 0), TPoint(50, 40));
    EXPECT_EQ(TopLayerTextPosition(layer, cpBottomRight, t, 0, 0), TPoint(90, 60));
    EXPECT_EQ(TopLayerTextPosition(layer, cpCustom, t, 3, 4), TPoint(3, 4));
}

} // namespace
