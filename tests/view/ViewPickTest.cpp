// Picks through the view: the nearest name under a point of the window.
#include "Picking.h"
#include "TestTracks.h"
#include "TrackDrawing.h"
#include "ViewHarness.h"

#include <gtest/gtest.h>

namespace {

using namespace viewtest;
using mOGL3D::GroundPickName;
using mOGL3D::NoPick;

int32_t PickAtPoint(ViewHarness& h, QPoint p) {
    return h.view->PickAt(p.x(), p.y());
}

TEST(ViewPick, HitsALineWithinFivePixelsAndOtherwiseTheGroundOrNothing) {
    ViewHarness h;
    // Segment 1 runs along +X at z = -10; its left rail lies 0.5 towards -Z, which is screen
    // up when looking down.
    h.Load(LoopTrack({{-20, 2, -10}, {0, 2, -10}, {20, 2, -10}, {20, 2, 10}, {-20, 2, 10}},
                     {0, 0, 0, 0, 0}));
    h.LookDownFrom(50.0f);
    h.view->RenderFrame();
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

TEST(ViewPick, TheNearestOfOverlappingSegmentsWins) {
    ViewHarness h;
    // Segment 2 runs 8 units above segment 0, back over the same line.
    h.Load(LoopTrack({{-20, 2, 0}, {20, 2, 0}, {20, 10, 0}, {-20, 10, 0}}, {0, 0, 0, 0}));
    h.LookDownFrom(50.0f);
    EXPECT_EQ(PickAtPoint(h, h.Project({5, 10, 0})), 2);

    h.camera.CamPos = Vector3D{5.0f, 0.5f, 0.0f};
    h.camera.CamRot = Vector3D{90.0f, 0.0f, 0.0f}; // looking up from below
    EXPECT_EQ(PickAtPoint(h, h.Project({5, 2, 0})), 0);
}

TEST(ViewPick, ADenseSpotOverflowingTheSelectionBufferStillYieldsTheNearestSegment) {
    ViewHarness h;
    // 600 segments zigzag across x = 0, each a little higher than the one before; from above
    // the nearest at the origin is the one between the two highest nodes.
    const int count = 600;
    std::vector<Vector3D> corners;
    for (int i = 0; i < count; ++i) {
        corners.push_back({i % 2 == 0 ? -10.0f : 10.0f, 2.0f + 0.05f * i, 0.0f});
    }
    h.Load(LoopTrack(corners, std::vector<int32_t>(count, 0)));
    h.LookDownFrom(50.0f);
    const QPoint centre = h.Project({0, 0, 0});

    // The fixed 2048-entry buffer overflows here and reports nothing.
    h.view->makeCurrent();
    mOGL3D::ViewState view;
    view.ViewReady = true;
    const auto render = [&] { mOGL3D::DrawFrame(view, h.camera, h.trace, 0); };
    EXPECT_EQ(mOGL3D::PickAt(view, centre.x(), centre.y(), mOGL3D::PickBufferEntries, render),
              NoPick);

    EXPECT_EQ(PickAtPoint(h, centre), count - 2);
}

TEST(PickHits, NearestByUnsignedMinimumDepthWithTiesToTheEarlierRecord) {
    // Records: name count, minimum depth, maximum depth, names.
    const std::vector<GLuint> buffer = {
        1, 0x90000000u, 0xF0000000u, 7, // above 2^31: must not count as negative
        1, 0x10000000u, 0x20000000u, 3, //
        1, 0x10000000u, 0x10000000u, 9, // tie: the earlier record stays
        1, 0x80000000u, 0x80000000u, 4,
    };
    EXPECT_EQ(mOGL3D::NearestHit(buffer, 4), 3);
    EXPECT_EQ(mOGL3D::NearestHit(buffer, 1), 7);
    EXPECT_EQ(mOGL3D::NearestHit(buffer, 0), NoPick);
    // A hit count beyond the buffer reads no further than its end.
    EXPECT_EQ(mOGL3D::NearestHit(std::span(buffer).first(6), 3), 7);
}

TEST(PickHits, ASegmentTogglesAndTheGroundOrNothingClearsTheSelection) {
    mKV_TraceTrack::TraceState trace;
    trace.TracedSegmentCount = 3;
    trace.SegmentSelected = {false, true, false};
    mOGL3D::TogglePickedSegment(trace, 0);
    mOGL3D::TogglePickedSegment(trace, 1);
    EXPECT_EQ(trace.SegmentSelected, (std::vector<bool>{true, false, false}));
    mOGL3D::TogglePickedSegment(trace, static_cast<int32_t>(GroundPickName));
    EXPECT_EQ(trace.SegmentSelected, (std::vector<bool>{false, false, false}));
    trace.SegmentSelected = {true, true, true};
    mOGL3D::TogglePickedSegment(trace, NoPick);
    EXPECT_EQ(trace.SegmentSelected, (std::vector<bool>{false, false, false}));
}

TEST(PickHits, SegmentIndicesOfLargeTracksStayApartFromTheGround) {
    // A track of 100,000 segments: index 99,999 is a segment like any other.
    mKV_TraceTrack::TraceState trace;
    trace.TracedSegmentCount = 100'000;
    trace.SegmentSelected.assign(100'000, false);
    trace.SegmentSelected[5] = true;
    mOGL3D::TogglePickedSegment(trace, 99'999);
    EXPECT_TRUE(trace.SegmentSelected[99'999]);
    EXPECT_TRUE(trace.SegmentSelected[5]);
}

} // namespace
