#include "widgets/AdvGDIP.h"

#include "platform/core/NumberUtils.h"
#include "platform/images/BmpCodec.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/TFont.h"
#include "platform/ui/TPicture.h"
#include "widgets/GDIPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cmath>
#include <cstdlib>
#include <new>
#include <utility>

using namespace gdiplus;

// --- start-up and memory ---

namespace {

// The program's one start-up of the library, shut down when the program ends.
struct GdiplusModule
{
    ULONG_PTR token { 0 };
    bool started { false };
    ~GdiplusModule()
    {
        if (started)
            GdiplusShutdown(token);
    }
};

GdiplusModule& Module()
{
    static GdiplusModule module;
    return module;
}

const bool s_startedAtLoad = (StartGdiplus(), true);

} // namespace

void StartGdiplus()
{
    GdiplusModule& m = Module();
    if (m.started)
        return;
    GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = true;
    input.SuppressExternalCodecs = false;
    GdiplusStartupOutput output;
    m.started = GdiplusStartup(&m.token, &input, &output) == Status::Ok;
}

void* TGdiplusBase::operator new(std::size_t size)
{
    void* p = GdipAlloc(size);
    if (p == nullptr) {
        StartGdiplus();
        p = GdipAlloc(size);
    }
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void TGdiplusBase::operator delete(void* ptr) noexcept
{
    GdipFree(ptr);
}

TGdiplusBase::TGdiplusBase()
{
    (void)s_startedAtLoad;
    if (GdiplusLiveTokens() == 0)
        StartGdiplus();
}

#define ZQ9_SET_STATUS(Class, field)                                                                                   \
    Status Class::SetStatus(Status s)                                                                                  \
    {                                                                                                                  \
        if (s != Status::Ok)                                                                                           \
            field = s;                                                                                                 \
        return s;                                                                                                      \
    }

ZQ9_SET_STATUS(TGPMatrix, lastResult)
ZQ9_SET_STATUS(TGPBrush, lastResult)
ZQ9_SET_STATUS(TGPPen, lastResult)
ZQ9_SET_STATUS(TGPStringFormat, lastError)
ZQ9_SET_STATUS(TGPImageAttributes, lastResult)
ZQ9_SET_STATUS(TGPImage, lastResult)
ZQ9_SET_STATUS(TGPGraphicsPath, lastResult)
ZQ9_SET_STATUS(TGPRegion, lastResult)
ZQ9_SET_STATUS(TGPGraphics, lastResult)

// --- matrix ---

TGPMatrix::TGPMatrix()
{
    lastResult = GdipCreateMatrix(&nativeMatrix);
}

TGPMatrix::TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy)
{
    lastResult = GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg)
{
    lastResult = GdipCreateMatrix3(&rect, dstplg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRect& rect, const TGPPoint* dstplg)
{
    const TGPRectF r { float(rect.X), float(rect.Y), float(rect.Width), float(rect.Height) };
    TGPPointF p[3];
    for (int i = 0; dstplg != nullptr && i < 3; ++i)
        p[i] = TGPPointF { float(dstplg[i].X), float(dstplg[i].Y) };
    lastResult = GdipCreateMatrix3(&r, dstplg ? p : nullptr, &nativeMatrix);
}

TGPMatrix::TGPMatrix(GpMatrix* native) : nativeMatrix(native) {}

TGPMatrix::~TGPMatrix()
{
    if (nativeMatrix)
        GdipDeleteMatrix(nativeMatrix);
}

TGPMatrix* TGPMatrix::Clone()
{
    GpMatrix* clone = nullptr;
    SetStatus(GdipCloneMatrix(nativeMatrix, &clone));
    if (lastResult != Status::Ok) {
        if (clone)
            GdipDeleteMatrix(clone);
        return nullptr;
    }
    return new TGPMatrix(clone);
}

Status TGPMatrix::GetElements(TMatrixArray& m)
{
    return SetStatus(GdipGetMatrixElements(nativeMatrix, m));
}

Status TGPMatrix::SetElements(float m11, float m12, float m21, float m22, float dx, float dy)
{
    return SetStatus(GdipSetMatrixElements(nativeMatrix, m11, m12, m21, m22, dx, dy));
}

float TGPMatrix::OffsetX()
{
    TMatrixArray m {};
    return GetElements(m) == Status::Ok ? m[4] : 0.0f;
}

float TGPMatrix::OffsetY()
{
    TMatrixArray m {};
    return GetElements(m) == Status::Ok ? m[5] : 0.0f;
}

Status TGPMatrix::Reset()
{
    return SetStatus(GdipSetMatrixElements(nativeMatrix, 1, 0, 0, 1, 0, 0));
}

Status TGPMatrix::Multiply(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipMultiplyMatrix(nativeMatrix, matrix ? matrix->nativeMatrix : nullptr, order));
}

Status TGPMatrix::Translate(float offsetX, float offsetY, MatrixOrder order)
{
    return SetStatus(GdipTranslateMatrix(nativeMatrix, offsetX, offsetY, order));
}

Status TGPMatrix::Scale(float scaleX, float scaleY, MatrixOrder order)
{
    return SetStatus(GdipScaleMatrix(nativeMatrix, scaleX, scaleY, order));
}

Status TGPMatrix::Rotate(float angle, MatrixOrder order)
{
    return SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
}

Status TGPMatrix::RotateAt(float angle, const TGPPointF& center, MatrixOrder order)
{
    if (order == MatrixOrder::MatrixOrderAppend) {
        SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
        SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
        return SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
    }
    SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
    SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
    return SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
}

Status TGPMatrix::Shear(float shearX, float shearY, MatrixOrder order)
{
    return SetStatus(GdipShearMatrix(nativeMatrix, shearX, shearY, order));
}

Status TGPMatrix::Invert()
{
    return SetStatus(GdipInvertMatrix(nativeMatrix));
}

