#include "controls/MyPEQGain.h"

TMyPEQGain::TMyPEQGain(vcl::TComponent* AOwner)
    : PeqBandEditor(AOwner,
                    { QStringLiteral(" Peak       "), QStringLiteral(" Low Shelf  "), QStringLiteral(" High Shelf "),
                      QStringLiteral(" Low Cut    "), QStringLiteral(" High Cut   ") })
{
}

TMyPEQGain::~TMyPEQGain()
{
    BeforeDestruction();
}
