#include "DemoTrack.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace mKavrano_TrackIO_1_3 {

namespace {

// A run of equal segments in plan view: its length, how far it turns (degrees, positive to
// the right), the height it ends at, and what its segments carry.
struct Piece {
    int Segments;
    double Length;
    double TurnDegrees;
    double EndHeight;
    int32_t Type;
    float Roll = 0.0f; // bank at the nodes inside the piece; its end node is level
    bool Tunnel = false;
    bool CustomColours = false;
};

// One node of the walk: where it is and where the track heads (plan heading, radians,
// 0 along -Z, growing to the right).
struct WalkNode {
    double X, Y, Z, Heading, Distance;
    float Roll;
};

constexpr Colour Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return r | g << 8 | b << 16;
}

void SetStation(TrackSegment& s, bool first) {
    s.StationWaitAverage = 20.0f;
    s.StationWaitMinimum = 10.0f;
    s.StationWaitMaximum = 45.0f;
    s.StationWaitDeviation = 5.0f;
    s.StationWaitSync = first;
    s.StationMainBrakeDecel = 8.0f;
    s.StationEntrance = first ? 0 : 1;
    s.StationWheels = true;
    s.StationWheelsSpeed = 2.0f;
    s.StationWheelsAccel = 1.0f;
    s.StationWheelsDecel = 1.5f;
    s.StationPreBrake = first;
    s.StationPreBrakeSpeedLimit = 5.0f;
    s.StationPreBrakeDecel = 3.0f;
    s.StationPreBrakeHysteresis = 0.5f;
}

void SetLift(TrackSegment& s) {
    s.LiftMotorSpeed = 3.5f;
    s.LiftMotorAccel = 1.0f;
    s.LiftMotorDecel = 1.0f;
    s.LiftStyle = 0;
    s.LiftLeftRailing = true;
    s.LiftRightRailing = true;
}

void SetTransport(TrackSegment& s) {
    s.TransportMotorSpeed = 2.0f;
    s.TransportMotorAccel = 1.0f;
    s.TransportMotorDecel = 1.0f;
    s.TransportStyle = 1;
    s.TransportLeftRailing = false;
    s.TransportRightRailing = true;
}

void SetBrake(TrackSegment& s, bool block) {
    s.BrakeBlock = block;
    s.BrakeCompleteStop = false;
    s.BrakeSpeedLimit = 5.0f;
    s.BrakeDecel = 4.0f;
    s.BrakeHysteresis = 0.5f;
    s.BrakeWheels = true;
    s.BrakeWheelsSpeed = 2.0f;
    s.BrakeWheelsAccel = 1.0f;
    s.BrakeWheelsDecel = 1.0f;
    s.BrakeTriggerPos = 0.5f;
    s.BrakeLeftRailing = true;
    s.BrakeRightRailing = true;
}

// The circuit in plan is a stadium: 240 along -Z, a 180° turn, 240 back with a full-circle
// helix inside it, and a 180° turn into the station. It closes exactly.
const std::vector<Piece>& CircuitPieces() {
    const double turn = std::numbers::pi * 50.0; // half circle of radius 50
    const double helix = 2.0 * std::numbers::pi * 30.0;
    static const std::vector<Piece> kPieces = {
        {3, 36, 0, 2.0, SegStation},
        {1, 12, 0, 3.0, SegPlain},
        {6, 96, 0, 40.0, SegLift},
        {2, 20, 0, 39.0, SegPlain},
        {3, 48, 0, 5.0, SegPlain},
        {2, 28, 0, 4.0, SegPlain, 0.0f, true},
        {6, turn, 180, 10.0, SegPlain, -0.6f, true},
        {2, 40, 0, 22.0, SegPlain},
        {2, 40, 0, 12.0, SegPlain},
        {8, helix, 360, 5.0, SegPlain, -0.9f, false, true},
        {3, 48, 0, 5.0, SegBrake},
        {4, 112, 0, 3.0, SegTransport},
        {6, turn, 180, 2.0, SegTransport, -0.3f},
    };
    return kPieces;
}

