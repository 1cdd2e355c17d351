// The plot's three picture lists: clearing them and adding pictures from bitmaps or resources.

#include "plot/iPlotComponent.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"

#include "platform/core/Exception.h"
#include "platform/ui/TBitmap.h"

#include <QFile>

#include <algorithm>

using namespace vcl;

namespace {

// The picture with every pixel of Mask's colour made see-through.
QImage Masked(const QImage& Picture, TColor Mask)
{
    QImage out = Picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = ToQColor(Mask).rgb() & RGB_MASK;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & RGB_MASK) == mask)
                line[x] = 0;
    }
    return out;
}

// Appends the masked picture cut into list-sized images from its left edge, at least one; a
// picture smaller than the list on a side leaves the rest of its image see-through.
void AddMasked(TImageList& List, const QImage& Picture, TColor Mask)
{
    const QImage masked = Masked(Picture, Mask);
    const int count = std::max(1, masked.width() / List.Width());
    for (int i = 0; i < count; ++i) {
        QImage image(List.Width(), List.Height(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        const QImage part = masked.copy(i * List.Width(), 0, List.Width(), List.Height());
        for (int y = 0; y < std::min(List.Height(), masked.height()); ++y)
            for (int x = 0; x < std::min(List.Width(), masked.width() - i * List.Width()); ++x)
                image.setPixel(x, y, part.pixel(x, y));
        List.Add(image);
    }
}

QString ResourcePath(const QString& Instance, const QString& Name)
{
    return Instance.isEmpty() ? QStringLiteral(":/") + Name : QStringLiteral(":/") + Instance + u'/' + Name;
}

} // namespace

TImageList* TiPlotComponent::ImageList(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(FImageLists.size()))
        throw Exception(QStringLiteral("ImageList Index must be 0-2"));
    return FImageLists[static_cast<std::size_t>(Index)].get();
}

void TiPlotComponent::ImageListClear(int ImageListIndex)
{
    ImageList(ImageListIndex)->Clear();
    InvalidateChange();
}

void TiPlotComponent::ImageListAdd(int ImageListIndex, const TBitmap* ABitmap)
{
    AddImageToList(ImageListIndex, ABitmap);
}

void TiPlotComponent::ImageListLoadFromResourceID(int ImageListIndex, const QString& Instance, int ResID)
{
    ImageListLoadFromResourceName(ImageListIndex, Instance, QString::number(ResID));
}

void TiPlotComponent::ImageListLoadFromResourceName(int ImageListIndex, const QString& Instance,
                                                    const QString& ResName)
{
    ImageList(ImageListIndex); // the index is checked before anything is loaded
    const QString path = ResourcePath(Instance, ResName);
    if (!QFile::exists(path))
        throw Exception(QStringLiteral("Resource %1 not found").arg(ResName));
    TBitmap bitmap;
    bitmap.LoadFromFile(path);
    AddImageToList(ImageListIndex, &bitmap);
}

void TiPlotComponent::AddImageToList(int ImageListIndex, const TBitmap* Bitmap)
{
    TImageList* list = ImageList(ImageListIndex);
    if (!Bitmap || Bitmap->Empty())
        throw Exception(QStringLiteral("Image Width and Height must be the same as other images, or both smaller, "
                                       "or both larger"));
    const int w = Bitmap->Width();
    const int h = Bitmap->Height();
    const TColor mask = Bitmap->TransparentColor();
    QImage picture = Bitmap->Image();
    if (list->Count() == 0) {
        list->SetSize(w, h);
    } else {
        const int W = list->Width();
        const int H = list->Height();
        if (w < W && h < H) {
            // Centred on an image of the list's size filled with the transparent colour.
            QImage padded(W, H, QImage::Format_ARGB32);
            padded.fill(ToQColor(mask));
            const int left = W / 2 - w / 2;
            const int top = H / 2 - h / 2;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    padded.setPixel(left + x, top + y, picture.pixel(x, y));
            picture = padded;
        } else if (!(w > W && h > H) && w != W && h != H) {
            throw Exception(QStringLiteral("Image Width and Height must be the same as other images, or both "
                                           "smaller, or both larger"));
        }
    }
    AddMasked(*list, picture, mask);
    InvalidateChange();
}

void TiPlotComponent::DisableAllTracking()
{
    for (int i = 0; i < XAxisCount(); ++i)
        XAxis(i)->SetTrackingEnabled(false);
    for (int i = 0; i < YAxisCount(); ++i)
        YAxis(i)->SetTrackingEnabled(false);
}

void TiPlotComponent::EnableAllTracking()
{
    for (int i = 0; i < XAxisCount(); ++i)
        XAxis(i)->SetTrackingEnabled(true);
    for (int i = 0; i < YAxisCount(); ++i)
        YAxis(i)->SetTrackingEnabled(true);
}

void TiPlotComponent::TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex,
                                          int StopIndex)
{
    TiPlotChannelCustom* source = Channel(SourceChannelIndex);
    TiPlotChannelCustom* destination = Channel(DestinationChannelIndex);
    if (StartIndex < 0)
        throw Exception(QStringLiteral("Start Index Must be 0 or Greater"));
    if (StopIndex > source->Count() - 1)
        throw Exception(QStringLiteral("StopIndex Must Out Of Range"));
    for (int i = StartIndex; i <= StopIndex; ++i) {
        const int added = destination->AddXY(source->GetX(i), source->GetY(i));
        destination->SetNull(added, source->GetNull(i));
        destination->SetEmpty(added, source->GetEmpty(i));
    }
}
