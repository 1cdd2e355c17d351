#pragma once
// The objects a new XY plot or strip chart starts with, and the typed channel look-up of both.

#include "plot/iPlotComponent.h"

#include "platform/core/Exception.h"

// Toolbar (ZOrder 3), legend (ZOrder 2), X and Y axis, channel, data view, data cursor and the title
// label (ZOrder 2, "Untitled"); the caller disables the layout manager around it.
void iCreateDefaultPlotObjects(TiPlotComponent& Plot);

// The channel as the class T; another class raises the platform's invalid-cast error.
template <typename T>
T* iCheckedChannel(TiPlotChannelCustom* channel)
{
    T* typed = dynamic_cast<T*>(channel);
    if (!typed)
        throw vcl::EInvalidCast(QStringLiteral("Invalid class typecast"));
    return typed;
}
