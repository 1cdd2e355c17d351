#pragma once
// Renames one channel.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl {
class TEdit;
class TLabel;
}

class TfmChannelName : public vcl::TForm
{
public:
    explicit TfmChannelName(vcl::TComponent* owner);
    ~TfmChannelName() override;

    // Remembers ch and shows it ("InB :", "Out4 :").
    void SetChannel(int ch);
    // The current name without its trailing CR and blanks.
    void SetNameText(const QString& name);

    void btnOKClick(vcl::TObject* Sender);
    void bnCancelClick(vcl::TObject* Sender);
    void FormActivate(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);

    int Channel { 0 };

    vcl::TLabel* lbChannelName { nullptr };
    vcl::TLabel* lbChannel { nullptr };
    vcl::TEdit* edName { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
    rz::TRzBmpButton* bnCancel { nullptr };
};

extern TfmChannelName* fmChannelName;
