#pragma once
// The preset name dialog over a preset list: shows the chosen preset's name and, on OK, recalls the
// preset or stores the current settings under the typed name.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl {
class TEdit;
class TLabel;
}

class TfmStoreName : public vcl::TForm
{
public:
    explicit TfmStoreName(vcl::TComponent* owner);
    ~TfmStoreName() override;

    // The name without its trailing CR and blanks.
    void SetNameText(const QString& name);
    void SetPresetIndex(int n) { PresetIndex = n; }
    void SetStoreMode(bool b) { StoreMode = b; }
    // Shown, not modally, above the list dialog that stays open (which may be modal itself).
    void ShowOver(vcl::TForm* list);

    void btnOKClick(vcl::TObject* Sender);
    void bnCancelClick(vcl::TObject* Sender);
    void FormActivate(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);

    int PresetIndex { 0 };
    bool StoreMode { false };

    vcl::TLabel* lblPresetName { nullptr };
    vcl::TLabel* lTitle { nullptr };
    vcl::TEdit* edName { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
    rz::TRzBmpButton* bnCancel { nullptr };
};

extern TfmStoreName* fmStoreName;
