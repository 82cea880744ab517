#include "SegmentCurve.h"

#include <cmath>

namespace mKV_TraceTrack {

using mKavrano_TrackIO_1_3::BezierNode;
using mKavrano_TrackIO_1_3::TrackDocument;

bool HasNodesForSegments(const TrackDocument& doc) {
    return doc.SegmentCount <= doc.BezierCount &&
           static_cast<size_t>(doc.BezierCount) <= doc.BezierNodes.size() &&
           static_cast<size_t>(doc.SegmentCount) <= doc.Segments.size();
}

SegmentCurve CurveOfSegment(const TrackDocument& doc, int32_t i) {
    const int32_t next = i + 1 < doc.SegmentCount ? i + 1 : 0;
    const BezierNode& start = doc.BezierNodes[i];
    const BezierNode& end = doc.BezierNodes[next];
    return {start.Position, start.ControlOut, end.Position, end.ControlIn};
}

const BezierNode& RollNodeOfSegment(const TrackDocument& doc, int32_t i) {
    return doc.BezierNodes[i + 1 < doc.BezierCount ? i + 1 : 0];
}

double DistanceBetween(const Vector3D& a, const Vector3D& b) {
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    const double dz = static_cast<double>(b.z) - a.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

} // namespace mKV_TraceTrack
