#include "platform/ui/TBitmap.h"

#include "platform/core/Exception.h"
#include "platform/images/BmpCodec.h"
#include "platform/images/PictureFile.h"

#include <QSaveFile>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace vcl {

namespace {

int WholeScaleOf(qreal ratio)
{
    const int whole = int(std::lround(ratio));
    return (whole >= 2 && whole <= 4 && std::abs(ratio - whole) < 1e-6) ? whole : 1;
}

} // namespace

TBitmap::TBitmap()
{
    m_canvas.BindImage(&m_image);
    m_canvas.OnChange = [this](TObject*) { Changed(); };
}

TBitmap::~TBitmap()
{
    m_canvas.OnChange = nullptr;
}

void TBitmap::Assign(TPersistent* Source)
{
    if (Source == nullptr) {
        m_image = QImage();
        Changed();
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        if (bitmap == this)
            return;
        m_image = bitmap->m_image;
        m_image.detach();
        m_scale = bitmap->m_scale;
        m_pixelFormat = bitmap->m_pixelFormat;
        m_transparentColor = bitmap->m_transparentColor;
        m_transparentMode = bitmap->m_transparentMode;
        TGraphic::SetTransparent(bitmap->Transparent());
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

void TBitmap::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == Width() && AHeight == Height())
        return;
    if (AWidth == 0 || AHeight == 0) {
        m_image = QImage();
        Changed();
        return;
    }
    const std::int64_t deviceWidth = std::int64_t(AWidth) * m_scale;
    const std::int64_t deviceHeight = std::int64_t(AHeight) * m_scale;
    QImage resized;
    if (deviceWidth <= INT32_MAX / 4 && deviceHeight <= INT32_MAX / 4)
        resized = QImage(int(deviceWidth), int(deviceHeight), QImage::Format_RGB32);
    if (resized.isNull())
        throw EOutOfResources(QStringLiteral("Out of system resources"));
    resized.setDevicePixelRatio(m_scale);
    resized.fill(0xFFFFFFFFu);
    if (!m_image.isNull()) {
        const int w = std::min(resized.width(), m_image.width());
        const int h = std::min(resized.height(), m_image.height());
        for (int y = 0; y < h; ++y)
            std::memcpy(resized.scanLine(y), m_image.constScanLine(y), size_t(w) * 4);
    }
    m_image = std::move(resized);
    Changed();
}

void TBitmap::SetDeviceScale(int Scale)
{
    Scale = WholeScaleOf(Scale);
    if (Scale == m_scale)
        return;
    if (!m_image.isNull()) {
        QImage scaled = m_image.scaled(Width() * Scale, Height() * Scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (scaled.isNull())
            throw EOutOfResources(QStringLiteral("Out of system resources"));
        scaled.setDevicePixelRatio(Scale);
        m_image = std::move(scaled);
    }
    m_scale = Scale;
    Changed();
}

QImage TBitmap::PixelImage() const
{
    if (m_scale == 1 || m_image.isNull())
        return m_image;
    QImage pixels(Width(), Height(), QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(m_image.constScanLine(y * m_scale));
        auto* out = reinterpret_cast<std::uint32_t*>(pixels.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            out[x] = in[x * m_scale];
    }
    return pixels;
}

void TBitmap::SetPixelFormat(TPixelFormat value)
{
    if (value == m_pixelFormat)
        return;
    m_pixelFormat = value;
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (m_transparentMode == TTransparentMode::tmFixed)
        return m_transparentColor;
    if (m_image.isNull())
        return clDefault;
    const QRgb rgb = m_image.pixel(0, m_image.height() - 1);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TBitmap::SetTransparentColor(TColor value)
{
    m_transparentColor = value;
    m_transparentMode = TTransparentMode::tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value)
{
    if (value == m_transparentMode)
        return;
    m_transparentMode = value;
    Changed();
}

void TBitmap::SetImage(const QImage& image)
{
    m_image = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    m_scale = WholeScaleOf(image.devicePixelRatio());
    if (m_image.width() % m_scale != 0 || m_image.height() % m_scale != 0)
        m_scale = 1;
    m_image.setDevicePixelRatio(m_scale);
    Changed();
}

void TBitmap::Draw(TCanvas& ACanvas, const TRect& Rect)
{
    if (m_image.isNull())
        return;
    const TRect source(0, 0, Width(), Height());
    if (Transparent())
        ACanvas.StretchImage(Rect, m_image, source, SRCCOPY, TransparentColor());
    else
        ACanvas.StretchImage(Rect, m_image, source, ACanvas.CopyMode());
}

void TBitmap::LoadFromFile(const QString& FileName)
{
    SetImage(PictureFile::Load(FileName));
}

void TBitmap::SaveToFile(const QString& FileName)
{
    if (m_image.isNull())
        throw EInvalidGraphicOperation(QStringLiteral("Cannot save an empty bitmap"));
    const QByteArray bytes = BmpCodec::Encode(PixelImage(), m_pixelFormat == TPixelFormat::pf32bit ? 32 : 24);
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%s\". %s"), FileName, file.errorString());
}

} // namespace vcl