Status TGPMatrix::TransformPoints(TGPPointF* pts, int count)
{
    return SetStatus(GdipTransformMatrixPoints(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformPoints(TGPPoint* pts, int count)
{
    if (pts == nullptr || count <= 0)
        return SetStatus(Status::InvalidParameter);
    std::vector<TGPPointF> f(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        f[std::size_t(i)] = TGPPointF { float(pts[i].X), float(pts[i].Y) };
    const Status s = SetStatus(GdipTransformMatrixPoints(nativeMatrix, f.data(), count));
    if (s == Status::Ok)
        for (int i = 0; i < count; ++i)
            pts[i] = TGPPoint { vcl::RoundToInt(f[std::size_t(i)].X), vcl::RoundToInt(f[std::size_t(i)].Y) };
    return s;
}

Status TGPMatrix::TransformVectors(TGPPointF* pts, int count)
{
    return SetStatus(GdipVectorTransformMatrixPoints(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformVectors(TGPPoint* pts, int count)
{
    if (pts == nullptr || count <= 0)
        return SetStatus(Status::InvalidParameter);
    std::vector<TGPPointF> f(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        f[std::size_t(i)] = TGPPointF { float(pts[i].X), float(pts[i].Y) };
    const Status s = SetStatus(GdipVectorTransformMatrixPoints(nativeMatrix, f.data(), count));
    if (s == Status::Ok)
        for (int i = 0; i < count; ++i)
            pts[i] = TGPPoint { vcl::RoundToInt(f[std::size_t(i)].X), vcl::RoundToInt(f[std::size_t(i)].Y) };
    return s;
}

bool TGPMatrix::IsInvertible()
{
    bool result = false;
    SetStatus(GdipIsMatrixInvertible(nativeMatrix, &result));
    return result;
}

bool TGPMatrix::IsIdentity()
{
    bool result = false;
    SetStatus(GdipIsMatrixIdentity(nativeMatrix, &result));
    return result;
}

Status TGPMatrix::GetLastStatus()
{
    const Status s = lastResult;
    lastResult = Status::Ok;
    return s;
}

// --- brushes ---

TGPBrush::TGPBrush() : lastResult(Status::NotImplemented) {}

TGPBrush::TGPBrush(GpBrush* native, Status status) : nativeBrush(native), lastResult(status) {}

TGPBrush::~TGPBrush()
{
    if (nativeBrush)
        GdipDeleteBrush(nativeBrush);
}

TGPSolidBrush::TGPSolidBrush(ARGB color) : TGPBrush(Empty {})
{
    lastResult = GdipCreateSolidFill(color, &nativeBrush);
}

TGPSolidBrush::TGPSolidBrush() : TGPBrush(Empty {}) {}

TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor) : TGPBrush(Empty {})
{
    lastResult = GdipCreateHatchBrush(hatchStyle, foreColor, backColor, &nativeBrush);
}

TGPHatchBrush::TGPHatchBrush() : TGPBrush(Empty {}) {}

HatchStyle TGPHatchBrush::GetHatchStyle()
{
    HatchStyle s = HatchStyle::HatchStyleHorizontal;
    SetStatus(GdipGetHatchStyle(nativeBrush, &s));
    return s;
}

ARGB TGPHatchBrush::GetForegroundColor()
{
    ARGB c = 0;
    SetStatus(GdipGetHatchForegroundColor(nativeBrush, &c));
    return c;
}

ARGB TGPHatchBrush::GetBackgroundColor()
{
    ARGB c = 0;
    SetStatus(GdipGetHatchBackgroundColor(nativeBrush, &c));
    return c;
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode) : TGPBrush(Empty {})
{
    lastResult = GdipCreateTexture(image ? image->nativeImage : nullptr, wrapMode, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& r) : TGPBrush(Empty {})
{
    lastResult = GdipCreateTexture2(image ? image->nativeImage : nullptr, wrapMode, r.X, r.Y, r.Width, r.Height,
                                    &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& r) : TGPBrush(Empty {})
{
    lastResult = GdipCreateTexture2(image ? image->nativeImage : nullptr, wrapMode, float(r.X), float(r.Y),
                                    float(r.Width), float(r.Height), &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, float x, float y, float w, float h)
    : TGPBrush(Empty {})
{
    lastResult = GdipCreateTexture2(image ? image->nativeImage : nullptr, wrapMode, x, y, w, h, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRectF& r, TGPImageAttributes* attributes)
    : TGPBrush(Empty {})
{
    lastResult = GdipCreateTextureIA(image ? image->nativeImage : nullptr,
                                     attributes ? attributes->nativeImageAttr : nullptr, r.X, r.Y, r.Width, r.Height,
                                     &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRect& r, TGPImageAttributes* attributes)
    : TGPBrush(Empty {})
{
    lastResult = GdipCreateTextureIA(image ? image->nativeImage : nullptr,
                                     attributes ? attributes->nativeImageAttr : nullptr, float(r.X), float(r.Y),
                                     float(r.Width), float(r.Height), &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush() : TGPBrush(Empty {}) {}

Status TGPTextureBrush::ResetTransform()
{
    return SetStatus(GdipResetTextureTransform(nativeBrush));
}

Status TGPTextureBrush::TranslateTransform(float dx, float dy, MatrixOrder order)
{
    return SetStatus(GdipTranslateTextureTransform(nativeBrush, dx, dy, order));
}

Status TGPTextureBrush::ScaleTransform(float sx, float sy, MatrixOrder order)
{
    return SetStatus(GdipScaleTextureTransform(nativeBrush, sx, sy, order));
}

Status TGPTextureBrush::RotateTransform(float angle, MatrixOrder order)
{
    return SetStatus(GdipRotateTextureTransform(nativeBrush, angle, order));
}

Status TGPTextureBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipSetTextureWrapMode(nativeBrush, wrapMode));
}

WrapMode TGPTextureBrush::GetWrapMode()
{
    WrapMode m = WrapMode::WrapModeTile;
    SetStatus(GdipGetTextureWrapMode(nativeBrush, &m));
    return m;
}

TGPImage* TGPTextureBrush::GetImage()
{
    GpImage* image = nullptr;
    const Status s = SetStatus(GdipGetTextureImage(nativeBrush, &image));
    (void)s;
    return new TGPImage(image, lastResult);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& p1, const TGPPointF& p2, ARGB c1, ARGB c2)
    : TGPBrush(Empty {})
{
    lastResult = GdipCreateLineBrush(&p1, &p2, c1, c2, WrapMode::WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& p1, const TGPPoint& p2, ARGB c1, ARGB c2)
    : TGPBrush(Empty {})
{
    const TGPPointF f1 { float(p1.X), float(p1.Y) }, f2 { float(p2.X), float(p2.Y) };
    lastResult = GdipCreateLineBrush(&f1, &f2, c1, c2, WrapMode::WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB c1, ARGB c2, LinearGradientMode mode)
    : TGPBrush(Empty {})
{
    lastResult = GdipCreateLineBrushFromRect(&rect, c1, c2, mode, WrapMode::WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB c1, ARGB c2, LinearGradientMode mode)
    : TGPBrush(Empty {})
{
    const TGPRectF r { float(rect.X), float(rect.Y), float(rect.Width), float(rect.Height) };
    lastResult = GdipCreateLineBrushFromRect(&r, c1, c2, mode, WrapMode::WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB c1, ARGB c2, float angle, bool scalable)
    : TGPBrush(Empty {})
{
    lastResult = GdipCreateLineBrushFromRectWithAngle(&rect, c1, c2, angle, scalable, WrapMode::WrapModeTile,
                                                      &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB c1, ARGB c2, float angle, bool scalable)
    : TGPBrush(Empty {})
{
    const TGPRectF r { float(rect.X), float(rect.Y), float(rect.Width), float(rect.Height) };
    lastResult = GdipCreateLineBrushFromRectWithAngle(&r, c1, c2, angle, scalable, WrapMode::WrapModeTile,
                                                      &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush() : TGPBrush(Empty {}) {}

Status TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetLineGammaCorrection(nativeBrush, useGammaCorrection));
}

Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count)
{
    if (count <= 0)
        return SetStatus(Status::InvalidParameter);
    return SetStatus(GdipSetLinePresetBlend(nativeBrush, presetColors, blendPositions, count));
}

TGPPathGradientBrush::TGPPathGradientBrush(TGPGraphicsPath* path) : TGPBrush(Empty {})
{
    lastResult = GdipCreatePathGradientFromPath(path ? path->nativePath : nullptr, &nativeBrush);
}

Status TGPPathGradientBrush::GetCenterColor(ARGB& color)
{
    SetStatus(GdipGetPathGradientCenterColor(nativeBrush, &color));
    return lastResult;
}

Status TGPPathGradientBrush::SetCenterColor(ARGB color)
{
    SetStatus(GdipSetPathGradientCenterColor(nativeBrush, color));
    return lastResult;
}

int TGPPathGradientBrush::GetPointCount()
{
    int count = 0;
    SetStatus(GdipGetPathGradientPointCount(nativeBrush, &count));
    return count;
}

Status TGPPathGradientBrush::GetSurroundColors(ARGB* colors, int& count)
{
    if (colors == nullptr)
        return SetStatus(Status::InvalidParameter);
    int count1 = 0;
    SetStatus(GdipGetPathGradientSurroundColorCount(nativeBrush, &count1));
    if (lastResult != Status::Ok)
        return lastResult;
    if (count < count1 || count1 <= 0)
        return SetStatus(Status::InsufficientBuffer);
    int fetched = count1;
    SetStatus(GdipGetPathGradientSurroundColorsWithCount(nativeBrush, colors, &fetched));
    if (lastResult == Status::Ok)
        count = fetched;
    return lastResult;
}

Status TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int& count)
{
    if (colors == nullptr)
        return SetStatus(Status::InvalidParameter);
    const int count1 = GetPointCount();
    if (count > count1 || count1 <= 0)
        return SetStatus(Status::InvalidParameter);
    int used = count;
    SetStatus(GdipSetPathGradientSurroundColorsWithCount(nativeBrush, colors, &used));
    if (lastResult == Status::Ok)
        count = used;
    return lastResult;
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPointF& point)
{
    return SetStatus(GdipGetPathGradientCenterPoint(nativeBrush, &point));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPoint& point)
{
    TGPPointF f;
    const Status s = SetStatus(GdipGetPathGradientCenterPoint(nativeBrush, &f));
    if (s == Status::Ok)
        point = TGPPoint { vcl::RoundToInt(f.X), vcl::RoundToInt(f.Y) };
    return s;
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point)
{
    return SetStatus(GdipSetPathGradientCenterPoint(nativeBrush, &point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPoint& point)
{
    const TGPPointF f { float(point.X), float(point.Y) };
    return SetStatus(GdipSetPathGradientCenterPoint(nativeBrush, &f));
}

Status TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipSetPathGradientWrapMode(nativeBrush, wrapMode));
}

Status TGPPathGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetPathGradientGammaCorrection(nativeBrush, useGammaCorrection));
}

Status TGPPathGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count)
{
    if (count <= 0 || presetColors == nullptr)
        return SetStatus(Status::InvalidParameter);
    return SetStatus(GdipSetPathGradientPresetBlend(nativeBrush, presetColors, blendPositions, count));
}

// --- pen ---

TGPPen::TGPPen(ARGB color, float width)
{
    lastResult = GdipCreatePen1(color, width, Unit::UnitWorld, &nativePen);
}

TGPPen::TGPPen(TGPBrush* brush, float width)
{
    lastResult = GdipCreatePen2(brush ? brush->nativeBrush : nullptr, width, Unit::UnitWorld, &nativePen);
}

TGPPen::~TGPPen()
{
    if (nativePen)
        GdipDeletePen(nativePen);
}

Status TGPPen::SetBrush(TGPBrush* brush)
{
    return SetStatus(GdipSetPenBrushFill(nativePen, brush ? brush->nativeBrush : nullptr));
}

TGPBrush* TGPPen::GetBrush()
{
    TGPBrush* brush = nullptr;
    switch (GetPenType()) {
    case PenType::PenTypeSolidColor:
        brush = new TGPSolidBrush();
        break;
    case PenType::PenTypeHatchFill:
        brush = new TGPHatchBrush();
        break;
    case PenType::PenTypeTextureFill:
        brush = new TGPTextureBrush();
        break;
    case PenType::PenTypePathGradient:
        brush = new TGPBrush();
        break;
    case PenType::PenTypeLinearGradient:
        brush = new TGPLinearGradientBrush();
        break;
    default:
        return nullptr;
    }
    GpBrush* native = nullptr;
    SetStatus(GdipGetPenBrushFill(nativePen, &native));
    brush->nativeBrush = native;
    return brush;
}

DashStyle TGPPen::GetDashStyle()
{
    DashStyle d = DashStyle::DashStyleSolid;
    SetStatus(GdipGetPenDashStyle(nativePen, &d));
    return d;
}

Status TGPPen::SetDashStyle(DashStyle dashStyle)
{
    return SetStatus(GdipSetPenDashStyle(nativePen, dashStyle));
}

Status TGPPen::SetAlignment(PenAlignment alignment)
{
    return SetStatus(GdipSetPenMode(nativePen, alignment));
}

Status TGPPen::SetEndCap(LineCap endCap)
{
    return SetStatus(GdipSetPenEndCap(nativePen, endCap));
}

PenType TGPPen::GetPenType()
{
    PenType t = PenType::PenTypeUnknown;
    if (SetStatus(GdipGetPenFillType(nativePen, &t)) != Status::Ok)
        return PenType::PenTypeUnknown;
    return t;
}

// --- fonts ---

TGPFontFamily::TGPFontFamily(const QString& name, TGPFontCollection* fontCollection)
{
    lastResult = GdipCreateFontFamilyFromName(name, fontCollection ? fontCollection->nativeFontCollection : nullptr,
                                              &nativeFamily);
}

TGPFontFamily::TGPFontFamily(GpFontFamily* native, Status status) : nativeFamily(native), lastResult(status) {}

TGPFontFamily::~TGPFontFamily()
{
    if (nativeFamily)
        GdipDeleteFontFamily(nativeFamily);
}

TGPFontFamily* TGPFontFamily::GenericSansSerif()
{
    static TGPFontFamily* family = [] {
        GpFontFamily* native = nullptr;
        const Status s = GdipGetGenericFontFamilySansSerif(&native);
        return new TGPFontFamily(native, s);
    }();
    return family;
}

TGPFontFamily* TGPFontFamily::GenericSerif()
{
    static TGPFontFamily* family = [] {
        GpFontFamily* native = nullptr;
        const Status s = GdipGetGenericFontFamilySerif(&native);
        return new TGPFontFamily(native, s);
    }();
    return family;
}

TGPFontFamily* TGPFontFamily::GenericMonospace()
{
    static TGPFontFamily* family = [] {
        GpFontFamily* native = nullptr;
        const Status s = GdipGetGenericFontFamilyMonospace(&native);
        return new TGPFontFamily(native, s);
    }();
    return family;
}

TGPFont::TGPFont(TGPFontFamily* family, float emSize, int style, Unit_ unit)
{
    lastResult = GdipCreateFont(family ? family->nativeFamily : nullptr, emSize, style, unit, &nativeFont);
}

TGPFont::TGPFont(const QString& familyName, float emSize, int style, Unit_ unit, TGPFontCollection* fontCollection)
{
    TGPFontFamily family(familyName, fontCollection);
    lastResult = GdipCreateFont(family.nativeFamily, emSize, style, unit, &nativeFont);
    if (lastResult != Status::Ok)
        lastResult = GdipCreateFont(TGPFontFamily::GenericSansSerif()->nativeFamily, emSize, style, unit, &nativeFont);
}

TGPFont::TGPFont(GpFont* native, Status status) : nativeFont(native), lastResult(status) {}

TGPFont::~TGPFont()
{
    if (nativeFont)
        GdipDeleteFont(nativeFont);
}

// --- string format ---

TGPStringFormat::TGPStringFormat(int formatFlags, int language)
{
    lastError = GdipCreateStringFormat(formatFlags, language, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(TGPStringFormat* format)
{
    lastError = GdipCloneStringFormat(format ? format->nativeFormat : nullptr, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(GpStringFormat* native, Status status) : nativeFormat(native), lastError(status) {}

TGPStringFormat::~TGPStringFormat()
{
    if (nativeFormat)
        GdipDeleteStringFormat(nativeFormat);
}

Status TGPStringFormat::SetAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatAlign(nativeFormat, align));
}

StringAlignment TGPStringFormat::GetAlignment()
{
    StringAlignment a = StringAlignment::StringAlignmentNear;
    SetStatus(GdipGetStringFormatAlign(nativeFormat, &a));
    return a;
}

Status TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatLineAlign(nativeFormat, align));
}

StringAlignment TGPStringFormat::GetLineAlignment()
{
    StringAlignment a = StringAlignment::StringAlignmentNear;
    SetStatus(GdipGetStringFormatLineAlign(nativeFormat, &a));
    return a;
}

Status TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return SetStatus(GdipSetStringFormatTrimming(nativeFormat, trimming));
}

StringTrimming TGPStringFormat::GetTrimming()
{
    StringTrimming t = StringTrimming::StringTrimmingNone;
    SetStatus(GdipGetStringFormatTrimming(nativeFormat, &t));
    return t;
}

Status TGPStringFormat::SetFormatFlags(int flags)
{
    return SetStatus(GdipSetStringFormatFlags(nativeFormat, flags));
}

int TGPStringFormat::GetFormatFlags()
{
    int f = 0;
    SetStatus(GdipGetStringFormatFlags(nativeFormat, &f));
    return f;
}

Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return SetStatus(GdipSetStringFormatHotkeyPrefix(nativeFormat, hotkeyPrefix));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    HotkeyPrefix p = HotkeyPrefix::HotkeyPrefixNone;
    SetStatus(GdipGetStringFormatHotkeyPrefix(nativeFormat, &p));
    return p;
}

// --- image attributes ---

TGPImageAttributes::TGPImageAttributes()
{
    lastResult = GdipCreateImageAttributes(&nativeImageAttr);
}

TGPImageAttributes::TGPImageAttributes(GpImageAttributes* native, Status status)
    : nativeImageAttr(native), lastResult(status)
{
}

TGPImageAttributes::~TGPImageAttributes()
{
    if (nativeImageAttr)
        GdipDisposeImageAttributes(nativeImageAttr);
}

TGPImageAttributes* TGPImageAttributes::Clone()
{
    GpImageAttributes* clone = nullptr;
    SetStatus(GdipCloneImageAttributes(nativeImageAttr, &clone));
    return new TGPImageAttributes(clone, lastResult);
}

Status TGPImageAttributes::SetToIdentity(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesToIdentity(nativeImageAttr, type));
}

Status TGPImageAttributes::Reset(ColorAdjustType type)
{
    return SetStatus(GdipResetImageAttributes(nativeImageAttr, type));
}

Status TGPImageAttributes::SetColorMatrix(const ColorMatrix& m, ColorMatrixFlags mode, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, true, &m, nullptr, mode));
}

Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, false, nullptr, nullptr,
                                                       ColorMatrixFlags::ColorMatrixFlagsDefault));
}

Status TGPImageAttributes::SetColorMatrices(const ColorMatrix& m, const ColorMatrix& grey, ColorMatrixFlags mode,
                                            ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, true, &m, &grey, mode));
}

Status TGPImageAttributes::ClearColorMatrices(ColorAdjustType type)
{
    return ClearColorMatrix(type);
}

Status TGPImageAttributes::SetThreshold(float threshold, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, true, threshold));
}

