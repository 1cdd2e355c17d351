#pragma once
// The window layer of every plot-library control: the painting lock, one internal timer, focus and
// key notifications into the component-level operations, optional transparency over the parent's
// image, and painting into another canvas at an offset.

#include "plot/iComponent.h"

#include <QTimer>

#include <memory>
#include <mutex>

class TiVCLComponent : public TiComponent
{
public:
    explicit TiVCLComponent(vcl::TComponent* AOwner);
    ~TiVCLComponent() override;

    // Re-entrant for the thread that holds it; nothing once the control is being destroyed.
    void Lock() override;
    void Unlock() override;

    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    void RepaintAll() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Paints the control with its top-left corner at (X, Y) of Canvas and nothing outside its own
    // rectangle; with Transparent the background is left as Canvas has it (Canvas must be a bitmap's
    // then). Exceptions of the platform's class are swallowed.
    void iPaintToDC(int X, int Y, bool Transparent, vcl::TCanvas* Canvas);

    bool InternalTimerActive() const override { return m_internalTimer.isActive(); }
    // Nothing while running; first tick after FirstInterval (when not 0), then every Interval.
    void InternalTimerStart(int FirstInterval, int Interval) override;
    void InternalTimerStop() override;

    vcl::TNotifyEvent OnInternalTimer;

protected:
    void DrawBackGround(vcl::TCanvas* Canvas, vcl::TColor Color) override;
    void RequestTransparentCapture();
    void CaptureTransparentBackGround();

    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    bool DoMouseWheel(vcl::TShiftState Shift, int WheelDelta, vcl::TPoint MousePos) override;
    void ColorChanged() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void SizeChanged() override;

    bool FPaintDCTransparent { false };
    std::unique_ptr<vcl::TBitmap> FTransparentBitmap;
    bool FTransparent { false };
    bool FTimerFirstMessage { false };
    int FTimerInterval { 0 };
    bool FNeedsTransparentCapture { false };

private:
    void InternalTimerTick();

    std::recursive_mutex m_dataCriticalSection;
    QTimer m_internalTimer;
};
