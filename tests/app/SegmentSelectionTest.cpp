#include "SelectionSummary.h"
#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mMain;

TEST(SegmentSelection, QueriesOverTheFlags) {
    mKavrano_TrackIO_1_3::TrackDocument doc;
    for (const int32_t type : {1, 2, 1, 0, 1})
        doc.Segments.emplace_back().SegmentType = type;
    doc.SegmentCount = 5;
    // Five traced segments; the flags array has two spare entries, which never count.
    // The flags, then the count, the first selected and the common type.
    const std::tuple<std::vector<bool>, int32_t, int32_t, int32_t> cases[] = {
        {{false, false, false, false, false, false, false}, 0, -1, -1},
        {{false, false, true, false, true, false, false}, 2, 2, 1},
        // A later station does not restore the common type.
        {{true, true, true, false, false, false, false}, 3, 0, -1},
        {{false, false, false, true, false, false, false}, 1, 3, 0},
        {{false, false, false, false, false, true, true}, 0, -1, -1},
    };
    for (const auto& [flags, count, first, common] : cases) {
        mKV_TraceTrack::TraceState trace;
        trace.TracedSegmentCount = 5;
        trace.SegmentSelected = flags;
        EXPECT_EQ(CountSelectedSegments(trace), count);
        EXPECT_EQ(FirstSelectedSegment(trace), first);
        EXPECT_EQ(CommonSegmentType(trace, doc), common);
    }
}

// A window beside the main one: right of it where it fits, else left, else the nearest place on
// the screen, never larger than the screen.
TEST(WindowPlacement, BesideTheMainWindowWhereItFits) {
    const QRect screen(0, 0, 1280, 1024);
    const std::tuple<QRect, QSize, QRect> cases[] = {
        {{100, 50, 600, 400}, {500, 300}, {700, 50, 500, 300}},
        {{700, 50, 500, 400}, {500, 300}, {200, 50, 500, 300}},
        {{300, 900, 700, 100}, {500, 300}, {780, 724, 500, 300}},
        {{0, 0, 1280, 1024}, {2000, 300}, {0, 0, 1280, 300}},
    };
    for (const auto& [main, size, placed] : cases)
        EXPECT_EQ(mMain::PlaceBeside(main, size, screen), placed);
}
