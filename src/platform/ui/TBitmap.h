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
    int Width() const override { return m_image.width() / m_scale; }
    int Height() const override { return m_image.height() / m_scale; }
    void SetWidth(int value) override { SetSize(value, Height()); }
    void SetHeight(int value) override { SetSize(Width(), value); }
    // Keeps the pixels that still fit at the top-left; new area is white. A size whose pixels
    // cannot be allocated raises EOutOfResources and leaves the bitmap as it was.
    void SetSize(int AWidth, int AHeight);

    // Device pixels per pixel, 1 unless set. A bitmap that only buffers a control's painting on its
    // way to the screen takes the screen's (its canvas's DeviceScale during the paint), so that it
    // draws as sharply as the screen shows; sizes, coordinates and pixel rules stay in pixels. The
    // picture is enlarged or reduced to the new scale (whole values from 1 to 4; others mean 1).
    int DeviceScale() const { return m_scale; }
    void SetDeviceScale(int Scale);

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
    // replaced only once completely written, Width x Height whatever the device scale. Raises
    // EFCreateError when it cannot write.
    void SaveToFile(const QString& FileName) override;

    // The pixels; at a device scale above 1 the picture holds that many per pixel each way and its
    // device pixel ratio says so.
    const QImage& Image() const { return m_image; }
    // Takes the picture's pixels (converted to 32-bit colours) and size; a whole device pixel ratio
    // of the picture becomes the bitmap's device scale.
    void SetImage(const QImage& image);
    // Width x Height pixels at scale 1: the picture itself at scale 1, else one device pixel of each
    // pixel.
    QImage PixelImage() const;

protected:
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;

private:
    QImage m_image;
    TCanvas m_canvas;
    TPixelFormat m_pixelFormat { TPixelFormat::pfDevice };
    TColor m_transparentColor { clDefault };
    TTransparentMode m_transparentMode { TTransparentMode::tmAuto };
    int m_scale { 1 };
};

} // namespace vcl