Status TGPImageAttributes::ClearThreshold(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, false, 0));
}

Status TGPImageAttributes::SetGamma(float gamma, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, true, gamma));
}

Status TGPImageAttributes::ClearGamma(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, false, 0));
}

Status TGPImageAttributes::SetNoOp(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, true));
}

Status TGPImageAttributes::ClearNoOp(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, false));
}

Status TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type, true, colorLow, colorHigh));
}

Status TGPImageAttributes::ClearColorKey(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type, false, 0, 0));
}

Status TGPImageAttributes::SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannel(nativeImageAttr, type, true, channelFlags));
}

Status TGPImageAttributes::ClearOutputChannel(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannel(nativeImageAttr, type, false,
                                                         ColorChannelFlags::ColorChannelFlagsLast));
}

Status TGPImageAttributes::SetOutputChannelColorProfile(const QString& profile, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, type, true, profile));
}

Status TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, type, false, QString()));
}

Status TGPImageAttributes::SetRemapTable(int mapSize, const ColorMap* map, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, true, mapSize, map));
}

Status TGPImageAttributes::ClearRemapTable(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, false, 0, nullptr));
}

Status TGPImageAttributes::SetBrushRemapTable(int mapSize, const ColorMap* map)
{
    return SetRemapTable(mapSize, map, ColorAdjustType::ColorAdjustTypeBrush);
}

Status TGPImageAttributes::ClearBrushRemapTable()
{
    return ClearRemapTable(ColorAdjustType::ColorAdjustTypeBrush);
}

Status TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, bool clamp)
{
    return SetStatus(GdipSetImageAttributesWrapMode(nativeImageAttr, wrap, color, clamp));
}

Status TGPImageAttributes::GetAdjustedPalette(gdiplus::ColorPalette* colorPalette, ColorAdjustType colorAdjustType)
{
    return SetStatus(GdipGetImageAttributesAdjustedPalette(nativeImageAttr, colorPalette, colorAdjustType));
}

Status TGPImageAttributes::GetLastStatus()
{
    const Status s = lastResult;
    lastResult = Status::Ok;
    return s;
}

// --- images ---

