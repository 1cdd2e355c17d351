#pragma once
// Run-length coded bitmap pixels (RLE8 and RLE4).

#include <QImage>
#include <array>
#include <cstdint>
#include <span>

namespace vcl {

using BmpPalette = std::array<QRgb, 256>;

// Decodes the codes into `image` (already sized, Format_RGB32), bottom row first; pixels the codes
// skip stay black. Raises EInvalidGraphic "Bitmap image is not valid: <reason>" when the codes run
// out before the end, or a run or jump would leave the picture.
void DecodeBmpRle(std::span<const std::uint8_t> codes, bool rle8, const BmpPalette& palette, QImage& image);

} // namespace vcl
