#include "SyntheticTrack.h"

#include <cmath>
#include <numbers>

using namespace mKavrano_TrackIO_1_3;

namespace {

constexpr int kSegments = 20000;
constexpr int kRecords = 1000;
constexpr int kTerrainSide = 256;

// A closed wavy ring: big enough that segments are a few units long, like a real track.
Vector3D RingPoint(double angle) {
    const double radius = 200.0 + 15.0 * std::sin(7.0 * angle);
    return {float(radius * std::sin(angle)), float(20.0 + 12.0 * std::sin(5.0 * angle)),
            float(-radius * std::cos(angle))};
}

} // namespace

TrackDocument MakeSyntheticTrack() {
    TrackDocument doc;
    doc.TrackStyle = 9;
    doc.BezierCount = doc.SegmentCount = kSegments;
    doc.TrackClosed = true;
    doc.BezierNodes.resize(kSegments);
    doc.Segments.resize(kSegments);
    const double step = 2.0 * std::numbers::pi / kSegments;
    for (int i = 0; i < kSegments; ++i) {
        const double a = i * step;
        const Vector3D p = RingPoint(a);
        const Vector3D before = RingPoint(a - step / 3.0);
        const Vector3D after = RingPoint(a + step / 3.0);
        BezierNode& n = doc.BezierNodes[i];
        n.Position = p;
        n.ControlIn = before;
        n.ControlOut = after;
        n.Roll = float(0.4 * std::sin(3.0 * a));
        TrackSegment& s = doc.Segments[i];
        s.SegmentType = i % 5;
        s.Tunnel = i % 7 == 0;
        s.CustomColours = i % 11 == 0;
        s.StationWaitAverage = 20.0f;
        s.LiftMotorSpeed = 3.0f;
        s.TransportMotorSpeed = 2.0f;
        s.BrakeSpeedLimit = 5.0f;
    }

    doc.FundCount = doc.RascCount = doc.FrenCount = doc.TubeCount = doc.CatwCount = kRecords;
    doc.ScenCount = doc.ScobCount = kRecords;
    doc.FundRecords.resize(kRecords);
    doc.RascRecords.assign(kRecords, RascRecord{.ItemCount = 2, .Items = {RascItem{}, RascItem{}}});
    doc.FrenRecords.resize(kRecords);
    doc.TubeRecords.resize(kRecords);
    doc.CatwRecords.assign(kRecords, CatwRecord{.TailLength = 8});
    doc.ScenRecords.resize(kRecords);
    doc.ScobRecords.assign(kRecords, ScobRecord{.Text1 = "tree", .Text2 = "oak.obj"});

    doc.TeraPresent = true;
    doc.TeraCountX = doc.TeraCountY = kTerrainSide;
    doc.TeraGrid.resize(kTerrainSide * kTerrainSide);
    for (size_t i = 0; i < doc.TeraGrid.size(); ++i)
        doc.TeraGrid[i] = float(i % 97) * 0.1f;
    return doc;
}
