// Picks through the view: the nearest name under a point of the window.
#include "Picking.h"
#include "SelectionEdits.h"
#include "TestTracks.h"
#include "ViewHarness.h"

#include <gtest/gtest.h>

namespace {

using namespace viewtest;
using namespace test_tracks;
using mOGL3D::NoPick;

TEST(ViewPick, ADenseSpotOfSixHundredOverlappingSegmentsYieldsTheNearest) {
    ViewHarness h;
    // 600 segments zigzag across x = 0, each a little higher than the one before; from above
    // the nearest at the origin is the one between the two highest nodes.
    const int count = 600;
    std::vector<Vector3D> corners;
    for (int i = 0; i < count; ++i)
        corners.push_back({i % 2 == 0 ? -10.0f : 10.0f, 2.0f + 0.05f * i, 0.0f});
    h.ShowFromAbove(Polyline(corners, std::vector<int32_t>(count, 0)), 50.0f);
    const QPoint origin = h.Project({0, 0, 0});
    EXPECT_EQ(h.view->PickAt(origin.x(), origin.y()), count - 2);
}

// Toggling and the ground's clearing are clicked through the view in ViewInput.
TEST(ClickSegment, EveryIndexOfALongTrackIsASegmentAndNothingClearsTheSelection) {
    mKV_TraceTrack::TraceState trace;
    const mKavrano_TrackIO_1_3::TrackDocument doc;
    trace.TracedSegmentCount = 100'000;
    trace.SegmentSelected.assign(100'000, true);
    mKV_TraceTrack::ClickSegment(trace, doc, 99'999, mKV_TraceTrack::ClickAction::Toggle);
    EXPECT_FALSE(trace.SegmentSelected[99'999]);
    EXPECT_TRUE(trace.SegmentSelected[99'998]);
    mKV_TraceTrack::ClickSegment(trace, doc, NoPick, mKV_TraceTrack::ClickAction::Toggle);
    EXPECT_EQ(trace.SegmentSelected, std::vector<bool>(100'000, false));
}

} // namespace
