#include "platform/gdiplus/GdiPlus.h"

#include "platform/ui/TCanvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <new>
#include <set>
#include <vector>

namespace gdiplus {

class GpGraphics
{
public:
    explicit GpGraphics(vcl::TCanvas* canvas) : m_canvas(canvas) {}

    // Runs fn with a painter on the canvas's surface; false when the canvas draws nowhere.
    template <typename Fn>
    bool WithPainter(Fn&& fn)
    {
        if (QImage* image = m_canvas->Image(); image != nullptr && !image->isNull()) {
            QPainter painter(image);
            painter.setRenderHint(QPainter::Antialiasing, false);
            fn(painter);
            return true;
        }
        if (QPainter* painter = m_canvas->Painter()) {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, false);
            fn(*painter);
            painter->restore();
            return true;
        }
        return false;
    }

private:
    vcl::TCanvas* m_canvas;
};

class GpPath
{
public:
    explicit GpPath(FillMode mode) : m_mode(mode) {}

    FillMode Mode() const { return m_mode; }
    std::vector<GpPointF> points;
    std::vector<std::uint8_t> types;

    bool FigureOpen() const { return !types.empty() && (types.back() & PathPointTypeCloseSubpath) == 0; }
    // The first point of a new element: a line from an open figure's end, else a figure start.
    void Begin(GpPointF p)
    {
        points.push_back(p);
        types.push_back(FigureOpen() ? PathPointTypeLine : PathPointTypeStart);
    }

    QPainterPath ToQt() const
    {
        QPainterPath path;
        path.setFillRule(m_mode == FillMode::FillModeAlternate ? Qt::OddEvenFill : Qt::WindingFill);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const std::uint8_t kind = types[i] & 0x07;
            const QPointF p(points[i].X, points[i].Y);
            if (kind == PathPointTypeStart) {
                path.moveTo(p);
            } else if (kind == PathPointTypeBezier && i + 2 < points.size()) {
                path.cubicTo(p, QPointF(points[i + 1].X, points[i + 1].Y), QPointF(points[i + 2].X, points[i + 2].Y));
                i += 2;
            } else {
                path.lineTo(p);
            }
            if (types[i] & PathPointTypeCloseSubpath)
                path.closeSubpath();
        }
        return path;
    }

private:
    FillMode m_mode;
};

class GpPen
{
public:
    GpPen(ARGB colour, REAL width) : colour(colour), width(width) {}
    ARGB colour;
    REAL width;
};

namespace {

std::set<ULONG_PTR>& LiveTokens()
{
    static std::set<ULONG_PTR> tokens;
    return tokens;
}

bool Started()
{
    return !LiveTokens().empty();
}

QColor ToQColor(ARGB c)
{
    return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF), int((c >> 24) & 0xFF));
}

bool Finite(REAL v)
{
    return std::isfinite(v);
}

} // namespace

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output)
{
    if (token == nullptr || input == nullptr)
        return Status::InvalidParameter;
    if (input->GdiplusVersion != 1)
        return Status::UnsupportedGdiplusVersion;
    static ULONG_PTR next = 0;
    *token = ++next;
    LiveTokens().insert(*token);
    if (output != nullptr)
        *output = GdiplusStartupOutput {};
    return Status::Ok;
}

void GdiplusShutdown(ULONG_PTR token)
{
    LiveTokens().erase(token);
}

int GdiplusLiveTokens()
{
    return static_cast<int>(LiveTokens().size());
}

Status GdipCreateFromCanvas(vcl::TCanvas* canvas, GpGraphics** graphics)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (canvas == nullptr || graphics == nullptr)
        return Status::InvalidParameter;
    *graphics = new (std::nothrow) GpGraphics(canvas);
    return *graphics ? Status::Ok : Status::OutOfMemory;
}

Status GdipDeleteGraphics(GpGraphics* graphics)
{
    if (graphics == nullptr)
        return Status::InvalidParameter;
    delete graphics;
    return Status::Ok;
}

Status GdipCreatePath(FillMode mode, GpPath** path)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (path == nullptr)
        return Status::InvalidParameter;
    *path = new (std::nothrow) GpPath(mode);
    return *path ? Status::Ok : Status::OutOfMemory;
}

Status GdipDeletePath(GpPath* path)
{
    if (path == nullptr)
        return Status::InvalidParameter;
    delete path;
    return Status::Ok;
}

Status GdipAddPathCurveI(GpPath* path, const GpPoint* points, int count)
{
    return GdipAddPathCurve2I(path, points, count, 0.5f);
}

