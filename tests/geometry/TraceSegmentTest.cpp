// Samples on the curve, frames that follow it and the spine's cross-sections are checked end
// to end over every style by kvtrack_trace_test.py; here the spacing, the lengths and the
// edge cases that a whole demo trace does not reach.
#include "TestTracks.h"
#include "TrackSpine.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

using namespace mKV_TraceTrack;
using namespace test_tracks;
using namespace mKavrano_TrackIO_1_3;

TEST(TraceSegment, StraightLevelSegmentAlongMinusZAlsoTracedAloneAndNoSegmentsKeepIt) {
    // Controls at -1 and -5, so that the curve's speed varies along its 7 units.
    const auto doc =
        TrackOf({Node({0, 0, 0}, {0, 0, 1}, {0, 0, -1}), Node({0, 0, -7}, {0, 0, -5}, {0, 0, -8}),
                 Node({0, 0, -10}, {0, 0, -9.5f}, {0, 0, -11})});
    TraceState state;
    ASSERT_TRUE(TraceTrack(state, doc));
    ASSERT_EQ(state.TracedSegmentCount, 3);
    const auto& seg = state.TracedSegments[0];
    EXPECT_NEAR(seg.Length, 7.0, 0.01);
    ASSERT_EQ(size_t(seg.SampleCount), seg.Samples.size());
    ASSERT_GT(seg.SampleCount, 10);
    EXPECT_GT(seg.Samples.back().Distance, seg.Length - 0.62); // none missing at the end
    const Matrix3D level{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}; // along -Z
    for (size_t j = 0; j < seg.Samples.size(); ++j) {
        const TrackSample& s = seg.Samples[j];
        SCOPED_TRACE(j);
        // A sample at each half unit of distance, give or take one fine step.
        const double gap = j == 0 ? 0.5 : s.Distance - seg.Samples[j - 1].Distance;
        EXPECT_TRUE(gap >= 0.5 && gap < 0.62) << gap;
        EXPECT_NEAR(s.World[11], -s.Distance, 1e-4);
        EXPECT_EQ(std::make_tuple(s.World[3], s.World[7], s.Bank, s.Orientation),
                  std::make_tuple(0.0f, 0.0f, 0.0f, level));
    }

    // The next segment starts on node 1, at (0, 0, -7), with the frame the first ended with.
    const TrackSample& start = state.TracedSegments[1].Samples[0];
    EXPECT_EQ(std::make_tuple(start.World[3], start.World[7], start.World[11], start.Orientation,
                              start.Param, start.Distance),
              std::make_tuple(0.0f, 0.0f, -7.0f, seg.Samples.back().Orientation, 0.0f, 0.0f));

    // Each segment traced alone, once the one before it is, matches the whole trace.
    TraceState single;
    single.TracedSegmentCount = 3;
    single.TracedSegments.resize(3);
    for (const int32_t refused : {1, 3, -1}) // segment 0 has no frame yet, then no segments
        EXPECT_FALSE(TraceSegment(single, doc, refused)) << refused;
    for (int32_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(TraceSegment(single, doc, i));
        ASSERT_EQ(single.TracedSegments[i].SampleCount, state.TracedSegments[i].SampleCount);
        EXPECT_EQ(single.TracedSegments[i].Samples.back().World,
                  state.TracedSegments[i].Samples.back().World);
    }

    // A document without segments traces nothing and leaves the previous samples.
    TrackDocument empty;
    EXPECT_FALSE(TraceTrack(state, empty));
    BuildSpine(state, empty);
    EXPECT_EQ(std::make_tuple(state.TracedSegmentCount, state.TracedSegments.size(),
                              state.SpinePointCount, state.SpinePoints.size(),
                              state.SegmentSelected.size()),
              std::make_tuple(0, 3u, 0, 0u, 0u));
}

TEST(TraceSegment, ShortAndZeroLengthSegmentsKeepOneSample) {
    // 0.4 units from node 0 to node 1, then 0.4 back; the third curve has all points equal.
    // The one sample of segment 0 takes the whole roll correction to node 1.
    auto doc = TrackOf({Node({0, 0, 0}, {0, 0, 0.1f}, {0, 0, -0.1f}),
                        Node({0, 0, -0.4f}, {0, 0, -0.3f}, {0, 0, -0.4f}, 0.6f),
                        Node({0, 0, -0.4f}, {0, 0, -0.4f}, {0, 0, -0.3f})});
    TraceState state;
    ASSERT_TRUE(TraceTrack(state, doc));
    const auto &shortSeg = state.TracedSegments[0], &point = state.TracedSegments[1];
    EXPECT_NEAR(shortSeg.Length, 0.4, 0.01);
    EXPECT_NEAR(shortSeg.Samples.at(0).Orientation[4], std::sin(0.6), 1e-6);
    EXPECT_EQ(std::make_tuple(shortSeg.SampleCount, shortSeg.Samples[0].World[11],
                              shortSeg.Samples[0].Param, shortSeg.Samples[0].Bank,
                              point.SampleCount, point.Length, point.Samples.at(0).World[11]),
              std::make_tuple(1, 0.0f, 0.0f, 0.6f, 1, 0.0f, -0.4f));
}

TEST(TraceSegment, FirstFrameFacesNodeZerosControlExactly) {
    // Starts up and to the left at 45 degrees, then curves round to the right and down.
    auto doc = TrackOf(
        {Node({0, 0, 0}, {0, 0, 5}, {-3, 3, 0}), Node({-2, 1, -12}, {-6, 4, -8}, {0, 0, -13})});
    TraceState state;
    ASSERT_TRUE(TraceTrack(state, doc));
    const TrackSample& first = state.TracedSegments[0].Samples[0];
    // -Z along (-1, 1, 0) / sqrt 2, the right axis level.
    const double h = std::sqrt(0.5);
    for (const auto& [i, want] : {std::pair{2, h}, {6, -h}, {10, 0.0}, {4, 0.0}})
        EXPECT_NEAR(first.Orientation[i], want, 1e-6) << i;
    EXPECT_EQ(first.Bank, 0.0f);
}

} // namespace
