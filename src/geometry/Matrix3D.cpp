#include "Matrix3D.h"

#include <cmath>

namespace mMatrix3D {

void IdentityMatrix(Matrix3D& out) {
    out = Matrix3D{};
    out[0] = out[5] = out[10] = out[15] = 1.0f;
}

namespace {

// Cosine and sine in double, stored as float.
struct CosSin {
    float Cos;
    float Sin;
};

CosSin CosSinOf(double a) {
    return {static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a))};
}

} // namespace

void RotationX(Matrix3D& out, double a) {
    const auto [c, s] = CosSinOf(a);
    IdentityMatrix(out);
    out[5] = c;
    out[6] = -s;
    out[9] = s;
    out[10] = c;
}

void RotationY(Matrix3D& out, double a) {
    const auto [c, s] = CosSinOf(a);
    IdentityMatrix(out);
    out[0] = c;
    out[2] = s;
    out[8] = -s;
    out[10] = c;
}

void RotationZ(Matrix3D& out, double a) {
    const auto [c, s] = CosSinOf(a);
    IdentityMatrix(out);
    out[0] = c;
    out[1] = -s;
    out[4] = s;
    out[5] = c;
}

void TranslationMatrix(Matrix3D& out, float x, float y, float z) {
    IdentityMatrix(out);
    out[3] = x;
    out[7] = y;
    out[11] = z;
}

void MatrixMultiply(Matrix3D& out, const Matrix3D& a, const Matrix3D& b) {
    Matrix3D product;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += a[4 * r + k] * b[4 * k + c];
            product[4 * r + c] = sum;
        }
    }
    out = product;
}

void MatrixTranspose(Matrix3D& out, const Matrix3D& m) {
    Matrix3D transposed;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c)
            transposed[4 * r + c] = m[4 * c + r];
    }
    out = transposed;
}

void TransformPoint(Vector3D& out, const Matrix3D& m, const Vector3D& p) {
    const Vector3D q = p;
    out = {m[0] * q.x + m[1] * q.y + m[2] * q.z + m[3], m[4] * q.x + m[5] * q.y + m[6] * q.z + m[7],
           m[8] * q.x + m[9] * q.y + m[10] * q.z + m[11]};
}

} // namespace mMatrix3D
