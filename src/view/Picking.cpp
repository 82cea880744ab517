#include "Picking.h"

#include "TrackLines.h"
#include "ViewFrustum.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace mOGL3D {

namespace {

using Matrix = std::array<double, 16>; // column-major, as OpenGL keeps matrices

struct ClipPoint {
    double X;
    double Y;
    double Z;
    double W;
};

Matrix Identity() {
    Matrix m{};
    m[0] = m[5] = m[10] = m[15] = 1.0;
    return m;
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix m{};
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row < 4; ++row) {
            for (int k = 0; k < 4; ++k)
                m[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
        }
    }
    return m;
}

// glRotatef about the x (axis 0) or y (axis 1) axis.
Matrix Rotation(float degrees, int axis) {
    const double r = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(r);
    const double s = std::sin(r);
    Matrix m = Identity();
    if (axis == 0) {
        m[5] = c, m[6] = s, m[9] = -s, m[10] = c;
    } else {
        m[0] = c, m[2] = -s, m[8] = s, m[10] = c;
    }
    return m;
}

Matrix Translation(double x, double y, double z) {
    Matrix m = Identity();
    m[12] = x, m[13] = y, m[14] = z;
    return m;
}

Matrix Perspective(double aspect) {
    const double f = 1.0 / std::tan(kViewFovY * std::numbers::pi / 360.0);
    Matrix m{};
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (kViewZFar + kViewZNear) / (kViewZNear - kViewZFar);
    m[11] = -1.0;
    m[14] = 2.0 * kViewZFar * kViewZNear / (kViewZNear - kViewZFar);
    return m;
}

// gluPickMatrix for a viewport at the origin: the window around (x, y) becomes the clip volume.
Matrix PickWindow(double x, double y, double width, double height) {
    Matrix m = Translation((width - 2.0 * x) / kPickWindowPixels,
                           (height - 2.0 * y) / kPickWindowPixels, 0.0);
    m[0] = width / kPickWindowPixels;
    m[5] = height / kPickWindowPixels;
    return m;
}

// The pick window's projection times the camera transform of the frame.
Matrix PickTransform(const mCamera3D::CameraState& cam, int32_t width, int32_t height, int32_t x,
                     int32_t y) {
    height = std::max(height, 1);
    const Matrix projection =
        Multiply(PickWindow(x, height - y, width, height), Perspective(double(width) / height));
    Matrix view = Multiply(Rotation(360.0f - cam.CamRot.x, 0), Rotation(360.0f - cam.CamRot.y, 1));
    view = Multiply(view, Translation(-cam.CamPos.x, -cam.CamPos.y, -cam.CamPos.z));
    return Multiply(projection, view);
}

ClipPoint Transform(const Matrix& m, const Vector3D& v) {
    return {m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12],
            m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13],
            m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14],
            m[3] * v.x + m[7] * v.y + m[11] * v.z + m[15]};
}

// Signed distance to plane i of the clip volume: -w <= x, y, z <= w.
double Inside(const ClipPoint& p, int plane) {
    const double c = plane < 2 ? p.X : plane < 4 ? p.Y : p.Z;
    return plane % 2 == 0 ? p.W + c : p.W - c;
}

ClipPoint Lerp(const ClipPoint& a, const ClipPoint& b, double t) {
    return {a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t, a.Z + (b.Z - a.Z) * t,
            a.W + (b.W - a.W) * t};
}

// Depth range 0 to 1, in the precision OpenGL records hits with.
float WindowDepth(const ClipPoint& p) {
    return static_cast<float>(0.5 * p.Z / p.W + 0.5);
}

constexpr float kMissed = std::numeric_limits<float>::infinity();

float LineDepth(const ClipPoint& a, const ClipPoint& b) {
    double t0 = 0.0;
    double t1 = 1.0;
    for (int plane = 0; plane < 6; ++plane) {
        const double da = Inside(a, plane);
        const double db = Inside(b, plane);
        if (da < 0.0 && db < 0.0)
            return kMissed;
        if (da < 0.0) {
            t0 = std::max(t0, da / (da - db));
        } else if (db < 0.0) {
            t1 = std::min(t1, da / (da - db));
        }
    }
    if (t0 > t1)
        return kMissed;
    return std::min(WindowDepth(Lerp(a, b, t0)), WindowDepth(Lerp(a, b, t1)));
}

float PolygonDepth(std::vector<ClipPoint> polygon) {
    for (int plane = 0; plane < 6 && !polygon.empty(); ++plane) {
        std::vector<ClipPoint> kept;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const ClipPoint& a = polygon[i];
            const ClipPoint& b = polygon[(i + 1) % polygon.size()];
            const double da = Inside(a, plane);
            const double db = Inside(b, plane);
            if (da >= 0.0)
                kept.push_back(a);
            if ((da < 0.0) != (db < 0.0))
                kept.push_back(Lerp(a, b, da / (da - db)));
        }
        polygon = std::move(kept);
    }
    float depth = kMissed;
    for (const ClipPoint& p : polygon)
        depth = std::min(depth, WindowDepth(p));
    return depth;
}

// The nearest hit so far; equal depths keep the earlier.
struct Nearest {
    float depth = kMissed;
    int32_t name = kNoPick;

    void Offer(float hitDepth, int32_t hitName) {
        if (hitDepth < depth) {
            depth = hitDepth;
            name = hitName;
        }
    }
};

// Offers every line of the track, in drawing order, under its segment's name.
struct LineHits {
    const Matrix& transform;
    Nearest& nearest;
    int32_t& name;

    void StartSegment(const mKV_TraceTrack::SpinePoint& point, float) const {
        name = point.SegIndex;
    }
    void Line(const Vector3D& a, const Vector3D& b) const {
        nearest.Offer(LineDepth(Transform(transform, a), Transform(transform, b)), name);
    }
};

} // namespace

int32_t PickAt(const mCamera3D::CameraState& cam, const mKV_TraceTrack::TraceState& trace,
               int32_t trackStyle, int32_t width, int32_t height, int32_t x, int32_t y) {
    const Matrix transform = PickTransform(cam, width, height, x, y);
    Nearest nearest;
    // The camera never goes below the ground, so its front face, the one drawn, is always seen.
    std::vector<ClipPoint> ground;
    for (const Vector3D& corner : kGroundCorners)
        ground.push_back(Transform(transform, corner));
    nearest.Offer(PolygonDepth(std::move(ground)), kGroundPickName);
    int32_t name = kNoPick;
    mKV_TraceTrack::WalkTrackLines(LineHits{transform, nearest, name}, trace, trackStyle);
    return nearest.name;
}

} // namespace mOGL3D
