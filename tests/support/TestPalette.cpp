#include "TestPalette.h"

#include <gtest/gtest.h>

QPalette DistinctPalette() {
    QPalette palette;
    // The roles from WindowText (0) to HighlightedText (13); no green of 200, which the toolbar
    // tests' pictures use.
    for (int i = QPalette::WindowText; i <= QPalette::HighlightedText; ++i)
        palette.setColor(QPalette::All, static_cast<QPalette::ColorRole>(i),
                         QColor(18 * i, 250 - 17 * i, 60 + 13 * i));
    return palette;
}

void ExpectColourAt(const QImage& image, const QColor& colour,
                    std::initializer_list<QPoint> points) {
    for (const QPoint& p : points)
        EXPECT_EQ(QColor(image.pixel(p)), colour) << p.x() << "," << p.y();
}