Status GdipAddPathCurve2I(GpPath* path, const GpPoint* points, int count, REAL tension)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (path == nullptr || points == nullptr || count < 2 || !Finite(tension))
        return Status::InvalidParameter;
    // Each segment Pi -> Pi+1 becomes a Bezier whose inner control points lie tension/3 of the
    // neighbours' chord away from the ends; the end points use themselves as missing neighbours.
    const double t = tension / 3.0;
    auto at = [&](int i) {
        i = i < 0 ? 0 : (i >= count ? count - 1 : i);
        return GpPointF { REAL(points[i].X), REAL(points[i].Y) };
    };
    path->Begin(at(0));
    for (int i = 0; i + 1 < count; ++i) {
        const GpPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        const GpPointF c1 { REAL(p1.X + t * (p2.X - p0.X)), REAL(p1.Y + t * (p2.Y - p0.Y)) };
        const GpPointF c2 { REAL(p2.X - t * (p3.X - p1.X)), REAL(p2.Y - t * (p3.Y - p1.Y)) };
        path->points.insert(path->points.end(), { c1, c2, p2 });
        path->types.insert(path->types.end(), 3, PathPointTypeBezier);
    }
    return Status::Ok;
}

Status GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (path == nullptr || !Finite(x1) || !Finite(y1) || !Finite(x2) || !Finite(y2))
        return Status::InvalidParameter;
    path->Begin(GpPointF { x1, y1 });
    path->points.push_back(GpPointF { x2, y2 });
    path->types.push_back(PathPointTypeLine);
    return Status::Ok;
}

Status GdipClosePathFigure(GpPath* path)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (path == nullptr)
        return Status::InvalidParameter;
    if (!path->types.empty())
        path->types.back() |= PathPointTypeCloseSubpath;
    return Status::Ok;
}

Status GdipGetPointCount(GpPath* path, int* count)
{
    if (path == nullptr || count == nullptr)
        return Status::InvalidParameter;
    *count = static_cast<int>(path->points.size());
    return Status::Ok;
}

Status GdipGetPathPoints(GpPath* path, GpPointF* points, int count)
{
    if (path == nullptr || points == nullptr || count < 0)
        return Status::InvalidParameter;
    if (static_cast<std::size_t>(count) < path->points.size())
        return Status::InsufficientBuffer;
    std::copy(path->points.begin(), path->points.end(), points);
    return Status::Ok;
}

Status GdipGetPathTypes(GpPath* path, std::uint8_t* types, int count)
{
    if (path == nullptr || types == nullptr || count < 0)
        return Status::InvalidParameter;
    if (static_cast<std::size_t>(count) < path->types.size())
        return Status::InsufficientBuffer;
    std::copy(path->types.begin(), path->types.end(), types);
    return Status::Ok;
}

Status GdipCreatePen1(ARGB colour, REAL width, Unit unit, GpPen** pen)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (pen == nullptr || !Finite(width) || width < 0 || unit == Unit::UnitDisplay)
        return Status::InvalidParameter;
    *pen = new (std::nothrow) GpPen(colour, width);
    return *pen ? Status::Ok : Status::OutOfMemory;
}

Status GdipDeletePen(GpPen* pen)
{
    if (pen == nullptr)
        return Status::InvalidParameter;
    delete pen;
    return Status::Ok;
}

Status GdipCreateSolidFill(ARGB colour, GpSolidFill** brush)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (brush == nullptr)
        return Status::InvalidParameter;
    *brush = new (std::nothrow) GpSolidFill(colour);
    return *brush ? Status::Ok : Status::OutOfMemory;
}

Status GdipDeleteBrush(GpBrush* brush)
{
    if (brush == nullptr)
        return Status::InvalidParameter;
    delete brush;
    return Status::Ok;
}

Status GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (graphics == nullptr || pen == nullptr || path == nullptr)
        return Status::InvalidParameter;
    const QPainterPath qpath = path->ToQt();
    QPen qpen(ToQColor(pen->colour));
    // A width below one pixel still draws one pixel, as a GDI+ pen does without antialiasing.
    qpen.setWidthF(pen->width < 1.0f ? 1.0 : pen->width);
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    graphics->WithPainter([&](QPainter& painter) {
        painter.setPen(qpen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(qpath);
    });
    return Status::Ok;
}

Status GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (graphics == nullptr || brush == nullptr || path == nullptr)
        return Status::InvalidParameter;
    const QPainterPath qpath = path->ToQt();
    graphics->WithPainter([&](QPainter& painter) { painter.fillPath(qpath, QBrush(ToQColor(brush->Colour()))); });
    return Status::Ok;
}

} // namespace gdiplus
