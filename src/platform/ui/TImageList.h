#pragma once
// A list of same-sized pictures that controls draw by index (toolbar glyphs, label pictures).

#include "platform/core/Events.h"
#include "platform/core/TObject.h"

#include <QImage>

#include <vector>

namespace vcl {

class TImageList : public TObject
{
public:
    TImageList(int Width = 16, int Height = 16) : m_width(Width), m_height(Height) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // A new size empties the list.
    void SetSize(int Width, int Height);
    int Count() const { return static_cast<int>(m_images.size()); }
    // The picture at Index; EListError "List index out of bounds (<index>)" outside the list.
    const QImage& Image(int Index) const;
    // Appends a copy and returns its index.
    int Add(const QImage& Image);
    void Clear();

    TNotifyEvent OnChange;

private:
    void Changed();

    int m_width;
    int m_height;
    std::vector<QImage> m_images;
};

} // namespace vcl
