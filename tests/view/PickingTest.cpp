// The picker without a window: the name under a pixel of a 640 x 480 view.
#include "Picking.h"
#include "TestTracks.h"
#include "TrackSpine.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using namespace mCamera3D;
using namespace mOGL3D;

TEST(Picking, TheNearestNameUnderThePixelOrTheGroundOrNothing) {
    // 600 segments zigzag across x = 0, each a little higher than the one before: from above,
    // the nearest at the origin is the one between the two highest nodes.
    std::vector<Vector3D> zigzag;
    for (int i = 0; i < 600; ++i)
        zigzag.push_back({i % 2 == 0 ? -10.0f : 10.0f, 2.0f + 0.05f * i, 0.0f});
    const auto doc = test_tracks::Polyline(zigzag, std::vector<int32_t>(zigzag.size(), 0));
    mKV_TraceTrack::TraceState trace;
    ASSERT_TRUE(mKV_TraceTrack::TraceTrack(trace, doc));
    mKV_TraceTrack::BuildSpine(trace, doc);

    CameraState ahead; // at the origin, 5 above the ground, looking along -Z
    ResetCamera(ahead);
    CameraState above;
    above.CamPos = {0.0f, 50.0f, 0.0f};
    above.CamRot = {-90.0f, 0.0f, 0.0f};
    const std::tuple<const CameraState&, int32_t, int32_t, int32_t> cases[] = {
        {above, 320, 240, 598},
        {above, 320, 236, 598},             // within the window around the click
        {above, 320, 100, kGroundPickName}, // beside the track
        {ahead, 320, 20, kNoPick},          // the sky
        {ahead, 320, 460, kGroundPickName}, // the ground ahead
    };
    for (const auto& [cam, x, y, name] : cases)
        EXPECT_EQ(PickAt(cam, trace, doc.TrackStyle, 640, 480, x, y), name) << x << "," << y;
}

} // namespace
