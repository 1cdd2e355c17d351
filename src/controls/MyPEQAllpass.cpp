#include "controls/MyPEQAllpass.h"

TMyPEQAllpass::TMyPEQAllpass(vcl::TComponent* AOwner)
    : PeqBandEditor(AOwner,
                    { QStringLiteral(" Peak       "), QStringLiteral(" Low Shelf  "), QStringLiteral(" High Shelf "),
                      QStringLiteral(" Low Cut    "), QStringLiteral(" High Cut   "), QStringLiteral(" Allpass 1  "),
                      QStringLiteral(" Allpass 2  ") })
{
}

TMyPEQAllpass::~TMyPEQAllpass()
{
    BeforeDestruction();
}
