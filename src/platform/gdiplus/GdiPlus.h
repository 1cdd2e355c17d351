#pragma once
// A flat GDI+-like drawing API on QPainter: start-up tokens, graphics on a canvas or an image,
// smoothing and text modes, clipping, world transforms, paths, regions, pens with dash styles,
// solid/hatch/texture/linear/path-gradient brushes, images decoded from bytes, image attributes,
// fonts, string formats and matrices, with GDI+'s handles, enumerations and status codes.
// Drawing is not antialiased unless a smoothing mode asks for it (GDI+'s default).

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {
class TCanvas;
}

namespace gdiplus {

using ARGB = std::uint32_t;
using REAL = float;
using ULONG_PTR = std::uintptr_t;
using PixelFormat = std::int32_t;

enum class Status {
    Ok,
    GenericError,
    InvalidParameter,
    OutOfMemory,
    ObjectBusy,
    InsufficientBuffer,
    NotImplemented,
    Win32Error,
    WrongState,
    Aborted,
    FileNotFound,
    ValueOverflow,
    AccessDenied,
    UnknownImageFormat,
    FontFamilyNotFound,
    FontStyleNotFound,
    NotTrueTypeFont,
    UnsupportedGdiplusVersion,
    GdiplusNotInitialized,
    PropertyNotFound,
    PropertyNotSupported
};

enum class FillMode { FillModeAlternate, FillModeWinding };
enum class Unit { UnitWorld, UnitDisplay, UnitPixel, UnitPoint, UnitInch, UnitDocument, UnitMillimeter };

enum class SmoothingMode {
    SmoothingModeInvalid = -1,
    SmoothingModeDefault = 0,
    SmoothingModeHighSpeed = 1,
    SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4,
    SmoothingModeAntiAlias8x8 = 5
};
enum class CompositingQuality {
    CompositingQualityInvalid = -1,
    CompositingQualityDefault,
    CompositingQualityHighSpeed,
    CompositingQualityHighQuality,
    CompositingQualityGammaCorrected,
    CompositingQualityAssumeLinear
};
enum class TextRenderingHint {
    TextRenderingHintSystemDefault,
    TextRenderingHintSingleBitPerPixelGridFit,
    TextRenderingHintSingleBitPerPixel,
    TextRenderingHintAntiAliasGridFit,
    TextRenderingHintAntiAlias,
    TextRenderingHintClearTypeGridFit
};

enum class HatchStyle {
    HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal,
    HatchStyleCross, HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent,
    HatchStyle25Percent, HatchStyle30Percent, HatchStyle40Percent, HatchStyle50Percent, HatchStyle60Percent,
    HatchStyle70Percent, HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent,
    HatchStyleLightDownwardDiagonal, HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal,
    HatchStyleDarkUpwardDiagonal, HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal,
    HatchStyleLightVertical, HatchStyleLightHorizontal, HatchStyleNarrowVertical, HatchStyleNarrowHorizontal,
    HatchStyleDarkVertical, HatchStyleDarkHorizontal, HatchStyleDashedDownwardDiagonal,
    HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal, HatchStyleDashedVertical,
    HatchStyleSmallConfetti, HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave,
    HatchStyleDiagonalBrick, HatchStyleHorizontalBrick, HatchStyleWeave, HatchStylePlaid, HatchStyleDivot,
    HatchStyleDottedGrid, HatchStyleDottedDiamond, HatchStyleShingle, HatchStyleTrellis, HatchStyleSphere,
    HatchStyleSmallGrid, HatchStyleSmallCheckerBoard, HatchStyleLargeCheckerBoard,
    HatchStyleOutlinedDiamond, HatchStyleSolidDiamond,
    HatchStyleTotal,
    HatchStyleLargeGrid = HatchStyleCross,
    HatchStyleMin = HatchStyleHorizontal,
    HatchStyleMax = HatchStyleTotal - 1
};

enum class DashStyle { DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot, DashStyleCustom };
enum class PenAlignment { PenAlignmentCenter, PenAlignmentInset };
enum class LineCap {
    LineCapFlat = 0, LineCapSquare = 1, LineCapRound = 2, LineCapTriangle = 3,
    LineCapNoAnchor = 0x10, LineCapSquareAnchor = 0x11, LineCapRoundAnchor = 0x12,
    LineCapDiamondAnchor = 0x13, LineCapArrowAnchor = 0x14
};
// The kind of a brush (also what a pen fills with).
enum class BrushType {
    BrushTypeSolidColor, BrushTypeHatchFill, BrushTypeTextureFill, BrushTypePathGradient, BrushTypeLinearGradient
};
enum class PenType {
    PenTypeSolidColor, PenTypeHatchFill, PenTypeTextureFill, PenTypePathGradient, PenTypeLinearGradient,
    PenTypeUnknown = -1
};
enum class WrapMode { WrapModeTile, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };
enum class LinearGradientMode {
    LinearGradientModeHorizontal, LinearGradientModeVertical,
    LinearGradientModeForwardDiagonal, LinearGradientModeBackwardDiagonal
};
enum class CombineMode {
    CombineModeReplace, CombineModeIntersect, CombineModeUnion, CombineModeXor, CombineModeExclude,
    CombineModeComplement
};
enum class MatrixOrder { MatrixOrderPrepend, MatrixOrderAppend };
enum class ColorMatrixFlags { ColorMatrixFlagsDefault, ColorMatrixFlagsSkipGrays, ColorMatrixFlagsAltGray };
enum class ColorChannelFlags { ColorChannelFlagsC, ColorChannelFlagsM, ColorChannelFlagsY, ColorChannelFlagsK, ColorChannelFlagsLast };
enum class ColorAdjustType {
    ColorAdjustTypeDefault, ColorAdjustTypeBitmap, ColorAdjustTypeBrush, ColorAdjustTypePen,
    ColorAdjustTypeText, ColorAdjustTypeCount, ColorAdjustTypeAny
};
enum class StringAlignment { StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar };
enum class StringTrimming {
    StringTrimmingNone, StringTrimmingCharacter, StringTrimmingWord, StringTrimmingEllipsisCharacter,
    StringTrimmingEllipsisWord, StringTrimmingEllipsisPath
};
enum class HotkeyPrefix { HotkeyPrefixNone, HotkeyPrefixShow, HotkeyPrefixHide };
enum class FlushIntention { FlushIntentionFlush, FlushIntentionSync };
enum class RotateFlipType {
    RotateNoneFlipNone = 0, Rotate90FlipNone = 1, Rotate180FlipNone = 2, Rotate270FlipNone = 3,
    RotateNoneFlipX = 4, Rotate90FlipX = 5, Rotate180FlipX = 6, Rotate270FlipX = 7,
    RotateNoneFlipY = Rotate180FlipX, Rotate90FlipY = Rotate270FlipX, Rotate180FlipY = RotateNoneFlipX,
    Rotate270FlipY = Rotate90FlipX, RotateNoneFlipXY = Rotate180FlipNone, Rotate90FlipXY = Rotate270FlipNone,
    Rotate180FlipXY = RotateNoneFlipNone, Rotate270FlipXY = Rotate90FlipNone
};

// Font styles are bit flags.
constexpr int FontStyleRegular = 0;
constexpr int FontStyleBold = 1;
constexpr int FontStyleItalic = 2;
constexpr int FontStyleUnderline = 4;
constexpr int FontStyleStrikeout = 8;

// String format flags.
constexpr int StringFormatFlagsDirectionRightToLeft = 0x0001;
constexpr int StringFormatFlagsDirectionVertical = 0x0002;
constexpr int StringFormatFlagsNoFitBlackBox = 0x0004;
constexpr int StringFormatFlagsDisplayFormatControl = 0x0020;
constexpr int StringFormatFlagsNoFontFallback = 0x0400;
constexpr int StringFormatFlagsMeasureTrailingSpaces = 0x0800;
constexpr int StringFormatFlagsNoWrap = 0x1000;
constexpr int StringFormatFlagsLineLimit = 0x2000;
constexpr int StringFormatFlagsNoClip = 0x4000;

// Pixel format codes: index in bits 0-7, bits per pixel in 8-15, flags above.
constexpr PixelFormat PixelFormatIndexed = 0x00010000;
constexpr PixelFormat PixelFormatGDI = 0x00020000;
constexpr PixelFormat PixelFormatAlpha = 0x00040000;
constexpr PixelFormat PixelFormatPAlpha = 0x00080000;
constexpr PixelFormat PixelFormatCanonical = 0x00200000;
constexpr PixelFormat PixelFormatUndefined = 0;
constexpr PixelFormat PixelFormat1bppIndexed = 0x00030101;
constexpr PixelFormat PixelFormat4bppIndexed = 0x00030402;
constexpr PixelFormat PixelFormat8bppIndexed = 0x00030803;
constexpr PixelFormat PixelFormat16bppRGB555 = 0x00021005;
constexpr PixelFormat PixelFormat16bppRGB565 = 0x00021006;
constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

// Point types of a path: the low bits say what a point is, 0x80 closes its figure.
enum PathPointType : std::uint8_t {
    PathPointTypeStart = 0,
    PathPointTypeLine = 1,
    PathPointTypeBezier = 3,
    PathPointTypeCloseSubpath = 0x80
};

constexpr ARGB MakeARGB(int a, int r, int g, int b)
{
    return (ARGB(a & 0xFF) << 24) | (ARGB(r & 0xFF) << 16) | (ARGB(g & 0xFF) << 8) | ARGB(b & 0xFF);
}

struct GUID
{
    std::uint32_t Data1 { 0 };
    std::uint16_t Data2 { 0 };
    std::uint16_t Data3 { 0 };
    std::uint8_t Data4[8] {};
    bool operator==(const GUID&) const = default;
};

// The image format identifiers an image reports as its raw format.
constexpr GUID ImageFormatUndefined { 0xb96b3ca9, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatMemoryBMP { 0xb96b3caa, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatBMP { 0xb96b3cab, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatEMF { 0xb96b3cac, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatWMF { 0xb96b3cad, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatJPEG { 0xb96b3cae, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatPNG { 0xb96b3caf, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatGIF { 0xb96b3cb0, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatTIFF { 0xb96b3cb1, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatEXIF { 0xb96b3cb2, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };
constexpr GUID ImageFormatIcon { 0xb96b3cb5, 0x0728, 0x11d3, { 0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e } };

struct GdiplusStartupInput
{
    std::uint32_t GdiplusVersion { 1 };
    void* DebugEventCallback { nullptr };
    bool SuppressBackgroundThread { false };
    bool SuppressExternalCodecs { false };
};

struct GdiplusStartupOutput
{
    void* NotificationHook { nullptr };
    void* NotificationUnhook { nullptr };
};

struct GpPoint
{
    int X { 0 };
    int Y { 0 };
};

struct GpPointF
{
    REAL X { 0 };
    REAL Y { 0 };
};

struct GpRectF
{
    REAL X { 0 };
    REAL Y { 0 };
    REAL Width { 0 };
    REAL Height { 0 };
};

struct GpRect
{
    int X { 0 };
    int Y { 0 };
    int Width { 0 };
    int Height { 0 };
};

// A 5 x 5 colour matrix applied to (r, g, b, a, 1) as a row vector.
struct ColorMatrix
{
    REAL m[5][5] {};
};

class GpGraphics;
class GpPath;
class GpPen;
class GpBrush;
class GpRegion;
class GpImage;
class GpMatrix;
class GpImageAttributes;
class GpFontFamily;
class GpFont;
class GpStringFormat;
class GpFontCollection;
// Every brush kind is a GpBrush; the names say what a handle was created as.
using GpSolidFill = GpBrush;
using GpHatch = GpBrush;
using GpTexture = GpBrush;
using GpLineGradient = GpBrush;
using GpPathGradient = GpBrush;
using GpBitmap = GpImage;

// --- start-up: every start-up hands out its own token; the library works while one is live ---

// Version 1 only; output may be null. Never fails otherwise.
Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
// An unknown or already shut down token is ignored.
void GdiplusShutdown(ULONG_PTR token);
// Number of live start-up tokens.
int GdiplusLiveTokens();
// Memory of the library's heap: null while the library is not started.
void* GdipAlloc(std::size_t size);
void GdipFree(void* ptr);

// --- every call below answers GdiplusNotInitialized while no token is live (deletes excepted) ---

// --- graphics ---
// Draws into the canvas's bitmap or, during a paint, through its painter, inside the canvas's clip.
Status GdipCreateFromCanvas(vcl::TCanvas* canvas, GpGraphics** graphics);
// Draws into a bitmap image (not an indexed one).
Status GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
Status GdipDeleteGraphics(GpGraphics* graphics);
Status GdipFlush(GpGraphics* graphics, FlushIntention intention);
Status GdipGraphicsClear(GpGraphics* graphics, ARGB colour);
// A canvas that draws on the graphics' surface (the graphics' own canvas, or one bound to its image);
// valid until GdipReleaseDC.
Status GdipGetDC(GpGraphics* graphics, vcl::TCanvas** canvas);
Status GdipReleaseDC(GpGraphics* graphics, vcl::TCanvas* canvas);
Status GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode mode);
Status GdipGetSmoothingMode(GpGraphics* graphics, SmoothingMode* mode);
Status GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint hint);
Status GdipGetTextRenderingHint(GpGraphics* graphics, TextRenderingHint* hint);
Status GdipSetCompositingQuality(GpGraphics* graphics, CompositingQuality quality);
Status GdipGetCompositingQuality(GpGraphics* graphics, CompositingQuality* quality);
Status GdipSetWorldTransform(GpGraphics* graphics, GpMatrix* matrix);
Status GdipResetWorldTransform(GpGraphics* graphics);
Status GdipGetWorldTransform(GpGraphics* graphics, GpMatrix* matrix);
Status GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, CombineMode mode);
Status GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, CombineMode mode);
Status GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode mode);
Status GdipResetClip(GpGraphics* graphics);

Status GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipDrawLines(GpGraphics* graphics, GpPen* pen, const GpPointF* points, int count);
Status GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                   REAL sweepAngle);
Status GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawPolygon(GpGraphics* graphics, GpPen* pen, const GpPointF* points, int count);
// Outlines the path's figures (open ones stay open).
Status GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
Status GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
Status GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
Status GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const GpPointF* points, int count, FillMode mode);
// Fills the path with its fill mode; open figures are closed for the fill.
Status GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
Status GdipFillRegion(GpGraphics* graphics, GpBrush* brush, GpRegion* region);

// Natural size (one image pixel per unit) at (x, y).
Status GdipDrawImage(GpGraphics* graphics, GpImage* image, REAL x, REAL y);
Status GdipDrawImageI(GpGraphics* graphics, GpImage* image, int x, int y);
Status GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height);
// The source rectangle (in pixels) scaled into the destination, through the attributes (may be null).
Status GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty, REAL dstwidth,
                             REAL dstheight, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, Unit srcUnit,
                             GpImageAttributes* attributes);

// A zero-sized layout rectangle lays the text out from its origin without wrapping or clipping.
// format may be null (near/near, wrapping at the layout width).
Status GdipMeasureString(GpGraphics* graphics, const QString& text, int length, GpFont* font,
                         const GpRectF* layoutRect, GpStringFormat* format, GpRectF* boundingBox,
                         int* codepointsFitted, int* linesFilled);
Status GdipDrawString(GpGraphics* graphics, const QString& text, int length, GpFont* font,
                      const GpRectF* layoutRect, GpStringFormat* format, GpBrush* brush);

// --- paths ---
Status GdipCreatePath(FillMode mode, GpPath** path);
Status GdipDeletePath(GpPath* path);
Status GdipResetPath(GpPath* path);
Status GdipGetPathFillMode(GpPath* path, FillMode* mode);
Status GdipSetPathFillMode(GpPath* path, FillMode mode);
// A cardinal spline through the points (at least 2) with tension 0.5; joined to an open figure.
Status GdipAddPathCurve(GpPath* path, const GpPointF* points, int count);
Status GdipAddPathCurve2(GpPath* path, const GpPointF* points, int count, REAL tension);
Status GdipAddPathCurveI(GpPath* path, const GpPoint* points, int count);
Status GdipAddPathCurve2I(GpPath* path, const GpPoint* points, int count, REAL tension);
// Every element below joins an open figure with a line from its last point.
Status GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipAddPathLine2(GpPath* path, const GpPointF* points, int count);
Status GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
Status GdipAddPathBezier(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
// Closed figures of their own.
Status GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height);
Status GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height);
Status GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
Status GdipAddPathPolygon(GpPath* path, const GpPointF* points, int count);
// The outlines of the text at emSize world units per em, laid out in the rectangle.
Status GdipAddPathString(GpPath* path, const QString& text, int length, const GpFontFamily* family, int style,
                         REAL emSize, const GpRectF* layoutRect, const GpStringFormat* format);
