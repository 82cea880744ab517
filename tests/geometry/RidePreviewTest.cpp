#include "RidePreview.h"
#include "TestTracks.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

using namespace mKV_TraceTrack;
using namespace mKavrano_TrackIO_1_3;
using namespace mKV_RidePreview;
using namespace test_tracks;

RidePreview Ride(const TrackDocument& doc, RideLosses losses = {}) {
    TraceState trace;
    EXPECT_TRUE(TraceTrack(trace, doc));
    return PreviewRide(trace, doc, losses);
}

TEST(RidePreview, StartsOnAMotorAndEndsWhereTheSettingsTakeTheTrain) {
    const double drop = std::sqrt(3.0 * 3.0 + 2.0 * kGravity * 20.0);
    const std::vector<Vector3D> level{{0, 0, 0}, {0, 0, -10}, {0, 0, -30}, {0, 0, -40}};
    const std::vector<int32_t> motors{SegTransport, SegLift, SegStation, SegPlain};
    const std::vector<int32_t> brake{SegLift, SegBrake, SegStation, SegPlain};
    const TrackDocument dropTrack = Polyline({{0, 20, 0}, {0, 20, -10}, {0, 0, -30}, {0, 0, -40}},
                                             {SegLift, SegPlain, SegStation, SegPlain}, {Lift(3)});
    const TrackDocument raise = Polyline(level, motors, {Transport(2), Lift(5, 1)});
    const TrackDocument slow = Polyline(level, motors, {Transport(8), Lift(5, 0, 2)});
    const TrackDocument limit = Polyline({{0, 0, 0}, {0, 0, -10}, {0, 0, -60}, {0, 0, -70}}, brake,
                                         {Lift(20), Brake(8, 5)});
    const TrackDocument stop = Polyline(level, brake, {Lift(10), Brake(3, 5, true)});
    const TrackDocument rise = Polyline({{0, 0, 0}, {0, 0, -10}, {0, 5, -20}, {0, 5, -30}},
                                        {SegLift, SegPlain, SegPlain, SegStation}, {Lift(5)});
    const TrackDocument hostile =
        Polyline(level, {SegLift, SegStation, SegPlain, SegPlain}, {Lift(std::nanf(""), INFINITY)});
    // Rows: what happens, the end, its segment, the lowest and highest end speed, losses, track.
    using EndCase =
        std::tuple<const char*, RideEnd, int32_t, double, double, RideLosses, const TrackDocument&>;
    const EndCase cases[] = {
        {"drop without losses", RideEnd::Station, 2, drop - 1e-6, drop + 1e-6, {0, 0}, dropTrack},
        {"lift raises a slow train", RideEnd::Station, 2, 5, 5, {}, raise},
        {"lift slows a fast train", RideEnd::Station, 2, 5, 5, {}, slow},
        {"brake down to its limit, less the losses", RideEnd::Station, 2, 7.5, 8, {}, limit},
        {"complete stop", RideEnd::Stop, 1, 0, 0, {}, stop},
        {"rise too high", RideEnd::Stall, 1, 0, 0, {}, rise},
        {"NaN and infinite settings count as 0", RideEnd::Stall, 0, 0, 0, {}, hostile},
    };
    for (const auto& [name, reason, segment, lowest, highest, losses, doc] : cases) {
        SCOPED_TRACE(name);
        const RidePreview ride = Ride(doc, losses);
        ASSERT_TRUE(ride.Started);
        EXPECT_EQ(std::make_tuple(ride.StartSegment, ride.Samples.front().Speed, ride.EndReason,
                                  ride.EndSegment, ride.Samples.back().Segment),
                  std::make_tuple(0, ride.StartSpeed, reason, segment, segment));
        EXPECT_TRUE(ride.EndSpeed >= lowest && ride.EndSpeed <= highest) << ride.EndSpeed;
    }

    // Without a lift or a transport the train never starts.
    const RidePreview ride =
        Ride(Polyline({{0, 0, 0}, {0, 0, -10}, {0, 0, -20}}, {SegPlain, SegBrake, SegStation}));
    EXPECT_EQ(std::make_tuple(ride.Started, ride.Samples.size(), DescribeRideEnd(ride)),
              std::make_tuple(false, 0u, "needs a lift or a transport to start"));
}

// A level track at constant speed feels only gravity.
TEST(RidePreview, GForcesOfALevelTrackAndAVerticalCircle) {
    const RidePreview ride = Ride(Polyline({{0, 0, 0}, {0, 0, -20}, {0, 0, -40}, {0, 0, -50}},
                                           {SegTransport, SegTransport, SegStation, SegPlain},
                                           {Transport(5), Transport(5)}));
    ASSERT_GT(ride.Samples.size(), 40u);
    for (const auto& s : ride.Samples)
        EXPECT_EQ(std::tie(s.VerticalG, s.LateralG, s.LongitudinalG),
                  std::make_tuple(1.0, 0.0, 0.0));
    EXPECT_NEAR(ride.Samples.back().Distance, 40.0, 1e-4);

    // The bottom of a vertical circle adds the centripetal load.
    const double r = 10, v = 10;
    const RidePreview loop = Ride(VerticalCircle(float(r), float(v)));
    EXPECT_EQ(std::tie(loop.Started, loop.EndReason), std::make_tuple(true, RideEnd::Lap));
    EXPECT_NEAR(loop.Samples.back().Distance, 2 * std::numbers::pi * r, 0.01 * r);
    const auto bottom = std::min_element(loop.Samples.begin(), loop.Samples.end(),
                                         [](auto& a, auto& b) { return a.Height < b.Height; });
    EXPECT_NEAR(bottom->VerticalG, 1 + v * v / (kGravity * r), 0.01);
    EXPECT_NEAR(bottom->LateralG, 0.0, 1e-6);
    EXPECT_NEAR(bottom->Speed, v, 1e-9);
}

} // namespace
