// Picture sizes as the GDI+ picture classes find them: from a file's header by its extension, and
// by decoding the bytes. Header readers never read past the file; a decoded size is that of the
// picture the loader gives, and a PNG's header agrees with it.

#include "FuzzSupport.h"
#include "platform/core/Exception.h"
#include "platform/images/PictureFile.h"
#include "widgets/AdvGDIP.h"
#include "widgets/GDIPicture.h"

#include <array>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::EnsureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const std::array<const char*, 7> extensions { ".jpg", ".JPEG", ".png", ".bmp", ".tiff", ".gif", ".tif" };
    const std::string extension = extensions[data[0] % extensions.size()];
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    const vcl::TSize header = gdippicture::ImageSizeFromFileHeader(QString::fromStdString(fuzz::ScratchFile(file, extension)));
    fuzz::Require(header.cx >= 0 && header.cx <= 0xFFFF && header.cy >= 0 && header.cy <= 0xFFFF, "header sizes are 16-bit");

    const QByteArray bytes(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
    QSize decoded;
    try {
        decoded = vcl::PictureFile::Decode(bytes).size();
    } catch (const vcl::EInvalidGraphic&) {
    }
    TGDIPPicture picture;
    picture.LoadFromBytes(bytes);
    fuzz::Require(picture.Width() == std::max(decoded.width(), 0) && picture.Height() == std::max(decoded.height(), 0),
                  "a picture measures as it decodes");
    if (extension == ".png" && decoded.isValid() && vcl::PictureFile::Detect(bytes) == vcl::TPictureFormat::pfPng)
        fuzz::Require(header.cx == decoded.width() && header.cy == decoded.height(), "a PNG header gives the decoded size");
    return 0;
}
