#pragma once

// The reference the CPU picker must agree with: OpenGL's selection mode rendering the frame
// through a 10 x 10 pixel pick window, hit records compared by their unsigned minimum depth.
// Needs the view's context current.

#include "Camera3D.h"
#include "TrackTracer.h"

#include <cstdint>
#include <set>

struct ReferencePick {
    int32_t Nearest = -1; // the name selection mode picks, or kNoPick
    // The names whose minimum depth lies within the renderer's float rounding of the nearest
    // one's, Nearest among them: which of these wins is decided by rounding alone.
    std::set<int32_t> Tied;
};

// What selection mode picks at (x, y) in the viewport's pixels from the top left; a selection
// buffer that overflows is grown until every hit fits.
ReferencePick SelectionModePick(const mCamera3D::CameraState& cam,
                                const mKV_TraceTrack::TraceState& trace, int32_t trackStyle,
                                int32_t x, int32_t y);
