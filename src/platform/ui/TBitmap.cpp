#include "platform/ui/TBitmap.h"

#include "platform/core/Exception.h"
#include "platform/images/BmpCodec.h"
#include "platform/images/PictureFile.h"

#include <QSaveFile>

#include <cstring>

namespace vcl {

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
    QImage resized(AWidth, AHeight, QImage::Format_RGB32);
    if (resized.isNull())
        throw EOutOfResources(QStringLiteral("Out of system resources"));
    resized.fill(0xFFFFFFFFu);
    if (!m_image.isNull()) {
        const int w = std::min(AWidth, m_image.width());
        const int h = std::min(AHeight, m_image.height());
        for (int y = 0; y < h; ++y)
            std::memcpy(resized.scanLine(y), m_image.constScanLine(y), size_t(w) * 4);
    }
    m_image = std::move(resized);
    Changed();
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
    const QByteArray bytes = BmpCodec::Encode(m_image, m_pixelFormat == TPixelFormat::pf32bit ? 32 : 24);
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%s\". %s"), FileName, file.errorString());
}

} // namespace vcl
