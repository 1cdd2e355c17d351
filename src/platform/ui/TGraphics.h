#pragma once
// Drawing tools of the canvas (pen, brush) with change notices, their style enumerations, and the
// abstract picture a canvas can draw.

#include "platform/core/Events.h"
#include "platform/core/TColor.h"
#include "platform/core/TPersistent.h"

#include <QString>

namespace vcl {

class TCanvas;
struct TRect;

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The sixteen binary raster operations of a pen (and of the brush interiors it frames), in the
// order of their R2_ codes minus one: pmBlack = R2_BLACK ... pmCopy = R2_COPYPEN, pmXor = R2_XORPEN.
enum class TPenMode {
    pmBlack,
    pmNotMerge,
    pmMaskNotPen,
    pmNotCopy,
    pmMaskPenNot,
    pmNot,
    pmXor,
    pmNotMask,
    pmMask,
    pmNotXor,
    pmNop,
    pmMergeNotPen,
    pmCopy,
    pmMergePenNot,
    pmMerge,
    pmWhite
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// Base of pen, brush and font: OnChange fires after every change of a value.
class TGraphicsObject : public TPersistent
{
public:
    TNotifyEvent OnChange;

protected:
    TGraphicsObject() = default;
    virtual void Changed();
};

class TPen : public TGraphicsObject
{
public:
    TPen() = default;

    void Assign(TPersistent* Source) override;

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    // 0 and 1 both draw one pixel wide.
    int Width() const { return m_width; }
    void SetWidth(int value);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode value);

private:
    TColor m_color { 0x000000 };
    int m_width { 1 };
    TPenStyle m_style { TPenStyle::psSolid };
    TPenMode m_mode { TPenMode::pmCopy };
};

class TBrush : public TGraphicsObject
{
public:
    TBrush() = default;

    void Assign(TPersistent* Source) override;

    TColor Color() const { return m_color; }
    // A colour given to a clear brush makes it solid again, as the class library does.
    void SetColor(TColor value);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle value);

private:
    TColor m_color { 0xFFFFFF };
    TBrushStyle m_style { TBrushStyle::bsSolid };
};

// A picture that a canvas can draw (TBitmap is the one kind there is).
class TGraphic : public TPersistent
{
public:
    TNotifyEvent OnChange;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual void SetHeight(int value) = 0;
    virtual bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool value);
    // Raises an exception of the class library's hierarchy when the file cannot be read or written.
    virtual void LoadFromFile(const QString& FileName) = 0;
    virtual void SaveToFile(const QString& FileName) = 0;

protected:
    friend class TCanvas;
    TGraphic() = default;
    virtual void Changed();
    // Draws the whole picture into Rect of ACanvas, stretched when the sizes differ.
    virtual void Draw(TCanvas& ACanvas, const TRect& Rect) = 0;

private:
    bool m_transparent { false };
};

} // namespace vcl
