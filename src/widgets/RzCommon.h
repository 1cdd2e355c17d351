#pragma once
// Shared colour arithmetic (HSL shades, mixes, scheme colours), frame painters and text routines of
// the panel, button, label and combo controls.

#include "platform/core/TColor.h"
#include "platform/core/TSet.h"
#include "platform/core/Types.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/TFont.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace rz {

using vcl::TCanvas;
using vcl::TColor;
using vcl::TRect;

enum class TFrameStyleEx {
    fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus, fsPopup,
    fsFlatBold, fsFlatRounded
};
using TFrameStyle = TFrameStyleEx; // the range fsNone..fsFlatBold

enum class TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = vcl::TSet<TSide>;
inline constexpr TSides sdAllSides { TSide::sdLeft, TSide::sdTop, TSide::sdRight, TSide::sdBottom };

enum class TAlignmentVertical { avTop, avCenter, avBottom };
enum class TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
enum class TBlinkState { bsOn, bsOff };
enum class TFramingPreference { fpCustomFraming, fpXPThemes };
enum class TGradientDirection {
    gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter, gdHorizontalBox, gdVerticalEnd,
    gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox
};
enum class TRzHotTrackColorType { htctComplement, htctActual };
enum class TRzGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
enum class TRzVisualStyle { vsClassic, vsWinXP, vsGradient };

struct THsl
{
    int H { 0 };
    int S { 0 };
    int L { 0 };
};

// --- colours (arguments may be system colours; results are RGB) ---
THsl RgbToHsl(TColor Color);
int HueOf(TColor Color);
TColor HslToRgb(int H, int S, int L);
TColor ShadeDarker(TColor Color, std::uint8_t Amount);
TColor ShadeLighter(TColor Color, std::uint8_t Amount);
// Negative darkens, positive lightens by the low 8 bits of the magnitude; 0 returns Color as given.
TColor ShadeBy(TColor Color, int Adjustment);
// Weight 0..255 is Color1's share.
TColor MixColors(TColor Color1, TColor Color2, int Weight);
bool ColorsAreClose(TColor Color1, TColor Color2);
TColor ComplementColor(TColor Color, int Lightness);

// Visual styles do not exist on this platform: themed paths are never taken.
bool ThemesActive();
TColor ThemeElementColor(int Kind);
int ReadXPColorScheme();
bool DisplayHasFullColor();
// The scheme index read at start-up; the panel re-reads it on a theme change.
int CurrentColorScheme();
void RefreshColorScheme();
struct TColorPair
{
    TColor Start;
    TColor Stop;
};
TColorPair SchemeGradientColors(TRzGradientColorStyle Style);
TColor SchemeFrameColor(TRzGradientColorStyle Style);
struct TBannerColors
{
    TColor Start;
    TColor Stop;
    TColor Line;
};
TBannerColors SchemeBannerColors(TRzGradientColorStyle Style);

// --- frames: each returns the rectangle inside what it drew ---
TRect FrameSides(TCanvas& Canvas, TRect Rect, TColor ULColor, TColor LRColor, TSides Sides);
TRect FrameBevel(TCanvas& Canvas, TRect Rect, TColor ULColor, TColor LRColor, int Width, TSides Sides);
TRect FrameCtl3DSides(TCanvas& Canvas, TRect Rect, bool Lowered, TSides Sides);
TRect FrameButtonSides(TCanvas& Canvas, TRect Rect, bool Down, TSides Sides);
TRect FrameButton(TCanvas& Canvas, TRect Rect, bool Down);
TRect FrameColorButtonSides(TCanvas& Canvas, TRect Rect, TColor Face, bool Lowered, TSides Sides);
TRect FrameColorButton(TCanvas& Canvas, TRect Rect, TColor Face, bool Lowered);
TRect PaintFrameStyleSides(TCanvas& Canvas, TRect Rect, TFrameStyleEx Style, TSides Sides);
TRect PaintFrameStyle(TCanvas& Canvas, TRect Rect, TFrameStyleEx Style);
TRect PaintColorFrameStyleSides(TCanvas& Canvas, TRect Rect, TColor Face, TFrameStyleEx Style, TSides Sides);
TRect PaintColorFrameStyle(TCanvas& Canvas, TRect Rect, TColor Face, TFrameStyleEx Style);
TRect FrameRectLines(TCanvas& Canvas, TRect Rect, TColor Color);
TRect FrameDottedRect(TCanvas& Canvas, TRect Rect);
TRect FrameRounded(TCanvas& Canvas, TRect Rect, TColor Color, TSides Sides);

struct TPanelFrameParams
{
    TFrameStyleEx Outer { TFrameStyleEx::fsNone };
    TFrameStyleEx Inner { TFrameStyleEx::fsNone };
    int BorderWidth { 0 };
    TSides Sides { sdAllSides };
    int BevelWidth { 1 };
    TColor BorderColor { vcl::clBtnFace };
    TColor BorderHighlight { vcl::clBtnHighlight };
    TColor BorderShadow { vcl::clBtnShadow };
    TColor FlatColor { vcl::clBtnShadow };
    int FlatColorAdjustment { 30 };
    TColor Color { vcl::clBtnFace };
    TColor ParentColor { vcl::clBtnFace };
    bool Transparent { false };
    bool RoundedInnerFlat { false };
};
TRect PaintPanelFrame(TCanvas& Canvas, TRect Bounds, const TPanelFrameParams& P);
// Width one frame style takes on each side it draws.
int FrameStyleWidth(TFrameStyleEx Style, int BevelWidth);
// The rectangle left inside a two-layer frame (and, when asked, the border band inside it) on the
// given sides.
TRect FrameInnerRect(TRect Rect, TFrameStyleEx Outer, TFrameStyleEx Inner, int BevelWidth, TSides Sides,
                     int BorderWidth, bool IncludeBorderWidth);

