#include "Twips.h"

#include <QWidget>

#include <cmath>

namespace mTwips {

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

void SetGeometryInTwips(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                       TwipsToPixels(height));
}

QRect GeometryInTwips(const QWidget& widget) {
    const QRect pixels = widget.geometry();
    return QRect(PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y()),
                 PixelsToTwips(pixels.width()), PixelsToTwips(pixels.height()));
}

} // namespace mTwips
