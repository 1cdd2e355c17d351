#include "widgets/GDIPicture.h"

#include "platform/core/Exception.h"
#include "platform/core/TFiler.h"
#include "widgets/AdvGDIP.h"

#include <QFile>
#include <QIODevice>

TGDIPPicture::TGDIPPicture() = default;

TGDIPPicture::~TGDIPPicture() = default;

void TGDIPPicture::Assign(vcl::TPersistent* Source)
{
    m_isEmpty = true;
    if (Source == nullptr) {
        m_data.clear();
        Changed();
        if (OnClear)
            OnClear(this);
        return;
    }
    if (auto* other = dynamic_cast<TGDIPPicture*>(Source)) {
        m_data = other->m_data;
        m_isEmpty = m_data.isEmpty();
        Changed();
    } else if (const auto bytes = gdippicture::GraphicBytes(Source, false)) {
        // Only bitmaps (alone or in a picture holder) save themselves for this class.
        m_data = *bytes;
        m_isEmpty = false;
        Changed();
    }
    GetImageSizes();
}

void TGDIPPicture::LoadFromFile(const QString& FileName)
{
    try {
        QFile file(FileName);
        if (!file.open(QIODevice::ReadOnly))
            throw vcl::EFOpenError(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
        m_data = file.readAll();
        m_isEmpty = false;
        if (OnClear)
            OnClear(this);
        GetImageSizes();
        Changed();
    } catch (...) {
        m_isEmpty = true;
    }
}

void TGDIPPicture::SaveToFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(m_data) != m_data.size())
        throw vcl::EFCreateError(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
}

void TGDIPPicture::LoadFromStream(QIODevice* Stream)
{
    if (Stream == nullptr)
        return;
    LoadFromBytes(gdippicture::ReadStream(Stream));
}

void TGDIPPicture::LoadFromBytes(const QByteArray& Bytes)
{
    m_data = Bytes;
    m_isEmpty = false;
    GetImageSizes();
    Changed();
}

void TGDIPPicture::SaveToStream(QIODevice* Stream) const
{
    gdippicture::WriteStream(Stream, m_data);
}

void TGDIPPicture::LoadFromResourceName(const QString& ResName)
{
    if (const auto bytes = gdippicture::ResourceBytes(ResName))
        LoadFromBytes(*bytes);
}

void TGDIPPicture::LoadFromResourceID(int ResID)
{
    LoadFromBytes(gdippicture::ResourceIDBytes(ResID));
}

void TGDIPPicture::LoadFromURL(const QString& URL)
{
    gdippicture::LoadFromURL(
        URL, [this](const QString& name) { LoadFromResourceName(name); },
        [this](const QString& name) { LoadFromFile(name); });
}

void TGDIPPicture::ReadData(const QByteArray& Data)
{
    m_data = Data;
    m_isEmpty = false;
}

void TGDIPPicture::DefineProperties(vcl::TFiler& Filer)
{
    vcl::TGraphic::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        QStringLiteral("Data"),
        [this](vcl::TStream& s) {
            QByteArray bytes(static_cast<qsizetype>(s.Size() - s.Position()), '\0');
            s.ReadBuffer(bytes.data(), bytes.size());
            ReadData(bytes);
        },
        [this](vcl::TStream& s) { s.WriteBuffer(m_data.constData(), m_data.size()); }, !m_isEmpty);
}

bool TGDIPPicture::GetImageSizes()
{
    if (m_isEmpty || m_data.isEmpty())
        return false;
    const auto image = DecodePictureBytes(m_data);
    m_width = int(image->GetWidth());
    m_height = int(image->GetHeight());
    return true;
}

void TGDIPPicture::Draw(vcl::TCanvas& ACanvas, const vcl::TRect& Rect)
{
    if (m_isEmpty || m_data.isEmpty())
        return;
    const auto image = DecodePictureBytes(m_data);
    TGPGraphics graphics(&ACanvas);
    if (image->GetFormat() == TGPImageFormat::ifBMP) {
        gdippicture::DrawTransparentBmp(ACanvas, m_data, Rect, true);
        return;
    }
    m_width = int(image->GetWidth());
    m_height = int(image->GetHeight());
    graphics.DrawImage(image.get(), float(Rect.Left), float(Rect.Top), float(Rect.Right - Rect.Left),
                       float(Rect.Bottom - Rect.Top));
}

void TGDIPPicture::DrawImage(TGPGraphics* Graphics, int X, int Y)
{
    if (m_isEmpty || m_data.isEmpty() || Graphics == nullptr)
        return;
    const auto image = DecodePictureBytes(m_data);
    Graphics->DrawImage(image.get(), X, Y);
}

void TGDIPPicture::DrawImageRect(TGPGraphics* Graphics, int X, int Y, int W, int H)
{
    if (m_isEmpty || m_data.isEmpty() || Graphics == nullptr)
        return;
    const auto image = DecodePictureBytes(m_data);
    Graphics->DrawImage(image.get(), float(X), float(Y), float(W), float(H));
}
