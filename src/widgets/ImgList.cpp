#include "widgets/ImgList.h"

#include "platform/ui/TCanvas.h"

#include <algorithm>

TCustomImageList::TCustomImageList(vcl::TComponent* AOwner, int Width, int Height)
    : vcl::TComponent(AOwner), m_images(Width, Height)
{
    m_images.OnChange = [this](vcl::TObject*) { Notify(); };
}

TCustomImageList::~TCustomImageList()
{
    m_images.OnChange = nullptr;
}

void TCustomImageList::Draw(vcl::TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (Index < 0 || Index >= Count())
        return;
    const QImage image = m_images.Image(Index).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            if (qAlpha(p) < 128)
                continue;
            // Greyed: the brightness, lifted halfway to white.
            const int g = (qGray(p) + 255) / 2;
            Canvas.SetPixels(X + x, Y + y, Enabled ? vcl::RGB(qRed(p), qGreen(p), qBlue(p)) : vcl::RGB(g, g, g));
        }
    }
}

void TCustomImageList::RegisterChanges(const void* Client, std::function<void()> Changed)
{
    UnRegisterChanges(Client);
    m_clients.emplace_back(Client, std::move(Changed));
}

void TCustomImageList::UnRegisterChanges(const void* Client)
{
    std::erase_if(m_clients, [Client](const auto& c) { return c.first == Client; });
}

void TCustomImageList::Notify()
{
    const auto clients = m_clients; // a client may unregister while told
    for (const auto& c : clients)
        c.second();
}
