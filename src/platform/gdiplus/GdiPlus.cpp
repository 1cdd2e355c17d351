#include "platform/gdiplus/GdiPlus.h"

#include "platform/images/PictureFile.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/TFont.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <list>
#include <mutex>
#include <new>
#include <numbers>
#include <optional>
#include <set>
#include <vector>

namespace gdiplus {

namespace {

bool Finite(REAL v)
{
    return std::isfinite(v);
}

QColor ToQColor(ARGB c)
{
    return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF), int((c >> 24) & 0xFF));
}

// Larger than any surface: stands in for the infinite region in set operations.
QPainterPath InfinitePath()
{
    QPainterPath p;
    p.addRect(QRectF(-1.0e7, -1.0e7, 2.0e7, 2.0e7));
    return p;
}

// a combined with b by mode; nullopt is the infinite region.
std::optional<QPainterPath> Combine(const std::optional<QPainterPath>& a, const std::optional<QPainterPath>& b,
                                    CombineMode mode)
{
    const QPainterPath pa = a ? *a : InfinitePath();
    const QPainterPath pb = b ? *b : InfinitePath();
    switch (mode) {
    case CombineMode::CombineModeReplace:
        return b;
    case CombineMode::CombineModeIntersect:
        if (!a)
            return b;
        if (!b)
            return a;
        return pa.intersected(pb);
    case CombineMode::CombineModeUnion:
        if (!a || !b)
            return std::nullopt;
        return pa.united(pb);
    case CombineMode::CombineModeXor:
        return pa.subtracted(pb).united(pb.subtracted(pa));
    case CombineMode::CombineModeExclude:
        return pa.subtracted(pb);
    case CombineMode::CombineModeComplement:
        return pb.subtracted(pa);
    }
    return a;
}

} // namespace

// --- object types ---

class GpMatrix
{
public:
    QTransform t;
};

class GpPath
{
public:
    explicit GpPath(FillMode mode) : m_mode(mode) {}

    FillMode Mode() const { return m_mode; }
    void SetMode(FillMode mode) { m_mode = mode; }
    std::vector<GpPointF> points;
    std::vector<std::uint8_t> types;
    bool newFigure { false };

    bool FigureOpen() const
    {
        return !newFigure && !types.empty() && (types.back() & PathPointTypeCloseSubpath) == 0;
    }
    // The first point of a new element: a line from an open figure's end, else a figure start.
    void Begin(GpPointF p)
    {
        const bool open = FigureOpen();
        newFigure = false;
        points.push_back(p);
        types.push_back(open ? PathPointTypeLine : PathPointTypeStart);
    }
    void Line(GpPointF p)
    {
        points.push_back(p);
        types.push_back(PathPointTypeLine);
    }
    void Bezier(GpPointF c1, GpPointF c2, GpPointF e)
    {
        points.insert(points.end(), { c1, c2, e });
        types.insert(types.end(), 3, PathPointTypeBezier);
    }
    void Close()
    {
        if (!types.empty())
            types.back() |= PathPointTypeCloseSubpath;
    }
    // Appends an arc of the ellipse in (x, y, w, h), GDI+ angles (degrees clockwise from +x).
    void Arc(REAL x, REAL y, REAL w, REAL h, REAL start, REAL sweep)
    {
        const double cx = x + w / 2.0, cy = y + h / 2.0, rx = w / 2.0, ry = h / 2.0;
        auto at = [&](double deg) {
            // The angle is measured on the ellipse as drawn, not on its unit circle.
            const double a = deg * std::numbers::pi / 180.0;
            const double ex = std::atan2(std::sin(a) * rx, std::cos(a) * ry);
            return ex;
        };
        if (std::abs(sweep) >= 360.0f)
            sweep = sweep > 0 ? 360.0f : -360.0f;
        const int segments = std::max(1, int(std::ceil(std::abs(sweep) / 90.0 - 1e-6)));
        double t0 = at(start);
        // Unwrap the end parameter so that it follows the sweep's direction and size.
        double tEnd = at(start + sweep);
        const double sweepRad = sweep * std::numbers::pi / 180.0;
        while (sweepRad > 0 && tEnd < t0 + (sweepRad > 0 ? 0 : 0) - 1e-9)
            tEnd += 2 * std::numbers::pi;
        while (sweepRad < 0 && tEnd > t0 + 1e-9)
            tEnd -= 2 * std::numbers::pi;
        if (std::abs(std::abs(sweep) - 360.0f) < 1e-4f)
            tEnd = t0 + (sweep > 0 ? 2 : -2) * std::numbers::pi;
        auto pt = [&](double t) { return GpPointF { REAL(cx + rx * std::cos(t)), REAL(cy + ry * std::sin(t)) }; };
        Begin(pt(t0));
        const double step = (tEnd - t0) / segments;
        const double k = 4.0 / 3.0 * std::tan(step / 4.0);
        for (int i = 0; i < segments; ++i) {
            const double a0 = t0 + i * step, a1 = a0 + step;
            const GpPointF p0 = pt(a0), p3 = pt(a1);
            const GpPointF c1 { REAL(p0.X - k * rx * std::sin(a0)), REAL(p0.Y + k * ry * std::cos(a0)) };
            const GpPointF c2 { REAL(p3.X + k * rx * std::sin(a1)), REAL(p3.Y - k * ry * std::cos(a1)) };
            Bezier(c1, c2, p3);
        }
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

class GpRegion
{
public:
    std::optional<QPainterPath> path; // none: infinite
};

class GpImage
{
public:
    QImage pixels; // Format_ARGB32
    GUID format { ImageFormatMemoryBMP };
    PixelFormat pixelFormat { PixelFormat32bppARGB };
};

class GpImageAttributes
{
public:
    bool keyOn { false };
    ARGB keyLow { 0 };
    ARGB keyHigh { 0 };
    bool matrixOn { false };
    ColorMatrix matrix;
    bool gammaOn { false };
    REAL gamma { 1 };
    bool thresholdOn { false };
    REAL threshold { 0 };
    bool noOp { false };
    std::vector<ColorMap> remap;
    bool remapOn { false };

    QImage Apply(const QImage& source) const
    {
        if (noOp || (!keyOn && !matrixOn && !gammaOn && !thresholdOn && !remapOn))
            return source;
        QImage img = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                QRgb c = line[x];
                int r = qRed(c), g = qGreen(c), b = qBlue(c), a = qAlpha(c);
                if (remapOn) {
                    for (const ColorMap& m : remap)
                        if ((m.oldColor & 0xFFFFFFu) == (c & 0xFFFFFFu) && (m.oldColor >> 24) == ARGB(a)) {
                            r = int((m.newColor >> 16) & 0xFF);
                            g = int((m.newColor >> 8) & 0xFF);
                            b = int(m.newColor & 0xFF);
                            a = int(m.newColor >> 24);
                            break;
                        }
                }
                if (matrixOn) {
                    const double in[5] = { r / 255.0, g / 255.0, b / 255.0, a / 255.0, 1.0 };
                    double out[4] = {};
                    for (int j = 0; j < 4; ++j)
                        for (int i = 0; i < 5; ++i)
                            out[j] += in[i] * matrix.m[i][j];
                    auto to8 = [](double v) { return std::clamp(int(std::lround(v * 255.0)), 0, 255); };
                    r = to8(out[0]);
                    g = to8(out[1]);
                    b = to8(out[2]);
                    a = to8(out[3]);
                }
                if (thresholdOn) {
                    const int t = int(threshold * 255.0f);
                    r = r > t ? 255 : 0;
                    g = g > t ? 255 : 0;
                    b = b > t ? 255 : 0;
                }
                if (gammaOn && gamma > 0) {
                    auto gm = [&](int v) { return std::clamp(int(std::lround(255.0 * std::pow(v / 255.0, gamma))), 0, 255); };
                    r = gm(r);
                    g = gm(g);
                    b = gm(b);
                }
                if (keyOn) {
                    auto in = [](int v, int shift, ARGB lo, ARGB hi) {
                        return v >= int((lo >> shift) & 0xFF) && v <= int((hi >> shift) & 0xFF);
                    };
                    if (in(r, 16, keyLow, keyHigh) && in(g, 8, keyLow, keyHigh) && in(b, 0, keyLow, keyHigh))
                        a = 0;
                }
                line[x] = qRgba(r, g, b, a);
            }
        }
        return img;
    }
};

class GpFontFamily
{
public:
    QString name;   // as asked for
    QString family; // what renders it
};

class GpFont
{
public:
    QString family;
    QString name;
    REAL size { 0 };
    int style { 0 };
    Unit unit { Unit::UnitPoint };

    double EmPixels() const
    {
        switch (unit) {
        case Unit::UnitPoint:
            return size * 96.0 / 72.0;
        case Unit::UnitInch:
            return size * 96.0;
        case Unit::UnitDocument:
            return size * 96.0 / 300.0;
        case Unit::UnitMillimeter:
            return size * 96.0 / 25.4;
        default:
            return size;
        }
    }
    QFont Qt(bool antialias) const
    {
        QFont f(family);
        f.setPixelSize(std::max(1, int(std::lround(EmPixels()))));
        f.setBold(style & FontStyleBold);
        f.setItalic(style & FontStyleItalic);
        f.setUnderline(style & FontStyleUnderline);
        f.setStrikeOut(style & FontStyleStrikeout);
        f.setStyleStrategy(antialias ? QFont::PreferAntialias : QFont::NoAntialias);
        return f;
    }
};

class GpStringFormat
{
public:
    int flags { 0 };
    StringAlignment align { StringAlignment::StringAlignmentNear };
    StringAlignment lineAlign { StringAlignment::StringAlignmentNear };
    StringTrimming trimming { StringTrimming::StringTrimmingCharacter };
    HotkeyPrefix prefix { HotkeyPrefix::HotkeyPrefixNone };
};

class GpFontCollection
{
};

class GpBrush
{
public:
    BrushType type { BrushType::BrushTypeSolidColor };
    ARGB colour { 0 };
    // hatch
    HatchStyle hatch { HatchStyle::HatchStyleHorizontal };
    ARGB back { 0 };
    // texture
    QImage texture;
    WrapMode wrap { WrapMode::WrapModeTile };
    QTransform transform;
    // linear gradient, in a space mapped to the world by `transform`
    QPointF p1, p2;
    ARGB colour2 { 0 };
    bool gammaCorrection { false };
    std::vector<std::pair<REAL, ARGB>> blend;
    // path gradient
    QPainterPath path;
    int pointCount { 0 };
    QPointF centre;
    std::vector<ARGB> surround;

