#include "TestPalette.h"

#include <gtest/gtest.h>

QPalette DistinctPalette() {
    QPalette palette;
    const struct {
        QPalette::ColorRole Role;
        QColor Color;
    } roles[] = {
        {QPalette::Window, QColor(236, 233, 216)},
        {QPalette::WindowText, QColor(10, 20, 30)},
        {QPalette::Base, QColor(250, 251, 252)},
        {QPalette::Text, QColor(30, 20, 10)},
        {QPalette::Button, QColor(212, 208, 200)},
        {QPalette::ButtonText, QColor(5, 5, 60)},
        {QPalette::BrightText, QColor(255, 255, 0)},
        {QPalette::Light, QColor(255, 255, 255)},
        {QPalette::Midlight, QColor(228, 226, 160)},
        {QPalette::Mid, QColor(160, 150, 140)},
        {QPalette::Dark, QColor(128, 40, 40)},
        {QPalette::Shadow, QColor(0, 0, 0)},
        {QPalette::Highlight, QColor(10, 36, 106)},
        {QPalette::HighlightedText, QColor(240, 250, 200)},
    };
    for (const auto& entry : roles)
        palette.setColor(QPalette::All, entry.Role, entry.Color);
    return palette;
}

void ExpectPixels(const QImage& image, std::initializer_list<Pixel> pixels) {
    for (const Pixel& p : pixels)
        EXPECT_EQ(QColor(image.pixel(p.x, p.y)), p.colour) << p.x << "," << p.y;
}
