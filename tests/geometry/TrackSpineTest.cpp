#include "TrackSpine.h"
#include "SelectionEdits.h"
#include "TestTracks.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using namespace mKV_TraceTrack;
using namespace test_tracks;
using namespace mKavrano_TrackIO_1_3;

// One traced segment with one sample whose frame is turned a quarter turn about Y (right
// axis (0, 0, -1), up (0, 1, 0)) and placed at (5, 2, 7); an offset (x, y) then lands on
// (5, 2 + y, 7 - x), and a point a style lacks stays at the origin.
TraceState QuarterTurnSample() {
    TraceState state;
    state.TracedSegmentCount = 1;
    state.TracedSegments = {{1, 0.0f, {TrackSample{}}}};
    state.TracedSegments[0].Samples[0].World.m = {0, 0, 1, 5, 0, 1, 0, 2, -1, 0, 0, 7, 0, 0, 0, 1};
    return state;
}

// Style 9 has every point of a cross-section: the others are checked end to end by
// kvtrack_trace_test.py.
TEST(BuildSpine, TheCrossSectionLiesInWorldSpaceAndEveryTypeIsCopied) {
    TraceState state = QuarterTurnSample();
    auto doc = TrackOf(std::vector<BezierNode>(1));
    doc.Segments[0].SegmentType = 77; // no settings group; still copied
    doc.TrackStyle = 9;
    BuildSpine(state, doc);
    ASSERT_EQ(state.SpinePointCount, 1);
    const SpinePoint& p = state.SpinePoints[0];
    const auto at = [](float x, float y) { return Vector3D{5.0f, 2.0f + y, 7.0f - x}; };
    EXPECT_EQ(std::tie(p.Center, p.RailRight, p.RailLeft, p.BraceRight, p.BraceLeft, p.OuterRight,
                       p.OuterLeft, p.SegType, p.SegIndex),
              std::make_tuple(at(0, -0.2f), at(0.3f, 0), at(-0.3f, 0), at(0.3f, -0.2f),
                              at(-0.3f, -0.2f), at(0.5f, 0), at(-0.5f, 0), 77, 0));
}

TEST(SegmentSelection, SelectUnselectAndEveryRebuildClears) {
    auto doc = TrackOf(StraightNodes(3, 4.0f));
    TraceState state;
    SelectAllSegments(state); // nothing traced: nothing to select
    EXPECT_TRUE(state.SegmentSelected.empty());

    ASSERT_TRUE(TraceTrack(state, doc));
    BuildSpine(state, doc);
    EXPECT_EQ(state.SegmentSelected, std::vector<bool>(3, false));
    SelectAllSegments(state);
    EXPECT_EQ(state.SegmentSelected, std::vector<bool>(3, true));
    UnselectAllSegments(state);
    EXPECT_EQ(state.SegmentSelected, std::vector<bool>(3, false));

    state.SegmentSelected[1] = true;
    BuildSpine(state, doc);
    EXPECT_EQ(state.SegmentSelected, std::vector<bool>(3, false));
    SelectAllSegments(state);
    ResetSpine(state);
    EXPECT_EQ(
        std::make_tuple(state.SegmentSelected, state.SpinePointCount, state.SpinePoints.size()),
        std::make_tuple(std::vector<bool>(3, false), 0, 0u));

    // Shift+click from segment 3 to 0: on round the joint on a closed track, back
    // along the whole track on an open one.
    for (const auto& [closed, selected] :
         {std::pair{true, std::vector<bool>{true, false, false, true, true}},
          std::pair{false, std::vector<bool>{true, true, true, true, false}}}) {
        const auto five = TrackOf(StraightNodes(5, 4.0f), closed);
        TraceState ranged;
        ASSERT_TRUE(TraceTrack(ranged, five));
        BuildSpine(ranged, five);
        ClickSegment(ranged, five, 3, ClickAction::Toggle);
        ClickSegment(ranged, five, 0, ClickAction::AddRange);
        EXPECT_EQ(ranged.SegmentSelected, selected) << closed;
    }

    AddSpinePoint(state, {}, {}, {}, {}, {}, {}, {}, 2, 40000);
    EXPECT_EQ(state.SpinePoints.at(0).SegIndex, 40000); // beyond 16 bits
}

} // namespace
