// The page switch: one upper and one lower box per page; a follower channel shows its master's boxes.

#include "ui/FMain.h"
#include "ui/editors/LinkRules.h"

#include "device/LUnitControl.h"
#include "platform/core/SoftAssert.h"
#include "platform/ui/TLabel.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "transport/LCommProc.h"
#include "ui/FMainLayoutNames.h"
#include "widgets/RzBmpBtn.h"

namespace {

constexpr vcl::TColor CurrentCaption = 0x00FF00;
constexpr vcl::TColor OtherCaption = 0xFFFFFF;

// Bit of a channel in its side's link mask.
int SideBit(int ch)
{
    return ch < 2 ? 1 << ch : 1 << (ch - 2);
}

} // namespace

int TfmMain::LinkMaskOf(int ch) const
{
    if (!Controller.Model())
        return SideBit(ch);
    editors::LinkMasks raw {};
    for (int c = 0; c < layout::ChannelCount; ++c)
        raw[static_cast<std::size_t>(c)] = Controller.Model()->GetLink(c);
    return editors::ValidLinkMask(raw, ch);
}

void TfmMain::rzbMenuInAClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    if (!ZQ9_EXPECT(button))
        return;
    const int p = static_cast<int>(button->Tag());
    if (p == CurPage || p < 0 || p >= layout::PageCount)
        return;
    if (Controller.Com())
        Controller.Com()->SetExtraResends(1);

    if (!ZQ9_EXPECT(CurPage >= 0 && CurPage < layout::PageCount))
        return;
    const auto old = static_cast<std::size_t>(CurPage);
    vcl::TControl* oldButton = Shell().PageButtons[old];
    vcl::TControl* oldUpper = Shell().PageUppers[old];
    vcl::TControl* oldLower = Shell().PageLowers[old];
    if (!ZQ9_EXPECT(oldButton && oldUpper && oldLower))
        return;
    oldButton->Font()->SetColor(OtherCaption);

    int owner = p;
    if (p < layout::ChannelCount && LinkMaskOf(p) == 0) {
        owner = -1;
        const int first = p < 2 ? 0 : 2;
        const int last = p < 2 ? 2 : layout::ChannelCount;
        for (int m = first; m < last && owner < 0; ++m) {
            if (LinkMaskOf(m) & SideBit(p))
                owner = m;
        }
        if (owner < 0)
            return;
    }
    vcl::TControl* newUpper = Shell().PageUppers[static_cast<std::size_t>(owner)];
    vcl::TControl* newLower = Shell().PageLowers[static_cast<std::size_t>(owner)];
    if (!ZQ9_EXPECT(newUpper && newLower))
        return;

    if (p < layout::ChannelCount) {
        if (Plot* plot = Plots[static_cast<std::size_t>(owner)]) {
            plot->RemoveCurve(Plot::TotalSection);
            plot->DrawCurve(Plot::TotalSection, layout::ChannelColor(p));
        }
        const MainShellControls::Channel& shown = Shell().Channels[static_cast<std::size_t>(owner)];
        if (shown.Plot)
            shown.Plot->UpdateCurvePage();
        vcl::TLabel* title = shown.Title;
        if (!ZQ9_EXPECT(title))
            return;
        title->SetCaption(layout::ChannelSuffix(p));
        vcl::TLabel* strip = shown.StripName;
        if (!ZQ9_EXPECT(strip))
            return;
        strip->SetCaption(layout::ChannelSuffix(p));
    }

    button->Font()->SetColor(CurrentCaption);
    oldLower->SetVisible(false);
    oldUpper->SetVisible(false);
    newLower->SetVisible(true);
    newUpper->SetVisible(true);
    newLower->BringToFront();
    newUpper->BringToFront();
    // The copies of other channels' curves on the page coming into view catch up with every edit.
    if (p == editors::GainPage)
        RefreshGainPageCurves();
    else
        RefreshChannelOverlays(p);
    CurPage = p;
}
