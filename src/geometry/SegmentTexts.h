#pragma once

// What the view says about segments: the tooltip of one, and the summary of the selection.

#include "TrackDocument.h"
#include "TrackTracer.h"

#include <cstdint>
#include <string>

namespace mKV_TraceTrack {

// "Plain", "Station", "Lift", "Transport", "Brake"; "Type n" for any other SegmentType.
std::string SegmentTypeName(int32_t type);

// "Segment 12: Lift, 28.4 m", with " (selected)" when it is; the length is the traced one.
// Empty when index is not a traced segment.
std::string SegmentTooltip(const TraceState& trace, const mKavrano_TrackIO_1_3::TrackDocument& doc,
                           int32_t index);

// "3 selected: 2 Lift, 1 Brake · 84.2 m": the count, the count of each type in type order and
// the total traced length. Empty when nothing is selected.
std::string SelectionSummary(const TraceState& trace,
                             const mKavrano_TrackIO_1_3::TrackDocument& doc);

} // namespace mKV_TraceTrack