    QGradientStops Stops(bool reversed) const
    {
        std::vector<std::pair<double, ARGB>> keys;
        if (!blend.empty()) {
            for (const auto& [pos, c] : blend)
                keys.emplace_back(reversed ? 1.0 - pos : pos, c);
        } else {
            keys.emplace_back(0.0, colour);
            keys.emplace_back(1.0, colour2);
        }
        std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        QGradientStops stops;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (gammaCorrection && i + 1 < keys.size()) {
                // Interpolated in linear light: intermediate stops follow the gamma curve.
                const QColor a = ToQColor(keys[i].second), b = ToQColor(keys[i + 1].second);
                constexpr int n = 8;
                for (int k = 0; k < n; ++k) {
                    const double t = double(k) / n;
                    auto mix = [&](int ca, int cb) {
                        const double la = std::pow(ca / 255.0, 2.2), lb = std::pow(cb / 255.0, 2.2);
                        return int(std::lround(255.0 * std::pow(la + (lb - la) * t, 1 / 2.2)));
                    };
                    const QColor c(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()),
                                   int(std::lround(a.alpha() + (b.alpha() - a.alpha()) * t)));
                    stops.append({ keys[i].first + (keys[i + 1].first - keys[i].first) * t, c });
                }
            } else {
                stops.append({ keys[i].first, ToQColor(keys[i].second) });
            }
        }
        return stops;
    }

    // The colour of a path gradient at the fraction t (0 centre .. 1 outline).
    QColor PathColourAt(double t) const
    {
        if (!blend.empty()) {
            const double pos = 1.0 - t;
            std::vector<std::pair<REAL, ARGB>> keys = blend;
            std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
            if (pos <= keys.front().first)
                return ToQColor(keys.front().second);
            for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
                if (pos <= keys[i + 1].first) {
                    const double span = keys[i + 1].first - keys[i].first;
                    const double f = span > 0 ? (pos - keys[i].first) / span : 1.0;
                    return Lerp(keys[i].second, keys[i + 1].second, f);
                }
            }
            return ToQColor(keys.back().second);
        }
        return Lerp(colour, surround.empty() ? colour : surround.front(), t);
    }

    static QColor Lerp(ARGB a, ARGB b, double f)
    {
        const QColor ca = ToQColor(a), cb = ToQColor(b);
        auto m = [f](int x, int y) { return int(std::lround(x + (y - x) * f)); };
        return QColor(m(ca.red(), cb.red()), m(ca.green(), cb.green()), m(ca.blue(), cb.blue()), m(ca.alpha(), cb.alpha()));
    }

    // The path gradient's brush, the same picture again where the same gradient was painted lately
    // (a knob repainted in place): painting one costs more than the fill it serves.
    QBrush PathGradientBrush() const
    {
        struct Kept
        {
            QByteArray key;
            QBrush brush;
        };
        thread_local std::list<Kept> kept; // the last used first
        constexpr std::size_t keep = 32;
        const QByteArray key = PathGradientKey();
        const auto it = std::find_if(kept.begin(), kept.end(), [&](const Kept& k) { return k.key == key; });
        if (it != kept.end()) {
            kept.splice(kept.begin(), kept, it);
            return kept.front().brush;
        }
        kept.push_front({ key, PaintedPathGradientBrush() });
        if (kept.size() > keep)
            kept.pop_back();
        return kept.front().brush;
    }

    // Everything the path gradient's picture depends on.
    QByteArray PathGradientKey() const
    {
        QByteArray key;
        const auto add = [&key](auto value) { key.append(reinterpret_cast<const char*>(&value), sizeof value); };
        add(path.elementCount());
        add(static_cast<int>(path.fillRule()));
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            add(static_cast<int>(e.type));
            add(e.x);
            add(e.y);
        }
        add(centre.x());
        add(centre.y());
        add(colour);
        add(surround.empty() ? colour : surround.front());
        add(blend.size());
        for (const auto& [position, c] : blend) {
            add(position);
            add(c);
        }
        return key;
    }

    // The path gradient painted into an image over the path's bounds: the colour at a point is
    // taken along the ray from the centre to the outline; outside the path nothing is painted.
    QBrush PaintedPathGradientBrush() const
    {
        const QRectF bounds = path.boundingRect();
        if (bounds.isEmpty())
            return QBrush(Qt::transparent);
        const QPolygonF outline = path.toFillPolygon();
        // Outline distance from the centre per direction.
        constexpr int bins = 720;
        std::array<double, bins> reach {};
        for (int i = 0; i < bins; ++i) {
            const double a = 2 * std::numbers::pi * i / bins;
            const QPointF d(std::cos(a), std::sin(a));
            double best = 0;
            for (int k = 0; k + 1 < outline.size(); ++k) {
                const QPointF p = outline[k] - centre, q = outline[k + 1] - centre;
                const QPointF e = q - p;
                const double den = d.x() * e.y() - d.y() * e.x();
                if (std::abs(den) < 1e-12)
                    continue;
                const double s = (p.x() * e.y() - p.y() * e.x()) / den;      // along the ray
                const double u = (p.x() * d.y() - p.y() * d.x()) / den;      // along the edge
                if (s > 0 && u >= -1e-9 && u <= 1 + 1e-9)
                    best = std::max(best, s);
            }
            reach[i] = best;
        }
        // Colours along the ray, looked up rather than blended per pixel.
        constexpr int steps = 1024;
        std::vector<QRgb> lut(steps + 1);
        for (int i = 0; i <= steps; ++i) {
            const QColor c = PathColourAt(double(i) / steps);
            lut[std::size_t(i)] = qRgba(c.red(), c.green(), c.blue(), c.alpha());
        }
        const int x0 = int(std::floor(bounds.left())), y0 = int(std::floor(bounds.top()));
        const int w = std::min(4096, int(std::ceil(bounds.right())) - x0 + 1);
        const int h = std::min(4096, int(std::ceil(bounds.bottom())) - y0 + 1);
        QImage img(w, h, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        // Outside the path the fill itself is cut to the path (clamp), so every pixel gets a colour.
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const QPointF v = QPointF(x0 + x + 0.5, y0 + y + 0.5) - centre;
                const double dist = std::hypot(v.x(), v.y());
                double a = std::atan2(v.y(), v.x());
                if (a < 0)
                    a += 2 * std::numbers::pi;
                const double fbin = a / (2 * std::numbers::pi) * bins;
                const int b0 = int(fbin) % bins, b1 = (b0 + 1) % bins;
                const double fr = fbin - std::floor(fbin);
                const double r = reach[std::size_t(b0)] * (1 - fr) + reach[std::size_t(b1)] * fr;
                const double t = r > 0 ? std::min(1.0, dist / r) : 1.0;
                line[x] = lut[std::size_t(std::lround(t * steps))];
            }
        }
        QBrush b(img);
        b.setTransform(QTransform::fromTranslate(x0, y0));
        return b;
    }

    QBrush ToQt() const;
};

namespace {

// The 8 x 8 cell of a hatch style: one byte per row, bit 7 the leftmost pixel.
std::array<std::uint8_t, 8> HatchCell(HatchStyle style)
{
    using H = HatchStyle;
    switch (style) {
    case H::HatchStyleHorizontal: return { 0xFF, 0, 0, 0, 0, 0, 0, 0 };
    case H::HatchStyleVertical: return { 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80 };
    case H::HatchStyleForwardDiagonal: return { 0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01 };
    case H::HatchStyleBackwardDiagonal: return { 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80 };
    case H::HatchStyleCross: return { 0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80 };
    case H::HatchStyleDiagonalCross: return { 0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81 };
    case H::HatchStyle05Percent: return { 0x80, 0, 0, 0, 0x08, 0, 0, 0 };
    case H::HatchStyle10Percent: return { 0x80, 0, 0x08, 0, 0x80, 0, 0x08, 0 };
    case H::HatchStyle20Percent: return { 0x88, 0, 0x22, 0, 0x88, 0, 0x22, 0 };
    case H::HatchStyle25Percent: return { 0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22 };
    case H::HatchStyle30Percent: return { 0xAA, 0x44, 0xAA, 0x11, 0xAA, 0x44, 0xAA, 0x11 };
    case H::HatchStyle40Percent: return { 0xAA, 0x55, 0xAA, 0x51, 0xAA, 0x55, 0xAA, 0x15 };
    case H::HatchStyle50Percent: return { 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55 };
    case H::HatchStyle60Percent: return { 0xEE, 0x55, 0xBB, 0x55, 0xEE, 0x55, 0xBB, 0x55 };
    case H::HatchStyle70Percent: return { 0xEE, 0x77, 0xBB, 0xDD, 0xEE, 0x77, 0xBB, 0xDD };
    case H::HatchStyle75Percent: return { 0xEE, 0xFF, 0xBB, 0xFF, 0xEE, 0xFF, 0xBB, 0xFF };
    case H::HatchStyle80Percent: return { 0xF7, 0xFF, 0x7F, 0xFF, 0xF7, 0xFF, 0x7F, 0xFF };
    case H::HatchStyle90Percent: return { 0xFF, 0xFF, 0xF7, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF };
    case H::HatchStyleLightDownwardDiagonal: return { 0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11 };
    case H::HatchStyleLightUpwardDiagonal: return { 0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88 };
    case H::HatchStyleDarkDownwardDiagonal: return { 0xCC, 0x66, 0x33, 0x99, 0xCC, 0x66, 0x33, 0x99 };
    case H::HatchStyleDarkUpwardDiagonal: return { 0x33, 0x66, 0xCC, 0x99, 0x33, 0x66, 0xCC, 0x99 };
    case H::HatchStyleWideDownwardDiagonal: return { 0xC1, 0xE0, 0x70, 0x38, 0x1C, 0x0E, 0x07, 0x83 };
    case H::HatchStyleWideUpwardDiagonal: return { 0x83, 0x07, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xC1 };
    case H::HatchStyleLightVertical: return { 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88 };
    case H::HatchStyleLightHorizontal: return { 0xFF, 0, 0, 0, 0xFF, 0, 0, 0 };
    case H::HatchStyleNarrowVertical: return { 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA };
    case H::HatchStyleNarrowHorizontal: return { 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0 };
    case H::HatchStyleDarkVertical: return { 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC };
    case H::HatchStyleDarkHorizontal: return { 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0 };
    case H::HatchStyleDashedDownwardDiagonal: return { 0, 0, 0x88, 0x44, 0x22, 0x11, 0, 0 };
    case H::HatchStyleDashedUpwardDiagonal: return { 0, 0, 0x11, 0x22, 0x44, 0x88, 0, 0 };
    case H::HatchStyleDashedHorizontal: return { 0xF0, 0, 0, 0, 0x0F, 0, 0, 0 };
    case H::HatchStyleDashedVertical: return { 0x80, 0x80, 0x80, 0x80, 0x08, 0x08, 0x08, 0x08 };
    case H::HatchStyleSmallConfetti: return { 0x80, 0x08, 0x40, 0x02, 0x10, 0x01, 0x20, 0x04 };
    case H::HatchStyleLargeConfetti: return { 0xB1, 0x30, 0x03, 0x1B, 0xD8, 0xC0, 0x0C, 0x8D };
    case H::HatchStyleZigZag: return { 0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18 };
    case H::HatchStyleWave: return { 0, 0x18, 0xA4, 0x03, 0, 0x18, 0xA4, 0x03 };
    case H::HatchStyleDiagonalBrick: return { 0x01, 0x02, 0x04, 0x08, 0x18, 0x24, 0x42, 0x81 };
    case H::HatchStyleHorizontalBrick: return { 0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08 };
    case H::HatchStyleWeave: return { 0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51 };
    case H::HatchStylePlaid: return { 0xAA, 0x55, 0xAA, 0x55, 0xF0, 0xF0, 0xF0, 0xF0 };
    case H::HatchStyleDivot: return { 0, 0x20, 0x10, 0x20, 0, 0x04, 0x08, 0x04 };
    case H::HatchStyleDottedGrid: return { 0xAA, 0, 0x80, 0, 0x80, 0, 0x80, 0 };
    case H::HatchStyleDottedDiamond: return { 0x80, 0, 0x22, 0, 0x08, 0, 0x22, 0 };
    case H::HatchStyleShingle: return { 0x03, 0x84, 0x48, 0x30, 0x0C, 0x02, 0x01, 0x01 };
    case H::HatchStyleTrellis: return { 0xFF, 0x66, 0xFF, 0x99, 0xFF, 0x66, 0xFF, 0x99 };
    case H::HatchStyleSphere: return { 0x77, 0x89, 0x8F, 0x8F, 0x77, 0x98, 0xF8, 0xF8 };
    case H::HatchStyleSmallGrid: return { 0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88 };
    case H::HatchStyleSmallCheckerBoard: return { 0x99, 0x66, 0x66, 0x99, 0x99, 0x66, 0x66, 0x99 };
    case H::HatchStyleLargeCheckerBoard: return { 0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F };
    case H::HatchStyleOutlinedDiamond: return { 0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41, 0x80 };
    case H::HatchStyleSolidDiamond: return { 0x08, 0x1C, 0x3E, 0x7F, 0x3E, 0x1C, 0x08, 0 };
    default: return { 0xFF, 0, 0, 0, 0, 0, 0, 0 };
    }
}



QGradient::Spread SpreadOf(WrapMode mode)
{
    switch (mode) {
    case WrapMode::WrapModeTile:
        return QGradient::RepeatSpread;
    case WrapMode::WrapModeClamp:
        return QGradient::PadSpread;
    default:
        return QGradient::ReflectSpread;
    }
}

} // namespace

QBrush GpBrush::ToQt() const
{
    switch (type) {
    case BrushType::BrushTypeSolidColor:
        return QBrush(ToQColor(colour));
    case BrushType::BrushTypeHatchFill: {
        QImage cell(8, 8, QImage::Format_ARGB32);
        const auto rows = HatchCell(hatch);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                cell.setPixel(x, y, (rows[y] & (0x80 >> x)) ? colour : back);
        return QBrush(cell);
    }
    case BrushType::BrushTypeTextureFill: {
        QImage tile = texture;
        if (wrap == WrapMode::WrapModeTileFlipX || wrap == WrapMode::WrapModeTileFlipY
            || wrap == WrapMode::WrapModeTileFlipXY) {
            const bool fx = wrap != WrapMode::WrapModeTileFlipY, fy = wrap != WrapMode::WrapModeTileFlipX;
            QImage big(texture.width() * (fx ? 2 : 1), texture.height() * (fy ? 2 : 1), QImage::Format_ARGB32);
            big.fill(Qt::transparent);
            QPainter p(&big);
            p.drawImage(0, 0, texture);
            if (fx)
                p.drawImage(texture.width(), 0, texture.mirrored(true, false));
            if (fy)
                p.drawImage(0, texture.height(), texture.mirrored(false, true));
            if (fx && fy)
                p.drawImage(texture.width(), texture.height(), texture.mirrored(true, true));
            p.end();
            tile = big;
        }
        QBrush b(tile);
        b.setTransform(transform);
        return b;
    }
    case BrushType::BrushTypeLinearGradient: {
        QLinearGradient g(p1, p2);
        g.setStops(Stops(false));
        g.setSpread(SpreadOf(wrap));
        QBrush b(g);
        b.setTransform(transform);
        return b;
    }
    case BrushType::BrushTypePathGradient:
        return PathGradientBrush();
    }
    return QBrush(Qt::NoBrush);
}

class GpPen
{
public:
    GpPen(ARGB colour, REAL width) : width(width) { brush.colour = colour; }
    GpBrush brush;
    REAL width;
    DashStyle dash { DashStyle::DashStyleSolid };
    PenAlignment alignment { PenAlignment::PenAlignmentCenter };
    LineCap startCap { LineCap::LineCapFlat };
    LineCap endCap { LineCap::LineCapFlat };

    QPen ToQt(bool antialias) const
    {
        QPen pen(brush.ToQt(), width < 1.0f && !antialias ? 1.0 : std::max<double>(width, antialias ? 0.0 : 1.0));
        if (width <= 0.0f)
            pen.setWidthF(1.0);
        Qt::PenCapStyle cap = Qt::FlatCap;
        if (endCap == LineCap::LineCapRound || endCap == LineCap::LineCapRoundAnchor)
            cap = Qt::RoundCap;
        else if (endCap == LineCap::LineCapSquare || endCap == LineCap::LineCapSquareAnchor)
            cap = Qt::SquareCap;
        pen.setCapStyle(cap);
        pen.setJoinStyle(Qt::MiterJoin);
        switch (dash) {
        case DashStyle::DashStyleDash:
            pen.setDashPattern({ 3, 1 });
            break;
        case DashStyle::DashStyleDot:
            pen.setDashPattern({ 1, 1 });
            break;
        case DashStyle::DashStyleDashDot:
            pen.setDashPattern({ 3, 1, 1, 1 });
            break;
        case DashStyle::DashStyleDashDotDot:
            pen.setDashPattern({ 3, 1, 1, 1, 1, 1 });
            break;
        default:
            break;
        }
        return pen;
    }
};

