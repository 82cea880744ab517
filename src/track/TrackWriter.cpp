#include "TrackWriter.h"

#include "ChunkStream.h"
#include "SafeFileReplace.h"
#include "TrackPath.h"

#include <algorithm>

namespace mKavrano_TrackIO_1_3 {

namespace {

// Whole size in the file of a segment's type block, its size Long included.
int32_t TypeBlockSize(int32_t segmentType) {
    switch (segmentType) {
    case SegPlain:
        return 4;
    case SegStation:
        return 130;
    case SegLift:
        return 40;
    case SegTransport:
        return 32;
    case SegBrake:
        return 54;
    default:
        return 0;
    }
}

int32_t TextLength(const std::string& s) {
    return static_cast<int32_t>(s.size());
}

void SetFixedChildCounts(TrackDocument& doc) {
    doc.HeaderChildren = doc.TeraPresent ? 4 : 3;
    doc.TrckChildren = 4;
    doc.SuppChildren = 5;
    doc.ScenChildren = 1;
    doc.InfoChildren = doc.BezrChildren = doc.SegmChildren = 0;
    doc.FundChildren = doc.RascChildren = doc.FrenChildren = 0;
    doc.TubeChildren = doc.CatwChildren = doc.ScobChildren = 0;
    doc.TeraChildren = doc.EnvcChildren = 0;
}

void WriteVector(ChunkOutput& out, const Vector3D& v) {
    WriteSingle(out, v.x);
    WriteSingle(out, v.y);
    WriteSingle(out, v.z);
}

void WriteHeader(ChunkOutput& out, const TrackDocument& doc) {
    WriteTag(out, "KAVR");
    WriteLong(out, doc.HeaderLength);
    for (uint8_t b : kFormatVersion)
        WriteByte(out, b);
    WriteZeros(out, 16);
    WriteLong(out, doc.HeaderChildren);
}

void WriteTrck(ChunkOutput& out, const TrackDocument& doc) {
    WriteTag(out, "TRCK");
    WriteLong(out, doc.TrckLength);
    WriteLong(out, doc.TrackStyle);
    WriteLong(out, doc.TrackEntryCount);
    WriteLong(out, doc.TrackExtra);
    for (int32_t i = 0; i < doc.TrackEntryCount; ++i) {
        const TrackEntry& e = doc.TrackEntries[i];
        WriteBoolean(out, e.Flag);
        WriteZeros(out, 7);
        WriteCountedText(out, e.Name);
        WriteColour(out, e.Colour1);
        WriteColour(out, e.Colour2);
        WriteColour(out, e.Colour3);
        WriteColour(out, e.Colour4);
    }
    for (Colour c : doc.TrackColours)
        WriteColour(out, c);
    WriteZeros(out, 16);
    WriteLong(out, doc.TrckChildren);
}

void WriteInfo(ChunkOutput& out, const TrackDocument& doc) {
    WriteTag(out, "INFO");
    WriteLong(out, doc.InfoLength);
    WriteZeros(out, 16);
    WriteCountedText(out, doc.InfoText);
    WriteLong(out, doc.InfoChildren);
}

void WriteBezr(ChunkOutput& out, const TrackDocument& doc) {
    WriteTag(out, "BEZR");
    WriteLong(out, doc.BezrLength);
    WriteZeros(out, 16);
    WriteLong(out, doc.BezierCount);
    for (int32_t i = 0; i < doc.BezierCount; ++i) {
        const BezierNode& n = doc.BezierNodes[i];
        WriteVector(out, n.Position);
        WriteVector(out, n.ControlIn);
        WriteVector(out, n.ControlOut);
        WriteSingle(out, n.Roll);
        WriteBoolean(out, n.NodeFlagA);
        WriteBoolean(out, n.NodeFlagC);
        WriteBoolean(out, n.RelativeRoll);
        WriteZeros(out, 17);
    }
    WriteZeros(out, 16);
    WriteLong(out, doc.BezrChildren);
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

void WriteSegment(ChunkOutput& out, const TrackSegment& s) {
    WriteLong(out, s.SegmentType);
    WriteBoolean(out, s.CustomColours);
    WriteColour(out, s.SpineColour);
    WriteColour(out, s.RailsColour);
    WriteColour(out, s.CrosstieColour);
    WriteBoolean(out, s.Tunnel);
    WriteZeros(out, 15);
    const int32_t block = TypeBlockSize(s.SegmentType);
    if (block == 0)
        return; // a type without settings has no block
    WriteLong(out, block - 4);
    switch (s.SegmentType) {
    case SegStation:
        WriteStationBlock(out, s);
        break;
    case SegLift:
        WriteLiftBlock(out, s);
        break;
    case SegTransport:
        WriteTransportBlock(out, s);
        break;
    case SegBrake:
        WriteBrakeBlock(out, s);
        break;
    default:
        break;
    }
}

void WriteSegm(ChunkOutput& out, const TrackDocument& doc) {
    WriteTag(out, "SEGM");
    WriteLong(out, doc.SegmLength);
    WriteLong(out, doc.SegmentCount);
    WriteBoolean(out, doc.TrackClosed);
    WriteZeros(out, 16);
    for (int32_t i = 0; i < doc.SegmentCount; ++i)
        WriteSegment(out, doc.Segments[i]);
    WriteZeros(out, 16);
    WriteLong(out, doc.SegmChildren);
}

void WriteSupp(ChunkOutput& out, const TrackDocument& doc) {
    WriteTag(out, "SUPP");
    WriteLong(out, doc.SuppLength);
    WriteZeros(out, 32);
    WriteLong(out, doc.SuppChildren);
}

// The frame shared by the record chunks: 16 reserved, count, records, 16 reserved, children.
template <typename Record, typename WriteRecord>
void WriteRecordChunk(ChunkOutput& out, const char (&tag)[5], int32_t length, int32_t count,
                      const std::vector<Record>& records, int32_t children,
                      WriteRecord writeRecord) {
    WriteTag(out, tag);
    WriteLong(out, length);
    WriteZeros(out, 16);
    WriteLong(out, count);
    for (int32_t i = 0; i < count; ++i)
        writeRecord(out, records[i]);
    WriteZeros(out, 16);
    WriteLong(out, children);
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

void WriteRascRecord(ChunkOutput& out, const RascRecord& r) {
    WriteLong(out, r.ItemCount);
    for (int32_t i = 0; i < r.ItemCount; ++i) {
        WriteLong(out, r.Items[i].Value1);
        WriteSingle(out, r.Items[i].Value2);
        WriteZeros(out, 16);
    }
}

void WriteFrenRecord(ChunkOutput& out, const FrenRecord& r) {
    WriteSingle(out, r.Value1);
    WriteSingle(out, r.Value2);
    WriteSingle(out, r.Value3);
    WriteZeros(out, 16);
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

void WriteCatwRecord(ChunkOutput& out, const CatwRecord& r) {
    for (int32_t v : {r.Value1, r.Value2, r.Value3, r.Value4, r.Value5, r.Value6, r.TailLength})
        WriteLong(out, v);
    WriteZeros(out, static_cast<size_t>(std::max(r.TailLength, 0)));
}

void WriteScenRecord(ChunkOutput& out, const ScenRecord& r) {
    WriteSingle(out, r.Value1);
    WriteSingle(out, r.Value2);
    WriteSingle(out, r.Value3);
    WriteLong(out, r.Value5);
    WriteSingle(out, r.Value4);
    WriteZeros(out, 44);
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

void WriteTera(ChunkOutput& out, const TrackDocument& doc) {
    WriteTag(out, "TERA");
    WriteLong(out, doc.TeraLength);
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
    const size_t cells = static_cast<size_t>(std::max(doc.TeraCountX, 0)) *
                         static_cast<size_t>(std::max(doc.TeraCountY, 0));
    for (size_t i = 0; i < cells; ++i)
        WriteSingle(out, doc.TeraGrid[i]);
    WriteZeros(out, 16);
    WriteLong(out, doc.TeraChildren);
}

void WriteEnvc(ChunkOutput& out, const TrackDocument& doc) {
    WriteTag(out, "ENVC");
    WriteLong(out, doc.EnvcLength);
    WriteZeros(out, 16);
    WriteCountedText(out, doc.EnvcText1);
    WriteCountedText(out, doc.EnvcText2);
    WriteZeros(out, 16);
    WriteLong(out, doc.EnvcChildren);
}

} // namespace

void UpdateChunkLengths(TrackDocument& doc) {
    doc.InfoLength = 24 + TextLength(doc.InfoText);
    doc.BezrLength = 40 + 60 * doc.BezierCount;

    doc.SegmLength = 41;
    for (int32_t i = 0; i < doc.SegmentCount; ++i)
        doc.SegmLength += 33 + TypeBlockSize(doc.Segments[i].SegmentType);

    doc.FundLength = 40 + 92 * doc.FundCount;
    doc.RascLength = 40;
    for (int32_t i = 0; i < doc.RascCount; ++i)
        doc.RascLength += 4 + 24 * std::max(doc.RascRecords[i].ItemCount, 0);
    doc.FrenLength = 40 + 28 * doc.FrenCount;
    doc.TubeLength = 40 + 48 * doc.TubeCount;
    doc.CatwLength = 40;
    for (int32_t i = 0; i < doc.CatwCount; ++i)
        doc.CatwLength += 28 + std::max(doc.CatwRecords[i].TailLength, 0);
    doc.SuppLength = 36 + (8 + doc.FundLength) + (8 + doc.RascLength) + (8 + doc.FrenLength) +
                     (8 + doc.TubeLength) + (8 + doc.CatwLength);

    doc.TrckLength = 64;
    for (int32_t i = 0; i < doc.TrackEntryCount; ++i)
        doc.TrckLength += 28 + TextLength(doc.TrackEntries[i].Name);
    doc.TrckLength +=
        (8 + doc.InfoLength) + (8 + doc.BezrLength) + (8 + doc.SegmLength) + (8 + doc.SuppLength);

    doc.ScobLength = 40;
    for (int32_t i = 0; i < doc.ScobCount; ++i)
        doc.ScobLength +=
            88 + TextLength(doc.ScobRecords[i].Text1) + TextLength(doc.ScobRecords[i].Text2);
    doc.ScenLength = 40 + 64 * doc.ScenCount + 8 + doc.ScobLength;

    if (doc.TeraPresent)
        doc.TeraLength = 81 + TextLength(doc.TeraText1) + TextLength(doc.TeraText2) +
                         TextLength(doc.TeraText3) + 4 * doc.TeraCountX * doc.TeraCountY;
    doc.EnvcLength = 44 + TextLength(doc.EnvcText1) + TextLength(doc.EnvcText2);

    doc.HeaderLength = 24 + (8 + doc.TrckLength) + (8 + doc.ScenLength) + (8 + doc.EnvcLength);
    if (doc.TeraPresent)
        doc.HeaderLength += 8 + doc.TeraLength;
}

std::vector<uint8_t> BuildTrackData(TrackDocument& doc) {
    SetFixedChildCounts(doc);
    UpdateChunkLengths(doc);

    ChunkOutput out;
    out.FileData.reserve(8 + static_cast<size_t>(std::max(doc.HeaderLength, 0)));
    WriteHeader(out, doc);
    WriteTrck(out, doc);
    WriteInfo(out, doc);
    WriteBezr(out, doc);
    WriteSegm(out, doc);
    WriteSupp(out, doc);
    WriteRecordChunk(out, "FUND", doc.FundLength, doc.FundCount, doc.FundRecords, doc.FundChildren,
                     WriteFundRecord);
    WriteRecordChunk(out, "RASC", doc.RascLength, doc.RascCount, doc.RascRecords, doc.RascChildren,
                     WriteRascRecord);
    WriteRecordChunk(out, "FREN", doc.FrenLength, doc.FrenCount, doc.FrenRecords, doc.FrenChildren,
                     WriteFrenRecord);
    WriteRecordChunk(out, "TUBE", doc.TubeLength, doc.TubeCount, doc.TubeRecords, doc.TubeChildren,
                     WriteTubeRecord);
    WriteRecordChunk(out, "CATW", doc.CatwLength, doc.CatwCount, doc.CatwRecords, doc.CatwChildren,
                     WriteCatwRecord);
    WriteRecordChunk(out, "SCEN", doc.ScenLength, doc.ScenCount, doc.ScenRecords, doc.ScenChildren,
                     WriteScenRecord);
    WriteRecordChunk(out, "SCOB", doc.ScobLength, doc.ScobCount, doc.ScobRecords, doc.ScobChildren,
                     WriteScobRecord);
    if (doc.TeraPresent)
        WriteTera(out, doc);
    WriteEnvc(out, doc);
    return std::move(out.FileData);
}

SaveResult SaveTrackFile(TrackDocument& doc, const std::string& path) {
    SaveResult result;
    result.Path = WithTrackExtension(path);
    const std::vector<uint8_t> data = BuildTrackData(doc);
    result.Error = ReplaceFileSafely(result.Path, data);
    result.Saved = result.Error.empty();
    return result;
}

} // namespace mKavrano_TrackIO_1_3
