#pragma once
// A compressed JPEG picture: the file's bytes as encoded, with its pixels for drawing.

#include "platform/images/JpegCodec.h"
#include "platform/ui/TGraphics.h"

#include <QByteArray>
#include <QImage>

namespace vcl {

class TJPEGImage : public TGraphic
{
public:
    TJPEGImage() = default;

    // Encodes Pixels at once with the options given.
    void Compress(const QImage& Pixels, const TJpegEncodeOptions& Options);
    const QByteArray& Bytes() const { return m_bytes; }
    const QImage& Pixels() const { return m_pixels; }

    bool Empty() const override { return m_bytes.isEmpty(); }
    int Width() const override { return m_pixels.width(); }
    int Height() const override { return m_pixels.height(); }
    // A compressed picture keeps its size: raises EInvalidGraphicOperation.
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    void LoadFromFile(const QString& FileName) override;
    // The file is replaced only once fully written (EFCreateError else).
    void SaveToFile(const QString& FileName) override;

protected:
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;

private:
    QByteArray m_bytes;
    QImage m_pixels;
};

} // namespace vcl
