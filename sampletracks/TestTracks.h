#pragma once

// Small hand-made documents shared by the tests and the benchmarks.
#include "TrackDocument.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

namespace test_tracks {

inline mKavrano_TrackIO_1_3::BezierNode Node(Vector3D position, Vector3D controlIn,
                                             Vector3D controlOut, float roll = 0.0f,
                                             bool relative = false) {
    return {position, controlIn, controlOut, roll, false, relative};
}

// One segment per node; the last segment runs back to node 0.
inline mKavrano_TrackIO_1_3::TrackDocument
TrackOf(std::vector<mKavrano_TrackIO_1_3::BezierNode> nodes, bool closed = false) {
    mKavrano_TrackIO_1_3::TrackDocument doc;
    doc.BezierCount = doc.SegmentCount = static_cast<int32_t>(nodes.size());
    doc.BezierNodes = std::move(nodes);
    doc.Segments.resize(doc.BezierNodes.size());
    for (size_t i = 0; i < doc.Segments.size(); ++i)
        doc.Segments[i].SegmentType = static_cast<int32_t>(i % 5);
    doc.TrackClosed = closed;
    return doc;
}

// The point `fraction` of the way from a to b.
inline Vector3D Between(const Vector3D& a, const Vector3D& b, float fraction) {
    return {a.x + (b.x - a.x) * fraction, a.y + (b.y - a.y) * fraction,
            a.z + (b.z - a.z) * fraction};
}

// Nodes every `spacing` units along -Z from the origin, controls a third of the way to
// their neighbours (so each curve runs at constant speed), rolls as given.
inline std::vector<mKavrano_TrackIO_1_3::BezierNode> StraightNodes(int count, float spacing) {
    std::vector<mKavrano_TrackIO_1_3::BezierNode> nodes;
    for (int i = 0; i < count; ++i) {
        const float z = -spacing * static_cast<float>(i);
        nodes.push_back(Node({0, 0, z}, {0, 0, z + spacing / 3}, {0, 0, z - spacing / 3}));
    }
    return nodes;
}

using SegmentSetup = std::function<void(mKavrano_TrackIO_1_3::TrackSegment&)>;

// Nodes at the points with controls a third of the way to their neighbours, so that every
// segment is straight (the last one back to the first point); segment i gets types[i] and
// then setups[i], when given.
inline mKavrano_TrackIO_1_3::TrackDocument Polyline(const std::vector<Vector3D>& points,
                                                    const std::vector<int32_t>& types,
                                                    const std::vector<SegmentSetup>& setups = {},
                                                    bool closed = false) {
    const size_t n = points.size();
    auto doc = TrackOf(std::vector<mKavrano_TrackIO_1_3::BezierNode>(n), closed);
    for (size_t i = 0; i < n; ++i) {
        doc.BezierNodes[i] = Node(points[i], Between(points[i], points[(i + n - 1) % n], 1.0f / 3),
                                  Between(points[i], points[(i + 1) % n], 1.0f / 3), 0.0f, true);
        doc.Segments[i].SegmentType = types[i];
        if (i < setups.size() && setups[i])
            setups[i](doc.Segments[i]);
    }
    return doc;
}

inline SegmentSetup Lift(float speed, float accel = 0, float decel = 0) {
    return [=](mKavrano_TrackIO_1_3::TrackSegment& s) {
        std::tie(s.LiftMotorSpeed, s.LiftMotorAccel, s.LiftMotorDecel) =
            std::tie(speed, accel, decel);
    };
}

inline SegmentSetup Transport(float speed) {
    return [=](mKavrano_TrackIO_1_3::TrackSegment& s) { s.TransportMotorSpeed = speed; };
}

inline SegmentSetup Brake(float limit, float decel, bool completeStop = false) {
    return [=](mKavrano_TrackIO_1_3::TrackSegment& s) {
        std::tie(s.BrakeSpeedLimit, s.BrakeDecel, s.BrakeCompleteStop) =
            std::tie(limit, decel, completeStop);
    };
}

inline SegmentSetup StationWheels(float speed) {
    return [=](mKavrano_TrackIO_1_3::TrackSegment& s) {
        s.StationWheels = true;
        s.StationWheelsSpeed = speed;
    };
}

// A closed vertical circle of radius r in the plane x = 0, its lowest point at the origin in
// the middle of segment 0, travelled along -Z there; four transports at `speed`.
inline mKavrano_TrackIO_1_3::TrackDocument VerticalCircle(float r, float speed) {
    const double k = 4.0 / 3.0 * std::tan(std::numbers::pi / 8) * r; // Bezier arc of 90°
    std::vector<mKavrano_TrackIO_1_3::BezierNode> nodes;
    for (int i = 0; i < 4; ++i) {
        const double a = -std::numbers::pi / 4 + i * std::numbers::pi / 2;
        const Vector3D p{0, float(r - r * std::cos(a)), float(-r * std::sin(a))};
        const Vector3D t{0, float(k * std::sin(a)), float(-k * std::cos(a))};
        nodes.push_back(Node(p, {0, p.y - t.y, p.z - t.z}, {0, p.y + t.y, p.z + t.z}, 0.0f, true));
    }
    mKavrano_TrackIO_1_3::TrackDocument doc = TrackOf(nodes, true);
    for (auto& s : doc.Segments)
        s = {.SegmentType = mKavrano_TrackIO_1_3::SegTransport, .TransportMotorSpeed = speed};
    return doc;
}

} // namespace test_tracks
