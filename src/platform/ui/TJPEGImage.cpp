#include "platform/ui/TJPEGImage.h"

#include "platform/core/Exception.h"
#include "platform/ui/TCanvas.h"

#include <QFile>
#include <QSaveFile>

namespace vcl {

void TJPEGImage::Compress(const QImage& Pixels, const TJpegEncodeOptions& Options)
{
    m_bytes = JpegCodec::Encode(Pixels, Options);
    m_pixels = JpegCodec::Decode(m_bytes);
    Changed();
}

void TJPEGImage::SetWidth(int)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}

void TJPEGImage::SetHeight(int)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}

void TJPEGImage::LoadFromFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%s\". %s"), FileName, file.errorString());
    const QByteArray bytes = file.readAll();
    m_pixels = JpegCodec::Decode(bytes);
    m_bytes = bytes;
    Changed();
}

void TJPEGImage::SaveToFile(const QString& FileName)
{
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_bytes) != m_bytes.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%s\". %s"), FileName, file.errorString());
}

void TJPEGImage::Draw(TCanvas& ACanvas, const TRect& Rect)
{
    if (!m_pixels.isNull())
        ACanvas.StretchImage(Rect, m_pixels.convertToFormat(QImage::Format_RGB32),
                             TRect(0, 0, m_pixels.width(), m_pixels.height()), SRCCOPY);
}

} // namespace vcl
