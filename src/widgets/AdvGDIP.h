#pragma once
// Object wrappers over the flat GDI+ interface: every wrapper owns one native handle and keeps the
// status of its last failing call; plus colour and geometry helpers, the font bridge and text
// routines, the gradient-area painter and the picture class TAdvGDIPPicture.
//
// Status rule: constructors store their create status; every other call stores a status only when
// it is not Ok (the field keeps the most recent failure) and returns it. No wrapper raises.

#include "platform/core/Exception.h"
#include "platform/core/TColor.h"
#include "platform/core/Types.h"
#include "platform/gdiplus/GdiPlus.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TGraphics.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QIODevice;

namespace vcl {
class TCanvas;
class TFont;
} // namespace vcl

// The library's types under the names the controls use.
using gdiplus::ARGB;
using gdiplus::BrushType;
using gdiplus::ColorAdjustType;
using gdiplus::ColorChannelFlags;
using gdiplus::ColorMap;
using gdiplus::ColorMatrix;
using gdiplus::ColorMatrixFlags;
using gdiplus::CombineMode;
using gdiplus::CompositingQuality;
using gdiplus::DashStyle;
using gdiplus::FillMode;
using gdiplus::FlushIntention;
using gdiplus::HatchStyle;
using gdiplus::HotkeyPrefix;
using gdiplus::LinearGradientMode;
using gdiplus::LineCap;
using gdiplus::MatrixOrder;
using gdiplus::PenAlignment;
using gdiplus::PenType;
using gdiplus::PixelFormat;
using gdiplus::RotateFlipType;
using gdiplus::SmoothingMode;
using gdiplus::Status;
using gdiplus::StringAlignment;
using gdiplus::StringTrimming;
using gdiplus::TextRenderingHint;
using gdiplus::WrapMode;
using Unit_ = gdiplus::Unit;

using TGPPointF = gdiplus::GpPointF;
using TGPPoint = gdiplus::GpPoint;
using TGPRectF = gdiplus::GpRectF;
using TGPRect = gdiplus::GpRect;
// m11, m12, m21, m22, dx, dy
using TMatrixArray = gdiplus::REAL[6];
using TGPColor = ARGB;

enum class TGPImageFormat { ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon };

// The fill styles of a fill description.
enum class TAdvGradientType {
    gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, gtBackwardDiagonal, gtAngle, gtHatch, gtPath,
    gtTexture, gtNone
};

class TGPImage;
class TGPBrush;
class TGPGraphicsPath;
class TGPImageAttributes;
class TGPStringFormat;
class TGPFontCollection;
class TAdvGDIPPicture;

// Root of the wrappers: their memory comes from the library's heap, which starts the library
// when it is not running yet; so does constructing one on the stack.
class TGdiplusBase
{
public:
    static void* operator new(std::size_t size);
    static void operator delete(void* ptr) noexcept;
    virtual ~TGdiplusBase() = default;
    TGdiplusBase(const TGdiplusBase&) = delete;
    TGdiplusBase& operator=(const TGdiplusBase&) = delete;

protected:
    TGdiplusBase();
};

// Starts the library once for the program's length (also done by any wrapper).
void StartGdiplus();

