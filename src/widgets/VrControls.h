#pragma once
// Bases of the power and demo buttons (update batching, change events, an off-screen image) and
// their class-less drawing routines; the hand-point cursor they show.

#include "platform/ui/TBitmap.h"
#include "platform/ui/TCustomControl.h"

#include <QCursor>

namespace vr {

using vcl::TCanvas;
using vcl::TColor;
using vcl::TRect;

// The application's screen cursor number of the hand-point cursor.
inline constexpr vcl::TCursor VrHandPointCursor = 99;
// The 32 x 32 monochrome hand with its hot spot at (10, 5).
QCursor VrHandCursor();

enum class TVrImageTextLayout { ImageLeft, ImageRight, ImageTop, ImageBottom };

class TVrCustomControl : public vcl::TCustomControl
{
public:
    explicit TVrCustomControl(vcl::TComponent* AOwner);

    QString Version() const { return FVersion; }
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // Repaints at once unless loading or inside BeginUpdate/EndUpdate.
    virtual void UpdateControl();

    vcl::TNotifyEvent OnFontChanged;
    vcl::TNotifyEvent OnTextChanged;

    void Dispatch(vcl::TMessage& Message) override;

protected:
    virtual void VrFontChanged();
    virtual void VrTextChanged();
    // Both buttons raise OnClick themselves; the platform's click dispatch does nothing.
    void Click() override {}
    // The inherited click: fires OnClick.
    void FireClick() { vcl::TCustomControl::Click(); }

private:
    QString FVersion { QStringLiteral("1.4.5") };
    int FUpdateCount { 0 };
};

class TVrCustomImageControl : public TVrCustomControl
{
public:
    explicit TVrCustomImageControl(vcl::TComponent* AOwner);

    TCanvas* BitmapCanvas() { return FBitmapImage.Canvas(); }
    const vcl::TBitmap& BitmapImage() const { return FBitmapImage; }

protected:
    // Sizes the image to the control, as finely as the canvas being painted, and fills it with Color.
    virtual void ClearImage();
    // Copies the image to the control; derived paints draw the image first.
    void Paint() override;

private:
    vcl::TBitmap FBitmapImage;
};

// Width rings of TopColor (left, top) and BottomColor (right, bottom); Rect becomes the inside.
void VrFrame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
void VrTileBitmap(TCanvas& Canvas, TRect Rect, vcl::TBitmap& Bitmap);
void VrDrawCaption(TCanvas& Canvas, const QString& Text, TRect Rect, bool Enabled);

struct TVrImageTextLayoutResult
{
    vcl::TPoint ImagePos;
    TRect TextBounds;
};
TVrImageTextLayoutResult VrCalcImageTextLayout(TCanvas& Canvas, TRect Client, const QString& Caption,
                                               TVrImageTextLayout Layout, int Margin, int Spacing,
                                               vcl::TPoint ImageSize);

} // namespace vr
