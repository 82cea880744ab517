#include "CameraFraming.h"

#include "Math3D.h"
#include "Matrix3D.h"
#include "ViewFrustum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mCamera3D {

namespace {

// The view is filled to this share of its half-width and half-height, so that the outermost
// points stay clear of the edges.
constexpr double kFillShare = 0.95;
constexpr float kPitches[] = {-30.0f, -45.0f, -60.0f, -75.0f, -89.0f};
constexpr int kHeadings = 8;

struct Axes {
    Vector3D Right;
    Vector3D Up;
    Vector3D Forward;
};

Axes AxesOf(float pitch, float yaw) {
    Matrix3D yawM;
    Matrix3D pitchM;
    Matrix3D orientation;
    mMatrix3D::RotationY(yawM, mMath3D::DegToRad(yaw));
    mMatrix3D::RotationX(pitchM, mMath3D::DegToRad(pitch));
    mMatrix3D::MatrixMultiply(orientation, yawM, pitchM);
    Axes a;
    mMatrix3D::TransformPoint(a.Right, orientation, {1.0f, 0.0f, 0.0f});
    mMatrix3D::TransformPoint(a.Up, orientation, {0.0f, 1.0f, 0.0f});
    mMatrix3D::TransformPoint(a.Forward, orientation, {0.0f, 0.0f, -1.0f});
    return a;
}

double Dot(const Vector3D& a, double x, double y, double z) {
    return a.x * x + a.y * y + a.z * z;
}

bool InBox(const Vector3D& p) {
    return std::abs(p.x) <= kCamLimitXZ && std::abs(p.z) <= kCamLimitXZ && p.y >= kCamMinY &&
           p.y <= kCamMaxY;
}

} // namespace

std::vector<Vector3D> TrackPoints(const mKV_TraceTrack::TraceState& trace, bool selectedOnly) {
    std::vector<Vector3D> points;
    for (int32_t k = 0; k < trace.SpinePointCount; ++k) {
        const mKV_TraceTrack::SpinePoint& p = trace.SpinePoints[size_t(k)];
        const size_t segment = size_t(p.SegIndex);
        if (selectedOnly &&
            !(segment < trace.SegmentSelected.size() && trace.SegmentSelected[segment]))
            continue;
        points.insert(points.end(), {p.Center, p.RailRight, p.RailLeft});
    }
    return points;
}

bool FrameCamera(CameraState& cam, std::span<const Vector3D> points, double aspect) {
    if (points.empty())
        return false;
    Vector3D low = points.front();
    Vector3D high = points.front();
    for (const Vector3D& p : points) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    const double cx = (low.x + high.x) / 2.0;
    const double cy = (low.y + high.y) / 2.0;
    const double cz = (low.z + high.z) / 2.0;
    const double tanV = kFillShare * std::tan(mOGL3D::kViewFovY * std::numbers::pi / 360.0);
    const double tanH = tanV * aspect;

    bool placed = false;
    for (const float pitch : kPitches) {
        for (int h = 0; h < kHeadings && !placed; ++h) {
            const float yaw = cam.CamRot.y + 360.0f / kHeadings * h;
            const Axes a = AxesOf(pitch, yaw);
            // Back from the centre along the view until every point is inside the frustum.
            double back = mOGL3D::kViewZNear * 2.0;
            for (const Vector3D& p : points) {
                const double qx = p.x - cx;
                const double qy = p.y - cy;
                const double qz = p.z - cz;
                const double ahead = Dot(a.Forward, qx, qy, qz);
                back = std::max({back, std::abs(Dot(a.Right, qx, qy, qz)) / tanH - ahead,
                                 std::abs(Dot(a.Up, qx, qy, qz)) / tanV - ahead});
            }
            const Vector3D at{static_cast<float>(cx - a.Forward.x * back),
                              static_cast<float>(cy - a.Forward.y * back),
                              static_cast<float>(cz - a.Forward.z * back)};
            const bool first = pitch == kPitches[0] && h == 0;
            if (InBox(at) || first) {
                cam.CamPos = at;
                cam.CamRot = Vector3D{pitch, yaw, 0.0f};
                placed = InBox(at);
            }
        }
    }
    MoveCamera(cam, Vector3D{}); // clamps a place outside the box
    return true;
}

} // namespace mCamera3D
