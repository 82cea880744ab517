// The camera's navigation without a window: a recording host stands in for the view.
#include "Camera3D.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using namespace mCamera3D;

struct RecordingHost : CameraHost {
    int frames = 0, cursorChanges = 0, centrings = 0;
    bool timerOn = false, cursorHidden = false;
    double now = 100.0; // the fake clock, in seconds

    void RenderFrame() override { ++frames; }
    double Seconds() override { return now; }
    void SetMotionTimer(bool enabled) override { timerOn = enabled; }
    void SetCursorHidden(bool hidden) override {
        ++cursorChanges;
        cursorHidden = hidden;
    }
    void CentreCursor() override { ++centrings; }
};

struct CameraTest : ::testing::Test {
    CameraState cam;
    RecordingHost host;

    CameraTest() { ResetCamera(cam); }

    // Timer ticks at the rate of one step each.
    void Tick(int times = 1, double seconds = 1.0 / kTicksPerSecond) {
        for (int i = 0; i < times; ++i) {
            host.now += seconds;
            UpdateCamera(cam, host);
        }
    }
};

TEST_F(CameraTest, OneSecondFliesTheSameDistanceAtAnyFrameRateAndReleaseStopsAtOnce) {
    const std::tuple<double, bool, bool, float> cases[] = {
        {4.0, false, false, 32.0f}, {60.0, false, false, 32.0f}, {1000.0, false, false, 32.0f},
        {20.0, true, false, 64.0f}, {500.0, true, false, 64.0f}, {20.0, false, true, 6.4f},
        {500.0, false, true, 6.4f}, {20.0, true, true, 64.0f}};
    for (const auto& [framesPerSecond, shift, ctrl, unitsPerSecond] : cases) {
        SCOPED_TRACE(testing::Message() << framesPerSecond << shift << ctrl);
        ResetCamera(cam); // W was released at the end of the last case
        cam.LookMode = kLookActive;
        cam.KeyState[kKeyShift] = shift; // Shift wins over Ctrl
        cam.KeyState[kKeyCtrl] = ctrl;
        const int framesBefore = host.frames;
        Camera_KeyDown(cam, host, kKeyW); // the press itself moves one step and draws
        const float step = unitsPerSecond / 64.0f;
        EXPECT_NEAR(cam.CamPos.z, -step, 1e-5f);
        EXPECT_EQ(host.frames, framesBefore + 1);
        EXPECT_TRUE(host.timerOn);
        const int ticks = static_cast<int>(framesPerSecond);
        Tick(ticks, 1.0 / framesPerSecond);
        EXPECT_NEAR(cam.CamPos.z, -step - unitsPerSecond, 1e-3f);
        EXPECT_EQ(host.frames, framesBefore + 1 + ticks);
        Camera_KeyUp(cam, kKeyW);
        const float released = cam.CamPos.z;
        Tick(1, 0.2);
        EXPECT_EQ(cam.CamPos.z, released);
        EXPECT_EQ(host.frames, framesBefore + 1 + ticks);
        EXPECT_FALSE(host.timerOn); // off on the first tick with nothing to do
    }
    // A stall counts as the longest frame: a quarter of a second.
    Camera_KeyDown(cam, host, kKeyS);
    const float start = cam.CamPos.z;
    Tick(1, 5.0);
    EXPECT_NEAR(cam.CamPos.z - start, 64.0f * kLongestFrameSeconds, 1e-4f);
}

