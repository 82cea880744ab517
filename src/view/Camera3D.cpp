#include "Camera3D.h"

#include "Math3D.h"
#include "Matrix3D.h"

#include <algorithm>

namespace mCamera3D {

namespace {

bool IsKeyCode(int32_t code) {
    return code >= 0 && code < kKeyCodeCount;
}

void ClampAxis(float& value, float low, float high) {
    if (value < low)
        value = low;
    if (value > high)
        value = high;
}

void MoveIf(CameraState& cam, bool condition, float x, float y, float z) {
    if (!condition)
        return;
    MoveCamera(cam, Vector3D{x, y, z});
    cam.CameraMoved = true;
}

} // namespace

float StepSize(bool shift, bool ctrl) {
    if (shift)
        return 1.0f;
    if (ctrl)
        return 0.1f;
    return 0.5f;
}

void ResetCamera(CameraState& cam) {
    cam.CamPos = Vector3D{0.0f, 5.0f, 0.0f};
    cam.CamRot = Vector3D{0.0f, 0.0f, 0.0f};
}

void Camera_KeyDown(CameraState& cam, CameraHost& host, int32_t code) {
    if (!IsKeyCode(code))
        return;
    cam.KeyState[code] = true;
    UpdateCamera(cam, host);
}

void Camera_KeyUp(CameraState& cam, int32_t code) {
    if (IsKeyCode(code))
        cam.KeyState[code] = false;
}

void ReleaseAllKeys(CameraState& cam) {
    cam.KeyState.fill(false);
}

bool Camera_MouseDown(CameraState& cam, CameraHost& host, int16_t button, float x, float y) {
    cam.LastMouseX = x;
    cam.LastMouseY = y;
    cam.MouseButton = button;
    if (button == kButtonRight) {
        if (cam.LookMode != kLookOff) {
            cam.LookMode = kLookOff;
            ShowMouseCursor(cam, host);
        } else {
            cam.LookMode = kLookAwaitingReference;
            HideMouseCursor(cam, host);
        }
        return true;
    }
    if (cam.LookMode < kLookActive)
        return false;
    UpdateCamera(cam, host);
    return true;
}

void Camera_MouseUp(CameraState& cam) {
    if (cam.LookMode > kLookOff)
        cam.MouseButton = 0;
}

void Camera_MouseMove(CameraState& cam, CameraHost& host, float x, float y) {
    if (cam.LookMode < kLookActive)
        return;
    if (cam.LookMode == kLookAwaitingReference) {
        cam.LastMouseX = x;
        cam.LastMouseY = y;
        cam.LookMode = kLookActive;
        return;
    }
    if (x != cam.LastMouseX) {
        cam.CamRot.y += (cam.LastMouseX - x) * kDegreesPerPixel;
        cam.CameraMoved = true;
    }
    if (y != cam.LastMouseY) {
        cam.CamRot.x += (cam.LastMouseY - y) * kDegreesPerPixel;
        cam.CameraMoved = true;
    }
    if (cam.CameraMoved) {
        // The cursor goes back to the centre; its next position there is the new reference.
        cam.LookMode = kLookAwaitingReference;
        host.CentreCursor();
    }
    UpdateCamera(cam, host);
}

void HideMouseCursor(CameraState& cam, CameraHost& host) {
    if (!cam.CursorHidden) {
        host.SetCursorHidden(true);
        cam.CursorHidden = true;
    }
}

void ShowMouseCursor(CameraState& cam, CameraHost& host) {
    if (cam.CursorHidden) {
        host.SetCursorHidden(false);
        cam.CursorHidden = false;
    }
}

void MoveCamera(CameraState& cam, const Vector3D& delta) {
    Matrix3D yaw;
    Matrix3D pitch;
    Matrix3D orientation;
    mMatrix3D::RotationY(yaw, mMath3D::DegToRad(cam.CamRot.y));
    mMatrix3D::RotationX(pitch, mMath3D::DegToRad(cam.CamRot.x));
    mMatrix3D::MatrixMultiply(orientation, yaw, pitch);
    Vector3D d;
    mMatrix3D::TransformPoint(d, orientation, delta);
    cam.CamPos.x += d.x;
    cam.CamPos.y += d.y;
    cam.CamPos.z += d.z;
    ClampAxis(cam.CamPos.x, -kCamLimitXZ, kCamLimitXZ);
    ClampAxis(cam.CamPos.y, kCamMinY, kCamMaxY);
    ClampAxis(cam.CamPos.z, -kCamLimitXZ, kCamLimitXZ);
}

void UpdateCamera(CameraState& cam, CameraHost& host) {
    if (cam.LookMode < kLookActive) {
        // Nothing moves here, so a running timer would only spin.
        cam.LastMotionSeconds = -1.0;
        host.SetMotionTimer(false);
        return;
    }
    const double now = host.Seconds();
    const double ticks =
        cam.LastMotionSeconds < 0.0
            ? 1.0
            : std::clamp(now - cam.LastMotionSeconds, 0.0, kLongestFrameSeconds) * kTicksPerSecond;
    const float s =
        StepSize(cam.KeyState[kKeyShift], cam.KeyState[kKeyCtrl]) * static_cast<float>(ticks);
    MoveIf(cam, cam.MouseButton == kButtonLeft, 0.0f, 0.0f, -s);
    MoveIf(cam, cam.MouseButton == kButtonMiddle, 0.0f, 0.0f, s);
    MoveIf(cam, cam.KeyState[kKeyW], 0.0f, 0.0f, -s);
    MoveIf(cam, cam.KeyState[kKeyS], 0.0f, 0.0f, s);
    MoveIf(cam, cam.KeyState[kKeyA], -s, 0.0f, 0.0f);
    MoveIf(cam, cam.KeyState[kKeyD], s, 0.0f, 0.0f);
    MoveIf(cam, cam.KeyState[kKeyPageUp], 0.0f, s, 0.0f);
    MoveIf(cam, cam.KeyState[kKeyPageDown], 0.0f, -s, 0.0f);
    if (cam.CameraMoved) {
        cam.LastMotionSeconds = now;
        host.RenderFrame();
        host.SetMotionTimer(true);
    } else {
        cam.LastMotionSeconds = -1.0;
        host.SetMotionTimer(false);
    }
    cam.CameraMoved = false;
}

void Camera_Wheel(CameraState& cam, CameraHost& host, float notches, bool shift, bool ctrl) {
    MoveCamera(cam, Vector3D{0.0f, 0.0f, -notches * StepSize(shift, ctrl)});
    host.RenderFrame();
}

} // namespace mCamera3D
