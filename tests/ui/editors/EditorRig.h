#pragma once
// A bare main window with the named controls the editors work on, over a model whose commands are
// recorded instead of sent.

#include "controls/LProgressBar.h"
#include "controls/MyPEQAllpass.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "device/LinkHost.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TUpDown.h"
#include "response/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "ui/FMain.h"
#include "ui/editors/EditorNames.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"
#include "widgets/VrButtons.h"

#include <array>
#include <memory>
#include <vector>

namespace edtest {

// One application per rig, gone with it, as the window tests do.
inline std::unique_ptr<vcl::TApplication> MakeApp()
{
    static int argc = 1;
    static char name[] = "test_ui_editors";
    static char* argv[] = { name, nullptr };
    return std::make_unique<vcl::TApplication>(argc, argv);
}

class RecordingHost : public LinkHost
{
public:
    explicit RecordingHost(TfmMain& f) : Form(f) {}
    void SendCommand(const LCmd& cmd, int, bool) override { Sent.push_back(cmd); }
    int GetDeviceId() const override { return 1; }
    bool IsSendSuppressed() const override { return Form.SuppressSend; }
    void MarkCurveStale(int) override {}
    std::vector<LCmd> Sent;

private:
    TfmMain& Form;
};

struct EditorRig
{
    EditorRig()
    {
        Form = std::make_unique<TfmMain>(nullptr);
        Host = std::make_unique<RecordingHost>(*Form);
        Model.SetLinkHost(Host.get());
        Form->UnitControl = &Model;
        for (std::size_t i = 0; i < Curves.size(); ++i) {
            Curves[i] = std::make_unique<Plot>(nullptr);
            Form->Plots[i] = Curves[i].get();
        }
        CreateControls();
        Form->BindEditorHandlers(); // again, for the controls made here
    }

    // The window's own control of that name when its layout made one; else a new one made here.
    template <class T>
    T* Make(const QString& name, int tag)
    {
        if (vcl::TComponent* existing = Form->FindComponent(name)) {
            Existing = true;
            return dynamic_cast<T*>(existing);
        }
        Existing = false;
        auto* c = new T(Form.get());
        c->SetName(name);
        c->SetTag(tag);
        c->SetParent(Form.get());
        return c;
    }

    TAdvTrackBar* Fader(const QString& name, int tag, int min, int max)
    {
        auto* f = Make<TAdvTrackBar>(name, tag);
        if (!Existing) {
            f->SetMin(min);
            f->SetMax(max);
        }
        return f;
    }

    rz::TRzBmpButton* Toggle(const QString& name, int tag)
    {
        auto* b = Make<rz::TRzBmpButton>(name, tag);
        // A toggle needs a group of its own with "all up" to stay down.
        if (!Existing || (b && b->GroupIndex() == 0)) {
            b->SetGroupIndex(++GroupIndex);
            b->SetAllowAllUp(true);
        }
        return b;
    }

    template <class T>
    T* Get(const QString& name) const { return editors::Find<T>(Form.get(), name); }

