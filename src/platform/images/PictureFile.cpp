#include "platform/images/PictureFile.h"

#include "platform/core/Exception.h"
#include "platform/images/BmpCodec.h"
#include "platform/images/JpegCodec.h"
#include "platform/images/PngCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vcl {

TPictureFormat PictureFile::Detect(std::span<const std::uint8_t> d)
{
    if (d.size() >= 8 && d[0] == 0x89 && d[1] == 'P' && d[2] == 'N' && d[3] == 'G' && d[4] == 0x0D && d[5] == 0x0A
        && d[6] == 0x1A && d[7] == 0x0A)
        return TPictureFormat::pfPng;
    if (d.size() >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF)
        return TPictureFormat::pfJpeg;
    if (d.size() >= 2 && d[0] == 'B' && d[1] == 'M')
        return TPictureFormat::pfBmp;
    return TPictureFormat::pfUnknown;
}

TPictureFormat PictureFile::Detect(const QByteArray& data)
{
    return Detect(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                static_cast<std::size_t>(data.size())));
}

TPictureFormat PictureFile::FormatOfFileName(const QString& fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("bmp"))
        return TPictureFormat::pfBmp;
    if (ext == QLatin1String("png"))
        return TPictureFormat::pfPng;
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg") || ext == QLatin1String("jpe"))
        return TPictureFormat::pfJpeg;
    return TPictureFormat::pfUnknown;
}

QImage PictureFile::Decode(std::span<const std::uint8_t> data)
{
    switch (Detect(data)) {
    case TPictureFormat::pfBmp:
        return BmpCodec::Decode(data);
    case TPictureFormat::pfPng:
        return PngCodec::Decode(data);
    case TPictureFormat::pfJpeg:
        return JpegCodec::Decode(data);
    case TPictureFormat::pfUnknown:
        break;
    }
    throw EInvalidGraphic(QStringLiteral("Unknown picture format"));
}

QImage PictureFile::Decode(const QByteArray& data)
{
    return Decode(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                static_cast<std::size_t>(data.size())));
}

QImage PictureFile::Load(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%s\". %s"), fileName, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFOpenError(QStringLiteral("Cannot open file \"%s\". %s"), fileName, file.errorString());
    return Decode(bytes);
}

QByteArray PictureFile::Encode(const QImage& image, TPictureFormat format)
{
    switch (format) {
    case TPictureFormat::pfBmp:
        return BmpCodec::Encode(image, image.hasAlphaChannel() ? 32 : 24);
    case TPictureFormat::pfPng:
        return PngCodec::Encode(image);
    case TPictureFormat::pfJpeg:
        return JpegCodec::Encode(image);
    case TPictureFormat::pfUnknown:
        break;
    }
    throw EInvalidGraphic(QStringLiteral("Unknown picture format"));
}

void PictureFile::Save(const QImage& image, const QString& fileName)
{
    const TPictureFormat format = FormatOfFileName(fileName);
    if (format == TPictureFormat::pfUnknown)
        throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%s)"), QFileInfo(fileName).suffix());
    const QByteArray bytes = Encode(image, format);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%s\". %s"), fileName, file.errorString());
}

} // namespace vcl
