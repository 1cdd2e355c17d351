#include "platform/ui/TAnchors.h"

#include "platform/core/NumberUtils.h"

namespace vcl {

namespace {

struct TSpan
{
    int Start;
    int Length;
};

TSpan AnchorAxis(TSpan span, int before, int now, bool lowSide, bool highSide)
{
    const int growth = now - before;
    if (lowSide && highSide)
        return { span.Start, span.Length + growth };
    if (highSide)
        return { span.Start + growth, span.Length };
    if (lowSide || before <= 0)
        return span;
    const double centre = (span.Start + span.Length / 2.0) * now / before;
    return { RoundToInt(centre - span.Length / 2.0), span.Length };
}

} // namespace

TRect AnchoredBounds(const TRect& bounds, TSize parentBefore, TSize parentNow, TAnchors anchors)
{
    const TSpan x = AnchorAxis({ bounds.Left, bounds.Right - bounds.Left }, parentBefore.cx, parentNow.cx,
                               anchors.Contains(TAnchorKind::akLeft), anchors.Contains(TAnchorKind::akRight));
    const TSpan y = AnchorAxis({ bounds.Top, bounds.Bottom - bounds.Top }, parentBefore.cy, parentNow.cy,
                               anchors.Contains(TAnchorKind::akTop), anchors.Contains(TAnchorKind::akBottom));
    return TRect(x.Start, y.Start, x.Start + x.Length, y.Start + y.Length);
}

} // namespace vcl
