#pragma once

// The ride preview laid onto the traced track: which spine point each sample of the lap is
// at, the colours of the spine by the ride, and where a rider is at a moment of the lap.

#include "RideColourMaps.h"
#include "RidePreview.h"
#include "TrackTracer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mKV_RidePreview {

// For every spine point, the first sample of the lap there, or -1 where the train never comes.
// A closed track's closing point takes the lap's return to its first point.
std::vector<int32_t> RideSampleAtSpinePoints(const RidePreview& ride,
                                             const mKV_TraceTrack::TraceState& trace);

// What a rider reads at one moment of the lap: speed in km/h, filtered forces in g.
struct RideMoment {
    double Time = 0.0;
    double Speed = 0.0;
    double VerticalG = 0.0;
    double LateralG = 0.0;
    int32_t Segment = 0;
};

// The moment at `time` seconds from the start, clamped to the lap, between samples blended;
// the ride must have started.
RideMoment MomentAt(const RidePreview& ride, double time);

// One colour per spine point on the map of `by`, unreached points grey (all of them when the
// ride did not start); empty for SegmentType.
std::vector<mKV_TraceTrack::Colour> SpineColours(ColourBy by, const RidePreview& ride,
                                                 const mKV_TraceTrack::TraceState& trace);

// A rider's eye and view: kRiderHeight above the rails along the track's up axis, looking
// along the direction of travel, rolled with the track.
inline constexpr double kRiderHeight = 1.2;
struct RidePose {
    Vector3D Eye;
    Vector3D Forward;
    Vector3D Up;
};

// The pose at `time` seconds from the start, clamped to the lap; the ride must have started
// from trace.
RidePose PoseAt(const RidePreview& ride, const mKV_TraceTrack::TraceState& trace, double time);

// "0:42 · 87 km/h · 3.2 g · −0.4 g lat · segment 17" in UTF-8.
std::string DescribeMoment(const RideMoment& moment);

} // namespace mKV_RidePreview
