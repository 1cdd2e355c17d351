// The main window's editing handlers: each forwards to the editor of its block while every control
// the editors were handed is still there.

#include "ui/FMain.h"

#include "ui/editors/EditorSet.h"

using namespace editors;

bool TfmMain::EditorsIntact() const
{
    return m_editors && m_editors->Intact();
}

void TfmMain::isGainInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().GainStrip().FaderChange(Sender, false); }
void TfmMain::isGainBackupInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().GainStrip().FaderChange(Sender, true); }
void TfmMain::rzbMuteInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().GainStrip().MuteClick(Sender, false); }
void TfmMain::rzbMuteBackupInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().GainStrip().MuteClick(Sender, true); }
void TfmMain::rzbPhaseInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().GainStrip().PhaseClick(Sender, false); }
void TfmMain::rzbPhaseBackupInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().GainStrip().PhaseClick(Sender, true); }

int TfmMain::GroupMaskOf(int ch) const { return editors::GroupMaskOf(*this, ch); }
void TfmMain::SetLinkMask(int ch, int mask) { if (EditorsIntact()) Editors().Links().SetLinkMask(ch, mask); }
void TfmMain::SetMenuCaption(int master, int ch) { if (EditorsIntact()) Editors().Links().SetMenuCaption(master, ch); }
void TfmMain::CopyChannel(int src, int dst, bool reread) { if (EditorsIntact()) Editors().Links().CopyChannel(src, dst, reread); }
void TfmMain::RereadAfterLink() { if (EditorsIntact()) Editors().Links().RereadAfterLink(); }
void TfmMain::rzbAMatrixOutClick(vcl::TObject* Sender, int ch) { if (EditorsIntact()) Editors().Links().RouteClick(Sender, ch); }
void TfmMain::DrawMatrixLines() { if (EditorsIntact()) Editors().Links().DrawMatrixLines(); }

void TfmMain::lbMatrixHpLpInAClick(vcl::TObject* Sender)
{
    // The label's Tag is its channel, whose page is the channel's own.
    if (auto* label = dynamic_cast<vcl::TComponent*>(Sender))
        if (EditorsIntact()) Editors().Links().OpenPageFromDiagram(static_cast<int>(label->Tag()));
}

void TfmMain::lbMatrixDelayInAClick(vcl::TObject*) { if (EditorsIntact()) Editors().Links().OpenPageFromDiagram(DelayPage); }
void TfmMain::lbMatrixCompOut1Click(vcl::TObject*) { if (EditorsIntact()) Editors().Links().OpenPageFromDiagram(CompPage); }
void TfmMain::lbMatrixGainInAClick(vcl::TObject*) { if (EditorsIntact()) Editors().Links().OpenPageFromDiagram(GainPage); }
void TfmMain::lbMatrixGateInAClick(vcl::TObject*) { if (EditorsIntact()) Editors().Links().OpenPageFromDiagram(GatePage); }

void TfmMain::lbMatrixChNameInAMouseMove(vcl::TObject* Sender, vcl::TShiftState, int, int)
{
    if (auto* label = dynamic_cast<vcl::TControl*>(Sender))
        label->SetCursor(vcl::crHandPoint);
}

void TfmMain::lbMatrixChNameInAMouseLeave(vcl::TObject* Sender)
{
    if (auto* label = dynamic_cast<vcl::TControl*>(Sender))
        label->SetCursor(vcl::crDefault);
}

void TfmMain::DrawGateCurve(int ch) { if (EditorsIntact()) Editors().Gate().DrawCurve(ch); }
void TfmMain::isGateThresholdInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Gate().FaderChange(Sender, GateField::Threshold); }
void TfmMain::isGateAttackInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Gate().FaderChange(Sender, GateField::Attack); }
void TfmMain::isGateReleaseInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Gate().FaderChange(Sender, GateField::Release); }
void TfmMain::isGateHoldInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Gate().FaderChange(Sender, GateField::Hold); }

void TfmMain::lbGateInAMouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    if (auto* c = dynamic_cast<vcl::TComponent*>(Sender))
        DrawGateCurve(static_cast<int>(c->Tag()));
}

void TfmMain::cvdGateEntry(vcl::TObject* Sender, int field)
{
    if (field >= 0 && field < GateFieldCount)
        if (EditorsIntact()) Editors().Gate().Entry(Sender, static_cast<GateField>(field));
}

void TfmMain::peqPeqInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Peq().BandChange(Sender); }
void TfmMain::peqPeqInAEditMouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    if (EditorsIntact()) Editors().Peq().BandEditMouseDown(Sender);
}
void TfmMain::rzbEq1InAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Peq().BandButtonClick(Sender); }
void TfmMain::isEqFreqInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Peq().FieldChange(Sender, EqField::Freq); }
void TfmMain::isEqBwInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Peq().FieldChange(Sender, EqField::Q); }
void TfmMain::isEqGainInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Peq().FieldChange(Sender, EqField::Gain); }

void TfmMain::tmEqCurveTimer(vcl::TObject*)
{
    tmEqCurve->SetEnabled(false);
    if (EditorsIntact()) Editors().Peq().ApplyPendingField();
}

void TfmMain::cvdEqFreqInAKeyDown(vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState)
{
    if (EditorsIntact()) Editors().Peq().FreqEditKeyDown(Sender, Key);
}

void TfmMain::vrbEqShowAllInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Peq().ShowAllClick(Sender); }
void TfmMain::vrbEqResetInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Peq().ResetClick(Sender); }
void TfmMain::vrbEqBypassInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Peq().BypassClick(Sender); }
void TfmMain::ResetChannelPeq(int ch) { if (EditorsIntact()) Editors().Peq().ResetChannel(ch); }
void TfmMain::DeselectEqBands() { if (EditorsIntact()) Editors().Peq().DeselectBands(); }
void TfmMain::SelectFirstEqBands() { if (EditorsIntact()) Editors().Peq().SelectFirstBands(); }

