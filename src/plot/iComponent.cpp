#include "plot/iComponent.h"

#include "plot/iGPCanvas.h"
#include "plot/iGPPropertyList.h"
#include "plot/iGPText.h"
#include "plot/iUpdateClock.h"

#include "platform/core/TStringList.h"
#include "platform/core/TUpdateGuard.h"
#include "platform/ui/TTimer.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

using namespace vcl;

TiComponent::TiComponent(TComponent* AOwner) : TCustomControl(AOwner), FErrorFont(std::make_unique<TFont>())
{
    // The whole client area is drawn from the off-screen bitmap: nothing is erased first.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FLastUpdate = iUpdateClockNow();
    FErrorFont->SetColor(clRed);
    FErrorFont->SetStyle(TFontStyles { TFontStyle::fsBold });
    FErrorFont->OnChange = [this](TObject*) { InvalidateChange(); };
    TiUpdateObject::Instance().Add(this);
}

TiComponent::~TiComponent()
{
    TiUpdateObject::Instance().Remove(this);
    FErrorFont->OnChange = nullptr;
}

void TiComponent::SetAutoFrameRate(bool Value)
{
    if (FAutoFrameRate == Value)
        return;
    FAutoFrameRate = Value;
    if (Value)
        BackGroundChange();
    else
        EndUpdate();
}

void TiComponent::SetUpdateFrameRate(int Value)
{
    if (FUpdateFrameRate == Value)
        return;
    FUpdateFrameRate = Value;
    BackGroundChange();
}

void TiComponent::SetEnabled(bool Value)
{
    TCustomControl::SetEnabled(Value);
    BackGroundChange();
}

void TiComponent::SetBackGroundColor(TColor Value) { SetColorProperty(Value, FBackGroundColor, 1); }

void TiComponent::SetBorderStyle(TiBevelStyle Value)
{
    if (FBorderStyle == Value)
        return;
    FBorderStyle = Value;
    BackGroundChange();
}

void TiComponent::SetCachedDrawing(bool Value)
{
    if (FCachedDrawing == Value)
        return;
    FCachedDrawing = Value;
    if (!Value)
        FBackGroundBitmap.reset();
    BackGroundChange();
}

void TiComponent::SetBackGroundPicture(TBitmap* Value)
{
    if (!Value) {
        FBackGroundPicture.reset();
    } else {
        if (!FBackGroundPicture)
            FBackGroundPicture = std::make_unique<TBitmap>();
        FBackGroundPicture->Assign(Value);
    }
    BackGroundChange();
}

void TiComponent::SetErrorActive(bool Value) { SetBooleanProperty(Value, FErrorActive, 1); }

TPoint TiComponent::GetCenterPoint() const { return TPoint(Width() / 2 + FOffsetX, Height() / 2 + FOffsetY); }

void TiComponent::RepaintAll() { BackGroundChange(); }

void TiComponent::BeginUpdate() { FUpdateActive = true; }

void TiComponent::EndUpdate()
{
    FUpdateActive = false;
    if (FNeedsRepaint)
        InvalidateFrameRate();
}

void TiComponent::InvalidateNow()
{
    FNeedsRepaint = false;
    FLastUpdate = iUpdateClockNow();
    FPaintPending = true;
    Invalidate();
}

void TiComponent::InvalidateChange()
{
    if (FUpdateActive) {
        FNeedsRepaint = true;
        return;
    }
    if (FAutoFrameRate) {
        FNeedsRepaint = true;
        InvalidateFrameRate();
        return;
    }
    InvalidateNow();
}

void TiComponent::BackGroundChange()
{
    FBackGroundChanged = true;
    InvalidateChange();
}

void TiComponent::InvalidateFrameRate()
{
    if (FAutoFrameRate && FUpdateFrameRate > 0) {
        if (FPaintPending || FFrameScheduled)
            return; // merged into the repaint already on its way
        const double due = FLastUpdate + 1.0 / (FUpdateFrameRate * 86400.0);
        const double now = iUpdateClockNow();
        if (now <= due) {
            ScheduleFrame(due - now); // stays pending until the period has passed
            return;
        }
    }
    InvalidateNow();
}

void TiComponent::ScheduleFrame(double DelayDays)
{
    if (!FFrameTimer) {
        FFrameTimer = std::make_unique<TTimer>(nullptr);
        FFrameTimer->SetEnabled(false);
        FFrameTimer->OnTimer = [this](TObject*) { FrameDue(); };
    }
    const double ms = std::ceil(DelayDays * 86400000.0);
    FFrameTimer->SetInterval(static_cast<unsigned>(std::clamp(ms, 1.0, 1000.0)));
    FFrameScheduled = true;
    FFrameTimer->SetEnabled(true);
}

void TiComponent::FrameDue()
{
    FFrameTimer->SetEnabled(false);
    FFrameScheduled = false;
    if (FNeedsRepaint && !FUpdateActive)
        InvalidateFrameRate(); // the clock decides: repaint now or wait the rest of the period
}

template <class T>
void TiComponent::SetPropertyField(T Value, T& Field, int Kind)
{
    if (Field == Value)
        return;
    Field = Value;
    if (Kind == 0)
        InvalidateChange();
    else if (Kind == 1)
        BackGroundChange();
}

void TiComponent::SetBooleanProperty(bool Value, bool& Field, int Kind)
{
    SetPropertyField(Value, Field, Kind);
}

void TiComponent::SetIntegerProperty(int Value, int& Field, int Kind)
{
    SetPropertyField(Value, Field, Kind);
}

