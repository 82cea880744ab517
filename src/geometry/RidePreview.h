#pragma once

// An estimate of one lap of the train from the traced track and the segments' settings: its
// speed and time at every sample, the forces the riders feel there, those forces filtered as
// ride analysts read them, and the lap's peaks. The train is a point; the simulator stays the
// judge.

#include "SegmentUnits.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mKV_RidePreview {

// The ride's speeds are computed, not stored: they show in km/h at the exact factor, where a
// stored setting converts with mKavrano_TrackIO_1_3::kKmphFactor. Its forces are in units of
// mKavrano_TrackIO_1_3::kGFactor, the gravity the settings panels convert with.
inline constexpr double kKmhPerMps = 3.6;
// Rolling resistance as a fraction of the weight.
inline constexpr double kRollingResistance = 0.005;
// Air drag per metre: the deceleration is kAirDrag · v².
inline constexpr double kAirDrag = 0.00025;

// The losses outside the motors and brakes; tests turn them off to check the exact physics.
struct RideLosses {
    double Rolling = kRollingResistance;
    double Drag = kAirDrag;
};

enum class RideEnd { Lap, End, Station, Stop, Stall };

// "lap", "end", "station", "stop" or "stall".
const char* RideEndName(RideEnd reason);

struct RideSample {
    int32_t Segment = 0;
    int32_t Sample = 0;    // the traced sample of Segment the train is at
    double Distance = 0.0; // metres from the start sample
    double Time = 0.0;     // seconds from the start sample
    double Height = 0.0;   // metres
    double Speed = 0.0;    // m/s
    double VerticalG = 0.0;
    double LateralG = 0.0;
    double LongitudinalG = 0.0;

    friend bool operator==(const RideSample&, const RideSample&) = default;
};

// The forces at one instant of the lap's even time steps, filtered.
struct FilteredSample {
    double Time = 0.0;
    double Distance = 0.0;
    int32_t Segment = 0;
    double VerticalG = 0.0;
    double LateralG = 0.0;
    double LongitudinalG = 0.0;

    friend bool operator==(const FilteredSample&, const FilteredSample&) = default;
};

// The extremes of one filtered force and the distance where each first occurs.
struct ForcePeak {
    double Max = 0.0;
    double MaxAt = 0.0;
    double Min = 0.0;
    double MinAt = 0.0;

    friend bool operator==(const ForcePeak&, const ForcePeak&) = default;
};

// The top speed of the samples, in m/s, and the distance where it first occurs.
struct SpeedPeak {
    double Max = 0.0;
    double At = 0.0;

    friend bool operator==(const SpeedPeak&, const SpeedPeak&) = default;
};

struct RidePeaks {
    double Length = 0.0;   // metres
    double Duration = 0.0; // seconds
    SpeedPeak Speed;
    ForcePeak VerticalG;
    ForcePeak LateralG;
    ForcePeak LongitudinalG;

    friend bool operator==(const RidePeaks&, const RidePeaks&) = default;
};

struct RidePreview {
    bool Started = false; // false: NoStart says why, and nothing else is set
    std::string NoStart;
    int32_t StartSegment = -1;
    double StartSpeed = 0.0;
    int32_t EndSegment = -1;
    RideEnd EndReason = RideEnd::End;
    double EndSpeed = 0.0;
    std::vector<RideSample> Samples;      // from the start sample to the end sample, both included
    std::vector<FilteredSample> Filtered; // from time 0 to the last sample's time
    RidePeaks Peaks;

    friend bool operator==(const RidePreview&, const RidePreview&) = default;
};

// Why a preview did not start.
inline constexpr const char* kStationEndsTrack = "the station ends the track";
inline constexpr const char* kNothingToStart = "needs a station, a lift or a transport to start";

// The lap of a track traced from doc; trace must hold doc's traced segments. Given the last
// lap, it reuses its storage: a lap of a large track is megabytes the allocator would otherwise
// map afresh.
RidePreview PreviewRide(const mKV_TraceTrack::TraceState& trace,
                        const mKavrano_TrackIO_1_3::TrackDocument& doc,
                        const RideLosses& losses = {}, RidePreview&& last = {});

// One decimal, with a true minus sign (U+2212, UTF-8) and never a negative zero.
std::string SignedTenths(double v);

// "Completes the lap at 412 m", "Stalls in segment 23 at 412 m", and so on; NoStart when the
// preview did not start.
std::string DescribeRideEnd(const RidePreview& ride);

// "Lap 958 m in 2:56 · top speed 95 km/h · vertical −0.9 to 5.4 g · lateral −0.3 to 1.8 g ·
// longitudinal −0.5 to 0.5 g (5 Hz)" in UTF-8; empty when the preview did not start.
std::string DescribeLap(const RidePreview& ride);

} // namespace mKV_RidePreview
