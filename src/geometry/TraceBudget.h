#pragma once

#include "SegmentCurve.h"
#include "TrackDocument.h"

#include <vector>

namespace mKV_TraceTrack {

// The curve parameter step of about ten fine steps per unit of length; 0 when a curve of
// that length gets no fine steps (zero, negative or not finite).
float FineStep(float length);

// Advances the fine-step parameter t by step; false, leaving t, when the step is too small
// to change it.
bool AdvanceFineParam(float& t, float step);

// Upper bound on the fine steps taken with step: t runs from step to 1 and each addition
// advances it by at least half a step, or the loop ends.
double FineStepBound(float step);

// Upper bound on the samples of a segment's curve traced with step, sample 0 included.
double SampleBound(const SegmentCurve& curve, float step);

// True when one segment's curve, traced with step, stays within both bounds.
bool SegmentWithinBounds(const SegmentCurve& curve, float step);

// Measures every segment of doc into lengths. False when tracing doc would take more than
// kMaxFineSteps fine steps or build more than kMaxSpinePoints spine points.
bool MeasureTrack(const mKavrano_TrackIO_1_3::TrackDocument& doc, std::vector<float>& lengths);

// Bounds the time of a trace, as kMaxSpinePoints bounds its memory.
inline constexpr double kMaxFineSteps = 5'000'000.0;

} // namespace mKV_TraceTrack
