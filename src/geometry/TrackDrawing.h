#pragma once

// The scene in OpenGL immediate mode: the ground square and the spine as a wire model of
// rails and cross-ties, every segment's lines named by its index for picking.

#include "GroundSquare.h"
#include "SegmentTypeColours.h"
#include "TrackTracer.h"

#include <cstdint>
#include <span>
#include <vector>

namespace mOGL3D {

// A dark green 440 x 440 square in the plane y = 0, facing up.
void DrawGround();

} // namespace mOGL3D

namespace mKV_TraceTrack {

// Rails first, then cross-ties laid out by trackStyle (the style the spine was built with),
// coloured by segment type, or blended between the colours of pointColours when it holds one
// per spine point (cross-ties at half brightness); selected segments white with grey
// cross-ties. Needs one entry on the name stack when picking.
void DrawTrack(const TraceState& state, int32_t trackStyle,
               std::span<const Colour> pointColours = {});

// The end points of the lines DrawTrack issues, in its order, two per line: the same
// geometry for a renderer that draws it another way.
std::vector<Vector3D> TrackLineVertices(const TraceState& state, int32_t trackStyle);

} // namespace mKV_TraceTrack
