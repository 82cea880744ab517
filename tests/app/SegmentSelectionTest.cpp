#include "SelectionSummary.h"

#include <gtest/gtest.h>

using namespace mMain;

TEST(SegmentSelection, QueriesOverTheFlags) {
    mKavrano_TrackIO_1_3::TrackDocument doc;
    for (const int32_t type : {1, 2, 1, 0, 1})
        doc.Segments.emplace_back().SegmentType = type;
    doc.SegmentCount = 5;
    // Five traced segments; the flags array has two spare entries, which never count.
    const struct {
        std::vector<bool> Flags;
        int32_t Count, First, Common;
    } cases[] = {
        {{false, false, false, false, false, false, false}, 0, -1, -1},
        {{false, false, true, false, true, false, false}, 2, 2, 1},
        // A later station does not restore the common type.
        {{true, true, true, false, false, false, false}, 3, 0, -1},
        {{false, false, false, true, false, false, false}, 1, 3, 0},
        {{false, false, false, false, false, true, true}, 0, -1, -1},
    };
    for (const auto& c : cases) {
        mKV_TraceTrack::TraceState trace;
        trace.TracedSegmentCount = 5;
        trace.SegmentSelected = c.Flags;
        EXPECT_EQ(CountSelectedSegments(trace), c.Count);
        EXPECT_EQ(FirstSelectedSegment(trace), c.First);
        EXPECT_EQ(CommonSegmentType(trace, doc), c.Common);
    }
}
