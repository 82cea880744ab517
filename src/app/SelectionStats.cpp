#include "SelectionStats.h"

namespace mMain {

namespace {

bool IsSelected(const mKV_TraceTrack::TraceState& trace, int32_t i) {
    return size_t(i) < trace.SegmentSelected.size() && trace.SegmentSelected[size_t(i)];
}

} // namespace

int32_t CountSelectedSegments(const mKV_TraceTrack::TraceState& trace) {
    int32_t n = 0;
    for (int32_t i = 0; i < trace.TracedSegmentCount; ++i)
        n += IsSelected(trace, i) ? 1 : 0;
    return n;
}

int32_t FirstSelectedSegment(const mKV_TraceTrack::TraceState& trace) {
    for (int32_t i = 0; i < trace.TracedSegmentCount; ++i) {
        if (IsSelected(trace, i))
            return i;
    }
    return -1;
}

int32_t CommonSegmentType(const mKV_TraceTrack::TraceState& trace,
                          const mKavrano_TrackIO_1_3::TrackDocument& doc) {
    int32_t common = -1;
    bool first = true;
    for (int32_t i = 0; i < trace.TracedSegmentCount && i < doc.SegmentCount; ++i) {
        if (!IsSelected(trace, i))
            continue;
        const int32_t type = doc.Segments[size_t(i)].SegmentType;
        if (first) {
            common = type;
        } else if (type != common) {
            return -1;
        }
        first = false;
    }
    return common;
}

} // namespace mMain
