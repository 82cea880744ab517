#include "TrackTracer.h"

#include "Math3D.h"
#include "RollPass.h"
#include "SegmentCurve.h"
#include "TraceBudget.h"

#include <cmath>

namespace mKV_TraceTrack {

using mKavrano_TrackIO_1_3::TrackDocument;

namespace {

// Turns frame about its own up axis, then its own right axis, so that its -Z axis follows
// the direction dl given in the frame's own coordinates.
void TurnToward(Matrix3D& frame, const Vector3D& dl) {
    const double across =
        std::sqrt(static_cast<double>(dl.x) * dl.x + static_cast<double>(dl.z) * dl.z);
    const float pitch = mMath3D::Atan2(dl.y, across);
    const float yaw = mMath3D::Atan2(-dl.x, -dl.z);
    Matrix3D turn;
    mMatrix3D::RotationY(turn, yaw);
    mMatrix3D::MatrixMultiply(frame, frame, turn);
    mMatrix3D::RotationX(turn, pitch);
    mMatrix3D::MatrixMultiply(frame, frame, turn);
}

TrackSample SampleAt(const Matrix3D& frame, const Vector3D& position, float param, float distance) {
    TrackSample sample;
    sample.Orientation = frame;
    Matrix3D place;
    mMatrix3D::TranslationMatrix(place, position.x, position.y, position.z);
    mMatrix3D::MatrixMultiply(sample.World, place, frame);
    sample.Param = param;
    sample.Distance = distance;
    return sample;
}

Matrix3D StartFrame(const TraceState& state, const SegmentCurve& curve, int32_t i) {
    if (i > 0)
        return state.TracedSegments[i - 1].Samples.back().Orientation;
    Matrix3D frame;
    mMatrix3D::IdentityMatrix(frame);
    Vector3D d;
    mMath3D::VectorFromTo(d, curve.P0, curve.C1);
    TurnToward(frame, d);
    return frame;
}

// Samples the curve about every 0.5 units of the summed fine steps, turning the frame
// along the direction of the last fine step at each sample.
void SampleCurve(TracedSegment& seg, const SegmentCurve& curve, Matrix3D frame, float length) {
    seg.Samples.clear();
    seg.Samples.push_back(SampleAt(frame, curve.P0, 0.0f, 0.0f));
    const float step = FineStep(length);
    if (step > 0.0f) {
        Vector3D prev = curve.P0;
        float acc = 0.0f;
        float total = 0.0f;
        for (float t = step; t <= 1.0f;) {
            Vector3D cur;
            mMath3D::BezierPoint(cur, curve.P0, curve.C1, curve.P3, curve.C2, t);
            const double s = DistanceBetween(prev, cur);
            acc = static_cast<float>(acc + s); // 32-bit accumulators
            total = static_cast<float>(total + s);
            if (acc >= 0.5f) {
                acc = 0.0f;
                Vector3D d;
                mMath3D::VectorFromTo(d, prev, cur);
                Matrix3D inverse;
                mMatrix3D::MatrixTranspose(inverse, frame);
                Vector3D dl;
                mMatrix3D::TransformPoint(dl, inverse, d);
                TurnToward(frame, dl);
                seg.Samples.push_back(SampleAt(frame, cur, t, total));
            }
            prev = cur;
            // Within the bounds every step advances t; the check keeps the loop finite anyway.
            if (!AdvanceFineParam(t, step))
                break;
        }
    }
    seg.Length = length;
    seg.SampleCount = static_cast<int32_t>(seg.Samples.size());
}

void TraceSegmentOfLength(TraceState& state, const TrackDocument& doc, int32_t i, float length) {
    const SegmentCurve curve = CurveOfSegment(doc, i);
    TracedSegment& seg = state.TracedSegments[i];
    SampleCurve(seg, curve, StartFrame(state, curve, i), length);
    ApplyRoll(seg, RollNodeOfSegment(doc, i));
}

} // namespace

float BezierLength(const Vector3D& p0, const Vector3D& c1, const Vector3D& p3, const Vector3D& c2) {
    Vector3D prev = p0;
    double sum = 0.0;
    for (float t = 0.005f; t <= 1.0f; t += 0.005f) {
        Vector3D p;
        mMath3D::BezierPoint(p, p0, c1, p3, c2, t);
        sum += DistanceBetween(prev, p);
        prev = p;
    }
    return static_cast<float>(sum);
}

bool TraceSegment(TraceState& state, const TrackDocument& doc, int32_t segIndex) {
    if (segIndex < 0 || segIndex >= doc.SegmentCount ||
        static_cast<size_t>(segIndex) >= state.TracedSegments.size() || !HasNodesForSegments(doc))
        return false;
    if (segIndex > 0 && state.TracedSegments[segIndex - 1].Samples.empty())
        return false; // no frame to start from
    const SegmentCurve curve = CurveOfSegment(doc, segIndex);
    const float length = BezierLength(curve.P0, curve.C1, curve.P3, curve.C2);
    if (!SegmentWithinBounds(curve, FineStep(length)))
        return false;
    TraceSegmentOfLength(state, doc, segIndex, length);
    return true;
}

bool TraceTrack(TraceState& state, const TrackDocument& doc) {
    state.TracedSegmentCount = doc.SegmentCount;
    if (doc.SegmentCount < 1)
        return false;
    std::vector<float> lengths;
    if (!HasNodesForSegments(doc) || !MeasureTrack(doc, lengths)) {
        state.TracedSegmentCount = 0;
        state.TracedSegments.clear();
        return false;
    }
    state.TracedSegments.assign(doc.SegmentCount, TracedSegment{});
    for (int32_t i = 0; i < doc.SegmentCount; ++i)
        TraceSegmentOfLength(state, doc, i, lengths[i]);
    return true;
}

} // namespace mKV_TraceTrack
