#include "platform/ui/TMetafile.h"

#include "platform/core/Exception.h"
#include "platform/ui/TCanvas.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace vcl {

TMetafile::~TMetafile() = default;

void TMetafile::Assign(TPersistent* Source)
{
    if (auto* other = dynamic_cast<TMetafile*>(Source)) {
        m_picture = other->m_picture;
        m_width = other->m_width;
        m_height = other->m_height;
        m_createdBy = other->m_createdBy;
        m_description = other->m_description;
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

void TMetafile::SetSize(int AWidth, int AHeight)
{
    SetWidth(AWidth);
    SetHeight(AHeight);
}

void TMetafile::Play(QPainter& Painter, const QRectF& Rect) const
{
    if (m_picture.isNull() || m_width <= 0 || m_height <= 0)
        return;
    // Qt replays a picture enlarged by the target's resolution over the recording's (a 300 dpi
    // printer would get the plot 3.125 times too large, a 72 dpi SVG three quarters of it); Rect
    // is in the target's own pixels, so that enlargement is taken back out.
    double dpiX = 1.0, dpiY = 1.0;
    if (const QPaintDevice* device = Painter.device(); device && device->logicalDpiX() > 0 && device->logicalDpiY() > 0) {
        dpiX = double(m_picture.logicalDpiX()) / device->logicalDpiX();
        dpiY = double(m_picture.logicalDpiY()) / device->logicalDpiY();
    }
    Painter.save();
    Painter.translate(Rect.topLeft());
    Painter.scale(Rect.width() / m_width * dpiX, Rect.height() / m_height * dpiY);
    Painter.drawPicture(0, 0, m_picture);
    Painter.restore();
}

QByteArray TMetafile::SvgBytes() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(m_width, m_height));
    generator.setViewBox(QRect(0, 0, m_width, m_height));
    generator.setTitle(m_createdBy);
    generator.setDescription(m_description);
    {
        QPainter painter(&generator);
        Play(painter, QRectF(0, 0, m_width, m_height));
    }
    return buffer.data();
}

QImage TMetafile::ToImage() const
{
    QImage image(qMax(m_width, 1), qMax(m_height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Play(painter, QRectF(0, 0, m_width, m_height));
    return image;
}

void TMetafile::SaveToFile(const QString& FileName)
{
    const QByteArray bytes = SvgBytes();
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%s\". %s"), FileName, file.errorString());
}

void TMetafile::LoadFromFile(const QString& FileName)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot load a recorded picture from \"%s\""), FileName);
}

void TMetafile::Draw(TCanvas& ACanvas, const TRect& Rect)
{
    const QRectF target(Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
    if (QPainter* painter = ACanvas.Painter()) {
        Play(*painter, target);
    } else if (QImage* image = ACanvas.Image()) {
        QPainter painter(image);
        Play(painter, target);
    }
}

TMetafileCanvas::TMetafileCanvas(TMetafile& Metafile, const QString& CreatedBy, const QString& Description)
    : m_metafile(Metafile), m_painter(std::make_unique<QPainter>()), m_canvas(std::make_unique<TCanvas>())
{
    m_painter->begin(&m_recording);
    m_painter->setClipRect(QRect(0, 0, Metafile.Width(), Metafile.Height()));
    m_binding = std::make_unique<TCanvasPainterBinding>(*m_canvas, *m_painter,
                                                        TRect(0, 0, Metafile.Width(), Metafile.Height()));
    m_metafile.m_createdBy = CreatedBy;
    m_metafile.m_description = Description;
}

TMetafileCanvas::~TMetafileCanvas()
{
    m_binding.reset();
    m_painter->end();
    m_metafile.m_picture = m_recording;
    m_metafile.Changed();
}

} // namespace vcl
