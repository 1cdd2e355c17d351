#include "ui/FChNameList.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "ui/MainDialogActions.h"
#include "widgets/RzBmpBtn.h"

#include <algorithm>

using namespace DialogCommon;

TfmChNameList* fmChNameList = nullptr;

namespace {

QString ChannelLabel(int ch)
{
    return ch < 2 ? QStringLiteral("In%1").arg(QChar(u'A' + ch)) : QStringLiteral("Out%1").arg(ch - 1);
}

QString DesignName(int ch)
{
    return ch < 2 ? QStringLiteral("Input%1").arg(ch + 1) : QStringLiteral("Output%1").arg(ch - 1);
}

vcl::TGroupBox* NewBox(vcl::TForm* form, const QString& name, int top, int rows)
{
    auto* g = new vcl::TGroupBox(form);
    g->SetName(name);
    g->SetParent(form);
    g->SetBounds(8, top, 249, 24 + rows * 30);
    return g;
}

} // namespace

QString TfmChNameList::EditName(int ch)
{
    return QStringLiteral("edMatrixChName") + ChannelLabel(ch);
}

TfmChNameList::TfmChNameList(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmChNameList"));
    SetBounds(0, 0, 273, 390);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmChNameList::FormShow);
    gbInChNameList = NewBox(this, QStringLiteral("gbInChNameList"), 8, 2);
    gbOutChNameList = NewBox(this, QStringLiteral("gbOutChNameList"), 96, 6);
    for (int ch = 0; ch < 8; ++ch) {
        vcl::TGroupBox* box = ch < 2 ? gbInChNameList : gbOutChNameList;
        const int top = 20 + (ch < 2 ? ch : ch - 2) * 30;
        NewLabel(this, box, QStringLiteral("lbChNameList") + ChannelLabel(ch), ChannelLabel(ch), 24, top + 4);
        Edits[static_cast<std::size_t>(ch)] = NewEdit(this, box, EditName(ch), DesignName(ch), 8, 96, top, 129);
    }
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("Set"), 32, 318, 89, 27);
    btnOK->OnClick = vcl::Method(this, &TfmChNameList::btnOKClick);
    btnCancel = NewButton(this, this, QStringLiteral("btnCancel"), QStringLiteral("Exit"), 144, 318, 89, 27);
    SetCancelControl(btnCancel);
    btnCancel->OnClick = vcl::Method(this, &TfmChNameList::btnCancelClick);
}

TfmChNameList::~TfmChNameList()
{
    BeforeDestruction();
    if (fmChNameList == this)
        fmChNameList = nullptr;
}

void TfmChNameList::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    for (int ch = 0; ch < 8; ++ch) {
        vcl::TEdit* edit = Edits[static_cast<std::size_t>(ch)];
        const ChannelNameBytes name = MainDialogActions::GetChannelName(ch);
        const auto end = std::find(name.begin(), name.end(), 0);
        edit->SetText(FromAnsi(std::string(name.begin(), end)));
    }
    SetCaption(Sid("SID_CH_NAME_LIST"));
    btnOK->SetCaption(Sid("SID_SET"));
    btnCancel->SetCaption(Sid("SID_EXIT"));
}

void TfmChNameList::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    for (int ch = 0; ch < 8; ++ch) {
        vcl::TEdit* edit = Edits[static_cast<std::size_t>(ch)];
        const std::string typed = Ansi(edit->Text());
        const ChannelNameBytes current = MainDialogActions::GetChannelName(ch);
        const std::string now(current.begin(), std::find(current.begin(), current.end(), 0));
        if (typed.substr(0, typed.find('\0')) == now)
            continue;
        const std::string bytes = Fixed(typed, 8, '\0');
        ChannelNameBytes name {};
        std::copy(bytes.begin(), bytes.end(), name.begin());
        edit->SetText(FromAnsi(bytes.substr(0, bytes.find('\0'))));
        MainDialogActions::SetChannelName(ch, name);
    }
    Close();
}

void TfmChNameList::btnCancelClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}
