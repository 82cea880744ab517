#pragma once

// A vector in double precision for the ride's sums: the traced samples hold single-precision
// positions and frames, and the lap's speeds and forces are worked out from them in double.

#include "Matrix3D.h"

#include <cmath>

namespace mKV_RidePreview {

struct Vec {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;

    friend bool operator==(const Vec&, const Vec&) = default;
};

inline Vec operator+(Vec a, Vec b) {
    return {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}
inline Vec operator*(double k, Vec a) {
    return {k * a.X, k * a.Y, k * a.Z};
}
inline double Dot(Vec a, Vec b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
inline double Length(Vec a) {
    return std::sqrt(Dot(a, a));
}

// Column c of a sample's matrix: 0 to 2 its frame's axes, 3 its position.
inline Vec Column(const Matrix3D& m, int c) {
    return {m[c], m[4 + c], m[8 + c]};
}

} // namespace mKV_RidePreview