// Kind 0/2: small solid triangle; 1: chevron. Pressed does not change the drawing.
void PaintDropDownArrow(TCanvas& Canvas, TRect Rect, int Kind, bool Pressed, bool Enabled);
void PaintGradientBorder(TCanvas& Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor,
                         TColor StopColor);

// --- text ---
// Text-drawing flags (the platform text call's values).
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
inline constexpr unsigned DT_RTLREADING = 0x20000;

// Lays out and draws Text in Rect with the canvas font and brush; with DT_CALCRECT only measures,
// setting Rect's right to the widest line and its bottom to the text's end. Returns the text height.
int DrawTextIn(TCanvas& Canvas, const QString& Text, TRect& Rect, unsigned Flags);
// One line, centred both ways, in a copy of Rect.
void DrawTextCentered(TCanvas& Canvas, const QString& Text, TRect Rect);
QChar LastChar(const QString& Text);

// A logical font turned by an angle, as the platform's font-creation call takes it.
enum class TFontPitchKind { fpDefault, fpFixed, fpVariable };
struct TRotatedFont
{
    int Height { 0 };
    int Width { 0 };
    int Escapement { 0 }; // tenths of a degree, counter-clockwise
    int Orientation { 0 };
    int Weight { 400 };
    bool Italic { false };
    bool Underline { false };
    bool StrikeOut { false };
    vcl::TFontCharset CharSet { vcl::DEFAULT_CHARSET };
    TFontPitchKind Pitch { TFontPitchKind::fpDefault };
    QString FaceName;
};
// Font's height, style, character set and face at Angle degrees; the caller owns the value.
TRotatedFont CreateRotatedFont(const vcl::TFont& Font, int Angle);
// Every font this platform draws with is an outline font, so any angle can be drawn.
bool IsTrueTypeFont(const vcl::TFont& Font);

// Text anchors of rotated output (the platform's text-alignment flags).
inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_CENTER = 6;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_BASELINE = 24;
// Draws Text in Font turned by its escapement, in Colour, with the point named by Align (along
// the unturned text: left/centre/right, top/baseline) at (X, Y); clipped by the canvas clip.
void DrawRotatedText(TCanvas& Canvas, const QString& Text, int X, int Y, const TRotatedFont& Font, TColor Colour,
                     unsigned Align);

// The values of a form file as the class library streams them: a value-type byte, then the data.
// Reads raise vcl::EReadError for a value of another kind or data that ends early.
enum class TValueType : std::uint8_t {
    vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaBinary, vaSet,
    vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String
};
class TFormValueReader
{
public:
    explicit TFormValueReader(const QByteArray& Data) : m_data(Data) {}
    TValueType ReadValue();
    TValueType NextValue() const;
    bool ReadBoolean();
    QString ReadIdent();
    int ReadInteger();
    QString ReadString();
    // The value-type code, then element names until an empty one.
    QStringList ReadSet();
    bool AtEnd() const { return m_pos >= m_data.size(); }

private:
    std::uint8_t Byte();
    std::uint32_t Unsigned(int Bytes);
    QByteArray Bytes(qsizetype Count);
    QString ShortString();

    QByteArray m_data;
    qsizetype m_pos { 0 };
};

// Readers that consume one obsolete property's value and discard it, so that forms written by
// earlier versions still load; the writer writes nothing.
class TRzOldPropReader
{
public:
    static void ReadOldBooleanProp(TFormValueReader& Reader) { Reader.ReadBoolean(); }
    static void ReadOldEnumProp(TFormValueReader& Reader) { Reader.ReadIdent(); }
    static void ReadOldIdentProp(TFormValueReader& Reader) { Reader.ReadIdent(); }
    static void ReadOldIntegerProp(TFormValueReader& Reader) { Reader.ReadInteger(); }
    static void ReadOldSetProp(TFormValueReader& Reader) { Reader.ReadSet(); }
    static void ReadOldStringProp(TFormValueReader& Reader) { Reader.ReadString(); }
    static void WriteOldProp(QByteArray& Writer) { (void)Writer; }
};

// The frame style of an identifier ("fsNone" .. "fsFlatRounded"); Fallback for any other.
TFrameStyleEx FrameStyleFromIdent(const QString& Ident, TFrameStyleEx Fallback);

// Operating-system tests by index 0..8 (see OsVersion for the version reported).
bool WindowsVersionIs(int Index);
bool WindowsVersionAtLeast(int Index);
QString StripAccelerators(const QString& Text);
// The accelerator character of a caption (the letter after a single '&'), or a null QChar.
QChar AcceleratorOf(const QString& Text);
// True when Char is Caption's accelerator, compared without regard to case.
bool IsAccelerator(char16_t Char, const QString& Caption);

} // namespace rz
