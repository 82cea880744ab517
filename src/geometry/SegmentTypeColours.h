#pragma once

// The colour of each segment type, shared by the 3D view's rails and the ride preview's bands.

#include <array>
#include <cstddef>
#include <cstdint>

namespace mKV_TraceTrack {

struct Colour {
    float r;
    float g;
    float b;
};

inline constexpr Colour kWhite{1.0f, 1.0f, 1.0f};

// Segment types 0 to 4; any other type is white.
inline Colour SegmentTypeColour(int32_t segType) {
    constexpr std::array<Colour, 5> kColours{{
        {0.0f, 0.75f, 1.0f}, // plain track
        {1.0f, 0.5f, 0.0f},  // station
        {0.0f, 1.0f, 0.0f},  // lift
        {1.0f, 1.0f, 0.0f},  // transport
        {1.0f, 0.0f, 0.0f},  // brake
    }};
    if (segType < 0 || segType >= static_cast<int32_t>(kColours.size()))
        return kWhite;
    return kColours[static_cast<std::size_t>(segType)];
}

} // namespace mKV_TraceTrack
