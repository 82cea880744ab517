#include "WindowPlacement.h"

#include <algorithm>

namespace mMain {

namespace {

// frame moved the least way that puts it inside available, which holds its size.
QRect MovedInside(QRect frame, const QRect& available) {
    frame.moveLeft(
        std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(
        std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

int Area(const QRect& r) {
    return r.isValid() ? r.width() * r.height() : 0;
}

} // namespace

QRect PlaceBeside(const QRect& owner, const QSize& size, const QRect& available) {
    const QSize fitted = size.boundedTo(available.size());
    const QRect candidates[] = {
        {QPoint(owner.right() + 1, owner.top()), fitted},
        {QPoint(owner.left() - fitted.width(), owner.top()), fitted},
        {QPoint(owner.left(), owner.bottom() + 1), fitted},
        {QPoint(owner.left(), owner.top() - fitted.height()), fitted},
    };
    QRect best;
    int bestCovered = 0;
    for (const QRect& candidate : candidates) {
        const QRect placed = MovedInside(candidate, available);
        const int covered = Area(placed & owner);
        if (best.isNull() || covered < bestCovered) {
            best = placed;
            bestCovered = covered;
        }
    }
    return best;
}

} // namespace mMain
