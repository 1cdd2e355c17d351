#include "ui/FHidData.h"

#include "platform/ui/TListBox.h"
#include "ui/DialogCommon.h"
#include "widgets/RzBmpBtn.h"

TfmHidData* fmHidData = nullptr;

TfmHidData::TfmHidData(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmHidData"));
    SetBounds(0, 0, 640, 480);
    SetCaption(QStringLiteral("Hid Data"));
    hbHidData = new vcl::TListBox(this);
    hbHidData->SetName(QStringLiteral("hbHidData"));
    hbHidData->SetParent(this);
    hbHidData->SetBounds(8, 8, 616, 392);
    vcl::TFont font;
    font.SetName(QStringLiteral("Courier New"));
    hbHidData->SetFont(&font);
    bnClear = DialogCommon::NewButton(this, this, QStringLiteral("bnClear"), QStringLiteral("Clear"), 276, 412, 89, 27);
    bnClear->OnClick = vcl::Method(this, &TfmHidData::bnClearClick);
}

TfmHidData::~TfmHidData()
{
    BeforeDestruction();
    if (fmHidData == this)
        fmHidData = nullptr;
}

void TfmHidData::AddTrafficLine(const QString& line)
{
    hbHidData->Items()->Add(line);
    hbHidData->SetItemIndex(hbHidData->Items()->Count() - 1);
}

void TfmHidData::bnClearClick(vcl::TObject* Sender)
{
    (void)Sender;
    hbHidData->Clear();
}
