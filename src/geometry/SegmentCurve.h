#pragma once

#include "TrackDocument.h"
#include "Vector3D.h"

#include <cstdint>

namespace mKV_TraceTrack {

// The cubic Bezier of one segment: start point, its control, end point, the end's control.
struct SegmentCurve {
    Vector3D P0;
    Vector3D C1;
    Vector3D P3;
    Vector3D C2;
};

// True when every segment has the nodes its curve and its roll read.
bool HasNodesForSegments(const mKavrano_TrackIO_1_3::TrackDocument& doc);

// Segment i runs from node i to node i + 1, wrapping to node 0 at SegmentCount.
SegmentCurve CurveOfSegment(const mKavrano_TrackIO_1_3::TrackDocument& doc, int32_t i);

// The node whose roll segment i reaches: i + 1, wrapping to node 0 at BezierCount.
const mKavrano_TrackIO_1_3::BezierNode&
RollNodeOfSegment(const mKavrano_TrackIO_1_3::TrackDocument& doc, int32_t i);

// Euclidean distance in double.
double DistanceBetween(const Vector3D& a, const Vector3D& b);

} // namespace mKV_TraceTrack
