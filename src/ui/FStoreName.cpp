#include "ui/FStoreName.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "ui/MainWindowAccess.h"
#include "ui/FRecallPreset.h"
#include "ui/FStorePreset.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmStoreName* fmStoreName = nullptr;

TfmStoreName::TfmStoreName(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmStoreName"));
    SetBounds(0, 0, 313, 150);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmStoreName::FormShow);
    OnActivate = vcl::Method(this, &TfmStoreName::FormActivate);

    lblPresetName = NewLabel(this, this, QStringLiteral("lblPresetName"), QStringLiteral("Preset Name"), 16, 12);
    lTitle = NewLabel(this, this, QStringLiteral("lTitle"), QStringLiteral("F00 : "), 16, 44);
    edName = NewEdit(this, this, QStringLiteral("edName"), QStringLiteral("Default Preset"), 14, 72, 40, 209);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 56, 80, 89, 27);
    SetDefaultControl(btnOK);
    btnOK->OnClick = vcl::Method(this, &TfmStoreName::btnOKClick);
    bnCancel = NewButton(this, this, QStringLiteral("bnCancel"), QStringLiteral("Cancel"), 168, 80, 89, 27);
    SetCancelControl(bnCancel);
    bnCancel->OnClick = vcl::Method(this, &TfmStoreName::bnCancelClick);
    EnterClicks(edName, btnOK);
}

TfmStoreName::~TfmStoreName()
{
    BeforeDestruction();
    if (fmStoreName == this)
        fmStoreName = nullptr;
}

void TfmStoreName::SetNameText(const QString& name)
{
    edName->SetText(TrimTrailing(name));
}

void TfmStoreName::ShowOver(vcl::TForm* list)
{
    if (Visible())
        return;
    // Over a modal list the dialog must take the input itself, or the list's modality would block it.
    setWindowModality(list && list->Modal() ? Qt::ApplicationModal : Qt::NonModal);
    Show();
}

void TfmStoreName::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    const std::string name = Fixed(Ansi(edName->Text()), 14, ' ');
    const QString shown = FromAnsi(name);
    edName->SetText(shown);
    const int n = PresetIndex;
    const bool linked = MainDevice() && MainDevice()->IsLinked();
    vcl::TForm* list = StoreMode ? static_cast<vcl::TForm*>(fmStorePreset) : fmRecallPreset;
    if (list && linked)
        list->Hide(); // the preset command's progress window takes its place
    Close();
    if (list)
        list->Close();
    if (StoreMode) {
        // Without a device nothing is stored, so the lists keep the names the device holds.
        if (!linked)
            return;
        MainDevice()->StorePreset(n, shown);
        if (fmRecallPreset)
            fmRecallPreset->SetRowName(n + 1, name);
        if (fmStorePreset)
            fmStorePreset->SetRowName(n, name);
    } else if (DeviceAccess* device = MainDevice()) {
        device->RecallPreset(n);
    }
}

void TfmStoreName::bnCancelClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmStoreName::FormActivate(vcl::TObject* Sender)
{
    (void)Sender;
    edName->SetEnabled(StoreMode);
    if (StoreMode)
        FocusAndSelect(edName);
}

void TfmStoreName::FormShow(vcl::TObject* Sender)
{
    SetCaption(Sid("SID_PST_NAME"));
    lblPresetName->SetCaption(Sid("SID_PST_NAME"));
    btnOK->SetCaption(Sid("SID_EXIT_OK"));
    bnCancel->SetCaption(Sid("SID_EXIT_CANCEL"));
    // Window activation may come late or not at all (no window manager); the box's state must not wait.
    FormActivate(Sender);
}
