#include "RidePreview.h"
#include "RideTracks.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace mKavrano_TrackIO_1_3;
using mKV_RidePreview::Gravity;
using mKV_RidePreview::RideEnd;
using mKV_RidePreview::RideLosses;
using mKV_RidePreview::RidePreview;
using namespace test_tracks;

RidePreview Ride(const TrackDocument& doc, RideLosses losses = {}) {
    mKV_TraceTrack::TraceState trace;
    EXPECT_TRUE(mKV_TraceTrack::TraceTrack(trace, doc));
    return mKV_RidePreview::PreviewRide(trace, doc, losses);
}

struct EndCase {
    const char* name;
    TrackDocument doc;
    RideLosses losses;
    RideEnd reason;
    int32_t segment;
    double lowest, highest; // the speed the lap ends with
};

TEST(RidePreview, EndsWhereTheSettingsTakeTheTrain) {
    const double drop = std::sqrt(3.0 * 3.0 + 2.0 * Gravity * 20.0);
    const EndCase cases[] = {
        {"drop without losses",
         Polyline({{0, 20, 0}, {0, 20, -10}, {0, 0, -30}, {0, 0, -40}},
                  {SegLift, SegPlain, SegStation, SegPlain}, {Lift(3)}),
         {0, 0},
         RideEnd::Station,
         2,
         drop - 1e-6,
         drop + 1e-6},
        {"lift raises a slow train",
         Polyline({{0, 0, 0}, {0, 0, -10}, {0, 0, -30}, {0, 0, -40}},
                  {SegTransport, SegLift, SegStation, SegPlain}, {Transport(2), Lift(5, 1)}),
         {},
         RideEnd::Station,
         2,
         5,
         5},
        {"lift slows a fast train",
         Polyline({{0, 0, 0}, {0, 0, -10}, {0, 0, -30}, {0, 0, -40}},
                  {SegTransport, SegLift, SegStation, SegPlain}, {Transport(8), Lift(5, 0, 2)}),
         {},
         RideEnd::Station,
         2,
         5,
         5},
        {"brake down to its limit, less the losses",
         Polyline({{0, 0, 0}, {0, 0, -10}, {0, 0, -60}, {0, 0, -70}},
                  {SegLift, SegBrake, SegStation, SegPlain}, {Lift(20), Brake(8, 5)}),
         {},
         RideEnd::Station,
         2,
         7.5,
         8},
        {"complete stop",
         Polyline({{0, 0, 0}, {0, 0, -10}, {0, 0, -30}, {0, 0, -40}},
                  {SegLift, SegBrake, SegStation, SegPlain}, {Lift(10), Brake(3, 5, true)}),
         {},
         RideEnd::Stop,
         1,
         0,
         0},
        {"rise too high",
         Polyline({{0, 0, 0}, {0, 0, -10}, {0, 5, -20}, {0, 5, -30}},
                  {SegLift, SegPlain, SegPlain, SegStation}, {Lift(5)}),
         {},
         RideEnd::Stall,
         1,
         0,
         0},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RidePreview ride = Ride(c.doc, c.losses);
        ASSERT_TRUE(ride.Started);
        EXPECT_EQ(ride.StartSegment, 0);
        EXPECT_EQ(ride.Samples.front().Speed, ride.StartSpeed);
        EXPECT_EQ(ride.EndReason, c.reason);
        EXPECT_EQ(ride.EndSegment, c.segment);
        EXPECT_EQ(ride.Samples.back().Segment, c.segment);
        EXPECT_GE(ride.EndSpeed, c.lowest);
        EXPECT_LE(ride.EndSpeed, c.highest);
    }
}

TEST(RidePreview, LevelTrackAtConstantSpeedFeelsOnlyGravity) {
    const RidePreview ride = Ride(Polyline({{0, 0, 0}, {0, 0, -20}, {0, 0, -40}, {0, 0, -50}},
                                           {SegTransport, SegTransport, SegStation, SegPlain},
                                           {Transport(5), Transport(5)}));
    ASSERT_GT(ride.Samples.size(), 40u);
    for (const auto& s : ride.Samples) {
        EXPECT_NEAR(s.VerticalG, 1.0, 1e-9);
        EXPECT_NEAR(s.LateralG, 0.0, 1e-9);
        EXPECT_NEAR(s.LongitudinalG, 0.0, 1e-9);
    }
    EXPECT_NEAR(ride.Samples.back().Distance, 40.0, 1e-4);
}

TEST(RidePreview, BottomOfAVerticalCircleAddsTheCentripetalLoad) {
    const double r = 10, v = 10;
    const RidePreview ride = Ride(VerticalCircle(float(r), float(v)));
    ASSERT_TRUE(ride.Started);
    EXPECT_EQ(ride.EndReason, RideEnd::Lap);
    EXPECT_NEAR(ride.Samples.back().Distance, 2 * std::numbers::pi * r, 0.01 * r);
    const auto bottom = std::min_element(ride.Samples.begin(), ride.Samples.end(),
                                         [](auto& a, auto& b) { return a.Height < b.Height; });
    EXPECT_NEAR(bottom->VerticalG, 1 + v * v / (Gravity * r), 0.01);
    EXPECT_NEAR(bottom->LateralG, 0.0, 1e-6);
    EXPECT_NEAR(bottom->Speed, v, 1e-9);
}

TEST(RidePreview, NeedsALiftOrATransportToStart) {
    const RidePreview ride =
        Ride(Polyline({{0, 0, 0}, {0, 0, -10}, {0, 0, -20}}, {SegPlain, SegBrake, SegStation}));
    EXPECT_FALSE(ride.Started);
    EXPECT_TRUE(ride.Samples.empty());
    EXPECT_EQ(mKV_RidePreview::DescribeRideEnd(ride), "needs a lift or a transport to start");
}

} // namespace
