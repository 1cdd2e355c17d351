#pragma once
// Sends a new front-panel lock password to the device, then ends the connection.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl {
class TEdit;
class TLabel;
class TTimer;
}

class TfmLockSetup : public vcl::TForm
{
public:
    explicit TfmLockSetup(vcl::TComponent* owner);
    ~TfmLockSetup() override;

    void FormShow(vcl::TObject* Sender);
    void RzBmpButton1Click(vcl::TObject* Sender); // OK
    void btnExitClick(vcl::TObject* Sender);
    void bnCancelClick(vcl::TObject* Sender);
    void tmCloseTimer(vcl::TObject* Sender);

    vcl::TLabel* lblLockPassword { nullptr };
    vcl::TEdit* edName { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
    rz::TRzBmpButton* btnExit { nullptr };
    vcl::TTimer* tmClose { nullptr };
};

extern TfmLockSetup* fmLockSetup;
