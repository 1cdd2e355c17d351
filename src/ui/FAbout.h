#pragma once
// The about box: product name and version.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl { class TLabel; }

class TfmAbout : public vcl::TForm
{
public:
    explicit TfmAbout(vcl::TComponent* owner);
    ~TfmAbout() override;

    void btnOKClick(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);

    vcl::TLabel* ProductName { nullptr };
    vcl::TLabel* Version { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
};

extern TfmAbout* fmAbout;
