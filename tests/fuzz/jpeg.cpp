// JPEG files through libjpeg, by content as a picture file is loaded. A file is either refused
// with EInvalidGraphic or decoded to a picture within the limits; libjpeg's own errors never
// escape any other way.

#include "FuzzSupport.h"
#include "platform/core/Exception.h"
#include "platform/images/JpegCodec.h"
#include "platform/images/PictureFile.h"
#include "platform/images/PictureLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    QImage image;
    try {
        image = vcl::JpegCodec::Decode(bytes);
    } catch (const vcl::EInvalidGraphic&) {
        return 0;
    }
    fuzz::Require(!image.isNull() && image.width() <= vcl::kMaxPictureSide && image.height() <= vcl::kMaxPictureSide,
                  "a decoded JPEG has a size within the limits");
    fuzz::Require(image.format() == QImage::Format_RGB32, "a decoded JPEG is opaque RGB");
    fuzz::Require(vcl::PictureFile::Decode(bytes).size() == image.size(), "loading by content gives the same picture");
    return 0;
}
