#pragma once

// Picking the segment under the mouse on the CPU, with the answer OpenGL's selection mode gives:
// every line of the scene, and the ground square, is clipped against the frustum of a 10 x 10
// pixel window around the click, and the hit nearest the viewer is taken. Reads no GL state.

#include "Camera3D.h"
#include "GroundSquare.h"
#include "TrackTracer.h"

#include <cstdint>

namespace mOGL3D {

inline constexpr int32_t kNoPick = -1;
inline constexpr double kPickWindowPixels = 10.0;

// The name under (x, y), in the pixels of a width x height view from the top left: a segment
// index, kGroundPickName, or kNoPick. A hit's depth is the smallest window depth of the part of
// a line (or of the ground) inside the window; the smallest wins, and of equal depths the one
// drawn first.
int32_t PickAt(const mCamera3D::CameraState& cam, const mKV_TraceTrack::TraceState& trace,
               int32_t trackStyle, int32_t width, int32_t height, int32_t x, int32_t y);

} // namespace mOGL3D
