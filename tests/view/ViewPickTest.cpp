// Picks through the view: the nearest name under a point of the window.
#include "Picking.h"
#include "SelectionEdits.h"
#include "TestTracks.h"
#include "TrackDrawing.h"
#include "ViewHarness.h"

#include <gtest/gtest.h>

namespace {

using namespace viewtest;
using namespace test_tracks;
using mOGL3D::GroundPickName;
using mOGL3D::NoPick;

int32_t PickAtPoint(ViewHarness& h, QPoint p) {
    return h.view->PickAt(p.x(), p.y());
}

TEST(ViewPick, HitsALineWithinFivePixelsAndOtherwiseTheGroundOrNothing) {
    ViewHarness h;
    // Segment 1 runs along +X at z = -10; its left rail lies 0.5 towards -Z, which is screen
    // up when looking down.
    h.ShowFromAbove(Polyline({{-20, 2, -10}, {0, 2, -10}, {20, 2, -10}, {20, 2, 10}, {-20, 2, 10}},
                             {0, 0, 0, 0, 0}),
                    50.0f);
    EXPECT_EQ(PickAtPoint(h, h.Project({10, 1.7f, -10})), 1);
    const QPoint leftRail = h.Project({10, 2, -10.5f});
    EXPECT_EQ(PickAtPoint(h, leftRail - QPoint(0, 4)), 1);
    EXPECT_EQ(PickAtPoint(h, leftRail - QPoint(0, 25)), static_cast<int32_t>(GroundPickName));
    EXPECT_EQ(PickAtPoint(h, h.Project({-10, 1.7f, -10})), 0);

    // Looking ahead from the reset camera: sky above the horizon, ground below.
    mCamera3D::ResetCamera(h.camera);
    EXPECT_EQ(h.view->PickAt(320, 20), NoPick);
    EXPECT_EQ(h.view->PickAt(320, 460), static_cast<int32_t>(GroundPickName));
}

TEST(ViewPick, ADenseSpotOfSixHundredOverlappingSegmentsYieldsTheNearest) {
    ViewHarness h;
    // 600 segments zigzag across x = 0, each a little higher than the one before; from above
    // the nearest at the origin is the one between the two highest nodes.
    const int count = 600;
    std::vector<Vector3D> corners;
    for (int i = 0; i < count; ++i)
        corners.push_back({i % 2 == 0 ? -10.0f : 10.0f, 2.0f + 0.05f * i, 0.0f});
    h.ShowFromAbove(Polyline(corners, std::vector<int32_t>(count, 0)), 50.0f);
    EXPECT_EQ(PickAtPoint(h, h.Project({0, 0, 0})), count - 2);
}

// Toggling and the ground's clearing are clicked through the view in ViewInput.
TEST(ClickSegment, NothingClearsTheSelectionAndEveryIndexIsASegment) {
    mKV_TraceTrack::TraceState trace;
    const mKavrano_TrackIO_1_3::TrackDocument doc;
    const auto toggle = mKV_TraceTrack::ClickAction::Toggle;
    trace.TracedSegmentCount = 3;
    trace.SegmentSelected = {true, true, true};
    mKV_TraceTrack::ClickSegment(trace, doc, NoPick, toggle);
    EXPECT_EQ(trace.SegmentSelected, (std::vector<bool>{false, false, false}));

    // A track of 100,000 segments: index 99,999 is a segment like any other.
    trace.TracedSegmentCount = 100'000;
    trace.SegmentSelected.assign(100'000, false);
    mKV_TraceTrack::ClickSegment(trace, doc, 99'999, toggle);
    EXPECT_TRUE(trace.SegmentSelected[99'999]);
}

} // namespace
