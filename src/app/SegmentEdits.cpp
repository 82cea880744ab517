#include "SegmentEdits.h"

#include <algorithm>

namespace mMain {

std::vector<SegmentEdit>
PlanSelectedSegmentEdits(const mKV_TraceTrack::TraceState& trace,
                         const mKavrano_TrackIO_1_3::TrackDocument& doc,
                         const std::function<void(mKavrano_TrackIO_1_3::TrackSegment&)>& change) {
    // Flags and records come from different owners; only indexes both hold are edited.
    const auto count = static_cast<int32_t>(
        std::min<int64_t>({trace.TracedSegmentCount, int64_t(trace.SegmentSelected.size()),
                           doc.SegmentCount, int64_t(doc.Segments.size())}));
    std::vector<int32_t> selected;
    for (int32_t i = 0; i < count; ++i) {
        if (trace.SegmentSelected[size_t(i)])
            selected.push_back(i);
    }
    return PlanSegmentEdits(
        doc, selected, [&change](int32_t, mKavrano_TrackIO_1_3::TrackSegment& s) { change(s); });
}

std::vector<SegmentEdit> PlanSegmentEdits(
    const mKavrano_TrackIO_1_3::TrackDocument& doc, const std::vector<int32_t>& indexes,
    const std::function<void(int32_t index, mKavrano_TrackIO_1_3::TrackSegment&)>& change) {
    std::vector<SegmentEdit> edits;
    edits.reserve(indexes.size());
    for (const int32_t i : indexes) {
        SegmentEdit edit{i, doc.Segments[size_t(i)], doc.Segments[size_t(i)]};
        change(i, edit.After);
        edits.push_back(std::move(edit));
    }
    return edits;
}

} // namespace mMain
