#include "SegmentRideStats.h"
#include "RideFilter.h"

#include <algorithm>
#include <cmath>

namespace mKV_RidePreview {

namespace {

SegmentRideStats At(const FilteredSample& f) {
    return {0.0, f.VerticalG, f.VerticalG, f.LateralG, f.LateralG};
}

void Widen(SegmentRideStats& stats, const FilteredSample& f) {
    stats.MinVerticalG = std::min(stats.MinVerticalG, f.VerticalG);
    stats.MaxVerticalG = std::max(stats.MaxVerticalG, f.VerticalG);
    stats.MinLateralG = std::min(stats.MinLateralG, f.LateralG);
    stats.MaxLateralG = std::max(stats.MaxLateralG, f.LateralG);
}

} // namespace

std::vector<std::optional<SegmentRideStats>> StatsBySegment(const RidePreview& ride,
                                                            int32_t segmentCount) {
    const size_t count = size_t(std::max(segmentCount, 0));
    const auto onTrack = [count](int32_t segment) {
        return segment >= 0 && size_t(segment) < count;
    };
    // The lap reaches a segment where one of its samples lies; it enters at the first.
    std::vector<const RideSample*> entries(count, nullptr);
    for (const RideSample& s : ride.Samples) {
        if (onTrack(s.Segment) && !entries[size_t(s.Segment)])
            entries[size_t(s.Segment)] = &s;
    }

    std::vector<std::optional<SegmentRideStats>> stats(count);
    for (const FilteredSample& f : ride.Filtered) {
        if (!onTrack(f.Segment) || !entries[size_t(f.Segment)])
            continue;
        std::optional<SegmentRideStats>& entry = stats[size_t(f.Segment)];
        if (entry) {
            Widen(*entry, f);
        } else {
            entry = At(f);
        }
    }
    for (size_t i = 0; i < count; ++i) {
        const RideSample* first = entries[i];
        if (!first || ride.Filtered.empty())
            continue;
        // A segment passed between two filtered instants takes the forces at the nearest one.
        if (!stats[i]) {
            const double instant = std::max(std::round(first->Time * kFilterRate), 0.0);
            stats[i] = At(ride.Filtered[std::min(size_t(instant), ride.Filtered.size() - 1)]);
        }
        stats[i]->EntrySpeed = first->Speed;
    }
    return stats;
}

} // namespace mKV_RidePreview
