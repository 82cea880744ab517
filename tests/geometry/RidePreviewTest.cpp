#include "RidePreview.h"
#include "DemoTrack.h"
#include "RideFilter.h"
#include "TestTracks.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
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

// Closed, so that the train leaves each station for the motor at segment 0.
TrackDocument Loop(const std::vector<Vector3D>& points, const std::vector<int32_t>& types,
                   const std::vector<SegmentSetup>& setups) {
    return Polyline(points, types, setups, true);
}

TEST(RidePreview, StartsOnAMotorAndEndsWhereTheSettingsTakeTheTrain) {
    const double drop = std::sqrt(3.0 * 3.0 + 2.0 * kGFactor * 20.0);
    const std::vector<Vector3D> level{{0, 0, 0}, {0, 0, -10}, {0, 0, -30}, {0, 0, -40}};
    const std::vector<int32_t> motors{SegTransport, SegLift, SegStation, SegPlain};
    const std::vector<int32_t> brake{SegLift, SegBrake, SegStation, SegPlain};
    const TrackDocument dropTrack = Loop({{0, 20, 0}, {0, 20, -10}, {0, 0, -30}, {0, 0, -40}},
                                         {SegLift, SegPlain, SegStation, SegPlain}, {Lift(3)});
    const TrackDocument raise = Loop(level, motors, {Transport(2), Lift(5, 1)});
    const TrackDocument slow = Loop(level, motors, {Transport(8), Lift(5, 0, 2)});
    const std::vector<Vector3D> longer{{0, 0, 0}, {0, 0, -10}, {0, 0, -60}, {0, 0, -70}};
    const TrackDocument limit = Loop(longer, brake, {Lift(20), Brake(8, 5)});
    const TrackDocument stop = Loop(level, brake, {Lift(10), Brake(3, 5, true)});
    const TrackDocument rise = Loop({{0, 0, 0}, {0, 0, -10}, {0, 5, -20}, {0, 5, -30}},
                                    {SegLift, SegPlain, SegPlain, SegStation}, {Lift(5)});
    const TrackDocument hostile =
        Loop(level, {SegLift, SegStation, SegPlain, SegPlain}, {Lift(std::nanf(""), INFINITY)});
    // Wheels push a train slower than their speed through the brake.
    const auto wheels = [](TrackSegment& s) {
        Brake(8, 5)(s);
        std::tie(s.BrakeWheels, s.BrakeWheelsSpeed, s.BrakeWheelsAccel) = std::tuple(true, 4, 50);
    };
    const TrackDocument pushed = Loop(level, brake, {Lift(2), wheels});
    // Coasting 50 m on the level from 20 m/s: dv²/ds = −2·(rolling·g + drag·v²) solved exactly.
    const TrackDocument coast = Loop(longer, {SegLift, SegPlain, SegStation, SegPlain}, {Lift(20)});
    const double rolling = kRollingResistance * kGFactor / kAirDrag;
    const double coasted = std::sqrt((400 + rolling) * std::exp(-2 * kAirDrag * 50) - rolling);
    const TrackDocument open = Polyline(level, {SegLift, SegPlain, SegPlain, SegPlain}, {Lift(10)});
    // Rows: what happens, the end, its segment and text, the end speed and its tolerance,
    // losses, track.
    using enum RideEnd;
    using EndCase = std::tuple<const char*, RideEnd, int32_t, const char*, double, double,
                               RideLosses, const TrackDocument&>;
    const char* const station = "Enters the station in segment 2 at ";
    const char* const reaches = "Reaches the end of the track in segment 3 at 80 m";
    const EndCase cases[] = {
        {"drop without losses", Station, 2, station, drop, 1e-6, {0, 0}, dropTrack},
        {"lift raises a slow train", Station, 2, station, 5, 0, {}, raise},
        {"lift slows a fast train", Station, 2, station, 5, 0, {}, slow},
        {"brake to its limit less losses", Station, 2, station, 7.75, 0.25, {}, limit},
        {"brake wheels", Station, 2, station, 3.995, 0.005, {}, pushed},
        {"rolling and air drag", Station, 2, station, coasted, 0.005, {}, coast},
        {"complete stop", Stop, 1, "Stops in segment 1 at ", 0, 0, {}, stop},
        {"rise too high", Stall, 1, "Stalls in segment 1 at ", 0, 0, {}, rise},
        {"NaN, infinity count as 0", Stall, 0, "Stalls in segment 0 at ", 0, 0, {}, hostile},
        {"open track", End, 3, reaches, 9.5, 0.5, {}, open},
    };
    for (const auto& [name, reason, segment, text, speed, tolerance, losses, doc] : cases) {
        SCOPED_TRACE(name);
        const RidePreview ride = Ride(doc, losses);
        ASSERT_TRUE(ride.Started);
        EXPECT_EQ(std::make_tuple(ride.StartSegment, ride.Samples.front().Speed, ride.EndReason,
                                  ride.EndSegment, ride.Samples.back().Segment),
                  std::make_tuple(0, ride.StartSpeed, reason, segment, segment));
        EXPECT_NEAR(ride.EndSpeed, speed, tolerance);
        EXPECT_TRUE(DescribeRideEnd(ride).starts_with(text)) << DescribeRideEnd(ride);
    }
}

