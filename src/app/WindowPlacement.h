#pragma once

// Where a tool window opens beside the main window: wholly on the screen that shows the main
// window, beside it where there is room.

#include <QRect>
#include <QSize>

namespace mMain {

// The frame, of `size` or as much of it as `available` holds, inside `available`: right of
// `owner` where it fits there, else left of, below or above it, whichever covers the least of
// `owner` once moved inside `available` (the earlier on a tie).
QRect PlaceBeside(const QRect& owner, const QSize& size, const QRect& available);

} // namespace mMain
