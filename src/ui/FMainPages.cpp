// The page switch: one upper and one lower box per page; a follower channel shows its master's boxes.

#include "ui/FMain.h"
#include "ui/editors/LinkRules.h"

#include "device/LUnitControl.h"
#include "platform/ui/TLabel.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "transport/LCommProc.h"
#include "ui/FMainLayoutNames.h"
#include "widgets/RzBmpBtn.h"

namespace {

constexpr vcl::TColor CurrentCaption = 0x00FF00;
constexpr vcl::TColor OtherCaption = 0xFFFFFF;

vcl::TControl* FindControl(const TfmMain& f, const QString& name)
{
    return dynamic_cast<vcl::TControl*>(f.FindComponent(name));
}

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
    if (!button)
        return;
    const int p = static_cast<int>(button->Tag());
    if (p == CurPage || p < 0 || p >= layout::PageCount)
        return;
    if (Controller.Com())
        Controller.Com()->SetExtraResends(1);

    const QString oldSfx = layout::PageBoxSuffix(CurPage);
    auto* oldButton = FindControl(*this, layout::PageButtonName(CurPage));
    auto* oldUpper = FindControl(*this, QStringLiteral("rzgFft") + oldSfx);
    auto* oldLower = FindControl(*this, QStringLiteral("rzgParam") + oldSfx);
    if (!oldButton || !oldUpper || !oldLower)
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
    const QString newSfx = layout::PageBoxSuffix(owner);
    auto* newUpper = FindControl(*this, QStringLiteral("rzgFft") + newSfx);
    auto* newLower = FindControl(*this, QStringLiteral("rzgParam") + newSfx);
    if (!newUpper || !newLower)
        return;

    if (p < layout::ChannelCount) {
        if (Plot* plot = Plots[static_cast<std::size_t>(owner)]) {
            plot->RemoveCurve(Plot::TotalSection);
            plot->DrawCurve(Plot::TotalSection, layout::ChannelColor(p));
        }
        if (auto* draw = dynamic_cast<LMyFFTDrawPhase*>(FindComponent(QStringLiteral("fftDraw") + newSfx)))
            draw->UpdateCurvePage();
        auto* title = dynamic_cast<vcl::TLabel*>(FindComponent(QStringLiteral("lbFftChannel") + newSfx));
        if (!title)
            return;
        title->SetCaption(layout::ChannelSuffix(p));
        auto* strip = dynamic_cast<vcl::TLabel*>(FindComponent(QStringLiteral("lbGainName") + newSfx));
        if (!strip)
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
