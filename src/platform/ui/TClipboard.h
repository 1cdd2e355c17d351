#pragma once
// The system clipboard for pictures: a recorded picture goes on it as SVG together with a bitmap of
// it, so that vector-aware programs get the drawing and every other program the pixels.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace vcl {

class TBitmap;
class TMetafile;

// The clipboard format of SVG documents.
inline const QString kSvgMimeType = QStringLiteral("image/svg+xml");
inline const QString kJpegMimeType = QStringLiteral("image/jpeg");

class TClipboard
{
public:
    // Replaces the clipboard's contents with the picture as SVG and as a bitmap.
    void AssignMetafile(const TMetafile& Metafile);
    void AssignBitmap(const TBitmap& Bitmap);
    // A JPEG file's bytes, with the decoded pixels as a bitmap beside them.
    void AssignJpeg(const QByteArray& JpegBytes, const QImage& Pixels);

    bool HasFormat(const QString& MimeType) const;
    QByteArray Data(const QString& MimeType) const;
    QImage Image() const;
    void Clear();
};

TClipboard* Clipboard();

} // namespace vcl
