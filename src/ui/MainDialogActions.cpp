#include "ui/MainDialogActions.h"

#include "ui/FMain.h"
#include "widgets/RzBmpBtn.h"

namespace MainDialogActions {

void SetChannelName(int ch, const ChannelNameBytes& name)
{
    // The main window reads at most 8 bytes; a full-length name has no terminator.
    if (fmMain)
        fmMain->SetChannelName(ch, reinterpret_cast<const char*>(name.data()));
}

ChannelNameBytes GetChannelName(int ch)
{
    return fmMain ? fmMain->GetChannelName(ch) : ChannelNameBytes {};
}

void CopyChannel(int a, int b, bool reread)
{
    if (fmMain)
        fmMain->CopyChannel(a, b, reread);
}

int LinkMaskOf(int ch)
{
    return fmMain ? fmMain->LinkMaskOf(ch) : 0;
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
    if (fmMain)
        fmMain->ShowOverlayButtons(ch, shown);
}

void RereadAfterLink()
{
    if (fmMain)
        fmMain->RereadAfterLink();
}

void ShowGainPage()
{
    // The Gain page button once the main window has it: a click switches the page, and it stays down.
    if (!fmMain)
        return;
    if (auto* button = dynamic_cast<vcl::TControl*>(fmMain->FindComponent(QStringLiteral("rzbMenuGain")))) {
        button->Click();
        if (auto* bmp = dynamic_cast<rz::TRzBmpButton*>(button))
            bmp->SetDown(true);
    }
}

void ResetChannelPeq(int ch)
{
    if (fmMain)
        fmMain->ResetChannelPeq(ch);
}

void ConfirmExit(bool confirmed)
{
    if (!fmMain)
        return;
    fmMain->ExitConfirmed = confirmed;
    if (confirmed)
        fmMain->Close();
}

bool ExitConfirmed()
{
    return fmMain && fmMain->ExitConfirmed;
}

} // namespace MainDialogActions
