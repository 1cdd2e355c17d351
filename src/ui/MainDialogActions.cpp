#include "ui/MainDialogActions.h"

#include "ui/MainWindowAccess.h"

namespace MainDialogActions {

void SetChannelName(int ch, const ChannelNameBytes& name)
{
    // The main window reads at most 8 bytes; a full-length name has no terminator.
    if (EditingAccess* window = MainEditing())
        window->SetChannelName(ch, reinterpret_cast<const char*>(name.data()));
}

ChannelNameBytes GetChannelName(int ch)
{
    return MainEditing() ? MainEditing()->GetChannelName(ch) : ChannelNameBytes {};
}

void CopyChannel(int a, int b, bool reread)
{
    if (EditingAccess* window = MainEditing())
        window->CopyChannel(a, b, reread);
}

int LinkMaskOf(int ch)
{
    return MainEditing() ? MainEditing()->LinkMaskOf(ch) : 0;
}

void SetLinkMask(int ch, int mask)
{
    if (EditingAccess* window = MainEditing())
        window->SetLinkMask(ch, mask);
}

void SetMenuCaption(int master, int ch)
{
    if (EditingAccess* window = MainEditing())
        window->SetMenuCaption(master, ch);
}

void ShowOverlayButtons(int ch, bool shown)
{
    if (EditingAccess* window = MainEditing())
        window->ShowOverlayButtons(ch, shown);
}

void RereadAfterLink()
{
    if (EditingAccess* window = MainEditing())
        window->RereadAfterLink();
}

void ShowGainPage()
{
    if (EditingAccess* window = MainEditing())
        window->ShowGainPage();
}

void ResetChannelPeq(int ch)
{
    if (EditingAccess* window = MainEditing())
        window->ResetChannelPeq(ch);
}

void ConfirmExit(bool confirmed)
{
    if (EditingAccess* window = MainEditing())
        window->ConfirmExit(confirmed);
}

bool ExitConfirmed()
{
    return MainEditing() && MainEditing()->ExitConfirmed();
}

} // namespace MainDialogActions
