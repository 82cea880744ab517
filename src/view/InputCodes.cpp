#include "InputCodes.h"

#include "Camera3D.h"

namespace mCamera3D {

int32_t KeyCodeFromQt(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // Qt's letter keys are their upper-case ASCII codes, as are the key codes
    switch (qtKey) {
    case Qt::Key_Shift:
        return kKeyShift;
    case Qt::Key_Control:
        return kKeyCtrl;
    case Qt::Key_PageUp:
        return kKeyPageUp;
    case Qt::Key_PageDown:
        return kKeyPageDown;
    default:
        return -1;
    }
}

int16_t ButtonFromQt(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return kButtonLeft;
    case Qt::RightButton:
        return kButtonRight;
    case Qt::MiddleButton:
        return kButtonMiddle;
    default:
        return 0;
    }
}

} // namespace mCamera3D