Status GdipStartPathFigure(GpPath* path);
Status GdipClosePathFigure(GpPath* path);
Status GdipGetPointCount(GpPath* path, int* count);
Status GdipGetPathPoints(GpPath* path, GpPointF* points, int count);
Status GdipGetPathTypes(GpPath* path, std::uint8_t* types, int count);
Status GdipGetPathWorldBounds(GpPath* path, GpRectF* bounds);
Status GdipIsVisiblePathPoint(GpPath* path, REAL x, REAL y, bool* result);

// --- regions ---
Status GdipCreateRegion(GpRegion** region); // infinite
Status GdipCreateRegionRect(const GpRectF* rect, GpRegion** region);
Status GdipCreateRegionPath(GpPath* path, GpRegion** region);
Status GdipDeleteRegion(GpRegion* region);
Status GdipCombineRegionRect(GpRegion* region, const GpRectF* rect, CombineMode mode);
Status GdipCombineRegionPath(GpRegion* region, GpPath* path, CombineMode mode);
Status GdipCombineRegionRegion(GpRegion* region, GpRegion* other, CombineMode mode);
Status GdipIsVisibleRegionPoint(GpRegion* region, REAL x, REAL y, bool* result);

// --- pens ---
Status GdipCreatePen1(ARGB colour, REAL width, Unit unit, GpPen** pen);
Status GdipCreatePen2(GpBrush* brush, REAL width, Unit unit, GpPen** pen);
Status GdipDeletePen(GpPen* pen);
Status GdipSetPenDashStyle(GpPen* pen, DashStyle style);
Status GdipGetPenDashStyle(GpPen* pen, DashStyle* style);
Status GdipSetPenMode(GpPen* pen, PenAlignment alignment);
Status GdipGetPenMode(GpPen* pen, PenAlignment* alignment);
Status GdipSetPenEndCap(GpPen* pen, LineCap cap);
Status GdipSetPenStartCap(GpPen* pen, LineCap cap);
Status GdipSetPenColor(GpPen* pen, ARGB colour);
Status GdipGetPenColor(GpPen* pen, ARGB* colour);
Status GdipGetPenWidth(GpPen* pen, REAL* width);
Status GdipSetPenBrushFill(GpPen* pen, GpBrush* brush);
// A new brush of the pen's fill, for the caller to delete.
Status GdipGetPenBrushFill(GpPen* pen, GpBrush** brush);
Status GdipGetPenFillType(GpPen* pen, PenType* type);

