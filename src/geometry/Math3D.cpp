#include "Math3D.h"

#include <cmath>
#include <limits>

namespace mMath3D {

double DegToRad(double deg) {
    return deg * kPi / 180.0;
}

void MakeVector(Vector3D& out, float x, float y, float z) {
    out = {x, y, z};
}

void VectorFromTo(Vector3D& out, const Vector3D& a, const Vector3D& b) {
    out = {b.x - a.x, b.y - a.y, b.z - a.z};
}

float Atan2(double y, double x) {
    if (x > 0.0)
        return static_cast<float>(std::atan(y / x));
    if (x < 0.0 && y >= 0.0)
        return static_cast<float>(std::atan(y / x) + kPi);
    if (x < 0.0 && y < 0.0)
        return static_cast<float>(std::atan(y / x) - kPi);
    if (x == 0.0 && y > 0.0)
        return static_cast<float>(kPi / 2.0);
    if (x == 0.0 && y < 0.0)
        return static_cast<float>(-kPi / 2.0);
    if (x == 0.0 && y == 0.0)
        return 0.0f;
    return std::numeric_limits<float>::quiet_NaN(); // an argument is NaN
}

void BezierPoint(Vector3D& out, const Vector3D& p0, const Vector3D& c1, const Vector3D& p3,
                 const Vector3D& c2, double t) {
    const double u = 1.0 - t;
    const double w0 = u * u * u;
    const double w1 = 3.0 * t * u * u;
    const double w2 = 3.0 * t * t * u;
    const double w3 = t * t * t;
    const auto blend = [&](float a, float b, float c, float d) {
        return static_cast<float>(w0 * a + w1 * b + w2 * c + w3 * d);
    };
    out = {blend(p0.x, c1.x, c2.x, p3.x), blend(p0.y, c1.y, c2.y, p3.y),
           blend(p0.z, c1.z, c2.z, p3.z)};
}

} // namespace mMath3D
