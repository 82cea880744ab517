// Frames of known tracks read back from the view's framebuffer, and picks through the view: the
// nearest name under a point of the window.
#include "FrameRendering.h"
#include "Picking.h"
#include "SelectionEdits.h"
#include "TestTracks.h"
#include "ViewHarness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

using namespace viewtest;
using namespace test_tracks;

const Rgb Black = qRgb(0, 0, 0);
const Rgb Ground = FromUnit(0.0f, 0.3f, 0.0f);

// The segment types in the test track, the last one with no colour of its own.
const int32_t TypeOf[] = {0, 1, 2, 3, 4, 7};

// A 40 x 20 rectangle at height 2, its long sides split in two: six segments, one per entry
// of TypeOf, running clockwise seen from above.
const std::vector<Vector3D> Rectangle = {{-20, 2, -10}, {0, 2, -10}, {20, 2, -10},
                                         {20, 2, 10},   {0, 2, 10},  {-20, 2, 10}};

Vector3D SegmentMiddle(std::size_t i) {
    return Between(Rectangle[i], Rectangle[(i + 1) % Rectangle.size()], 0.5f);
}

// Every colour seen near segment i's middle is the ground's or the rails' or cross-ties' of
// `type`, and both of these are seen.
void ExpectType(const ViewHarness& h, const Pixels& frame, std::size_t i, int32_t type) {
    const std::vector<Rgb> seen = frame.Around(h.Project(SegmentMiddle(i)), 10);
    const Rgb rails = TypeColour(type);
    const Rgb ties = TypeColour(type, 0.5f);
    for (const Rgb& c : seen)
        EXPECT_TRUE(Near(c, Ground) || Near(c, rails) || Near(c, ties))
            << "segment " << i << ": unexpected colour " << std::hex << c;
    EXPECT_TRUE(Contains(seen, rails)) << i;
    EXPECT_TRUE(Contains(seen, ties)) << i;
}

TEST(ViewRender, EmptySpineShowsGroundBelowTheHorizonAndBlackAbove) {
    ViewHarness h;
    const Pixels frame = h.Render();
    // The camera at the origin looks along -Z with +Y up: the ground, 5 below it, reaches up
    // to its far edge straight ahead, and above that there is nothing.
    const int edge = h.Project({0.0f, 0.0f, -220.0f}).y();
    ASSERT_GT(edge, ViewHeight / 2);
    for (int y = 0; y < ViewHeight; ++y) {
        for (int x = 0; x < ViewWidth; ++x) {
            const bool black = Near(frame.At(x, y), Black);
            const bool ground = Near(frame.At(x, y), Ground);
            ASSERT_TRUE(y < edge - 1   ? black
                        : y > edge + 1 ? ground
                                       : black || ground)
                << x << "," << y;
        }
    }
}

TEST(ViewRender, NoFrameNorPickBeforeTheViewIsReadyThenPicksAndRailsAndTiesInTypeColours) {
    ViewHarness h;
    h.view->SetViewReady(false);
    h.view->makeCurrent();
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    const Pixels before = h.Read();
    EXPECT_EQ(h.ShowFromAbove(Polyline(Rectangle, {0, 1, 2, 3, 4, 7}), 50.0f), before);
    // Picks through the view draw nothing on screen; the picker's window: see PickingTest.
    // Segment 1 runs along +X at z = -10; its left rail lies 0.5 towards -Z, screen up.
    const auto pick = [&](QPoint p) { return h.view->PickAt(p.x(), p.y()); };
    EXPECT_EQ(pick(h.Project({10, 1.7f, -10})), mOGL3D::kNoPick);

    h.view->SetViewReady(true);
    const Pixels frame = h.Render();
    EXPECT_EQ(pick(h.Project({10, 1.7f, -10})), 1);
    EXPECT_EQ(pick(h.Project({-10, 1.7f, -10})), 0);
    EXPECT_EQ(pick(h.Project({10, 2, -10.5f}) - QPoint(0, 25)), mOGL3D::kGroundPickName);
    EXPECT_EQ(h.Read(), frame);
    for (std::size_t i = 0; i < Rectangle.size(); ++i)
        ExpectType(h, frame, i, TypeOf[i]);
    // A selected segment is drawn white, as a type without a colour of its own.
    h.trace.SegmentSelected[2] = true;
    const Pixels selected = h.Render();
    for (const auto& [i, type] : {std::pair{2, 7}, {1, 1}, {3, 3}})
        ExpectType(h, selected, i, type);
}

TEST(ViewRender, CrossTiesFollowTheTrackStyle) {
    // Seen from the side, style 1 hangs its cross-ties 0.6 below the rails down to the braces,
    // style 0 only 0.3 down to the centre beam: a row 0.45 below the rails meets ties only
    // with style 1.
    const Rgb ties = TypeColour(0, 0.5f);
    auto tiePixelsBelowCentre = [&](int32_t style) {
        ViewHarness h;
        auto doc = Polyline(Rectangle, {0, 0, 0, 0, 0, 0});
        doc.TrackStyle = style;
        h.Load(doc);
        h.camera.CamPos = Vector3D{10.0f, 2.0f, -30.0f};
        h.camera.CamRot = Vector3D{0.0f, 180.0f, 0.0f}; // facing +Z, segment 1 in front
        const Pixels frame = h.Render();
        int count = 0;
        for (float x = 7.0f; x < 13.0f; x += 0.05f) {
            const QPoint p = h.Project({x, 1.55f, -10.0f});
            count += Near(frame.At(p.x(), p.y()), ties) ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(tiePixelsBelowCentre(0), 0);
    EXPECT_GT(tiePixelsBelowCentre(1), 5);
}

TEST(ViewRender, ZeroHeightCountsAsOne) {
    ViewHarness h;
    h.view->makeCurrent();
    mOGL3D::ResizeView(200, 0, mOGL3D::kViewFovY, mOGL3D::kViewZFar);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);

    EXPECT_EQ(QSize(viewport[2], viewport[3]), QSize(200, 1));
    EXPECT_NEAR(projection[0] * 200.0f, projection[5], 1e-4f); // the aspect of 200 x 1
    EXPECT_EQ(mode, GL_MODELVIEW);
}

// Toggling and the ground's clearing (the same path as no pick) are clicked through the view
// in ViewInput.
TEST(ClickSegment, EveryIndexOfALongTrackIsASegment) {
    mKV_TraceTrack::TraceState trace;
    const mKavrano_TrackIO_1_3::TrackDocument doc;
    trace.TracedSegmentCount = 100'000;
    trace.SegmentSelected.assign(100'000, true);
    mKV_TraceTrack::ClickSegment(trace, doc, 99'999, mKV_TraceTrack::ClickAction::Toggle);
    EXPECT_FALSE(trace.SegmentSelected[99'999]);
    EXPECT_TRUE(trace.SegmentSelected[99'998]);
}

} // namespace
