// The fader's value rules (clamping, when OnChange fires), orientation, loading, and its layout
// geometry: inner, track, slider, tick, button and thumb rectangles.
#include "AdvTrackBarTestSupport.h"

#include "platform/ui/TextMetrics.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace fadertest;

namespace {

class AdvTrackBarCoreTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }
};

TEST_F(AdvTrackBarCoreTest, StartsWithTheDocumentedValues)
{
    TAdvTrackBar f(nullptr);
    EXPECT_EQ(f.Width(), 150);
    EXPECT_EQ(f.Height(), 26);
    EXPECT_EQ(f.Min(), 0);
    EXPECT_EQ(f.Max(), 10);
    EXPECT_EQ(f.Position(), 0);
    EXPECT_EQ(f.PageSize(), 1);
    EXPECT_EQ(f.Orientation(), TTrackBarOrientation::trHorizontal);
    EXPECT_TRUE(f.Transparent());
    EXPECT_TRUE(f.TabStop());
    EXPECT_FALSE(f.TrackHint());
    EXPECT_EQ(f.Color(), clNone);
    EXPECT_EQ(f.BorderColor(), clNone);
    EXPECT_EQ(f.Version(), QStringLiteral("1.6.3.0"));
    f.SetVersion(QStringLiteral("9"));
    EXPECT_EQ(f.Version(), QStringLiteral("1.6.3.0"));
    EXPECT_EQ(f.Thumb()->Size(), 15);
    EXPECT_EQ(f.Thumb()->Width(), 10);
    EXPECT_EQ(f.Thumb()->Color(), 0xEEDBC8);
    EXPECT_EQ(f.Slider()->Size(), 2);
    EXPECT_EQ(f.Slider()->Offset(), 10);
    EXPECT_EQ(f.Slider()->BorderColor(), 0xC29674);
    EXPECT_EQ(f.Buttons()->Size(), 20);
    EXPECT_EQ(f.Buttons()->InitRepeatPause(), 400);
    EXPECT_EQ(f.TickMark()->Style(), TTickStyle::tsAuto);
    EXPECT_EQ(f.TrackLabel()->Format(), QStringLiteral("Pos: %d"));
}

TEST_F(AdvTrackBarCoreTest, PositionWritesClampAndFireOnceForEveryDifferentValue)
{
    struct Case
    {
        const char* what;
        int start;
        int write;
        int expected;
        int changes;
    };
    const Case cases[] = {
        { "same value", 5, 5, 5, 0 },
        { "inside", 5, 7, 7, 1 },
        { "beyond Max at Max", 120, 125, 120, 1 },
        { "far beyond Max at Max", 120, 500, 120, 1 },
        { "below Min", -277, -281, -280, 1 },
        { "to Min", 0, -280, -280, 1 },
    };
    for (const Case& c : cases) {
        TAdvTrackBar f(nullptr);
        f.SetMax(120);
        f.SetMin(-280);
        f.SetPosition(c.start);
        int changes = 0;
        TObject* sender = nullptr;
        f.OnChange = [&](TObject* s) {
            ++changes;
            sender = s;
        };
        f.SetPosition(c.write);
        EXPECT_EQ(f.Position(), c.expected) << c.what;
        EXPECT_EQ(changes, c.changes) << c.what;
        if (c.changes) {
            EXPECT_EQ(sender, &f) << c.what;
        }
    }
}

TEST_F(AdvTrackBarCoreTest, BoundsPullThePositionAlongThroughTheSetter)
{
    TAdvTrackBar f(nullptr);
    f.SetPosition(8);
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    f.SetMax(6);
    EXPECT_EQ(f.Position(), 6);
    EXPECT_EQ(changes, 1);
    f.SetMax(20);
    EXPECT_EQ(f.Position(), 6);
    EXPECT_EQ(changes, 1);
    f.SetMin(9);
    EXPECT_EQ(f.Position(), 9);
    EXPECT_EQ(changes, 2);
    // Min above Max is kept; writes then give Min below it and Max otherwise.
    f.SetMin(30);
    EXPECT_EQ(f.Min(), 30);
    f.SetPosition(0);
    EXPECT_EQ(f.Position(), 30);
    f.SetPosition(31);
    EXPECT_EQ(f.Position(), 20);
}

