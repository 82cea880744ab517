#pragma once

// The clock of a ride along the track: seconds of the lap that run at a chosen rate of a steady
// clock, pause and resume, and stop at the lap's end. Free of Qt; the caller reads the clock.

#include <array>

namespace mCamera3D {

inline constexpr std::array<double, 5> kRideRates{0.25, 0.5, 1.0, 2.0, 4.0};
inline constexpr int kNormalRideRate = 2; // x1

struct RideClock {
    double LapSeconds = 0.0; // where the ride is, in seconds from the lap's start
    double Duration = 0.0;   // the lap's length in seconds
    double ReadAt = 0.0;     // the clock's reading LapSeconds is up to date with
    int RateIndex = kNormalRideRate;
    bool Paused = false;
};

// At the lap's start, running at x1, from the clock reading now.
void StartRideClock(RideClock& ride, double duration, double now);
// Brings the lap time up to the reading now; it stops at the lap's end.
void AdvanceRideClock(RideClock& ride, double now);
// Pauses a running ride, resumes a paused one; the time up to now counts at the old state.
void PauseRideClock(RideClock& ride, double now);
// Faster (steps > 0) or slower along kRideRates, staying within it.
void ChangeRideRate(RideClock& ride, double now, int steps);
bool RideClockEnded(const RideClock& ride);

} // namespace mCamera3D
