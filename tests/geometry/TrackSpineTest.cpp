#include "TrackSpine.h"
#include "SelectionEdits.h"
#include "TestTracks.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <array>
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

// Rows: style, then the cross-section's offsets: the centre's height, the rails' and the outer
// points' half widths (0: no outer points) and the braces' half width and height (0: none).
TEST(BuildSpine, EveryStyleLaysOutItsCrossSectionInWorldSpace) {
    using Row = std::array<float, 6>;
    const Row styles[] = {{0, -0.3, 0.5, 0, 0, 0},         {1, -0.6, 0.6, 0, 0.6, -0.6},
                          {2, 0.6, 0.6, 0, 0.6, 0.6},      {3, -0.3, 0.6, 0, 0.2, -0.3},
                          {4, 0.3, 0.6, 0, 0.2, 0.6},      {5, -1.0, 0.5, 0, 0, 0},
                          {6, -0.3, 0.6, 0, 0.2, -0.3},    {7, -0.3, 0.6, 0, 0.2, -0.3},
                          {8, -0.3, 0.6, 0, 0.2, -0.3},    {9, -0.2, 0.3, 0.5, 0.3, -0.2},
                          {10, -0.2, 0.3, 0.5, 0.3, -0.2}, {11, -0.2, 0.3, 0.5, 0.3, -0.2},
                          {12, -0.2, 0.3, 0.5, 0.3, -0.2}, {13, -0.3, 0.5, 0, 0, 0},
                          {-1, -0.3, 0.5, 0, 0, 0}};
    for (const auto& [style, centre, rail, outer, brace, braceY] : styles) {
        SCOPED_TRACE(style);
        TraceState state = QuarterTurnSample();
        auto doc = TrackOf(std::vector<BezierNode>(1));
        doc.Segments[0].SegmentType = 3;
        doc.TrackStyle = int32_t(style);
        BuildSpine(state, doc);
        ASSERT_EQ(state.SpinePointCount, 1);
        const SpinePoint& p = state.SpinePoints[0];
        const auto at = [](float x, float y, bool present = true) {
            return present ? Vector3D{5.0f, 2.0f + y, 7.0f - x} : Vector3D{};
        };
        EXPECT_EQ(std::tie(p.Center, p.RailRight, p.RailLeft, p.BraceRight, p.BraceLeft,
                           p.OuterRight, p.OuterLeft),
                  std::make_tuple(at(0, centre), at(rail, 0), at(-rail, 0),
                                  at(brace, braceY, brace), at(-brace, braceY, brace),
                                  at(outer, 0, outer), at(-outer, 0, outer)));
        EXPECT_EQ(std::tie(p.SegType, p.SegIndex), std::make_tuple(3, 0));
    }
}

TEST(BuildSpine, OnePointPerSampleInTrackOrderAndAClosingPoint) {
    for (const bool closed : {false, true}) {
        SCOPED_TRACE(closed);
        auto doc = TrackOf(StraightNodes(3, 4.0f), closed);
        doc.Segments[2].SegmentType = 77; // no settings group; still copied, as types 0 and 1 are
        doc.TrackStyle = 9;               // every cross-section point distinct
        TraceState state;
        ASSERT_TRUE(TraceTrack(state, doc));
        BuildSpine(state, doc);

        size_t k = 0;
        for (int32_t i = 0; i < state.TracedSegmentCount; ++i)
            for (const auto& sample : state.TracedSegments[i].Samples) {
                const SpinePoint& p = state.SpinePoints.at(k++);
                EXPECT_EQ(std::tie(p.SegIndex, p.SegType),
                          std::tie(i, doc.Segments[i].SegmentType));
                // Style 9's left outer point sits half a unit to the sample's left.
                EXPECT_NEAR(p.OuterLeft.x, sample.World[3] - 0.5f * sample.World[0], 1e-6);
                EXPECT_NEAR(p.OuterLeft.z, sample.World[11] - 0.5f * sample.World[8], 1e-6);
            }
        ASSERT_EQ(state.SpinePoints.size(), k + (closed ? 1 : 0));
        EXPECT_EQ(size_t(state.SpinePointCount), state.SpinePoints.size());
        // The closing point repeats the first.
        const auto parts = [](const SpinePoint& p) {
            return std::tie(p.SegIndex, p.SegType, p.Center, p.RailRight, p.RailLeft, p.BraceRight,
                            p.BraceLeft, p.OuterRight, p.OuterLeft);
        };
        EXPECT_TRUE(!closed || parts(state.SpinePoints.back()) == parts(state.SpinePoints.front()));
    }
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

    AddSpinePoint(state, {}, {}, {}, {}, {}, {}, {}, 2, 40000);
    EXPECT_EQ(state.SpinePoints.at(0).SegIndex, 40000); // beyond 16 bits
}

} // namespace