TEST_F(AdvTrackBarCoreTest, OrientationSwapsTheSizeExceptWhileLoading)
{
    TAdvTrackBar f(nullptr);
    f.SetOrientation(TTrackBarOrientation::trVertical);
    EXPECT_EQ(f.Width(), 26);
    EXPECT_EQ(f.Height(), 150);

    TAdvTrackBar g(nullptr);
    g.Loading();
    g.SetOrientation(TTrackBarOrientation::trVertical);
    g.SetMax(2999);
    g.SetMin(9);
    g.SetPosition(499);
    g.Loaded();
    EXPECT_EQ(g.Width(), 150);
    EXPECT_EQ(g.Position(), 499);
}

TEST_F(AdvTrackBarCoreTest, LoadedMeasuresTheThumbPicture)
{
    TAdvTrackBar f(nullptr);
    f.Loading();
    f.SetOrientation(TTrackBarOrientation::trVertical);
    LoadSolidPicture(f.Thumb()->Picture(), 16, 29, clRed);
    f.Thumb()->SetSize(40); // ignored: the picture decides
    f.Loaded();
    EXPECT_EQ(f.Thumb()->Size(), 16);
    EXPECT_EQ(f.Thumb()->Width(), 29);
}


// Fixed metrics: 7 pixels a character, 13 high.
class FixedMetrics : public ITextMetrics
{
public:
    TSize TextExtent(const TFont&, const QString& text) const override
    {
        return TSize(7 * static_cast<int>(text.size()), 13);
    }
};

TEST_F(AdvTrackBarCoreTest, LabelTextSizesTheLabelAndPushesTheTrack)
{
    TTextMetricsOverride metrics(std::make_shared<FixedMetrics>());
    TAdvTrackBar f(nullptr); // horizontal 150 x 26, inner (3, 3, 147, 23)
    f.SetBounds(0, 0, 150, 60);
    f.SetPosition(7);
    EXPECT_EQ(f.GetTrackLabelRect(true), TRect(-1, -1, -1, -1)); // hidden
    f.TrackLabel()->SetVisible(true);
    f.TrackLabel()->SetPosition(TLabelPosition::lpTopLeft);
    // "Pos: 7": 6 characters; the band is 13 + spacing 4 high, from inner top + slider offset.
    EXPECT_EQ(f.GetTrackLabelRect(true), TRect(3, 13, 3 + 42 + 5, 30));
    EXPECT_EQ(f.GetTrackRect().Top, 31);
    f.OnGetTrackLabelText = [](TObject*, int Position, QString& text) { text = QString::number(Position * 10); };
    EXPECT_EQ(f.GetTrackLabelRect(true).Right, 3 + 14 + 5);
    f.TrackLabel()->SetPosition(TLabelPosition::lpTopRight);
    EXPECT_EQ(f.GetTrackLabelRect(true).Left, 147 - 14 - 5);
    f.OnGetTrackLabelText = [](TObject*, int, QString& text) { text.clear(); };
    EXPECT_EQ(f.GetTrackLabelRect(true).Left, 147 - 21 - 5); // an empty text measures "Pos"
    // A format that takes no integer shows as it is instead of failing every paint.
    f.OnGetTrackLabelText = nullptr;
    f.TrackLabel()->SetFormat(QStringLiteral("Val: %s"));
    EXPECT_EQ(f.GetTrackLabelRect(true).Left, 147 - 7 * 7 - 5);
    EXPECT_NO_THROW(wtest::Render(&f));
}

// --- geometry ---

