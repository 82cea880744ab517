#pragma once

// Small known tracks for the view's tests, built as documents and traced by the tracer.

#include "TrackDocument.h"
#include "TrackTracer.h"

#include <cstdint>
#include <vector>

namespace viewtest {

// A loop of straight segments: segment i runs from corners[i] to the next corner, the last one
// back to corners[0]; types[i] is segment i's type.
mKavrano_TrackIO_1_3::TrackDocument LoopTrack(const std::vector<Vector3D>& corners,
                                              const std::vector<int32_t>& types,
                                              int32_t trackStyle = 0);

// Traces doc and builds its spine into trace.
void TraceInto(mKV_TraceTrack::TraceState& trace, const mKavrano_TrackIO_1_3::TrackDocument& doc);

Vector3D Midpoint(const Vector3D& a, const Vector3D& b);

} // namespace viewtest
