#pragma once

// The forces of a lap as ride analysts read them: resampled evenly in time and passed through
// a 4-pole single-pass Butterworth low pass, so that they can be held against published ride
// data and limits, and the jitter of the geometry does not show as a force.

#include "RidePreview.h"

#include <vector>

namespace mKV_RidePreview {

inline constexpr int kFilterRate = 100;      // samples per second
inline constexpr double kFilterCornerHz = 5; // the low pass's corner

// y[n] = b0·x[n] + b1·x[n−1] + b2·x[n−2] − a1·y[n−1] − a2·y[n−2]
struct FilterSection {
    double B0, B1, B2, A1, A2;

    constexpr double Gain() const { return (B0 + B1 + B2) / (1.0 + A1 + A2); }
};

// The 5 Hz corner at 100 Hz by the bilinear transform with prewarping.
inline constexpr FilterSection kFilterSections[2] = {
    {0.00041659920440659937, 0.0008331984088131987, 0.00041659920440659937, -1.4796742169311934,
     0.5558215432824889},
    {1.0, 2.0, 1.0, -1.7009643319435257, 0.7884997398152979},
};

// Two second-order sections in series, each started as if its input had always been the first
// input it is given, so that a constant passes unchanged from the first sample on.
class ForceFilter {
public:
    explicit ForceFilter(double first);

    // Inline: the lap's filtering runs it some hundred thousand times.
    double Next(double x) {
        for (int i = 0; i < 2; ++i) {
            const FilterSection& q = kFilterSections[i];
            History& h = sections[i];
            // The last output's term last: the next output waits for the fewest operations.
            const double y = (q.B0 * x + q.B1 * h.X1 + q.B2 * h.X2 - q.A2 * h.Y2) - q.A1 * h.Y1;
            h = {x, h.X1, y, h.Y1};
            x = y;
        }
        return x;
    }

private:
    struct History {
        double X1, X2, Y1, Y2;
    };
    History sections[2];
};

// Into `out`, in place of what it held: the samples' forces, distance and segment at 0,
// 1/kFilterRate, … seconds up to the last sample's time, the forces filtered; nothing without
// samples.
void FilterRide(const std::vector<RideSample>& samples, std::vector<FilteredSample>& out);

} // namespace mKV_RidePreview