TEST(RidePreview, TheLapStartsWhereTheTrainLeavesTheStation) {
    const std::vector<Vector3D> five{{0, 0, 0}, {0, 0, -10}, {0, 0, -20}, {0, 0, -30}, {0, 0, -40}};
    const int32_t P = SegPlain, S = SegStation, L = SegLift, T = SegTransport, B = SegBrake;
    // Rows: the track, closed, the start segment and speed, or -1 and the reason.
    using StartCase = std::tuple<const char*, std::vector<int32_t>, std::vector<SegmentSetup>, bool,
                                 int32_t, double, std::string>;
    const SegmentSetup w3 = StationWheels(3), l4 = Lift(4), t6 = Transport(6);
    const StartCase cases[] = {
        {"first motor after block", {T, S, S, P, L}, {t6, {}, {}, {}, l4}, false, 4, 4, ""},
        {"on round the closing joint", {P, L, T, S, S}, {{}, l4, t6}, true, 1, 4, ""},
        {"station first, wheels on", {S, P, S, L, P}, {w3, {}, {}, l4}, true, 1, 3, ""},
        {"station first, wheels off", {S, P, S, L, P}, {{}, {}, {}, l4}, true, 1, 0, ""},
        {"open end first", {L, S, P, P, P}, {l4, w3}, false, 2, 3, ""},
        {"block ends open track", {L, P, P, S, S}, {l4}, false, -1, 0, kStationEndsTrack},
        {"no station: lowest motor", {P, B, T, L, P}, {{}, {}, t6, l4}, false, 2, 6, ""},
        {"neither", {P, B, P, P, P}, {}, true, -1, 0, kNothingToStart},
    };
    for (const auto& [name, types, setups, closed, segment, speed, reason] : cases) {
        SCOPED_TRACE(name);
        const RidePreview ride = Ride(Polyline(five, types, setups, closed));
        const std::string why = ride.Started ? "" : DescribeRideEnd(ride);
        // A lap begins at its start segment's first sample.
        const int32_t first = ride.Samples.empty() ? -1 : ride.Samples.front().Sample;
        EXPECT_EQ(
            std::make_tuple(ride.StartSegment, ride.StartSpeed, why, first),
            std::make_tuple(segment, segment < 0 ? 0.0 : speed, reason, segment < 0 ? -1 : 0));
    }
}

// The demo renumbered as if building had begun elsewhere rides the same lap, from the lift
// after the station.
TEST(RidePreview, TheDemoLapDoesNotDependOnWhereTheNumberingBegins) {
    for (const auto& [shift, lift] : {std::pair{0, 4}, std::pair{20, 32}}) {
        TrackDocument doc = MakeDemoTrack();
        std::rotate(doc.BezierNodes.begin(), doc.BezierNodes.begin() + shift,
                    doc.BezierNodes.end());
        std::rotate(doc.Segments.begin(), doc.Segments.begin() + shift, doc.Segments.end());
        const RidePreview ride = Ride(doc);
        EXPECT_EQ(std::tie(ride.StartSegment, ride.EndReason),
                  std::make_tuple(lift, RideEnd::Station));
        EXPECT_NEAR(ride.Peaks.Length, 958, 0.5);
    }
}

