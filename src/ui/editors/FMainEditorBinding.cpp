// Binds the editors' handlers to the main window's controls, and the routing matrix.

#include "ui/editors/EditorNames.h"

#include "controls/MyPEQAllpass.h"
#include "device/LUnitControl.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPaintBox.h"
#include "platform/ui/TUpDown.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"

using namespace editors;

void TfmMain::rzbAMatrixOutClick(vcl::TObject* Sender, int ch)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    if (!button || !UnitControl || ch < 2 || ch > 7)
        return;
    const int bit = 1 << static_cast<int>(button->Tag());
    int mask = UnitControl->GetMatrix(ch);
    mask = button->Down() ? (mask | bit) : (mask & ~bit);
    UnitControl->SetMatrix(ch, static_cast<std::uint16_t>(mask));
    if (auto* matrix = Find<vcl::TControl>(this, QStringLiteral("pbMatrix")))
        matrix->Repaint(); // its paint draws the lines
}

void TfmMain::BindEditorHandlers()
{
    for (const QString& name : { QStringLiteral("fftDrawGainIn"), QStringLiteral("fftDrawGainOut") })
        if (auto* plot = Find<vcl::TControl>(this, name)) {
            plot->OnMouseDown = vcl::Method(this, &TfmMain::fftDrawInAMouseDown);
            plot->OnMouseMove = vcl::Method(this, &TfmMain::fftDrawInAMouseMove);
            plot->OnMouseUp = vcl::Method(this, &TfmMain::fftDrawInAMouseUp);
        }
    for (int ch = 0; ch < 8; ++ch)
        if (auto* plot = Find<vcl::TControl>(this, QStringLiteral("fftDraw") + ChannelSuffix(ch))) {
            plot->OnMouseDown = vcl::Method(this, &TfmMain::fftDrawInAMouseDown);
            plot->OnMouseMove = vcl::Method(this, &TfmMain::fftDrawInAMouseMove);
            plot->OnMouseUp = vcl::Method(this, &TfmMain::fftDrawInAMouseUp);
        }
    // Overlay toggles: "vrbShow" + shown channel + the plot's suffix, or "Gain" on the Gain page.
    for (int c = 0; c < 8; ++c) {
        const int gainPlot = c < 2 ? 8 : 9;
        if (auto* t = Find<vcl::TControl>(this, QStringLiteral("vrbShow") + ChannelLetter(c) + QStringLiteral("Gain")))
            t->OnClick = [this, gainPlot](vcl::TObject* Sender) { vrbShowOverlayClick(Sender, gainPlot); };
        for (int k = c < 2 ? 0 : 2; k <= (c < 2 ? 1 : 7); ++k)
            if (k != c)
                if (auto* t = Find<vcl::TControl>(this, QStringLiteral("vrbShow") + ChannelLetter(c) + ChannelSuffix(k)))
                    t->OnClick = [this, k](vcl::TObject* Sender) { vrbShowOverlayClick(Sender, k); };
    }
    if (auto* box = Find<vcl::TPaintBox>(this, QStringLiteral("pbMatrix")))
        box->OnPaint = [this](vcl::TObject*) { DrawMatrixLines(); };
    for (int unit = 0; unit < 3; ++unit)
        if (auto* b = Find<vcl::TControl>(this, QStringLiteral("rzbUnit") + QString::number(unit)))
            b->OnClick = vcl::Method(this, &TfmMain::rzbUnit0Click);
    for (int ch = 0; ch < 8; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        auto bindFader = [&](const QString& name, void (TfmMain::*handler)(vcl::TObject*)) {
            if (auto* f = Find<TAdvTrackBar>(this, name + sfx))
                f->OnChange = vcl::Method(this, handler);
        };
        auto bindClick = [&](const QString& name, void (TfmMain::*handler)(vcl::TObject*)) {
            if (auto* c = Find<vcl::TControl>(this, name + sfx))
                c->OnClick = vcl::Method(this, handler);
        };
        bindFader(QStringLiteral("isGain"), &TfmMain::isGainInAChange);
        bindFader(QStringLiteral("isGainBackup"), &TfmMain::isGainBackupInAChange);
        bindClick(QStringLiteral("rzbMute"), &TfmMain::rzbMuteInAClick);
        bindClick(QStringLiteral("rzbMuteBackup"), &TfmMain::rzbMuteBackupInAClick);
        bindClick(QStringLiteral("rzbPhase"), &TfmMain::rzbPhaseInAClick);
        bindClick(QStringLiteral("rzbPhaseBackup"), &TfmMain::rzbPhaseBackupInAClick);
        bindFader(QStringLiteral("isEqFreq"), &TfmMain::isEqFreqInAChange);
        bindFader(QStringLiteral("isEqBw"), &TfmMain::isEqBwInAChange);
        bindFader(QStringLiteral("isEqGain"), &TfmMain::isEqGainInAChange);
        if (auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq") + sfx)) {
            peq->OnChange = vcl::Method(this, &TfmMain::peqPeqInAChange);
            peq->OnEditMouseDown = vcl::Method(this, &TfmMain::peqPeqInAEditMouseDown);
            // The wheel never changes a band's type.
            peq->OnPeqTypeMouseWheel = [](vcl::TObject*, vcl::TShiftState, int, vcl::TPoint, bool& Handled) { Handled = true; };
        }
        bindFader(QStringLiteral("isLowCutFreq"), &TfmMain::isLowCutFreqInAChange);
        bindFader(QStringLiteral("isHighCutFreq"), &TfmMain::isHighCutFreqInAChange);
        bindClick(QStringLiteral("rzbLowCutBypass"), &TfmMain::rzbLowCutBypassInAClick);
        bindClick(QStringLiteral("rzbHighCutBypass"), &TfmMain::rzbHighCutBypassInAClick);
        for (bool high : { true, false }) {
            if (auto* slope = Find<rz::TRzComboBox>(this, (high ? QStringLiteral("rzcLowCutSlop") : QStringLiteral("rzcHighCutSlop")) + sfx)) {
                slope->OnChange = vcl::Method(this, high ? &TfmMain::rzcLowCutSlopInAChange : &TfmMain::rzcHighCutSlopInAChange);
                // The wheel never changes a slope.
                slope->OnMouseWheel = [](vcl::TObject*, vcl::TShiftState, int, vcl::TPoint, bool& Handled) { Handled = true; };
            }
        }
        bindFader(QStringLiteral("isDelay"), &TfmMain::isDelayInAChange);
        // Block labels of the diagram: each jumps to the page that edits its block.
        const struct { const char* block; void (TfmMain::*click)(vcl::TObject*); } blocks[] = {
            { "Gain", &TfmMain::lbMatrixHpLpInAClick }, { "HpLp", &TfmMain::lbMatrixHpLpInAClick },
            { "Peq", &TfmMain::lbMatrixHpLpInAClick },  { "Phase", &TfmMain::lbMatrixHpLpInAClick },
            { "Mute", &TfmMain::lbMatrixHpLpInAClick }, { "Xover", &TfmMain::lbMatrixHpLpInAClick },
            { "Delay", &TfmMain::lbMatrixDelayInAClick }, { "Comp", &TfmMain::lbMatrixCompOut1Click },
            { "Gate", &TfmMain::lbMatrixGateInAClick },  { "ChName", nullptr },
        };
        for (const auto& b : blocks)
            if (auto* label = Find<vcl::TControl>(this, QStringLiteral("lbMatrix") + QString::fromLatin1(b.block) + sfx)) {
                if (b.click)
                    label->OnClick = vcl::Method(this, b.click);
                label->OnMouseMove = vcl::Method(this, &TfmMain::lbMatrixChNameInAMouseMove);
                label->OnMouseLeave = vcl::Method(this, &TfmMain::lbMatrixChNameInAMouseLeave);
            }
        bindClick(QStringLiteral("vrbEqBypass"), &TfmMain::vrbEqBypassInAClick);
        bindClick(QStringLiteral("vrbEqShowAll"), &TfmMain::vrbEqShowAllInAClick);
        bindClick(QStringLiteral("vrbEqReset"), &TfmMain::vrbEqResetInAClick);
        bindClick(QStringLiteral("rbShowGain"), &TfmMain::rbShowGainInAClick);
        bindClick(QStringLiteral("rbShowPhase"), &TfmMain::rbShowPhaseInAClick);
        if (auto* edit = Find<vcl::TWinControl>(this, QStringLiteral("cvdEqFreq") + sfx))
            edit->OnKeyDown = vcl::Method(this, &TfmMain::cvdEqFreqInAKeyDown);
        if (auto* line = Find<vcl::TControl>(this, QStringLiteral("lbDelayLine") + sfx)) {
            line->OnMouseDown = vcl::Method(this, &TfmMain::lbDelayLineInAMouseDown);
            line->OnMouseMove = vcl::Method(this, &TfmMain::lbDelayLineInAMouseMove);
            line->OnMouseUp = vcl::Method(this, &TfmMain::lbDelayLineInAMouseUp);
        }
        if (auto* edit = Find<vcl::TWinControl>(this, QStringLiteral("cvdDelay") + sfx)) {
            edit->OnKeyDown = vcl::Method(this, &TfmMain::cvdDelayInBKeyDown);
            edit->OnExit = vcl::Method(this, &TfmMain::cvdDelayInAExit);
        }
        for (int band = 1; band <= 9; ++band)
            bindClick(QStringLiteral("rzbEq") + QString::number(band), &TfmMain::rzbEq1InAClick);
        if (ch < 2) {
            bindFader(QStringLiteral("isGateThreshold"), &TfmMain::isGateThresholdInAChange);
            bindFader(QStringLiteral("isGateAttack"), &TfmMain::isGateAttackInAChange);
            bindFader(QStringLiteral("isGateRelease"), &TfmMain::isGateReleaseInAChange);
            bindFader(QStringLiteral("isGateHold"), &TfmMain::isGateHoldInAChange);
            if (auto* label = Find<vcl::TControl>(this, QStringLiteral("lbGate") + sfx))
                label->OnMouseDown = vcl::Method(this, &TfmMain::lbGateInAMouseDown);
            static const char* const gateBoxes[] = { "cvdGateThreshold", "cvdGateAttack", "cvdGateRelease", "cvdGateHold" };
            for (int field = 0; field < 4; ++field)
                if (auto* edit = Find<vcl::TWinControl>(this, QString::fromLatin1(gateBoxes[field]) + sfx)) {
                    edit->OnKeyDown = [this, field](vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState) {
                        if (Key == 13)
                            cvdGateEntry(Sender, field);
                    };
                    edit->OnExit = [this, field](vcl::TObject* Sender) { cvdGateEntry(Sender, field); };
                    edit->OnMouseDown = vcl::Method(this, &TfmMain::lbGateInAMouseDown);
                }
        } else {
            bindFader(QStringLiteral("isCompThreshold"), &TfmMain::isCompThresholdOut1Change);
            bindFader(QStringLiteral("isCompAttack"), &TfmMain::isCompAttackOut1Change);
            bindFader(QStringLiteral("isCompRelease"), &TfmMain::isCompReleaseOut1Change);
            for (const char* q : { "isCompThreshold", "isCompAttack", "isCompRelease", "lbComp" }) // the name label is lbComp + Out1
                if (auto* c = Find<vcl::TControl>(this, QString::fromLatin1(q) + sfx))
                    c->OnMouseDown = vcl::Method(this, &TfmMain::CompMouseDown);
            static const char* const compBoxes[] = { "cvdCompThreshold", "cvdCompAttack", "cvdCompRelease", "cvdCompRatio", "cvdCompKnee" };
            for (int field = 0; field < 5; ++field)
                if (auto* edit = Find<vcl::TWinControl>(this, QString::fromLatin1(compBoxes[field]) + sfx)) {
                    edit->OnKeyDown = [this, field](vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState) {
                        if (Key == 13)
                            cvdCompEntry(Sender, field);
                    };
                    edit->OnExit = [this, field](vcl::TObject* Sender) { cvdCompEntry(Sender, field); };
                    edit->OnMouseDown = vcl::Method(this, &TfmMain::CompMouseDown);
                }
            // The up-downs report a step after it is taken; the new value is their position.
            for (int field : { 3, 4 })
                if (auto* ud = Find<vcl::TUpDown>(this, (field == 3 ? QStringLiteral("udCompRatio") : QStringLiteral("udCompKnee")) + sfx))
                    ud->OnClick = [this, field, ud](vcl::TObject* Sender, vcl::TUDBtnType) { CompUpDownChange(Sender, field, ud->Position()); };
            for (const char* route : { "rzbAMatrix", "rzbBMatrix" })
                if (auto* b = Find<vcl::TControl>(this, QString::fromLatin1(route) + sfx))
                    b->OnClick = [this, ch](vcl::TObject* Sender) { rzbAMatrixOutClick(Sender, ch); };
        }
    }
}
