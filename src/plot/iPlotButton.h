#pragma once
// A small clickable button that legends, toolbars and tables place inside themselves, with an
// optional auto-repeat (500 ms, then every 50 ms) while it is held.

#include "plot/iPlotObjects.h"

#include <memory>

namespace vcl {
class TTimer;
}

class TiPlotButton : public TiPlotObject
{
public:
    TiPlotButton(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                 vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotButton() override;

    vcl::TRect DrawRect() const { return vcl::TRect(FLeft, FTop, FRight, FBottom); }
    // Stores the four sides without any notification.
    void SetDrawRect(const vcl::TRect& Rect);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Right() const { return FRight; }
    int Bottom() const { return FBottom; }
    int Width() const { return FRight - FLeft; }
    int Height() const { return FBottom - FTop; }
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool TimerEnabled() const { return FTimerEnabled; }
    void SetTimerEnabled(bool Value) { FTimerEnabled = Value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    bool RepeatRunning() const;

    void SetEnabled(bool Value) override;

    vcl::TNotifyEvent OnClick;
    vcl::TNotifyEvent OnGroupClick;
    vcl::TNotifyEvent OnInvalidate;
    vcl::TNotifyEvent OnDownChange;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override {}
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    void RepeatTick();
    void FreeTimer();
    void Invalidate();

    int FTop { 0 };
    int FBottom { 0 };
    int FRight { 0 };
    int FLeft { 0 };
    bool FDown { false };
    std::unique_ptr<vcl::TTimer> FTimer;
    bool FFirstTimerMessage { false };
    bool FTimerEnabled { false };
    int FGroupIndex { 0 };
};
