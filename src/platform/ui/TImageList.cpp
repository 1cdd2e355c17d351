#include "platform/ui/TImageList.h"

#include "platform/core/Exception.h"

namespace vcl {

void TImageList::SetSize(int Width, int Height)
{
    if (Width == m_width && Height == m_height)
        return;
    m_width = Width;
    m_height = Height;
    m_images.clear();
    Changed();
}

const QImage& TImageList::Image(int Index) const
{
    if (Index < 0 || Index >= Count())
        ListIndexError(Index);
    return m_images[static_cast<std::size_t>(Index)];
}

int TImageList::Add(const QImage& Image)
{
    m_images.push_back(Image);
    Changed();
    return Count() - 1;
}

void TImageList::Clear()
{
    if (m_images.empty())
        return;
    m_images.clear();
    Changed();
}

void TImageList::Changed()
{
    if (OnChange)
        OnChange(this);
}

} // namespace vcl
