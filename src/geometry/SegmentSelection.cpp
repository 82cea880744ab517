#include "TrackTracer.h"

#include <algorithm>

namespace mKV_TraceTrack {

namespace {

void SetAllSegments(TraceState& state, bool selected) {
    const size_t count = std::min(static_cast<size_t>(std::max(state.TracedSegmentCount, 0)),
                                  state.SegmentSelected.size());
    std::fill_n(state.SegmentSelected.begin(), count, selected);
}

} // namespace

void SelectAllSegments(TraceState& state) {
    SetAllSegments(state, true);
}

void UnselectAllSegments(TraceState& state) {
    SetAllSegments(state, false);
}

} // namespace mKV_TraceTrack
