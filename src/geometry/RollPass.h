#pragma once

#include "TrackDocument.h"
#include "TrackTracer.h"

namespace mKV_TraceTrack {

// Beyond this difference between target and bank (260 degrees), the plain difference is
// not taken unchanged.
inline constexpr float kWrapThreshold = 4.537856f; // 260 degrees

// The twist Theta that brings a segment ending with bank endBank to the node's roll: the
// roll itself when relative, else the difference to it, taken through +-180 degrees once
// it exceeds 260 degrees and the two banks lie on either side.
float RollCorrection(float roll, bool relative, float endBank);

// Turns sample j of seg about its tangent by Theta * j / (k - 1) (a single sample by the
// whole Theta) and fills every Bank; leaves seg unchanged when an absolute roll gives
// Theta exactly 0.
void ApplyRoll(TracedSegment& seg, const mKavrano_TrackIO_1_3::BezierNode& rollNode);

// atan2 of the world-y parts of a frame's right and up axes.
float BankOf(const Matrix3D& orientation);

} // namespace mKV_TraceTrack
