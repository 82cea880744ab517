#include "TestTracks.h"

#include "TrackSpine.h"

#include <gtest/gtest.h>

namespace viewtest {

namespace {

// A third of the way from a to b: the control point that keeps the curve straight.
Vector3D Third(const Vector3D& a, const Vector3D& b) {
    return {a.x + (b.x - a.x) / 3.0f, a.y + (b.y - a.y) / 3.0f, a.z + (b.z - a.z) / 3.0f};
}

} // namespace

mKavrano_TrackIO_1_3::TrackDocument LoopTrack(const std::vector<Vector3D>& corners,
                                              const std::vector<int32_t>& types,
                                              int32_t trackStyle) {
    mKavrano_TrackIO_1_3::TrackDocument doc;
    const std::size_t n = corners.size();
    doc.TrackStyle = trackStyle;
    doc.BezierCount = static_cast<int32_t>(n);
    doc.SegmentCount = static_cast<int32_t>(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Vector3D& here = corners[i];
        mKavrano_TrackIO_1_3::BezierNode node;
        node.Position = here;
        node.ControlOut = Third(here, corners[(i + 1) % n]);
        node.ControlIn = Third(here, corners[(i + n - 1) % n]);
        doc.BezierNodes.push_back(node);
        mKavrano_TrackIO_1_3::TrackSegment segment;
        segment.SegmentType = types[i];
        doc.Segments.push_back(segment);
    }
    return doc;
}

void TraceInto(mKV_TraceTrack::TraceState& trace, const mKavrano_TrackIO_1_3::TrackDocument& doc) {
    ASSERT_TRUE(mKV_TraceTrack::TraceTrack(trace, doc));
    mKV_TraceTrack::BuildSpine(trace, doc);
    ASSERT_GT(trace.SpinePointCount, 1);
}

Vector3D Midpoint(const Vector3D& a, const Vector3D& b) {
    return {(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f, (a.z + b.z) / 2.0f};
}

} // namespace viewtest
