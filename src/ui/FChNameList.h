#pragma once
// Edits the names of all eight channels at once.

#include "platform/ui/TForm.h"

#include <array>

namespace rz { class TRzBmpButton; }
namespace vcl {
class TEdit;
class TGroupBox;
}

class TfmChNameList : public vcl::TForm
{
public:
    explicit TfmChNameList(vcl::TComponent* owner);
    ~TfmChNameList() override;

    void FormShow(vcl::TObject* Sender);
    void btnOKClick(vcl::TObject* Sender);
    void btnCancelClick(vcl::TObject* Sender);

    vcl::TGroupBox* gbInChNameList { nullptr };
    vcl::TGroupBox* gbOutChNameList { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
    rz::TRzBmpButton* btnCancel { nullptr };

    // "edMatrixChName" + InA, InB, Out1..Out6, in channel order.
    static QString EditName(int ch);

private:
    // The name boxes in channel order.
    std::array<vcl::TEdit*, 8> Edits {};
};

extern TfmChNameList* fmChNameList;
