#pragma once
// A drawing surface with GDI's pixel rules, on a bitmap's QImage or on a widget's QPainter.
//
// Rules kept: no antialiasing; Rectangle, FillRect, Ellipse and RoundRect leave out the right and
// bottom edge; MoveTo/LineTo/Polyline leave out the last pixel; pens of width 0 and 1 are one
// pixel; dashed pens of width 1 only (wider ones draw solid); a solid brush makes the background
// opaque (text cells and the gaps of dashed lines take the brush colour), any other brush makes
// it transparent; the pen's raster operation applies to lines and figure interiors, not to
// FillRect, text or pixels.

#include "platform/core/Types.h"
#include "platform/ui/TFont.h"
#include "platform/ui/TGraphics.h"

#include <QFont>
#include <QImage>
#include <QRegion>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace vcl {

namespace raster {
struct Span;
class SpanSet;
}

// Ternary raster operation of a block copy (the platform's ROP codes).
using TCopyMode = std::int32_t;
constexpr TCopyMode BLACKNESS = 0x00000042;
constexpr TCopyMode NOTSRCERASE = 0x001100A6;
constexpr TCopyMode NOTSRCCOPY = 0x00330008;
constexpr TCopyMode SRCERASE = 0x00440328;
constexpr TCopyMode DSTINVERT = 0x00550009;
constexpr TCopyMode PATINVERT = 0x005A0049;
constexpr TCopyMode SRCINVERT = 0x00660046;
constexpr TCopyMode SRCAND = 0x008800C6;
constexpr TCopyMode MERGEPAINT = 0x00BB0226;
constexpr TCopyMode MERGECOPY = 0x00C000CA;
constexpr TCopyMode SRCCOPY = 0x00CC0020;
constexpr TCopyMode SRCPAINT = 0x00EE0086;
constexpr TCopyMode PATCOPY = 0x00F00021;
constexpr TCopyMode PATPAINT = 0x00FB0A09;
constexpr TCopyMode WHITENESS = 0x00FF0062;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

// The colour GetPixel answers for a pixel outside the surface or the clip region.
constexpr TColor CLR_INVALID = static_cast<TColor>(0xFFFFFFFF);

class TCanvas : public TPersistent
{
public:
    TCanvas();
    ~TCanvas() override;

    // Fires after every drawing operation (a bitmap marks itself changed by it).
    TNotifyEvent OnChange;

    TFont* Font() { return &m_font; }
    const TFont* Font() const { return &m_font; }
    TPen* Pen() { return &m_pen; }
    const TPen* Pen() const { return &m_pen; }
    TBrush* Brush() { return &m_brush; }
    const TBrush* Brush() const { return &m_brush; }
    TCopyMode CopyMode() const { return m_copyMode; }
    void SetCopyMode(TCopyMode value) { m_copyMode = value; }
    TPoint PenPos() const { return m_penPos; }
    void SetPenPos(TPoint value) { MoveTo(value.X, value.Y); }

    // True while the canvas draws somewhere (a bitmap with pixels, or a painter during a paint).
    bool HandleAllocated() const;

    // Device pixels per pixel of the surface: the whole device pixel ratio of the painter's device or
    // of the bound image (1 where that ratio is 1 or not a whole number). Every coordinate, pen width
    // and metric stays in pixels; figures are laid out by the pixel rules above and drawn at device
    // resolution, so at 2 a slope or a curve steps in half pixels while its ends and edges lie where
    // the doubled picture has them. Text is drawn at device resolution too.
    int DeviceScale() const;

    // --- lines and figures ---
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    // Joins the points with the pen; the pen position is not used or moved.
    void Polyline(const std::vector<TPoint>& Points);
    // Several polylines in one pass: Counts[i] points each, taken in order from Points (a count below
    // 2 skips its points). Each gives the pixels Polyline gives; under a pen mode that inverts, a pixel
    // two of them cover changes once. The pen position is not used or moved.
    void PolyPolyline(const std::vector<TPoint>& Points, const std::vector<int>& Counts);
    // Fills the polygon (alternate rule) with the brush and outlines it with the pen.
    void Polygon(const std::vector<TPoint>& Points);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    // X3, Y3: width and height of the corner ellipse.
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    // Counter-clockwise from the radial through (X3, Y3) to the radial through (X4, Y4).
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    // The brush alone, no raster operation; nothing for a clear brush or an inverted rectangle.
    void FillRect(const TRect& Rect);

    // --- text ---
    // The top-left of the text cell is at (X, Y); the pen position moves to the cell's right end.
    void TextOut(int X, int Y, const QString& Text);
    // Text at (X, Y) clipped to Rect; an opaque background fills the whole of Rect.
    void TextRect(const TRect& Rect, int X, int Y, const QString& Text);
    TSize TextExtent(const QString& Text) const;
    int TextWidth(const QString& Text) const { return TextExtent(Text).cx; }
    int TextHeight(const QString& Text) const { return TextExtent(Text).cy; }