TEST(RidePreview, FilterHasItsTextbookResponse) {
    const double pi = std::numbers::pi;
    // Rows: the input at time t, the time from which the output is read, its highest and lowest
    // value there, the tolerance.
    using FilterCase =
        std::tuple<const char*, std::function<double(double)>, double, double, double, double>;
    const FilterCase cases[] = {
        {"unit step overshoots by 11 %", [](double t) { return t > 0 ? 1.0 : 0.0; }, 0, 1.111, 0,
         0.001},
        {"5 Hz sine at its corner", [&](double t) { return std::sin(2 * pi * 5 * t); }, 2,
         1 / std::sqrt(2), -1 / std::sqrt(2), 0.002},
        {"constant unchanged", [](double) { return 1.5; }, 0, 1.5, 1.5, 1e-12},
    };
    for (const auto& [name, input, from, highest, lowest, tolerance] : cases) {
        SCOPED_TRACE(name);
        ForceFilter filter(input(0));
        double high = -INFINITY, low = INFINITY;
        for (int k = 0; k < 3 * kFilterRate; ++k) {
            const double t = double(k) / kFilterRate;
            const double y = filter.Next(input(t));
            if (t >= from)
                std::tie(high, low) = std::pair{std::max(high, y), std::min(low, y)};
        }
        EXPECT_NEAR(high, highest, tolerance);
        EXPECT_NEAR(low, lowest, tolerance);
    }
}

// A level track at constant speed feels only gravity, and its time is its distance over the
// speed.
TEST(RidePreview, ForcesAndTimeOfALevelTrackAndPeaksOfAVerticalCircle) {
    const RidePreview ride = Ride(Loop({{0, 0, 0}, {0, 0, -20}, {0, 0, -40}, {0, 0, -50}},
                                       {SegTransport, SegTransport, SegStation, SegPlain},
                                       {Transport(5), Transport(5)}));
    ASSERT_GT(ride.Samples.size(), 40u);
    for (const auto& s : ride.Samples) {
        EXPECT_EQ(std::tie(s.VerticalG, s.LateralG, s.LongitudinalG),
                  std::make_tuple(1.0, 0.0, 0.0));
        EXPECT_NEAR(s.Time, s.Distance / 5, 1e-9);
    }
    EXPECT_NEAR(ride.Samples.back().Distance, 40.0, 1e-4);
    ASSERT_NEAR(double(ride.Filtered.size()), 801, 1); // 8 s at 100 Hz
    EXPECT_NEAR(ride.Filtered.back().Distance, 40.0, 0.05);

    // Round a vertical circle at constant speed the riders feel the centripetal load and the
    // gravity: 1 g more at the bottom (an eighth of the lap after the start), 1 g less at the
    // top, and along the track ±1 g where the circle is vertical; the filter passes this slow
    // change, a little late.
    const double r = 10, v = 10, c = v * v / (kGFactor * r);
    const double lap = 2 * std::numbers::pi * r;
    const RidePreview loop = Ride(VerticalCircle(float(r), float(v)));
    EXPECT_EQ(std::tie(loop.Started, loop.EndReason), std::make_tuple(true, RideEnd::Lap));
    EXPECT_EQ(DescribeRideEnd(loop), "Completes the lap at 63 m");
    const RidePeaks& p = loop.Peaks;
    EXPECT_NEAR(p.Length, lap, 0.01 * r);
    EXPECT_NEAR(p.Duration, lap / v, 0.01 * r / v);
    EXPECT_EQ(std::tie(p.Speed.Max, p.Speed.At), std::make_tuple(v, 0.0));
    EXPECT_NEAR(std::max(std::fabs(p.LateralG.Max), std::fabs(p.LateralG.Min)), 0.0, 1e-6);
    const std::tuple<const char*, const ForcePeak&, double, double, double, double> forces[] = {
        {"vertical", p.VerticalG, 1 + c, lap / 8, c - 1, lap * 5 / 8},
        {"longitudinal", p.LongitudinalG, 1, lap * 3 / 8, -1, lap * 7 / 8},
    };
    for (const auto& [name, peak, max, maxAt, min, minAt] : forces) {
        SCOPED_TRACE(name);
        EXPECT_NEAR(peak.Max, max, 0.01);
        EXPECT_NEAR(peak.MaxAt, maxAt, 1.2);
        EXPECT_NEAR(peak.Min, min, 0.01);
        EXPECT_NEAR(peak.MinAt, minAt, 1.2);
    }

    // Laid flat, the circle turns right: the load is to the right.
    TrackDocument flat = VerticalCircle(float(r), float(v));
    for (BezierNode& n : flat.BezierNodes)
        for (Vector3D* point : {&n.Position, &n.ControlIn, &n.ControlOut})
            *point = {point->y, 0, point->z};
    const RidePreview turn = Ride(flat);
    const RideSample& half = turn.Samples[turn.Samples.size() / 2];
    EXPECT_NEAR(half.LateralG, c, 0.03); // the Bezier circle's curvature varies a little
    EXPECT_NEAR(half.VerticalG, 1, 0.01);
}

} // namespace
