#pragma once
// The message window: one text and an OK button; callers put the text into lbMessage.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl { class TLabel; }

class TfmInformation : public vcl::TForm
{
public:
    explicit TfmInformation(vcl::TComponent* owner);
    ~TfmInformation() override;

    void btnOKClick(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);

    vcl::TLabel* lbMessage { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
};

extern TfmInformation* fmInformation;
