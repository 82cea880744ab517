#include "SelectionStats.h"

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
