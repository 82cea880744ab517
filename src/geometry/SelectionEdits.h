#pragma once

// How the user changes which segments are selected: all, none, a range along the track, every
// segment of a type, or a click that picks one of these.

#include "TrackTracer.h"

#include <cstdint>

namespace mKV_TraceTrack {

void SelectAllSegments(TraceState& state);
void UnselectAllSegments(TraceState& state);

// Selects segments from and to and every one between them along the track; on a closed track
// the shorter way round (forward from `from` when both ways are as long).
void SelectSegmentRange(TraceState& state, int32_t from, int32_t to, bool closed);

// Selects, or unselects, every segment whose SegmentType is type.
void SetTypeSelected(TraceState& state, const mKavrano_TrackIO_1_3::TrackDocument& doc,
                     int32_t type, bool selected);

// How a click on a segment changes the selection.
enum class ClickAction {
    Toggle,   // that segment flips
    AddRange, // the segments from the one clicked last to this one are added
    ByType,   // every segment of its type is added, or removed when it was selected
};

// A click that picked name: a segment index, or anything else for the ground or nothing. On a
// segment the action applies and the segment becomes the one clicked last; off the track a
// plain click clears the selection and the others change nothing.
void ClickSegment(TraceState& state, const mKavrano_TrackIO_1_3::TrackDocument& doc, int32_t name,
                  ClickAction action);

} // namespace mKV_TraceTrack
