#include "platform/graphics/Geometry.h"

namespace rt {

bool PtInRect(const TRect& rect, const TPoint& point) {
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

bool IsRectEmpty(const TRect& rect) { return rect.Right <= rect.Left || rect.Bottom <= rect.Top; }

void InflateRect(TRect& rect, int dx, int dy) {
    rect.Left -= dx;
    rect.Top -= dy;
    rect.Right += dx;
    rect.Bottom += dy;
}

void OffsetRect(TRect& rect, int dx, int dy) {
    rect.Left += dx;
    rect.Top += dy;
    rect.Right += dx;
    rect.Bottom += dy;
}

bool IntersectRect(TRect& dest, const TRect& a, const TRect& b) {
    const TRect result{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                       std::min(a.Bottom, b.Bottom)};
    if (IsRectEmpty(result)) {
        dest = TRect{};
        return false;
    }
    dest = result;
    return true;
}

bool UnionRect(TRect& dest, const TRect& a, const TRect& b) {
    if (IsRectEmpty(a)) {
        dest = IsRectEmpty(b) ? TRect{} : b;
    } else if (IsRectEmpty(b)) {
        dest = a;
    } else {
        dest = TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                     std::max(a.Bottom, b.Bottom)};
    }
    return !IsRectEmpty(dest);
}

}  // namespace rt
