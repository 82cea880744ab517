#include "RideColourMaps.h"

#include "RideFilter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace mKV_RidePreview {

using mKV_TraceTrack::Colour;

namespace {

// The force maps reach at least this far from their centre.
constexpr double kLeastForceSpan = 3.0;

// Evenly spaced stops over [0, 1], linearly blended.
template <std::size_t N> Colour Blend(const std::array<Colour, N>& stops, double t) {
    const double at = std::clamp(std::isfinite(t) ? t : 0.0, 0.0, 1.0) * double(N - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(at), N - 2);
    const float f = static_cast<float>(at - double(i));
    const Colour& a = stops[i];
    const Colour& b = stops[i + 1];
    return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

ColourScale Centred(double centre, const ForcePeak& peak) {
    const double span = std::max({kLeastForceSpan, peak.Max - centre, centre - peak.Min});
    return {centre - span, centre, centre + span};
}

} // namespace

ColourBy NextColourBy(ColourBy by) {
    switch (by) {
    case ColourBy::SegmentType:
        return ColourBy::Speed;
    case ColourBy::Speed:
        return ColourBy::VerticalG;
    case ColourBy::VerticalG:
        return ColourBy::LateralG;
    case ColourBy::LateralG:
        break;
    }
    return ColourBy::SegmentType;
}

std::string ColourByName(ColourBy by) {
    const std::string filtered = " (" + std::to_string(std::lround(kFilterCornerHz)) + " Hz)";
    switch (by) {
    case ColourBy::Speed:
        return "Speed (km/h)";
    case ColourBy::VerticalG:
        return "Vertical g" + filtered;
    case ColourBy::LateralG:
        return "Lateral g" + filtered;
    case ColourBy::SegmentType:
        break;
    }
    return {};
}

ColourScale ScaleOf(ColourBy by, const RidePeaks& peaks) {
    switch (by) {
    case ColourBy::Speed: {
        const double top = peaks.Speed.Max * kKmhPerMps;
        return {0.0, top / 2.0, top};
    }
    case ColourBy::VerticalG:
        return Centred(1.0, peaks.VerticalG);
    case ColourBy::LateralG:
        return Centred(0.0, peaks.LateralG);
    case ColourBy::SegmentType:
        break;
    }
    return {};
}

Colour SequentialColour(double t) {
    static constexpr std::array<Colour, 5> kStops{{
        {0.267f, 0.005f, 0.329f},
        {0.229f, 0.322f, 0.546f},
        {0.128f, 0.567f, 0.551f},
        {0.369f, 0.789f, 0.383f},
        {0.993f, 0.906f, 0.144f},
    }};
    return Blend(kStops, t);
}

Colour DivergingColour(double t) {
    static constexpr std::array<Colour, 5> kStops{{
        {0.10f, 0.30f, 0.90f},
        {0.45f, 0.62f, 0.92f},
        {0.85f, 0.85f, 0.85f},
        {0.95f, 0.55f, 0.42f},
        {0.90f, 0.10f, 0.10f},
    }};
    return Blend(kStops, (t + 1.0) / 2.0);
}

Colour ScaleColour(ColourBy by, const ColourScale& scale, double value) {
    if (!std::isfinite(value))
        return kUnreachedColour;
    if (by == ColourBy::Speed) {
        return SequentialColour(
            scale.High > scale.Low ? (value - scale.Low) / (scale.High - scale.Low) : 0.0);
    }
    const double half = scale.High - scale.Centre;
    return DivergingColour(half > 0.0 ? (value - scale.Centre) / half : 0.0);
}

} // namespace mKV_RidePreview
