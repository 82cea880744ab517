#pragma once

// The view's projection, shared by the frame, the picker and the camera's framing.

namespace mOGL3D {

inline constexpr double kViewFovY = 45.0;
inline constexpr double kViewZNear = 0.1;
inline constexpr double kViewZFar = 650.0;

} // namespace mOGL3D
