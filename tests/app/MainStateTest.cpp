#include "MainState.h"

#include <gtest/gtest.h>

using namespace mMain;

TEST(MainState, ShortNameDropsFolderAndEveryExtension) {
    EXPECT_EQ(ShortTrackName("/home/ride/Loop.KVTRACK"), "Loop");
    EXPECT_EQ(ShortTrackName("C:\\Tracks\\loop.kvtrack"), "loop");
    EXPECT_EQ(ShortTrackName("a.kvtrack.b.KvTrack"), "a.b");
    EXPECT_EQ(ShortTrackName("plain"), "plain");
    EXPECT_EQ(ShortTrackName("/tracks/track.txt"), "track.txt");
    EXPECT_EQ(ShortTrackName(".kvtrack.kvtrack"), "");
}
