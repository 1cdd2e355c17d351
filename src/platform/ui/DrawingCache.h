#pragma once
// Pictures of drawings that depend on nothing but a key, kept so that the same drawing again is one
// copy: a fader's knob or a gradient band drawn once per size, colours, state and scale.

#include "platform/ui/TCanvas.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <functional>
#include <list>

namespace vcl {

// The parts of a key, in order: every value that changes the picture.
class DrawingKey
{
public:
    DrawingKey& Add(std::int64_t Value);
    DrawingKey& Add(const QRegion& Region);
    const QByteArray& Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

class DrawingCache
{
public:
    // Draws the picture into Area of the canvas it is given; it may reach Margin pixels beyond Area.
    // It starts with the canvas's pen and brush, sets every colour it uses, and draws no text (colours
    // and font are not part of the key).
    using Drawing = std::function<void(TCanvas& Canvas, const TRect& Area)>;

    explicit DrawingCache(std::size_t Capacity) : m_capacity(Capacity) {}

    // Puts on Canvas what `Draw` draws at Area, from the picture kept for Key (with Area's size, the
    // canvas's scale, and the pen's width and style and the brush's style, which the drawing starts with). The picture is drawn on a
    // clear surface the first time. Where drawing it twice could differ from drawing it once (a pen that
    // mixes with what lies below, pixels only partly covered), it is drawn on Canvas every time.
    void Draw(TCanvas& Canvas, const TRect& Area, int Margin, const DrawingKey& Key, const Drawing& Draw);

private:
    struct Entry
    {
        QByteArray Key;
        QImage Picture; // null: drawn on the canvas every time
    };
    const Entry& Find(TCanvas& Canvas, const TRect& Area, int Margin, const QByteArray& Key, const Drawing& Draw);

    std::size_t m_capacity;
    std::list<Entry> m_entries; // the last used first
};

} // namespace vcl
