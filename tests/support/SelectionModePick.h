#pragma once

// The reference the CPU picker must agree with: OpenGL's selection mode rendering the frame
// through a 10 x 10 pixel pick window, hit records compared by their unsigned minimum depth.
// Needs the view's context current.

#include "Camera3D.h"
#include "TrackTracer.h"

#include <cstdint>

// The name under (x, y) in the viewport's pixels from the top left, or NoPick; a selection
// buffer that overflows is grown until every hit fits.
int32_t SelectionModePick(const mCamera3D::CameraState& cam,
                          const mKV_TraceTrack::TraceState& trace, int32_t trackStyle, int32_t x,
                          int32_t y);
