#pragma once
// Keyboard modifiers and mouse buttons held during an input event.

#include "platform/core/TSet.h"

namespace vcl {

enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

} // namespace vcl