// --- brushes ---
Status GdipCloneBrush(GpBrush* brush, GpBrush** clone);
Status GdipDeleteBrush(GpBrush* brush);
Status GdipGetBrushType(GpBrush* brush, BrushType* type);
Status GdipCreateSolidFill(ARGB colour, GpSolidFill** brush);
Status GdipGetSolidFillColor(GpSolidFill* brush, ARGB* colour);
Status GdipSetSolidFillColor(GpSolidFill* brush, ARGB colour);
Status GdipCreateHatchBrush(HatchStyle style, ARGB foreColour, ARGB backColour, GpHatch** brush);
Status GdipGetHatchStyle(GpHatch* brush, HatchStyle* style);
Status GdipGetHatchForegroundColor(GpHatch* brush, ARGB* colour);
Status GdipGetHatchBackgroundColor(GpHatch* brush, ARGB* colour);
// The brush keeps its own copy of the image (the part inside rect when one is given).
Status GdipCreateTexture(GpImage* image, WrapMode mode, GpTexture** brush);
Status GdipCreateTexture2(GpImage* image, WrapMode mode, REAL x, REAL y, REAL width, REAL height, GpTexture** brush);
Status GdipCreateTextureIA(GpImage* image, GpImageAttributes* attributes, REAL x, REAL y, REAL width, REAL height,
                           GpTexture** brush);
