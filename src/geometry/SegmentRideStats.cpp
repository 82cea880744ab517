#include "SegmentRideStats.h"

#include <algorithm>

namespace mKV_RidePreview {

std::vector<std::optional<SegmentRideStats>> StatsBySegment(const RidePreview& ride,
                                                            int32_t segmentCount) {
    std::vector<std::optional<SegmentRideStats>> stats(size_t(std::max(segmentCount, 0)));
    for (const RideSample& s : ride.Samples) {
        if (s.Segment < 0 || s.Segment >= segmentCount)
            continue;
        std::optional<SegmentRideStats>& entry = stats[size_t(s.Segment)];
        if (!entry) {
            entry = SegmentRideStats{s.Speed, s.VerticalG, s.VerticalG, s.LateralG, s.LateralG};
            continue;
        }
        entry->MinVerticalG = std::min(entry->MinVerticalG, s.VerticalG);
        entry->MaxVerticalG = std::max(entry->MaxVerticalG, s.VerticalG);
        entry->MinLateralG = std::min(entry->MinLateralG, s.LateralG);
        entry->MaxLateralG = std::max(entry->MaxLateralG, s.LateralG);
    }
    return stats;
}

} // namespace mKV_RidePreview
