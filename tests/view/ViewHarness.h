#pragma once

// A real top-level window holding the view, with the program's state it works on, and the
// means to look at what the view drew: its pixels and where world points land on screen.

#include "Camera3D.h"
#include "OpenGLView.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <vector>

namespace viewtest {

inline constexpr int ViewWidth = 640;
inline constexpr int ViewHeight = 480;

// A pixel's colour; alpha is not compared.
using Rgb = QRgb;

// glColor3f values as 8-bit pixels, within one step of rounding.
Rgb FromUnit(float r, float g, float b);
bool Near(Rgb a, Rgb b);

// The colour a segment type's rails are drawn in (brightness 1) or its cross-ties (0.5).
Rgb TypeColour(int32_t type, float brightness = 1.0f);

// What the view's framebuffer or the screen holds.
struct Pixels {
    QImage image;

    Rgb At(int x, int y) const { return image.pixel(x, y); }
    // The colours found in the square of the given half-size around (x, y).
    std::vector<Rgb> Around(QPoint centre, int half) const;
    friend bool operator==(const Pixels&, const Pixels&) = default;
};

bool Contains(const std::vector<Rgb>& colours, Rgb wanted);

struct ViewHarness {
    mKavrano_TrackIO_1_3::TrackDocument document;
    mKV_TraceTrack::TraceState trace;
    mCamera3D::CameraState camera;
    std::unique_ptr<QWidget> window;
    OpenGLView* view = nullptr;

    // Shows the window, sets up the context and readies the view with an empty spine and the
    // reset camera, as start-up does.
    ViewHarness();

    // Puts doc in place of the document and traces it.
    void Load(const mKavrano_TrackIO_1_3::TrackDocument& doc);
    Pixels Render();
    Pixels Read();
    // Where p lands in the view's pixels, computed from the camera without GL.
    QPoint Project(const Vector3D& p) const;
    // Loads doc and draws it with the camera high above the origin looking straight down:
    // screen up is -Z, right is +X.
    Pixels ShowFromAbove(const mKavrano_TrackIO_1_3::TrackDocument& doc, float height);
};

} // namespace viewtest
