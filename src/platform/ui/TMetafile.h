#pragma once
// A recorded vector picture in memory: what a canvas draws while a TMetafileCanvas is open is kept
// as drawing commands and replayed, scaled, into any other canvas. On disk it is written as SVG.

#include "platform/ui/TGraphics.h"

#include <QByteArray>
#include <QPicture>
#include <QString>

#include <memory>

class QPainter;

namespace vcl {

class TMetafile : public TGraphic
{
public:
    TMetafile() = default;
    ~TMetafile() override;

    void Assign(TPersistent* Source) override;

    bool Empty() const override { return m_picture.isNull(); }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetWidth(int value) override { m_width = value < 0 ? 0 : value; }
    void SetHeight(int value) override { m_height = value < 0 ? 0 : value; }
    void SetSize(int AWidth, int AHeight);
    // The creator and description given by the last recording canvas.
    const QString& CreatedBy() const { return m_createdBy; }
    const QString& Description() const { return m_description; }

    // The drawing as an SVG document of Width x Height user units.
    QByteArray SvgBytes() const;
    // Replayed into a bitmap of Width x Height.
    QImage ToImage() const;
    // Writes the SVG document; the file is replaced only once fully written (EFCreateError else).
    void SaveToFile(const QString& FileName) override;
    // Recorded pictures are made by drawing, not read back: raises EInvalidGraphicOperation.
    void LoadFromFile(const QString& FileName) override;

    // Replays the drawing scaled from Width x Height into Rect of Painter.
    void Play(QPainter& Painter, const QRectF& Rect) const;

protected:
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;

private:
    friend class TMetafileCanvas;

    QPicture m_picture;
    int m_width { 0 };
    int m_height { 0 };
    QString m_createdBy;
    QString m_description;
};

// A canvas recording into a metafile from its creation to its destruction; what was recorded
// before is replaced.
class TMetafileCanvas
{
public:
    TMetafileCanvas(TMetafile& Metafile, const QString& CreatedBy, const QString& Description);
    ~TMetafileCanvas();
    TMetafileCanvas(const TMetafileCanvas&) = delete;
    TMetafileCanvas& operator=(const TMetafileCanvas&) = delete;

    TCanvas* Canvas() { return m_canvas.get(); }

private:
    TMetafile& m_metafile;
    QPicture m_recording;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<TCanvas> m_canvas;
    std::unique_ptr<class TCanvasPainterBinding> m_binding;
};

} // namespace vcl
