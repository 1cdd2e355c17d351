// Every control the editors, the texts and the refresh reach by name is built by the window's layout.

#include "EditorRig.h"

#include "platform/ui/TRadioButton.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace edtest;

namespace {

QStringList Suffixed(std::initializer_list<const char*> stems, const QString& sfx)
{
    QStringList out;
    for (const char* s : stems)
        out << QString::fromLatin1(s) + sfx;
    return out;
}

// The names of the main window's controls, as its pages, editors and texts compose them.
QStringList MainWindowNames()
{
    QStringList names = {
        "rzgFunction", "rzgMain", "rzgPreset", "rzbMenuLink", "rzbMenuComp", "rzbMenuDelay", "rzbMenuGain",
        "rzbMenuMatrix", "rzbMenuGate", "rzgFftComp", "rzgFftDelay", "rzgFftGain", "rzgFftMatrix", "rzgFftGate",
        "rzgParamComp", "rzgParamDelay", "rzgParamGain", "rzgParamMatrix", "rzgParamGate", "fftDrawGainIn",
        "fftDrawGainOut", "rzgFftShowChIn", "rzgFftShowChOut", "lbFftGainIn", "lbFftGainOut", "lbGainInput",
        "lbGainOutput", "ipComp", "ipGate", "lbCompName", "lbGateName", "lbHeadCompOut", "lbHeadGateIn",
        "pbLevelCompOut", "pbLimitCompOut", "pbLevelGateIn", "pbMatrix", "rzbUnit0", "rzbUnit1", "rzbUnit2",
        "lbDelayInput", "lbDelayOutput", "lbDelayUnit", "lbFftDelayIn", "lbFftDelayOut", "bStore", "bRecall",
        "lbPstNum", "lbPstName", "tmStartConnect", "tmDisconnect", "tmLinkBroken", "tmComScan", "tmLockPrompt",
        "tmProcessShow", "tmUpload", "tmInLevelDet", "tmEqCurve", "tmHpLpCurve", "tmMouseEqCurve", "tmCompDisp",
    };
    for (int ch = 0; ch < 8; ++ch) {
        const QString sfx = editors::ChannelSuffix(ch);
        names << Suffixed({ "rzgFft", "rzgParam", "rzbMenu", "lbFftChannel", "lbGainName", "lbFftParam", "fftDraw",
                            "isGain", "isGainBackup", "cvdGain", "cvdGainBackup", "rzbMute", "rzbMuteBackup", "rzbPhase",
                            "rzbPhaseBackup", "isDelay", "cvdDelay", "imDelay", "lbDelayLine", "lbFftDelayTime",
                            "lbMatrixChName", "lbMatrixGain", "lbMatrixPeq", "lbMatrixPhase", "lbMatrixDelay", "peqPeq",
                            "isEqFreq", "isEqBw", "isEqGain", "cvdEqFreq", "cvdEqBw", "cvdEqGain", "lbEqParam",
                            "lbEqFreq", "lbEqBw", "lbEqGain", "lbEq", "lbGain", "isLowCutFreq", "isHighCutFreq",
                            "cvdLowCutFreq", "cvdHighCutFreq", "rzcLowCutSlop", "rzcHighCutSlop", "rzbLowCutBypass",
                            "rzbHighCutBypass", "lbLowCutFreq", "lbLowCutSlop", "lbHighCutFreq", "lbHighCutSlop",
                            "vrbEqShowAll", "vrbEqReset", "vrbEqBypass", "pbLevel", "pbLevelBackup", "rbShowGain",
                            "rbShowPhase", "rzgFftShowCh" },
                          sfx);
        for (int band = 1; band <= (ch < 2 ? 8 : 9); ++band)
            names << QStringLiteral("rzbEq%1").arg(band) + sfx;
        if (ch < 2)
            names << Suffixed({ "isGateThreshold", "isGateAttack", "isGateHold", "isGateRelease", "cvdGateThreshold",
                                "cvdGateAttack", "cvdGateHold", "cvdGateRelease", "lbGate", "lbGateThreshold",
                                "lbGateAttack", "lbGateHold", "lbGateRelease", "pbLevelGate", "lbMatrixHpLp",
                                "lbMatrixGate" },
                              sfx);
        else
            names << Suffixed({ "rzbAMatrix", "rzbBMatrix", "isCompThreshold", "isCompAttack", "isCompRelease",
                                "cvdCompThreshold", "cvdCompAttack", "cvdCompRelease", "cvdCompRatio", "cvdCompKnee",
                                "udCompRatio", "udCompKnee", "pbLimit", "pbLimitBackup", "pbLevelComp", "pbLimitComp",
                                "lbComp", "lbCompRatio", "lbCompThreshold", "lbCompAttack", "lbCompRelease",
                                "lbCompKnee", "lbMatrixComp", "lbMatrixMute", "lbMatrixXover" },
                              sfx);
    }
    return names;
}

// The 40 overlay toggles: per channel plot the other channels of its side, and every channel on the Gain page.
QStringList OverlayToggleNames()
{
    QStringList names;
    for (int c = 0; c < 8; ++c) {
        names << QStringLiteral("vrbShow") + editors::ChannelLetter(c) + QStringLiteral("Gain");
        for (int k = c < 2 ? 0 : 2; k <= (c < 2 ? 1 : 7); ++k)
            if (k != c)
                names << QStringLiteral("vrbShow") + editors::ChannelLetter(c) + editors::ChannelSuffix(k);
    }
    return names;
}

} // namespace