void TiComponent::SetColorProperty(TColor Value, TColor& Field, int Kind)
{
    SetPropertyField(Value, Field, Kind);
}

bool TiComponent::IsLoading() const
{
    return FLoading || ComponentState().Contains(TComponentStateItem::csLoading);
}

bool TiComponent::IsDesigning() const
{
    bool designing = false; // there is no form designer here
    if (OnGetDesigning)
        OnGetDesigning(const_cast<TiComponent*>(this), designing);
    return designing;
}

TBitmap* TiComponent::GetBackGroundBitmap()
{
    if (!FBackGroundBitmap) {
        FBackGroundBitmap = std::make_unique<TBitmap>();
        if (Width() > 0 && Height() > 0)
            FBackGroundBitmap->SetSize(Width(), Height());
    }
    return FBackGroundBitmap.get();
}

void TiComponent::DrawBackGround(TCanvas* Canvas, TColor Color)
{
    FBackGroundChanged = false;
    if (FBackGroundPicture && FBackGroundPicture->Width() > 0) {
        Canvas->StretchDraw(TRect(0, 0, Width(), Height()), FBackGroundPicture.get());
        return;
    }
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(TRect(0, 0, Width(), Height()));
    DrawBorder(Canvas);
}

void TiComponent::DrawBorder(TCanvas* Canvas)
{
    if (FBorderStyle == TiBevelStyle::ibsRaised)
        iDrawEdge(Canvas, TRect(0, 0, Width(), Height()), 1);
    else if (FBorderStyle == TiBevelStyle::ibsLowered)
        iDrawEdge(Canvas, TRect(0, 0, Width(), Height()), 0);
}

void TiComponent::Paint()
{
    // This paint shows every change made so far.
    FPaintPending = false;
    FNeedsRepaint = false;
    if (Width() <= 0 || Height() <= 0)
        return;
    Lock();
    struct Release
    {
        TiComponent* self;
        ~Release()
        {
            self->FOffScreenBitmap.reset();
            self->Unlock();
        }
    } release { this };
    try {
        FOffScreenBitmap = std::make_unique<TBitmap>();
        // As fine as the screen it goes to, so that curves and text stay sharp at a high density.
        FOffScreenBitmap->SetDeviceScale(Canvas()->DeviceScale());
        FOffScreenBitmap->SetSize(Width(), Height());
        TCanvas* off = FOffScreenBitmap->Canvas();
        off->Brush()->SetStyle(TBrushStyle::bsSolid);
        off->Pen()->SetStyle(TPenStyle::psSolid);
        try {
            iPaintTo(off);
        } catch (const Exception& e) {
            TRect client(0, 0, Width(), Height());
            off->Brush()->SetStyle(TBrushStyle::bsSolid);
            off->Brush()->SetColor(clBlack);
            off->FillRect(client);
            off->Brush()->SetStyle(TBrushStyle::bsClear);
            off->Font()->SetColor(clWhite);
            iDrawText(off, e.Message(), client, iTextFlag::WordBreak);
        }
        if (OnPaint)
            OnPaint(this, off);
        Canvas()->Draw(0, 0, FOffScreenBitmap.get());
    } catch (const Exception&) {
    }
}

void TiComponent::iSetFocus()
{
    FHasFocus = true;
    Invalidate();
}

void TiComponent::iKillFocus()
{
    FHasFocus = false;
    try {
        iMouseUp(TMouseButton::mbLeft, TShiftState(), 0, 0); // a drag in progress ends
    } catch (const Exception&) {
    }
    Invalidate();
}

void TiComponent::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    RelayUser([&] { iMouseDown(Button, Shift, X, Y); });
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TiComponent::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    RelayUser([&] { iMouseUp(Button, Shift, X, Y); });
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TiComponent::MouseMove(TShiftState Shift, int X, int Y)
{
    RelayUser([&] { iMouseMove(Shift, X, Y); });
    TCustomControl::MouseMove(Shift, X, Y);
}

void TiComponent::DblClick()
{
    RelayUser([&] { iDoubleClick(); });
    TCustomControl::DblClick();
}

void TiComponent::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    RelayUser([&] { iKeyDown(Key, Shift); });
}

void TiComponent::KeyUp(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    RelayUser([&] { iKeyUp(Key, Shift); });
}

void TiComponent::KeyPress(char16_t& Key)
{
    TCustomControl::KeyPress(Key);
    RelayUser([&] { iKeyPress(Key); });
}

void TiComponent::SavePropertiesToFile(const QString& FileName)
{
    try {
        TStringList exclude;
        exclude.Add(QStringLiteral("Name"));
        if (!FOptionSaveAllProperties)
            for (const char* name : { "Left", "Top", "Width", "Height", "Align", "Cursor", "ShowHint", "Tag", "Visible",
                                      "Enabled", "Hint", "HelpContext" })
                exclude.Add(QString::fromLatin1(name));
        TStringList lines;
        lines.Add(QStringLiteral("File Type = ") + ClassName());
        iSaveObjectToStringList(this, QString(), &lines, false, &exclude);
        lines.SaveToFile(FileName);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + e.Message());
    }
}

void TiComponent::LoadPropertiesFromFile(const QString& FileName)
{
    try {
        TStringList lines;
        lines.LoadFromFile(FileName);
        TUpdateGuard<TiComponent> update(this);
        iLoadObjectFromStringList(this, QString(), &lines);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + e.Message());
    }
}