class TGPMatrix : public TGdiplusBase
{
public:
    TGPMatrix();
    TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy);
    TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg);
    TGPMatrix(const TGPRect& rect, const TGPPoint* dstplg);
    TGPMatrix(gdiplus::GpMatrix* native);
    ~TGPMatrix() override;

    // A new matrix for the caller; nil when the status field holds a failure after cloning.
    TGPMatrix* Clone();
    Status GetElements(TMatrixArray& m);
    Status SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
    float OffsetX();
    float OffsetY();
    Status Reset();
    Status Multiply(TGPMatrix* matrix, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
    Status Translate(float offsetX, float offsetY, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
    Status Scale(float scaleX, float scaleY, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
    Status Rotate(float angle, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
    Status RotateAt(float angle, const TGPPointF& center, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
    Status Shear(float shearX, float shearY, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
    Status Invert();
    Status TransformPoints(TGPPointF* pts, int count = 1);
    Status TransformPoints(TGPPoint* pts, int count = 1);
    Status TransformVectors(TGPPointF* pts, int count = 1);
    Status TransformVectors(TGPPoint* pts, int count = 1);
    bool IsInvertible();
    bool IsIdentity();
    Status GetLastStatus();

    gdiplus::GpMatrix* nativeMatrix { nullptr };
    Status lastResult { Status::Ok };

private:
    Status SetStatus(Status s);
};

class TGPBrush : public TGdiplusBase
{
public:
    // No handle: status NotImplemented.
    TGPBrush();
    TGPBrush(gdiplus::GpBrush* native, Status status);
    ~TGPBrush() override;

    gdiplus::GpBrush* nativeBrush { nullptr };
    Status lastResult { Status::Ok };

protected:
    Status SetStatus(Status s);
    struct Empty
    {
    };
    explicit TGPBrush(Empty) {}
};

class TGPSolidBrush : public TGPBrush
{
public:
    explicit TGPSolidBrush(ARGB color);
    TGPSolidBrush(); // empty wrapper
};

class TGPHatchBrush : public TGPBrush
{
public:
    TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor = 0xFF000000);
    TGPHatchBrush(); // empty wrapper
    HatchStyle GetHatchStyle();
    ARGB GetForegroundColor();
    ARGB GetBackgroundColor();
};

class TGPImage;

class TGPTextureBrush : public TGPBrush
{
public:
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode = WrapMode::WrapModeTile);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, float dstX, float dstY, float dstWidth, float dstHeight);
    TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, TGPImageAttributes* imageAttributes);
    TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, TGPImageAttributes* imageAttributes);
    TGPTextureBrush(); // empty wrapper
    Status ResetTransform();
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
    Status RotateTransform(float angle, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
    Status SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
    // A new image for the caller, carrying the brush's status.
    TGPImage* GetImage();
};

class TGPLinearGradientBrush : public TGPBrush
{
public:
    TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);
    TGPLinearGradientBrush(); // empty wrapper
    Status SetGammaCorrection(bool useGammaCorrection);
    Status SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);
};

class TGPPathGradientBrush : public TGPBrush
{
public:
    explicit TGPPathGradientBrush(TGPGraphicsPath* path);
    Status GetCenterColor(ARGB& color);
    Status SetCenterColor(ARGB color);
    int GetPointCount();
    Status GetSurroundColors(ARGB* colors, int& count);
    Status SetSurroundColors(const ARGB* colors, int& count);
    Status GetCenterPoint(TGPPointF& point);
    Status GetCenterPoint(TGPPoint& point);
    Status SetCenterPoint(const TGPPointF& point);
    Status SetCenterPoint(const TGPPoint& point);
    Status SetWrapMode(WrapMode wrapMode);
    Status SetGammaCorrection(bool useGammaCorrection);
    Status SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);
};

class TGPPen : public TGdiplusBase
{
public:
    TGPPen(ARGB color, float width = 1.0f);
    TGPPen(TGPBrush* brush, float width = 1.0f);
    ~TGPPen() override;

    Status SetBrush(TGPBrush* brush);
    // A new empty wrapper of the pen's fill kind holding the pen's brush; nil for an unknown kind.
    TGPBrush* GetBrush();
    DashStyle GetDashStyle();
    Status SetDashStyle(DashStyle dashStyle);
    Status SetAlignment(PenAlignment alignment);
    Status SetEndCap(LineCap endCap);
    PenType GetPenType();

    gdiplus::GpPen* nativePen { nullptr };
    Status lastResult { Status::Ok };

private:
    Status SetStatus(Status s);
};

class TGPFontFamily : public TGdiplusBase
{
public:
    TGPFontFamily(const QString& name, TGPFontCollection* fontCollection = nullptr);
    TGPFontFamily(gdiplus::GpFontFamily* native, Status status);
    ~TGPFontFamily() override;

    // Made on first request and kept until the program ends; never free them.
    static TGPFontFamily* GenericSansSerif();
    static TGPFontFamily* GenericSerif();
    static TGPFontFamily* GenericMonospace();

    gdiplus::GpFontFamily* nativeFamily { nullptr };
    Status lastResult { Status::Ok };
};

