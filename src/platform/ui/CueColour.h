#pragma once

#include "platform/core/TColor.h"

#include <QPalette>
#include <QWidget>

namespace vcl {

// The cue text of an empty edit field in the system's grey text, opaque: Qt's see-through cue
// colour reaches the screen as black through the unsmoothed text of the boxes' fonts.
inline void UseOpaqueCueColour(QWidget& field)
{
    QPalette pal = field.palette();
    pal.setColor(QPalette::PlaceholderText, ToQColor(clGrayText));
    field.setPalette(pal);
}

} // namespace vcl
