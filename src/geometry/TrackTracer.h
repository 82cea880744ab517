#pragma once

#include "Matrix3D.h"
#include "TrackDocument.h"
#include "Vector3D.h"

#include <cstdint>
#include <vector>

namespace mKV_TraceTrack {

// One point of a traced segment, about 0.5 units of arc after the previous one.
struct TrackSample {
    Matrix3D Orientation;  // rotation only: columns right, up, backwards (travel is local -Z)
    Matrix3D World;        // translation to the sample's position times Orientation
    float Param = 0.0f;    // curve parameter t of the sample
    float Bank = 0.0f;     // atan2(Orientation[4], Orientation[5]) after the roll pass
    float Distance = 0.0f; // arc length from the segment's start node
};

struct TracedSegment {
    int32_t SampleCount = 0; // at least 1 once traced
    float Length = 0.0f;     // BezierLength of the segment's curve
    std::vector<TrackSample> Samples;
};

// The cross-section of one sample in world space. Points a track style does not use stay
// at the origin.
struct SpinePoint {
    int32_t SegType = 0;  // SegmentType of the sample's segment, copied at build time
    int32_t SegIndex = 0; // index of that segment, also its pick name
    Vector3D Center;
    Vector3D RailRight;
    Vector3D RailLeft;
    Vector3D BraceRight;
    Vector3D BraceLeft;
    Vector3D OuterRight;
    Vector3D OuterLeft;
};

// Everything the tracer produces. Users loop by the counts: after a successful trace
// TracedSegments holds TracedSegmentCount entries, SpinePoints holds SpinePointCount and
// SegmentSelected holds TracedSegmentCount flags.
struct TraceState {
    int32_t TracedSegmentCount = 0;
    std::vector<TracedSegment> TracedSegments;
    int32_t SpinePointCount = 0;
    std::vector<SpinePoint> SpinePoints;
    std::vector<bool> SegmentSelected; // true = selected, indexed like the segments
    int32_t LastClickedSegment = -1;   // where a range click starts; -1 after a reset
};

// The most spine points a document may need before it is refused. A real track has a few
// thousand; the bound a document is measured against is an upper estimate that also
// covers float rounding.
inline constexpr double kMaxSpinePoints = 500'000.0;

// Samples every segment of doc in order, each starting from the frame the previous one
// ended with. False with nothing else changed when doc has no segments. False with
// TracedSegmentCount 0 and no traced segments when doc is refused: more segments than
// nodes, counts beyond the arrays, or a spine that would exceed kMaxSpinePoints.
bool TraceTrack(TraceState& state, const mKavrano_TrackIO_1_3::TrackDocument& doc);

// Traces segment segIndex of doc into TracedSegments[segIndex]; segment segIndex - 1 must
// be traced already when segIndex > 0. False, with nothing changed, when segIndex has no
// entry or nodes, or when the segment alone would exceed the bounds of TraceTrack.
bool TraceSegment(TraceState& state, const mKavrano_TrackIO_1_3::TrackDocument& doc,
                  int32_t segIndex);

// Estimated arc length of the cubic Bezier from p0 (control c1) to p3 (control c2).
float BezierLength(const Vector3D& p0, const Vector3D& c1, const Vector3D& p3, const Vector3D& c2);

} // namespace mKV_TraceTrack