class GpGraphics
{
public:
    explicit GpGraphics(vcl::TCanvas* canvas) : m_canvas(canvas) {}
    explicit GpGraphics(GpImage* image) : m_image(image) {}

    SmoothingMode smoothing { SmoothingMode::SmoothingModeDefault };
    TextRenderingHint textHint { TextRenderingHint::TextRenderingHintSystemDefault };
    CompositingQuality quality { CompositingQuality::CompositingQualityDefault };
    QTransform world;
    std::optional<QPainterPath> clip; // device coordinates; none: everywhere
    std::unique_ptr<vcl::TCanvas> dc;

    vcl::TCanvas* Canvas() const { return m_canvas; }
    GpImage* Image() const { return m_image; }
    bool Antialias() const
    {
        return smoothing == SmoothingMode::SmoothingModeAntiAlias || smoothing == SmoothingMode::SmoothingModeAntiAlias8x8
            || smoothing == SmoothingMode::SmoothingModeHighQuality;
    }

    // Runs fn with a painter set up for the surface, the clip and the world transform. Vector
    // drawing with antialiasing puts pixel centres on integer coordinates, as GDI+ does.
    template <typename Fn>
    bool WithPainter(bool vector, Fn&& fn)
    {
        auto setUp = [&](QPainter& painter, bool combine) {
            if (m_canvas != nullptr && m_canvas->ClipRegion())
                painter.setClipRegion(*m_canvas->ClipRegion(), Qt::IntersectClip);
            if (clip)
                painter.setClipPath(*clip, Qt::IntersectClip);
            const bool aa = vector && Antialias();
            painter.setRenderHint(QPainter::Antialiasing, aa);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            QTransform t = world;
            if (aa)
                t = t * QTransform::fromTranslate(0.5, 0.5);
            painter.setTransform(t, combine);
        };
        QImage* image = m_image ? &m_image->pixels : (m_canvas ? m_canvas->Image() : nullptr);
        if (image != nullptr && !image->isNull()) {
            QPainter painter(image);
            setUp(painter, false);
            fn(painter);
            return true;
        }
        if (m_canvas != nullptr) {
            if (QPainter* painter = m_canvas->Painter()) {
                painter->save();
                setUp(*painter, true);
                fn(*painter);
                painter->restore();
                return true;
            }
        }
        return false;
    }

private:
    vcl::TCanvas* m_canvas { nullptr };
    GpImage* m_image { nullptr };
};

namespace {

// Never destroyed: start-ups held by static objects shut down during the program's exit.
std::set<ULONG_PTR>& LiveTokens()
{
    static auto* tokens = new std::set<ULONG_PTR>;
    return *tokens;
}

bool Started()
{
    return !LiveTokens().empty();
}

#define GP_STARTED()                                                                                                   \
    do {                                                                                                               \
        if (!Started())                                                                                                \
            return Status::GdiplusNotInitialized;                                                                      \
    } while (false)

template <typename T, typename... Args>
Status Create(T** out, Args&&... args)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (out == nullptr)
        return Status::InvalidParameter;
    *out = new (std::nothrow) T(std::forward<Args>(args)...);
    return *out ? Status::Ok : Status::OutOfMemory;
}

template <typename T>
Status Delete(T* object)
{
    if (object == nullptr)
        return Status::InvalidParameter;
    delete object;
    return Status::Ok;
}

// Fills a shape with a brush; a path gradient paints only inside its own path.
Status FillShape(GpGraphics* graphics, GpBrush* brush, QPainterPath shape)
{
    GP_STARTED();
    if (graphics == nullptr || brush == nullptr)
        return Status::InvalidParameter;
    if (brush->type == BrushType::BrushTypePathGradient && brush->wrap == WrapMode::WrapModeClamp)
        shape = shape.intersected(brush->path);
    const QBrush qbrush = brush->ToQt();
    graphics->WithPainter(true, [&](QPainter& painter) { painter.fillPath(shape, qbrush); });
    return Status::Ok;
}

Status StrokeShape(GpGraphics* graphics, GpPen* pen, const QPainterPath& shape, bool closed)
{
    GP_STARTED();
    if (graphics == nullptr || pen == nullptr)
        return Status::InvalidParameter;
    graphics->WithPainter(true, [&](QPainter& painter) {
        QPen qpen = pen->ToQt(graphics->Antialias());
        if (pen->alignment == PenAlignment::PenAlignmentInset && closed) {
            // The inner half of a pen twice as wide.
            painter.setClipPath(painter.transform().map(shape), Qt::IntersectClip);
            qpen.setWidthF(qpen.widthF() * 2);
        }
        painter.setPen(qpen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    });
    return Status::Ok;
}

QPainterPath RectPath(REAL x, REAL y, REAL w, REAL h)
{
    QPainterPath p;
    p.addRect(QRectF(x, y, w, h));
    return p;
}

QPainterPath EllipsePath(REAL x, REAL y, REAL w, REAL h)
{
    GpPath path(FillMode::FillModeAlternate);
    path.Arc(x, y, w, h, 0, 360);
    path.Close();
    return path.ToQt();
}

QPolygonF Polygon(const GpPointF* points, int count)
{
    QPolygonF poly;
    for (int i = 0; i < count; ++i)
        poly << QPointF(points[i].X, points[i].Y);
    return poly;
}

bool AllFinite(std::initializer_list<REAL> values)
{
    return std::all_of(values.begin(), values.end(), [](REAL v) { return Finite(v); });
}

// The pixel format the file holds, read from its header.
PixelFormat ProbePixelFormat(const QByteArray& bytes, vcl::TPictureFormat format, const QImage& decoded)
{
    const auto* d = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const bool alpha = decoded.hasAlphaChannel();
    switch (format) {
    case vcl::TPictureFormat::pfBmp: {
        const int bits = bytes.size() > 29 ? d[28] | (d[29] << 8) : 24;
        switch (bits) {
        case 1: return PixelFormat1bppIndexed;
        case 4: return PixelFormat4bppIndexed;
        case 8: return PixelFormat8bppIndexed;
        case 16: return PixelFormat16bppRGB555;
        case 32: return alpha ? PixelFormat32bppARGB : PixelFormat32bppRGB;
        default: return PixelFormat24bppRGB;
        }
    }
    case vcl::TPictureFormat::pfPng: {
        const int depth = bytes.size() > 25 ? d[24] : 8;
        const int type = bytes.size() > 25 ? d[25] : 2;
        if (type == 3 && !alpha)
            return depth == 1 ? PixelFormat1bppIndexed : depth == 4 ? PixelFormat4bppIndexed : PixelFormat8bppIndexed;
        if (type == 2 && !alpha && depth == 8)
            return PixelFormat24bppRGB;
        return PixelFormat32bppARGB;
    }
    default:
        return PixelFormat24bppRGB;
    }
}

bool IsAlphaFormat(PixelFormat f)
{
    return (f & PixelFormatAlpha) != 0;
}

} // namespace

// --- start-up ---

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

void* GdipAlloc(std::size_t size)
{
    return Started() ? std::malloc(size == 0 ? 1 : size) : nullptr;
}

void GdipFree(void* ptr)
{
    std::free(ptr);
}

// --- graphics ---

Status GdipCreateFromCanvas(vcl::TCanvas* canvas, GpGraphics** graphics)
{
    if (!Started())
        return Status::GdiplusNotInitialized;
    if (canvas == nullptr)
        return Status::InvalidParameter;
    return Create(graphics, canvas);
}

Status GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics)
{
    GP_STARTED();
    if (image == nullptr)
        return Status::InvalidParameter;
    if (image->pixelFormat & PixelFormatIndexed)
        return Status::OutOfMemory; // an indexed image cannot be drawn on
    return Create(graphics, image);
}

Status GdipDeleteGraphics(GpGraphics* graphics)
{
    return Delete(graphics);
}

Status GdipFlush(GpGraphics* graphics, FlushIntention)
{
    GP_STARTED();
    return graphics ? Status::Ok : Status::InvalidParameter;
}

Status GdipGraphicsClear(GpGraphics* graphics, ARGB colour)
{
    GP_STARTED();
    if (graphics == nullptr)
        return Status::InvalidParameter;
    graphics->WithPainter(false, [&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.resetTransform();
        painter.fillRect(QRectF(-1.0e6, -1.0e6, 2.0e6, 2.0e6), ToQColor(colour));
    });
    return Status::Ok;
}

Status GdipGetDC(GpGraphics* graphics, vcl::TCanvas** canvas)
{
    GP_STARTED();
    if (graphics == nullptr || canvas == nullptr)
        return Status::InvalidParameter;
    if (graphics->Canvas() != nullptr) {
        *canvas = graphics->Canvas();
        return Status::Ok;
    }
    if (graphics->dc)
        return Status::ObjectBusy;
    graphics->dc = std::make_unique<vcl::TCanvas>();
    graphics->dc->BindImage(&graphics->Image()->pixels);
    *canvas = graphics->dc.get();
    return Status::Ok;
}

Status GdipReleaseDC(GpGraphics* graphics, vcl::TCanvas* canvas)
{
    GP_STARTED();
    if (graphics == nullptr || canvas == nullptr)
        return Status::InvalidParameter;
    if (graphics->Canvas() != nullptr)
        return canvas == graphics->Canvas() ? Status::Ok : Status::InvalidParameter;
    if (canvas != graphics->dc.get())
        return Status::InvalidParameter;
    graphics->dc.reset();
    return Status::Ok;
}

Status GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode mode)
{
    GP_STARTED();
    if (graphics == nullptr || int(mode) < 0 || int(mode) > 5)
        return Status::InvalidParameter;
    graphics->smoothing = mode;
    return Status::Ok;
}

Status GdipGetSmoothingMode(GpGraphics* graphics, SmoothingMode* mode)
{
    GP_STARTED();
    if (graphics == nullptr || mode == nullptr)
        return Status::InvalidParameter;
    *mode = graphics->smoothing;
    return Status::Ok;
}

Status GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint hint)
{
    GP_STARTED();
    if (graphics == nullptr || int(hint) < 0 || int(hint) > 5)
        return Status::InvalidParameter;
    graphics->textHint = hint;
    return Status::Ok;
}

Status GdipGetTextRenderingHint(GpGraphics* graphics, TextRenderingHint* hint)
{
    GP_STARTED();
    if (graphics == nullptr || hint == nullptr)
        return Status::InvalidParameter;
    *hint = graphics->textHint;
    return Status::Ok;
}

Status GdipSetCompositingQuality(GpGraphics* graphics, CompositingQuality quality)
{
    GP_STARTED();
    if (graphics == nullptr || int(quality) < 0 || int(quality) > 4)
        return Status::InvalidParameter;
    graphics->quality = quality;
    return Status::Ok;
}

Status GdipGetCompositingQuality(GpGraphics* graphics, CompositingQuality* quality)
{
    GP_STARTED();
    if (graphics == nullptr || quality == nullptr)
        return Status::InvalidParameter;
    *quality = graphics->quality;
    return Status::Ok;
}

Status GdipSetWorldTransform(GpGraphics* graphics, GpMatrix* matrix)
{
    GP_STARTED();
    if (graphics == nullptr || matrix == nullptr)
        return Status::InvalidParameter;
    graphics->world = matrix->t;
    return Status::Ok;
}

Status GdipResetWorldTransform(GpGraphics* graphics)
{
    GP_STARTED();
    if (graphics == nullptr)
        return Status::InvalidParameter;
    graphics->world = QTransform();
    return Status::Ok;
}

Status GdipGetWorldTransform(GpGraphics* graphics, GpMatrix* matrix)
{
    GP_STARTED();
    if (graphics == nullptr || matrix == nullptr)
        return Status::InvalidParameter;
    matrix->t = graphics->world;
    return Status::Ok;
}

namespace {
Status SetClip(GpGraphics* graphics, const std::optional<QPainterPath>& worldShape, CombineMode mode)
{
    std::optional<QPainterPath> device;
    if (worldShape)
        device = graphics->world.map(*worldShape);
    graphics->clip = Combine(graphics->clip, device, mode);
    return Status::Ok;
}
} // namespace

Status GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, CombineMode mode)
{
    GP_STARTED();
    if (graphics == nullptr || !AllFinite({ x, y, width, height }))
        return Status::InvalidParameter;
    return SetClip(graphics, RectPath(x, y, width, height), mode);
}

Status GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, CombineMode mode)
{
    GP_STARTED();
    if (graphics == nullptr || region == nullptr)
        return Status::InvalidParameter;
    return SetClip(graphics, region->path, mode);
}

Status GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode mode)
{
    GP_STARTED();
    if (graphics == nullptr || path == nullptr)
        return Status::InvalidParameter;
    return SetClip(graphics, path->ToQt(), mode);
}

Status GdipResetClip(GpGraphics* graphics)
{
    GP_STARTED();
    if (graphics == nullptr)
        return Status::InvalidParameter;
    graphics->clip.reset();
    return Status::Ok;
}

Status GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    if (!AllFinite({ x1, y1, x2, y2 }))
        return Status::InvalidParameter;
    QPainterPath p;
    p.moveTo(x1, y1);
    p.lineTo(x2, y2);
    return StrokeShape(graphics, pen, p, false);
}