    // --- pixels and pictures ---
    // CLR_INVALID outside the surface or the clip, and on a painter (which cannot be read).
    TColor Pixels(int X, int Y) const;
    void SetPixels(int X, int Y, TColor Color);
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, TGraphic* Graphic);
    // Copies Source of another canvas (which must be a bitmap's) into Dest with CopyMode,
    // stretching when the sizes differ and mirroring when one of them is inverted.
    void CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source);
    // The block copy behind CopyRect and the pictures: Rop as CopyMode, pixels of TransparentKey
    // (when given) left out.
    void StretchImage(const TRect& Dest, const QImage& Image, const TRect& Source, TCopyMode Rop,
                      std::optional<TColor> TransparentKey = std::nullopt);

    // --- clipping (keep the previous state with a TCanvasSaver) ---
    // Bounds of what can be drawn: the surface, narrowed by the clip region.
    TRect ClipRect() const;
    void IntersectClipRect(const TRect& Rect);
    void ExcludeClipRect(const TRect& Rect);
    // A region in canvas coordinates, or none to draw everywhere.
    void SetClipRegion(const std::optional<QRegion>& Region);
    const std::optional<QRegion>& ClipRegion() const { return m_clip; }

    // --- surfaces ---
    // Draws into the image (a TBitmap binds its own); nullptr unbinds.
    void BindImage(QImage* Image);
    QImage* Image() const { return m_image; }
    QPainter* Painter() const { return m_painter; }

protected:
    void Changed();

private:
    friend class TCanvasPainterBinding;

    struct PenShape;
    PenShape CurrentPen() const;
    QRect Surface() const;
    QRect DrawLimit() const;
    // DrawLimit and the clip's rectangles in device pixels.
    QRect DeviceLimit() const;
    std::vector<QRect> ClipRects() const;
    QRect ToDevice(const QRect& rect) const;
    // A rectangle in pixels, cut to the drawing limit and emitted in device pixels.
    void EmitPixelRect(const QRect& rect, TColor color, TPenMode mode);
    // Spans and rectangles in device pixels (pixels at scale 1), cut to the clip.
    void EmitSpans(const std::vector<raster::Span>& spans, TColor color, TPenMode mode);
    void EmitHatched(const std::vector<raster::Span>& spans, TColor color, TBrushStyle style, TPenMode mode);
    void EmitBrush(const std::vector<raster::Span>& spans, TPenMode mode);
    void EmitRect(const QRect& rect, TColor color, TPenMode mode);
    void EmitRects(const std::vector<QRect>& rects, TColor color, TPenMode mode);
    // The plain SRCCOPY of an unscaled, unmirrored RGB32 source lying inside its picture, row by
    // row; false when the copy is anything else.
    bool CopyRows(const TRect& Dest, const QImage& Image, const TRect& Source);
    void DrawFigure(int X1, int Y1, int X2, int Y2, std::int64_t cw, std::int64_t ch, bool fullEllipse);
    void DrawArcOrPie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4, bool pie);
    void ThinPolyline(const std::vector<TPoint>& points, bool closed, std::int64_t& phase);
    void AddPolyline(raster::SpanSet& ink, raster::SpanSet& gaps, const TPoint* points, std::size_t n, bool closed,
                     std::int64_t& phase) const;
    // Emits the figure's gaps and ink, merged only where a second touch would change a pixel.
    void EmitStroke(const raster::SpanSet& ink, const raster::SpanSet& gaps);
    template <typename Fn>
    void WithPainter(Fn&& fn);
    // Text with its cell's top-left at (X, Y); nothing when the cell is far off the drawing area.
    void DrawTextCell(int X, int Y, const TSize& extent, const QString& Text);
    // The Qt font of m_font, made again only when its face, height or style changed: texts drawn
    // in one font share one QFont, so Qt keeps the font it resolved between them.
    const QFont& DrawingFont();

    TFont m_font;
    struct DrawingFontMemo
    {
        bool made { false };
        QString name;
        int height { 0 };
        std::uint64_t style { 0 };
        QFont font;
    } m_drawingFont;
    TPen m_pen;
    TBrush m_brush;
    TCopyMode m_copyMode { SRCCOPY };
    TPoint m_penPos;
    std::int64_t m_dashPhase { 0 };
    std::optional<QRegion> m_clip;
    QImage* m_image { nullptr };
    QPainter* m_painter { nullptr };
    QRect m_painterBounds;
    int m_painterScale { 1 };
};

// Binds a canvas to a painter for the length of a paint (TCustomControl::paintEvent), restoring
// the canvas's previous surface and clip when it ends.
class TCanvasPainterBinding
{
public:
    // Bounds: the area the painter can reach in its own coordinates (the control's client rect).
    TCanvasPainterBinding(TCanvas& Canvas, QPainter& Painter, const TRect& Bounds);
    ~TCanvasPainterBinding();
    TCanvasPainterBinding(const TCanvasPainterBinding&) = delete;
    TCanvasPainterBinding& operator=(const TCanvasPainterBinding&) = delete;

private:
    TCanvas& m_canvas;
    QImage* m_image;
    QPainter* m_painter;
    QRect m_bounds;
    int m_scale;
    std::optional<QRegion> m_clip;
};

// Saves pen, brush, font, copy mode, pen position and clip region, and restores them on every
// exit path: the canvas's answer to paired save/restore calls.
class TCanvasSaver
{
public:
    explicit TCanvasSaver(TCanvas& Canvas);
    ~TCanvasSaver();
    TCanvasSaver(const TCanvasSaver&) = delete;
    TCanvasSaver& operator=(const TCanvasSaver&) = delete;

private:
    TCanvas& m_canvas;
    TPen m_pen;
    TBrush m_brush;
    TFont m_font;
    TCopyMode m_copyMode;
    TPoint m_penPos;
    std::optional<QRegion> m_clip;
};

} // namespace vcl
