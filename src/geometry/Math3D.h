#pragma once

#include "Vector3D.h"

namespace mMath3D {

// The value of pi the angle functions use.
inline constexpr double kPi = 3.14159265358979;

double DegToRad(double deg);

void MakeVector(Vector3D& out, float x, float y, float z);

// out = b - a, the vector from a to b.
void VectorFromTo(Vector3D& out, const Vector3D& a, const Vector3D& b);

// The angle of (x, y) in (-pi, pi], evaluated in double and rounded to float; 0 for (0, 0)
// of either sign, NaN when an argument is NaN.
float Atan2(double y, double x);

// The cubic Bezier from p0 (control c1) to p3 (control c2) at t, evaluated in double.
void BezierPoint(Vector3D& out, const Vector3D& p0, const Vector3D& c1, const Vector3D& p3,
                 const Vector3D& c2, double t);

} // namespace mMath3D
