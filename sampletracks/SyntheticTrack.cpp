#include "SyntheticTrack.h"
#include "TestTracks.h"

#include <cmath>
#include <numbers>

using namespace mKavrano_TrackIO_1_3;

namespace {

constexpr int kSegments = 20000;
constexpr int kRecords = 1000;
constexpr int kTerrainSide = 256;

constexpr double kTurns = 64.0;

// A helix of 64 turns: 20,000 segments of about 3 units each, like a real track's, so that
// the tracer samples them every 0.5 units.
Vector3D HelixPoint(double u) {
    const double angle = 2.0 * std::numbers::pi * kTurns * u;
    return {float(150.0 * std::sin(angle)), float(2.0 + 1.5 * kTurns * u),
            float(-150.0 * std::cos(angle))};
}

} // namespace

TrackDocument MakeSyntheticTrack() {
    TrackDocument doc;
    doc.TrackStyle = 9;
    doc.BezierCount = doc.SegmentCount = kSegments;
    doc.TrackClosed = true;
    doc.BezierNodes.resize(kSegments);
    doc.Segments.resize(kSegments);
    const double step = 1.0 / kSegments;
    for (int i = 0; i < kSegments; ++i) {
        const double u = i * step;
        doc.BezierNodes[i] =
            test_tracks::Node(HelixPoint(u), HelixPoint(u - step / 3.0), HelixPoint(u + step / 3.0),
                              float(0.4 * std::sin(40.0 * u)));
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
