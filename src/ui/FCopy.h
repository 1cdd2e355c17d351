#pragma once
// Copies one channel's settings into another channel of the same side.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl {
class TComboBox;
class TGroupBox;
class TLabel;
}

class TfmCopy : public vcl::TForm
{
public:
    explicit TfmCopy(vcl::TComponent* owner);
    ~TfmCopy() override;

    // Both copy buttons: Tag 0 inputs, Tag 1 outputs.
    void bnInChCopyClick(vcl::TObject* Sender);
    void bnExitClick(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);

    vcl::TGroupBox* gbIn { nullptr };
    vcl::TComboBox* cbInSource { nullptr };
    vcl::TComboBox* cbInDestination { nullptr };
    rz::TRzBmpButton* bnInChCopy { nullptr };
    vcl::TGroupBox* gbOut { nullptr };
    vcl::TComboBox* cbOutSource { nullptr };
    vcl::TComboBox* cbOutDestination { nullptr };
    rz::TRzBmpButton* bnOutChCopy { nullptr };
    rz::TRzBmpButton* bnExit { nullptr };
};

extern TfmCopy* fmCopy;
