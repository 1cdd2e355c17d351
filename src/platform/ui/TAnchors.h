#pragma once
// The sides of its parent a control keeps its distance to when the parent's client area is resized.

#include "platform/core/TSet.h"
#include "platform/core/Types.h"

namespace vcl {

enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

// The element names of TAnchorKind, for published-property tables.
#define ZQ9_ANCHOR_KINDS { "akLeft", "akTop", "akRight", "akBottom" }

inline constexpr TAnchors DefaultAnchors { TAnchorKind::akLeft, TAnchorKind::akTop };

// Where a control anchored by `anchors` goes when its parent's client size changes from `parentBefore`
// (when `bounds` were taken) to `parentNow`, per axis: an anchored side keeps its distance to the
// parent's same side, two opposite anchored sides stretch the control, and an axis with neither side
// anchored keeps the control's centre at the same proportion of the parent's size.
TRect AnchoredBounds(const TRect& bounds, TSize parentBefore, TSize parentNow, TAnchors anchors);

} // namespace vcl