Status GdipDrawLines(GpGraphics* graphics, GpPen* pen, const GpPointF* points, int count)
{
    if (points == nullptr || count < 2)
        return Status::InvalidParameter;
    QPainterPath p;
    p.addPolygon(Polygon(points, count));
    return StrokeShape(graphics, pen, p, false);
}

Status GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                   REAL sweepAngle)
{
    if (!AllFinite({ x, y, width, height, startAngle, sweepAngle }))
        return Status::InvalidParameter;
    GpPath path(FillMode::FillModeAlternate);
    path.Arc(x, y, width, height, startAngle, sweepAngle);
    return StrokeShape(graphics, pen, path.ToQt(), false);
}

Status GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height)
{
    if (!AllFinite({ x, y, width, height }))
        return Status::InvalidParameter;
    return StrokeShape(graphics, pen, EllipsePath(x, y, width, height), true);
}

Status GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height)
{
    if (!AllFinite({ x, y, width, height }))
        return Status::InvalidParameter;
    return StrokeShape(graphics, pen, RectPath(x, y, width, height), true);
}

Status GdipDrawPolygon(GpGraphics* graphics, GpPen* pen, const GpPointF* points, int count)
{
    if (points == nullptr || count < 2)
        return Status::InvalidParameter;
    QPainterPath p;
    p.addPolygon(Polygon(points, count));
    p.closeSubpath();
    return StrokeShape(graphics, pen, p, true);
}

Status GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path)
{
    GP_STARTED();
    if (path == nullptr)
        return Status::InvalidParameter;
    return StrokeShape(graphics, pen, path->ToQt(), true);
}

Status GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height)
{
    if (!AllFinite({ x, y, width, height }))
        return Status::InvalidParameter;
    return FillShape(graphics, brush, RectPath(x, y, width, height));
}

Status GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height)
{
    if (!AllFinite({ x, y, width, height }))
        return Status::InvalidParameter;
    return FillShape(graphics, brush, EllipsePath(x, y, width, height));
}

Status GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const GpPointF* points, int count, FillMode mode)
{
    if (points == nullptr || count < 3)
        return Status::InvalidParameter;
    QPainterPath p;
    p.setFillRule(mode == FillMode::FillModeAlternate ? Qt::OddEvenFill : Qt::WindingFill);
    p.addPolygon(Polygon(points, count));
    p.closeSubpath();
    return FillShape(graphics, brush, p);
}

Status GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path)
{
    GP_STARTED();
    if (path == nullptr)
        return Status::InvalidParameter;
    return FillShape(graphics, brush, path->ToQt());
}

Status GdipFillRegion(GpGraphics* graphics, GpBrush* brush, GpRegion* region)
{
    GP_STARTED();
    if (region == nullptr)
        return Status::InvalidParameter;
    return FillShape(graphics, brush, region->path ? *region->path : InfinitePath());
}

Status GdipDrawImage(GpGraphics* graphics, GpImage* image, REAL x, REAL y)
{
    if (image == nullptr)
        return Started() ? Status::InvalidParameter : Status::GdiplusNotInitialized;
    return GdipDrawImageRectRect(graphics, image, x, y, REAL(image->pixels.width()), REAL(image->pixels.height()), 0, 0,
                                 REAL(image->pixels.width()), REAL(image->pixels.height()), Unit::UnitPixel, nullptr);
}

Status GdipDrawImageI(GpGraphics* graphics, GpImage* image, int x, int y)
{
    return GdipDrawImage(graphics, image, REAL(x), REAL(y));
}

Status GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height)
{
    if (image == nullptr)
        return Started() ? Status::InvalidParameter : Status::GdiplusNotInitialized;
    return GdipDrawImageRectRect(graphics, image, x, y, width, height, 0, 0, REAL(image->pixels.width()),
                                 REAL(image->pixels.height()), Unit::UnitPixel, nullptr);
}

Status GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty, REAL dstwidth,
                             REAL dstheight, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, Unit srcUnit,
                             GpImageAttributes* attributes)
{
    GP_STARTED();
    if (graphics == nullptr || image == nullptr || !AllFinite({ dstx, dsty, dstwidth, dstheight, srcx, srcy, srcwidth, srcheight }))
        return Status::InvalidParameter;
    if (srcUnit != Unit::UnitPixel && srcUnit != Unit::UnitWorld)
        return Status::NotImplemented;
    if (image->pixels.isNull())
        return Status::InvalidParameter;
    const QImage pixels = attributes ? attributes->Apply(image->pixels) : image->pixels;
    graphics->WithPainter(false, [&](QPainter& painter) {
        painter.drawImage(QRectF(dstx, dsty, dstwidth, dstheight), pixels, QRectF(srcx, srcy, srcwidth, srcheight));
    });
    return Status::Ok;
}

namespace {

int TextFlags(const GpStringFormat* format, bool wrap)
{
    int flags = 0;
    const StringAlignment a = format ? format->align : StringAlignment::StringAlignmentNear;
    const StringAlignment l = format ? format->lineAlign : StringAlignment::StringAlignmentNear;
    flags |= a == StringAlignment::StringAlignmentCenter ? Qt::AlignHCenter
        : a == StringAlignment::StringAlignmentFar       ? Qt::AlignRight
                                                         : Qt::AlignLeft;
    flags |= l == StringAlignment::StringAlignmentCenter ? Qt::AlignVCenter
        : l == StringAlignment::StringAlignmentFar       ? Qt::AlignBottom
                                                         : Qt::AlignTop;
    if (wrap)
        flags |= Qt::TextWordWrap;
    const HotkeyPrefix prefix = format ? format->prefix : HotkeyPrefix::HotkeyPrefixNone;
    if (prefix == HotkeyPrefix::HotkeyPrefixShow)
        flags |= Qt::TextShowMnemonic;
    else if (prefix == HotkeyPrefix::HotkeyPrefixHide)
        flags |= Qt::TextHideMnemonic;
    return flags;
}

// Where a text goes: its box (with GDI+'s sixth-of-an-em margin on either side) and the
// rectangle and flags the painter draws it with.
struct TextLayout
{
    QRectF box;
    QRectF drawRect;
    int flags { 0 };
    QString text;
    bool clip { false };
    QRectF clipRect;
    int lines { 0 };
};

TextLayout LayOut(const QString& fullText, int length, const GpFont& font, const QFont& qfont, const GpRectF& layout,
                  const GpStringFormat* format)
{
    TextLayout t;
    t.text = length < 0 ? fullText : fullText.left(length);
    const int fmtFlags = format ? format->flags : 0;
    const double pad = font.EmPixels() / 6.0;
    const bool sized = layout.Width > 0 && layout.Height > 0;
    const bool hasWidth = layout.Width > 0;
    const bool wrap = hasWidth && (fmtFlags & StringFormatFlagsNoWrap) == 0;
    t.flags = TextFlags(format, wrap);
    const QFontMetricsF fm(qfont);
    const StringTrimming trimming = format ? format->trimming : StringTrimming::StringTrimmingCharacter;
    if (hasWidth && !wrap && (trimming == StringTrimming::StringTrimmingEllipsisCharacter
                              || trimming == StringTrimming::StringTrimmingEllipsisWord)) {
        t.text = fm.elidedText(t.text, Qt::ElideRight, std::max(0.0, layout.Width - 2 * pad));
    } else if (hasWidth && !wrap && trimming == StringTrimming::StringTrimmingEllipsisPath) {
        t.text = fm.elidedText(t.text, Qt::ElideMiddle, std::max(0.0, layout.Width - 2 * pad));
    }
    const double innerWidth = hasWidth ? std::max(0.0, layout.Width - 2 * pad) : 1.0e6;
    const QRectF measured = fm.boundingRect(QRectF(0, 0, innerWidth, 1.0e6), (t.flags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter | Qt::AlignBottom)) | Qt::AlignLeft | Qt::AlignTop, t.text);
    const double lineSpacing = fm.lineSpacing();
    t.lines = t.text.isEmpty() ? 0 : std::max(1, int(std::lround(measured.height() / lineSpacing)));
    double w = t.text.isEmpty() ? 0 : measured.width() + 2 * pad;
    double h = t.text.isEmpty() ? 0 : std::max(measured.height(), lineSpacing * t.lines);
    if (hasWidth)
        w = std::min<double>(w, layout.Width);
    if (sized && (fmtFlags & StringFormatFlagsLineLimit))
        h = std::min<double>(h, layout.Height);
    const StringAlignment a = format ? format->align : StringAlignment::StringAlignmentNear;
    const StringAlignment l = format ? format->lineAlign : StringAlignment::StringAlignmentNear;
    auto place = [](double origin, double span, double size, StringAlignment al, bool hasSpan) {
        if (!hasSpan)
            span = 0;
        switch (al) {
        case StringAlignment::StringAlignmentCenter:
            return origin + (span - size) / 2;
        case StringAlignment::StringAlignmentFar:
            return origin + span - size;
        default:
            return origin;
        }
    };
    const double x = place(layout.X, layout.Width, w, a, hasWidth);
    const double y = place(layout.Y, layout.Height, h, l, layout.Height > 0);
    t.box = QRectF(x, y, w, h);
    t.drawRect = QRectF(x + pad, y, std::max(0.0, w - 2 * pad) + 1.0, h + 1.0);
    if (hasWidth && wrap)
        t.drawRect = QRectF(layout.X + pad, y, innerWidth, h + 1.0);
    t.clip = sized && (fmtFlags & StringFormatFlagsNoClip) == 0;
    t.clipRect = QRectF(layout.X, layout.Y, layout.Width, layout.Height);
    return t;
}

bool TextAntialias(TextRenderingHint hint)
{
    return hint != TextRenderingHint::TextRenderingHintSingleBitPerPixel
        && hint != TextRenderingHint::TextRenderingHintSingleBitPerPixelGridFit;
}

} // namespace

Status GdipMeasureString(GpGraphics* graphics, const QString& text, int length, GpFont* font,
                         const GpRectF* layoutRect, GpStringFormat* format, GpRectF* boundingBox,
                         int* codepointsFitted, int* linesFilled)
{
    GP_STARTED();
    if (graphics == nullptr || font == nullptr || layoutRect == nullptr || boundingBox == nullptr)
        return Status::InvalidParameter;
    const QFont qfont = font->Qt(TextAntialias(graphics->textHint));
    const TextLayout t = LayOut(text, length, *font, qfont, *layoutRect, format);
    *boundingBox = GpRectF { REAL(t.box.x()), REAL(t.box.y()), REAL(t.box.width()), REAL(t.box.height()) };
    if (codepointsFitted)
        *codepointsFitted = int(length < 0 ? text.size() : std::min<qsizetype>(length, text.size()));
    if (linesFilled)
        *linesFilled = t.lines;
    return Status::Ok;
}

Status GdipDrawString(GpGraphics* graphics, const QString& text, int length, GpFont* font,
                      const GpRectF* layoutRect, GpStringFormat* format, GpBrush* brush)
{
    GP_STARTED();
    if (graphics == nullptr || font == nullptr || layoutRect == nullptr || brush == nullptr)
        return Status::InvalidParameter;
    const QFont qfont = font->Qt(TextAntialias(graphics->textHint));
    const TextLayout t = LayOut(text, length, *font, qfont, *layoutRect, format);
    if (t.text.isEmpty())
        return Status::Ok;
    const QBrush qbrush = brush->ToQt();
    graphics->WithPainter(false, [&](QPainter& painter) {
        if (t.clip)
            painter.setClipRect(t.clipRect, Qt::IntersectClip);
        painter.setFont(qfont);
        painter.setPen(QPen(qbrush, 1));
        painter.drawText(t.drawRect, t.flags, t.text);
    });
    return Status::Ok;
}

// --- paths ---

Status GdipCreatePath(FillMode mode, GpPath** path)
{
    return Create(path, mode);
}

Status GdipDeletePath(GpPath* path)
{
    return Delete(path);
}

Status GdipResetPath(GpPath* path)
{
    GP_STARTED();
    if (path == nullptr)
        return Status::InvalidParameter;
    path->points.clear();
    path->types.clear();
    path->newFigure = false;
    path->SetMode(FillMode::FillModeAlternate);
    return Status::Ok;
}

Status GdipGetPathFillMode(GpPath* path, FillMode* mode)
{
    GP_STARTED();
    if (path == nullptr || mode == nullptr)
        return Status::InvalidParameter;
    *mode = path->Mode();
    return Status::Ok;
}

Status GdipSetPathFillMode(GpPath* path, FillMode mode)
{
    GP_STARTED();
    if (path == nullptr)
        return Status::InvalidParameter;
    path->SetMode(mode);
    return Status::Ok;
}

Status GdipAddPathCurve(GpPath* path, const GpPointF* points, int count)
{
    return GdipAddPathCurve2(path, points, count, 0.5f);
}

Status GdipAddPathCurve2(GpPath* path, const GpPointF* points, int count, REAL tension)
{
    GP_STARTED();
    if (path == nullptr || points == nullptr || count < 2 || !Finite(tension))
        return Status::InvalidParameter;
    // Each segment Pi -> Pi+1 becomes a Bezier whose inner control points lie tension/3 of the
    // neighbours' chord away from the ends; the end points use themselves as missing neighbours.
    const double t = tension / 3.0;
    auto at = [&](int i) { return points[i < 0 ? 0 : (i >= count ? count - 1 : i)]; };
    path->Begin(at(0));
    for (int i = 0; i + 1 < count; ++i) {
        const GpPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        const GpPointF c1 { REAL(p1.X + t * (p2.X - p0.X)), REAL(p1.Y + t * (p2.Y - p0.Y)) };
        const GpPointF c2 { REAL(p2.X - t * (p3.X - p1.X)), REAL(p2.Y - t * (p3.Y - p1.Y)) };
        path->Bezier(c1, c2, p2);
    }
    return Status::Ok;
}

