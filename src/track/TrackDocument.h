#pragma once

#include "Vector3D.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mKavrano_TrackIO_1_3 {

// 0x00BBGGRR, red in the low byte: the form the colour dialog returns.
using Colour = uint32_t;

enum SegmentTypeCode : int32_t {
    SegPlain = 0,
    SegStation = 1,
    SegLift = 2,
    SegTransport = 3,
    SegBrake = 4,
};

struct TrackEntry {
    bool Flag = false;
    Colour Colour1 = 0;
    Colour Colour2 = 0;
    Colour Colour3 = 0;
    Colour Colour4 = 0;
    std::string Name;

    friend bool operator==(const TrackEntry&, const TrackEntry&) = default;
};

struct BezierNode {
    Vector3D Position;
    Vector3D ControlIn;  // used by the curve that ends at this node
    Vector3D ControlOut; // used by the curve that starts at this node
    float Roll = 0.0f;   // radians
    bool NodeFlagA = false;
    bool RelativeRoll = false; // Roll adds to the roll reached so far
    bool NodeFlagC = false;

    friend bool operator==(const BezierNode&, const BezierNode&) = default;
};

// The settings of every segment function side by side; only the group that
// matches SegmentType is read, written, shown and edited.
struct TrackSegment {
    int32_t SegmentType = SegPlain;
    Colour SpineColour = 0;
    Colour RailsColour = 0;
    Colour CrosstieColour = 0;
    bool CustomColours = false;
    bool Tunnel = false;

    float StationWaitAverage = 0.0f;
    float StationWaitMinimum = 0.0f;
    float StationWaitMaximum = 0.0f;
    float StationWaitDeviation = 0.0f;
    bool StationWaitSync = false;
    float StationMainBrakeDecel = 0.0f;
    uint8_t StationEntrance = 0;
    uint8_t StationBaseOnly = 0;
    uint8_t StationNoBuilding = 0;
    bool StationWheels = false;
    float StationWheelsSpeed = 0.0f;
    float StationWheelsAccel = 0.0f;
    float StationWheelsDecel = 0.0f;
    bool StationPreBrake = false;
    float StationPreBrakeSpeedLimit = 0.0f;
    float StationPreBrakeDecel = 0.0f;
    float StationPreBrakeHysteresis = 0.0f;

    float LiftMotorSpeed = 0.0f;
    float LiftMotorAccel = 0.0f;
    float LiftMotorDecel = 0.0f;
    uint8_t LiftStyle = 0;
    bool LiftLeftRailing = false;
    bool LiftRightRailing = false;

    float TransportMotorSpeed = 0.0f;
    float TransportMotorAccel = 0.0f;
    float TransportMotorDecel = 0.0f;
    uint8_t TransportStyle = 0;
    bool TransportLeftRailing = false;
    bool TransportRightRailing = false;

    bool BrakeBlock = false;
    bool BrakeCompleteStop = false;
    float BrakeSpeedLimit = 0.0f;
    float BrakeDecel = 0.0f;
    float BrakeHysteresis = 0.0f;
    bool BrakeWheels = false;
    float BrakeWheelsSpeed = 0.0f;
    float BrakeWheelsAccel = 0.0f;
    float BrakeWheelsDecel = 0.0f;
    float BrakeTriggerPos = 0.0f; // fraction of the segment
    bool BrakeLeftRailing = false;
    bool BrakeRightRailing = false;

    friend bool operator==(const TrackSegment&, const TrackSegment&) = default;
};

struct FundRecord {
    float Value1 = 0.0f;
    float Value2 = 0.0f;
    float Value3 = 0.0f;
    bool Value4 = false;
    float Value5 = 0.0f;
    bool Value6 = false;
    float Value7 = 0.0f;

    friend bool operator==(const FundRecord&, const FundRecord&) = default;
};

struct RascItem {
    int32_t Value1 = 0;
    float Value2 = 0.0f;

    friend bool operator==(const RascItem&, const RascItem&) = default;
};

struct RascRecord {
    int32_t ItemCount = 0;
    std::vector<RascItem> Items;

    friend bool operator==(const RascRecord&, const RascRecord&) = default;
};

struct FrenRecord {
    float Value1 = 0.0f;
    float Value2 = 0.0f;
    float Value3 = 0.0f;

    friend bool operator==(const FrenRecord&, const FrenRecord&) = default;
};

struct TubeRecord {
    int32_t Value1 = 0;
    int32_t Value2 = 0;
    int32_t Value3 = 0;
    int32_t Value4 = 0;
    int32_t Value5 = 0;
    int32_t Value6 = 0;
    int32_t Value7 = 0;
    int32_t Value8 = 0;
    float Value9 = 0.0f;

