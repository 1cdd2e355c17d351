#pragma once
// An image list as a component: same-sized pictures that controls on a form refer to by index, drawn
// enabled or greyed; controls that use it hear of every change and of its end.

#include "platform/core/TComponent.h"
#include "platform/ui/TImageList.h"

#include <functional>
#include <vector>

namespace vcl { class TCanvas; }

class TCustomImageList : public vcl::TComponent
{
public:
    explicit TCustomImageList(vcl::TComponent* AOwner, int Width = 16, int Height = 16);
    ~TCustomImageList() override;

    int Width() const { return m_images.Width(); }
    int Height() const { return m_images.Height(); }
    int Count() const { return m_images.Count(); }
    int Add(const QImage& Image) { return m_images.Add(Image); }
    void Clear() { m_images.Clear(); }
    // Image Index with its top-left corner at (X, Y): its opaque pixels, greyed when not Enabled.
    // An index outside the list draws nothing.
    void Draw(vcl::TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const;

    // Client is told through Changed of every change until it unregisters.
    void RegisterChanges(const void* Client, std::function<void()> Changed);
    void UnRegisterChanges(const void* Client);

private:
    void Notify();

    vcl::TImageList m_images;
    std::vector<std::pair<const void*, std::function<void()>>> m_clients;
};
