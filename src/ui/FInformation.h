#pragma once
// The message window: one text and an OK button.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl { class TLabel; }

class TfmInformation : public vcl::TForm
{
public:
    explicit TfmInformation(vcl::TComponent* owner);
    ~TfmInformation() override;

    // Shows the text; a text of more lines than the window holds makes the window taller.
    void SetMessage(const QString& text);
    QString Message() const;

    void btnOKClick(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);

    vcl::TLabel* lbMessage { nullptr };
    rz::TRzBmpButton* btnOK { nullptr };
};

extern TfmInformation* fmInformation;
