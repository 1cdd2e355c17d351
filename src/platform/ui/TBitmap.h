#pragma once
// A bitmap in memory (a QImage of 32-bit pixels) with its own canvas, transparency settings and
// file load/save through the picture codecs.

#include "platform/ui/TCanvas.h"
#include "platform/ui/TGraphics.h"

#include <QImage>

namespace vcl {

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic
{
public:
    TBitmap();
    ~TBitmap() override;

    // Copies another bitmap's pixels and settings; nullptr empties this one.
    void Assign(TPersistent* Source) override;

    TCanvas* Canvas() { return &m_canvas; }

    bool Empty() const override { return m_image.isNull(); }
    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    void SetWidth(int value) override { SetSize(value, Height()); }
    void SetHeight(int value) override { SetSize(Width(), value); }
    // Keeps the pixels that still fit at the top-left; new area is white. A size whose pixels
    // cannot be allocated raises EOutOfResources and leaves the bitmap as it was.
    void SetSize(int AWidth, int AHeight);

    // Kept for the file writer; the pixels are always held as 32-bit colours.
    TPixelFormat PixelFormat() const { return m_pixelFormat; }
    void SetPixelFormat(TPixelFormat value);

    // tmAuto: the colour of the bottom-left pixel; tmFixed: the colour set. Setting a colour
    // switches to tmFixed.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(TTransparentMode value);

    // BMP, PNG or JPEG by content; a missing, foreign or corrupt file raises EInvalidGraphic
    // (EFOpenError when it cannot be opened) and leaves the bitmap unchanged.
    void LoadFromFile(const QString& FileName) override;
    // Always a BMP file (32 bits for pf32bit, else 24), whatever the name's extension; the file is
    // replaced only once completely written. Raises EFCreateError when it cannot write.
    void SaveToFile(const QString& FileName) override;

    const QImage& Image() const { return m_image; }
    // Takes the picture's pixels (converted to 32-bit colours) and size.
    void SetImage(const QImage& image);

protected:
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;

private:
    QImage m_image;
    TCanvas m_canvas;
    TPixelFormat m_pixelFormat { TPixelFormat::pfDevice };
    TColor m_transparentColor { clDefault };
    TTransparentMode m_transparentMode { TTransparentMode::tmAuto };
};

} // namespace vcl
