#include "MainLayout.h"

#include <gtest/gtest.h>

using namespace mMain;

TEST(MainLayout, InitialSmallAndTallClientAreas) {
    const MainLayout initial = ComputeMainLayout(11880, 8490);
    EXPECT_EQ(initial.ViewWidth, 10140);
    EXPECT_EQ(initial.ViewHeight, 5715);
    EXPECT_EQ(initial.SegStyleTop, 6255);
    EXPECT_EQ(initial.SegStyleWidth, 11880);
    EXPECT_EQ(initial.TrackSettingTop, 4080);

    // Too small: the view shrinks to nothing and the track settings stay at the top.
    const MainLayout tiny = ComputeMainLayout(900, 1500);
    EXPECT_EQ(tiny.ViewWidth, 0);
    EXPECT_EQ(tiny.ViewHeight, 0);
    EXPECT_EQ(tiny.SegStyleTop, 1500 - 2235);
    EXPECT_EQ(tiny.TrackSettingTop, 480);

    const MainLayout tall = ComputeMainLayout(15000, 12000);
    EXPECT_EQ(tall.ViewWidth, 15000 - 1740);
    EXPECT_EQ(tall.ViewHeight, 12000 - 2295 - 480);
    EXPECT_EQ(tall.TrackSettingTop, 12000 - 2235 - 2115 - 60);
}
