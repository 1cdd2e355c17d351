#include "plot/iVCLComponent.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/ParentImage.h"

#include <QApplication>
#include <QFocusEvent>

using namespace vcl;

TiVCLComponent::TiVCLComponent(TComponent* AOwner) : TiComponent(AOwner)
{
    m_internalTimer.setSingleShot(false);
    QObject::connect(&m_internalTimer, &QTimer::timeout, [this] { InternalTimerTick(); });
}

TiVCLComponent::~TiVCLComponent() { m_internalTimer.stop(); }

void TiVCLComponent::Lock()
{
    if (!ComponentState().Contains(TComponentStateItem::csDestroying))
        m_dataCriticalSection.lock();
}

void TiVCLComponent::Unlock()
{
    if (!ComponentState().Contains(TComponentStateItem::csDestroying))
        m_dataCriticalSection.unlock();
}

void TiVCLComponent::SetTransparent(bool Value)
{
    if (FTransparent == Value)
        return;
    FTransparent = Value;
    if (Value) {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
        if (!FTransparentBitmap) {
            FTransparentBitmap = std::make_unique<TBitmap>();
            if (Width() > 0 && Height() > 0)
                FTransparentBitmap->SetSize(Width(), Height());
        }
        RequestTransparentCapture();
    } else {
        setAttribute(Qt::WA_OpaquePaintEvent, true);
        FTransparentBitmap.reset();
    }
    BackGroundChange();
}

void TiVCLComponent::RequestTransparentCapture()
{
    if (!FTransparent || FNeedsTransparentCapture)
        return;
    FNeedsTransparentCapture = true;
    BackGroundChange();
}

void TiVCLComponent::CaptureTransparentBackGround()
{
    if (!FTransparentBitmap)
        return;
    if (FTransparentBitmap->Width() != Width() || FTransparentBitmap->Height() != Height())
        FTransparentBitmap->SetSize(Width(), Height());
    TCanvas* canvas = FTransparentBitmap->Canvas();
    if (Parent()) {
        CopyParentImage(this, *canvas);
        FNeedsTransparentCapture = false;
        return;
    }
    // Nothing to see behind yet: the background colour until a later paint can capture.
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas->Brush()->SetColor(BackGroundColor());
    canvas->FillRect(TRect(0, 0, Width(), Height()));
}

void TiVCLComponent::DrawBackGround(TCanvas* Canvas, TColor Color)
{
    if (FPaintDCTransparent) {
        FBackGroundChanged = false;
        return;
    }
    if (!FTransparent) {
        TiComponent::DrawBackGround(Canvas, Color);
        return;
    }
    FBackGroundChanged = false;
    if (FNeedsTransparentCapture || !FTransparentBitmap || FTransparentBitmap->Width() != Width()
        || FTransparentBitmap->Height() != Height()) {
        if (!FTransparentBitmap)
            FTransparentBitmap = std::make_unique<TBitmap>();
        CaptureTransparentBackGround();
    }
    Canvas->Draw(0, 0, FTransparentBitmap.get());
}

void TiVCLComponent::RepaintAll()
{
    TiComponent::RepaintAll();
    RequestTransparentCapture();
}

void TiVCLComponent::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height())
        return;
    TiComponent::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparentBitmap && AWidth > 0 && AHeight > 0)
        FTransparentBitmap->SetSize(AWidth, AHeight);
    RequestTransparentCapture();
    if (AWidth > 0 && AHeight > 0)
        GetBackGroundBitmap()->SetSize(AWidth, AHeight);
    BackGroundChange();
}

void TiVCLComponent::SizeChanged()
{
    TiComponent::SizeChanged();
    FBackGroundChanged = true;
}

void TiVCLComponent::iPaintToDC(int X, int Y, bool Transparent, TCanvas* Canvas)
{
    if (!Canvas || Width() <= 0 || Height() <= 0)
        return;
    try {
        TBitmap frame;
        frame.SetSize(Width(), Height());
        const TRect target(X, Y, X + Width(), Y + Height());
        if (Transparent && Canvas->Image())
            frame.Canvas()->CopyRect(TRect(0, 0, Width(), Height()), *Canvas, target);
        FPaintDCTransparent = Transparent;
        struct Reset
        {
            bool& flag;
            ~Reset() { flag = false; }
        } reset { FPaintDCTransparent };
        Lock();
        struct Release
        {
            TiVCLComponent* self;
            bool cached;
            ~Release()
            {
                self->FCachedDrawing = cached;
                self->Unlock();
            }
        } release { this, FCachedDrawing };
        FCachedDrawing = false;
        iPaintTo(frame.Canvas());
        TCanvasSaver saver(*Canvas);
        Canvas->IntersectClipRect(target);
        Canvas->Draw(X, Y, &frame);
    } catch (const Exception&) {
    }
}

void TiVCLComponent::InternalTimerStart(int FirstInterval, int Interval)
{
    if (m_internalTimer.isActive())
        return;
    FTimerInterval = Interval;
    if (FirstInterval != 0) {
        FTimerFirstMessage = true;
        m_internalTimer.start(FirstInterval);
    } else if (Interval != 0) {
        m_internalTimer.start(Interval);
    }
}

void TiVCLComponent::InternalTimerStop()
{
    m_internalTimer.stop();
    FTimerFirstMessage = false;
}

void TiVCLComponent::InternalTimerTick()
{
    if (FTimerFirstMessage) {
        FTimerFirstMessage = false;
        if (FTimerInterval > 0)
            m_internalTimer.start(FTimerInterval);
        else
            m_internalTimer.stop();
    }
    if (OnInternalTimer)
        Guarded([this] { OnInternalTimer(this); }, this);
}

void TiVCLComponent::KeyDown(WORD& Key, TShiftState Shift)
{
    // The key notification comes first with an empty shift state, then the key itself.
    WORD notified = Key;
    RelayUser([&] { iKeyDown(notified, TShiftState()); });
    TiComponent::KeyDown(Key, Shift);
}

void TiVCLComponent::KeyUp(WORD& Key, TShiftState Shift)
{
    WORD notified = Key;
    RelayUser([&] { iKeyUp(notified, TShiftState()); });
    TiComponent::KeyUp(Key, Shift);
}

bool TiVCLComponent::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    RelayUser([&] { handled = iMouseWheel(WheelDelta, Shift, MousePos); });
    return handled;
}

void TiVCLComponent::ColorChanged()
{
    TiComponent::ColorChanged();
    BackGroundChange();
}

void TiVCLComponent::focusInEvent(QFocusEvent* event)
{
    RelayUser([this] { iSetFocus(); });
    TiComponent::focusInEvent(event);
}

void TiVCLComponent::focusOutEvent(QFocusEvent* event)
{
    if (QApplication::focusWidget() != this)
        RelayUser([this] { iKillFocus(); });
    TiComponent::focusOutEvent(event);
}
