#include "TrackSpine.h"
#include "SelectionEdits.h"
#include "TestTracks.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <tuple>
#include <vector>

namespace {

using namespace mKV_TraceTrack;
using namespace test_tracks;
using namespace mKavrano_TrackIO_1_3;

// One traced segment with one sample whose frame is turned a quarter turn about Y (right
// axis (0, 0, -1), up (0, 1, 0)) and placed at (5, 2, 7); an offset (x, y) then lands on
// (5, 2 + y, 7 - x).
TraceState QuarterTurnSample() {
    TraceState state;
    state.TracedSegmentCount = 1;
    state.TracedSegments = {{1, 0.0f, {TrackSample{}}}};
    state.TracedSegments[0].Samples[0].World.m = {0, 0, 1, 5, 0, 1, 0, 2, -1, 0, 0, 7, 0, 0, 0, 1};
    return state;
}

using Offsets = std::array<std::optional<std::array<float, 2>>, 7>;

Vector3D Expected(const std::optional<std::array<float, 2>>& offset) {
    return offset ? Vector3D{5.0f, 2.0f + (*offset)[1], 7.0f - (*offset)[0]} : Vector3D{};
}

TEST(BuildSpine, EveryStyleLaysOutItsCrossSectionInWorldSpace) {
    using O = std::array<float, 2>;
    const Offsets plain = {O{0, -0.3f}, O{0.5f, 0}, O{-0.5f, 0}};
    const Offsets style1 = {O{0, -0.6f}, O{0.6f, 0}, O{-0.6f, 0}, O{0.6f, -0.6f}, O{-0.6f, -0.6f}};
    const Offsets style2 = {O{0, 0.6f}, O{0.6f, 0}, O{-0.6f, 0}, O{0.6f, 0.6f}, O{-0.6f, 0.6f}};
    const Offsets style3 = {O{0, -0.3f}, O{0.6f, 0}, O{-0.6f, 0}, O{0.2f, -0.3f}, O{-0.2f, -0.3f}};
    const Offsets style4 = {O{0, 0.3f}, O{0.6f, 0}, O{-0.6f, 0}, O{0.2f, 0.6f}, O{-0.2f, 0.6f}};
    const Offsets style5 = {O{0, -1.0f}, O{0.5f, 0}, O{-0.5f, 0}};
    const Offsets style9 = {O{0, -0.2f},     O{0.3f, 0}, O{-0.3f, 0}, O{0.3f, -0.2f},
                            O{-0.3f, -0.2f}, O{0.5f, 0}, O{-0.5f, 0}};
    const std::vector<std::pair<int32_t, const Offsets*>> styles = {
        {0, &plain},   {1, &style1},  {2, &style2},  {3, &style3}, {4, &style4},
        {5, &style5},  {6, &style3},  {7, &style3},  {8, &style3}, {9, &style9},
        {10, &style9}, {11, &style9}, {12, &style9}, {13, &plain}, {-1, &plain}};

    for (const auto& [style, offsets] : styles) {
        SCOPED_TRACE(style);
        TraceState state = QuarterTurnSample();
        auto doc = TrackOf(std::vector<BezierNode>(1));
        doc.Segments[0].SegmentType = 3;
        doc.TrackStyle = style;
        BuildSpine(state, doc);
        ASSERT_EQ(state.SpinePointCount, 1);
        const SpinePoint& p = state.SpinePoints[0];
        const std::array<Vector3D, 7> got = {p.Center,    p.RailRight,  p.RailLeft, p.BraceRight,
                                             p.BraceLeft, p.OuterRight, p.OuterLeft};
        for (size_t i = 0; i < 7; ++i)
            EXPECT_EQ(got[i], Expected((*offsets)[i])) << "point " << i;
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
