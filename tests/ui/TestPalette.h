#pragma once

#include <QImage>
#include <QPalette>
#include <initializer_list>

// A palette in which every colour role used by the controls has its own colour, so that a
// pixel tells which role painted it.
QPalette DistinctPalette();

struct Pixel {
    int x;
    int y;
    QColor colour;
};

// Checks that each listed pixel of `image` has its colour.
void ExpectPixels(const QImage& image, std::initializer_list<Pixel> pixels);