Status GdipGetTextureImage(GpTexture* brush, GpImage** image);
Status GdipSetTextureWrapMode(GpTexture* brush, WrapMode mode);
Status GdipGetTextureWrapMode(GpTexture* brush, WrapMode* mode);
Status GdipResetTextureTransform(GpTexture* brush);
Status GdipTranslateTextureTransform(GpTexture* brush, REAL dx, REAL dy, MatrixOrder order);
Status GdipScaleTextureTransform(GpTexture* brush, REAL sx, REAL sy, MatrixOrder order);
Status GdipRotateTextureTransform(GpTexture* brush, REAL angle, MatrixOrder order);
// Linear gradients tile (wrap mode tile) beyond their span.
Status GdipCreateLineBrush(const GpPointF* point1, const GpPointF* point2, ARGB colour1, ARGB colour2,
                           WrapMode wrapMode, GpLineGradient** brush);
Status GdipCreateLineBrushFromRect(const GpRectF* rect, ARGB colour1, ARGB colour2, LinearGradientMode mode,
                                   WrapMode wrapMode, GpLineGradient** brush);
Status GdipCreateLineBrushFromRectWithAngle(const GpRectF* rect, ARGB colour1, ARGB colour2, REAL angle,
                                            bool isAngleScalable, WrapMode wrapMode, GpLineGradient** brush);
