#include "InputCodes.h"

#include "Camera3D.h"

namespace mCamera3D {

int32_t KeyCodeFromQt(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // Qt's letter keys are their upper-case ASCII codes, as are the key codes
    switch (qtKey) {
    case Qt::Key_Shift:
        return KeyShift;
    case Qt::Key_Control:
        return KeyCtrl;
    case Qt::Key_PageUp:
        return KeyPageUp;
    case Qt::Key_PageDown:
        return KeyPageDown;
    default:
        return -1;
    }
}

int16_t ButtonFromQt(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return ButtonLeft;
    case Qt::RightButton:
        return ButtonRight;
    case Qt::MiddleButton:
        return ButtonMiddle;
    default:
        return 0;
    }
}

} // namespace mCamera3D
