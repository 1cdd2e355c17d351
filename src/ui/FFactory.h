#pragma once
// Asks before the device goes back to its factory settings.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl {
class TGroupBox;
class TLabel;
}

class TfmFactory : public vcl::TForm
{
public:
    explicit TfmFactory(vcl::TComponent* owner);
    ~TfmFactory() override;

    void btnOKClick(vcl::TObject* Sender);
    void bnCancelClick(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);

    vcl::TGroupBox* gbMessage { nullptr };
    vcl::TLabel* lbMessage { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
    rz::TRzBmpButton* bnCancel { nullptr };
};

extern TfmFactory* fmFactory;
