// Delay editor and the EQ bypass of a link group.

#include "EditorRig.h"

#include "device/McsCodes.h"

#include <gtest/gtest.h>

namespace editors {
QString DelayText(int samples, int unit);
}

using namespace edtest;

TEST(EditorDelay, TextsInEveryUnit)
{
    const struct { int s, unit; const char* text; } cases[] = {
        { 65280, 0, "680.000 ms" }, { 65280, 1, "233.580 m" }, { 65280, 2, "766.329 ft" }, { 0, 0, "0.000 ms" },
        { 279, 1, "0.998 m" }, { 96, 0, "1.000 ms" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(editors::DelayText(c.s, c.unit), QString::fromLatin1(c.text)) << c.s << " " << c.unit;
}

TEST(EditorDelay, TypedEntries)
{
    EditorRig rig;
    auto* box = rig.Get<TCurvyEdit>("cvdDelayInB");
    auto* fader = rig.Get<TAdvTrackBar>("isDelayInB");
    const struct { int unit; const char* typed; int samples; const char* shown; } cases[] = {
        { 0, "1", 96, "1.000 ms" },    { 0, "700", 65280, "680.000 ms" }, { 0, "5ms", 480, "5.000 ms" },
        { 0, "5ft", 480, "5.000 ms" }, { 0, "-3", 480, "5.000 ms" },      { 0, "1.2.3", 480, "5.000 ms" },
        { 1, "1", 279, "0.998 m" },    { 2, "abc", 279, "3.275 ft" }, { 2, "99999999999999999999999", 65280, nullptr },
        { 5, "99999999999999999999999", 65280, nullptr }, // a unit beyond ft from a device counts as ft
    };
    for (const auto& c : cases) {
        rig.Form->SuppressSend = true;
        rig.Model.SetDelayUnit(static_cast<std::uint16_t>(c.unit));
        rig.Form->SuppressSend = false;
        box->SetText(QString::fromLatin1(c.typed));
        box->OnExit(box);
        EXPECT_EQ(fader->Position(), c.samples) << c.typed;
        if (c.shown) {
            EXPECT_EQ(box->Text(), QString::fromLatin1(c.shown)) << c.typed;
        } else {
            EXPECT_TRUE(box->Text().endsWith(QStringLiteral("ft"))) << c.typed;
        }
        EXPECT_EQ(rig.Model.GetDelay(1), c.samples) << c.typed;
    }
    rig.Form->SuppressSend = true;
    rig.Model.SetDelayUnit(0);
    rig.Form->SuppressSend = false;
    box->SetText("1");
    box->OnExit(box);
    rig.Tap.Sent.clear();
    box->SetText("1.000");
    vcl::WORD key = 13;
    box->OnKeyDown(box, key, {});
    EXPECT_TRUE(rig.SentOf(MCS_CMD_DELAY).empty()) << "the shown value again changes nothing";
}

TEST(EditorDelay, MarkerLineUnitSwitchAndLinkedDrag)
{
    EditorRig rig;
    auto* fader = rig.Get<TAdvTrackBar>("isDelayInA");
    fader->SetPosition(65280);
    EXPECT_EQ(rig.Get<vcl::TControl>("imDelayInA")->Left(), 425);
    EXPECT_EQ(rig.Get<vcl::TControl>("lbDelayLineInA")->Caption(), QString(64, QLatin1Char('-')));
    EXPECT_EQ(rig.Get<vcl::TControl>("lbFftDelayTimeInA")->Caption(), "680.000 ms");
    EXPECT_EQ(rig.Get<vcl::TControl>("lbFftDelayTimeInA")->Left(), 455);

    rig.Tap.Sent.clear();
    auto* unitFt = rig.Get<rz::TRzBmpButton>("rzbUnit2");
    unitFt->SetDown(true);
    unitFt->Click();
    EXPECT_EQ(rig.SentOf(MCS_CMD_DELAYUNIT).size(), 1u);
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdDelayInA")->Text(), "766.329 ft");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdDelayOut6")->Text(), "0.000 ft");
    EXPECT_EQ(rig.Get<vcl::TControl>("imDelayInA")->Left(), 425);

    rig.Form->SuppressSend = true;
    rig.Model.SetLink(2, 0b11);
    rig.Model.SetLink(3, 0);
    rig.Form->SuppressSend = false;
    auto* line = rig.Get<vcl::TControl>("lbDelayLineOut1");
    line->SetBounds(46, 0, 470, 20);
    line->OnMouseDown(line, vcl::TMouseButton::mbLeft, {}, 15, 10); // marker at 40: 15 + 25 - 40 = 0
    EXPECT_EQ(rig.Form->Editors().Delay().DragState(), 1);
    line->OnMouseMove(line, {}, 1000, 10); // past the end: the maximum
    line->OnMouseUp(line, vcl::TMouseButton::mbLeft, {}, 1000, 10);
    EXPECT_EQ(rig.Form->Editors().Delay().DragState(), 0);
    EXPECT_EQ(rig.Get<TAdvTrackBar>("isDelayOut1")->Position(), 65280);
    EXPECT_EQ(rig.Get<TAdvTrackBar>("isDelayOut2")->Position(), 65280);
    EXPECT_EQ(rig.Get<vcl::TControl>("imDelayOut2")->Left(), rig.Get<vcl::TControl>("imDelayOut1")->Left());
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdDelayOut2")->Text(), "766.329 ft");
    EXPECT_EQ(rig.Model.GetDelay(3), 65280);
}

// The command goes straight to the window's transport; the window tests over the emulator see it.
TEST(EditorEqBypass, MasterBypassesItsGroup)
{
    EditorRig rig;
    rig.Form->SuppressSend = true;
    rig.Model.SetLink(2, 0b0101); // Out1 masters Out3
    rig.Model.SetLink(4, 0);
    rig.Form->SuppressSend = false;
    auto* master = rig.Get<vr::TVrDemoButton>("vrbEqBypassOut1");
    master->OnClick(master);
    EXPECT_EQ(rig.Model.GetEqBypassMask(2), 0b0101);
    auto* single = rig.Get<vr::TVrDemoButton>("vrbEqBypassOut2");
    single->OnClick(single);
    EXPECT_EQ(rig.Model.GetEqBypassMask(2), 0b0111);
    master->OnClick(master);
    EXPECT_EQ(rig.Model.GetEqBypassMask(2), 0b0010);
}
