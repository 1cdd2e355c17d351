#pragma once
// Asks before the program ends.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl { class TLabel; }

class TfmExit : public vcl::TForm
{
public:
    explicit TfmExit(vcl::TComponent* owner);
    ~TfmExit() override;

    void btnOKClick(vcl::TObject* Sender);
    void btnExitClick(vcl::TObject* Sender); // Cancel
    void FormShow(vcl::TObject* Sender);

    vcl::TLabel* lbExit { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
    rz::TRzBmpButton* btnCancel { nullptr };
};

extern TfmExit* fmExit;
