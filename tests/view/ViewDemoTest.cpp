// The bundled demo track in the view: drawn, and its segments picked by clicking.
#include "DemoTrack.h"
#include "ViewHarness.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

using namespace viewtest;

TEST(ViewDemo, TheDemoTrackIsDrawnAndItsSegmentsPicked) {
    ViewHarness h;
    h.Load(mKavrano_TrackIO_1_3::MakeDemoTrack());
    // The highest spine point inside a segment: nothing lies above it.
    std::size_t top = 1;
    for (std::size_t k = 1; k + 1 < static_cast<std::size_t>(h.trace.SpinePointCount); ++k) {
        const auto& p = h.trace.SpinePoints;
        if (p[k - 1].SegIndex == p[k].SegIndex && p[k + 1].SegIndex == p[k].SegIndex &&
            p[k].Center.y > p[top].Center.y) {
            top = k;
        }
    }
    const mKV_TraceTrack::SpinePoint& point = h.trace.SpinePoints[top];
    h.camera.CamPos = Vector3D{point.Center.x, point.Center.y + 15.0f, point.Center.z};
    h.camera.CamRot = Vector3D{-90.0f, 0.0f, 0.0f};
    const QPoint at = h.Project(point.Center);
    const Pixels frame = h.Render();
    EXPECT_TRUE(Contains(frame.Around(at, 10), RailsOfType(point.SegType)));

    QTest::mouseClick(h.view, Qt::LeftButton, {}, at);
    for (int32_t i = 0; i < h.trace.TracedSegmentCount; ++i) {
        EXPECT_EQ(h.trace.SegmentSelected[i], i == point.SegIndex) << i;
    }
    EXPECT_TRUE(Contains(h.Read().Around(at, 10), FromUnit(1.0f, 1.0f, 1.0f)));
}

} // namespace
