// PNG files through libpng. A file is either refused with EInvalidGraphic or decoded to a picture
// within the limits, and what was decoded survives being written and read again.

#include "FuzzSupport.h"
#include "platform/core/Exception.h"
#include "platform/images/PictureLimits.h"
#include "platform/images/PngCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QImage image;
    try {
        image = vcl::PngCodec::Decode(std::span<const std::uint8_t>(data, size));
    } catch (const vcl::EInvalidGraphic&) {
        return 0;
    }
    fuzz::Require(!image.isNull() && image.width() <= vcl::kMaxPictureSide && image.height() <= vcl::kMaxPictureSide,
                  "a decoded PNG has a size within the limits");
    if (qint64(image.width()) * image.height() > 1 << 16)
        return 0;
    const QImage again = vcl::PngCodec::Decode(vcl::PngCodec::Encode(image));
    fuzz::Require(again.size() == image.size() && again.format() == image.format(), "size and format survive a round trip");
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            fuzz::Require(again.pixel(x, y) == image.pixel(x, y), "every pixel survives a round trip");
    return 0;
}
