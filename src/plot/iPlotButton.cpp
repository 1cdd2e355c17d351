#include "plot/iPlotButton.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/TTimer.h"

using namespace vcl;

TiPlotButton::TiPlotButton(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                           TNotifyEvent AOnRename)
    : TiPlotObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
}

TiPlotButton::~TiPlotButton() = default;

bool TiPlotButton::RepeatRunning() const { return FTimer && FTimer->Enabled(); }

void TiPlotButton::SetDrawRect(const TRect& Rect)
{
    FLeft = Rect.Left;
    FTop = Rect.Top;
    FRight = Rect.Right;
    FBottom = Rect.Bottom;
}

void TiPlotButton::SetDown(bool Value)
{
    if (FDown == Value)
        return;
    FDown = Value;
    Invalidate();
    if (OnDownChange)
        OnDownChange(this);
}

void TiPlotButton::SetEnabled(bool Value)
{
    TiPlotObject::SetEnabled(Value);
    if (!FEnabled)
        FreeTimer();
}

void TiPlotButton::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    if (FTimerEnabled) {
        if (!FTimer) {
            FTimer = std::make_unique<TTimer>(nullptr);
            FTimer->OnTimer = [this](TObject*) { Guarded([this] { RepeatTick(); }); };
        }
        FTimer->SetInterval(500);
        FTimer->SetEnabled(true);
        FFirstTimerMessage = true;
    }
    Invalidate();
}

void TiPlotButton::RepeatTick()
{
    if (FFirstTimerMessage && FTimer) {
        FFirstTimerMessage = false;
        FTimer->SetInterval(50);
    }
    if (OnClick)
        OnClick(this);
    Invalidate();
}

void TiPlotButton::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (!FMouseDown)
        return;
    FMouseDown = false;
    FreeTimer();
    Invalidate();
    if (!(MouseData.X >= FLeft && MouseData.X < FRight && MouseData.Y >= FTop && MouseData.Y < FBottom))
        return;
    if (FGroupIndex != 0 && OnGroupClick)
        OnGroupClick(this);
    if (OnClick)
        OnClick(this);
}

void TiPlotButton::FreeTimer()
{
    // Stopped, not destroyed: a click handler may disable the button from inside the tick.
    if (FTimer)
        FTimer->SetEnabled(false);
}

void TiPlotButton::Invalidate()
{
    if (OnInvalidate)
        OnInvalidate(this);
}
