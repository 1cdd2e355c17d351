#pragma once
// A container framed by an etched line with its caption in the top edge.

#include "platform/ui/TCustomControl.h"

namespace vcl {

class TGroupBox : public TCustomControl
{
public:
    explicit TGroupBox(TComponent* AOwner);
    ~TGroupBox() override;

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;
};

} // namespace vcl
