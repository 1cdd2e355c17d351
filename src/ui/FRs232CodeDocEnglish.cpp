#include "ui/FRs232CodeDocEnglish.h"

TfmRs232CodeEnglish* fmRs232CodeEnglish = nullptr;

TfmRs232CodeEnglish::TfmRs232CodeEnglish(vcl::TComponent* owner)
    : TRs232CodeViewer(owner, QStringLiteral("fmRs232CodeEnglish"), QStringLiteral("RS232 Protocal Code"), 754, 662,
                       { 72, 208, 363, 508, 648, 792, 940, 1145, 1294, 1427 },
                       QStringLiteral("en"))
{
}

TfmRs232CodeEnglish::~TfmRs232CodeEnglish()
{
    BeforeDestruction();
    if (fmRs232CodeEnglish == this)
        fmRs232CodeEnglish = nullptr;
}
