#pragma once

// The forces of a lap as ride analysts read them: resampled evenly in time and passed through
// a 4-pole single-pass Butterworth low pass, so that they can be held against published ride
// data and limits, and the jitter of the geometry does not show as a force.

#include "RidePreview.h"

#include <vector>

namespace mKV_RidePreview {

inline constexpr int kFilterRate = 100;      // samples per second
inline constexpr double kFilterCornerHz = 5; // the low pass's corner

// Two second-order sections in series, each started as if its input had always been the first
// input it is given, so that a constant passes unchanged from the first sample on.
class ForceFilter {
public:
    explicit ForceFilter(double first);

    double Next(double x);

private:
    struct History {
        double X1, X2, Y1, Y2;
    };
    History sections[2];
};

// The samples' forces, distance and segment at 0, 1/kFilterRate, … seconds up to the last
// sample's time, the forces filtered; empty without samples.
std::vector<FilteredSample> FilterRide(const std::vector<RideSample>& samples);

} // namespace mKV_RidePreview
