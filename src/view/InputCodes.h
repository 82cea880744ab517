#pragma once

// Qt's keys and mouse buttons in the codes the camera reads.

#include <Qt>
#include <cstdint>

namespace mCamera3D {

// The virtual-key code of a Qt key: letters keep their code, Shift, Ctrl, Page Up and Page Down
// get theirs; -1 for every key the camera has no use for.
int32_t KeyCodeFromQt(int qtKey);

// 1 left, 2 right, 4 middle; 0 for any other button.
int16_t ButtonFromQt(Qt::MouseButton button);

} // namespace mCamera3D