TGPImage::TGPImage(const QString& filename, bool)
{
    lastResult = GdipLoadImageFromFile(filename, &nativeImage);
}

TGPImage::TGPImage(const QByteArray& stream, bool)
{
    lastResult = GdipLoadImageFromBytes(stream, &nativeImage);
}

TGPImage::TGPImage(GpImage* native, Status status) : nativeImage(native), lastResult(status) {}

TGPImage::~TGPImage()
{
    if (nativeImage)
        GdipDisposeImage(nativeImage);
}

Status TGPImage::Save(const QString& filename, const GUID& format)
{
    return SetStatus(GdipSaveImageToFile(nativeImage, filename, format));
}

Status TGPImage::Save(QByteArray& stream, const GUID& format)
{
    return SetStatus(GdipSaveImageToBytes(nativeImage, &stream, format));
}

Status TGPImage::SaveAdd(TGPImage* newImage)
{
    if (newImage == nullptr)
        return SetStatus(Status::InvalidParameter);
    return SetStatus(Status::NotImplemented);
}

TGPImageFormat TGPImage::GetFormat()
{
    GUID id;
    if (SetStatus(GdipGetImageRawFormat(nativeImage, &id)) != Status::Ok)
        return TGPImageFormat::ifUndefined;
    const std::pair<GUID, TGPImageFormat> table[] = {
        { ImageFormatMemoryBMP, TGPImageFormat::ifMemoryBMP }, { ImageFormatBMP, TGPImageFormat::ifBMP },
        { ImageFormatEMF, TGPImageFormat::ifEMF },             { ImageFormatWMF, TGPImageFormat::ifWMF },
        { ImageFormatJPEG, TGPImageFormat::ifJPEG },           { ImageFormatPNG, TGPImageFormat::ifPNG },
        { ImageFormatGIF, TGPImageFormat::ifGIF },             { ImageFormatTIFF, TGPImageFormat::ifTIFF },
        { ImageFormatEXIF, TGPImageFormat::ifEXIF },           { ImageFormatIcon, TGPImageFormat::ifIcon },
    };
    for (const auto& [guid, format] : table)
        if (guid == id)
            return format;
    return TGPImageFormat::ifUndefined;
}

PixelFormat TGPImage::GetPixelFormat()
{
    PixelFormat f = PixelFormatUndefined;
    SetStatus(GdipGetImagePixelFormat(nativeImage, &f));
    return f;
}

int TGPImage::GetPixelDepth()
{
    return (GetPixelFormat() >> 8) & 0xFF;
}

bool TGPImage::HasPalette()
{
    return (GetPixelFormat() & PixelFormatIndexed) != 0;
}

bool TGPImage::HasAlphaChannel()
{
    return (GetPixelFormat() & PixelFormatAlpha) != 0;
}

TGPImage* TGPImage::GetThumbnailImage(unsigned thumbWidth, unsigned thumbHeight)
{
    GpImage* thumb = nullptr;
    SetStatus(GdipGetImageThumbnail(nativeImage, thumbWidth, thumbHeight, &thumb));
    return new TGPImage(thumb, lastResult);
}

unsigned TGPImage::GetWidth()
{
    unsigned w = 0;
    return SetStatus(GdipGetImageWidth(nativeImage, &w)) == Status::Ok ? w : 0;
}

unsigned TGPImage::GetHeight()
{
    unsigned h = 0;
    return SetStatus(GdipGetImageHeight(nativeImage, &h)) == Status::Ok ? h : 0;
}

Status TGPImage::RotateFlip(RotateFlipType rotateFlipType)
{
    return SetStatus(GdipImageRotateFlip(nativeImage, rotateFlipType));
}

TGPBitmap::TGPBitmap(const QByteArray& stream, bool) : TGPImage(Empty {})
{
    lastResult = GdipLoadImageFromBytes(stream, &nativeImage);
}

TGPBitmap::TGPBitmap(int width, int height, PixelFormat format) : TGPImage(Empty {})
{
    lastResult = GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &nativeImage);
}

TGPBitmap::TGPBitmap(GpBitmap* native) : TGPImage(Empty {})
{
    nativeImage = native;
    lastResult = Status::Ok;
}

TGPBitmap* TGPBitmap::FromStream(const QByteArray& stream, bool useEmbeddedColorManagement)
{
    return new TGPBitmap(stream, useEmbeddedColorManagement);
}

Status TGPBitmap::GetHBITMAP(ARGB colorBackground, QImage& hbmReturn)
{
    return SetStatus(GdipCreateHBITMAPFromBitmap(nativeImage, &hbmReturn, colorBackground));
}

Status TGPBitmap::GetPixel(int x, int y, ARGB& color)
{
    return SetStatus(GdipBitmapGetPixel(nativeImage, x, y, &color));
}

Status TGPBitmap::SetPixel(int x, int y, ARGB color)
{
    return SetStatus(GdipBitmapSetPixel(nativeImage, x, y, color));
}

// --- path ---

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode)
{
    lastResult = GdipCreatePath(fillMode, &nativePath);
}

TGPGraphicsPath::TGPGraphicsPath(GpPath* native) : nativePath(native) {}

TGPGraphicsPath::~TGPGraphicsPath()
{
    if (nativePath)
        GdipDeletePath(nativePath);
}

Status TGPGraphicsPath::Reset()
{
    return SetStatus(GdipResetPath(nativePath));
}

Status TGPGraphicsPath::CloseFigure()
{
    return SetStatus(GdipClosePathFigure(nativePath));
}

Status TGPGraphicsPath::AddLine(const TGPPointF& a, const TGPPointF& b)
{
    return AddLine(a.X, a.Y, b.X, b.Y);
}

Status TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2)
{
    return SetStatus(GdipAddPathLine(nativePath, x1, y1, x2, y2));
}

Status TGPGraphicsPath::AddLine(const TGPPoint& a, const TGPPoint& b)
{
    return AddLine(float(a.X), float(a.Y), float(b.X), float(b.Y));
}

Status TGPGraphicsPath::AddLine(int x1, int y1, int x2, int y2)
{
    return AddLine(float(x1), float(y1), float(x2), float(y2));
}

namespace {
std::vector<TGPPointF> ToFloat(const TGPPoint* points, int count)
{
    std::vector<TGPPointF> f;
    for (int i = 0; points != nullptr && i < count; ++i)
        f.push_back(TGPPointF { float(points[i].X), float(points[i].Y) });
    return f;
}
} // namespace

Status TGPGraphicsPath::AddLines(const TGPPoint* points, int count)
{
    const auto f = ToFloat(points, count);
    return SetStatus(GdipAddPathLine2(nativePath, points ? f.data() : nullptr, count));
}

Status TGPGraphicsPath::AddLines(const TGPPointF* points, int count)
{
    return SetStatus(GdipAddPathLine2(nativePath, points, count));
}

Status TGPGraphicsPath::AddRectangle(const TGPRectF& r)
{
    return SetStatus(GdipAddPathRectangle(nativePath, r.X, r.Y, r.Width, r.Height));
}

Status TGPGraphicsPath::AddRectangle(const TGPRect& r)
{
    return SetStatus(GdipAddPathRectangle(nativePath, float(r.X), float(r.Y), float(r.Width), float(r.Height)));
}

