#include "SegmentEdits.h"

#include <algorithm>

namespace mMain {

std::vector<SegmentEdit>
PlanSelectedSegmentEdits(const mKV_TraceTrack::TraceState& trace,
                         const mKavrano_TrackIO_1_3::TrackDocument& doc,
                         const std::function<void(mKavrano_TrackIO_1_3::TrackSegment&)>& change) {
    std::vector<SegmentEdit> edits;
    // Flags and records come from different owners; only indexes both hold are edited.
    const auto count = static_cast<int32_t>(
        std::min<int64_t>({trace.TracedSegmentCount, int64_t(trace.SegmentSelected.size()),
                           doc.SegmentCount, int64_t(doc.Segments.size())}));
    for (int32_t i = 0; i < count; ++i) {
        if (!trace.SegmentSelected[size_t(i)])
            continue;
        SegmentEdit edit{i, doc.Segments[size_t(i)], doc.Segments[size_t(i)]};
        change(edit.After);
        edits.push_back(std::move(edit));
    }
    return edits;
}

} // namespace mMain
