// EQ bypass of a channel's link group, with "BYPASS" written across the channel's plot.

#include "ui/editors/EditorNames.h"

#include "device/CM_MCS.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/VrButtons.h"

using namespace editors;

void TfmMain::vrbEqBypassInAClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<vr::TVrDemoButton*>(Sender);
    if (!button || !UnitControl)
        return;
    const int ch = static_cast<int>(button->Tag());
    if (ch < 0 || ch > 7)
        return;
    auto* plot = Find<LMyFFTDrawPhase>(this, QStringLiteral("fftDraw"), ch);
    if (!plot)
        return;
    const int bit = ch < 2 ? ch : ch - 2;
    const int sideBits = (1 << (ch < 2 ? 2 : 6)) - 1;
    const int group = GroupMaskOf(ch) & sideBits;
    int mask = UnitControl->GetEqBypassMask(ch);
    int on = 0;
    if (mask & (1 << bit)) {
        plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, vcl::clBtnFace, QStringLiteral("Times New Roman"), QString());
        mask &= ~group;
    } else {
        plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, vcl::clBtnFace, QStringLiteral("Times New Roman"),
                        QStringLiteral("BYPASS"));
        mask |= group;
        on = 1;
    }
    UnitControl->SetEqBypassMask(ch, static_cast<std::uint16_t>(mask));
    plot->Repaint();
    SendCommand(CM_MCS_CMD(DeviceId, MCS_CMD_EQ_BYPASS, ch, on), SEND_REPLACE, true);
}
