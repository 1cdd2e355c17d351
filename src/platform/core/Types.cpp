#include "platform/core/Types.h"

#include <algorithm>

namespace vcl {

bool IntersectRect(TRect& dest, const TRect& a, const TRect& b)
{
    TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom));
    if (r.IsEmpty() || a.IsEmpty() || b.IsEmpty()) {
        dest = TRect();
        return false;
    }
    dest = r;
    return true;
}

bool UnionRect(TRect& dest, const TRect& a, const TRect& b)
{
    if (a.IsEmpty() && b.IsEmpty()) {
        dest = TRect();
        return false;
    }
    if (a.IsEmpty()) {
        dest = b;
        return true;
    }
    if (b.IsEmpty()) {
        dest = a;
        return true;
    }
    dest = TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom));
    return true;
}

bool InflateRect(TRect& r, int dx, int dy)
{
    r.Left -= dx;
    r.Top -= dy;
    r.Right += dx;
    r.Bottom += dy;
    return true;
}

bool OffsetRect(TRect& r, int dx, int dy)
{
    r.Left += dx;
    r.Top += dy;
    r.Right += dx;
    r.Bottom += dy;
    return true;
}

} // namespace vcl
