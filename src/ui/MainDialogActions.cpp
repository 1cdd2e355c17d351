#include "ui/MainDialogActions.h"

#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "ui/FMain.h"

namespace MainDialogActions {

namespace {

bool g_exitConfirmed = false;

LUnitControl* Model()
{
    return fmMain ? fmMain->UnitControl : nullptr;
}

} // namespace

void SetChannelName(int ch, const ChannelNameBytes& name)
{
    if (auto* m = Model())
        m->SetChannelName(ch, name);
}

ChannelNameBytes GetChannelName(int ch)
{
    if (auto* m = Model())
        return m->GetChannelName(ch);
    return {};
}

void CopyChannel(int a, int b, bool reread)
{
    if (fmMain)
        fmMain->CopyChannel(a, b, reread);
}

int LinkMaskOf(int ch)
{
    if (auto* m = Model())
        return m->GetLink(ch);
    return 0;
}

void SetLinkMask(int ch, int mask)
{
    if (fmMain)
        fmMain->SetLinkMask(ch, mask);
}

void SetMenuCaption(int master, int ch)
{
    if (fmMain)
        fmMain->SetMenuCaption(master, ch);
}

void ShowOverlayButtons(int ch, bool shown)
{
    (void)ch;
    (void)shown;
}

void RereadAfterLink()
{
    if (fmMain)
        fmMain->RereadAfterLink();
}

void ShowGainPage()
{
}

void ResetChannelPeq(int ch)
{
    auto* m = Model();
    if (!m)
        return;
    const int bands = ch < 2 ? 8 : 9;
    for (int band = 0; band < bands; ++band)
        m->SetPeq(ch, band, m->GetDefaultPeq(ch, band), m->IsPeqBandBypassed(ch, band));
    fmMain->RefreshAll();
}

void ConfirmExit(bool confirmed)
{
    g_exitConfirmed = confirmed;
    if (confirmed && fmMain)
        fmMain->Close();
}

bool ExitConfirmed()
{
    return g_exitConfirmed;
}

} // namespace MainDialogActions
