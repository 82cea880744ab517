#pragma once

// The spine: one cross-section of the track per traced sample, in track order, and the
// selection flags that go with it.

#include "TrackTracer.h"

#include <cstdint>

namespace mKV_TraceTrack {

// Empties the spine and clears one selection flag per traced segment.
void ResetSpine(TraceState& state);

void AddSpinePoint(TraceState& state, const Vector3D& center, const Vector3D& railRight,
                   const Vector3D& railLeft, const Vector3D& braceRight, const Vector3D& braceLeft,
                   const Vector3D& outerRight, const Vector3D& outerLeft, int32_t segType,
                   int32_t segIndex);

// Resets the spine (clearing the selection) and adds one cross-section per sample in
// track order, laid out by doc.TrackStyle; a closed track gets one more point repeating
// the first.
void BuildSpine(TraceState& state, const mKavrano_TrackIO_1_3::TrackDocument& doc);

} // namespace mKV_TraceTrack
