#pragma once

// The ways the track can be coloured by its ride, and the colour maps they use: pure functions
// of a value and the lap's extremes.

#include "RidePreview.h"
#include "SegmentTypeColours.h"

#include <string>

namespace mKV_RidePreview {

enum class ColourBy { SegmentType, Speed, VerticalG, LateralG };

// The next way in the cycle, after LateralG back to SegmentType.
ColourBy NextColourBy(ColourBy by);

// "Speed (km/h)", "Vertical g (5 Hz)", "Lateral g (5 Hz)"; empty for SegmentType.
std::string ColourByName(ColourBy by);

// Where the train never comes.
inline constexpr mKV_TraceTrack::Colour kUnreachedColour{0.3f, 0.3f, 0.3f};

// The values a map runs through, in the unit its legend shows (km/h or g): Low and High at its
// ends, Centre at its middle.
struct ColourScale {
    double Low = 0.0;
    double Centre = 0.0;
    double High = 0.0;

    friend bool operator==(const ColourScale&, const ColourScale&) = default;
};

// Speed from 0 to the top speed; the forces centred on 1 g (vertical) or 0 g (lateral), out to
// the farther extreme or 3 g, whichever is farther.
ColourScale ScaleOf(ColourBy by, const RidePeaks& peaks);

// Dark blue at 0 through green to yellow at 1, perceptually even; clamped.
mKV_TraceTrack::Colour SequentialColour(double t);
// Blue at -1, white-grey at 0, red at 1; clamped.
mKV_TraceTrack::Colour DivergingColour(double t);

// The colour of value on the map of `by` over scale; a value that is not finite is unreached.
mKV_TraceTrack::Colour ScaleColour(ColourBy by, const ColourScale& scale, double value);

} // namespace mKV_RidePreview
