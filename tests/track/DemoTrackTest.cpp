#include "DemoTrack.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ranges>
#include <set>
#include <tuple>

using namespace mKavrano_TrackIO_1_3;

TEST(DemoTrack, IsAClosedSmoothCircuitWithEveryFunction) {
    const TrackDocument doc = MakeDemoTrack();
    ASSERT_EQ(std::tie(doc.TrackClosed, doc.SegmentCount), std::make_tuple(true, doc.BezierCount));
    ASSERT_GE(doc.SegmentCount, 30);

    const auto types = doc.Segments | std::views::transform(&TrackSegment::SegmentType);
    EXPECT_EQ(std::set(types.begin(), types.end()), (std::set<int32_t>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(std::ranges::any_of(doc.Segments, &TrackSegment::Tunnel));
    EXPECT_TRUE(std::ranges::any_of(doc.Segments, &TrackSegment::CustomColours));

    const auto distance = [](const Vector3D& a, const Vector3D& b) {
        return std::hypot(double(a.x) - b.x, double(a.y) - b.y, double(a.z) - b.z);
    };
    float highest = 0;
    for (int32_t i = 0; i < doc.BezierCount; ++i) {
        const BezierNode& n = doc.BezierNodes[i];
        // Both handles lie on one line through the node, on opposite sides: no kinks.
        const double in = distance(n.ControlIn, n.Position),
                     out = distance(n.ControlOut, n.Position);
        ASSERT_GT(std::min(in, out), 0.1);
        EXPECT_NEAR(distance(n.ControlIn, n.ControlOut), in + out, 1e-5 * (in + out));
        // On the ground square, above the ground.
        EXPECT_LE(std::max(std::abs(n.Position.x), std::abs(n.Position.z)), 220.0f);
        EXPECT_GT(n.Position.y, 0.5f);
        highest = std::max(highest, n.Position.y);
        // Spaced like segments from the next node; the last segment returns to the start.
        const double gap =
            distance(doc.BezierNodes[(i + 1) % doc.BezierCount].Position, n.Position);
        EXPECT_TRUE(gap > 5.0 && gap < 40.0) << i << ": " << gap;
    }
    EXPECT_GT(highest, 30.0f); // a real lift hill
}