class TGPFontCollection : public TGdiplusBase
{
public:
    TGPFontCollection() = default;
    gdiplus::GpFontCollection* nativeFontCollection { nullptr };
    Status lastResult { Status::Ok };
};

class TGPFont : public TGdiplusBase
{
public:
    TGPFont(TGPFontFamily* family, float emSize, int style = gdiplus::FontStyleRegular,
            Unit_ unit = Unit_::UnitPoint);
    // From a family name; falls back to the generic sans-serif family.
    TGPFont(const QString& familyName, float emSize, int style = gdiplus::FontStyleRegular,
            Unit_ unit = Unit_::UnitPoint, TGPFontCollection* fontCollection = nullptr);
    TGPFont(gdiplus::GpFont* native, Status status);
    ~TGPFont() override;

    gdiplus::GpFont* nativeFont { nullptr };
    Status lastResult { Status::Ok };
};

class TGPStringFormat : public TGdiplusBase
{
public:
    explicit TGPStringFormat(int formatFlags = 0, int language = 0);
    // A copy of the format (nil copies the default).
    explicit TGPStringFormat(TGPStringFormat* format);
    TGPStringFormat(gdiplus::GpStringFormat* native, Status status);
    ~TGPStringFormat() override;

    Status SetAlignment(StringAlignment align);
    StringAlignment GetAlignment();
    Status SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    Status SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming();
    Status SetFormatFlags(int flags);
    int GetFormatFlags();
    Status SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    HotkeyPrefix GetHotkeyPrefix();

    gdiplus::GpStringFormat* nativeFormat { nullptr };
    Status lastError { Status::Ok };

private:
    Status SetStatus(Status s);
};

class TGPImageAttributes : public TGdiplusBase
{
public:
    TGPImageAttributes();
    TGPImageAttributes(gdiplus::GpImageAttributes* native, Status status);
    ~TGPImageAttributes() override;