Status GdipSetLineGammaCorrection(GpLineGradient* brush, bool useGammaCorrection);
Status GdipGetLineColors(GpLineGradient* brush, ARGB* colours);
Status GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* colours, const REAL* positions, int count);
Status GdipSetLineWrapMode(GpLineGradient* brush, WrapMode mode);
// Centre at the middle of the path's bounds, centre and surround colours white; wrap mode clamp.
Status GdipCreatePathGradientFromPath(GpPath* path, GpPathGradient** brush);
Status GdipGetPathGradientCenterColor(GpPathGradient* brush, ARGB* colour);
Status GdipSetPathGradientCenterColor(GpPathGradient* brush, ARGB colour);
Status GdipGetPathGradientPointCount(GpPathGradient* brush, int* count);
Status GdipGetPathGradientSurroundColorCount(GpPathGradient* brush, int* count);
Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient* brush, ARGB* colours, int* count);
Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient* brush, const ARGB* colours, int* count);
Status GdipGetPathGradientCenterPoint(GpPathGradient* brush, GpPointF* point);
Status GdipSetPathGradientCenterPoint(GpPathGradient* brush, const GpPointF* point);
Status GdipSetPathGradientWrapMode(GpPathGradient* brush, WrapMode mode);
Status GdipSetPathGradientGammaCorrection(GpPathGradient* brush, bool useGammaCorrection);
// Positions run from 0 (the outline) to 1 (the centre).
Status GdipSetPathGradientPresetBlend(GpPathGradient* brush, const ARGB* colours, const REAL* positions, int count);

