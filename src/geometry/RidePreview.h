#pragma once

// An estimate of one lap of the train from the traced track and the segments' settings: its
// speed at every sample and the forces the riders feel there. The train is a point; the
// simulator stays the judge.

#include "TrackDocument.h"
#include "TrackTracer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mKV_RidePreview {

// The gravity the settings panels convert with, in m/s².
inline constexpr double kGravity = 9.816650390625;
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
    double Distance = 0.0; // metres from the start sample
    double Height = 0.0;   // metres
    double Speed = 0.0;    // m/s
    double VerticalG = 0.0;
    double LateralG = 0.0;
    double LongitudinalG = 0.0;

    friend bool operator==(const RideSample&, const RideSample&) = default;
};

struct RidePreview {
    bool Started = false; // false: the track has no lift or transport, and nothing else is set
    int32_t StartSegment = -1;
    double StartSpeed = 0.0;
    int32_t EndSegment = -1;
    RideEnd EndReason = RideEnd::End;
    double EndSpeed = 0.0;
    std::vector<RideSample> Samples; // from the start sample to the end sample, both included

    friend bool operator==(const RidePreview&, const RidePreview&) = default;
};

// Why a preview did not start.
inline constexpr const char* kNoStartReason = "needs a lift or a transport to start";

// The lap of a track traced from doc; trace must hold doc's traced segments.
RidePreview PreviewRide(const mKV_TraceTrack::TraceState& trace,
                        const mKavrano_TrackIO_1_3::TrackDocument& doc,
                        const RideLosses& losses = {});

// "Completes the lap at 412 m", "Stalls in segment 23 at 412 m", and so on; kNoStartReason
// when the preview did not start.
std::string DescribeRideEnd(const RidePreview& ride);

} // namespace mKV_RidePreview