    TGPImageAttributes* Clone();
    Status SetToIdentity(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status Reset(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode = ColorMatrixFlags::ColorMatrixFlagsDefault,
                          ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status ClearColorMatrix(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                            ColorMatrixFlags mode = ColorMatrixFlags::ColorMatrixFlagsDefault,
                            ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status ClearColorMatrices(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetThreshold(float threshold, ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status ClearThreshold(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetGamma(float gamma, ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status ClearGamma(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetNoOp(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status ClearNoOp(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status ClearColorKey(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status ClearOutputChannel(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetOutputChannelColorProfile(const QString& colorProfileFilename,
                                        ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status ClearOutputChannelColorProfile(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetRemapTable(int mapSize, const ColorMap* map, ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status ClearRemapTable(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
    Status SetBrushRemapTable(int mapSize, const ColorMap* map);
    Status ClearBrushRemapTable();
    Status SetWrapMode(WrapMode wrap, ARGB color = 0xFF000000, bool clamp = false);
    // The palette's entries as these attributes would draw them.
    Status GetAdjustedPalette(gdiplus::ColorPalette* colorPalette, ColorAdjustType colorAdjustType);
    Status GetLastStatus();

    gdiplus::GpImageAttributes* nativeImageAttr { nullptr };
    Status lastResult { Status::Ok };

private:
    Status SetStatus(Status s);
};

class TGPImage : public TGdiplusBase
{
public:
    // Decodes the file or the bytes (the stream's content); useEmbeddedColorManagement is accepted
    // for form and changes nothing.
    explicit TGPImage(const QString& filename, bool useEmbeddedColorManagement = false);
    explicit TGPImage(const QByteArray& stream, bool useEmbeddedColorManagement = false);
    TGPImage(gdiplus::GpImage* native, Status status);
    ~TGPImage() override;

    // Saves in the format given by the identifier (BMP, PNG or JPEG).
    Status Save(const QString& filename, const gdiplus::GUID& format);
    Status Save(QByteArray& stream, const gdiplus::GUID& format);
    // Multi-frame images are not kept: a frame cannot be added.
    Status SaveAdd(TGPImage* newImage);
    TGPImageFormat GetFormat();
    PixelFormat GetPixelFormat();
    int GetPixelDepth();
    bool HasPalette();
    bool HasAlphaChannel();
    TGPImage* GetThumbnailImage(unsigned thumbWidth, unsigned thumbHeight);
    unsigned GetWidth();
    unsigned GetHeight();
    Status RotateFlip(RotateFlipType rotateFlipType);

    gdiplus::GpImage* nativeImage { nullptr };
    Status lastResult { Status::Ok };

protected:
    Status SetStatus(Status s);
    struct Empty
    {
    };
    explicit TGPImage(Empty) {}
};

class TGPBitmap : public TGPImage
{
public:
    explicit TGPBitmap(const QByteArray& stream, bool useEmbeddedColorManagement = false);
    TGPBitmap(int width, int height, PixelFormat format = gdiplus::PixelFormat32bppARGB);
    explicit TGPBitmap(gdiplus::GpBitmap* native);
    static TGPBitmap* FromStream(const QByteArray& stream, bool useEmbeddedColorManagement = false);
    // The pixels as a 32-bit picture, for a window or a canvas.
    Status GetHBITMAP(ARGB colorBackground, QImage& hbmReturn);
    Status GetPixel(int x, int y, ARGB& color);
    Status SetPixel(int x, int y, ARGB color);
};

class TGPGraphicsPath : public TGdiplusBase
{
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillMode::FillModeAlternate);
    explicit TGPGraphicsPath(gdiplus::GpPath* native);
    ~TGPGraphicsPath() override;

    Status Reset();
    Status CloseFigure();
    Status AddLine(const TGPPointF& pt1, const TGPPointF& pt2);
    Status AddLine(float x1, float y1, float x2, float y2);
    Status AddLine(const TGPPoint& pt1, const TGPPoint& pt2);
    Status AddLine(int x1, int y1, int x2, int y2);
    Status AddLines(const TGPPoint* points, int count);
    Status AddLines(const TGPPointF* points, int count);
    Status AddRectangle(const TGPRectF& rect);
    Status AddRectangle(const TGPRect& rect);
    Status AddArc(const TGPRectF& rect, float startAngle, float sweepAngle);
    Status AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status AddArc(const TGPRect& rect, float startAngle, float sweepAngle);
    Status AddArc(int x, int y, int width, int height, float startAngle, float sweepAngle);
    Status AddEllipse(const TGPRectF& rect);
    Status AddEllipse(float x, float y, float width, float height);
    Status AddPie(const TGPRectF& rect, float startAngle, float sweepAngle);
    Status AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status AddPolygon(const TGPPointF* points, int count);
    Status AddPolygon(const TGPPoint* points, int count);
    Status AddCurve(const TGPPointF* points, int count);
    Status AddCurve(const TGPPoint* points, int count);
    Status AddCurve(const TGPPoint* points, int count, float tension);
    Status AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
    Status AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
    Status AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    Status AddString(const QString& string, int length, TGPFontFamily* family, int style, float emSize,
                     const TGPRectF& layoutRect, TGPStringFormat* format);
    Status AddString(const QString& string, int length, TGPFontFamily* family, int style, float emSize,
                     const TGPPointF& origin, TGPStringFormat* format);

    gdiplus::GpPath* nativePath { nullptr };
    Status lastResult { Status::Ok };

private:
    Status SetStatus(Status s);
};

class TGPRegion : public TGdiplusBase
{
public:
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(TGPGraphicsPath* path);
    ~TGPRegion() override;

    Status Exclude(TGPGraphicsPath* path);
    Status Union(TGPRegion* region);

    gdiplus::GpRegion* nativeRegion { nullptr };
    Status lastResult { Status::Ok };

private:
    Status SetStatus(Status s);
};

// Abort callback of the image drawing call (never called: drawing is not interruptible here).
using DrawImageAbort = bool (*)(void* data);

class TGPGraphics : public TGdiplusBase
{
public:
    // On a canvas (the device context of the class library).
    explicit TGPGraphics(vcl::TCanvas* canvas);
    // On an image; a nil image leaves the handle nil and the status Ok.
    explicit TGPGraphics(TGPImage* image);
    ~TGPGraphics() override;
    static TGPGraphics* FromImage(TGPImage* image);

    void Flush(FlushIntention intention = FlushIntention::FlushIntentionFlush);
    Status Clear(ARGB color);
    // A canvas drawing on the same surface, until ReleaseHDC.
    vcl::TCanvas* GetHDC();
    void ReleaseHDC(vcl::TCanvas* hdc);
    Status SetTextRenderingHint(TextRenderingHint newMode);
    TextRenderingHint GetTextRenderingHint();
    Status SetSmoothingMode(SmoothingMode smoothingMode);
    // SmoothingModeInvalid (-1) when the query fails.
    SmoothingMode GetSmoothingMode();
    Status SetCompositingQuality(CompositingQuality compositingQuality);
    CompositingQuality GetCompositingQuality();
    Status SetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status SetClip(TGPRegion* region, CombineMode combineMode = CombineMode::CombineModeReplace);
    Status SetClip(TGPGraphicsPath* path, CombineMode combineMode = CombineMode::CombineModeReplace);
    Status SetClip(const TGPRectF& rect, CombineMode combineMode = CombineMode::CombineModeReplace);
    Status ExcludeClip(const TGPRectF& rect);
    Status ExcludeClip(TGPRegion* region);
    Status ResetClip();

    Status DrawLine(TGPPen* pen, float x1, float y1, float x2, float y2);
    Status DrawLine(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2);
    Status DrawLine(TGPPen* pen, int x1, int y1, int x2, int y2);
    Status DrawArc(TGPPen* pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status DrawArc(TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle);
    Status DrawEllipse(TGPPen* pen, const TGPRectF& rect);
    Status DrawEllipse(TGPPen* pen, float x, float y, float width, float height);
    Status DrawEllipse(TGPPen* pen, const TGPRect& rect);
    Status DrawEllipse(TGPPen* pen, int x, int y, int width, int height);
    Status DrawRectangle(TGPPen* pen, const TGPRectF& rect);
    Status DrawRectangle(TGPPen* pen, float x, float y, float width, float height);
    Status DrawPath(TGPPen* pen, TGPGraphicsPath* path);
    Status FillRectangle(TGPBrush* brush, const TGPRectF& rect);
    Status FillRectangle(TGPBrush* brush, float x, float y, float width, float height);
    Status FillEllipse(TGPBrush* brush, const TGPRectF& rect);
    Status FillEllipse(TGPBrush* brush, float x, float y, float width, float height);
    Status FillEllipse(TGPBrush* brush, const TGPRect& rect);
    Status FillEllipse(TGPBrush* brush, int x, int y, int width, int height);
    Status FillPath(TGPBrush* brush, TGPGraphicsPath* path);
    Status FillPolygon(TGPBrush* brush, const TGPPointF* points, int count,
                       FillMode fillMode = FillMode::FillModeAlternate);
    Status FillPolygon(TGPBrush* brush, const TGPPoint* points, int count,
                       FillMode fillMode = FillMode::FillModeAlternate);

    // Natural size at (x, y).
    Status DrawImage(TGPImage* image, int x, int y);
    Status DrawImage(TGPImage* image, float x, float y, float width, float height);
    Status DrawImage(TGPImage* image, const TGPRectF& rect);
    Status DrawImageRect(TGPImage* image, int x, int y, int width, int height);
    // Each value rounded to the nearest integer (halves to even) first.
    Status DrawImageRect(TGPImage* image, const TGPRectF& rect);
    Status DrawImage(TGPImage* image, const TGPRectF& destRect, float srcx, float srcy, float srcwidth,
                     float srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes = nullptr,
                     DrawImageAbort callback = nullptr, void* callbackData = nullptr);

    // A length of -1 takes the whole string.
    Status MeasureString(const QString& string, int length, TGPFont* font, const TGPRectF& layoutRect,
                         TGPStringFormat* stringFormat, TGPRectF& boundingBox, int* codepointsFitted = nullptr,
                         int* linesFilled = nullptr);
    Status MeasureString(const QString& string, int length, TGPFont* font, const TGPPointF& origin,
                         TGPStringFormat* stringFormat, TGPRectF& boundingBox);
    Status MeasureString(const QString& string, int length, TGPFont* font, const TGPRectF& layoutRect,
                         TGPRectF& boundingBox);
    Status DrawString(const QString& string, int length, TGPFont* font, const TGPRectF& layoutRect,
                      TGPStringFormat* stringFormat, TGPBrush* brush);
    Status DrawString(const QString& string, int length, TGPFont* font, const TGPRectF& layoutRect, TGPBrush* brush);
    Status DrawString(const QString& string, int length, TGPFont* font, const TGPPointF& origin,
                      TGPStringFormat* stringFormat, TGPBrush* brush);
    Status DrawString(const QString& string, int length, TGPFont* font, const TGPPointF& origin, TGPBrush* brush);

    // A GDI+ font for a class-library font ("Arial" when its family is unknown); the caller frees it.
    TGPFont* MakeFont(const vcl::TFont* font);
    int TextWidth(const QString& text, const vcl::TFont* font);
    int TextHeight(const QString& text, const vcl::TFont* font);
    // One line drawn or measured (style 0x400 = calculate only) like the platform's text call;
    // rect is updated; returns its height.
    int DrawText(const QString& text, int len, vcl::TRect& rect, const vcl::TFont* font, unsigned style,
                 vcl::TColor bkColor);
    Status GetLastStatus();

    gdiplus::GpGraphics* nativeGraphics { nullptr };
    Status lastResult { Status::Ok };

private:
    Status SetStatus(Status s);
};

constexpr unsigned DT_CALCRECT = 0x400;

// --- colours and geometry ---
constexpr ARGB PackARGB(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
}
constexpr ARGB PackRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return PackARGB(255, r, g, b);
}
// System colours resolved to RGB, packed with the alpha.
ARGB AlphaGPColor(std::uint8_t alpha, vcl::TColor color);
ARGB OpaqueGPColor(vcl::TColor color);
constexpr std::uint8_t ARGBRed(ARGB c) { return std::uint8_t(c >> 16); }
constexpr std::uint8_t ARGBGreen(ARGB c) { return std::uint8_t(c >> 8); }
constexpr std::uint8_t ARGBBlue(ARGB c) { return std::uint8_t(c); }
constexpr std::uint8_t ARGBAlpha(ARGB c) { return std::uint8_t(c >> 24); }
constexpr TGPPoint GPPoint(int x, int y) { return TGPPoint { x, y }; }
constexpr TGPPointF GPPointF(float x, float y) { return TGPPointF { x, y }; }
constexpr TGPRectF GPRectF(float x, float y, float width, float height) { return TGPRectF { x, y, width, height }; }
TGPRectF GPRectF(const vcl::TRect& r);

struct TGradientAreaParams
{
    TGPGraphics* Graphics { nullptr };
    TGPGraphicsPath* Path { nullptr };
    bool UsePath { false };
    TGPRectF Rect;
    TAdvGradientType GradientType { TAdvGradientType::gtSolid };
    vcl::TColor StartColor { vcl::clNone };
    vcl::TColor EndColor { vcl::clNone };
    std::uint8_t StartOpacity { 255 };
    std::uint8_t EndOpacity { 255 };
    HatchStyle Hatch { HatchStyle::HatchStyleHorizontal };
    int Angle { 0 };
    TAdvGDIPPicture* Picture { nullptr };
    vcl::TColor BorderColor { vcl::clNone };
    int BorderWidth { 1 };
    DashStyle BorderDashStyle { DashStyle::DashStyleSolid };
    bool Mirror { false }; // draws the top line of a gradient
};

// Fills and outlines an area in one of the fill styles.
void FillGradientArea(const TGradientAreaParams& params);

// --- pictures ---

// A resource the program does not have.
class EResNotFound : public vcl::Exception
{
public:
    using vcl::Exception::Exception;
};

// Decodes picture bytes for one operation (the caller frees the image). Raises
// vcl::EOutOfMemory "Could not allocate memory for image" when the decode buffer cannot be had.
std::unique_ptr<TGPImage> DecodePictureBytes(const QByteArray& bytes);

// An image file held unchanged, decoded by the library whenever it is measured or drawn; draws on
// canvases and on graphics surfaces, fills with itself as a texture, and keys out a bitmap colour.
class TAdvGDIPPicture : public vcl::TGraphic
{
public:
    TAdvGDIPPicture();
    ~TAdvGDIPPicture() override;

    vcl::TNotifyEvent OnClear;

    void Assign(vcl::TPersistent* Source) override;
    bool Empty() const override { return m_isEmpty; }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void LoadFromFile(const QString& FileName) override;
    void SaveToFile(const QString& FileName) override;
    // Nil or empty streams are ignored.
    void LoadFromStream(QIODevice* Stream);
    void LoadFromBytes(const QByteArray& Bytes);
    void SaveToStream(QIODevice* Stream) const;
    // Raw-data resources of the program (Qt resources, ":/<name>").
    void LoadFromResourceName(const QString& ResName);
    // Raises vcl::EResNotFound when the resource is missing.
    void LoadFromResourceID(int ResID);
    // "RES://<name>" or "FILE://<file>", prefixes in any case.
    void LoadFromURL(const QString& URL);
    // The form's "Data" property: reading ignores an empty value, writing gives the bytes.
    void ReadData(const QByteArray& Data);
    QByteArray WriteData() const { return m_data; }
    const QByteArray& Data() const { return m_data; }

    bool GetImageSizes();
    bool GetImageSizesFromFileName(const QString& FileName);

    void GDIPDraw(TGPGraphics* Graphics, const vcl::TRect& Rect);
    void GDIPDraw(TGPGraphics* Graphics, const TGPRectF& Rect);
    void FillRect(TGPGraphics* Graphics, const TGPRectF& R);
    void FillPath(TGPGraphics* Graphics, TGPGraphicsPath* Path);

    vcl::TTransparentMode BitmapTransparentMode() const { return m_transparentMode; }
    void SetBitmapTransparentMode(vcl::TTransparentMode value) { m_transparentMode = value; }
    vcl::TColor BitmapTransparentColor() const { return m_transparentColor; }
    void SetBitmapTransparentColor(vcl::TColor value) { m_transparentColor = value; }
    int PixelDepth() const { return m_pixelDepth; }
    bool HasAlpha() const { return m_hasAlpha; }
    bool HasPalette() const { return m_hasPalette; }
    int PixelFormatCode() const { return m_pixelFormat; }

protected:
    void Draw(vcl::TCanvas& ACanvas, const vcl::TRect& Rect) override;

private:
    void DrawTransparentBitmap(TGPGraphics* Graphics, TGPImage& Image, const TGPRectF& Dest);

    bool m_drawing { false };
    QByteArray m_data;
    bool m_isEmpty { true };
    int m_width { 0 };
    int m_height { 0 };
    vcl::TTransparentMode m_transparentMode { vcl::TTransparentMode::tmAuto };
    vcl::TColor m_transparentColor { vcl::clWhite };
    int m_pixelDepth { 0 };
    bool m_hasAlpha { false };
    bool m_hasPalette { false };
    int m_pixelFormat { 0 };
};

namespace gdippicture {
// Width and height from an image file's header, by extension (.JPG/.JPEG, .PNG, .BMP, .TIFF,
// .GIF); 0 x 0 when unknown or unreadable.
vcl::TSize ImageSizeFromFileHeader(const QString& fileName);
// Draws a BMP through a class-library bitmap with its bottom-left colour transparent:
// stretched into Rect, or at its own size at Rect's top-left.
void DrawTransparentBmp(vcl::TCanvas& canvas, const QByteArray& bytes, const vcl::TRect& rect, bool stretch);
// The whole stream from its first byte.
QByteArray ReadStream(QIODevice* stream);
void WriteStream(QIODevice* stream, const QByteArray& bytes);
// A raw-data resource of the program (":/<name>"); none when missing.
std::optional<QByteArray> ResourceBytes(const QString& name);
// The resource numbered id; raises EResNotFound when it is missing.
QByteArray ResourceIDBytes(int id);
// "RES://<name>" or "FILE://<file>", prefixes in any case: a non-empty name goes to the matching
// loader; anything else is ignored.
void LoadFromURL(const QString& url, const std::function<void(const QString&)>& fromResource,
                 const std::function<void(const QString&)>& fromFile);
// The file a class-library graphic saves itself as (bitmaps, and with anyGraphic the picture
// classes too); none for a source that cannot.
std::optional<QByteArray> GraphicBytes(vcl::TPersistent* source, bool anyGraphic);
} // namespace gdippicture
