#pragma once

#include <QImage>
#include <QPalette>
#include <initializer_list>

// A palette in which every colour role used by the controls has its own colour, so that a
// pixel tells which role painted it.
QPalette DistinctPalette();

// Checks that `image` has `colour` at each of the points.
void ExpectColourAt(const QImage& image, const QColor& colour,
                    std::initializer_list<QPoint> points);