Status GdipAddPathCurveI(GpPath* path, const GpPoint* points, int count)
{
    return GdipAddPathCurve2I(path, points, count, 0.5f);
}

Status GdipAddPathCurve2I(GpPath* path, const GpPoint* points, int count, REAL tension)
{
    if (points == nullptr || count < 2)
        return Started() ? Status::InvalidParameter : Status::GdiplusNotInitialized;
    std::vector<GpPointF> f;
    for (int i = 0; i < count; ++i)
        f.push_back(GpPointF { REAL(points[i].X), REAL(points[i].Y) });
    return GdipAddPathCurve2(path, f.data(), count, tension);
}

Status GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2)
{
    GP_STARTED();
    if (path == nullptr || !AllFinite({ x1, y1, x2, y2 }))
        return Status::InvalidParameter;
    const bool open = path->FigureOpen();
    path->newFigure = false;
    // The start point always goes in (a line of its own from the figure's end).
    path->points.push_back(GpPointF { x1, y1 });
    path->types.push_back(open ? PathPointTypeLine : PathPointTypeStart);
    path->Line(GpPointF { x2, y2 });
    return Status::Ok;
}

Status GdipAddPathLine2(GpPath* path, const GpPointF* points, int count)
{
    GP_STARTED();
    if (path == nullptr || points == nullptr || count < 1)
        return Status::InvalidParameter;
    path->Begin(points[0]);
    for (int i = 1; i < count; ++i)
        path->Line(points[i]);
    return Status::Ok;
}

Status GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    GP_STARTED();
    if (path == nullptr || !AllFinite({ x, y, width, height, startAngle, sweepAngle }))
        return Status::InvalidParameter;
    path->Arc(x, y, width, height, startAngle, sweepAngle);
    return Status::Ok;
}

Status GdipAddPathBezier(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4)
{
    GP_STARTED();
    if (path == nullptr || !AllFinite({ x1, y1, x2, y2, x3, y3, x4, y4 }))
        return Status::InvalidParameter;
    path->Begin(GpPointF { x1, y1 });
    path->Bezier(GpPointF { x2, y2 }, GpPointF { x3, y3 }, GpPointF { x4, y4 });
    return Status::Ok;
}

Status GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height)
{
    GP_STARTED();
    if (path == nullptr || !AllFinite({ x, y, width, height }))
        return Status::InvalidParameter;
    path->newFigure = true;
    path->Begin(GpPointF { x, y });
    path->Line(GpPointF { x + width, y });
    path->Line(GpPointF { x + width, y + height });
    path->Line(GpPointF { x, y + height });
    path->Close();
    return Status::Ok;
}

Status GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height)
{
    GP_STARTED();
    if (path == nullptr || !AllFinite({ x, y, width, height }))
        return Status::InvalidParameter;
    path->newFigure = true;
    path->Arc(x, y, width, height, 0, 360);
    path->Close();
    return Status::Ok;
}

Status GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    GP_STARTED();
    if (path == nullptr || !AllFinite({ x, y, width, height, startAngle, sweepAngle }))
        return Status::InvalidParameter;
    path->newFigure = true;
    path->Begin(GpPointF { x + width / 2, y + height / 2 });
    path->Arc(x, y, width, height, startAngle, sweepAngle);
    path->Close();
    return Status::Ok;
}

Status GdipAddPathPolygon(GpPath* path, const GpPointF* points, int count)
{
    GP_STARTED();
    if (path == nullptr || points == nullptr || count < 3)
        return Status::InvalidParameter;
    path->newFigure = true;
    path->Begin(points[0]);
    for (int i = 1; i < count; ++i)
        path->Line(points[i]);
    path->Close();
    return Status::Ok;
}

Status GdipAddPathString(GpPath* path, const QString& text, int length, const GpFontFamily* family, int style,
                         REAL emSize, const GpRectF* layoutRect, const GpStringFormat* format)
{
    GP_STARTED();
    if (path == nullptr || family == nullptr || layoutRect == nullptr || !Finite(emSize) || emSize <= 0)
        return Status::InvalidParameter;
    GpFont font;
    font.family = family->family;
    font.size = emSize;
    font.style = style;
    font.unit = Unit::UnitPixel;
    const QFont qfont = font.Qt(true);
    const TextLayout t = LayOut(text, length, font, qfont, *layoutRect, format);
    const QFontMetricsF fm(qfont);
    QPainterPath outlines;
    outlines.addText(QPointF(t.drawRect.x(), t.drawRect.y() + fm.ascent()), qfont, t.text);
    for (const QPolygonF& poly : outlines.toSubpathPolygons()) {
        if (poly.size() < 2)
            continue;
        path->newFigure = true;
        path->Begin(GpPointF { REAL(poly[0].x()), REAL(poly[0].y()) });
        for (int i = 1; i < poly.size(); ++i)
            path->Line(GpPointF { REAL(poly[i].x()), REAL(poly[i].y()) });
        path->Close();
    }
    return Status::Ok;
}

Status GdipStartPathFigure(GpPath* path)
{
    GP_STARTED();
    if (path == nullptr)
        return Status::InvalidParameter;
    path->newFigure = true;
    return Status::Ok;
}