    friend bool operator==(const TubeRecord&, const TubeRecord&) = default;
};

struct CatwRecord {
    int32_t Value1 = 0;
    int32_t Value2 = 0;
    int32_t Value3 = 0;
    int32_t Value4 = 0;
    int32_t Value5 = 0;
    int32_t Value6 = 0;
    int32_t TailLength = 0; // opaque bytes after the record; not kept, written as zeros

    friend bool operator==(const CatwRecord&, const CatwRecord&) = default;
};

struct ScenRecord {
    float Value1 = 0.0f;
    float Value2 = 0.0f;
    float Value3 = 0.0f;
    float Value4 = 0.0f;
    int32_t Value5 = 0;

    friend bool operator==(const ScenRecord&, const ScenRecord&) = default;
};

struct ScobRecord {
    std::string Text1;
    std::string Text2;
    float Value1 = 0.0f;
    float Value2 = 0.0f;
    float Value3 = 0.0f;
    float Value4 = 0.0f;
    float Value5 = 0.0f;
    float Value6 = 0.0f;
    float Value7 = 0.0f;
    float Value8 = 0.0f;
    float Value9 = 0.0f;
    float Value10 = 0.0f;
    float Value11 = 0.0f;
    float Value12 = 0.0f;
    float Value13 = 0.0f;
    float Value14 = 0.0f;
    float Value15 = 0.0f;

    friend bool operator==(const ScobRecord&, const ScobRecord&) = default;
};

// The file format version the writer writes and the program's own tracks carry.
inline constexpr std::array<uint8_t, 4> kFormatVersion = {1, 3, 0, 0};

// The one track the program holds. Counts stay beside the arrays because the
// file carries them; every user loops by the count.
struct TrackDocument {
    std::array<uint8_t, 4> FormatVersion{};

    int32_t TrackStyle = 0;
    int32_t TrackEntryCount = 0;
    std::vector<TrackEntry> TrackEntries;
    int32_t TrackExtra = 0;
    std::array<Colour, 8> TrackColours{}; // 0 spine, 1 rails, 2 crosstie

    std::string InfoText;

    int32_t BezierCount = 0;
    std::vector<BezierNode> BezierNodes;

    int32_t SegmentCount = 0;
    std::vector<TrackSegment> Segments;
    bool TrackClosed = false;

    int32_t FundCount = 0;
    std::vector<FundRecord> FundRecords;
    int32_t RascCount = 0;
    std::vector<RascRecord> RascRecords;
    int32_t FrenCount = 0;
    std::vector<FrenRecord> FrenRecords;
    int32_t TubeCount = 0;
    std::vector<TubeRecord> TubeRecords;
    int32_t CatwCount = 0;
    std::vector<CatwRecord> CatwRecords;

    int32_t ScenCount = 0;
    std::vector<ScenRecord> ScenRecords;
    int32_t ScobCount = 0;
    std::vector<ScobRecord> ScobRecords;

    bool TeraPresent = false;
    int32_t TeraCountX = 0;
    int32_t TeraCountY = 0;
    std::vector<float> TeraGrid; // (x, y) at index y * TeraCountX + x
    float TeraValue1 = 0.0f;
    float TeraValue2 = 0.0f;
    float TeraValue3 = 0.0f;
    float TeraValue4 = 0.0f;
    float TeraValue5 = 0.0f;
    std::string TeraText1;
    std::string TeraText2;
    std::string TeraText3;
    uint8_t TeraByte = 0;
    bool TeraFlag = false;

    std::string EnvcText1;
    std::string EnvcText2;

    // Length field and child count of each chunk kind, as last read or written.
    int32_t HeaderLength = 0, HeaderChildren = 0;
    int32_t TrckLength = 0, TrckChildren = 0;
    int32_t InfoLength = 0, InfoChildren = 0;
    int32_t BezrLength = 0, BezrChildren = 0;
    int32_t SegmLength = 0, SegmChildren = 0;
    int32_t SuppLength = 0, SuppChildren = 0;
    int32_t FundLength = 0, FundChildren = 0;
    int32_t RascLength = 0, RascChildren = 0;
    int32_t FrenLength = 0, FrenChildren = 0;
    int32_t TubeLength = 0, TubeChildren = 0;
    int32_t CatwLength = 0, CatwChildren = 0;
    int32_t ScenLength = 0, ScenChildren = 0;
    int32_t ScobLength = 0, ScobChildren = 0;
    int32_t TeraLength = 0, TeraChildren = 0;
    int32_t EnvcLength = 0, EnvcChildren = 0;

    friend bool operator==(const TrackDocument&, const TrackDocument&) = default;
};

// Resets every count, number, text, flag and array to empty.
void ClearTrack(TrackDocument& doc);

} // namespace mKavrano_TrackIO_1_3
