#pragma once

#include <QRect>
#include <QSize>

namespace mMain {

// Where a window of `size` goes beside the main window's frame `mainFrame` on a screen whose
// free area is `available`: right of the main window where it fits, else left of it, else the
// place nearest the right side that lies wholly on the screen (the size held to the screen's).
QRect PlaceBeside(const QRect& mainFrame, QSize size, const QRect& available);

} // namespace mMain
