#include "RideClock.h"

#include <algorithm>

namespace mCamera3D {

void StartRideClock(RideClock& ride, double duration, double now) {
    ride = RideClock{0.0, std::max(duration, 0.0), now, kNormalRideRate, false};
}

void AdvanceRideClock(RideClock& ride, double now) {
    if (!ride.Paused) {
        ride.LapSeconds = std::min(
            ride.LapSeconds + (now - ride.ReadAt) * kRideRates[ride.RateIndex], ride.Duration);
    }
    ride.ReadAt = now;
}

void PauseRideClock(RideClock& ride, double now) {
    AdvanceRideClock(ride, now);
    ride.Paused = !ride.Paused;
}

void ChangeRideRate(RideClock& ride, double now, int steps) {
    AdvanceRideClock(ride, now);
    ride.RateIndex = std::clamp(ride.RateIndex + steps, 0, int(kRideRates.size()) - 1);
}

bool RideClockEnded(const RideClock& ride) {
    return ride.LapSeconds >= ride.Duration;
}

} // namespace mCamera3D
