#include "SegmentTexts.h"

#include <array>
#include <charconv>
#include <map>

namespace mKV_TraceTrack {

namespace {

// Metres with one decimal, whatever the locale.
std::string Metres(double length) {
    std::array<char, 32> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), length, std::chars_format::fixed, 1);
    return std::string(text.data(), end.ptr) + " m";
}

bool IsTraced(const TraceState& trace, const mKavrano_TrackIO_1_3::TrackDocument& doc, int32_t i) {
    return i >= 0 && i < trace.TracedSegmentCount &&
           static_cast<size_t>(i) < trace.TracedSegments.size() &&
           static_cast<size_t>(i) < doc.Segments.size();
}

bool IsSelected(const TraceState& trace, int32_t i) {
    return static_cast<size_t>(i) < trace.SegmentSelected.size() &&
           trace.SegmentSelected[static_cast<size_t>(i)];
}

} // namespace

std::string SegmentTypeName(int32_t type) {
    static const char* const kNames[] = {"Plain", "Station", "Lift", "Transport", "Brake"};
    if (type >= 0 && type < static_cast<int32_t>(std::size(kNames)))
        return kNames[type];
    return "Type " + std::to_string(type);
}

std::string SegmentTooltip(const TraceState& trace, const mKavrano_TrackIO_1_3::TrackDocument& doc,
                           int32_t index) {
    if (!IsTraced(trace, doc, index))
        return {};
    const size_t i = static_cast<size_t>(index);
    return "Segment " + std::to_string(index) + ": " +
           SegmentTypeName(doc.Segments[i].SegmentType) + ", " +
           Metres(trace.TracedSegments[i].Length) + (IsSelected(trace, index) ? " (selected)" : "");
}

std::string SelectionSummary(const TraceState& trace,
                             const mKavrano_TrackIO_1_3::TrackDocument& doc) {
    std::map<int32_t, int32_t> perType;
    int32_t count = 0;
    double length = 0.0;
    for (int32_t i = 0; IsTraced(trace, doc, i); ++i) {
        if (IsSelected(trace, i)) {
            ++count;
            ++perType[doc.Segments[static_cast<size_t>(i)].SegmentType];
            length += trace.TracedSegments[static_cast<size_t>(i)].Length;
        }
    }
    if (count == 0)
        return {};
    std::string text = std::to_string(count) + " selected: ";
    for (auto it = perType.begin(); it != perType.end(); ++it) {
        text += (it == perType.begin() ? "" : ", ") + std::to_string(it->second) + " " +
                SegmentTypeName(it->first);
    }
    return text + " \u00B7 " + Metres(length);
}

} // namespace mKV_TraceTrack
