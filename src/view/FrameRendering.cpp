#include "FrameRendering.h"

#include "TrackDrawing.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace mOGL3D {

namespace {

// The view from the rider's eye: its right, up and backward axes become the view's axes.
void LoadRiderView(const mKV_RidePreview::RidePose& rider) {
    const Vector3D& f = rider.Forward;
    const Vector3D& u = rider.Up;
    const Vector3D s{f.y * u.z - f.z * u.y, f.z * u.x - f.x * u.z, f.x * u.y - f.y * u.x};
    const GLfloat m[16] = {s.x, u.x, -f.x, 0.0f, s.y,  u.y,  -f.y, 0.0f,
                           s.z, u.z, -f.z, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    glLoadMatrixf(m);
    glTranslatef(-rider.Eye.x, -rider.Eye.y, -rider.Eye.z);
}

} // namespace

void InitGLState() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f); // opaque, so the widget never shows through
    glClearDepth(1.0);
    glShadeModel(GL_FLAT);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
}

void ResizeView(int32_t width, int32_t height, double fovY, double zFar) {
    if (height == 0)
        height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovY, static_cast<double>(width) / static_cast<double>(height), kViewZNear,
                   zFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool DrawFrame(const ViewState& view, const mCamera3D::CameraState& cam,
               const mKV_TraceTrack::TraceState& trace, int32_t trackStyle, const FrameLook& look) {
    if (!view.ViewReady)
        return false;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (look.Rider) {
        LoadRiderView(*look.Rider);
    } else {
        glLoadIdentity();
        glRotatef(360.0f - cam.CamRot.x, 1.0f, 0.0f, 0.0f);
        glRotatef(360.0f - cam.CamRot.y, 0.0f, 1.0f, 0.0f);
        glTranslatef(-cam.CamPos.x, -cam.CamPos.y, -cam.CamPos.z);
    }
    DrawGround();
    mKV_TraceTrack::DrawTrack(trace, trackStyle, look.PointColours);
    return true;
}

} // namespace mOGL3D
