#include "platform/images/BmpRle.h"

#include "platform/core/Exception.h"

#include <algorithm>

namespace vcl {

namespace {

[[noreturn]] void fail(const char* reason)
{
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid: %s"), reason);
}

// Run-length coded pixels (RLE8, or RLE4 with two pixels to a byte), bottom row first. Every pixel
// must land inside the picture: a run or a jump past the end of a row or past the last row refuses
// the file, so the position can never run away from the picture.
class RleDecoder
{
public:
    RleDecoder(std::span<const std::uint8_t> codes, bool rle8, const BmpPalette& palette, QImage& image)
        : m_codes(codes), m_rle8(rle8), m_palette(palette), m_image(image), m_width(image.width()), m_height(image.height())
    {
    }

    void Run()
    {
        m_image.fill(qRgb(0, 0, 0));
        while (m_row < m_height) {
            const std::uint8_t count = next();
            const std::uint8_t value = next();
            if (count > 0)
                encodedRun(count, value);
            else if (value == 0)
                endOfLine();
            else if (value == 1)
                return;
            else if (value == 2)
                jump();
            else
                absoluteRun(value);
        }
    }

private:
    std::uint8_t next()
    {
        if (m_at >= m_codes.size())
            fail("truncated pixel data");
        return m_codes[m_at++];
    }

    static int nibble(std::uint8_t byte, int i) { return (i & 1) ? (byte & 0x0F) : (byte >> 4); }

    // Checked once per run, so the column never passes the row end.
    QRgb* span(int count)
    {
        if (m_row >= m_height)
            fail("run past the last row");
        if (count > m_width - m_x)
            fail("run past the end of a row");
        QRgb* line = reinterpret_cast<QRgb*>(m_image.scanLine(m_height - 1 - m_row)) + m_x;
        m_x += count;
        return line;
    }

    void encodedRun(int count, std::uint8_t value)
    {
        QRgb* out = span(count);
        for (int i = 0; i < count; ++i)
            out[i] = m_palette[m_rle8 ? value : static_cast<std::size_t>(nibble(value, i))];
    }

    void absoluteRun(int count)
    {
        const std::size_t bytes = m_rle8 ? static_cast<std::size_t>(count) : static_cast<std::size_t>(count + 1) / 2;
        if (m_codes.size() - m_at < bytes)
            fail("truncated pixel data");
        const std::uint8_t* src = m_codes.data() + m_at;
        QRgb* out = span(count);
        for (int i = 0; i < count; ++i)
            out[i] = m_palette[m_rle8 ? src[i] : static_cast<std::size_t>(nibble(src[i / 2], i))];
        // Absolute runs are padded to a whole 16-bit word; the pad may be missing at the very end.
        m_at += std::min(bytes + (bytes & 1), m_codes.size() - m_at);
    }

    void endOfLine()
    {
        m_x = 0;
        ++m_row;
    }

    void jump()
    {
        const int right = next();
        const int up = next();
        if (right > m_width - m_x || up > m_height - m_row)
            fail("jump past the picture");
        m_x += right;
        m_row += up;
    }

    std::span<const std::uint8_t> m_codes;
    std::size_t m_at { 0 };
    const bool m_rle8;
    const BmpPalette& m_palette;
    QImage& m_image;
    const int m_width;
    const int m_height;
    int m_x { 0 };
    int m_row { 0 }; // counted from the bottom
};


} // namespace

void DecodeBmpRle(std::span<const std::uint8_t> codes, bool rle8, const BmpPalette& palette, QImage& image)
{
    RleDecoder(codes, rle8, palette, image).Run();
}

} // namespace vcl
