#pragma once
// A blank area whose OnPaint draws on Canvas.

#include "platform/ui/TGraphicControl.h"

namespace vcl {

class TPaintBox : public TGraphicControl
{
public:
    explicit TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 105, 105); }
    ~TPaintBox() override { BeforeDestruction(); }

    TNotifyEvent OnPaint;

protected:
    void Paint() override
    {
        if (OnPaint)
            OnPaint(this);
    }
};

} // namespace vcl
