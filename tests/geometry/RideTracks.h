#pragma once

// Small tracks of straight segments for the ride preview tests, with the settings each case
// needs.
#include "TestTracks.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace test_tracks {

using SegmentSetup = std::function<void(mKavrano_TrackIO_1_3::TrackSegment&)>;

// Nodes at the points with controls a third of the way to their neighbours, so that every
// segment is straight; segment i gets types[i] and then setups[i], when given.
inline mKavrano_TrackIO_1_3::TrackDocument Polyline(const std::vector<Vector3D>& points,
                                                    const std::vector<int32_t>& types,
                                                    const std::vector<SegmentSetup>& setups = {},
                                                    bool closed = false) {
    const size_t n = points.size();
    auto toward = [](Vector3D a, Vector3D b) {
        return Vector3D{a.x + (b.x - a.x) / 3, a.y + (b.y - a.y) / 3, a.z + (b.z - a.z) / 3};
    };
    std::vector<mKavrano_TrackIO_1_3::BezierNode> nodes;
    for (size_t i = 0; i < n; ++i)
        nodes.push_back(Node(points[i], toward(points[i], points[(i + n - 1) % n]),
                             toward(points[i], points[(i + 1) % n]), 0.0f, true));
    mKavrano_TrackIO_1_3::TrackDocument doc = TrackOf(nodes, closed);
    for (size_t i = 0; i < n; ++i) {
        doc.Segments[i].SegmentType = types[i];
        if (i < setups.size() && setups[i])
            setups[i](doc.Segments[i]);
    }
    return doc;
}

inline SegmentSetup Lift(float speed, float accel = 0, float decel = 0) {
    return [=](mKavrano_TrackIO_1_3::TrackSegment& s) {
        s.LiftMotorSpeed = speed;
        s.LiftMotorAccel = accel;
        s.LiftMotorDecel = decel;
    };
}

inline SegmentSetup Transport(float speed) {
    return [=](mKavrano_TrackIO_1_3::TrackSegment& s) { s.TransportMotorSpeed = speed; };
}

inline SegmentSetup Brake(float limit, float decel, bool completeStop = false) {
    return [=](mKavrano_TrackIO_1_3::TrackSegment& s) {
        s.BrakeSpeedLimit = limit;
        s.BrakeDecel = decel;
        s.BrakeCompleteStop = completeStop;
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
    for (auto& s : doc.Segments) {
        s.SegmentType = mKavrano_TrackIO_1_3::SegTransport;
        Transport(speed)(s);
    }
    return doc;
}

} // namespace test_tracks
