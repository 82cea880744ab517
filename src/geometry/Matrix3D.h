#pragma once

#include "Vector3D.h"

#include <array>
#include <cstddef>

// A 4x4 matrix of 32-bit floats stored row-major: element (row r, column c) at index 4r + c.
// Points are column vectors multiplied from the right (p' = M p); the translation sits in
// elements 3, 7 and 11.
struct Matrix3D {
    std::array<float, 16> m{};

    float& operator[](std::size_t i) { return m[i]; }
    float operator[](std::size_t i) const { return m[i]; }

    friend bool operator==(const Matrix3D&, const Matrix3D&) = default;
};

namespace mMatrix3D {

void IdentityMatrix(Matrix3D& out);

// Rotations by a radians about the world axes; sine and cosine are taken in double.
void RotationX(Matrix3D& out, double a);
void RotationY(Matrix3D& out, double a);
void RotationZ(Matrix3D& out, double a);

void TranslationMatrix(Matrix3D& out, float x, float y, float z);

// out = a * b; out may be a or b.
void MatrixMultiply(Matrix3D& out, const Matrix3D& a, const Matrix3D& b);

// out may be m.
void MatrixTranspose(Matrix3D& out, const Matrix3D& m);

// out = M p with the fourth row ignored (no homogeneous divide); out may be p.
void TransformPoint(Vector3D& out, const Matrix3D& m, const Vector3D& p);

} // namespace mMatrix3D
