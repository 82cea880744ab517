#pragma once

#include "TrackDocument.h"
#include "TrackTracer.h"

#include <cstdint>

namespace mMain {

int32_t CountSelectedSegments(const mKV_TraceTrack::TraceState& trace);

// The smallest selected index, or -1.
int32_t FirstSelectedSegment(const mKV_TraceTrack::TraceState& trace);

// The SegmentType all selected segments share, or -1 when they differ or none is selected.
int32_t CommonSegmentType(const mKV_TraceTrack::TraceState& trace,
                          const mKavrano_TrackIO_1_3::TrackDocument& doc);

} // namespace mMain