TEST(MainLayout, BuildsEveryNamedControl)
{
    EditorRig rig;
    const QStringList toggles = OverlayToggleNames();
    ASSERT_EQ(toggles.size(), 40);
    for (const QString& name : MainWindowNames() + toggles)
        EXPECT_NE(rig.Form->FindComponent(name), nullptr) << name.toStdString();
    for (const char* gone : { "lbHeadGateInA", "lbHeadGateInB" })
        EXPECT_EQ(rig.Form->FindComponent(QString::fromLatin1(gone)), nullptr) << gone;
}

TEST(MainLayout, TogglesAndViewSwitchesStartAsTheWindowShowsThem)
{
    EditorRig rig;
    for (const QString& name : OverlayToggleNames()) {
        auto* t = rig.Get<vr::TVrPowerButton>(name);
        ASSERT_NE(t, nullptr);
        const bool startsOn = name == QStringLiteral("vrbShowAGain") || name == QStringLiteral("vrbShow1Gain");
        EXPECT_EQ(t->Active(), startsOn) << name.toStdString();
        EXPECT_EQ(t->Caption(), editors::ChannelSuffix(static_cast<int>(t->Tag()))) << name.toStdString();
    }
    for (int ch = 0; ch < 8; ++ch) {
        auto* mag = rig.Get<vcl::TRadioButton>(QStringLiteral("rbShowGain") + editors::ChannelSuffix(ch));
        auto* phase = rig.Get<vcl::TRadioButton>(QStringLiteral("rbShowPhase") + editors::ChannelSuffix(ch));
        ASSERT_TRUE(mag && phase);
        EXPECT_TRUE(mag->Checked());
        EXPECT_FALSE(phase->Checked());
        EXPECT_EQ(mag->Font()->Color(), 0x00FFFFu);
        EXPECT_EQ(phase->Font()->Color(), 0xC0C0C0u);
    }
    // Every fader stands upright with a focus frame, no hint and no ticks.
    for (const char* stem : { "isGain", "isEqFreq", "isLowCutFreq", "isHighCutFreq", "isDelay" }) {
        auto* f = rig.Get<TAdvTrackBar>(QString::fromLatin1(stem) + QStringLiteral("Out3"));
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->Orientation(), TTrackBarOrientation::trVertical) << stem;
        EXPECT_TRUE(f->ShowFocus()) << stem;
        EXPECT_FALSE(f->TrackHint()) << stem;
        EXPECT_EQ(f->TickMark()->Style(), TTickStyle::tsNone) << stem;
        EXPECT_EQ(f->Slider()->Size(), 3) << stem;
    }
    EXPECT_EQ(rig.Get<TAdvTrackBar>(QStringLiteral("isHighCutFreqInA"))->Position(), 300);
    EXPECT_EQ(rig.Get<TAdvTrackBar>(QStringLiteral("isEqGainInA"))->Position(), 120);
}
