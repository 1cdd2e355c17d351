#pragma once
// Lays out and draws short texts in a small HTML-like markup (fonts, colours, anchors, images,
// bullets, paragraphs, shadows) line by line inside a rectangle, or only measures them.

#include "platform/core/TColor.h"
#include "platform/core/Types.h"
#include "platform/ui/TFont.h"

#include <QImage>
#include <QString>

// An image list as the markup's "IDX:" images and the splash items use it: images of one size.
class IHTMLImageList
{
public:
    virtual ~IHTMLImageList() = default;
    virtual int Count() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual QImage Image(int index) const = 0;

protected:
    IHTMLImageList() = default;
};

// Where the engine measures and draws: text the way the GDI+ wrapper's DrawText does, simple
// fills and lines, and the images the markup names.
class IHTMLSurface
{
public:
    virtual ~IHTMLSurface() = default;

    // Height of the measured box of the text (never 0 for a font that exists).
    virtual int TextHeight(const vcl::TFont& font, const QString& text) = 0;
    // Measures (calc) or draws text with its top-left corner at rect's top-left, as the wrapper's
    // DrawText: rect.Right/Bottom become the measured extent; bkColor clNone paints no background.
    virtual int DrawText(const QString& text, vcl::TRect& rect, const vcl::TFont& font, bool calc,
                         vcl::TColor bkColor) = 0;
    virtual void FillRect(const vcl::TRect& rect, vcl::TColor color) = 0;
    virtual void FillEllipse(const vcl::TRect& rect, vcl::TColor color) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2, vcl::TColor color) = 0;

    // Images by kind; a size of 0 x 0 means "not there" and takes no room.
    virtual vcl::TSize ImageListImageSize(int index) = 0;
    virtual void DrawImageListImage(int index, int x, int y) = 0;
    virtual vcl::TSize ContainerPictureSize(const QString& name) = 0;
    virtual void DrawContainerPicture(const QString& name, const vcl::TRect& dest) = 0;
    virtual vcl::TSize SystemIconSize(const QString& path, bool large) = 0;
    virtual void DrawSystemIcon(const QString& path, bool large, int x, int y) = 0;

protected:
    IHTMLSurface() = default;
};

// Inputs of one layout call besides surface, font, text and rectangle.
struct THTMLDrawOptions
{
    vcl::TPoint HitPoint { 0, 0 };
    int FocusLink { -1 };
    int HoverLink { -1 };
    int ShadowOffset { 5 };
    bool CheckAnchor { false };
    bool MeasureOnly { false };
    bool Print { false };      // stretch system icons by Scale
    bool Selected { false };   // not used by the layout
    bool Blink { false };      // false: <BLINK> text takes the background brush's colour
    bool HotkeyPrefix { false }; // not used by the layout
    bool WordWrap { true };
    double Scale { 1.0 };
    vcl::TColor URLColor { vcl::clBlue };
    vcl::TColor HoverColor { vcl::clNone };
    vcl::TColor HoverFontColor { vcl::clNone };
    vcl::TColor ShadowColor { vcl::clGray };
    int LineSpacing { 0 };
};

// Outputs of one layout call.
struct THTMLDrawResult
{
    bool AnchorHit { false };
    QString AnchorVal;
    QString StripVal;   // the text without markup, line breaks as CR
    QString FocusAnchor;
    int XSize { 0 };
    int YSize { 0 };
    int HyperLinks { 0 };
    int MouseLink { -1 };
    vcl::TRect HoverRect;
};

// Lays the text out in rect on the surface; draws it unless options.MeasureOnly.
// Returns true when an anchor lies under the hit point.
bool HTMLDraw(IHTMLSurface& surface, const vcl::TFont& font, const QString& text, const vcl::TRect& rect,
              const THTMLDrawOptions& options, THTMLDrawResult& result);

// A colour attribute value: "#RRGGBB" or a colour constant name ("clRed", any case); black when
// the name is unknown.
vcl::TColor HTMLColor(const QString& value);

// The text with the entities replaced (&amp; &quot; &sect; &permil; &reg; &copy; &para; &trade; &euro;),
// repeatedly and without regard to case.
QString HTMLReplaceEntities(const QString& text);
