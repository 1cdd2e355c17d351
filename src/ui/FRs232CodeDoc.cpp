#include "ui/FRs232CodeDoc.h"

TfmRs232Code* fmRs232Code = nullptr;

TfmRs232Code::TfmRs232Code(vcl::TComponent* owner)
    : TRs232CodeViewer(owner, QStringLiteral("fmRs232Code"), QStringLiteral("232通讯协议控制代码"), 745, 671,
                       { 72, 224, 363, 508, 636, 780, 932, 1121, 1270, 1415 },
                       QStringLiteral("zh"))
{
}

TfmRs232Code::~TfmRs232Code()
{
    BeforeDestruction();
    if (fmRs232Code == this)
        fmRs232Code = nullptr;
}
