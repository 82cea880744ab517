#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(WindowPlacement, RightOfTheOwnerWhereItFitsElseWhereItCoversTheLeastOfIt) {
    const QRect screen(0, 0, 1280, 1024), second(1280, 0, 1024, 768);
    const QSize preview(640, 560);
    // The owner, the window's size, the screen's available area, and where the window goes.
    const std::tuple<QRect, QSize, QRect, QRect> cases[] = {
        {{0, 0, 600, 500}, preview, screen, {600, 0, 640, 560}},
        {{100, 600, 400, 300}, preview, screen, {500, 464, 640, 560}}, // moved up to fit
        {{0, 0, 1280, 400}, preview, screen, {0, 400, 640, 560}},      // below
        {{600, 100, 680, 500}, preview, screen, {0, 100, 640, 560}},   // left, over a little
        {{0, 0, 800, 680}, preview, screen, {640, 0, 640, 560}},       // over the least of it
        {{1300, 50, 600, 400}, preview, second, {1664, 50, 640, 560}}, // on the owner's screen
        {{0, 0, 600, 500}, {2000, 1200}, screen, screen},              // as much as fits
    };
    for (const auto& [owner, size, available, placed] : cases) {
        EXPECT_EQ(mMain::PlaceBeside(owner, size, available), placed)
            << owner.x() << "," << owner.y();
    }
}
