#pragma once

// Picking the segment under the mouse: the scene rendered once more in selection mode through
// a small window around the click, and the nearest hit taken.

#include "FrameRendering.h"
#include "TrackTracer.h"

#include <GL/gl.h>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace mOGL3D {

inline constexpr int32_t NoPick = -1;
inline constexpr std::size_t PickBufferEntries = 2048;
inline constexpr double PickWindowPixels = 10.0;

// The name of the nearest of the first hits records in buffer: the smallest minimum depth,
// compared unsigned; equal depths keep the earlier record. NoPick when there is none.
int32_t NearestHit(std::span<const GLuint> buffer, GLint hits);

// The selection buffer that holds every hit a frame of this spine can produce: each change of
// name (ground, then every segment in both passes) can close one hit record.
std::size_t PickBufferBound(const mKV_TraceTrack::TraceState& trace);

// The name under (x, y), in the viewport's pixels from the top left: a segment index, the
// ground's name, or NoPick. renderFrame draws the scene; view.PickMode is set around it.
// A selection buffer that overflows is grown, up to maxEntries, and the pick rendered again.
int32_t PickAt(ViewState& view, int32_t x, int32_t y, std::size_t maxEntries,
               const std::function<void()>& renderFrame);

// A click that picked name: a segment toggles its selection; the ground or nothing clears the
// whole selection.
void TogglePickedSegment(mKV_TraceTrack::TraceState& trace, int32_t name);

} // namespace mOGL3D
