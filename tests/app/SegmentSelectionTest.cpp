#include "SelectionSummary.h"

#include <gtest/gtest.h>

using namespace mMain;
using mKavrano_TrackIO_1_3::TrackDocument;

namespace {

TrackDocument WithTypes(const std::vector<int32_t>& types) {
    TrackDocument doc;
    doc.SegmentCount = int32_t(types.size());
    doc.Segments.resize(types.size());
    for (size_t i = 0; i < types.size(); ++i)
        doc.Segments[i].SegmentType = types[i];
    return doc;
}

mKV_TraceTrack::TraceState Selecting(const std::vector<bool>& flags) {
    mKV_TraceTrack::TraceState trace;
    trace.TracedSegmentCount = int32_t(flags.size());
    trace.SegmentSelected = flags;
    trace.SegmentSelected.resize(flags.size() + 2); // the flags array has two spare entries
    return trace;
}

} // namespace

TEST(SegmentSelection, QueriesOverTheFlags) {
    const TrackDocument doc = WithTypes({1, 2, 1, 0, 1});

    const struct {
        std::vector<bool> Flags;
        int32_t Count, First, Common;
    } cases[] = {
        {{false, false, false, false, false}, 0, -1, -1},
        {{false, false, true, false, true}, 2, 2, 1},
        {{true, true, true, false, false}, 3, 0, -1}, // a later station does not restore it
        {{false, false, false, true, false}, 1, 3, 0},
    };
    for (const auto& c : cases) {
        const auto trace = Selecting(c.Flags);
        EXPECT_EQ(CountSelectedSegments(trace), c.Count);
        EXPECT_EQ(FirstSelectedSegment(trace), c.First);
        EXPECT_EQ(CommonSegmentType(trace, doc), c.Common);
    }

    // The spare flags beyond the traced count never count.
    auto spare = Selecting({false, false, false, false, false});
    spare.SegmentSelected[5] = spare.SegmentSelected[6] = true;
    EXPECT_EQ(CountSelectedSegments(spare), 0);
    EXPECT_EQ(FirstSelectedSegment(spare), -1);
}
