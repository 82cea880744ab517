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

    const auto none = Selecting({false, false, false, false, false});
    EXPECT_EQ(CountSelectedSegments(none), 0);
    EXPECT_EQ(FirstSelectedSegment(none), -1);
    EXPECT_EQ(CommonSegmentType(none, doc), -1);

    const auto stations = Selecting({false, false, true, false, true});
    EXPECT_EQ(CountSelectedSegments(stations), 2);
    EXPECT_EQ(FirstSelectedSegment(stations), 2);
    EXPECT_EQ(CommonSegmentType(stations, doc), 1);

    const auto mixed = Selecting({true, true, true, false, false});
    EXPECT_EQ(CountSelectedSegments(mixed), 3);
    EXPECT_EQ(FirstSelectedSegment(mixed), 0);
    EXPECT_EQ(CommonSegmentType(mixed, doc), -1); // a later station does not restore it

    const auto plain = Selecting({false, false, false, true, false});
    EXPECT_EQ(CommonSegmentType(plain, doc), 0);

    // The spare flags beyond the traced count never count.
    auto spare = Selecting({false, false, false, false, false});
    spare.SegmentSelected[5] = spare.SegmentSelected[6] = true;
    EXPECT_EQ(CountSelectedSegments(spare), 0);
    EXPECT_EQ(FirstSelectedSegment(spare), -1);
}