Status GdipClosePathFigure(GpPath* path)
{
    GP_STARTED();
    if (path == nullptr)
        return Status::InvalidParameter;
    path->Close();
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

Status GdipGetPathWorldBounds(GpPath* path, GpRectF* bounds)
{
    GP_STARTED();
    if (path == nullptr || bounds == nullptr)
        return Status::InvalidParameter;
    const QRectF r = path->ToQt().boundingRect();
    *bounds = GpRectF { REAL(r.x()), REAL(r.y()), REAL(r.width()), REAL(r.height()) };
    return Status::Ok;
}

Status GdipIsVisiblePathPoint(GpPath* path, REAL x, REAL y, bool* result)
{
    GP_STARTED();
    if (path == nullptr || result == nullptr)
        return Status::InvalidParameter;
    *result = path->ToQt().contains(QPointF(x, y));
    return Status::Ok;
}

// --- regions ---

Status GdipCreateRegion(GpRegion** region)
{
    return Create(region);
}

Status GdipCreateRegionRect(const GpRectF* rect, GpRegion** region)
{
    GP_STARTED();
    if (rect == nullptr)
        return Status::InvalidParameter;
    const Status s = Create(region);
    if (s == Status::Ok)
        (*region)->path = RectPath(rect->X, rect->Y, rect->Width, rect->Height);
    return s;
}

Status GdipCreateRegionPath(GpPath* path, GpRegion** region)
{
    GP_STARTED();
    if (path == nullptr)
        return Status::InvalidParameter;
    const Status s = Create(region);
    if (s == Status::Ok)
        (*region)->path = path->ToQt();
    return s;
}

Status GdipDeleteRegion(GpRegion* region)
{
    return Delete(region);
}

Status GdipCombineRegionRect(GpRegion* region, const GpRectF* rect, CombineMode mode)
{
    GP_STARTED();
    if (region == nullptr || rect == nullptr)
        return Status::InvalidParameter;
    region->path = Combine(region->path, RectPath(rect->X, rect->Y, rect->Width, rect->Height), mode);
    return Status::Ok;
}

Status GdipCombineRegionPath(GpRegion* region, GpPath* path, CombineMode mode)
{
    GP_STARTED();
    if (region == nullptr || path == nullptr)
        return Status::InvalidParameter;
    region->path = Combine(region->path, path->ToQt(), mode);
    return Status::Ok;
}

Status GdipCombineRegionRegion(GpRegion* region, GpRegion* other, CombineMode mode)
{
    GP_STARTED();
    if (region == nullptr || other == nullptr)
        return Status::InvalidParameter;
    region->path = Combine(region->path, other->path, mode);
    return Status::Ok;
}

Status GdipIsVisibleRegionPoint(GpRegion* region, REAL x, REAL y, bool* result)
{
    GP_STARTED();
    if (region == nullptr || result == nullptr)
        return Status::InvalidParameter;
    *result = !region->path || region->path->contains(QPointF(x, y));
    return Status::Ok;
}

// --- pens ---

Status GdipCreatePen1(ARGB colour, REAL width, Unit unit, GpPen** pen)
{
    GP_STARTED();
    if (pen == nullptr || !Finite(width) || width < 0 || unit == Unit::UnitDisplay)
        return Status::InvalidParameter;
    return Create(pen, colour, width);
}

Status GdipCreatePen2(GpBrush* brush, REAL width, Unit unit, GpPen** pen)
{
    GP_STARTED();
    if (brush == nullptr || pen == nullptr || !Finite(width) || width < 0 || unit == Unit::UnitDisplay)
        return Status::InvalidParameter;
    const Status s = Create(pen, ARGB(0), width);
    if (s == Status::Ok)
        (*pen)->brush = *brush;
    return s;
}

Status GdipDeletePen(GpPen* pen)
{
    return Delete(pen);
}

#define GP_PEN_SET(Name, Type, field)                                                                                  \
    Status Name(GpPen* pen, Type value)                                                                                \
    {                                                                                                                  \
        GP_STARTED();                                                                                                  \
        if (pen == nullptr)                                                                                            \
            return Status::InvalidParameter;                                                                           \
        pen->field = value;                                                                                            \
        return Status::Ok;                                                                                             \
    }
#define GP_PEN_GET(Name, Type, field)                                                                                  \
    Status Name(GpPen* pen, Type* value)                                                                               \
    {                                                                                                                  \
        GP_STARTED();                                                                                                  \
        if (pen == nullptr || value == nullptr)                                                                        \
            return Status::InvalidParameter;                                                                           \
        *value = pen->field;                                                                                           \
        return Status::Ok;                                                                                             \
    }

GP_PEN_SET(GdipSetPenDashStyle, DashStyle, dash)
GP_PEN_GET(GdipGetPenDashStyle, DashStyle, dash)
GP_PEN_SET(GdipSetPenMode, PenAlignment, alignment)
GP_PEN_GET(GdipGetPenMode, PenAlignment, alignment)
GP_PEN_SET(GdipSetPenEndCap, LineCap, endCap)
GP_PEN_SET(GdipSetPenStartCap, LineCap, startCap)
GP_PEN_GET(GdipGetPenWidth, REAL, width)

Status GdipSetPenColor(GpPen* pen, ARGB colour)
{
    GP_STARTED();
    if (pen == nullptr)
        return Status::InvalidParameter;
    pen->brush = GpBrush {};
    pen->brush.colour = colour;
    return Status::Ok;
}

Status GdipGetPenColor(GpPen* pen, ARGB* colour)
{
    GP_STARTED();
    if (pen == nullptr || colour == nullptr)
        return Status::InvalidParameter;
    if (pen->brush.type != BrushType::BrushTypeSolidColor)
        return Status::WrongState;
    *colour = pen->brush.colour;
    return Status::Ok;
}

Status GdipSetPenBrushFill(GpPen* pen, GpBrush* brush)
{
    GP_STARTED();
    if (pen == nullptr || brush == nullptr)
        return Status::InvalidParameter;
    pen->brush = *brush;
    return Status::Ok;
}

Status GdipGetPenBrushFill(GpPen* pen, GpBrush** brush)
{
    GP_STARTED();
    if (pen == nullptr)
        return Status::InvalidParameter;
    return Create(brush, pen->brush);
}

Status GdipGetPenFillType(GpPen* pen, PenType* type)
{
    GP_STARTED();
    if (pen == nullptr || type == nullptr)
        return Status::InvalidParameter;
    *type = PenType(int(pen->brush.type));
    return Status::Ok;
}

// --- brushes ---

Status GdipCloneBrush(GpBrush* brush, GpBrush** clone)
{
    GP_STARTED();
    if (brush == nullptr)
        return Status::InvalidParameter;
    return Create(clone, *brush);
}

Status GdipDeleteBrush(GpBrush* brush)
{
    return Delete(brush);
}

Status GdipGetBrushType(GpBrush* brush, BrushType* type)
{
    GP_STARTED();
    if (brush == nullptr || type == nullptr)
        return Status::InvalidParameter;
    *type = brush->type;
    return Status::Ok;
}

Status GdipCreateSolidFill(ARGB colour, GpSolidFill** brush)
{
    const Status s = Create(brush);
    if (s == Status::Ok)
        (*brush)->colour = colour;
    return s;
}

Status GdipGetSolidFillColor(GpSolidFill* brush, ARGB* colour)
{
    GP_STARTED();
    if (brush == nullptr || colour == nullptr || brush->type != BrushType::BrushTypeSolidColor)
        return Status::InvalidParameter;
    *colour = brush->colour;
    return Status::Ok;
}

Status GdipSetSolidFillColor(GpSolidFill* brush, ARGB colour)
{
    GP_STARTED();
    if (brush == nullptr || brush->type != BrushType::BrushTypeSolidColor)
        return Status::InvalidParameter;
    brush->colour = colour;
    return Status::Ok;
}

Status GdipCreateHatchBrush(HatchStyle style, ARGB foreColour, ARGB backColour, GpHatch** brush)
{
    GP_STARTED();
    if (int(style) < 0 || int(style) >= int(HatchStyle::HatchStyleTotal))
        return Status::InvalidParameter;
    const Status s = Create(brush);
    if (s == Status::Ok) {
        (*brush)->type = BrushType::BrushTypeHatchFill;
        (*brush)->hatch = style;
        (*brush)->colour = foreColour;
        (*brush)->back = backColour;
    }
    return s;
}

Status GdipGetHatchStyle(GpHatch* brush, HatchStyle* style)
{
    GP_STARTED();
    if (brush == nullptr || style == nullptr || brush->type != BrushType::BrushTypeHatchFill)
        return Status::InvalidParameter;
    *style = brush->hatch;
    return Status::Ok;
}

Status GdipGetHatchForegroundColor(GpHatch* brush, ARGB* colour)
{
    GP_STARTED();
    if (brush == nullptr || colour == nullptr || brush->type != BrushType::BrushTypeHatchFill)
        return Status::InvalidParameter;
    *colour = brush->colour;
    return Status::Ok;
}

Status GdipGetHatchBackgroundColor(GpHatch* brush, ARGB* colour)
{
    GP_STARTED();
    if (brush == nullptr || colour == nullptr || brush->type != BrushType::BrushTypeHatchFill)
        return Status::InvalidParameter;
    *colour = brush->back;
    return Status::Ok;
}

Status GdipCreateTexture(GpImage* image, WrapMode mode, GpTexture** brush)
{
    if (image == nullptr)
        return Started() ? Status::InvalidParameter : Status::GdiplusNotInitialized;
    return GdipCreateTexture2(image, mode, 0, 0, REAL(image->pixels.width()), REAL(image->pixels.height()), brush);
}

Status GdipCreateTexture2(GpImage* image, WrapMode mode, REAL x, REAL y, REAL width, REAL height, GpTexture** brush)
{
    GP_STARTED();
    if (image == nullptr || image->pixels.isNull() || !AllFinite({ x, y, width, height }) || width <= 0 || height <= 0)
        return Status::InvalidParameter;
    const QRect part = QRectF(x, y, width, height).toAlignedRect().intersected(image->pixels.rect());
    if (part.isEmpty())
        return Status::OutOfMemory;
    const Status s = Create(brush);
    if (s == Status::Ok) {
        (*brush)->type = BrushType::BrushTypeTextureFill;
        (*brush)->texture = image->pixels.copy(part);
        (*brush)->wrap = mode;
    }
    return s;
}

Status GdipCreateTextureIA(GpImage* image, GpImageAttributes* attributes, REAL x, REAL y, REAL width, REAL height,
                           GpTexture** brush)
{
    const Status s = GdipCreateTexture2(image, WrapMode::WrapModeTile, x, y, width, height, brush);
    if (s == Status::Ok && attributes != nullptr)
        (*brush)->texture = attributes->Apply((*brush)->texture);
    return s;
}

Status GdipGetTextureImage(GpTexture* brush, GpImage** image)
{
    GP_STARTED();
    if (brush == nullptr || brush->type != BrushType::BrushTypeTextureFill)
        return Status::InvalidParameter;
    return GdipCreateBitmapFromQImage(brush->texture, image);
}

namespace {
template <typename Fn>
Status WithTexture(GpTexture* brush, Fn&& fn)
{
    GP_STARTED();
    if (brush == nullptr || brush->type != BrushType::BrushTypeTextureFill)
        return Status::InvalidParameter;
    fn(*brush);
    return Status::Ok;
}

void Apply(QTransform& t, const QTransform& op, MatrixOrder order)
{
    t = order == MatrixOrder::MatrixOrderPrepend ? op * t : t * op;
}
} // namespace

Status GdipSetTextureWrapMode(GpTexture* brush, WrapMode mode)
{
    return WithTexture(brush, [&](GpBrush& b) { b.wrap = mode; });
}

Status GdipGetTextureWrapMode(GpTexture* brush, WrapMode* mode)
{
    if (mode == nullptr)
        return Status::InvalidParameter;
    return WithTexture(brush, [&](GpBrush& b) { *mode = b.wrap; });
}

Status GdipResetTextureTransform(GpTexture* brush)
{
    return WithTexture(brush, [&](GpBrush& b) { b.transform = QTransform(); });
}

Status GdipTranslateTextureTransform(GpTexture* brush, REAL dx, REAL dy, MatrixOrder order)
{
    return WithTexture(brush, [&](GpBrush& b) { Apply(b.transform, QTransform::fromTranslate(dx, dy), order); });
}

Status GdipScaleTextureTransform(GpTexture* brush, REAL sx, REAL sy, MatrixOrder order)
{
    return WithTexture(brush, [&](GpBrush& b) { Apply(b.transform, QTransform::fromScale(sx, sy), order); });
}

Status GdipRotateTextureTransform(GpTexture* brush, REAL angle, MatrixOrder order)
{
    return WithTexture(brush, [&](GpBrush& b) { Apply(b.transform, QTransform().rotate(angle), order); });
}

Status GdipCreateLineBrush(const GpPointF* point1, const GpPointF* point2, ARGB colour1, ARGB colour2,
                           WrapMode wrapMode, GpLineGradient** brush)
{
    GP_STARTED();
    if (point1 == nullptr || point2 == nullptr || (point1->X == point2->X && point1->Y == point2->Y))
        return Status::OutOfMemory;
    const Status s = Create(brush);
    if (s == Status::Ok) {
        GpBrush& b = **brush;
        b.type = BrushType::BrushTypeLinearGradient;
        b.p1 = QPointF(point1->X, point1->Y);
        b.p2 = QPointF(point2->X, point2->Y);
        b.colour = colour1;
        b.colour2 = colour2;
        b.wrap = wrapMode;
    }
    return s;
}

namespace {
// The gradient in the unit square of the rectangle along direction d: from the corner with the
// least projection onto d to the one with the most.
void UnitSpan(QPointF d, QPointF& p1, QPointF& p2)
{
    double lo = 1e300, hi = -1e300;
    for (const QPointF c : { QPointF(0, 0), QPointF(1, 0), QPointF(0, 1), QPointF(1, 1) }) {
        const double pr = c.x() * d.x() + c.y() * d.y();
        lo = std::min(lo, pr);
        hi = std::max(hi, pr);
    }
    p1 = d * lo;
    p2 = d * hi;
}
} // namespace

Status GdipCreateLineBrushFromRect(const GpRectF* rect, ARGB colour1, ARGB colour2, LinearGradientMode mode,
                                   WrapMode wrapMode, GpLineGradient** brush)
{
    GP_STARTED();
    if (rect == nullptr || int(mode) < 0 || int(mode) > 3)
        return Status::InvalidParameter;
    if (rect->Width <= 0 || rect->Height <= 0 || !AllFinite({ rect->X, rect->Y, rect->Width, rect->Height }))
        return Status::OutOfMemory;
    const Status s = Create(brush);
    if (s == Status::Ok) {
        GpBrush& b = **brush;
        b.type = BrushType::BrushTypeLinearGradient;
        b.colour = colour1;
        b.colour2 = colour2;
        b.wrap = wrapMode;
        b.transform = QTransform(rect->Width, 0, 0, rect->Height, rect->X, rect->Y);
        switch (mode) {
        case LinearGradientMode::LinearGradientModeHorizontal:
            b.p1 = QPointF(0, 0), b.p2 = QPointF(1, 0);
            break;
        case LinearGradientMode::LinearGradientModeVertical:
            b.p1 = QPointF(0, 0), b.p2 = QPointF(0, 1);
            break;
        case LinearGradientMode::LinearGradientModeForwardDiagonal:
            b.p1 = QPointF(0, 0), b.p2 = QPointF(1, 1);
            break;
        case LinearGradientMode::LinearGradientModeBackwardDiagonal:
            b.p1 = QPointF(1, 0), b.p2 = QPointF(0, 1);
            break;
        }
    }
    return s;
}

Status GdipCreateLineBrushFromRectWithAngle(const GpRectF* rect, ARGB colour1, ARGB colour2, REAL angle,
                                            bool isAngleScalable, WrapMode wrapMode, GpLineGradient** brush)
{
    GP_STARTED();
    if (rect == nullptr || !Finite(angle))
        return Status::InvalidParameter;
    if (rect->Width <= 0 || rect->Height <= 0 || !AllFinite({ rect->X, rect->Y, rect->Width, rect->Height }))
        return Status::OutOfMemory;
    const Status s = Create(brush);
    if (s == Status::Ok) {
        GpBrush& b = **brush;
        b.type = BrushType::BrushTypeLinearGradient;
        b.colour = colour1;
        b.colour2 = colour2;
        b.wrap = wrapMode;
        const double a = angle * std::numbers::pi / 180.0;
        if (isAngleScalable) {
            // The angle bends with the rectangle's shape: it is taken in the unit square.
            b.transform = QTransform(rect->Width, 0, 0, rect->Height, rect->X, rect->Y);
            UnitSpan(QPointF(std::cos(a), std::sin(a)), b.p1, b.p2);
        } else {
            // In world space: project the rectangle's corners onto the direction.
            const QPointF d(std::cos(a), std::sin(a));
            double lo = 1e300, hi = -1e300;
            for (const QPointF c : { QPointF(rect->X, rect->Y), QPointF(rect->X + rect->Width, rect->Y),
                                     QPointF(rect->X, rect->Y + rect->Height),
                                     QPointF(rect->X + rect->Width, rect->Y + rect->Height) }) {
                const double pr = c.x() * d.x() + c.y() * d.y();
                lo = std::min(lo, pr);
                hi = std::max(hi, pr);
            }
            b.p1 = d * lo;
            b.p2 = d * hi;
        }
    }
    return s;
}

namespace {
template <typename Fn>
Status WithKind(GpBrush* brush, BrushType type, Fn&& fn)
{
    GP_STARTED();
    if (brush == nullptr || brush->type != type)
        return Status::InvalidParameter;
    return fn(*brush);
}
} // namespace

Status GdipSetLineGammaCorrection(GpLineGradient* brush, bool useGammaCorrection)
{
    return WithKind(brush, BrushType::BrushTypeLinearGradient, [&](GpBrush& b) {
        b.gammaCorrection = useGammaCorrection;
        return Status::Ok;
    });
}

Status GdipGetLineColors(GpLineGradient* brush, ARGB* colours)
{
    if (colours == nullptr)
        return Status::InvalidParameter;
    return WithKind(brush, BrushType::BrushTypeLinearGradient, [&](GpBrush& b) {
        colours[0] = b.colour;
        colours[1] = b.colour2;
        return Status::Ok;
    });
}

namespace {
Status SetBlend(GpBrush& b, const ARGB* colours, const REAL* positions, int count)
{
    if (colours == nullptr || positions == nullptr || count < 2)
        return Status::InvalidParameter;
    // The stops must run from 0 to 1.
    if (std::abs(positions[0]) > 1e-6f || std::abs(positions[count - 1] - 1.0f) > 1e-6f)
        return Status::InvalidParameter;
    b.blend.clear();
    for (int i = 0; i < count; ++i)
        b.blend.emplace_back(positions[i], colours[i]);
    return Status::Ok;
}
} // namespace

Status GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* colours, const REAL* positions, int count)
{
    return WithKind(brush, BrushType::BrushTypeLinearGradient,
                    [&](GpBrush& b) { return SetBlend(b, colours, positions, count); });
}

Status GdipSetLineWrapMode(GpLineGradient* brush, WrapMode mode)
{
    return WithKind(brush, BrushType::BrushTypeLinearGradient, [&](GpBrush& b) {
        b.wrap = mode;
        return Status::Ok;
    });
}

Status GdipCreatePathGradientFromPath(GpPath* path, GpPathGradient** brush)
{
    GP_STARTED();
    if (path == nullptr || path->points.size() < 2)
        return Status::OutOfMemory;
    const Status s = Create(brush);
    if (s == Status::Ok) {
        GpBrush& b = **brush;
        b.type = BrushType::BrushTypePathGradient;
        b.path = path->ToQt();
        b.path.setFillRule(Qt::WindingFill);
        b.pointCount = int(path->points.size());
        b.centre = b.path.boundingRect().center();
        b.colour = 0xFFFFFFFF;
        b.surround.assign(1, 0xFFFFFFFF);
        b.wrap = WrapMode::WrapModeClamp;
    }
    return s;
}

Status GdipGetPathGradientCenterColor(GpPathGradient* brush, ARGB* colour)
{
    if (colour == nullptr)
        return Status::InvalidParameter;
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        *colour = b.colour;
        return Status::Ok;
    });
}

Status GdipSetPathGradientCenterColor(GpPathGradient* brush, ARGB colour)
{
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        b.colour = colour;
        return Status::Ok;
    });
}

Status GdipGetPathGradientPointCount(GpPathGradient* brush, int* count)
{
    if (count == nullptr)
        return Status::InvalidParameter;
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        *count = b.pointCount;
        return Status::Ok;
    });
}

Status GdipGetPathGradientSurroundColorCount(GpPathGradient* brush, int* count)
{
    if (count == nullptr)
        return Status::InvalidParameter;
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        *count = b.pointCount;
        return Status::Ok;
    });
}

Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient* brush, ARGB* colours, int* count)
{
    if (colours == nullptr || count == nullptr)
        return Status::InvalidParameter;
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        if (*count < b.pointCount)
            return Status::InsufficientBuffer;
        for (int i = 0; i < b.pointCount; ++i)
            colours[i] = b.surround[std::min<std::size_t>(std::size_t(i), b.surround.size() - 1)];
        *count = b.pointCount;
        return Status::Ok;
    });
}

Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient* brush, const ARGB* colours, int* count)
{
    if (colours == nullptr || count == nullptr)
        return Status::InvalidParameter;
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        if (*count < 1 || *count > b.pointCount)
            return Status::InvalidParameter;
        b.surround.assign(colours, colours + *count);
        return Status::Ok;
    });
}