// Walks the pieces and returns the nodes; totalLength receives the length of the circuit.
std::vector<WalkNode> WalkCircuit(std::vector<const Piece*>& segmentPiece, double& totalLength) {
    std::vector<WalkNode> nodes;
    double x = 0, z = 120, heading = 0, distance = 0;
    double y = 2.0;
    for (const Piece& p : CircuitPieces()) {
        const double step = p.Length / p.Segments;
        const double turnStep = p.TurnDegrees * std::numbers::pi / 180.0 / p.Segments;
        const double startY = y;
        for (int k = 0; k < p.Segments; ++k) {
            // A piece's first node ends the previous piece, which runs out level.
            nodes.push_back({x, y, z, heading, distance, k == 0 ? 0.0f : p.Roll});
            segmentPiece.push_back(&p);
            // Advance along the arc (or line) of this segment.
            if (turnStep == 0.0) {
                x += step * std::sin(heading);
                z -= step * std::cos(heading);
            } else {
                const double radius = step / turnStep;
                x += radius * (std::cos(heading) - std::cos(heading + turnStep));
                z -= radius * (std::sin(heading + turnStep) - std::sin(heading));
            }
            heading += turnStep;
            distance += step;
            // Smooth ease between the piece's start and end heights.
            const double u = double(k + 1) / p.Segments;
            y = startY + (p.EndHeight - startY) * (3 * u * u - 2 * u * u * u);
        }
    }
    totalLength = distance;
    return nodes;
}

} // namespace

TrackDocument MakeDemoTrack() {
    TrackDocument doc;
    doc.FormatVersion = kFormatVersion;
    doc.TrackStyle = 3;
    doc.TrackColours = {Rgb(200, 40, 40),   Rgb(230, 230, 230), Rgb(90, 90, 90),
                        Rgb(255, 200, 0),   Rgb(0, 120, 200),   Rgb(0, 0, 0),
                        Rgb(255, 255, 255), Rgb(128, 128, 128)};
    doc.InfoText = "Tornelle demo circuit";

    std::vector<const Piece*> segmentPiece;
    double totalLength = 0;
    const std::vector<WalkNode> walk = WalkCircuit(segmentPiece, totalLength);
    const size_t n = walk.size();
    const double xOffset = -55.0; // centre the circuit on the ground square

    doc.BezierCount = static_cast<int32_t>(n);
    doc.BezierNodes.resize(n);
    for (size_t i = 0; i < n; ++i) {
        const WalkNode& prev = walk[(i + n - 1) % n];
        const WalkNode& cur = walk[i];
        const WalkNode& next = walk[(i + 1) % n];
        auto gap = [&](const WalkNode& a, const WalkNode& b) {
            double d = b.Distance - a.Distance;
            return d <= 0 ? d + totalLength : d;
        };
        const double before = gap(prev, cur);
        const double after = gap(cur, next);
        // One tangent for both handles keeps the curve smooth through the node.
        const double slope = (next.Y - prev.Y) / (before + after);
        const double dx = std::sin(cur.Heading), dz = -std::cos(cur.Heading);
        const double norm = std::sqrt(1.0 + slope * slope);
        auto handle = [&](double length, double sign) {
            const double h = sign * length / 3.0 * norm;
            return Vector3D{float(cur.X + xOffset + h * dx / norm), float(cur.Y + h * slope / norm),
                            float(cur.Z + h * dz / norm)};
        };
        BezierNode& node = doc.BezierNodes[i];
        node.Position = {float(cur.X + xOffset), float(cur.Y), float(cur.Z)};
        node.ControlIn = handle(before, -1.0);
        node.ControlOut = handle(after, 1.0);
        node.Roll = cur.Roll;
    }

    doc.SegmentCount = static_cast<int32_t>(n);
    doc.Segments.resize(n);
    doc.TrackClosed = true;
    int stationIndex = 0, brakeIndex = 0;
    for (size_t i = 0; i < n; ++i) {
        TrackSegment& s = doc.Segments[i];
        const Piece& p = *segmentPiece[i];
        s.SegmentType = p.Type;
        s.Tunnel = p.Tunnel;
        s.CustomColours = p.CustomColours;
        s.SpineColour = Rgb(20, 60, 200);
        s.RailsColour = Rgb(250, 250, 80);
        s.CrosstieColour = Rgb(40, 40, 40);
        switch (p.Type) {
        case SegStation:
            SetStation(s, stationIndex++ == 0);
            break;
        case SegLift:
            SetLift(s);
            break;
        case SegTransport:
            SetTransport(s);
            break;
        case SegBrake:
            SetBrake(s, ++brakeIndex == p.Segments);
            break;
        default:
            break;
        }
    }

    // A small flat terrain so that every chunk kind is present in the demo file.
    doc.TeraPresent = true;
    doc.TeraCountX = 16;
    doc.TeraCountY = 16;
    doc.TeraGrid.assign(size_t(doc.TeraCountX) * size_t(doc.TeraCountY), 0.0f);
    return doc;
}

} // namespace mKavrano_TrackIO_1_3
