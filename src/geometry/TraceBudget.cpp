#include "TraceBudget.h"

#include "TrackTracer.h"

#include <algorithm>
#include <cmath>

namespace mKV_TraceTrack {

using mKavrano_TrackIO_1_3::TrackDocument;

float FineStep(float length) {
    if (!(length > 0.0f) || !std::isfinite(length))
        return 0.0f;
    return static_cast<float>(1.0 / (10.0 * length));
}

bool AdvanceFineParam(float& t, float step) {
    const float next = t + step;
    if (next == t)
        return false;
    t = next;
    return true;
}

double FineStepBound(float step) {
    if (!(step > 0.0f) || step > 1.0f)
        return 0.0;
    // t + step rounds to within half an ulp of a result below 2, i.e. 2^-24.
    const double ulpHalf = std::ldexp(1.0, -24);
    const double advance = step > 2.0 * ulpHalf ? step - ulpHalf : step / 2.0;
    return std::floor((1.0 - step) / advance) + 1.0;
}

double SampleBound(const SegmentCurve& curve, float step) {
    const double fineSteps = FineStepBound(step);
    if (fineSteps == 0.0)
        return 1.0;
    // A sample needs 0.5 units of summed fine chords. Their sum is at most the control
    // polygon's length plus the float rounding of both ends of every chord; the float
    // accumulator may reach 0.5 early by up to 2^-24 per addition.
    const double polygon = DistanceBetween(curve.P0, curve.C1) +
                           DistanceBetween(curve.C1, curve.C2) +
                           DistanceBetween(curve.C2, curve.P3);
    float largest = 0.0f;
    for (const Vector3D& p : {curve.P0, curve.C1, curve.C2, curve.P3})
        largest = std::max({largest, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
    const double roundingPerStep = (2.0 * std::sqrt(3.0) * largest + 1.0) * std::ldexp(1.0, -24);
    const double chordSum = (polygon + fineSteps * roundingPerStep) * 1.001;
    // std::min keeps the step count when the chord bound is not a number.
    return 1.0 + std::min(fineSteps, std::floor(chordSum / 0.5) + 1.0);
}

bool SegmentWithinBounds(const SegmentCurve& curve, float step) {
    return SampleBound(curve, step) <= kMaxSpinePoints && FineStepBound(step) <= kMaxFineSteps;
}

bool MeasureTrack(const TrackDocument& doc, std::vector<float>& lengths) {
    // Every segment has sample 0, and a closed track one more point.
    double spinePoints = doc.SegmentCount + (doc.TrackClosed ? 1.0 : 0.0);
    double fineSteps = 0.0;
    if (spinePoints > kMaxSpinePoints)
        return false;
    lengths.assign(doc.SegmentCount, 0.0f);
    for (int32_t i = 0; i < doc.SegmentCount; ++i) {
        const SegmentCurve curve = CurveOfSegment(doc, i);
        lengths[i] = BezierLength(curve.P0, curve.C1, curve.P3, curve.C2);
        const float step = FineStep(lengths[i]);
        spinePoints += SampleBound(curve, step) - 1.0;
        fineSteps += FineStepBound(step);
        if (spinePoints > kMaxSpinePoints || fineSteps > kMaxFineSteps)
            return false;
    }
    return true;
}

} // namespace mKV_TraceTrack
