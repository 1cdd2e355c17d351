#include "ui/RefreshDialogs.h"

#include "platform/core/SoftAssert.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TRadioButton.h"
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
    if (!fmTest)
        return;
    vcl::TRadioButton* const sources[] = { fmTest->rbAnalogIn, fmTest->rbPinkNoise, fmTest->rbWhiteNoise,
                                           fmTest->rbSineWave };
    if (mode < 0 || mode > 3 || !ZQ9_EXPECT(sources[mode]))
        return;
    sources[mode]->SetChecked(true);
    if (mode == 3 && fmTest->cbSineFreq && sineIndex >= 0 && sineIndex < fmTest->cbSineFreq->Items()->Count())
        fmTest->cbSineFreq->SetItemIndex(sineIndex);
}

} // namespace RefreshDialogs