    void CreateControls()
    {
        using editors::ChannelSuffix;
        for (int ch = 0; ch < 8; ++ch) {
            const QString s = ChannelSuffix(ch);
            Fader(QStringLiteral("isGain") + s, ch, -280, 120);
            Fader(QStringLiteral("isGainBackup") + s, ch, -280, 120);
            Make<TCurvyEdit>(QStringLiteral("cvdGain") + s, ch);
            Make<TCurvyEdit>(QStringLiteral("cvdGainBackup") + s, ch);
            for (const char* q : { "rzbMute", "rzbMuteBackup", "rzbPhase", "rzbPhaseBackup", "rzbLowCutBypass", "rzbHighCutBypass" })
                Toggle(QString::fromLatin1(q) + s, ch);
            Fader(QStringLiteral("isDelay") + s, ch, 0, 65280);
            Make<TCurvyEdit>(QStringLiteral("cvdDelay") + s, ch);
            if (auto* marker = Make<vcl::TControl>(QStringLiteral("imDelay") + s, ch); !Existing)
                marker->SetBounds(40, 0, 30, 30);
            Make<vcl::TLabel>(QStringLiteral("lbFftDelayTime") + s, ch);
            Make<vr::TVrDemoButton>(QStringLiteral("vrbEqBypass") + s, ch);
            if (auto* line = Make<vcl::TControl>(QStringLiteral("lbDelayLine") + s, ch); !Existing)
                line->SetBounds(40, 0, 475, 20);
            Make<vcl::TLabel>(QStringLiteral("lbMatrixChName") + s, ch);
            Make<vcl::TLabel>(QStringLiteral("rzbMenu") + s, ch);
            Make<TMyPEQAllpass>(QStringLiteral("peqPeq") + s, ch);
            Fader(QStringLiteral("isEqFreq") + s, ch, 0, 300);
            Fader(QStringLiteral("isEqBw") + s, ch, 0, 100);
            Fader(QStringLiteral("isEqGain") + s, ch, 0, 240);
            for (const char* q : { "cvdEqFreq", "cvdEqBw", "cvdEqGain" })
                Make<TCurvyEdit>(QString::fromLatin1(q) + s, ch);
            Make<vcl::TLabel>(QStringLiteral("lbFftParam") + s, ch);
            for (int band = 1; band <= (ch < 2 ? 8 : 9); ++band) {
                auto* b = Make<rz::TRzBmpButton>(QStringLiteral("rzbEq") + QString::number(band) + s, band - 1);
                if (!Existing)
                    b->SetGroupIndex(ch + 1);
            }
            Make<LMyFFTDrawPhase>(QStringLiteral("fftDraw") + s, ch);
            Fader(QStringLiteral("isLowCutFreq") + s, ch, 0, 300);
            Fader(QStringLiteral("isHighCutFreq") + s, ch, 0, 300);
            Make<TCurvyEdit>(QStringLiteral("cvdLowCutFreq") + s, ch);
            Make<TCurvyEdit>(QStringLiteral("cvdHighCutFreq") + s, ch);
            for (const char* q : { "rzcLowCutSlop", "rzcHighCutSlop" }) {
                auto* combo = Make<rz::TRzComboBox>(QString::fromLatin1(q) + s, ch);
                if (!Existing) {
                    for (int i = 0; i < 20; ++i)
                        combo->Items()->Add(QString::number(i));
                    combo->SetItemIndex(19);
                }
            }
            const QString meters[] = { "pbLevel", "pbLevelBackup", ch < 2 ? "pbLevelGate" : "pbLevelComp" };
            for (const QString& m : meters)
                if (auto* bar = Make<LProgressBar>(m + s, ch); !Existing)
                    bar->SetMax(ch < 2 ? 9 : 8);
            if (ch < 2) {
                Fader(QStringLiteral("isGateThreshold") + s, ch, -180, 0);
                Fader(QStringLiteral("isGateAttack") + s, ch, 0, 998);
                Fader(QStringLiteral("isGateHold") + s, ch, 9, 998);
                Fader(QStringLiteral("isGateRelease") + s, ch, 9, 2999);
                for (const char* q : { "cvdGateThreshold", "cvdGateAttack", "cvdGateHold", "cvdGateRelease" })
                    Make<TCurvyEdit>(QString::fromLatin1(q) + s, ch);
                Make<vcl::TLabel>(QStringLiteral("lbGate") + s, ch);
            } else {
                for (const char* q : { "pbLimit", "pbLimitBackup", "pbLimitComp" })
                    if (auto* bar = Make<LProgressBar>(QString::fromLatin1(q) + s, ch); !Existing)
                        bar->SetMax(1);
                Toggle(QStringLiteral("rzbAMatrix") + s, 0);
                Toggle(QStringLiteral("rzbBMatrix") + s, 1);
                Fader(QStringLiteral("isCompThreshold") + s, ch, -180, 40);
                Fader(QStringLiteral("isCompAttack") + s, ch, 0, 998);
                Fader(QStringLiteral("isCompRelease") + s, ch, 9, 2999);
                for (const char* q : { "cvdCompThreshold", "cvdCompAttack", "cvdCompRelease", "cvdCompRatio", "cvdCompKnee" })
                    Make<TCurvyEdit>(QString::fromLatin1(q) + s, ch);
                if (auto* ud = Make<vcl::TUpDown>(QStringLiteral("udCompRatio") + s, ch); !Existing)
                    ud->SetMax(15);
                if (auto* ud = Make<vcl::TUpDown>(QStringLiteral("udCompKnee") + s, ch); !Existing)
                    ud->SetMax(12);
            }
        }
        for (int c = 0; c < 8; ++c) {
            Make<vr::TVrPowerButton>(QStringLiteral("vrbShow") + editors::ChannelLetter(c) + QStringLiteral("Gain"), c);
            for (int k = c < 2 ? 0 : 2; k <= (c < 2 ? 1 : 7); ++k)
                if (k != c)
                    Make<vr::TVrPowerButton>(QStringLiteral("vrbShow") + editors::ChannelLetter(c) + ChannelSuffix(k), c);
        }
        for (int unit = 0; unit < 3; ++unit) {
            auto* b = Make<rz::TRzBmpButton>(QStringLiteral("rzbUnit") + QString::number(unit), unit);
            if (!Existing)
                b->SetGroupIndex(1);
        }
        if (auto* bar = Make<LProgressBar>(QStringLiteral("pbLevelGateIn"), 0); !Existing)
            bar->SetMax(9);
        if (auto* bar = Make<LProgressBar>(QStringLiteral("pbLevelCompOut"), 0); !Existing)
            bar->SetMax(8);
        if (auto* bar = Make<LProgressBar>(QStringLiteral("pbLimitCompOut"), 0); !Existing)
            bar->SetMax(1);
        Make<vcl::TLabel>(QStringLiteral("lbGateName"), 0);
        Make<vcl::TLabel>(QStringLiteral("lbCompName"), 0);
        Make<vcl::TLabel>(QStringLiteral("lbHeadCompOut"), 0);
        Make<vcl::TLabel>(QStringLiteral("lbHeadGateIn"), 0);
    }

    std::unique_ptr<vcl::TApplication> AppOwner { MakeApp() };
    LUnitControl Model;
    std::array<std::unique_ptr<Plot>, 10> Curves;
    std::unique_ptr<TfmMain> Form;
    std::unique_ptr<RecordingHost> Host;
    int GroupIndex { 100 };
    bool Existing { false }; // clear of the band buttons' groups (channel + 1)

    // The commands of one code sent so far.
    std::vector<LCmd> SentOf(int code) const
    {
        std::vector<LCmd> out;
        for (const LCmd& c : Host->Sent)
            if (c.GetCommand() == code)
                out.push_back(c);
        return out;
    }
};

} // namespace edtest