TEST_F(CameraTest, MovesFollowHeadingAndPitchAndTheBoxHoldsTheCamera) {
    cam.LookMode = kLookActive;
    cam.CamRot.x = 90.0f; // pitched up
    Camera_KeyDown(cam, host, kKeyW);
    EXPECT_FLOAT_EQ(cam.CamPos.y, 5.5f);
    Tick(400);
    EXPECT_EQ(cam.CamPos.y, 150.0f);
    EXPECT_NEAR(cam.CamPos.x, 0.0f, 1e-4f);
    EXPECT_NEAR(cam.CamPos.z, 0.0f, 1e-4f);
    Camera_KeyUp(cam, kKeyW);

    cam.CamRot.x = 0.0f;
    cam.KeyState[kKeyShift] = true;
    const std::tuple<int32_t, int, float Vector3D::*, float> walls[] = {
        {kKeyPageDown, 200, &Vector3D::y, 0.1f},
        {kKeyD, 300, &Vector3D::x, 220.0f},
        {kKeyA, 500, &Vector3D::x, -220.0f},
        {kKeyS, 300, &Vector3D::z, 220.0f}};
    for (const auto& [key, ticks, axis, limit] : walls) {
        Camera_KeyDown(cam, host, key);
        Tick(ticks);
        EXPECT_EQ(cam.CamPos.*axis, limit) << key;
        Camera_KeyUp(cam, key);
    }
    EXPECT_EQ(cam.CamPos.y, 0.1f);

    // Turned 90 degrees left, forward is -X and D (right) is -Z.
    ReleaseAllKeys(cam);
    cam.CamPos = Vector3D{0.0f, 5.0f, 0.0f};
    cam.CamRot.y = 90.0f;
    cam.KeyState[kKeyW] = true;
    cam.KeyState[kKeyD] = true;
    Tick();
    EXPECT_NEAR(cam.CamPos.x, -0.5f, 1e-6f);
    EXPECT_NEAR(cam.CamPos.z, -0.5f, 1e-6f);
    EXPECT_FLOAT_EQ(cam.CamPos.y, 5.0f);
}

// The toggle itself with the cursor it hides and shows, a left click's step, and the turns and
// the re-centring through the real cursor: see ViewInput; outside look mode a click picks.
TEST_F(CameraTest, RightClickTogglesLookModeInWhichButtonsMoveUntilReleased) {
    ASSERT_TRUE(Camera_MouseDown(cam, host, kButtonRight, 50.0f, 60.0f));
    Camera_MouseMove(cam, host, 200.0f, 150.0f); // the reference, not a turn
    Camera_MouseMove(cam, host, 200.0f, 150.0f); // no motion: no turn, no re-centring
    EXPECT_EQ(std::tie(cam.LookMode, host.centrings), std::make_tuple(kLookActive, 0));

    EXPECT_TRUE(Camera_MouseDown(cam, host, kButtonLeft, 10.0f, 10.0f));
    Tick();
    EXPECT_EQ(cam.CamPos.z, -1.0f); // a step on the press, one more while held
    Camera_MouseUp(cam);
    Tick();
    EXPECT_EQ(cam.CamPos.z, -1.0f);
    EXPECT_TRUE(Camera_MouseDown(cam, host, kButtonMiddle, 10.0f, 10.0f));
    EXPECT_EQ(cam.CamPos.z, -0.5f);
    Camera_MouseUp(cam);

    // Key codes outside 0 to 256 are ignored; releasing all keys stops the motion.
    Camera_KeyDown(cam, host, -1);
    Camera_KeyDown(cam, host, kKeyCodeCount);
    Camera_KeyUp(cam, 1000);
    EXPECT_EQ(cam.CamPos, (Vector3D{0.0f, 5.0f, -0.5f}));
    Camera_KeyDown(cam, host, 256);
    EXPECT_TRUE(cam.KeyState[256]);
    Camera_KeyDown(cam, host, kKeyW);
    ReleaseAllKeys(cam);
    Tick();
    EXPECT_FALSE(host.timerOn);
    EXPECT_FALSE(cam.KeyState[256]);

    EXPECT_TRUE(Camera_MouseDown(cam, host, kButtonRight, 0.0f, 0.0f));
    ShowMouseCursor(cam, host); // already shown: no second change
    EXPECT_EQ(host.cursorChanges, 2);
    Camera_MouseMove(cam, host, 30.0f, 30.0f); // ignored outside look mode
    EXPECT_EQ(cam.CamRot, (Vector3D{}));
    EXPECT_TRUE(Camera_MouseDown(cam, host, kButtonRight, 0.0f, 0.0f));
    HideMouseCursor(cam, host);
    EXPECT_EQ(host.cursorChanges, 3);
}

} // namespace