Status GdipGetPathGradientCenterPoint(GpPathGradient* brush, GpPointF* point)
{
    if (point == nullptr)
        return Status::InvalidParameter;
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        *point = GpPointF { REAL(b.centre.x()), REAL(b.centre.y()) };
        return Status::Ok;
    });
}

Status GdipSetPathGradientCenterPoint(GpPathGradient* brush, const GpPointF* point)
{
    if (point == nullptr || !AllFinite({ point->X, point->Y }))
        return Status::InvalidParameter;
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        b.centre = QPointF(point->X, point->Y);
        return Status::Ok;
    });
}

Status GdipSetPathGradientWrapMode(GpPathGradient* brush, WrapMode mode)
{
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        b.wrap = mode;
        return Status::Ok;
    });
}

Status GdipSetPathGradientGammaCorrection(GpPathGradient* brush, bool useGammaCorrection)
{
    return WithKind(brush, BrushType::BrushTypePathGradient, [&](GpBrush& b) {
        b.gammaCorrection = useGammaCorrection;
        return Status::Ok;
    });
}

Status GdipSetPathGradientPresetBlend(GpPathGradient* brush, const ARGB* colours, const REAL* positions, int count)
{
    return WithKind(brush, BrushType::BrushTypePathGradient,
                    [&](GpBrush& b) { return SetBlend(b, colours, positions, count); });
}

// --- images ---

namespace {

// The last picture decoded from bytes: controls decode their stored picture again at every size query
// and every draw, so the same bytes come back many times in a row (the start-up picture most of all).
// The pixels are shared until someone writes to them.
struct DecodedPicture
{
    QByteArray bytes;
    QImage pixels;
    PixelFormat pixelFormat {};
};

std::mutex& LastDecodedGuard()
{
    static std::mutex guard;
    return guard;
}

DecodedPicture& LastDecoded()
{
    static DecodedPicture last;
    return last;
}

// The picture's pixels as 32-bit ARGB and its pixel format; a null image where the bytes do not decode.
Status DecodeBytes(const QByteArray& bytes, vcl::TPictureFormat format, QImage& pixels, PixelFormat& pixelFormat)
{
    {
        const std::lock_guard lock(LastDecodedGuard());
        const DecodedPicture& last = LastDecoded();
        if (!last.pixels.isNull() && last.bytes == bytes) {
            pixels = last.pixels;
            pixelFormat = last.pixelFormat;
            return Status::Ok;
        }
    }
    QImage decoded;
    try {
        decoded = vcl::PictureFile::Decode(bytes);
    } catch (const std::bad_alloc&) {
        return Status::OutOfMemory;
    } catch (...) {
        return Status::UnknownImageFormat;
    }
    if (decoded.isNull())
        return Status::UnknownImageFormat;
    pixelFormat = ProbePixelFormat(bytes, format, decoded);
    pixels = decoded.convertToFormat(QImage::Format_ARGB32);
    const std::lock_guard lock(LastDecodedGuard());
    LastDecoded() = DecodedPicture { bytes, pixels, pixelFormat };
    return Status::Ok;
}

} // namespace

Status GdipLoadImageFromBytes(const QByteArray& bytes, GpImage** image)
{
    GP_STARTED();
    if (image == nullptr)
        return Status::InvalidParameter;
    *image = nullptr;
    const vcl::TPictureFormat format = vcl::PictureFile::Detect(bytes);
    if (format == vcl::TPictureFormat::pfUnknown)
        return Status::UnknownImageFormat;
    QImage pixels;
    PixelFormat pixelFormat {};
    const Status decoded = DecodeBytes(bytes, format, pixels, pixelFormat);
    if (decoded != Status::Ok)
        return decoded;
    const Status s = Create(image);
    if (s != Status::Ok)
        return s;
    (*image)->pixelFormat = pixelFormat;
    (*image)->pixels = pixels;
    (*image)->format = format == vcl::TPictureFormat::pfBmp ? ImageFormatBMP
        : format == vcl::TPictureFormat::pfPng              ? ImageFormatPNG
                                                            : ImageFormatJPEG;
    return Status::Ok;
}

Status GdipLoadImageFromFile(const QString& fileName, GpImage** image)
{
    GP_STARTED();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Status::FileNotFound;
    return GdipLoadImageFromBytes(file.readAll(), image);
}

Status GdipCreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, std::uint8_t* scan0,
                                 GpBitmap** bitmap)
{
    GP_STARTED();
    if (bitmap == nullptr || width <= 0 || height <= 0 || width > 32768 || height > 32768
        || std::int64_t(width) * height > std::int64_t(64) * 1024 * 1024)
        return Status::InvalidParameter;
    if (scan0 != nullptr && ((format & 0xFF00) != 0x2000 || stride < width * 4))
        return Status::NotImplemented;
    QImage pixels(width, height, QImage::Format_ARGB32);
    if (pixels.isNull())
        return Status::OutOfMemory;
    pixels.fill(IsAlphaFormat(format) ? 0u : 0xFF000000u);
    if (scan0 != nullptr)
        for (int y = 0; y < height; ++y)
            std::memcpy(pixels.scanLine(y), scan0 + std::ptrdiff_t(y) * stride, std::size_t(width) * 4);
    const Status s = Create(bitmap);
    if (s == Status::Ok) {
        (*bitmap)->pixels = std::move(pixels);
        (*bitmap)->pixelFormat = format == 0 ? PixelFormat32bppARGB : format;
    }
    return s;
}

Status GdipCreateBitmapFromQImage(const QImage& picture, GpBitmap** bitmap)
{
    GP_STARTED();
    if (bitmap == nullptr || picture.isNull())
        return Status::InvalidParameter;
    const Status s = Create(bitmap);
    if (s == Status::Ok) {
        (*bitmap)->pixels = picture.convertToFormat(QImage::Format_ARGB32);
        (*bitmap)->pixelFormat = picture.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat32bppRGB;
    }
    return s;
}

Status GdipDisposeImage(GpImage* image)
{
    return Delete(image);
}

Status GdipCloneImage(GpImage* image, GpImage** clone)
{
    GP_STARTED();
    if (image == nullptr)
        return Status::InvalidParameter;
    return Create(clone, *image);
}

Status GdipGetImageWidth(GpImage* image, unsigned* width)
{
    GP_STARTED();
    if (image == nullptr || width == nullptr)
        return Status::InvalidParameter;
    *width = unsigned(image->pixels.width());
    return Status::Ok;
}

Status GdipGetImageHeight(GpImage* image, unsigned* height)
{
    GP_STARTED();
    if (image == nullptr || height == nullptr)
        return Status::InvalidParameter;
    *height = unsigned(image->pixels.height());
    return Status::Ok;
}

Status GdipGetImageRawFormat(GpImage* image, GUID* format)
{
    GP_STARTED();
    if (image == nullptr || format == nullptr)
        return Status::InvalidParameter;
    *format = image->format;
    return Status::Ok;
}

Status GdipGetImagePixelFormat(GpImage* image, PixelFormat* format)
{
    GP_STARTED();
    if (image == nullptr || format == nullptr)
        return Status::InvalidParameter;
    *format = image->pixelFormat;
    return Status::Ok;
}

Status GdipGetImageThumbnail(GpImage* image, unsigned width, unsigned height, GpImage** thumbnail)
{
    GP_STARTED();
    if (image == nullptr || image->pixels.isNull())
        return Status::InvalidParameter;
    if (width == 0 || height == 0)
        width = height = 120;
    return GdipCreateBitmapFromQImage(
        image->pixels.scaled(int(width), int(height), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), thumbnail);
}

Status GdipImageRotateFlip(GpImage* image, RotateFlipType type)
{
    GP_STARTED();
    if (image == nullptr || int(type) < 0 || int(type) > 7)
        return Status::InvalidParameter;
    const int t = int(type);
    QImage img = image->pixels;
    if (t >= 4)
        img = img.mirrored(true, false); // flip X first, then rotate
    const int turns = t & 3;
    if (turns != 0)
        img = img.transformed(QTransform().rotate(90.0 * turns));
    image->pixels = img.convertToFormat(QImage::Format_ARGB32);
    return Status::Ok;
}

Status GdipSaveImageToBytes(GpImage* image, QByteArray* bytes, const GUID& format)
{
    GP_STARTED();
    if (image == nullptr || bytes == nullptr)
        return Status::InvalidParameter;
    vcl::TPictureFormat f = vcl::TPictureFormat::pfUnknown;
    if (format == ImageFormatBMP || format == ImageFormatMemoryBMP)
        f = vcl::TPictureFormat::pfBmp;
    else if (format == ImageFormatPNG)
        f = vcl::TPictureFormat::pfPng;
    else if (format == ImageFormatJPEG)
        f = vcl::TPictureFormat::pfJpeg;
    else
        return Status::UnknownImageFormat;
    try {
        QImage out = image->pixels;
        if (f == vcl::TPictureFormat::pfBmp && !IsAlphaFormat(image->pixelFormat))
            out = out.convertToFormat(QImage::Format_RGB32);
        *bytes = vcl::PictureFile::Encode(out, f);
    } catch (...) {
        return Status::Win32Error;
    }
    return Status::Ok;
}

Status GdipSaveImageToFile(GpImage* image, const QString& fileName, const GUID& format)
{
    QByteArray bytes;
    const Status s = GdipSaveImageToBytes(image, &bytes, format);
    if (s != Status::Ok)
        return s;
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return Status::Win32Error;
    return Status::Ok;
}

Status GdipBitmapGetPixel(GpBitmap* bitmap, int x, int y, ARGB* colour)
{
    GP_STARTED();
    if (bitmap == nullptr || colour == nullptr || !bitmap->pixels.valid(x, y))
        return Status::InvalidParameter;
    ARGB c = bitmap->pixels.pixel(x, y);
    if (!IsAlphaFormat(bitmap->pixelFormat))
        c |= 0xFF000000u;
    *colour = c;
    return Status::Ok;
}

Status GdipBitmapSetPixel(GpBitmap* bitmap, int x, int y, ARGB colour)
{
    GP_STARTED();
    if (bitmap == nullptr || !bitmap->pixels.valid(x, y))
        return Status::InvalidParameter;
    bitmap->pixels.setPixel(x, y, colour);
    return Status::Ok;
}

Status GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, QImage* picture, ARGB background)
{
    GP_STARTED();
    if (bitmap == nullptr || picture == nullptr)
        return Status::InvalidParameter;
    if (IsAlphaFormat(bitmap->pixelFormat)) {
        *picture = bitmap->pixels;
        return Status::Ok;
    }
    // An opaque bitmap keeps its colours; what is not opaque shows the background through.
    QImage out(bitmap->pixels.size(), QImage::Format_ARGB32);
    out.fill(ToQColor(background | 0xFF000000u));
    QPainter p(&out);
    p.drawImage(0, 0, bitmap->pixels);
    p.end();
    *picture = out;
    return Status::Ok;
}

const QImage* GdipImagePixels(GpImage* image)
{
    return image ? &image->pixels : nullptr;
}

// --- image attributes ---

Status GdipCreateImageAttributes(GpImageAttributes** attributes)
{
    return Create(attributes);
}

Status GdipCloneImageAttributes(GpImageAttributes* attributes, GpImageAttributes** clone)
{
    GP_STARTED();
    if (attributes == nullptr)
        return Status::InvalidParameter;
    return Create(clone, *attributes);
}

Status GdipDisposeImageAttributes(GpImageAttributes* attributes)
{
    return Delete(attributes);
}

namespace {
template <typename Fn>
Status WithAttributes(GpImageAttributes* a, ColorAdjustType type, Fn&& fn)
{
    GP_STARTED();
    if (a == nullptr || int(type) < 0 || int(type) >= int(ColorAdjustType::ColorAdjustTypeCount))
        return Status::InvalidParameter;
    // One set of adjustments serves every kind of drawing.
    return fn(*a);
}
} // namespace

Status GdipSetImageAttributesToIdentity(GpImageAttributes* attributes, ColorAdjustType type)
{
    return WithAttributes(attributes, type, [](GpImageAttributes& a) {
        a.matrixOn = false;
        return Status::Ok;
    });
}

Status GdipResetImageAttributes(GpImageAttributes* attributes, ColorAdjustType type)
{
    return WithAttributes(attributes, type, [](GpImageAttributes& a) {
        a = GpImageAttributes {};
        return Status::Ok;
    });
}

Status GdipSetImageAttributesColorKeys(GpImageAttributes* attributes, ColorAdjustType type, bool enable, ARGB low,
                                       ARGB high)
{
    return WithAttributes(attributes, type, [&](GpImageAttributes& a) {
        a.keyOn = enable;
        a.keyLow = low;
        a.keyHigh = high;
        return Status::Ok;
    });
}

Status GdipSetImageAttributesColorMatrix(GpImageAttributes* attributes, ColorAdjustType type, bool enable,
                                         const ColorMatrix* colourMatrix, const ColorMatrix*, ColorMatrixFlags)
{
    if (enable && colourMatrix == nullptr)
        return Status::InvalidParameter;
    return WithAttributes(attributes, type, [&](GpImageAttributes& a) {
        a.matrixOn = enable;
        if (enable)
            a.matrix = *colourMatrix;
        return Status::Ok;
    });
}

Status GdipSetImageAttributesThreshold(GpImageAttributes* attributes, ColorAdjustType type, bool enable,
                                       REAL threshold)
{
    return WithAttributes(attributes, type, [&](GpImageAttributes& a) {
        a.thresholdOn = enable;
        a.threshold = threshold;
        return Status::Ok;
    });
}

Status GdipSetImageAttributesGamma(GpImageAttributes* attributes, ColorAdjustType type, bool enable, REAL gamma)
{
    if (enable && !(gamma > 0))
        return Status::InvalidParameter;
    return WithAttributes(attributes, type, [&](GpImageAttributes& a) {
        a.gammaOn = enable;
        a.gamma = gamma;
        return Status::Ok;
    });
}

