#include "ColorSwatch.h"

#include "ColorForm.h"

#include <QMouseEvent>
#include <QPainter>

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void ColorSwatch::SetColour(mKavrano_TrackIO_1_3::Colour value) {
    colour = value;
    update();
}

QColor ColorSwatch::ShownColor() const {
    return mColorForm::ColorFromLong(static_cast<int32_t>(colour), palette());
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), ShownColor());
    drawFrame(&painter);
}

void ColorSwatch::mousePressEvent(QMouseEvent* event) {
    bPressed = event->button() == Qt::LeftButton;
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button on the swatch.
    const bool bClicked = bPressed && event->button() == Qt::LeftButton &&
                          rect().contains(event->position().toPoint());
    bPressed = false;
    if (bClicked)
        emit Clicked();
}
