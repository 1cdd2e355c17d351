#pragma once
// A flat GDI+-like drawing API on QPainter: start-up tokens, graphics on a canvas, paths with
// cardinal splines and lines, ARGB pens and solid brushes, handles and status codes.
// Only what the program draws with is here; drawing is never antialiased (GDI+'s default).

#include <cstdint>
#include <memory>

namespace vcl {
class TCanvas;
}

namespace gdiplus {

using ARGB = std::uint32_t;
using REAL = float;
using ULONG_PTR = std::uintptr_t;

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

class GpGraphics;
class GpPath;
class GpPen;

// Brushes are handles too; a solid fill is a brush.
class GpBrush
{
public:
    virtual ~GpBrush() = default;
    explicit GpBrush(ARGB colour) : m_colour(colour) {}
    ARGB Colour() const { return m_colour; }

private:
    ARGB m_colour;
};

class GpSolidFill : public GpBrush
{
public:
    using GpBrush::GpBrush;
};

// --- start-up: every start-up hands out its own token; the library works while one is live ---

// Version 1 only; output may be null. Never fails otherwise.
Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
// An unknown or already shut down token is ignored.
void GdiplusShutdown(ULONG_PTR token);
// Number of live start-up tokens.
int GdiplusLiveTokens();

// --- objects; every call below answers GdiplusNotInitialized while no token is live ---

// A graphics object drawing into the canvas's bitmap or, during a paint, through its painter.
Status GdipCreateFromCanvas(vcl::TCanvas* canvas, GpGraphics** graphics);
Status GdipDeleteGraphics(GpGraphics* graphics);

Status GdipCreatePath(FillMode mode, GpPath** path);
Status GdipDeletePath(GpPath* path);
// A cardinal spline through the points (at least 2) with tension 0.5; joined to an open figure.
Status GdipAddPathCurveI(GpPath* path, const GpPoint* points, int count);
Status GdipAddPathCurve2I(GpPath* path, const GpPoint* points, int count, REAL tension);
// A line, joined to an open figure by a line from its last point.
Status GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipClosePathFigure(GpPath* path);
Status GdipGetPointCount(GpPath* path, int* count);
Status GdipGetPathPoints(GpPath* path, GpPointF* points, int count);
Status GdipGetPathTypes(GpPath* path, std::uint8_t* types, int count);

Status GdipCreatePen1(ARGB colour, REAL width, Unit unit, GpPen** pen);
Status GdipDeletePen(GpPen* pen);
Status GdipCreateSolidFill(ARGB colour, GpSolidFill** brush);
Status GdipDeleteBrush(GpBrush* brush);

// Outlines the path's figures (open ones stay open).
Status GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
// Fills the path with its fill mode; open figures are closed for the fill.
Status GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);

// Owners that delete a handle on every exit path.
struct GraphicsDeleter { void operator()(GpGraphics* g) const { GdipDeleteGraphics(g); } };
struct PathDeleter { void operator()(GpPath* p) const { GdipDeletePath(p); } };
struct PenDeleter { void operator()(GpPen* p) const { GdipDeletePen(p); } };
struct BrushDeleter { void operator()(GpBrush* b) const { GdipDeleteBrush(b); } };
using GraphicsPtr = std::unique_ptr<GpGraphics, GraphicsDeleter>;
using PathPtr = std::unique_ptr<GpPath, PathDeleter>;
using PenPtr = std::unique_ptr<GpPen, PenDeleter>;
using BrushPtr = std::unique_ptr<GpBrush, BrushDeleter>;

} // namespace gdiplus
