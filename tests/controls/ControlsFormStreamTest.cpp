// Forms of the band editor and the level meter: every value a form keeps reads back as written, the
// values a new control starts with stay out, and the meter's stored position is read into its
// stored range.

#include "controls/LProgressBar.h"
#include "controls/MyPEQAllpass.h"

#include "ControlsTestApp.h"
#include "widgets/FormStreamSupport.h"

#include "platform/ui/TShape.h"

#include <gtest/gtest.h>

using namespace vcl;
using wtest::As;

TEST(ControlsFormStream, EachControlReadsBackWhatItWrote)
{
    controlstest::EnsureGuiApp();
    const wtest::RoundTrip cases[] = {
        { "band editor", [] { return std::make_unique<TMyPEQAllpass>(nullptr); },
          [](TComponent& c) {
              auto& p = As<TMyPEQAllpass>(c);
              p.SetBounds(0, 0, 536, 270);
              p.SetChannelNumber(9);
              p.SetUpdownVisable(true);
              p.SetTitleVisable(true);
              p.SetTopBottomSpace(20);
              p.SetLabelColor(clBackground);
              p.SetEditBackColor(clWindow);
              p.SetBypassBackColor(clSilver);
          },
          [](TComponent& c) {
              auto& p = As<TMyPEQAllpass>(c);
              EXPECT_EQ(p.BoundsRect(), TRect(0, 0, 536, 270));
              EXPECT_EQ(p.GetChannelNumber(), 9);
              EXPECT_TRUE(p.GetUpdownVisable());
              EXPECT_TRUE(p.GetTitleVisable());
              EXPECT_EQ(p.GetTopBottomSpace(), 20);
              EXPECT_EQ(p.GetLabelColor(), clBackground);
              EXPECT_EQ(p.GetEditBackColor(), clWindow);
              EXPECT_EQ(p.GetBypassBackColor(), clSilver);
          } },
        { "limiter lamp", [] { return std::make_unique<LProgressBar>(nullptr); },
          [](TComponent& c) {
              auto& m = As<LProgressBar>(c);
              m.SetBounds(0, 0, 14, 22);
              m.SetFirstNum(0);
              m.SetThirdNum(0);
              m.SetMax(1);
              m.SetSecondColor(20123);
              m.SetLSecondColor(4629503);
              m.SetTag(3);
              m.SetBevelOuter(TPanelBevel::bvNone);
          },
          [](TComponent& c) {
              auto& m = As<LProgressBar>(c);
              EXPECT_EQ(m.SegmentCount(), 1);
              EXPECT_EQ(m.Max(), 1);
              EXPECT_EQ(m.SecondColor(), TColor(20123));
              EXPECT_EQ(m.LSecondColor(), TColor(4629503));
              EXPECT_EQ(m.Tag(), 3);
              EXPECT_EQ(m.BevelOuter(), TPanelBevel::bvNone);
              ASSERT_NE(m.Segment(1), nullptr);
              EXPECT_EQ(m.Segment(1)->BoundsRect(), TRect(0, -1, 14, 23));
              EXPECT_EQ(m.Segment(1)->Brush()->Color(), TColor(20123));
          } },
        { "meter above its start range", [] { return std::make_unique<LProgressBar>(nullptr); },
          [](TComponent& c) {
              auto& m = As<LProgressBar>(c);
              m.SetBounds(0, 0, 14, 199);
              m.SetSecondNum(2);
              m.SetThirdNum(6);
              m.SetMax(180);
              m.SetPosition(160);
          },
          [](TComponent& c) {
              auto& m = As<LProgressBar>(c);
              EXPECT_EQ(m.SegmentCount(), 9);
              EXPECT_EQ(m.Max(), 180);
              EXPECT_EQ(m.Position(), 160); // not clamped to the start range of 100
              // 160 of 180 lights the bottom eight segments: the top one stays unlit.
              EXPECT_EQ(m.Segment(1)->Brush()->Color(), m.FirstColor());
              EXPECT_EQ(m.Segment(2)->Brush()->Color(), m.LSecondColor());
              EXPECT_EQ(m.Segment(9)->Brush()->Color(), m.LThirdColor());
          } },
        { "meter saved with Max 0", [] { return std::make_unique<LProgressBar>(nullptr); },
          [](TComponent& c) { As<LProgressBar>(c).SetMax(0); },
          [](TComponent& c) {
              auto& m = As<LProgressBar>(c);
              EXPECT_EQ(m.Max(), 0);
              m.SetPosition(5); // clamped into the empty range, which is never divided by
              EXPECT_EQ(m.Position(), 0);
          } },
    };
    wtest::CheckRoundTrips(cases);
}

TEST(ControlsFormStream, ANewControlWritesNoneOfItsOwnProperties)
{
    controlstest::EnsureGuiApp();
    TMyPEQAllpass peq(nullptr);
    const QByteArray editor = wtest::WriteForm(peq);
    for (const char* name : { "UpdownVisable", "TitleVisable", "TopBottomSpace", "ChannelNumber", "LabelColor",
                              "EditBackColor", "BypassBackColor" })
        EXPECT_FALSE(wtest::Written(editor, QString::fromLatin1(name))) << name;

    LProgressBar meter(nullptr);
    const QByteArray form = wtest::WriteForm(meter);
    for (const char* name : { "FirstColor", "SecondColor", "ThirdColor", "FirstNum", "SecondNum", "ThirdNum",
                              "Position", "Max", "Min", "LFirstColor", "LSecondColor", "LThirdColor", "BevelInner",
                              "BevelOuter", "Color" })
        EXPECT_FALSE(wtest::Written(form, QString::fromLatin1(name))) << name;
    // The segments are the meter's own making, never part of its form.
    EXPECT_FALSE(form.contains("shape1"));
}
