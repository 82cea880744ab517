#include "TestPalette.h"

#include <gtest/gtest.h>

QPalette DistinctPalette() {
    QPalette palette;
    const QPalette::ColorRole roles[] = {
        QPalette::Window,     QPalette::WindowText,     QPalette::Base,
        QPalette::Text,       QPalette::Button,         QPalette::ButtonText,
        QPalette::BrightText, QPalette::Light,          QPalette::Midlight,
        QPalette::Mid,        QPalette::Dark,           QPalette::Shadow,
        QPalette::Highlight,  QPalette::HighlightedText};
    // No green of 200, which the toolbar tests' pictures use.
    for (int i = 0; i < 14; ++i)
        palette.setColor(QPalette::All, roles[i], QColor(18 * i, 250 - 17 * i, 60 + 13 * i));
    return palette;
}

void ExpectColourAt(const QImage& image, const QColor& colour,
                    std::initializer_list<QPoint> points) {
    for (const QPoint& p : points)
        EXPECT_EQ(QColor(image.pixel(p)), colour) << p.x() << "," << p.y();
}
