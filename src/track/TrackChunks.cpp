#include "TrackChunks.h"

#include <algorithm>
#include <vector>

namespace mKavrano_TrackIO_1_3 {

namespace {

using Doc = TrackDocument;

// Smallest size of one record in the file, used to refuse a count that cannot fit in the
// bytes that remain before anything is allocated.
constexpr size_t kTrackEntryMinSize = 28;
constexpr size_t kBezierNodeSize = 60;
constexpr size_t kSegmentMinSize = 33;
constexpr size_t kFundRecordSize = 92;
constexpr size_t kRascRecordMinSize = 4;
constexpr size_t kRascItemSize = 24;
constexpr size_t kFrenRecordSize = 28;
constexpr size_t kTubeRecordSize = 48;
constexpr size_t kCatwRecordMinSize = 28;
constexpr size_t kScenRecordSize = 64;
constexpr size_t kScobRecordMinSize = 88;

// Sizes the array for count records, or refuses the input when the count is negative or its
// records could not fit in what remains.
template <typename Record>
bool PrepareRecords(ChunkInput& in, int32_t count, size_t minSize, std::vector<Record>& records) {
    if (count < 0) {
        in.Refuse("negative count " + std::to_string(count));
    } else if (static_cast<size_t>(count) > in.Remaining() / minSize) {
        in.Refuse("count " + std::to_string(count) + " cannot fit the " +
                  std::to_string(in.Remaining()) + " bytes left (" + std::to_string(minSize) +
                  " or more each)");
    }
    if (in.Refusal) {
        records.clear();
        return false;
    }
    records.assign(static_cast<size_t>(count), Record{});
    return true;
}

template <typename Record, typename ReadRecord>
void ReadRecords(ChunkInput& in, int32_t count, size_t minSize, std::vector<Record>& records,
                 ReadRecord readRecord) {
    if (!PrepareRecords(in, count, minSize, records))
        return;
    for (Record& r : records) {
        readRecord(in, r);
        if (in.Refusal)
            return;
    }
}

template <typename Record, typename WriteRecord>
void WriteRecords(ChunkOutput& out, int32_t count, const std::vector<Record>& records,
                  WriteRecord writeRecord) {
    for (int32_t i = 0; i < count; ++i)
        writeRecord(out, records[i]);
}

// The frame shared by BEZR and the record chunks FUND, RASC, FREN, TUBE, CATW, SCEN and SCOB:
// 16 reserved, the record count, the records, 16 reserved.
template <auto Count, auto Records, size_t MinSize, auto ReadRecord, auto WriteRecord>
struct RecordFrame {
    static void Read(ChunkInput& in, Doc& doc) {
        SkipBytes(in, 16);
        doc.*Count = ReadLong(in);
        ReadRecords(in, doc.*Count, MinSize, doc.*Records, ReadRecord);
        SkipBytes(in, 16);
    }
    static void Write(ChunkOutput& out, const Doc& doc) {
        WriteZeros(out, 16);
        WriteLong(out, doc.*Count);
        WriteRecords(out, doc.*Count, doc.*Records, WriteRecord);
        WriteZeros(out, 16);
    }
};

void ReadHeader(ChunkInput& in, Doc& doc) {
    for (uint8_t& b : doc.FormatVersion)
        b = ReadByte(in);
    SkipBytes(in, 16);
}

void WriteHeader(ChunkOutput& out, const Doc&) {
    for (uint8_t b : kFormatVersion)
        WriteByte(out, b);
    WriteZeros(out, 16);
}

void ReadTrackEntry(ChunkInput& in, TrackEntry& e) {
    e.Flag = ReadBoolean(in);
    SkipBytes(in, 7);
    e.Name = ReadCountedText(in);
    e.Colour1 = ReadColour(in);
    e.Colour2 = ReadColour(in);
    e.Colour3 = ReadColour(in);
    e.Colour4 = ReadColour(in);
}

void WriteTrackEntry(ChunkOutput& out, const TrackEntry& e) {
    WriteBoolean(out, e.Flag);
    WriteZeros(out, 7);
    WriteCountedText(out, e.Name);
    WriteColour(out, e.Colour1);
    WriteColour(out, e.Colour2);
    WriteColour(out, e.Colour3);
    WriteColour(out, e.Colour4);
}

void ReadTrck(ChunkInput& in, Doc& doc) {
    doc.TrackStyle = ReadLong(in);
    doc.TrackEntryCount = ReadLong(in);
    doc.TrackExtra = ReadLong(in);
    ReadRecords(in, doc.TrackEntryCount, kTrackEntryMinSize, doc.TrackEntries, ReadTrackEntry);
    for (Colour& c : doc.TrackColours)
        c = ReadColour(in);
    SkipBytes(in, 16);
}

void WriteTrck(ChunkOutput& out, const Doc& doc) {
    WriteLong(out, doc.TrackStyle);
    WriteLong(out, doc.TrackEntryCount);
    WriteLong(out, doc.TrackExtra);
    WriteRecords(out, doc.TrackEntryCount, doc.TrackEntries, WriteTrackEntry);
    for (Colour c : doc.TrackColours)
        WriteColour(out, c);
    WriteZeros(out, 16);
}

void ReadInfo(ChunkInput& in, Doc& doc) {
    SkipBytes(in, 16);
    doc.InfoText = ReadCountedText(in);
}

void WriteInfo(ChunkOutput& out, const Doc& doc) {
    WriteZeros(out, 16);
    WriteCountedText(out, doc.InfoText);
}

void ReadVector(ChunkInput& in, Vector3D& v) {
    v.x = ReadSingle(in);
    v.y = ReadSingle(in);
    v.z = ReadSingle(in);
}

void WriteVector(ChunkOutput& out, const Vector3D& v) {
    WriteSingle(out, v.x);
    WriteSingle(out, v.y);
    WriteSingle(out, v.z);
}

void ReadBezierNode(ChunkInput& in, BezierNode& n) {
    ReadVector(in, n.Position);
    ReadVector(in, n.ControlIn);
    ReadVector(in, n.ControlOut);
    n.Roll = ReadSingle(in);
    n.NodeFlagA = ReadBoolean(in);
    n.NodeFlagC = ReadBoolean(in);
    n.RelativeRoll = ReadBoolean(in);
    SkipBytes(in, 17);
}

void WriteBezierNode(ChunkOutput& out, const BezierNode& n) {
    WriteVector(out, n.Position);
    WriteVector(out, n.ControlIn);
    WriteVector(out, n.ControlOut);
    WriteSingle(out, n.Roll);
    WriteBoolean(out, n.NodeFlagA);
    WriteBoolean(out, n.NodeFlagC);
    WriteBoolean(out, n.RelativeRoll);
    WriteZeros(out, 17);
}

// The settings blocks of the segment types, each after its size Long.
void ReadNoSettings(ChunkInput&, TrackSegment&) {}

void WriteNoSettings(ChunkOutput&, const TrackSegment&) {}

void ReadStationBlock(ChunkInput& in, TrackSegment& s) {
    s.StationWaitAverage = ReadSingle(in);
    s.StationWaitMinimum = ReadSingle(in);
    s.StationWaitMaximum = ReadSingle(in);
    s.StationWaitDeviation = ReadSingle(in);
    s.StationEntrance = ReadByte(in);
    s.StationBaseOnly = ReadByte(in);
    s.StationWaitSync = ReadBoolean(in);
    s.StationNoBuilding = ReadByte(in);
    s.StationMainBrakeDecel = ReadSingle(in);
    SkipBytes(in, 4);
    s.StationPreBrake = ReadBoolean(in);
    s.StationPreBrakeSpeedLimit = ReadSingle(in);
    SkipBytes(in, 4);
    s.StationPreBrakeDecel = ReadSingle(in);
    s.StationPreBrakeHysteresis = ReadSingle(in);
    SkipBytes(in, 4);
    s.StationWheels = ReadBoolean(in);
    s.StationWheelsSpeed = ReadSingle(in);
    s.StationWheelsAccel = ReadSingle(in);
    s.StationWheelsDecel = ReadSingle(in);
    SkipBytes(in, 64);
}

void WriteStationBlock(ChunkOutput& out, const TrackSegment& s) {
    WriteSingle(out, s.StationWaitAverage);
    WriteSingle(out, s.StationWaitMinimum);
    WriteSingle(out, s.StationWaitMaximum);
    WriteSingle(out, s.StationWaitDeviation);
    WriteByte(out, s.StationEntrance);
    WriteByte(out, s.StationBaseOnly);
    WriteBoolean(out, s.StationWaitSync);
    WriteByte(out, s.StationNoBuilding);
    WriteSingle(out, s.StationMainBrakeDecel);
    WriteZeros(out, 4);
    WriteBoolean(out, s.StationPreBrake);
    WriteSingle(out, s.StationPreBrakeSpeedLimit);
    WriteZeros(out, 4);
    WriteSingle(out, s.StationPreBrakeDecel);
    WriteSingle(out, s.StationPreBrakeHysteresis);
    WriteZeros(out, 4);
    WriteBoolean(out, s.StationWheels);
    WriteSingle(out, s.StationWheelsSpeed);
    WriteSingle(out, s.StationWheelsAccel);
    WriteSingle(out, s.StationWheelsDecel);
    WriteZeros(out, 64);
}

void ReadLiftBlock(ChunkInput& in, TrackSegment& s) {
    SkipBytes(in, 3);
    s.LiftStyle = ReadByte(in);
    s.LiftMotorSpeed = ReadSingle(in);
    s.LiftMotorAccel = ReadSingle(in);
    s.LiftMotorDecel = ReadSingle(in);
    SkipBytes(in, 4);
    s.LiftLeftRailing = ReadBoolean(in);
    s.LiftRightRailing = ReadBoolean(in);
    SkipBytes(in, 14);
}

void WriteLiftBlock(ChunkOutput& out, const TrackSegment& s) {
    WriteZeros(out, 3);
    WriteByte(out, s.LiftStyle);
    WriteSingle(out, s.LiftMotorSpeed);
    WriteSingle(out, s.LiftMotorAccel);
    WriteSingle(out, s.LiftMotorDecel);
    WriteZeros(out, 4);
    WriteBoolean(out, s.LiftLeftRailing);
    WriteBoolean(out, s.LiftRightRailing);
    WriteZeros(out, 14);
}

void ReadTransportBlock(ChunkInput& in, TrackSegment& s) {
    s.TransportMotorSpeed = ReadSingle(in);
    s.TransportMotorAccel = ReadSingle(in);
    s.TransportMotorDecel = ReadSingle(in);
    SkipBytes(in, 3);
    s.TransportStyle = ReadByte(in);
    s.TransportLeftRailing = ReadBoolean(in);
    s.TransportRightRailing = ReadBoolean(in);
    SkipBytes(in, 10);
}

void WriteTransportBlock(ChunkOutput& out, const TrackSegment& s) {
    WriteSingle(out, s.TransportMotorSpeed);
    WriteSingle(out, s.TransportMotorAccel);
    WriteSingle(out, s.TransportMotorDecel);
    WriteZeros(out, 3);
    WriteByte(out, s.TransportStyle);
    WriteBoolean(out, s.TransportLeftRailing);
    WriteBoolean(out, s.TransportRightRailing);
    WriteZeros(out, 10);
}

void ReadBrakeBlock(ChunkInput& in, TrackSegment& s) {
    s.BrakeSpeedLimit = ReadSingle(in);
    s.BrakeDecel = ReadSingle(in);
    s.BrakeHysteresis = ReadSingle(in);
    SkipBytes(in, 4);
    s.BrakeTriggerPos = ReadSingle(in);
    s.BrakeBlock = ReadBoolean(in);
    s.BrakeWheels = ReadBoolean(in);
    s.BrakeWheelsSpeed = ReadSingle(in);
    s.BrakeWheelsAccel = ReadSingle(in);
    s.BrakeWheelsDecel = ReadSingle(in);
    s.BrakeLeftRailing = ReadBoolean(in);
    s.BrakeRightRailing = ReadBoolean(in);
    s.BrakeCompleteStop = ReadBoolean(in);
    SkipBytes(in, 13);
}

void WriteBrakeBlock(ChunkOutput& out, const TrackSegment& s) {
    WriteSingle(out, s.BrakeSpeedLimit);
    WriteSingle(out, s.BrakeDecel);
    WriteSingle(out, s.BrakeHysteresis);
    WriteZeros(out, 4);
    WriteSingle(out, s.BrakeTriggerPos);
    WriteBoolean(out, s.BrakeBlock);
    WriteBoolean(out, s.BrakeWheels);
    WriteSingle(out, s.BrakeWheelsSpeed);
    WriteSingle(out, s.BrakeWheelsAccel);
    WriteSingle(out, s.BrakeWheelsDecel);
    WriteBoolean(out, s.BrakeLeftRailing);
    WriteBoolean(out, s.BrakeRightRailing);
    WriteBoolean(out, s.BrakeCompleteStop);
    WriteZeros(out, 13);
}

// The settings block of a segment type. Size is the value of the block's leading Long: the
// bytes that follow it, which Read and Write cover.
struct SegmentBlock {
    int32_t Type;
    int32_t Size;
    void (*Read)(ChunkInput& in, TrackSegment& s);
    void (*Write)(ChunkOutput& out, const TrackSegment& s);
};

// A type without a row has no block at all: its record ends after the common fields.
constexpr SegmentBlock kSegmentBlocks[] = {
    {SegPlain, 0, ReadNoSettings, WriteNoSettings},
    {SegStation, 126, ReadStationBlock, WriteStationBlock},
    {SegLift, 36, ReadLiftBlock, WriteLiftBlock},
    {SegTransport, 28, ReadTransportBlock, WriteTransportBlock},
    {SegBrake, 50, ReadBrakeBlock, WriteBrakeBlock},
};

const SegmentBlock* FindSegmentBlock(int32_t segmentType) {
    for (const SegmentBlock& block : kSegmentBlocks) {
        if (block.Type == segmentType)
            return &block;
    }
    return nullptr;
}

void ReadSegment(ChunkInput& in, TrackSegment& s) {
    s.SegmentType = ReadLong(in);
    s.CustomColours = ReadBoolean(in);
    s.SpineColour = ReadColour(in);
    s.RailsColour = ReadColour(in);
    s.CrosstieColour = ReadColour(in);
    s.Tunnel = ReadBoolean(in);
    SkipBytes(in, 15);
    if (const SegmentBlock* block = FindSegmentBlock(s.SegmentType)) {
        SkipBytes(in, 4); // the block size, fixed by the type
        block->Read(in, s);
    }
}

void WriteSegment(ChunkOutput& out, const TrackSegment& s) {
    WriteLong(out, s.SegmentType);
    WriteBoolean(out, s.CustomColours);
    WriteColour(out, s.SpineColour);
    WriteColour(out, s.RailsColour);
    WriteColour(out, s.CrosstieColour);
    WriteBoolean(out, s.Tunnel);
    WriteZeros(out, 15);
    if (const SegmentBlock* block = FindSegmentBlock(s.SegmentType)) {
        WriteLong(out, block->Size);
        block->Write(out, s);
    }
}

void ReadSegm(ChunkInput& in, Doc& doc) {
    doc.SegmentCount = ReadLong(in);
    doc.TrackClosed = ReadBoolean(in);
    SkipBytes(in, 16);
    ReadRecords(in, doc.SegmentCount, kSegmentMinSize, doc.Segments, ReadSegment);
    SkipBytes(in, 16);
}

void WriteSegm(ChunkOutput& out, const Doc& doc) {
    WriteLong(out, doc.SegmentCount);
    WriteBoolean(out, doc.TrackClosed);
    WriteZeros(out, 16);
    WriteRecords(out, doc.SegmentCount, doc.Segments, WriteSegment);
    WriteZeros(out, 16);
}

void ReadSupp(ChunkInput& in, Doc&) {
    SkipBytes(in, 32);
}

void WriteSupp(ChunkOutput& out, const Doc&) {
    WriteZeros(out, 32);
}

void ReadFundRecord(ChunkInput& in, FundRecord& r) {
    r.Value4 = ReadBoolean(in);
    r.Value5 = ReadSingle(in);
    r.Value6 = ReadBoolean(in);
    r.Value7 = ReadSingle(in);
    SkipBytes(in, 6);
    r.Value1 = ReadSingle(in);
    r.Value2 = ReadSingle(in);
    r.Value3 = ReadSingle(in);
    SkipBytes(in, 64);
}

void WriteFundRecord(ChunkOutput& out, const FundRecord& r) {
    WriteBoolean(out, r.Value4);
    WriteSingle(out, r.Value5);
    WriteBoolean(out, r.Value6);
    WriteSingle(out, r.Value7);
    WriteZeros(out, 6);
    WriteSingle(out, r.Value1);
    WriteSingle(out, r.Value2);
    WriteSingle(out, r.Value3);
    WriteZeros(out, 64);
}

void ReadRascItem(ChunkInput& in, RascItem& item) {
    item.Value1 = ReadLong(in);
    item.Value2 = ReadSingle(in);
    SkipBytes(in, 16);
}

void WriteRascItem(ChunkOutput& out, const RascItem& item) {
    WriteLong(out, item.Value1);
    WriteSingle(out, item.Value2);
    WriteZeros(out, 16);
}

void ReadRascRecord(ChunkInput& in, RascRecord& r) {
    r.ItemCount = ReadLong(in);
    // A count of 0 or less has no items; only a positive count is checked against the data.
    if (r.ItemCount > 0)
        ReadRecords(in, r.ItemCount, kRascItemSize, r.Items, ReadRascItem);
}

void WriteRascRecord(ChunkOutput& out, const RascRecord& r) {
    WriteLong(out, r.ItemCount);
    WriteRecords(out, r.ItemCount, r.Items, WriteRascItem);
}

void ReadFrenRecord(ChunkInput& in, FrenRecord& r) {
    r.Value1 = ReadSingle(in);
    r.Value2 = ReadSingle(in);
    r.Value3 = ReadSingle(in);
    SkipBytes(in, 16);
}

void WriteFrenRecord(ChunkOutput& out, const FrenRecord& r) {
    WriteSingle(out, r.Value1);
    WriteSingle(out, r.Value2);
    WriteSingle(out, r.Value3);
    WriteZeros(out, 16);
}

void ReadTubeRecord(ChunkInput& in, TubeRecord& r) {
    r.Value1 = ReadLong(in);
    r.Value3 = ReadLong(in);
    r.Value2 = ReadLong(in);
    SkipBytes(in, 4);
    r.Value4 = ReadLong(in);
    r.Value6 = ReadLong(in);
    r.Value5 = ReadLong(in);
    SkipBytes(in, 4);
    r.Value7 = ReadLong(in);
    r.Value8 = ReadLong(in);
    r.Value9 = ReadSingle(in);
    SkipBytes(in, 4);
}

void WriteTubeRecord(ChunkOutput& out, const TubeRecord& r) {
    WriteLong(out, r.Value1);
    WriteLong(out, r.Value3);
    WriteLong(out, r.Value2);
    WriteZeros(out, 4);
    WriteLong(out, r.Value4);
    WriteLong(out, r.Value6);
    WriteLong(out, r.Value5);
    WriteZeros(out, 4);
    WriteLong(out, r.Value7);
    WriteLong(out, r.Value8);
    WriteSingle(out, r.Value9);
    WriteZeros(out, 4);
}

void ReadCatwRecord(ChunkInput& in, CatwRecord& r) {
    r.Value1 = ReadLong(in);
    r.Value2 = ReadLong(in);
    r.Value3 = ReadLong(in);
    r.Value4 = ReadLong(in);
    r.Value5 = ReadLong(in);
    r.Value6 = ReadLong(in);
    r.TailLength = ReadLong(in);
    if (r.TailLength < 0) {
        in.Refuse("negative tail length " + std::to_string(r.TailLength));
    } else {
        SkipBytes(in, static_cast<size_t>(r.TailLength));
    }
}

void WriteCatwRecord(ChunkOutput& out, const CatwRecord& r) {
    for (int32_t v : {r.Value1, r.Value2, r.Value3, r.Value4, r.Value5, r.Value6, r.TailLength})
        WriteLong(out, v);
    WriteZeros(out, static_cast<size_t>(std::max(r.TailLength, 0)));
}

void ReadScenRecord(ChunkInput& in, ScenRecord& r) {
    r.Value1 = ReadSingle(in);
    r.Value2 = ReadSingle(in);
    r.Value3 = ReadSingle(in);
    r.Value5 = ReadLong(in);
    r.Value4 = ReadSingle(in);
    SkipBytes(in, 44);
}

void WriteScenRecord(ChunkOutput& out, const ScenRecord& r) {
    WriteSingle(out, r.Value1);
    WriteSingle(out, r.Value2);
    WriteSingle(out, r.Value3);
    WriteLong(out, r.Value5);
    WriteSingle(out, r.Value4);
    WriteZeros(out, 44);
}

void ReadScobRecord(ChunkInput& in, ScobRecord& r) {
    r.Text2 = ReadCountedText(in);
    r.Text1 = ReadCountedText(in);
    for (float* v :
         {&r.Value1, &r.Value2, &r.Value3, &r.Value10, &r.Value4, &r.Value5, &r.Value6, &r.Value11,
          &r.Value7, &r.Value8, &r.Value9, &r.Value12, &r.Value13, &r.Value14, &r.Value15})
        *v = ReadSingle(in);
    SkipBytes(in, 20);
}

void WriteScobRecord(ChunkOutput& out, const ScobRecord& r) {
    WriteCountedText(out, r.Text2);
    WriteCountedText(out, r.Text1);
    for (float v :
         {r.Value1, r.Value2, r.Value3, r.Value10, r.Value4, r.Value5, r.Value6, r.Value11,
          r.Value7, r.Value8, r.Value9, r.Value12, r.Value13, r.Value14, r.Value15})
        WriteSingle(out, v);
    WriteZeros(out, 20);
}

using Bezr = RecordFrame<&Doc::BezierCount, &Doc::BezierNodes, kBezierNodeSize, ReadBezierNode,
                         WriteBezierNode>;
using Fund = RecordFrame<&Doc::FundCount, &Doc::FundRecords, kFundRecordSize, ReadFundRecord,
                         WriteFundRecord>;
using Rasc = RecordFrame<&Doc::RascCount, &Doc::RascRecords, kRascRecordMinSize, ReadRascRecord,
                         WriteRascRecord>;
using Fren = RecordFrame<&Doc::FrenCount, &Doc::FrenRecords, kFrenRecordSize, ReadFrenRecord,
                         WriteFrenRecord>;
using Tube = RecordFrame<&Doc::TubeCount, &Doc::TubeRecords, kTubeRecordSize, ReadTubeRecord,
                         WriteTubeRecord>;
using Catw = RecordFrame<&Doc::CatwCount, &Doc::CatwRecords, kCatwRecordMinSize, ReadCatwRecord,
                         WriteCatwRecord>;
using Scen = RecordFrame<&Doc::ScenCount, &Doc::ScenRecords, kScenRecordSize, ReadScenRecord,
                         WriteScenRecord>;
using Scob = RecordFrame<&Doc::ScobCount, &Doc::ScobRecords, kScobRecordMinSize, ReadScobRecord,
                         WriteScobRecord>;

void ReadTera(ChunkInput& in, Doc& doc) {
    doc.TeraCountX = ReadLong(in);
    doc.TeraCountY = ReadLong(in);
    doc.TeraValue1 = ReadSingle(in);
    doc.TeraValue2 = ReadSingle(in);
    doc.TeraText1 = ReadCountedText(in);
    doc.TeraValue3 = ReadSingle(in);
    doc.TeraText2 = ReadCountedText(in);
    doc.TeraValue4 = ReadSingle(in);
    doc.TeraFlag = ReadBoolean(in);
    SkipBytes(in, 4);
    doc.TeraText3 = ReadCountedText(in);
    doc.TeraValue5 = ReadSingle(in);
    doc.TeraByte = ReadByte(in);
    SkipBytes(in, 15);
    const std::string size =
        std::to_string(doc.TeraCountX) + " x " + std::to_string(doc.TeraCountY);
    if (doc.TeraCountX < 0 || doc.TeraCountY < 0) {
        in.Refuse("negative terrain size " + size);
    } else if (TerrainCellCount(doc) > in.Remaining() / 4) {
        in.Refuse("terrain size " + size + " cannot fit the " + std::to_string(in.Remaining()) +
                  " bytes left");
    }
    if (in.Refusal) {
        doc.TeraGrid.clear();
        return;
    }
    doc.TeraGrid.resize(TerrainCellCount(doc));
    for (float& v : doc.TeraGrid)
        v = ReadSingle(in);
    SkipBytes(in, 16);
}

void WriteTera(ChunkOutput& out, const Doc& doc) {
    WriteLong(out, doc.TeraCountX);
    WriteLong(out, doc.TeraCountY);
    WriteSingle(out, doc.TeraValue1);
    WriteSingle(out, doc.TeraValue2);
    WriteCountedText(out, doc.TeraText1);
    WriteSingle(out, doc.TeraValue3);
    WriteCountedText(out, doc.TeraText2);
    WriteSingle(out, doc.TeraValue4);
    WriteBoolean(out, doc.TeraFlag);
    WriteZeros(out, 4);
    WriteCountedText(out, doc.TeraText3);
    WriteSingle(out, doc.TeraValue5);
    WriteByte(out, doc.TeraByte);
    WriteZeros(out, 15);
    const uint64_t cells = TerrainCellCount(doc);
    for (uint64_t i = 0; i < cells; ++i)
        WriteSingle(out, doc.TeraGrid[i]);
    WriteZeros(out, 16);
}

void ReadEnvc(ChunkInput& in, Doc& doc) {
    SkipBytes(in, 16);
    doc.EnvcText1 = ReadCountedText(in);
    doc.EnvcText2 = ReadCountedText(in);
    SkipBytes(in, 16);
}

void WriteEnvc(ChunkOutput& out, const Doc& doc) {
    WriteZeros(out, 16);
    WriteCountedText(out, doc.EnvcText1);
    WriteCountedText(out, doc.EnvcText2);
    WriteZeros(out, 16);
}

} // namespace

uint64_t TerrainCellCount(const TrackDocument& doc) {
    return uint64_t(std::max(doc.TeraCountX, 0)) * uint64_t(std::max(doc.TeraCountY, 0));
}

int32_t SegmentRecordSize(int32_t segmentType) {
    const SegmentBlock* block = FindSegmentBlock(segmentType);
    return int32_t{kSegmentMinSize} + (block ? 4 + block->Size : 0);
}

constexpr ChunkKind kFileHeader = {"KAVR", &Doc::HeaderLength, &Doc::HeaderChildren,
                                   3,      ReadHeader,         WriteHeader};

// tag, length, child count, children in the written tree, reader, writer, presence flag
constexpr ChunkKind kChunkKinds[] = {
    {"TRCK", &Doc::TrckLength, &Doc::TrckChildren, 4, ReadTrck, WriteTrck},
    {"INFO", &Doc::InfoLength, &Doc::InfoChildren, 0, ReadInfo, WriteInfo},
    {"BEZR", &Doc::BezrLength, &Doc::BezrChildren, 0, Bezr::Read, Bezr::Write},
    {"SEGM", &Doc::SegmLength, &Doc::SegmChildren, 0, ReadSegm, WriteSegm},
    {"SUPP", &Doc::SuppLength, &Doc::SuppChildren, 5, ReadSupp, WriteSupp},
    {"FUND", &Doc::FundLength, &Doc::FundChildren, 0, Fund::Read, Fund::Write},
    {"RASC", &Doc::RascLength, &Doc::RascChildren, 0, Rasc::Read, Rasc::Write},
    {"FREN", &Doc::FrenLength, &Doc::FrenChildren, 0, Fren::Read, Fren::Write},
    {"TUBE", &Doc::TubeLength, &Doc::TubeChildren, 0, Tube::Read, Tube::Write},
    {"CATW", &Doc::CatwLength, &Doc::CatwChildren, 0, Catw::Read, Catw::Write},
    {"SCEN", &Doc::ScenLength, &Doc::ScenChildren, 1, Scen::Read, Scen::Write},
    {"SCOB", &Doc::ScobLength, &Doc::ScobChildren, 0, Scob::Read, Scob::Write},
    {"TERA", &Doc::TeraLength, &Doc::TeraChildren, 0, ReadTera, WriteTera, &Doc::TeraPresent},
    {"ENVC", &Doc::EnvcLength, &Doc::EnvcChildren, 0, ReadEnvc, WriteEnvc},
};

} // namespace mKavrano_TrackIO_1_3
