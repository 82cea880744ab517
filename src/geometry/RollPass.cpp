#include "RollPass.h"

#include "Math3D.h"

#include <cmath>

namespace mKV_TraceTrack {

namespace {

float Sign(float v) {
    return v > 0.0f ? 1.0f : (v < 0.0f ? -1.0f : 0.0f);
}

const float kTwoPi = static_cast<float>(2.0 * mMath3D::kPi);

} // namespace

float BankOf(const Matrix3D& orientation) {
    return mMath3D::Atan2(orientation[4], orientation[5]);
}

float RollCorrection(float roll, bool relative, float endBank) {
    if (relative)
        return roll;
    const float d1 = roll - endBank;
    if (std::fabs(d1) <= kWrapThreshold)
        return d1;
    if (Sign(roll) == Sign(endBank)) {
        const float d2 = roll - (endBank + kTwoPi);
        return d1 > kWrapThreshold && std::fabs(d2) <= std::fabs(d1) ? d2 : d1;
    }
    // The banks lie on either side of +-180 degrees: go the short way through it.
    return d1 - kTwoPi * Sign(d1);
}

void ApplyRoll(TracedSegment& seg, const mKavrano_TrackIO_1_3::BezierNode& rollNode) {
    if (seg.Samples.empty())
        return;
    const float theta = RollCorrection(rollNode.Roll, rollNode.RelativeRoll,
                                       BankOf(seg.Samples.back().Orientation));
    if (theta == 0.0f && !rollNode.RelativeRoll)
        return;
    const size_t last = seg.Samples.size() - 1;
    for (size_t j = 0; j < seg.Samples.size(); ++j) {
        TrackSample& sample = seg.Samples[j];
        const float angle =
            last == 0 ? theta : theta / static_cast<float>(last) * static_cast<float>(j);
        Matrix3D twist;
        mMatrix3D::RotationZ(twist, angle);
        mMatrix3D::MatrixMultiply(sample.Orientation, sample.Orientation, twist);
        mMatrix3D::MatrixMultiply(sample.World, sample.World, twist);
        sample.Bank = BankOf(sample.Orientation);
    }
}

} // namespace mKV_TraceTrack
