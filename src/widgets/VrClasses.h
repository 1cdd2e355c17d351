#pragma once
// Persistent companions of the power and demo buttons: change batching, the Low/High LED palette
// and 3-D caption text.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"

namespace vr {

using vcl::TColor;

class TVrPersistent : public vcl::TPersistent
{
public:
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    vcl::TNotifyEvent OnChange;

protected:
    void Changed();

private:
    int FUpdateCount { 0 };
};

class TVrPalette : public TVrPersistent
{
public:
    TColor Low() const { return FLow; }
    void SetLow(TColor Value);
    TColor High() const { return FHigh; }
    void SetHigh(TColor Value);
    // Low for Index <= 0, High otherwise.
    virtual TColor GetPaletteColor(int Index) const { return Index <= 0 ? FLow : FHigh; }
    void Assign(vcl::TPersistent* Source) override;
    // Recolours Bitmap in place: DarkColor pixels become Low, LightColor pixels High.
    void ToBMP(vcl::TBitmap& Bitmap, TColor DarkColor, TColor LightColor) const;

private:
    TColor FLow { vcl::clGreen };
    TColor FHigh { vcl::clLime };
};

enum class TVrFont3DStyle { f3dNone, f3dRaised, f3dSunken, f3dShadow };

class TVrFont3D : public TVrPersistent
{
public:
    TVrFont3DStyle Style() const { return FStyle; }
    void SetStyle(TVrFont3DStyle Value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    int HighlightDepth() const { return FHighlightDepth; }
    void SetHighlightDepth(int Value);
    int ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(int Value);
    void Assign(vcl::TPersistent* Source) override;
    // Text in R with the text-drawing Format flags and a clear brush, in the style's copies.
    void Paint(vcl::TCanvas& Canvas, vcl::TRect R, unsigned Format, const QString& Text) const;

private:
    TVrFont3DStyle FStyle { TVrFont3DStyle::f3dNone };
    TColor FHighlightColor { vcl::clBtnHighlight };
    TColor FShadowColor { vcl::clBtnShadow };
    int FHighlightDepth { 1 };
    int FShadowDepth { 1 };
};

} // namespace vr
