// Images of a control: bitmap, recorded vector picture, JPEG and PNG files and byte arrays, all
// painted off screen by iPaintTo at the control's size.

#include "plot/iVCLComponent.h"

#include "platform/images/JpegCodec.h"
#include "platform/images/PngCodec.h"
#include "platform/ui/TJPEGImage.h"
#include "platform/ui/TMetafile.h"

#include <QSaveFile>

using namespace vcl;

namespace {

void CheckJpegCompression(int Compression)
{
    if (Compression < 1 || Compression > 100)
        throw Exception(QStringLiteral("Compression must be in the range of 1-100"));
}

void CheckPngCompression(int Compression)
{
    if (Compression < 0 || Compression > 9)
        throw Exception(QStringLiteral("Compression must be in the range of 0-9"));
}

TJpegEncodeOptions JpegOptions(int Compression, bool Progressive, TJpegDctMethod Method)
{
    TJpegEncodeOptions options;
    options.Quality = Compression;
    options.Progressive = Progressive;
    options.DctMethod = Method;
    return options;
}

void WriteWhole(const QString& FileName, const QByteArray& Bytes)
{
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(Bytes) != Bytes.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%s\". %s"), FileName, file.errorString());
}

TVariant ByteArrayVariant(const QByteArray& Bytes)
{
    TVariant result = TVariant::CreateArray({ TVarArrayBound { 0, static_cast<int>(Bytes.size()) } });
    for (int i = 0; i < Bytes.size(); ++i)
        result.SetElement({ i }, TVariant(int(static_cast<unsigned char>(Bytes[i]))));
    return result;
}

// Holds the control's painting lock until the end of the scope, also when an exception passes.
class PaintLock
{
public:
    explicit PaintLock(TiVCLComponent& Component) : m_component(Component) { m_component.Lock(); }
    ~PaintLock() { m_component.Unlock(); }
    PaintLock(const PaintLock&) = delete;
    PaintLock& operator=(const PaintLock&) = delete;

private:
    TiVCLComponent& m_component;
};

} // namespace

void TiComponent::SaveImageToBitmap(const QString& FileName)
{
    TBitmap bitmap;
    bitmap.SetSize(Width(), Height());
    bitmap.Canvas()->Brush()->SetStyle(TBrushStyle::bsSolid);
    iPaintTo(bitmap.Canvas());
    bitmap.SaveToFile(FileName);
}

QImage TiVCLComponent::PaintToImage()
{
    TBitmap bitmap;
    bitmap.SetSize(Width(), Height());
    bitmap.Canvas()->Brush()->SetStyle(TBrushStyle::bsSolid);
    iPaintTo(bitmap.Canvas());
    return bitmap.Image();
}

void TiVCLComponent::PaintToMetafile(TMetafile& Metafile, const QString& Description)
{
    Metafile.SetSize(Width(), Height());
    TMetafileCanvas canvas(Metafile, QStringLiteral("Zarvik"), Description);
    iPaintTo(canvas.Canvas());
}

void TiVCLComponent::SaveImageToMetaFile(const QString& FileName)
{
    TMetafile metafile;
    PaintToMetafile(metafile, QString());
    metafile.SaveToFile(FileName);
}

void TiVCLComponent::SaveImageToJPEG(const QString& FileName, int Compression, bool Progressive)
{
    CheckJpegCompression(Compression);
    QImage pixels;
    {
        PaintLock lock(*this);
        pixels = PaintToImage();
    }
    WriteWhole(FileName,
               JpegCodec::Encode(pixels, JpegOptions(Compression, Progressive, TJpegDctMethod::jdmSlowInteger)));
}

void TiVCLComponent::SaveImageToPNG(const QString& FileName, int Compression)
{
    CheckPngCompression(Compression);
    WriteWhole(FileName, PngCodec::Encode(PaintToImage(), Compression));
}

TVariant TiVCLComponent::GetBytesJPEG(int Compression, bool Progressive)
{
    PaintLock lock(*this);
    CheckJpegCompression(Compression);
    return ByteArrayVariant(
        JpegCodec::Encode(PaintToImage(), JpegOptions(Compression, Progressive, TJpegDctMethod::jdmFastInteger)));
}

TVariant TiVCLComponent::GetBytesPNG(int Compression)
{
    PaintLock lock(*this);
    CheckPngCompression(Compression);
    return ByteArrayVariant(PngCodec::Encode(PaintToImage(), Compression));
}

std::unique_ptr<TJPEGImage> TiVCLComponent::GetJPEGImage(int Compression, bool Progressive)
{
    CheckJpegCompression(Compression);
    auto image = std::make_unique<TJPEGImage>();
    image->Compress(PaintToImage(), JpegOptions(Compression, Progressive, TJpegDctMethod::jdmSlowInteger));
    return image;
}
