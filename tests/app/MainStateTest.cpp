#include "MainState.h"

#include <gtest/gtest.h>

#include <vector>

using namespace mMain;

TEST(MainState, ShortNameDropsFolderAndEveryExtension) {
    EXPECT_EQ(ShortTrackName("/home/ride/Loop.KVTRACK"), "Loop");
    EXPECT_EQ(ShortTrackName("C:\\Tracks\\loop.kvtrack"), "loop");
    EXPECT_EQ(ShortTrackName("a.kvtrack.b.KvTrack"), "a.b");
    EXPECT_EQ(ShortTrackName("plain"), "plain");
    EXPECT_EQ(ShortTrackName("/tracks/track.txt"), "track.txt");
    EXPECT_EQ(ShortTrackName(".kvtrack.kvtrack"), "");
}

TEST(MainState, CaptionFollowsOpenEditAndSave) {
    MainState state;
    std::vector<std::string> shown;
    state.CaptionChanged = [&](const std::string& c) { shown.push_back(c); };

    UpdateTitle(state);
    EXPECT_EQ(state.Caption, "Kavrano Tornelle v1.3.0");

    state.CurrentFileName = "/tracks/Loop.KVTRACK";
    UpdateTitle(state);
    EXPECT_EQ(state.Caption, "Kavrano Tornelle - Loop");
    EXPECT_FALSE(state.bTrackModified);

    SetTrackModified(state);
    SetTrackModified(state); // further edits leave the caption alone
    EXPECT_TRUE(state.bTrackModified);
    EXPECT_EQ(state.Caption, "Kavrano Tornelle - Loop*");

    state.CurrentFileName = "/tracks/copy.txt"; // saved under a typed other extension
    UpdateTitle(state);
    EXPECT_FALSE(state.bTrackModified);
    EXPECT_EQ(state.Caption, "Kavrano Tornelle - copy.txt");

    EXPECT_EQ(shown, (std::vector<std::string>{"Kavrano Tornelle v1.3.0", "Kavrano Tornelle - Loop",
                                               "Kavrano Tornelle - Loop*",
                                               "Kavrano Tornelle - copy.txt"}));
}