// --- images ---
// Decodes BMP, PNG or JPEG bytes; anything else is UnknownImageFormat.
Status GdipLoadImageFromBytes(const QByteArray& bytes, GpImage** image);
Status GdipLoadImageFromFile(const QString& fileName, GpImage** image);
// A new bitmap of the size, 32-bit ARGB pixels held whatever the format, cleared to transparent black.
Status GdipCreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, std::uint8_t* scan0,
                                 GpBitmap** bitmap);
// A bitmap holding a copy of the picture (memory-bitmap format).
Status GdipCreateBitmapFromQImage(const QImage& picture, GpBitmap** bitmap);
Status GdipDisposeImage(GpImage* image);
Status GdipCloneImage(GpImage* image, GpImage** clone);
Status GdipGetImageWidth(GpImage* image, unsigned* width);
Status GdipGetImageHeight(GpImage* image, unsigned* height);
Status GdipGetImageRawFormat(GpImage* image, GUID* format);
Status GdipGetImagePixelFormat(GpImage* image, PixelFormat* format);
Status GdipGetImageThumbnail(GpImage* image, unsigned width, unsigned height, GpImage** thumbnail);
Status GdipImageRotateFlip(GpImage* image, RotateFlipType type);
// The encoder is chosen by format (BMP, PNG or JPEG).
Status GdipSaveImageToFile(GpImage* image, const QString& fileName, const GUID& format);
Status GdipSaveImageToBytes(GpImage* image, QByteArray* bytes, const GUID& format);
Status GdipBitmapGetPixel(GpBitmap* bitmap, int x, int y, ARGB* colour);
Status GdipBitmapSetPixel(GpBitmap* bitmap, int x, int y, ARGB colour);
// The bitmap's pixels as a 32-bit ARGB picture (what a window or a canvas takes).
Status GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, QImage* picture, ARGB background);
// The image's pixels, read only (for tests and the platform's own drawing).
const QImage* GdipImagePixels(GpImage* image);

