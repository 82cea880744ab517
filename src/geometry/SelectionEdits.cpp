#include "SelectionEdits.h"

#include <algorithm>

namespace mKV_TraceTrack {

namespace {

int32_t SelectableCount(const TraceState& state) {
    return static_cast<int32_t>(std::min(static_cast<size_t>(std::max(state.TracedSegmentCount, 0)),
                                         state.SegmentSelected.size()));
}

void SetAllSegments(TraceState& state, bool selected) {
    std::fill_n(state.SegmentSelected.begin(), SelectableCount(state), selected);
}

bool IsSegment(const TraceState& state, int32_t name) {
    return name >= 0 && name < SelectableCount(state);
}

} // namespace

void SelectAllSegments(TraceState& state) {
    SetAllSegments(state, true);
}

void UnselectAllSegments(TraceState& state) {
    SetAllSegments(state, false);
}

void SelectSegmentRange(TraceState& state, int32_t from, int32_t to, bool closed) {
    const int32_t n = SelectableCount(state);
    if (!IsSegment(state, from) || !IsSegment(state, to))
        return;
    int32_t start = std::min(from, to);
    int32_t steps = std::abs(to - from);
    if (closed) {
        const int32_t forward = (to - from + n) % n;
        const int32_t backward = (from - to + n) % n;
        start = backward < forward ? to : from;
        steps = std::min(forward, backward);
    }
    for (int32_t k = 0; k <= steps; ++k)
        state.SegmentSelected[static_cast<size_t>((start + k) % n)] = true;
}

void SetTypeSelected(TraceState& state, const mKavrano_TrackIO_1_3::TrackDocument& doc,
                     int32_t type, bool selected) {
    const int32_t n = std::min(SelectableCount(state), static_cast<int32_t>(doc.Segments.size()));
    for (int32_t i = 0; i < n; ++i) {
        if (doc.Segments[static_cast<size_t>(i)].SegmentType == type)
            state.SegmentSelected[static_cast<size_t>(i)] = selected;
    }
}

void ClickSegment(TraceState& state, const mKavrano_TrackIO_1_3::TrackDocument& doc, int32_t name,
                  ClickAction action) {
    if (!IsSegment(state, name)) {
        if (action == ClickAction::Toggle)
            UnselectAllSegments(state);
        return;
    }
    const auto flag = state.SegmentSelected[static_cast<size_t>(name)];
    switch (action) {
    case ClickAction::Toggle:
        state.SegmentSelected[static_cast<size_t>(name)] = !flag;
        break;
    case ClickAction::AddRange:
        SelectSegmentRange(
            state, IsSegment(state, state.LastClickedSegment) ? state.LastClickedSegment : name,
            name, doc.TrackClosed);
        break;
    case ClickAction::ByType:
        if (static_cast<size_t>(name) < doc.Segments.size())
            SetTypeSelected(state, doc, doc.Segments[static_cast<size_t>(name)].SegmentType, !flag);
        break;
    }
    state.LastClickedSegment = name;
}

} // namespace mKV_TraceTrack
