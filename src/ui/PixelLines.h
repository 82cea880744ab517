#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

// Draws a horizontal or vertical one-pixel line the way the platform's line elements do: the
// pixels from `from` up to, but not including, `to`. `to` lies right of or below `from`; a line
// of no length (or a backward one, as in a control too small for it) draws nothing.
void DrawPixelLine(QPainter& painter, QPoint from, QPoint to, const QColor& color);
