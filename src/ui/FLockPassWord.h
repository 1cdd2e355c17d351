#pragma once
// Asks for the panel-lock password of a locked device and waits for the device's verdict: accepted,
// the connection goes on with reading the settings; Cancel or no verdict in time, it is closed.

#include "platform/ui/TForm.h"

#include <cstdint>

namespace rz { class TRzBmpButton; }
namespace vcl {
class TEdit;
class TLabel;
class TTimer;
}

class TfmLockPassWord : public vcl::TForm
{
public:
    explicit TfmLockPassWord(vcl::TComponent* owner);
    ~TfmLockPassWord() override;

    // The device's answer to the submitted password: 0 wrong, 1 accepted (255 while waiting).
    void SetVerdict(std::uint8_t v) { Verdict = v; }

    void FormShow(vcl::TObject* Sender);
    void RzBmpButton1Click(vcl::TObject* Sender); // OK
    void bnCancelClick(vcl::TObject* Sender);
    void tmCheckTimer(vcl::TObject* Sender);
    void tmCmdTimer(vcl::TObject* Sender);
    // The title bar (or any close but OK's and Cancel's) is a Cancel: the connection is dropped.
    void FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action);

    std::uint8_t Verdict { 255 };
    std::int8_t CheckTicks { 0 };

    vcl::TLabel* lblLockPassword { nullptr };
    vcl::TEdit* edName { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
    rz::TRzBmpButton* bnCancel { nullptr };
    vcl::TTimer* tmCheck { nullptr };
    vcl::TTimer* tmCmd { nullptr };

private:
    void DropConnection();

    bool Answered { false }; // OK accepted or Cancel: the close needs nothing more
};

extern TfmLockPassWord* fmLockPassWord;
