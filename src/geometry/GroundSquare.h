#pragma once

// The ground square under the track, as drawn and as picked.

#include "Vector3D.h"

#include <array>
#include <cstdint>

namespace mOGL3D {

// The ground's pick name: above every segment index a document can hold, so that no segment
// is ever taken for the ground.
inline constexpr int32_t kGroundPickName = 0x7FFFFFFF;

// The ground square in drawing order: counter-clockwise seen from above, so its front faces up.
inline constexpr std::array<Vector3D, 4> kGroundCorners{{
    {-220.0f, 0.0f, -220.0f},
    {-220.0f, 0.0f, 220.0f},
    {220.0f, 0.0f, 220.0f},
    {220.0f, 0.0f, -220.0f},
}};

} // namespace mOGL3D
