#pragma once

// What the lap of a ride preview does on each segment: the speed it enters with and the
// extremes of the filtered forces on it.

#include "RidePreview.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace mKV_RidePreview {

struct SegmentRideStats {
    double EntrySpeed = 0.0; // m/s, at the first sample of the segment on the lap
    double MinVerticalG = 0.0;
    double MaxVerticalG = 0.0;
    double MinLateralG = 0.0;
    double MaxLateralG = 0.0;
};

// One entry per segment 0 to segmentCount - 1; none for a segment the lap does not reach.
std::vector<std::optional<SegmentRideStats>> StatsBySegment(const RidePreview& ride,
                                                            int32_t segmentCount);

} // namespace mKV_RidePreview
