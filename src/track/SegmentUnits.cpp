#include "SegmentUnits.h"

#include <limits>

namespace mKavrano_TrackIO_1_3 {

float StoredSingle(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax)
        return std::numeric_limits<float>::max();
    if (value < -kMax)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

} // namespace mKavrano_TrackIO_1_3
