// Bitmap files. A file is either refused with EInvalidGraphic or decoded to a picture of its
// declared size within the limits, and what was decoded survives being written and read again.

#include "FuzzSupport.h"
#include "platform/core/Exception.h"
#include "platform/images/BmpCodec.h"
#include "platform/images/PictureLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QImage image;
    try {
        image = vcl::BmpCodec::Decode(std::span<const std::uint8_t>(data, size));
    } catch (const vcl::EInvalidGraphic&) {
        return 0;
    }
    fuzz::Require(!image.isNull() && image.width() <= vcl::kMaxPictureSide && image.height() <= vcl::kMaxPictureSide,
                  "a decoded bitmap has a size within the limits");
    if (qint64(image.width()) * image.height() > 1 << 16)
        return 0; // large pictures: decoding them was the test
    const int depth = image.hasAlphaChannel() ? 32 : 24;
    const QImage again = vcl::BmpCodec::Decode(vcl::BmpCodec::Encode(image, depth));
    fuzz::Require(again.size() == image.size(), "the size survives a round trip");
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            fuzz::Require(again.pixel(x, y) == image.pixel(x, y), "every pixel survives a round trip");
    return 0;
}
