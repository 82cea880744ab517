#include "TestTracks.h"
#include "TraceBudget.h"
#include "TrackSpine.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

using namespace mKV_TraceTrack;
using namespace test_tracks;
using namespace mKavrano_TrackIO_1_3;

TEST(HostileTrack, BadCountsHugeCoordinatesAndLongCurvesAreRefusedBeforeTracing) {
    // Three segments with two nodes, two node records or one segment record.
    std::vector<TrackDocument> refused(3, TrackOf(StraightNodes(3, 4.0f)));
    refused[0].BezierCount = 2;
    refused[1].BezierNodes.resize(2);
    refused[2].Segments.resize(1);
    refused.push_back(TrackOf({Node({0, 0, 0}, {0, 0, 0}, {1e30f, 0, 0}),
                               Node({-1e30f, 1e30f, 0}, {0, -1e30f, 1e30f}, {0, 0, 0})}));
    refused.push_back(TrackOf({Node({0, 0, 0}, {0, 0, 0}, {0, 0, -1e5f}),
                               Node({0, 0, -3e5f}, {0, 0, -2e5f}, {0, 0, -3e5f})}));
    // A million tiny segments: the points alone exceed the bound.
    refused.push_back(TrackOf(std::vector<BezierNode>(1'000'000)));
    for (const auto& doc : refused) {
        // A state left over from an earlier track, to see that a refusal empties it.
        TraceState state;
        EXPECT_TRUE(TraceTrack(state, TrackOf(StraightNodes(3, 4.0f))));
        EXPECT_FALSE(TraceTrack(state, doc));
        BuildSpine(state, doc);
        EXPECT_EQ(std::make_tuple(state.TracedSegmentCount, state.TracedSegments.size(),
                                  state.SpinePointCount),
                  std::make_tuple(0, 0u, 0));
    }
}

TEST(HostileTrack, ALongTrackWithinTheBoundAndFewerSegmentsThanNodesAreTraced) {
    // 50,000 units there and back: samples 0.5 to 0.6 units apart (five or six fine steps
    // of about 0.1), far more than a real track and still within the bound.
    auto doc = TrackOf({Node({0, 0, 0}, {0, 0, 0}, {0, 0, -16'000}),
                        Node({0, 0, -50'000}, {0, 0, -33'000}, {0, 0, -50'000})});
    TraceState state;
    ASSERT_TRUE(TraceTrack(state, doc));
    const auto& seg = state.TracedSegments[0];
    EXPECT_GE(seg.SampleCount, 50'000 / 0.6);
    EXPECT_LE(seg.SampleCount, 50'000 / 0.5 + 1);
    EXPECT_NEAR(seg.Samples.back().Distance, 50'000, 1);

    // The roll of segment i still comes from node i + 1.
    doc = TrackOf(StraightNodes(3, 4.0f));
    doc.SegmentCount = 2;
    doc.BezierNodes[2].Roll = 0.5f;
    EXPECT_TRUE(TraceTrack(state, doc));
    EXPECT_NEAR(state.TracedSegments[1].Samples.back().Bank, 0.5, 1e-6);
}

TEST(HostileTrack, NotANumberGivesSegmentsOfOneSample) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    auto doc =
        TrackOf({Node({0, 0, 0}, {0, 0, 1}, {0, 0, -1}), Node({0, nan, -5}, {0, 0, -4}, {0, 0, -6}),
                 Node({0, 0, -10}, {0, 0, -9}, {inf, 0, -11})});
    TraceState state;
    ASSERT_TRUE(TraceTrack(state, doc));
    for (const TracedSegment& seg : state.TracedSegments)
        EXPECT_EQ(std::make_tuple(seg.SampleCount, seg.Samples.size()), std::make_tuple(1, 1u));
    BuildSpine(state, doc);
    EXPECT_EQ(state.SpinePointCount, 3);

    // A NaN start direction spreads through every frame but ends nothing early.
    doc = TrackOf(StraightNodes(3, 4.0f));
    doc.BezierNodes[0].ControlOut.x = nan;
    ASSERT_TRUE(TraceTrack(state, doc));
    EXPECT_GT(state.TracedSegments[1].SampleCount, 5);
}

TEST(HostileTrack, FineStepsEndWhenTheStepNoLongerAdvances) {
    for (auto [t, step, advances, to] :
         {std::tuple{1.0f, 1e-9f, false, 1.0f}, {0.25f, 0.5f, true, 0.75f}}) {
        const bool advanced = AdvanceFineParam(t, step);
        EXPECT_EQ(std::tie(advanced, t), std::tie(advances, to));
    }

    // The step bound covers every step a loop takes, rounding included.
    for (const float step : {0.3f, 0.01f, 1e-4f, 3.3e-7f, 1e-7f}) {
        double steps = 0;
        for (float s = step; s <= 1.0f;) {
            ++steps;
            if (!AdvanceFineParam(s, step))
                break;
        }
        EXPECT_LE(steps, FineStepBound(step)) << step;
        // Tight where real tracks step.
        EXPECT_TRUE(step < 1e-4f || steps > 0.999 * FineStepBound(step) - 2)
            << step << ": " << steps;
    }
    EXPECT_EQ(FineStepBound(1.5f), 0.0);
    for (const float length : {0.0f, std::numeric_limits<float>::infinity(), std::nanf("")})
        EXPECT_EQ(FineStep(length), 0.0f) << length;
}

} // namespace
