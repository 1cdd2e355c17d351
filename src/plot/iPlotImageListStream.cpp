#include "plot/iPlotImageListStream.h"

#include "platform/core/Exception.h"
#include "platform/images/PngCodec.h"

#include <QtEndian>

using namespace vcl;

namespace {

constexpr std::uint32_t MaxImages = 65536;

void PutUInt32(TStream& stream, std::uint32_t value)
{
    const std::uint32_t le = qToLittleEndian(value);
    stream.WriteBuffer(&le, sizeof le);
}

std::uint32_t GetUInt32(TStream& stream)
{
    std::uint32_t value = 0;
    stream.ReadBuffer(&value, sizeof value);
    return qFromLittleEndian(value);
}

} // namespace

void iWriteImageList(TStream& Stream, const TImageList& List)
{
    try {
        PutUInt32(Stream, static_cast<std::uint32_t>(List.Count()));
        for (int i = 0; i < List.Count(); ++i) {
            const QByteArray png = PngCodec::Encode(List.Image(i));
            PutUInt32(Stream, static_cast<std::uint32_t>(png.size()));
            Stream.WriteBuffer(png.constData(), png.size());
        }
    } catch (const Exception&) {
        throw EWriteError(QStringLiteral("Failed to write ImageList data to stream"));
    }
}

void iReadImageList(TStream& Stream, TImageList& List)
{
    List.Clear();
    std::vector<QImage> images;
    try {
        const std::uint32_t count = GetUInt32(Stream);
        if (count > MaxImages)
            throw EReadError(QStringLiteral("too many images"));
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t length = GetUInt32(Stream);
            if (length > Stream.Size() - Stream.Position())
                throw EReadError(QStringLiteral("short image"));
            QByteArray png(static_cast<qsizetype>(length), '\0');
            Stream.ReadBuffer(png.data(), length);
            images.push_back(PngCodec::Decode(png));
        }
    } catch (const Exception&) {
        throw EReadError(QStringLiteral("Failed to read ImageList data from stream"));
    }
    if (!images.empty())
        List.SetSize(images.front().width(), images.front().height());
    for (const QImage& image : images)
        List.Add(image);
}
