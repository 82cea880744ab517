#include "RollPass.h"
#include "Math3D.h"
#include "Matrix3D.h"
#include "TestTracks.h"
#include "TrackTracer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

namespace {

using namespace mKV_TraceTrack;
using namespace test_tracks;
using namespace mKavrano_TrackIO_1_3;

float Rad(double degrees) {
    return float(degrees * std::numbers::pi / 180.0);
}

// Rows: stored roll, roll reached, correction. Within 260 degrees the plain difference, even
// the long way round (rows 1-3); on opposite sides of +-180 degrees through it, reaching the
// target modulo a turn (4-6, sign 0 differs in 6); on the same side beyond 260 degrees a turn
// less only when the difference is positive (7-8).
TEST(RollCorrection, AbsoluteRelativeAndTheWayThroughHalfATurn) {
    const double turn = 2 * std::numbers::pi;
    const std::tuple<float, float, double> cases[] = {
        {Rad(100), Rad(10), Rad(90)},     {Rad(-100), Rad(100), Rad(-200)},
        {Rad(-100), Rad(159), Rad(-259)}, {Rad(-175), Rad(170), Rad(15)},
        {Rad(170), Rad(-100), Rad(-90)},  {5.0f, 0.0f, 5.0 - turn},
        {5.5f, 0.3f, 5.5 - 0.3 - turn},   {-5.5f, -0.3f, -5.2}};
    for (const auto& [roll, reached, want] : cases)
        EXPECT_NEAR(RollCorrection(roll, false, reached), want, 1e-5) << roll << " " << reached;
    // Relative: the stored roll is the twist.
    EXPECT_EQ(RollCorrection(0.7f, true, 2.0f), 0.7f);
    EXPECT_EQ(RollCorrection(0.0f, true, 2.0f), 0.0f);
    EXPECT_EQ(RollCorrection(1.25f, false, 1.25f), 0.0f);
}

// Four straight nodes 8 units apart along -Z; segment i banks to node i + 1's roll.
TrackDocument RolledTrack(float roll1, bool rel1, float roll2, bool rel2) {
    auto nodes = StraightNodes(4, 8.0f);
    std::tie(nodes[1].Roll, nodes[1].RelativeRoll, nodes[2].Roll, nodes[2].RelativeRoll) =
        std::tie(roll1, rel1, roll2, rel2);
    return TrackOf(nodes);
}

// Segment 0 banks to pi/2; segment 1 carries that bank on.
TEST(RollPass, AbsoluteRollBanksLinearlyTheShortWayAndAnUnchangedBankIsRecordedOnlyWhenRelative) {
    const float quarter = float(std::numbers::pi / 2);
    // A relative roll of 0 keeps segment 1's frames and still records their bank.
    TraceState relative;
    ASSERT_TRUE(TraceTrack(relative, RolledTrack(quarter, false, 0.0f, true)));
    const auto& kept = relative.TracedSegments[1];
    for (const auto& s : kept.Samples) {
        EXPECT_NEAR(s.Orientation[4], 1, 1e-6);
        EXPECT_NEAR(s.Bank, std::numbers::pi / 2, 1e-6);
    }

    // An absolute roll equal to the bank segment 1 ends with: Theta is 0 and the segment is
    // left exactly as traced, Bank 0 included.
    const auto& end = kept.Samples.back().Orientation;
    TraceState state;
    ASSERT_TRUE(
        TraceTrack(state, RolledTrack(quarter, false, mMath3D::Atan2(end[4], end[5]), false)));
    const auto& unchanged = state.TracedSegments[1];
    ASSERT_EQ(unchanged.SampleCount, kept.SampleCount);
    for (int j = 0; j < kept.SampleCount; ++j)
        EXPECT_EQ(std::tie(unchanged.Samples[j].Bank, unchanged.Samples[j].Orientation),
                  std::make_tuple(0.0f, kept.Samples[j].Orientation))
            << j;

    const auto& seg = state.TracedSegments[0];
    const int k = seg.SampleCount;
    ASSERT_GT(k, 10);
    for (int j = 0; j < k; ++j) {
        const double bank = std::numbers::pi / 2 * j / (k - 1);
        const auto& o = seg.Samples[j].Orientation;
        SCOPED_TRACE(j);
        EXPECT_NEAR(seg.Samples[j].Bank, bank, 1e-6);
        // A level frame turned about its tangent, and World carries the same rotation.
        Matrix3D want;
        mMatrix3D::RotationZ(want, bank);
        for (int i = 0; i < 16; ++i) {
            EXPECT_NEAR(o[i], want[i], 1e-6) << i;
            EXPECT_TRUE(i % 4 == 3 || seg.Samples[j].World[i] == o[i]) << i;
        }
    }
    EXPECT_EQ(seg.Samples[0].Bank, 0.0f);

    // From 170 to -175 degrees the bank crosses half a turn the short way.
    ASSERT_TRUE(TraceTrack(state, RolledTrack(Rad(170), false, Rad(-175), false)));
    const auto& cross = state.TracedSegments[1];
    const int n = cross.SampleCount;
    EXPECT_NEAR(cross.Samples[0].Orientation[4], std::sin(Rad(170)), 1e-5);
    EXPECT_NEAR(cross.Samples.back().Bank, Rad(-175), 1e-5);
    // Halfway the bank lies halfway along the short way, 15 degrees through 180.
    const double mid = Rad(170 + 15.0 * (n / 2) / (n - 1));
    const auto& o = cross.Samples[n / 2].Orientation;
    EXPECT_NEAR(o[4], std::sin(mid), 1e-5);
    EXPECT_NEAR(o[5], std::cos(mid), 1e-5);
}

} // namespace
