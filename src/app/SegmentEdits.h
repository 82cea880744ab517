#pragma once

#include "TrackDocument.h"
#include "TrackTracer.h"

#include <cstdint>
#include <functional>
#include <vector>

// One run of an editor as data: the records it changes, before and after. Computing the edits
// and storing them are separate steps, so that the stored step can be kept and reversed.
namespace mMain {

struct SegmentEdit {
    int32_t Index = 0;
    mKavrano_TrackIO_1_3::TrackSegment Before;
    mKavrano_TrackIO_1_3::TrackSegment After;
};

// Segments `indexes` (increasing, each one the document holds) with their records as they are
// and as `change` leaves them. The document is not touched.
std::vector<SegmentEdit> PlanSegmentEdits(
    const mKavrano_TrackIO_1_3::TrackDocument& doc, const std::vector<int32_t>& indexes,
    const std::function<void(int32_t index, mKavrano_TrackIO_1_3::TrackSegment&)>& change);

// Every selected segment that the document holds, in increasing index order, with its record
// as it is and as `change` leaves it. The document is not touched.
std::vector<SegmentEdit>
PlanSelectedSegmentEdits(const mKV_TraceTrack::TraceState& trace,
                         const mKavrano_TrackIO_1_3::TrackDocument& doc,
                         const std::function<void(mKavrano_TrackIO_1_3::TrackSegment&)>& change);

} // namespace mMain
