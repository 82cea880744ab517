#pragma once

// Placing the camera so that a set of points is in view: the whole track, or the selection.

#include "Camera3D.h"
#include "TrackTracer.h"

#include <span>
#include <vector>

namespace mCamera3D {

// The centre line and both rails of every spine point, or only of the selected segments'.
std::vector<Vector3D> TrackPoints(const mKV_TraceTrack::TraceState& trace, bool selectedOnly);

// Looks at the points from above and to their side, as close as keeps every one of them in a
// view of the given width / height, from inside the camera box: of the headings around the
// current one and the pitches from shallow to steep, the first whose place lies in the box
// (else the first, clamped). False, with the camera unchanged, when there are no points.
bool FrameCamera(CameraState& cam, std::span<const Vector3D> points, double aspect);

} // namespace mCamera3D
