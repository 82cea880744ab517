#include "WindowPlacement.h"

#include <algorithm>

namespace mMain {

QRect PlaceBeside(const QRect& mainFrame, QSize size, const QRect& available) {
    size = size.boundedTo(available.size());
    const QRect right(QPoint(mainFrame.right() + 1, mainFrame.top()), size);
    if (available.contains(right))
        return right;
    const QRect left(QPoint(mainFrame.left() - size.width(), mainFrame.top()), size);
    if (available.contains(left))
        return left;
    const int x = std::clamp(right.left(), available.left(), available.right() + 1 - size.width());
    const int y = std::clamp(right.top(), available.top(), available.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

} // namespace mMain
