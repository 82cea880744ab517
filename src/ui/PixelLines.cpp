#include "PixelLines.h"

#include <QPainter>
#include <QRect>

void DrawPixelLine(QPainter& painter, QPoint from, QPoint to, const QColor& color) {
    const QPoint span = to - from;
    if (span.y() == 0 && span.x() > 0) {
        painter.fillRect(QRect(from.x(), from.y(), span.x(), 1), color);
    } else if (span.x() == 0 && span.y() > 0) {
        painter.fillRect(QRect(from.x(), from.y(), 1, span.y()), color);
    }
}