// --- image attributes ---
Status GdipCreateImageAttributes(GpImageAttributes** attributes);
Status GdipCloneImageAttributes(GpImageAttributes* attributes, GpImageAttributes** clone);
Status GdipDisposeImageAttributes(GpImageAttributes* attributes);
Status GdipSetImageAttributesToIdentity(GpImageAttributes* attributes, ColorAdjustType type);
Status GdipResetImageAttributes(GpImageAttributes* attributes, ColorAdjustType type);
// Pixels whose red, green and blue lie between low's and high's become transparent.
Status GdipSetImageAttributesColorKeys(GpImageAttributes* attributes, ColorAdjustType type, bool enable,
                                       ARGB low, ARGB high);
Status GdipSetImageAttributesColorMatrix(GpImageAttributes* attributes, ColorAdjustType type, bool enable,
                                         const ColorMatrix* colourMatrix, const ColorMatrix* greyMatrix,
                                         ColorMatrixFlags flags);
Status GdipSetImageAttributesThreshold(GpImageAttributes* attributes, ColorAdjustType type, bool enable,
                                       REAL threshold);
Status GdipSetImageAttributesGamma(GpImageAttributes* attributes, ColorAdjustType type, bool enable, REAL gamma);
Status GdipSetImageAttributesNoOp(GpImageAttributes* attributes, ColorAdjustType type, bool enable);
Status GdipSetImageAttributesOutputChannel(GpImageAttributes* attributes, ColorAdjustType type, bool enable,
                                           ColorChannelFlags flags);
Status GdipSetImageAttributesOutputChannelColorProfile(GpImageAttributes* attributes, ColorAdjustType type,
                                                       bool enable, const QString& profile);
struct ColorMap
{
    ARGB oldColor { 0 };
    ARGB newColor { 0 };
};
Status GdipSetImageAttributesRemapTable(GpImageAttributes* attributes, ColorAdjustType type, bool enable,
                                        int count, const ColorMap* map);
Status GdipSetImageAttributesWrapMode(GpImageAttributes* attributes, WrapMode mode, ARGB colour, bool clamp);
// The entries of a palette image's colour table.
struct ColorPalette
{
    std::uint32_t Flags { 0 };
    std::vector<ARGB> Entries;
};
// Runs every entry of the palette through the attributes' adjustments, in place.
Status GdipGetImageAttributesAdjustedPalette(GpImageAttributes* attributes, ColorPalette* palette,
                                            ColorAdjustType type);