void TfmMain::isLowCutFreqInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Crossover().FreqChange(Sender, CutSide::HighPass); }
void TfmMain::isHighCutFreqInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Crossover().FreqChange(Sender, CutSide::LowPass); }

void TfmMain::tmHpLpCurveTimer(vcl::TObject*)
{
    tmHpLpCurve->SetEnabled(false);
    if (EditorsIntact()) Editors().Crossover().RedrawPending();
}

void TfmMain::rzcLowCutSlopInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Crossover().SlopeChange(Sender, CutSide::HighPass); }
void TfmMain::rzcHighCutSlopInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Crossover().SlopeChange(Sender, CutSide::LowPass); }
void TfmMain::rzbLowCutBypassInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Crossover().SlopeChange(Sender, CutSide::HighPass); }
void TfmMain::rzbHighCutBypassInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Crossover().SlopeChange(Sender, CutSide::LowPass); }

void TfmMain::isDelayInAChange(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Delay().FaderChange(Sender); }
void TfmMain::rzbUnit0Click(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Delay().UnitClick(Sender); }
void TfmMain::lbDelayLineInAMouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int X, int Y)
{
    if (EditorsIntact()) Editors().Delay().LineMouseDown(Sender, X, Y);
}
void TfmMain::lbDelayLineInAMouseMove(vcl::TObject* Sender, vcl::TShiftState, int X, int Y)
{
    if (EditorsIntact()) Editors().Delay().LineMouseMove(Sender, X, Y);
}
void TfmMain::lbDelayLineInAMouseUp(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) { if (EditorsIntact()) Editors().Delay().LineMouseUp(); }

void TfmMain::cvdDelayInBKeyDown(vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState)
{
    if (Key == 13) // Return
        if (EditorsIntact()) Editors().Delay().Entry(Sender);
}

void TfmMain::cvdDelayInAExit(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Delay().Entry(Sender); }
void TfmMain::PlaceDelayLine(int ch) { if (EditorsIntact()) Editors().Delay().PlaceLine(ch); }

void TfmMain::DrawCompCurve(int ch) { if (EditorsIntact()) Editors().Comp().DrawCurve(ch); }
void TfmMain::isCompThresholdOut1Change(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Comp().FaderChange(Sender, CompField::Threshold); }
void TfmMain::isCompAttackOut1Change(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Comp().FaderChange(Sender, CompField::Attack); }
void TfmMain::isCompReleaseOut1Change(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Comp().FaderChange(Sender, CompField::Release); }

void TfmMain::CompUpDownChange(vcl::TObject* Sender, int field, int v)
{
    if (field == static_cast<int>(CompField::Ratio) || field == static_cast<int>(CompField::Knee))
        if (EditorsIntact()) Editors().Comp().UpDownChange(Sender, static_cast<CompField>(field), v);
}

void TfmMain::cvdCompEntry(vcl::TObject* Sender, int field)
{
    if (field >= 0 && field < CompFieldCount)
        if (EditorsIntact()) Editors().Comp().Entry(Sender, static_cast<CompField>(field));
}

void TfmMain::CompMouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    if (auto* c = dynamic_cast<vcl::TComponent*>(Sender))
        DrawCompCurve(static_cast<int>(c->Tag()));
}

void TfmMain::tmCompDispTimer(vcl::TObject*)
{
    tmCompDisp->SetEnabled(false);
    if (EditorsIntact()) Editors().Comp().DrawPendingCurve();
}

void TfmMain::fftDrawInAMouseDown(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState, int X, int Y)
{
    if (EditorsIntact()) Editors().PlotMouse().MouseDown(Sender, Button == vcl::TMouseButton::mbLeft, X, Y);
}
void TfmMain::fftDrawInAMouseMove(vcl::TObject* Sender, vcl::TShiftState, int X, int Y) { if (EditorsIntact()) Editors().PlotMouse().MouseMove(Sender, X, Y); }
void TfmMain::fftDrawInAMouseUp(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) { if (EditorsIntact()) Editors().PlotMouse().MouseUp(Sender); }

void TfmMain::tmMouseEqCurveTimer(vcl::TObject*)
{
    tmMouseEqCurve->SetEnabled(false);
    if (EditorsIntact()) Editors().PlotMouse().ApplyPendingBand();
}

void TfmMain::RefreshGainPageCurves() { if (EditorsIntact()) Editors().Overlays().RefreshGainPageCurves(); }
void TfmMain::RefreshChannelOverlays(int page) { if (EditorsIntact()) Editors().Overlays().RefreshChannelOverlays(page); }
void TfmMain::vrbShowOverlayClick(vcl::TObject* Sender, int plot) { if (EditorsIntact()) Editors().Overlays().ToggleClick(Sender, plot); }
void TfmMain::ShowOverlayButtons(int ch, bool show) { if (EditorsIntact()) Editors().Overlays().ShowButtons(ch, show); }
void TfmMain::rbShowGainInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Overlays().SwitchView(Sender, false); }
void TfmMain::rbShowPhaseInAClick(vcl::TObject* Sender) { if (EditorsIntact()) Editors().Overlays().SwitchView(Sender, true); }

void TfmMain::RefreshAll() { if (EditorsIntact()) Editors().Refresh().RefreshAll(); }
void TfmMain::ClearMeters() { if (EditorsIntact()) Editors().Meters().Clear(); }
void TfmMain::OnLevelReply(const BytePacket& payload) { if (EditorsIntact()) Editors().Meters().Show(payload); }
