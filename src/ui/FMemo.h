#pragma once
// A hidden diagnostic window with a multi-line text.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl { class TMemo; }

class TfmMemo : public vcl::TForm
{
public:
    explicit TfmMemo(vcl::TComponent* owner);
    ~TfmMemo() override;

    void bnClearMemoClick(vcl::TObject* Sender);

    vcl::TMemo* Memo { nullptr };
    rz::TRzBmpButton* bnClearMemo { nullptr };
};

extern TfmMemo* fmMemo;