// --- matrices ---
Status GdipCreateMatrix(GpMatrix** matrix);
Status GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy, GpMatrix** matrix);
// Maps the rectangle onto the parallelogram of three points (top-left, top-right, bottom-left).
Status GdipCreateMatrix3(const GpRectF* rect, const GpPointF* dstplg, GpMatrix** matrix);
Status GdipCloneMatrix(GpMatrix* matrix, GpMatrix** clone);
Status GdipDeleteMatrix(GpMatrix* matrix);
Status GdipSetMatrixElements(GpMatrix* matrix, REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
Status GdipGetMatrixElements(GpMatrix* matrix, REAL* elements);
Status GdipMultiplyMatrix(GpMatrix* matrix, GpMatrix* other, MatrixOrder order);
Status GdipTranslateMatrix(GpMatrix* matrix, REAL dx, REAL dy, MatrixOrder order);
Status GdipScaleMatrix(GpMatrix* matrix, REAL sx, REAL sy, MatrixOrder order);
Status GdipRotateMatrix(GpMatrix* matrix, REAL angle, MatrixOrder order);
Status GdipShearMatrix(GpMatrix* matrix, REAL shearX, REAL shearY, MatrixOrder order);
Status GdipInvertMatrix(GpMatrix* matrix);
Status GdipTransformMatrixPoints(GpMatrix* matrix, GpPointF* points, int count);
Status GdipVectorTransformMatrixPoints(GpMatrix* matrix, GpPointF* points, int count);
Status GdipIsMatrixInvertible(GpMatrix* matrix, bool* result);
Status GdipIsMatrixIdentity(GpMatrix* matrix, bool* result);

// --- fonts and string formats ---
// Windows face names are mapped to the installed stand-ins; an unknown family is FontFamilyNotFound.
Status GdipCreateFontFamilyFromName(const QString& name, GpFontCollection* collection, GpFontFamily** family);
Status GdipGetGenericFontFamilySansSerif(GpFontFamily** family);
Status GdipGetGenericFontFamilySerif(GpFontFamily** family);
Status GdipGetGenericFontFamilyMonospace(GpFontFamily** family);
Status GdipDeleteFontFamily(GpFontFamily* family);
Status GdipGetFamilyName(const GpFontFamily* family, QString* name);
Status GdipCreateFont(const GpFontFamily* family, REAL emSize, int style, Unit unit, GpFont** font);
Status GdipDeleteFont(GpFont* font);
Status GdipGetFontSize(GpFont* font, REAL* size);
Status GdipGetFontStyle(GpFont* font, int* style);
Status GdipGetFontUnit(GpFont* font, Unit* unit);
Status GdipCreateStringFormat(int formatFlags, int language, GpStringFormat** format);
Status GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** clone);
Status GdipDeleteStringFormat(GpStringFormat* format);
Status GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align);
Status GdipGetStringFormatAlign(GpStringFormat* format, StringAlignment* align);
Status GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align);
Status GdipGetStringFormatLineAlign(GpStringFormat* format, StringAlignment* align);
Status GdipSetStringFormatTrimming(GpStringFormat* format, StringTrimming trimming);
Status GdipGetStringFormatTrimming(GpStringFormat* format, StringTrimming* trimming);
Status GdipSetStringFormatFlags(GpStringFormat* format, int flags);
Status GdipGetStringFormatFlags(GpStringFormat* format, int* flags);
Status GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, HotkeyPrefix prefix);
Status GdipGetStringFormatHotkeyPrefix(GpStringFormat* format, HotkeyPrefix* prefix);

// Owners that delete a handle on every exit path.
struct GraphicsDeleter { void operator()(GpGraphics* g) const { GdipDeleteGraphics(g); } };
struct PathDeleter { void operator()(GpPath* p) const { GdipDeletePath(p); } };
struct PenDeleter { void operator()(GpPen* p) const { GdipDeletePen(p); } };
struct BrushDeleter { void operator()(GpBrush* b) const { GdipDeleteBrush(b); } };
struct ImageDeleter { void operator()(GpImage* i) const { GdipDisposeImage(i); } };
struct RegionDeleter { void operator()(GpRegion* r) const { GdipDeleteRegion(r); } };
using GraphicsPtr = std::unique_ptr<GpGraphics, GraphicsDeleter>;
using PathPtr = std::unique_ptr<GpPath, PathDeleter>;
using PenPtr = std::unique_ptr<GpPen, PenDeleter>;
using BrushPtr = std::unique_ptr<GpBrush, BrushDeleter>;
using ImagePtr = std::unique_ptr<GpImage, ImageDeleter>;
using RegionPtr = std::unique_ptr<GpRegion, RegionDeleter>;

} // namespace gdiplus
