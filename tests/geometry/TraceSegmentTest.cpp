#include "TestTracks.h"
#include "TrackSpine.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

using namespace mKV_TraceTrack;
using namespace test_tracks;
using namespace mKavrano_TrackIO_1_3;

// The parameters BezierLength visits: 0.005 added up in float while at most 1.
float LastLengthParam() {
    float last = 0;
    for (float t = 0.005f; t <= 1.0f; t += 0.005f)
        last = t;
    return last;
}

// A straight curve along -Z from 0 to -7 with controls at -1 and -5, so that its speed
// varies; z(t) worked out in double.
double StraightZ(double t) {
    const double u = 1 - t;
    return -(3 * t * u * u * 1 + 3 * t * t * u * 5 + t * t * t * 7);
}

TrackDocument StraightTrack() {
    return TrackOf({Node({0, 0, 0}, {0, 0, 1}, {0, 0, -1}),
                    Node({0, 0, -7}, {0, 0, -5}, {0, 0, -8}),
                    Node({0, 0, -10}, {0, 0, -9.5f}, {0, 0, -11})});
}

// The samples of the straight curve at 0.5 units of summed fine steps, in double: each as its
// parameter, its z and its distance along the curve (-z, as the curve runs along -Z only).
std::vector<std::array<double, 3>> ExpectedStraightSamples(float step) {
    std::vector<std::array<double, 3>> samples{{0, 0, 0}};
    double prev = 0, acc = 0;
    for (float t = step; t <= 1.0f; t += step) {
        const double z = StraightZ(t);
        acc += std::fabs(z - prev);
        EXPECT_GT(std::fabs(acc - 0.5), 1e-4) << "reference too close to call at t = " << t;
        if (acc >= 0.5) {
            samples.push_back({t, z, -z});
            acc = 0;
        }
        prev = z;
    }
    return samples;
}

// The derivative of one coordinate of a cubic Bezier curve, in double.
double Tangent(double t, double a0, double a1, double a2, double a3) {
    const double u = 1 - t;
    return 3 * (u * u * (a1 - a0) + 2 * t * u * (a2 - a1) + t * t * (a3 - a2));
}

TEST(TraceSegment, StraightLevelSegmentAlongMinusZAlsoTracedAloneAndNoSegmentsKeepIt) {
    const auto doc = StraightTrack();
    TraceState state;
    ASSERT_TRUE(TraceTrack(state, doc));
    ASSERT_EQ(state.TracedSegmentCount, 3);
    const auto& seg = state.TracedSegments[0];

    const double expectedLength = -StraightZ(LastLengthParam());
    EXPECT_NEAR(seg.Length, expectedLength, 1e-5);
    const float step = float(1.0 / (10.0 * float(expectedLength)));
    const auto expected = ExpectedStraightSamples(step);
    ASSERT_EQ(std::make_tuple(size_t(seg.SampleCount), seg.Samples.size()),
              std::make_tuple(expected.size(), expected.size()));
    ASSERT_GT(expected.size(), 10u);
    const Matrix3D level{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}; // along -Z

    for (size_t j = 0; j < expected.size(); ++j) {
        const TrackSample& s = seg.Samples[j];
        SCOPED_TRACE(j);
        const auto [param, z, distance] = expected[j];
        EXPECT_NEAR(s.Param, param, 1e-6);
        EXPECT_NEAR(s.World[11], z, 1e-5);
        EXPECT_NEAR(s.Distance, distance, 1e-4);
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

TEST(TraceSegment, FirstFrameFacesNodeZerosControlFramesFollowTheCurveAndItsLengthIsTheArc) {
    // Starts up and to the left at 45 degrees, then curves round to the right and down.
    const Vector3D p0{0, 0, 0}, c1{-3, 3, 0}, c2{-6, 4, -8}, p3{-2, 1, -12};
    auto doc = TrackOf({Node(p0, {0, 0, 5}, c1), Node(p3, c2, {0, 0, -13})});
    TraceState state;
    ASSERT_TRUE(TraceTrack(state, doc));
    const auto& seg = state.TracedSegments[0];
    const auto tangent = [&](double t) {
        return std::array{Tangent(t, p0.x, c1.x, c2.x, p3.x), Tangent(t, p0.y, c1.y, c2.y, p3.y),
                          Tangent(t, p0.z, c1.z, c2.z, p3.z)};
    };

    // The first frame's -Z axis lies exactly along (-1, 1, 0) / sqrt 2, its right axis level.
    EXPECT_NEAR(seg.Samples[0].Orientation[4], 0, 1e-6);
    EXPECT_EQ(seg.Samples[0].Bank, 0.0f);
    ASSERT_GT(seg.SampleCount, 20);
    for (const TrackSample& s : seg.Samples) {
        const auto t = tangent(s.Param);
        const double norm = std::hypot(t[0], t[1], t[2]), tolerance = s.Param == 0 ? 1e-6 : 0.03;
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(-s.Orientation[2 + 4 * i], t[i] / norm, tolerance) << s.Param << " " << i;
    }

    // The length: the arc up to the last parameter summed, by Simpson's rule over |B'(t)|.
    const auto speed = [&](double t) {
        const auto [x, y, z] = tangent(t);
        return std::hypot(x, y, z);
    };
    const float last = LastLengthParam();
    const int n = 2000;
    double arc = speed(0) + speed(last);
    for (int i = 1; i < n; ++i)
        arc += (i % 2 ? 4 : 2) * speed(last * i / n);
    arc *= last / n / 3;
    EXPECT_NEAR(seg.Length, arc, arc * 1e-4);
}

} // namespace
