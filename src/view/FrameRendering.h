#pragma once

// The fixed GL state, the projection and the drawing of one frame: ground and track seen
// through the camera.

#include "Camera3D.h"
#include "RideOnTrack.h"
#include "SegmentTypeColours.h"
#include "TrackTracer.h"
#include "ViewFrustum.h"

#include <cstdint>
#include <span>

namespace mOGL3D {

// The outcome of setting up the context: positive once it exists, negative when it failed.
inline constexpr int32_t kRenderContextReady = 1;
inline constexpr int32_t kNoRenderContext = -3;

struct ViewState {
    int32_t GLContext = 0;  // kRenderContextReady, kNoRenderContext, or 0 before setup
    bool ViewReady = false; // no frame is drawn before start-up has finished
};

// Black background, depth test, flat shading, back faces culled.
void InitGLState();

// Viewport and perspective for a view of width x height pixels; a height of 0 counts as 1.
// Leaves the model-view matrix selected and reset.
void ResizeView(int32_t width, int32_t height, double fovY, double zFar);

// What a frame may show besides the camera's view by segment type: the track coloured by spine
// point (empty: by segment type), and a rider's eye in place of the camera (null: the camera).
struct FrameLook {
    std::span<const mKV_TraceTrack::Colour> PointColours;
    const mKV_RidePreview::RidePose* Rider = nullptr;
};

// The frame up to the point of showing it: clear, camera transform, ground, track. False
// (nothing drawn) while the view is not ready.
bool DrawFrame(const ViewState& view, const mCamera3D::CameraState& cam,
               const mKV_TraceTrack::TraceState& trace, int32_t trackStyle,
               const FrameLook& look = {});

} // namespace mOGL3D
