#pragma once
// A widget as a screen of the given device pixel ratio shows it, through its own paint: the picture
// has ratio x its size in pixels and reads as a plain image (ratio 1) afterwards.

#include <QImage>
#include <QWidget>

inline QImage RenderedAtRatio(QWidget& widget, int ratio)
{
    QImage image(widget.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    widget.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}
