// Gain strip, group display, link groups and channel copy on a bare main window.

#include "EditorRig.h"

#include "device/McsCodes.h"

#include <gtest/gtest.h>

using namespace edtest;

TEST(EditorGainText, StepsChangeBelowMinus20dB)
{
    const struct { int pos; const char* text; } cases[] = {
        { 0, "+0.0dB" }, { -1, "-0.1dB" }, { -200, "-20.0dB" }, { -201, "-20.5dB" },
        { -250, "-45.0dB" }, { -280, "-60.0dB" }, { 120, "+12.0dB" }, { 7, "+0.7dB" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(editors::GainText(c.pos), QString::fromLatin1(c.text)) << c.pos;
}

TEST(EditorGainStrip, FaderMirrorsWritesTextsStoresAndSends)
{
    EditorRig rig;
    rig.Get<TAdvTrackBar>("isGainOut2")->SetPosition(-201);
    EXPECT_EQ(rig.Get<TAdvTrackBar>("isGainBackupOut2")->Position(), -201);
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdGainOut2")->Text(), "-20.5dB");
    EXPECT_EQ(rig.Get<TCurvyEdit>("cvdGainBackupOut2")->Text(), "-20.5dB");
    EXPECT_EQ(rig.Model.GetGain(3), 79);
    ASSERT_FALSE(rig.Tap.Sent.empty());
    for (const LCmd& cmd : rig.Tap.Sent) {
        EXPECT_EQ(cmd.GetCommand(), MCS_CMD_GAIN);
        EXPECT_EQ(cmd.GetPayload(), (BytePacket { 3, 79, 0 }));
    }
    EXPECT_FALSE(rig.Form->SuppressSend);
}

TEST(EditorGainStrip, SuppressedFaderChangesNothing)
{
    EditorRig rig;
    const int shown = rig.Get<TAdvTrackBar>("isGainInA")->Position();
    rig.Form->SuppressSend = true;
    rig.Get<TAdvTrackBar>("isGainBackupInA")->SetPosition(-50);
    EXPECT_EQ(rig.Get<TAdvTrackBar>("isGainInA")->Position(), shown);
    EXPECT_EQ(rig.Model.GetGain(0), LUnitControl().GetGain(0));
    EXPECT_TRUE(rig.Tap.Sent.empty());
}

TEST(EditorGainStrip, GroupMembersFollowTheMaster)
{
    EditorRig rig;
    rig.Form->SuppressSend = true;
    rig.Model.SetLink(2, 0b101); // Out1 masters Out1 and Out3
    rig.Model.SetLink(4, 0);
    rig.Form->SuppressSend = false;
    rig.Get<TAdvTrackBar>("isGainOut1")->SetPosition(-250);
    for (const char* name : { "cvdGainOut1", "cvdGainBackupOut1", "cvdGainOut3", "cvdGainBackupOut3" })
        EXPECT_EQ(rig.Get<TCurvyEdit>(name)->Text(), "-45.0dB") << name;
    for (const char* name : { "isGainOut1", "isGainBackupOut1", "isGainOut3", "isGainBackupOut3" })
        EXPECT_EQ(rig.Get<TAdvTrackBar>(name)->Position(), -250) << name;
    EXPECT_EQ(rig.Get<TAdvTrackBar>("isGainOut2")->Position(), 0);
    EXPECT_EQ(rig.Model.GetGain(4), 30);
    for (const LCmd& cmd : rig.Tap.Sent)
        EXPECT_EQ(cmd.GetPayload()[0], 2) << "only the edited channel is addressed";
}

TEST(EditorGainStrip, PolarityOnGainPageRenamesBothButtonsAndMuteMirrors)
{
    EditorRig rig;
    auto* phaseB = rig.Get<rz::TRzBmpButton>("rzbPhaseBackupOut4");
    phaseB->SetDown(true);
    phaseB->Click();
    const QString on = rig.Form->GetSidText("SID_PHASE_ON");
    EXPECT_TRUE(rig.Get<rz::TRzBmpButton>("rzbPhaseOut4")->Down());
    EXPECT_EQ(phaseB->Caption(), on);
    EXPECT_EQ(rig.Get<rz::TRzBmpButton>("rzbPhaseOut4")->Caption(), on);
    EXPECT_TRUE(rig.Model.GetPolarity(5));

    auto* mute = rig.Get<rz::TRzBmpButton>("rzbMuteInB");
    mute->SetDown(true);
    mute->Click();
    EXPECT_TRUE(rig.Get<rz::TRzBmpButton>("rzbMuteBackupInB")->Down());
    EXPECT_TRUE(rig.Model.IsMute(1));
}

TEST(EditorLinkGroups, GroupMaskOfSingleMasterAndFollower)
{
    EditorRig rig;
    rig.Form->SuppressSend = true;
    const int links[6] = { 0b001011, 0, 0b000100, 0, 0b110000, 0 }; // Out1 {1,2,4}, Out3 alone, Out5 {5,6}
    for (int i = 0; i < 6; ++i)
        rig.Model.SetLink(2 + i, static_cast<std::uint16_t>(links[i]));
    const struct { int ch, mask; } cases[] = { { 2, 0b001011 }, { 3, 0b001011 }, { 5, 0b001011 }, { 4, 0b000100 },
                                               { 6, 0b110000 }, { 7, 0b110000 } };
    for (const auto& c : cases)
        EXPECT_EQ(rig.Form->GroupMaskOf(c.ch), c.mask) << c.ch;
}

TEST(EditorLinkGroups, MenuCaptionsAndCopy)
{
    EditorRig rig;
    rig.Form->SetMenuCaption(2, 4);
    EXPECT_EQ(rig.Get<vcl::TControl>("rzbMenuOut3")->Caption(), "3=1");
    rig.Form->SetMenuCaption(4, 4);
    EXPECT_EQ(rig.Get<vcl::TControl>("rzbMenuOut3")->Caption(), "Out3");

    rig.Form->CopyChannel(1, 1, true);
    EXPECT_TRUE(rig.Tap.Sent.empty());

    rig.Form->SuppressSend = true;
    rig.Model.SetGain(0, 123);
    rig.Form->SuppressSend = false;
    rig.Form->CopyChannel(0, 1, true); // offline: the model copies, nothing is sent, controls refresh
    EXPECT_EQ(rig.Model.GetGain(1), 123);
    EXPECT_TRUE(rig.Tap.Sent.empty());
    EXPECT_EQ(rig.Get<TAdvTrackBar>("isGainInB")->Position(), 123 - 280);
}
