#pragma once
// The traffic window: one line per frame written or read while it is shown.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl { class TListBox; }

class TfmHidData : public vcl::TForm
{
public:
    explicit TfmHidData(vcl::TComponent* owner);
    ~TfmHidData() override;

    void bnClearClick(vcl::TObject* Sender);
    // Adds a line at the end of the list and selects it, so the list follows the traffic.
    void AddTrafficLine(const QString& line);

    vcl::TListBox* hbHidData { nullptr };
    rz::TRzBmpButton* bnClear { nullptr };
};

extern TfmHidData* fmHidData;
