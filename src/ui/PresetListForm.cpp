#include "ui/PresetListForm.h"

#include "device/PresetListHost.h"
#include "platform/core/AnsiCodec.h"
#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "ui/FRecallPreset.h"
#include "ui/FStoreName.h"
#include "ui/FStorePreset.h"
#include "ui/ValueListGrid.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TPresetListForm::TPresetListForm(vcl::TComponent* owner, const QString& name, bool recall)
    : vcl::TForm(owner), m_recall(recall)
{
    SetName(name);
    SetBounds(0, 0, 330, 560);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TPresetListForm::FormShow);

    lPresetSelect = NewLabel(this, this, QStringLiteral("lPresetSelect"), QString(), 12, 10);
    vledPresetName = new TValueListEditor(this);
    vledPresetName->SetName(QStringLiteral("vledPresetName"));
    vledPresetName->SetParent(this);
    vledPresetName->SetBounds(8, 32, 306, 450);
    vledPresetName->SetColWidth(0, 69);
    vledPresetName->SetColWidth(1, 126);
    vledPresetName->SetTitleCaptions(QStringLiteral(" Number"), QStringLiteral("         Name"));
    QString text;
    const int rows = recall ? 31 : 30;
    for (int r = 0; r < rows; ++r)
        text += QStringLiteral("     ") + RowLabel(r) + QStringLiteral("=  Default Preset\r\n");
    vledPresetName->SetText(text);
    vledPresetName->OnSelectCell = vcl::Method(this, &TPresetListForm::vledPresetNameSelectCell);
    bnCancel = NewButton(this, this, QStringLiteral("bnCancel"), QStringLiteral("Cancel"), 120, 492, 89, 27);
    SetCancelControl(bnCancel);
    bnCancel->OnClick = vcl::Method(this, &TPresetListForm::bnCancelClick);
}

QString TPresetListForm::RowLabel(int r) const
{
    if (m_recall && r == 0)
        return QStringLiteral("F00");
    return QStringLiteral("U%1").arg(m_recall ? r : r + 1, 2, 10, QLatin1Char('0'));
}

std::string TPresetListForm::ListBytes() const
{
    const QByteArray bytes = vcl::AnsiCodec::EncodeToByteArray(vledPresetName->Text());
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string TPresetListForm::RowName(int n) const
{
    const std::string text = ListBytes();
    const std::size_t at = static_cast<std::size_t>(RowBytes) * static_cast<std::size_t>(n) + NameOffset;
    if (n < 0 || at + NameBytes > text.size())
        return {};
    return text.substr(at, NameBytes);
}

void TPresetListForm::SetRowName(int n, const std::string& name)
{
    const std::string text = ListBytes();
    const std::size_t start = static_cast<std::size_t>(RowBytes) * static_cast<std::size_t>(n);
    if (n < 0 || start + RowBytes > text.size())
        return;
    const std::string updated =
        text.substr(0, start + NameOffset) + Fixed(name, NameBytes, ' ') + text.substr(start + RowBytes - 2);
    vledPresetName->SetText(FromAnsi(updated));
}

void TPresetListForm::vledPresetNameSelectCell(vcl::TObject* Sender, int ACol, int ARow, bool& CanSelect)
{
    (void)Sender;
    (void)ACol;
    (void)CanSelect;
    const int r = ARow - 1;
    const std::string name = RowName(r);
    if (name.empty() || !fmStoreName)
        return;
    fmStoreName->SetNameText(FromAnsi(name));
    fmStoreName->SetPresetIndex(r);
    fmStoreName->lTitle->SetCaption(RowLabel(r) + QStringLiteral(" : "));
    fmStoreName->SetStoreMode(!m_recall);
    fmStoreName->ShowOver(this);
}

void TPresetListForm::bnCancelClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (vledPresetName->CanFocus())
        vledPresetName->SetFocus();
    Close();
}

void TPresetListForm::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    const char* title = m_recall ? "SID_RECALL_PRESET" : "SID_SAVE_PRESET";
    SetCaption(Sid(title));
    lPresetSelect->SetCaption(Sid(title));
    bnCancel->SetCaption(Sid("SID_CANCEL"));
    vledPresetName->SetTitleCaptions(Sid("SID_PST_NUM"), Sid("SID_PST_NAME"));
}

namespace {

class Lists final : public PresetListHost
{
public:
    void SetRecallRowName(int row, const std::string& name) override
    {
        if (fmRecallPreset)
            fmRecallPreset->SetRowName(row, name);
    }
    void SetStoreRowName(int row, const std::string& name) override
    {
        if (fmStorePreset)
            fmStorePreset->SetRowName(row, name);
    }
};

} // namespace

PresetListHost& PresetListDialogs()
{
    static Lists lists;
    return lists;
}
