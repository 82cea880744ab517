#include "Math3D.h"
#include "Matrix3D.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace {

constexpr double kPi = std::numbers::pi;

// Rows: y, x, the angle; both zeros give 0 where the standard function gives -pi for -0.
TEST(Math3D, Atan2CoversEveryQuadrantAxisAndZero) {
    const std::array<double, 3> cases[] = {
        {0, -1, kPi},      {0, 0, 0},       {-0.0, -0.0, 0},      {1, 0, kPi / 2},
        {-2, 0, -kPi / 2}, {1, 1, kPi / 4}, {1, -1, 3 * kPi / 4}, {-1, -1, -3 * kPi / 4},
        {-1, 1, -kPi / 4}};
    for (const auto& [y, x, want] : cases)
        EXPECT_FLOAT_EQ(mMath3D::Atan2(y, x), float(want)) << y << ", " << x;
    EXPECT_TRUE(std::isnan(mMath3D::Atan2(std::nan(""), 1.0)));
    EXPECT_TRUE(std::isnan(mMath3D::Atan2(1.0, std::nan(""))));
}

TEST(Math3D, DegreesVectorsAndBezierPoints) {
    EXPECT_DOUBLE_EQ(mMath3D::DegToRad(-90.0), -3.14159265358979 / 2);
    Vector3D v;
    mMath3D::VectorFromTo(v, {1, 2, 3}, {4, 0, -3});
    EXPECT_EQ(v, (Vector3D{3, -2, -6})); // b - a

    // At t = 1/2 the weights are 1/8, 3/8, 3/8, 1/8 (c1 beside p0, c2 beside p3).
    const Vector3D p0{1, 2, 3}, c1{4, 6, 3}, p3{10, -2, 7}, c2{8, 0, 5};
    const Vector3D half{(1 + 3 * 4 + 3 * 8 + 10) / 8.0f, (2 + 3 * 6 + 3 * 0 - 2) / 8.0f,
                        (3 + 3 * 3 + 3 * 5 + 7) / 8.0f};
    for (const auto& [t, want] : {std::pair{0.0, p0}, {1.0, p3}, {0.5, half}}) {
        mMath3D::BezierPoint(v, p0, c1, p3, c2, t);
        EXPECT_EQ(v, want) << t; // exact: every weight is a multiple of 1/8
    }
}

TEST(Matrix3D, RotationsFollowTheColumnVectorConvention) {
    Matrix3D m;
    Vector3D p;
    mMatrix3D::RotationY(m, kPi / 2);
    mMatrix3D::TransformPoint(p, m, {0, 0, -1});
    EXPECT_NEAR(p.x, -1, 1e-6);
    // X turns +Y towards +Z, Z turns +X towards +Y.
    mMatrix3D::RotationX(m, kPi / 2);
    mMatrix3D::TransformPoint(p, m, {0, 1, 0});
    EXPECT_NEAR(p.z, 1, 1e-6);
    mMatrix3D::RotationZ(m, 0.3);
    const float c = float(std::cos(0.3)), s = float(std::sin(0.3));
    EXPECT_EQ((std::array{m[0], m[1], m[4], m[15], m[3], m[12]}),
              (std::array{c, -s, s, 1.f, 0.f, 0.f}));

    // The fourth row is ignored: no homogeneous divide.
    mMatrix3D::TranslationMatrix(m, 5, 6, 7);
    m[15] = 2;
    m[12] = 9;
    mMatrix3D::TransformPoint(p, m, {1, 2, 3});
    EXPECT_EQ(p, (Vector3D{6, 8, 10}));
}

TEST(Matrix3D, MultiplyAndTransposeMayWriteOverTheirInput) {
    const Matrix3D a{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
    const Matrix3D b{{-1, 0, 1, -1, 0, 1, -1, 0, 1, -1, 0, 1, -1, 0, 1, -1}};
    // a * b by the row-major rule out[4r+c] = sum a[4r+k] b[4k+c], worked by hand.
    const Matrix3D expected{{-2, -1, 3, -2, -6, -1, 7, -6, -10, -1, 11, -10, -14, -1, 15, -14}};
    // The product is right when the output is also an input.
    Matrix3D out, left = a, right = b;
    mMatrix3D::MatrixMultiply(out, a, b);
    mMatrix3D::MatrixMultiply(left, left, b);
    mMatrix3D::MatrixMultiply(right, a, right);
    EXPECT_EQ(std::tie(out, left, right), std::tie(expected, expected, expected));

    mMatrix3D::MatrixTranspose(out, a);
    EXPECT_EQ((std::array{out[1], out[4], out[3], out[15]}), (std::array{5.f, 2.f, 13.f, 16.f}));
    left = a;
    mMatrix3D::MatrixTranspose(left, left);
    EXPECT_EQ(left, out);
}

} // namespace
