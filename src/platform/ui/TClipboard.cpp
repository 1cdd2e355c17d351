#include "platform/ui/TClipboard.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TMetafile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vcl {

namespace {

QClipboard* SystemClipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

void Publish(QMimeData* data)
{
    if (QClipboard* clipboard = SystemClipboard())
        clipboard->setMimeData(data);
    else
        delete data;
}

} // namespace

void TClipboard::AssignMetafile(const TMetafile& Metafile)
{
    auto* data = new QMimeData;
    data->setData(kSvgMimeType, Metafile.SvgBytes());
    data->setImageData(Metafile.ToImage());
    Publish(data);
}

void TClipboard::AssignBitmap(const TBitmap& Bitmap)
{
    auto* data = new QMimeData;
    data->setImageData(Bitmap.Image());
    Publish(data);
}

void TClipboard::AssignJpeg(const QByteArray& JpegBytes, const QImage& Pixels)
{
    auto* data = new QMimeData;
    data->setData(kJpegMimeType, JpegBytes);
    data->setImageData(Pixels);
    Publish(data);
}

bool TClipboard::HasFormat(const QString& MimeType) const
{
    const QClipboard* clipboard = SystemClipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && data->hasFormat(MimeType);
}

QByteArray TClipboard::Data(const QString& MimeType) const
{
    const QClipboard* clipboard = SystemClipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data ? data->data(MimeType) : QByteArray();
}

QImage TClipboard::Image() const
{
    const QClipboard* clipboard = SystemClipboard();
    return clipboard ? clipboard->image() : QImage();
}

void TClipboard::Clear()
{
    if (QClipboard* clipboard = SystemClipboard())
        clipboard->clear();
}

TClipboard* Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}

} // namespace vcl