Status TGPGraphicsPath::AddArc(const TGPRectF& r, float startAngle, float sweepAngle)
{
    return AddArc(r.X, r.Y, r.Width, r.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipAddPathArc(nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddArc(const TGPRect& r, float startAngle, float sweepAngle)
{
    return AddArc(float(r.X), float(r.Y), float(r.Width), float(r.Height), startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddArc(int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return AddArc(float(x), float(y), float(width), float(height), startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddEllipse(const TGPRectF& r)
{
    return AddEllipse(r.X, r.Y, r.Width, r.Height);
}

Status TGPGraphicsPath::AddEllipse(float x, float y, float width, float height)
{
    return SetStatus(GdipAddPathEllipse(nativePath, x, y, width, height));
}

Status TGPGraphicsPath::AddPie(const TGPRectF& r, float startAngle, float sweepAngle)
{
    return AddPie(r.X, r.Y, r.Width, r.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipAddPathPie(nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddPolygon(const TGPPointF* points, int count)
{
    return SetStatus(GdipAddPathPolygon(nativePath, points, count));
}

Status TGPGraphicsPath::AddPolygon(const TGPPoint* points, int count)
{
    const auto f = ToFloat(points, count);
    return SetStatus(GdipAddPathPolygon(nativePath, points ? f.data() : nullptr, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF* points, int count)
{
    return SetStatus(GdipAddPathCurve(nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* points, int count)
{
    return SetStatus(GdipAddPathCurveI(nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* points, int count, float tension)
{
    return SetStatus(GdipAddPathCurve2I(nativePath, points, count, tension));
}

Status TGPGraphicsPath::AddBezier(const TGPPoint& a, const TGPPoint& b, const TGPPoint& c, const TGPPoint& d)
{
    return AddBezier(float(a.X), float(a.Y), float(b.X), float(b.Y), float(c.X), float(c.Y), float(d.X), float(d.Y));
}

Status TGPGraphicsPath::AddBezier(const TGPPointF& a, const TGPPointF& b, const TGPPointF& c, const TGPPointF& d)
{
    return AddBezier(a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y);
}

Status TGPGraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    return SetStatus(GdipAddPathBezier(nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}

Status TGPGraphicsPath::AddString(const QString& string, int length, TGPFontFamily* family, int style, float emSize,
                                  const TGPRectF& layoutRect, TGPStringFormat* format)
{
    return SetStatus(GdipAddPathString(nativePath, string, length, family ? family->nativeFamily : nullptr, style,
                                       emSize, &layoutRect, format ? format->nativeFormat : nullptr));
}

Status TGPGraphicsPath::AddString(const QString& string, int length, TGPFontFamily* family, int style, float emSize,
                                  const TGPPointF& origin, TGPStringFormat* format)
{
    const TGPRectF r { origin.X, origin.Y, 0, 0 };
    return AddString(string, length, family, style, emSize, r, format);
}

// --- region ---

TGPRegion::TGPRegion(const TGPRectF& rect)
{
    lastResult = GdipCreateRegionRect(&rect, &nativeRegion);
}

TGPRegion::TGPRegion(TGPGraphicsPath* path)
{
    lastResult = GdipCreateRegionPath(path ? path->nativePath : nullptr, &nativeRegion);
}

TGPRegion::~TGPRegion()
{
    if (nativeRegion)
        GdipDeleteRegion(nativeRegion);
}

Status TGPRegion::Exclude(TGPGraphicsPath* path)
{
    return SetStatus(GdipCombineRegionPath(nativeRegion, path ? path->nativePath : nullptr,
                                           CombineMode::CombineModeExclude));
}

Status TGPRegion::Union(TGPRegion* region)
{
    return SetStatus(GdipCombineRegionRegion(nativeRegion, region ? region->nativeRegion : nullptr,
                                             CombineMode::CombineModeUnion));
}

// --- graphics ---

TGPGraphics::TGPGraphics(vcl::TCanvas* canvas)
{
    lastResult = GdipCreateFromCanvas(canvas, &nativeGraphics);
}

TGPGraphics::TGPGraphics(TGPImage* image)
{
    lastResult = Status::Ok;
    if (image != nullptr)
        lastResult = GdipGetImageGraphicsContext(image->nativeImage, &nativeGraphics);
}

TGPGraphics::~TGPGraphics()
{
    if (nativeGraphics)
        GdipDeleteGraphics(nativeGraphics);
}

TGPGraphics* TGPGraphics::FromImage(TGPImage* image)
{
    return new TGPGraphics(image);
}

void TGPGraphics::Flush(FlushIntention intention)
{
    GdipFlush(nativeGraphics, intention);
}

Status TGPGraphics::Clear(ARGB color)
{
    return SetStatus(GdipGraphicsClear(nativeGraphics, color));
}

vcl::TCanvas* TGPGraphics::GetHDC()
{
    vcl::TCanvas* canvas = nullptr;
    SetStatus(GdipGetDC(nativeGraphics, &canvas));
    return canvas;
}

void TGPGraphics::ReleaseHDC(vcl::TCanvas* hdc)
{
    SetStatus(GdipReleaseDC(nativeGraphics, hdc));
}

Status TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return SetStatus(GdipSetTextRenderingHint(nativeGraphics, newMode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    TextRenderingHint h = TextRenderingHint::TextRenderingHintSystemDefault;
    SetStatus(GdipGetTextRenderingHint(nativeGraphics, &h));
    return h;
}

Status TGPGraphics::SetSmoothingMode(SmoothingMode smoothingMode)
{
    return SetStatus(GdipSetSmoothingMode(nativeGraphics, smoothingMode));
}

SmoothingMode TGPGraphics::GetSmoothingMode()
{
    SmoothingMode m = SmoothingMode::SmoothingModeInvalid;
    if (SetStatus(GdipGetSmoothingMode(nativeGraphics, &m)) != Status::Ok)
        return SmoothingMode::SmoothingModeInvalid;
    return m;
}

Status TGPGraphics::SetCompositingQuality(CompositingQuality q)
{
    return SetStatus(GdipSetCompositingQuality(nativeGraphics, q));
}

CompositingQuality TGPGraphics::GetCompositingQuality()
{
    CompositingQuality q = CompositingQuality::CompositingQualityInvalid;
    if (SetStatus(GdipGetCompositingQuality(nativeGraphics, &q)) != Status::Ok)
        return CompositingQuality::CompositingQualityInvalid;
    return q;
}

Status TGPGraphics::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipSetWorldTransform(nativeGraphics, matrix ? matrix->nativeMatrix : nullptr));
}

Status TGPGraphics::ResetTransform()
{
    return SetStatus(GdipResetWorldTransform(nativeGraphics));
}

Status TGPGraphics::SetClip(TGPRegion* region, CombineMode combineMode)
{
    return SetStatus(GdipSetClipRegion(nativeGraphics, region ? region->nativeRegion : nullptr, combineMode));
}

Status TGPGraphics::SetClip(TGPGraphicsPath* path, CombineMode combineMode)
{
    return SetStatus(GdipSetClipPath(nativeGraphics, path ? path->nativePath : nullptr, combineMode));
}

Status TGPGraphics::SetClip(const TGPRectF& r, CombineMode combineMode)
{
    return SetStatus(GdipSetClipRect(nativeGraphics, r.X, r.Y, r.Width, r.Height, combineMode));
}

Status TGPGraphics::ExcludeClip(const TGPRectF& r)
{
    return SetStatus(GdipSetClipRect(nativeGraphics, r.X, r.Y, r.Width, r.Height, CombineMode::CombineModeExclude));
}

Status TGPGraphics::ExcludeClip(TGPRegion* region)
{
    return SetStatus(GdipSetClipRegion(nativeGraphics, region ? region->nativeRegion : nullptr,
                                       CombineMode::CombineModeExclude));
}

Status TGPGraphics::ResetClip()
{
    return SetStatus(GdipResetClip(nativeGraphics));
}

#define ZQ9_PEN(p) ((p) ? (p)->nativePen : nullptr)
#define ZQ9_BRUSH(b) ((b) ? (b)->nativeBrush : nullptr)
#define ZQ9_IMAGE(i) ((i) ? (i)->nativeImage : nullptr)

Status TGPGraphics::DrawLine(TGPPen* pen, float x1, float y1, float x2, float y2)
{
    return SetStatus(GdipDrawLine(nativeGraphics, ZQ9_PEN(pen), x1, y1, x2, y2));
}

Status TGPGraphics::DrawLine(TGPPen* pen, const TGPPointF& a, const TGPPointF& b)
{
    return DrawLine(pen, a.X, a.Y, b.X, b.Y);
}

Status TGPGraphics::DrawLine(TGPPen* pen, int x1, int y1, int x2, int y2)
{
    return DrawLine(pen, float(x1), float(y1), float(x2), float(y2));
}

Status TGPGraphics::DrawArc(TGPPen* pen, float x, float y, float w, float h, float startAngle, float sweepAngle)
{
    return SetStatus(GdipDrawArc(nativeGraphics, ZQ9_PEN(pen), x, y, w, h, startAngle, sweepAngle));
}

Status TGPGraphics::DrawArc(TGPPen* pen, const TGPRectF& r, float startAngle, float sweepAngle)
{
    return DrawArc(pen, r.X, r.Y, r.Width, r.Height, startAngle, sweepAngle);
}

Status TGPGraphics::DrawEllipse(TGPPen* pen, const TGPRectF& r)
{
    return DrawEllipse(pen, r.X, r.Y, r.Width, r.Height);
}

Status TGPGraphics::DrawEllipse(TGPPen* pen, float x, float y, float w, float h)
{
    return SetStatus(GdipDrawEllipse(nativeGraphics, ZQ9_PEN(pen), x, y, w, h));
}

Status TGPGraphics::DrawEllipse(TGPPen* pen, const TGPRect& r)
{
    return DrawEllipse(pen, float(r.X), float(r.Y), float(r.Width), float(r.Height));
}

Status TGPGraphics::DrawEllipse(TGPPen* pen, int x, int y, int w, int h)
{
    return DrawEllipse(pen, float(x), float(y), float(w), float(h));
}

Status TGPGraphics::DrawRectangle(TGPPen* pen, const TGPRectF& r)
{
    return DrawRectangle(pen, r.X, r.Y, r.Width, r.Height);
}

Status TGPGraphics::DrawRectangle(TGPPen* pen, float x, float y, float w, float h)
{
    return SetStatus(GdipDrawRectangle(nativeGraphics, ZQ9_PEN(pen), x, y, w, h));
}

Status TGPGraphics::DrawPath(TGPPen* pen, TGPGraphicsPath* path)
{
    return SetStatus(GdipDrawPath(nativeGraphics, ZQ9_PEN(pen), path ? path->nativePath : nullptr));
}

Status TGPGraphics::FillRectangle(TGPBrush* brush, const TGPRectF& r)
{
    return FillRectangle(brush, r.X, r.Y, r.Width, r.Height);
}

Status TGPGraphics::FillRectangle(TGPBrush* brush, float x, float y, float w, float h)
{
    return SetStatus(GdipFillRectangle(nativeGraphics, ZQ9_BRUSH(brush), x, y, w, h));
}

Status TGPGraphics::FillEllipse(TGPBrush* brush, const TGPRectF& r)
{
    return FillEllipse(brush, r.X, r.Y, r.Width, r.Height);
}

Status TGPGraphics::FillEllipse(TGPBrush* brush, float x, float y, float w, float h)
{
    return SetStatus(GdipFillEllipse(nativeGraphics, ZQ9_BRUSH(brush), x, y, w, h));
}

Status TGPGraphics::FillEllipse(TGPBrush* brush, const TGPRect& r)
{
    return FillEllipse(brush, float(r.X), float(r.Y), float(r.Width), float(r.Height));
}

Status TGPGraphics::FillEllipse(TGPBrush* brush, int x, int y, int w, int h)
{
    return FillEllipse(brush, float(x), float(y), float(w), float(h));
}

Status TGPGraphics::FillPath(TGPBrush* brush, TGPGraphicsPath* path)
{
    return SetStatus(GdipFillPath(nativeGraphics, ZQ9_BRUSH(brush), path ? path->nativePath : nullptr));
}

Status TGPGraphics::FillPolygon(TGPBrush* brush, const TGPPointF* points, int count, FillMode fillMode)
{
    return SetStatus(GdipFillPolygon(nativeGraphics, ZQ9_BRUSH(brush), points, count, fillMode));
}

Status TGPGraphics::FillPolygon(TGPBrush* brush, const TGPPoint* points, int count, FillMode fillMode)
{
    const auto f = ToFloat(points, count);
    return SetStatus(GdipFillPolygon(nativeGraphics, ZQ9_BRUSH(brush), points ? f.data() : nullptr, count, fillMode));
}

Status TGPGraphics::DrawImage(TGPImage* image, int x, int y)
{
    return SetStatus(GdipDrawImageI(nativeGraphics, ZQ9_IMAGE(image), x, y));
}

Status TGPGraphics::DrawImage(TGPImage* image, float x, float y, float w, float h)
{
    return SetStatus(GdipDrawImageRect(nativeGraphics, ZQ9_IMAGE(image), x, y, w, h));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& r)
{
    return DrawImage(image, r.X, r.Y, r.Width, r.Height);
}

Status TGPGraphics::DrawImageRect(TGPImage* image, int x, int y, int w, int h)
{
    return SetStatus(GdipDrawImageRect(nativeGraphics, ZQ9_IMAGE(image), float(x), float(y), float(w), float(h)));
}

Status TGPGraphics::DrawImageRect(TGPImage* image, const TGPRectF& r)
{
    return DrawImageRect(image, vcl::RoundToInt(r.X), vcl::RoundToInt(r.Y), vcl::RoundToInt(r.Width),
                         vcl::RoundToInt(r.Height));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& d, float srcx, float srcy, float srcwidth,
                              float srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes, DrawImageAbort,
                              void*)
{
    return SetStatus(GdipDrawImageRectRect(nativeGraphics, ZQ9_IMAGE(image), d.X, d.Y, d.Width, d.Height, srcx, srcy,
                                           srcwidth, srcheight, srcUnit,
                                           imageAttributes ? imageAttributes->nativeImageAttr : nullptr));
}

Status TGPGraphics::MeasureString(const QString& string, int length, TGPFont* font, const TGPRectF& layoutRect,
                                  TGPStringFormat* stringFormat, TGPRectF& boundingBox, int* codepointsFitted,
                                  int* linesFilled)
{
    return SetStatus(GdipMeasureString(nativeGraphics, string, length, font ? font->nativeFont : nullptr, &layoutRect,
                                       stringFormat ? stringFormat->nativeFormat : nullptr, &boundingBox,
                                       codepointsFitted, linesFilled));
}

Status TGPGraphics::MeasureString(const QString& string, int length, TGPFont* font, const TGPPointF& origin,
                                  TGPStringFormat* stringFormat, TGPRectF& boundingBox)
{
    const TGPRectF r { origin.X, origin.Y, 0, 0 };
    return MeasureString(string, length, font, r, stringFormat, boundingBox);
}

Status TGPGraphics::MeasureString(const QString& string, int length, TGPFont* font, const TGPRectF& layoutRect,
                                  TGPRectF& boundingBox)
{
    return MeasureString(string, length, font, layoutRect, nullptr, boundingBox);
}

Status TGPGraphics::DrawString(const QString& string, int length, TGPFont* font, const TGPRectF& layoutRect,
                               TGPStringFormat* stringFormat, TGPBrush* brush)
{
    return SetStatus(GdipDrawString(nativeGraphics, string, length, font ? font->nativeFont : nullptr, &layoutRect,
                                    stringFormat ? stringFormat->nativeFormat : nullptr, ZQ9_BRUSH(brush)));
}

Status TGPGraphics::DrawString(const QString& string, int length, TGPFont* font, const TGPRectF& layoutRect,
                               TGPBrush* brush)
{
    return DrawString(string, length, font, layoutRect, nullptr, brush);
}

Status TGPGraphics::DrawString(const QString& string, int length, TGPFont* font, const TGPPointF& origin,
                               TGPStringFormat* stringFormat, TGPBrush* brush)
{
    const TGPRectF r { origin.X, origin.Y, 0, 0 };
    return DrawString(string, length, font, r, stringFormat, brush);
}

Status TGPGraphics::DrawString(const QString& string, int length, TGPFont* font, const TGPPointF& origin,
                               TGPBrush* brush)
{
    return DrawString(string, length, font, origin, nullptr, brush);
}

TGPFont* TGPGraphics::MakeFont(const vcl::TFont* font)
{
    auto* family = new TGPFontFamily(font->Name());
    if (family->lastResult == Status::FontFamilyNotFound || family->lastResult == Status::FontStyleNotFound) {
        delete family;
        family = new TGPFontFamily(QStringLiteral("Arial"));
    }
    int style = gdiplus::FontStyleRegular;
    if (font->Style().Contains(vcl::TFontStyle::fsBold))
        style |= gdiplus::FontStyleBold;
    if (font->Style().Contains(vcl::TFontStyle::fsItalic))
        style |= gdiplus::FontStyleItalic;
    if (font->Style().Contains(vcl::TFontStyle::fsUnderline))
        style |= gdiplus::FontStyleUnderline;
    auto* result = new TGPFont(family, float(font->Size()), style, Unit_::UnitPoint);
    delete family;
    return result;
}

int TGPGraphics::TextWidth(const QString& text, const vcl::TFont* font)
{
    const std::unique_ptr<TGPFont> f(MakeFont(font));
    TGPRectF box;
    MeasureString(text, -1, f.get(), TGPRectF { 0, 0, 10000, 10000 }, box);
    return vcl::RoundToInt(box.Width);
}

int TGPGraphics::TextHeight(const QString& text, const vcl::TFont* font)
{
    const std::unique_ptr<TGPFont> f(MakeFont(font));
    TGPRectF box;
    MeasureString(text, -1, f.get(), TGPRectF { 0, 0, 10000, 10000 }, box);
    return vcl::RoundToInt(box.Height);
}

int TGPGraphics::DrawText(const QString& text, int len, vcl::TRect& rect, const vcl::TFont* font, unsigned style,
                          vcl::TColor bkColor)
{
    const std::unique_ptr<TGPFont> f(MakeFont(font));
    const bool calc = (style & DT_CALCRECT) != 0;
    if (calc || bkColor != vcl::clNone) {
        int correction = 2;
        if (font->Size() > 8)
            correction += vcl::RoundToInt((font->Size() - 8) / 1.5);
        QString measured = text;
        // A trailing space would not be measured: an "i" stands in for it.
        if (measured.size() > 1 && measured.endsWith(QLatin1Char(' ')))
            measured[measured.size() - 1] = QLatin1Char('i');
        TGPRectF box;
        MeasureString(measured, len, f.get(),
                      TGPRectF { float(rect.Left), float(rect.Top), float(rect.Right - rect.Left + 1000),
                                 float(rect.Bottom - rect.Top) },
                      box);
        rect.Right = rect.Left + vcl::RoundToInt(box.Width - correction);
        rect.Bottom = rect.Top + vcl::RoundToInt(box.Height);
        if (bkColor != vcl::clNone) {
            TGPSolidBrush bk(OpaqueGPColor(bkColor));
            FillRectangle(&bk, float(rect.Left + 1), float(rect.Top), box.Width - float(correction) + 1, box.Height);
        }
    }
    if (!calc) {
        TGPSolidBrush brush(OpaqueGPColor(font->Color()));
        DrawString(text, len, f.get(), TGPPointF { float(rect.Left), float(rect.Top) }, &brush);
    }
    return rect.Bottom - rect.Top;
}

Status TGPGraphics::GetLastStatus()
{
    const Status s = lastResult;
    lastResult = Status::Ok;
    return s;
}

// --- colours and geometry ---

ARGB AlphaGPColor(std::uint8_t alpha, vcl::TColor color)
{
    const vcl::TColor rgb = vcl::ColorToRGB(color);
    return PackARGB(alpha, std::uint8_t(vcl::GetRValue(rgb)), std::uint8_t(vcl::GetGValue(rgb)),
                    std::uint8_t(vcl::GetBValue(rgb)));
}

ARGB OpaqueGPColor(vcl::TColor color)
{
    return AlphaGPColor(255, color);
}

TGPRectF GPRectF(const vcl::TRect& r)
{
    return TGPRectF { float(r.Left), float(r.Top), float(r.Right - r.Left), float(r.Bottom - r.Top) };
}

void FillGradientArea(const TGradientAreaParams& p)
{
    TGPGraphics* g = p.Graphics;
    if (g == nullptr)
        return;
    const ARGB start = AlphaGPColor(p.StartOpacity, p.StartColor);
    const ARGB end = AlphaGPColor(p.EndOpacity, p.EndColor);
    const TGPRectF& r = p.Rect;
    const TGPRectF grown { r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2 };
    auto fill = [&](TGPBrush* brush) {
        if (p.UsePath)
            g->FillPath(brush, p.Path);
        else
            g->FillRectangle(brush, r);
    };
    using T = TAdvGradientType;
    switch (p.GradientType) {
    case T::gtSolid: {
        TGPSolidBrush brush(start);
        fill(&brush);
        break;
    }
    case T::gtVertical:
    case T::gtHorizontal:
    case T::gtForwardDiagonal:
    case T::gtBackwardDiagonal: {
        const LinearGradientMode mode = p.GradientType == T::gtVertical ? LinearGradientMode::LinearGradientModeVertical
            : p.GradientType == T::gtHorizontal     ? LinearGradientMode::LinearGradientModeHorizontal
            : p.GradientType == T::gtForwardDiagonal ? LinearGradientMode::LinearGradientModeForwardDiagonal
                                                     : LinearGradientMode::LinearGradientModeBackwardDiagonal;
        TGPLinearGradientBrush brush(grown, start, end, mode);
        brush.SetGammaCorrection(true);
        fill(&brush);
        if (p.Mirror) {
            TGPSolidBrush line(start);
            g->FillRectangle(&line, r.X, r.Y, r.Width, 1);
        }
        break;
    }
    case T::gtAngle: {
        TGPLinearGradientBrush brush(grown, start, end, float(p.Angle), true);
        brush.SetGammaCorrection(true);
        fill(&brush);
        break;
    }
    case T::gtHatch: {
        TGPHatchBrush brush(p.Hatch, start, end);
        fill(&brush);
        break;
    }
    case T::gtTexture:
        if (p.Picture != nullptr) {
            if (p.UsePath)
                p.Picture->FillPath(g, p.Path);
            else
                p.Picture->FillRect(g, r);
        }
        break;
    case T::gtRadial:
    case T::gtPath:
    case T::gtNone:
        break;
    }
    if (p.BorderColor != vcl::clNone) {
        TGPPen pen(AlphaGPColor(p.StartOpacity, p.BorderColor), float(p.BorderWidth));
        pen.SetDashStyle(p.BorderDashStyle);
        if (p.UsePath)
            g->DrawPath(&pen, p.Path);
        else
            g->DrawRectangle(&pen, r);
    }
}

// --- pictures ---

std::unique_ptr<TGPImage> DecodePictureBytes(const QByteArray& bytes)
{
    // The library reads from its own copy of the bytes.
    QByteArray copy;
    try {
        copy = QByteArray(bytes.constData(), bytes.size());
    } catch (const std::bad_alloc&) {
        throw vcl::EOutOfMemory(QStringLiteral("Could not allocate memory for image"));
    }
    if (copy.size() != bytes.size())
        throw vcl::EOutOfMemory(QStringLiteral("Could not allocate memory for image"));
    return std::make_unique<TGPImage>(copy);
}

namespace gdippicture {

namespace {

std::uint32_t LE16(const QByteArray& d, qsizetype at)
{
    return at + 2 <= d.size() ? std::uint32_t(std::uint8_t(d[at])) | (std::uint32_t(std::uint8_t(d[at + 1])) << 8) : 0;
}

std::uint32_t LE32(const QByteArray& d, qsizetype at)
{
    return at + 4 <= d.size() ? LE16(d, at) | (LE16(d, at + 2) << 16) : 0;
}

std::uint32_t BE16(const QByteArray& d, qsizetype at)
{
    return at + 2 <= d.size() ? (std::uint32_t(std::uint8_t(d[at])) << 8) | std::uint32_t(std::uint8_t(d[at + 1])) : 0;
}

std::uint8_t Byte(const QByteArray& d, qsizetype at)
{
    return at < d.size() ? std::uint8_t(d[at]) : 0;
}

vcl::TSize JpegSize(const QByteArray& d)
{
    if (d.size() < 2 || Byte(d, 0) != 0xFF || Byte(d, 1) != 0xD8)
        return {};
    qsizetype pos = 2;
    while (pos < d.size()) {
        if (Byte(d, pos) != 0xFF)
            break;
        while (pos < d.size() && Byte(d, pos) == 0xFF)
            ++pos;
        if (pos >= d.size())
            break;
        const std::uint8_t code = Byte(d, pos++);
        if (code == 0xC0 || code == 0xC1 || code == 0xC2) {
            if (pos + 7 > d.size())
                break;
            const int h = int(BE16(d, pos + 3));
            const int w = int(BE16(d, pos + 5));
            return { w, h };
        }
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7))
            continue;
        if (pos + 2 > d.size())
            break;
        const std::uint32_t len = BE16(d, pos);
        if (len < 2)
            break; // a length that does not count itself would loop forever
        pos += len;
    }
    return {};
}

vcl::TSize PngSize(const QByteArray& d)
{
    static const char sig[] = "\x89PNG\r\n\x1a\n";
    if (d.size() < 26 || !d.startsWith(QByteArray(sig, 8)))
        return {};
    return { int(BE16(d, 18)), int(BE16(d, 22)) };
}

vcl::TSize BmpSize(const QByteArray& d)
{
    if (d.size() < 26 || Byte(d, 0) != 'B' || Byte(d, 1) != 'M')
        return {};
    // A top-down bitmap stores a negative height: its size is the magnitude.
    const auto w = std::int32_t(LE32(d, 18));
    const auto h = std::int32_t(LE32(d, 22));
    return { int(std::uint32_t(std::abs(std::int64_t(w))) & 0xFFFF), int(std::uint32_t(std::abs(std::int64_t(h))) & 0xFFFF) };
}

vcl::TSize TiffSize(const QByteArray& d)
{
    if (d.size() < 8)
        return {};
    const std::uint32_t dir = LE32(d, 4);
    const std::uint32_t count = LE16(d, dir);
    int w = -1, h = -1;
    for (std::uint32_t i = 0; i < count && (w < 0 || h < 0); ++i) {
        const qsizetype e = qsizetype(dir) + 2 + qsizetype(i) * 12;
        if (e + 12 > d.size())
            break;
        const std::uint32_t tag = LE16(d, e);
        const auto value = std::int32_t(LE32(d, e + 8));
        const int v = int(std::uint32_t(std::abs(std::int64_t(value))) & 0xFFFF);
        if (tag == 256)
            w = v;
        else if (tag == 257)
            h = v;
    }
    if (w < 0 || h < 0)
        return {};
    return { w, h };
}

vcl::TSize GifSize(const QByteArray& d)
{
    if (d.size() < 13 || !d.startsWith("GIF"))
        return {};
    qsizetype pos = 13;
    const std::uint8_t flags = Byte(d, 10);
    if (flags & 0x80)
        pos += 3 * (qsizetype(1) << ((flags & 7) + 1));
    while (pos < d.size() && Byte(d, pos) != 0x2C)
        ++pos;
    if (pos + 9 > d.size())
        return {};
    return { int(LE16(d, pos + 1 + 4)), int(LE16(d, pos + 1 + 6)) };
}

} // namespace

vcl::TSize ImageSizeFromFileHeader(const QString& fileName)
{
    const QString ext = QLatin1Char('.') + QFileInfo(fileName).suffix().toUpper();
    vcl::TSize (*reader)(const QByteArray&) = nullptr;
    if (ext == QLatin1String(".JPG") || ext == QLatin1String(".JPEG"))
        reader = JpegSize;
    else if (ext == QLatin1String(".PNG"))
        reader = PngSize;
    else if (ext == QLatin1String(".BMP"))
        reader = BmpSize;
    else if (ext == QLatin1String(".TIFF"))
        reader = TiffSize;
    else if (ext == QLatin1String(".GIF"))
        reader = GifSize;
    if (reader == nullptr)
        return {};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return reader(file.readAll());
}

void DrawTransparentBmp(vcl::TCanvas& canvas, const QByteArray& bytes, const vcl::TRect& rect, bool stretch)
{
    vcl::TBitmap bitmap;
    try {
        bitmap.SetImage(vcl::BmpCodec::Decode(bytes));
    } catch (const vcl::Exception&) {
        return; // a corrupt bitmap draws nothing
    }
    bitmap.SetTransparentMode(vcl::TTransparentMode::tmAuto);
    bitmap.SetTransparent(true);
    if (stretch)
        canvas.StretchDraw(rect, &bitmap);
    else
        canvas.Draw(rect.Left, rect.Top, &bitmap);
}

QByteArray ReadStream(QIODevice* stream)
{
    if (!stream->isSequential())
        stream->seek(0);
    return stream->readAll();
}

void WriteStream(QIODevice* stream, const QByteArray& bytes)
{
    if (stream != nullptr)
        stream->write(bytes);
}

std::optional<QByteArray> ResourceBytes(const QString& name)
{
    QFile file(QStringLiteral(":/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QByteArray ResourceIDBytes(int id)
{
    auto bytes = ResourceBytes(QString::number(id));
    if (!bytes)
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(id));
    return *std::move(bytes);
}

void LoadFromURL(const QString& url, const std::function<void(const QString&)>& fromResource,
                 const std::function<void(const QString&)>& fromFile)
{
    const QString upper = url.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        const QString name = url.mid(6);
        if (!name.isEmpty())
            fromResource(name);
    } else if (upper.startsWith(QLatin1String("FILE://"))) {
        const QString name = url.mid(7);
        if (!name.isEmpty())
            fromFile(name);
    }
}

// The bytes a graphic of the class library saves itself as; none for kinds that cannot.
std::optional<QByteArray> GraphicBytes(vcl::TPersistent* source, bool anyGraphic)
{
    if (auto* holder = dynamic_cast<vcl::TPicture*>(source))
        source = holder->Graphic();
    if (auto* bitmap = dynamic_cast<vcl::TBitmap*>(source)) {
        if (bitmap->Empty())
            return QByteArray();
        return vcl::BmpCodec::Encode(bitmap->Image(), bitmap->PixelFormat() == vcl::TPixelFormat::pf32bit ? 32 : 24);
    }
    if (!anyGraphic)
        return std::nullopt;
    if (auto* picture = dynamic_cast<TGDIPPicture*>(source))
        return picture->Data();
    if (auto* picture = dynamic_cast<TAdvGDIPPicture*>(source))
        return picture->Data();
    return std::nullopt;
}

} // namespace gdippicture

TAdvGDIPPicture::TAdvGDIPPicture()
{
    SetTransparent(false);
}

TAdvGDIPPicture::~TAdvGDIPPicture() = default;

void TAdvGDIPPicture::Assign(vcl::TPersistent* Source)
{
    m_isEmpty = true;
    if (Source == nullptr) {
        m_data.clear();
        Changed();
        if (OnClear)
            OnClear(this);
        return;
    }
    if (auto* other = dynamic_cast<TAdvGDIPPicture*>(Source)) {
        m_data = other->m_data;
        m_isEmpty = m_data.isEmpty();
        Changed();
    } else if (const auto bytes = gdippicture::GraphicBytes(Source, true)) {
        m_data = *bytes;
        m_isEmpty = false;
        Changed();
    }
    GetImageSizes();
}

void TAdvGDIPPicture::LoadFromFile(const QString& FileName)
{
    try {
        QFile file(FileName);
        if (!file.open(QIODevice::ReadOnly))
            throw vcl::EFOpenError(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
        m_data = file.readAll();
        m_isEmpty = false;
        if (OnClear)
            OnClear(this);
        GetImageSizesFromFileName(FileName);
        Changed();
    } catch (...) {
        m_isEmpty = true;
    }
}

void TAdvGDIPPicture::SaveToFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(m_data) != m_data.size())
        throw vcl::EFCreateError(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
}

void TAdvGDIPPicture::LoadFromStream(QIODevice* Stream)
{
    if (Stream == nullptr)
        return;
    LoadFromBytes(gdippicture::ReadStream(Stream));
}

void TAdvGDIPPicture::LoadFromBytes(const QByteArray& Bytes)
{
    if (Bytes.isEmpty())
        return;
    m_data = Bytes;
    m_isEmpty = false;
    GetImageSizes();
    Changed();
}

void TAdvGDIPPicture::SaveToStream(QIODevice* Stream) const
{
    gdippicture::WriteStream(Stream, m_data);
}

void TAdvGDIPPicture::LoadFromResourceName(const QString& ResName)
{
    if (const auto bytes = gdippicture::ResourceBytes(ResName))
        LoadFromBytes(*bytes);
}

void TAdvGDIPPicture::LoadFromResourceID(int ResID)
{
    LoadFromBytes(gdippicture::ResourceIDBytes(ResID));
}

void TAdvGDIPPicture::LoadFromURL(const QString& URL)
{
    gdippicture::LoadFromURL(
        URL, [this](const QString& name) { LoadFromResourceName(name); },
        [this](const QString& name) { LoadFromFile(name); });
}

void TAdvGDIPPicture::ReadData(const QByteArray& Data)
{
    if (Data.isEmpty())
        return;
    m_data = Data;
    m_isEmpty = false;
    GetImageSizes();
}

bool TAdvGDIPPicture::GetImageSizes()
{
    if (m_isEmpty || m_data.isEmpty())
        return false;
    const auto image = DecodePictureBytes(m_data);
    m_width = int(image->GetWidth());
    m_height = int(image->GetHeight());
    return true;
}

bool TAdvGDIPPicture::GetImageSizesFromFileName(const QString& FileName)
{
    if (m_isEmpty || m_data.isEmpty())
        return false;
    const vcl::TSize size = gdippicture::ImageSizeFromFileHeader(FileName);
    m_width = size.cx;
    m_height = size.cy;
    return false;
}

void TAdvGDIPPicture::Draw(vcl::TCanvas& ACanvas, const vcl::TRect& Rect)
{
    if (m_isEmpty || m_data.isEmpty())
        return;
    const auto image = DecodePictureBytes(m_data);
    TGPGraphics graphics(&ACanvas);
    if (image->GetFormat() == TGPImageFormat::ifBMP) {
        gdippicture::DrawTransparentBmp(ACanvas, m_data, Rect, false);
        return;
    }
    m_width = int(image->GetWidth());
    m_height = int(image->GetHeight());
    graphics.DrawImage(image.get(), float(Rect.Left), float(Rect.Top), float(Rect.Right - Rect.Left),
                       float(Rect.Bottom - Rect.Top));
}

void TAdvGDIPPicture::DrawTransparentBitmap(TGPGraphics* Graphics, TGPImage& Image, const TGPRectF& Dest)
{
    const auto w = float(Image.GetWidth()), h = float(Image.GetHeight());
    ARGB key = OpaqueGPColor(m_transparentColor);
    if (m_transparentMode == vcl::TTransparentMode::tmAuto) {
        TGPBitmap bitmap(m_data);
        bitmap.GetPixel(0, int(h) - 1, key);
    }
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key, ColorAdjustType::ColorAdjustTypeDefault);
    Graphics->DrawImage(&Image, Dest, 0, 0, w, h, Unit_::UnitPixel, &attributes);
}

void TAdvGDIPPicture::GDIPDraw(TGPGraphics* Graphics, const vcl::TRect& Rect)
{
    if (m_isEmpty || m_data.isEmpty() || Graphics == nullptr)
        return;
    const auto image = DecodePictureBytes(m_data);
    m_hasAlpha = image->HasAlphaChannel();
    m_hasPalette = image->HasPalette();
    m_pixelDepth = image->GetPixelDepth();
    m_pixelFormat = image->GetPixelFormat();
    m_width = int(image->GetWidth());
    m_height = int(image->GetHeight());
    if (image->GetFormat() == TGPImageFormat::ifBMP && Transparent()) {
        DrawTransparentBitmap(Graphics, *image,
                              TGPRectF { float(Rect.Left), float(Rect.Top), float(m_width), float(m_height) });
        return;
    }
    Graphics->DrawImage(image.get(), float(Rect.Left), float(Rect.Top), float(Rect.Right - Rect.Left),
                        float(Rect.Bottom - Rect.Top));
}

void TAdvGDIPPicture::GDIPDraw(TGPGraphics* Graphics, const TGPRectF& Rect)
{
    if (m_drawing || m_isEmpty || m_data.isEmpty() || Graphics == nullptr)
        return;
    struct Guard
    {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(m_drawing);
    const auto image = DecodePictureBytes(m_data);
    m_hasAlpha = image->HasAlphaChannel();
    m_hasPalette = image->HasPalette();
    m_pixelDepth = image->GetPixelDepth();
    m_pixelFormat = image->GetPixelFormat();
    m_width = int(image->GetWidth());
    m_height = int(image->GetHeight());
    if (image->GetFormat() == TGPImageFormat::ifBMP && Transparent()) {
        DrawTransparentBitmap(Graphics, *image, Rect);
        return;
    }
    Graphics->DrawImage(image.get(), float(vcl::RoundToInt(Rect.X)), float(vcl::RoundToInt(Rect.Y)),
                        float(vcl::RoundToInt(Rect.Width)), float(vcl::RoundToInt(Rect.Height)));
}

void TAdvGDIPPicture::FillRect(TGPGraphics* Graphics, const TGPRectF& R)
{
    if (m_isEmpty || m_data.isEmpty() || Graphics == nullptr)
        return;
    const auto image = DecodePictureBytes(m_data);
    TGPTextureBrush brush(image.get(), WrapMode::WrapModeTile);
    Graphics->FillRectangle(&brush, R);
}

void TAdvGDIPPicture::FillPath(TGPGraphics* Graphics, TGPGraphicsPath* Path)
{
    if (m_isEmpty || m_data.isEmpty() || Graphics == nullptr)
        return;
    const auto image = DecodePictureBytes(m_data);
    TGPTextureBrush brush(image.get(), WrapMode::WrapModeTile);
    Graphics->FillPath(&brush, Path);
}