TEST_F(AdvTrackBarCoreTest, GainFaderGeometryMatchesTheWorkedExample)
{
    TAdvTrackBar f(nullptr);
    SetUpGainFader(f);
    EXPECT_EQ(f.GetInnerRect(), TRect(3, 3, 23, 152));
    EXPECT_EQ(f.GetTrackRect(), TRect(13, 3, 23, 152));
    EXPECT_EQ(f.GetSliderRect(), TRect(13, 3, 16, 152));
    EXPECT_EQ(f.GetThumbPointerOffset(), 14);
    EXPECT_EQ(f.GetTickRectTopLeft(), TRect(-1, -1, -1, -1));
    EXPECT_EQ(f.GetTickRectBottomRight(), TRect(-1, -1, -1, -1));
    struct Case
    {
        int position;
        TRect thumb;
    };
    const Case cases[] = {
        { 0, TRect(6, 39, 22, 68) },     // k = 84
        { -280, TRect(6, 123, 22, 152) }, // bottom
        { 120, TRect(6, 3, 22, 32) },    // top
        { 1, TRect(6, 39, 22, 68) },     // 84.3 rounds to 84
        { 5, TRect(6, 37, 22, 66) },     // 85.5 rounds half to even: 86
        { -275, TRect(6, 121, 22, 150) }, // 1.5 rounds to 2
    };
    for (const Case& c : cases) {
        f.SetPosition(c.position);
        EXPECT_EQ(f.GetThumbRect(), c.thumb) << c.position;
    }
}

TEST_F(AdvTrackBarCoreTest, EdgeGeometries)
{
    {
        // Max = Min: the thumb stays at the track's start.
        TAdvTrackBar f(nullptr);
        f.SetMax(0);
        f.SetPosition(0);
        const TRect t = f.GetTrackRect();
        EXPECT_EQ(f.GetThumbRect().Left, t.Left);
        f.SetOrientation(TTrackBarOrientation::trVertical);
        EXPECT_EQ(f.GetThumbRect().Bottom, f.GetTrackRect().Bottom);
    }
    {
        // Buttons on a vertical fader shorten the track at both ends.
        TAdvTrackBar f(nullptr);
        f.SetOrientation(TTrackBarOrientation::trVertical);
        f.SetBounds(0, 0, 40, 200);
        f.Buttons()->SetVisible(true);
        const TRect t = f.GetTrackRect();
        EXPECT_EQ(t.Top, 25);
        EXPECT_EQ(t.Bottom, 175);
        EXPECT_EQ(f.GetMaxButtonRect(), TRect(3, 3, 37, 23));
        EXPECT_EQ(f.GetMinButtonRect(), TRect(3, 177, 37, 197));
    }
    {
        // No ticks at tmBoth: both tick areas empty, the thumb centres on the slider.
        TAdvTrackBar f(nullptr);
        f.TickMark()->SetStyle(TTickStyle::tsNone);
        f.TickMark()->SetPosition(TTickMark::tmBoth);
        EXPECT_EQ(f.GetTickRectTopLeft(), TRect(-1, -1, -1, -1));
        EXPECT_EQ(f.GetTickRectBottomRight(), TRect(-1, -1, -1, -1));
        const TRect s = f.GetSliderRect();
        EXPECT_EQ(f.GetThumbRect().Top, s.Top + s.Height() / 2 - 15 / 2);
    }
    {
        // Horizontal default: ticks below the slider bar.
        TAdvTrackBar f(nullptr);
        EXPECT_EQ(f.GetTrackRect(), TRect(3, 13, 147, 23));
        EXPECT_EQ(f.GetSliderRect(), TRect(3, 13, 147, 15));
        EXPECT_EQ(f.GetTickRectBottomRight(), TRect(8, 22, 142, 26));
        EXPECT_EQ(f.GetThumbRect(), TRect(3, 7, 13, 22));
        f.SetPosition(10);
        EXPECT_EQ(f.GetThumbRect(), TRect(137, 7, 147, 22));
    }
    {
        // Slider bar hidden, no ticks: the thumb starts at the track's near side.
        TAdvTrackBar f(nullptr);
        f.Slider()->SetVisible(false);
        f.TickMark()->SetStyle(TTickStyle::tsNone);
        EXPECT_EQ(f.GetThumbRect().Top, f.GetTrackRect().Top);
    }
    {
        // A track shorter than the thumb: the thumb moves against the value.
        TAdvTrackBar f(nullptr);
        f.SetBounds(0, 0, 14, 26);
        f.Slider()->SetOffset(0);
        const int at0 = f.GetThumbRect().Left;
        f.SetPosition(10);
        EXPECT_LT(f.GetThumbRect().Left, at0);
    }
}

} // namespace