Status GdipSetImageAttributesNoOp(GpImageAttributes* attributes, ColorAdjustType type, bool enable)
{
    return WithAttributes(attributes, type, [&](GpImageAttributes& a) {
        a.noOp = enable;
        return Status::Ok;
    });
}

Status GdipSetImageAttributesOutputChannel(GpImageAttributes* attributes, ColorAdjustType type, bool,
                                           ColorChannelFlags)
{
    // Printing separations (CMYK channels) have no use on a screen.
    return WithAttributes(attributes, type, [](GpImageAttributes&) { return Status::NotImplemented; });
}

Status GdipSetImageAttributesOutputChannelColorProfile(GpImageAttributes* attributes, ColorAdjustType type, bool,
                                                       const QString&)
{
    return WithAttributes(attributes, type, [](GpImageAttributes&) { return Status::NotImplemented; });
}

Status GdipSetImageAttributesRemapTable(GpImageAttributes* attributes, ColorAdjustType type, bool enable, int count,
                                        const ColorMap* map)
{
    if (enable && (map == nullptr || count <= 0))
        return Status::InvalidParameter;
    return WithAttributes(attributes, type, [&](GpImageAttributes& a) {
        a.remapOn = enable;
        a.remap.clear();
        if (enable)
            a.remap.assign(map, map + count);
        return Status::Ok;
    });
}

Status GdipSetImageAttributesWrapMode(GpImageAttributes* attributes, WrapMode, ARGB, bool)
{
    GP_STARTED();
    return attributes ? Status::Ok : Status::InvalidParameter;
}

Status GdipGetImageAttributesAdjustedPalette(GpImageAttributes* attributes, ColorPalette* palette, ColorAdjustType)
{
    GP_STARTED();
    if (!attributes || !palette)
        return Status::InvalidParameter;
    const int count = static_cast<int>(palette->Entries.size());
    if (count == 0)
        return Status::Ok;
    // The entries as one row of pixels, adjusted as an image drawn with these attributes would be.
    QImage row(count, 1, QImage::Format_ARGB32);
    for (int i = 0; i < count; ++i)
        row.setPixel(i, 0, palette->Entries[static_cast<std::size_t>(i)]);
    const QImage adjusted = attributes->Apply(row).convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < count; ++i)
        palette->Entries[static_cast<std::size_t>(i)] = adjusted.pixel(i, 0);
    return Status::Ok;
}

// --- matrices ---

Status GdipCreateMatrix(GpMatrix** matrix)
{
    return Create(matrix);
}

Status GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy, GpMatrix** matrix)
{
    const Status s = Create(matrix);
    if (s == Status::Ok)
        (*matrix)->t = QTransform(m11, m12, m21, m22, dx, dy);
    return s;
}

Status GdipCreateMatrix3(const GpRectF* rect, const GpPointF* dstplg, GpMatrix** matrix)
{
    GP_STARTED();
    if (rect == nullptr || dstplg == nullptr || rect->Width == 0 || rect->Height == 0)
        return Status::InvalidParameter;
    const double m11 = (dstplg[1].X - dstplg[0].X) / rect->Width, m12 = (dstplg[1].Y - dstplg[0].Y) / rect->Width;
    const double m21 = (dstplg[2].X - dstplg[0].X) / rect->Height, m22 = (dstplg[2].Y - dstplg[0].Y) / rect->Height;
    const double dx = dstplg[0].X - m11 * rect->X - m21 * rect->Y;
    const double dy = dstplg[0].Y - m12 * rect->X - m22 * rect->Y;
    const Status s = Create(matrix);
    if (s == Status::Ok)
        (*matrix)->t = QTransform(m11, m12, m21, m22, dx, dy);
    return s;
}

Status GdipCloneMatrix(GpMatrix* matrix, GpMatrix** clone)
{
    GP_STARTED();
    if (matrix == nullptr)
        return Status::InvalidParameter;
    return Create(clone, *matrix);
}

Status GdipDeleteMatrix(GpMatrix* matrix)
{
    return Delete(matrix);
}

Status GdipSetMatrixElements(GpMatrix* matrix, REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    GP_STARTED();
    if (matrix == nullptr)
        return Status::InvalidParameter;
    matrix->t = QTransform(m11, m12, m21, m22, dx, dy);
    return Status::Ok;
}

Status GdipGetMatrixElements(GpMatrix* matrix, REAL* e)
{
    GP_STARTED();
    if (matrix == nullptr || e == nullptr)
        return Status::InvalidParameter;
    const QTransform& t = matrix->t;
    e[0] = REAL(t.m11());
    e[1] = REAL(t.m12());
    e[2] = REAL(t.m21());
    e[3] = REAL(t.m22());
    e[4] = REAL(t.dx());
    e[5] = REAL(t.dy());
    return Status::Ok;
}

namespace {
Status MatrixOp(GpMatrix* matrix, const QTransform& op, MatrixOrder order)
{
    GP_STARTED();
    if (matrix == nullptr || (order != MatrixOrder::MatrixOrderPrepend && order != MatrixOrder::MatrixOrderAppend))
        return Status::InvalidParameter;
    Apply(matrix->t, op, order);
    return Status::Ok;
}
} // namespace

Status GdipMultiplyMatrix(GpMatrix* matrix, GpMatrix* other, MatrixOrder order)
{
    if (other == nullptr)
        return Status::InvalidParameter;
    return MatrixOp(matrix, other->t, order);
}

Status GdipTranslateMatrix(GpMatrix* matrix, REAL dx, REAL dy, MatrixOrder order)
{
    return MatrixOp(matrix, QTransform::fromTranslate(dx, dy), order);
}

Status GdipScaleMatrix(GpMatrix* matrix, REAL sx, REAL sy, MatrixOrder order)
{
    return MatrixOp(matrix, QTransform::fromScale(sx, sy), order);
}

Status GdipRotateMatrix(GpMatrix* matrix, REAL angle, MatrixOrder order)
{
    return MatrixOp(matrix, QTransform().rotate(angle), order);
}

Status GdipShearMatrix(GpMatrix* matrix, REAL shearX, REAL shearY, MatrixOrder order)
{
    return MatrixOp(matrix, QTransform(1, shearY, shearX, 1, 0, 0), order);
}

Status GdipInvertMatrix(GpMatrix* matrix)
{
    GP_STARTED();
    if (matrix == nullptr)
        return Status::InvalidParameter;
    bool ok = false;
    const QTransform inv = matrix->t.inverted(&ok);
    if (!ok)
        return Status::InvalidParameter;
    matrix->t = inv;
    return Status::Ok;
}

Status GdipTransformMatrixPoints(GpMatrix* matrix, GpPointF* points, int count)
{
    GP_STARTED();
    if (matrix == nullptr || points == nullptr || count <= 0)
        return Status::InvalidParameter;
    for (int i = 0; i < count; ++i) {
        const QPointF p = matrix->t.map(QPointF(points[i].X, points[i].Y));
        points[i] = GpPointF { REAL(p.x()), REAL(p.y()) };
    }
    return Status::Ok;
}

Status GdipVectorTransformMatrixPoints(GpMatrix* matrix, GpPointF* points, int count)
{
    GP_STARTED();
    if (matrix == nullptr || points == nullptr || count <= 0)
        return Status::InvalidParameter;
    const QTransform& t = matrix->t;
    for (int i = 0; i < count; ++i) {
        const double x = points[i].X, y = points[i].Y;
        points[i] = GpPointF { REAL(t.m11() * x + t.m21() * y), REAL(t.m12() * x + t.m22() * y) };
    }
    return Status::Ok;
}

Status GdipIsMatrixInvertible(GpMatrix* matrix, bool* result)
{
    GP_STARTED();
    if (matrix == nullptr || result == nullptr)
        return Status::InvalidParameter;
    *result = matrix->t.isInvertible();
    return Status::Ok;
}

Status GdipIsMatrixIdentity(GpMatrix* matrix, bool* result)
{
    GP_STARTED();
    if (matrix == nullptr || result == nullptr)
        return Status::InvalidParameter;
    *result = matrix->t.isIdentity();
    return Status::Ok;
}

// --- fonts and string formats ---

namespace {
bool FamilyInstalled(const QString& family)
{
    if (QGuiApplication::instance() == nullptr)
        return true; // nothing to ask without a GUI application
    const QStringList families = QFontDatabase::families();
    return std::any_of(families.begin(), families.end(),
                       [&](const QString& f) { return f.compare(family, Qt::CaseInsensitive) == 0; });
}

Status MakeFamily(const QString& name, GpFontFamily** family)
{
    const Status s = Create(family);
    if (s == Status::Ok) {
        (*family)->name = name;
        (*family)->family = vcl::DebianFontFamily(name);
    }
    return s;
}
} // namespace

Status GdipCreateFontFamilyFromName(const QString& name, GpFontCollection*, GpFontFamily** family)
{
    GP_STARTED();
    if (family == nullptr || name.trimmed().isEmpty())
        return Status::InvalidParameter;
    *family = nullptr;
    if (!FamilyInstalled(vcl::DebianFontFamily(name)))
        return Status::FontFamilyNotFound;
    return MakeFamily(name, family);
}

Status GdipGetGenericFontFamilySansSerif(GpFontFamily** family)
{
    return MakeFamily(QStringLiteral("Arial"), family);
}

Status GdipGetGenericFontFamilySerif(GpFontFamily** family)
{
    return MakeFamily(QStringLiteral("Times New Roman"), family);
}

Status GdipGetGenericFontFamilyMonospace(GpFontFamily** family)
{
    return MakeFamily(QStringLiteral("Courier New"), family);
}

Status GdipDeleteFontFamily(GpFontFamily* family)
{
    return Delete(family);
}

Status GdipGetFamilyName(const GpFontFamily* family, QString* name)
{
    GP_STARTED();
    if (family == nullptr || name == nullptr)
        return Status::InvalidParameter;
    *name = family->name;
    return Status::Ok;
}

Status GdipCreateFont(const GpFontFamily* family, REAL emSize, int style, Unit unit, GpFont** font)
{
    GP_STARTED();
    if (family == nullptr || font == nullptr || !Finite(emSize) || emSize <= 0 || unit == Unit::UnitDisplay)
        return Status::InvalidParameter;
    const Status s = Create(font);
    if (s == Status::Ok) {
        (*font)->family = family->family;
        (*font)->name = family->name;
        (*font)->size = emSize;
        (*font)->style = style;
        (*font)->unit = unit;
    }
    return s;
}

Status GdipDeleteFont(GpFont* font)
{
    return Delete(font);
}

Status GdipGetFontSize(GpFont* font, REAL* size)
{
    GP_STARTED();
    if (font == nullptr || size == nullptr)
        return Status::InvalidParameter;
    *size = font->size;
    return Status::Ok;
}

Status GdipGetFontStyle(GpFont* font, int* style)
{
    GP_STARTED();
    if (font == nullptr || style == nullptr)
        return Status::InvalidParameter;
    *style = font->style;
    return Status::Ok;
}

Status GdipGetFontUnit(GpFont* font, Unit* unit)
{
    GP_STARTED();
    if (font == nullptr || unit == nullptr)
        return Status::InvalidParameter;
    *unit = font->unit;
    return Status::Ok;
}

Status GdipCreateStringFormat(int formatFlags, int, GpStringFormat** format)
{
    const Status s = Create(format);
    if (s == Status::Ok)
        (*format)->flags = formatFlags;
    return s;
}

Status GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** clone)
{
    GP_STARTED();
    if (format == nullptr)
        return Status::InvalidParameter;
    return Create(clone, *format);
}

Status GdipDeleteStringFormat(GpStringFormat* format)
{
    return Delete(format);
}

#define GP_FORMAT_SET(Name, Type, field)                                                                               \
    Status Name(GpStringFormat* format, Type value)                                                                    \
    {                                                                                                                  \
        GP_STARTED();                                                                                                  \
        if (format == nullptr)                                                                                         \
            return Status::InvalidParameter;                                                                           \
        format->field = value;                                                                                         \
        return Status::Ok;                                                                                             \
    }
#define GP_FORMAT_GET(Name, Type, field)                                                                               \
    Status Name(GpStringFormat* format, Type* value)                                                                   \
    {                                                                                                                  \
        GP_STARTED();                                                                                                  \
        if (format == nullptr || value == nullptr)                                                                     \
            return Status::InvalidParameter;                                                                           \
        *value = format->field;                                                                                        \
        return Status::Ok;                                                                                             \
    }

GP_FORMAT_SET(GdipSetStringFormatAlign, StringAlignment, align)
GP_FORMAT_GET(GdipGetStringFormatAlign, StringAlignment, align)
GP_FORMAT_SET(GdipSetStringFormatLineAlign, StringAlignment, lineAlign)
GP_FORMAT_GET(GdipGetStringFormatLineAlign, StringAlignment, lineAlign)
GP_FORMAT_SET(GdipSetStringFormatTrimming, StringTrimming, trimming)
GP_FORMAT_GET(GdipGetStringFormatTrimming, StringTrimming, trimming)
GP_FORMAT_SET(GdipSetStringFormatFlags, int, flags)
GP_FORMAT_GET(GdipGetStringFormatFlags, int, flags)
GP_FORMAT_SET(GdipSetStringFormatHotkeyPrefix, HotkeyPrefix, prefix)
GP_FORMAT_GET(GdipGetStringFormatHotkeyPrefix, HotkeyPrefix, prefix)

} // namespace gdiplus
