#include "widgets/VrClasses.h"

#include "widgets/RzCommon.h"

namespace vr {

using namespace vcl;

void TVrPersistent::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    Changed();
}

void TVrPersistent::Changed()
{
    if (FUpdateCount == 0 && OnChange)
        OnChange(this);
}

#define VR_SET_CHANGED(Field, Value) \
    if ((Field) == (Value))          \
        return;                      \
    (Field) = (Value);               \
    Changed()

void TVrPalette::SetLow(TColor Value) { VR_SET_CHANGED(FLow, Value); }
void TVrPalette::SetHigh(TColor Value) { VR_SET_CHANGED(FHigh, Value); }

void TVrPalette::Assign(TPersistent* Source)
{
    if (auto* p = dynamic_cast<TVrPalette*>(Source)) {
        BeginUpdate();
        SetLow(p->Low());
        SetHigh(p->High());
        EndUpdate();
        return;
    }
    TVrPersistent::Assign(Source);
}

void TVrPalette::ToBMP(TBitmap& Bitmap, TColor DarkColor, TColor LightColor) const
{
    if (Bitmap.Empty())
        return;
    const TColor dark = ColorToRGB(DarkColor), light = ColorToRGB(LightColor);
    const TColor low = ColorToRGB(FLow), high = ColorToRGB(FHigh);
    TCanvas& c = *Bitmap.Canvas();
    for (int y = 0; y < Bitmap.Height(); ++y)
        for (int x = 0; x < Bitmap.Width(); ++x) {
            const TColor p = c.Pixels(x, y);
            if (p == dark)
                c.SetPixels(x, y, low);
            else if (p == light)
                c.SetPixels(x, y, high);
        }
}

void TVrFont3D::SetStyle(TVrFont3DStyle Value) { VR_SET_CHANGED(FStyle, Value); }
void TVrFont3D::SetHighlightColor(TColor Value) { VR_SET_CHANGED(FHighlightColor, Value); }
void TVrFont3D::SetShadowColor(TColor Value) { VR_SET_CHANGED(FShadowColor, Value); }
void TVrFont3D::SetHighlightDepth(int Value) { VR_SET_CHANGED(FHighlightDepth, Value); }
void TVrFont3D::SetShadowDepth(int Value) { VR_SET_CHANGED(FShadowDepth, Value); }

void TVrFont3D::Assign(TPersistent* Source)
{
    if (auto* f = dynamic_cast<TVrFont3D*>(Source)) {
        BeginUpdate();
        SetStyle(f->Style());
        SetHighlightColor(f->HighlightColor());
        SetShadowColor(f->ShadowColor());
        SetHighlightDepth(f->HighlightDepth());
        SetShadowDepth(f->ShadowDepth());
        EndUpdate();
        return;
    }
    TVrPersistent::Assign(Source);
}

void TVrFont3D::Paint(TCanvas& Canvas, TRect R, unsigned Format, const QString& Text) const
{
    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const TColor entry = Canvas.Font()->Color();
    auto at = [&](int d, TColor colour) {
        TRect moved(R.Left + d, R.Top + d, R.Right + d, R.Bottom + d);
        Canvas.Font()->SetColor(colour);
        rz::DrawTextIn(Canvas, Text, moved, Format);
    };
    switch (FStyle) {
    case TVrFont3DStyle::f3dRaised:
        at(FShadowDepth, FShadowColor);
        at(-FHighlightDepth, FHighlightColor);
        break;
    case TVrFont3DStyle::f3dSunken:
        at(FHighlightDepth, FHighlightColor);
        at(-FShadowDepth, FShadowColor);
        break;
    case TVrFont3DStyle::f3dShadow: at(FShadowDepth, FShadowColor); break;
    case TVrFont3DStyle::f3dNone: break;
    }
    at(0, entry);
    Canvas.Font()->SetColor(entry);
}

} // namespace vr
