#pragma once
// Asks before one channel's PEQ bands go back to their defaults.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl { class TLabel; }

class TfmPeqRst : public vcl::TForm
{
public:
    explicit TfmPeqRst(vcl::TComponent* owner);
    ~TfmPeqRst() override;

    void SetChannel(int ch) { Channel = ch; }

    void btnOKClick(vcl::TObject* Sender);
    void btnExitClick(vcl::TObject* Sender); // Cancel
    void FormShow(vcl::TObject* Sender);

    int Channel { 0 };

    vcl::TLabel* lbReset { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
    rz::TRzBmpButton* btnCancel { nullptr };
};

extern TfmPeqRst* fmPeqRst;
