#pragma once

// The free-flying camera and its navigation: look mode, held keys and buttons, timer-driven
// motion inside the clamped camera box. Free of Qt, so the logic runs without a window.

#include "Vector3D.h"

#include <array>
#include <cstdint>

namespace mCamera3D {

// Virtual-key codes of the keys that move the camera.
inline constexpr int32_t kKeyShift = 16;
inline constexpr int32_t kKeyCtrl = 17;
inline constexpr int32_t kKeyPageUp = 33;
inline constexpr int32_t kKeyPageDown = 34;
inline constexpr int32_t kKeyA = 65;
inline constexpr int32_t kKeyD = 68;
inline constexpr int32_t kKeyS = 83;
inline constexpr int32_t kKeyW = 87;
inline constexpr int32_t kKeyCodeCount = 257; // codes 0 to 256

// Mouse buttons as the view reports them.
inline constexpr int16_t kButtonLeft = 1;
inline constexpr int16_t kButtonRight = 2;
inline constexpr int16_t kButtonMiddle = 4;

// Look mode.
inline constexpr int16_t kLookOff = 0;
inline constexpr int16_t kLookActive = 1;
inline constexpr int16_t kLookAwaitingReference = 2; // the next mouse position is the reference

// The camera box: the ground square in x and z, a height band above it.
inline constexpr float kCamLimitXZ = 220.0f;
inline constexpr float kCamMinY = 0.1f;
inline constexpr float kCamMaxY = 150.0f;

inline constexpr float kDegreesPerPixel = 0.2f;

// Motion covers a step per tick of this clock, whatever the frame rate; a frame slower than
// the longest counts as the longest, so that a stall never throws the camera far.
inline constexpr double kTicksPerSecond = 64.0;
inline constexpr double kLongestFrameSeconds = 0.25;

struct CameraState {
    Vector3D CamPos;
    Vector3D CamRot; // x pitch (positive looks up), y yaw (positive turns left), degrees; z is 0
    std::array<bool, kKeyCodeCount> KeyState{};
    int16_t MouseButton = 0; // button of the last mouse-down in the view
    int16_t LookMode = kLookOff;
    float LastMouseX = 0.0f;
    float LastMouseY = 0.0f;
    bool CameraMoved = false;
    bool CursorHidden = false;
    double LastMotionSeconds = -1.0; // clock time of the last update that moved; -1 at rest
};

// What the camera asks of the window that hosts it.
class CameraHost {
public:
    virtual void RenderFrame() = 0;
    virtual void SetMotionTimer(bool enabled) = 0;
    virtual void SetCursorHidden(bool hidden) = 0;
    // Puts the mouse cursor at the centre of the main window.
    virtual void CentreCursor() = 0;
    // A steady clock in seconds.
    virtual double Seconds() = 0;

protected:
    ~CameraHost() = default;
};

void ResetCamera(CameraState& cam);

// Key codes outside 0 to 256 are ignored.
void Camera_KeyDown(CameraState& cam, CameraHost& host, int32_t code);
void Camera_KeyUp(CameraState& cam, int32_t code);
// Lets go of every held key, as when the view loses the keyboard and will not see the releases.
void ReleaseAllKeys(CameraState& cam);

// True when the camera consumed the click (right clicks, every click in look mode).
bool Camera_MouseDown(CameraState& cam, CameraHost& host, int16_t button, float x, float y);
void Camera_MouseUp(CameraState& cam);
void Camera_MouseMove(CameraState& cam, CameraHost& host, float x, float y);

void HideMouseCursor(CameraState& cam, CameraHost& host);
void ShowMouseCursor(CameraState& cam, CameraHost& host);

// Moves by delta given in the camera's own frame, then clamps to the camera box.
void MoveCamera(CameraState& cam, const Vector3D& delta);

// The step of one tick: 1 with shift, else 0.1 with ctrl, else 0.5.
float StepSize(bool shift, bool ctrl);

// Motion for every held key and button: one step when the camera was at rest, else the steps
// the time since the last update holds. Redraws and keeps the timer running while something
// moved, and stops the timer otherwise (also outside look mode).
void UpdateCamera(CameraState& cam, CameraHost& host);

// Moves along the view by one step per notch (forward for positive notches), then redraws.
void Camera_Wheel(CameraState& cam, CameraHost& host, float notches, bool shift, bool ctrl);

} // namespace mCamera3D
