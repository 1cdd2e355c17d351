#include "ui/RefreshDialogs.h"

#include "ui/FLinkSel.h"
#include "ui/FTest.h"

namespace RefreshDialogs {

void ShowChannelLinks(int ch, int mask)
{
    if (fmLinkSel)
        fmLinkSel->ShowChannelLinks(ch, mask);
}

void ApplyLinks()
{
    if (!fmLinkSel)
        return;
    fmLinkSel->ApplyLinkButtons();
    fmLinkSel->ApplyNewLinks();
}

void ShowWorkMode(int mode, int sineIndex)
{
    if (fmTest)
        fmTest->ShowWorkMode(mode, sineIndex);
}

} // namespace RefreshDialogs
