#pragma once

#include <QRect>

class QWidget;

// The main window and the titled panels lay out in twips, 15 to a logical pixel; Qt scales
// logical pixels to the screen's device pixels.
namespace mTwips {

constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel.
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);

// Moves and sizes `widget` within its parent's client area, all values in twips.
void SetGeometryInTwips(QWidget& widget, int left, int top, int width, int height);

// The widget's geometry within its parent, in twips.
QRect GeometryInTwips(const QWidget& widget);

} // namespace mTwips
