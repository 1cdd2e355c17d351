#pragma once
// Edit box of the band editors: a typing limit (texts set by the program stay whole) and centred text.

#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"

class PeqEdit : public vcl::TEdit
{
public:
    explicit PeqEdit(vcl::TComponent* AOwner);
    ~PeqEdit() override;

    int TypingLimit() const { return MaxLength(); }
    void SetTypingLimit(int value) { SetMaxLength(value); }
    // Horizontal placement of the text.
    void SetAlignment(vcl::TAlignment value);
};
