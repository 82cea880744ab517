#include "TrackReader.h"

#include "ChunkStream.h"
#include "TrackPath.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace mKavrano_TrackIO_1_3 {

namespace {

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
    if (in.Overrun) {
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
        if (in.Overrun)
            return;
    }
}

// The frame shared by FUND, RASC, FREN, TUBE, CATW, SCEN and SCOB: length, 16 reserved,
// count, the records, 16 reserved, child count.
template <typename Record, typename ReadRecord>
void ReadRecordChunk(ChunkInput& in, int32_t& length, int32_t& count, std::vector<Record>& records,
                     int32_t& children, size_t minSize, ReadRecord readRecord) {
    length = ReadLong(in);
    SkipBytes(in, 16);
    count = ReadLong(in);
    ReadRecords(in, count, minSize, records, readRecord);
    SkipBytes(in, 16);
    children = ReadLong(in);
}

void ReadHeader(ChunkInput& in, TrackDocument& doc) {
    doc.HeaderLength = ReadLong(in);
    for (uint8_t& b : doc.FormatVersion)
        b = ReadByte(in);
    SkipBytes(in, 16);
    doc.HeaderChildren = ReadLong(in);
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

void ReadTrck(ChunkInput& in, TrackDocument& doc) {
    doc.TrckLength = ReadLong(in);
    doc.TrackStyle = ReadLong(in);
    doc.TrackEntryCount = ReadLong(in);
    doc.TrackExtra = ReadLong(in);
    ReadRecords(in, doc.TrackEntryCount, kTrackEntryMinSize, doc.TrackEntries, ReadTrackEntry);
    for (Colour& c : doc.TrackColours)
        c = ReadColour(in);
    SkipBytes(in, 16);
    doc.TrckChildren = ReadLong(in);
}

void ReadInfo(ChunkInput& in, TrackDocument& doc) {
    doc.InfoLength = ReadLong(in);
    SkipBytes(in, 16);
    doc.InfoText = ReadCountedText(in);
    doc.InfoChildren = ReadLong(in);
}

void ReadVector(ChunkInput& in, Vector3D& v) {
    v.x = ReadSingle(in);
    v.y = ReadSingle(in);
    v.z = ReadSingle(in);
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

void ReadBezr(ChunkInput& in, TrackDocument& doc) {
    doc.BezrLength = ReadLong(in);
    SkipBytes(in, 16);
    doc.BezierCount = ReadLong(in);
    ReadRecords(in, doc.BezierCount, kBezierNodeSize, doc.BezierNodes, ReadBezierNode);
    SkipBytes(in, 16);
    doc.BezrChildren = ReadLong(in);
}

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

void ReadSegment(ChunkInput& in, TrackSegment& s) {
    s.SegmentType = ReadLong(in);
    s.CustomColours = ReadBoolean(in);
    s.SpineColour = ReadColour(in);
    s.RailsColour = ReadColour(in);
    s.CrosstieColour = ReadColour(in);
    s.Tunnel = ReadBoolean(in);
    SkipBytes(in, 15);
    if (s.SegmentType < SegPlain || s.SegmentType > SegBrake)
        return;       // no type block at all
    SkipBytes(in, 4); // the block size, fixed by the type
    switch (s.SegmentType) {
    case SegStation:
        ReadStationBlock(in, s);
        break;
    case SegLift:
        ReadLiftBlock(in, s);
        break;
    case SegTransport:
        ReadTransportBlock(in, s);
        break;
    case SegBrake:
        ReadBrakeBlock(in, s);
        break;
    default:
        break;
    }
}

void ReadSegm(ChunkInput& in, TrackDocument& doc) {
    doc.SegmLength = ReadLong(in);
    doc.SegmentCount = ReadLong(in);
    doc.TrackClosed = ReadBoolean(in);
    SkipBytes(in, 16);
    ReadRecords(in, doc.SegmentCount, kSegmentMinSize, doc.Segments, ReadSegment);
    SkipBytes(in, 16);
    doc.SegmChildren = ReadLong(in);
}

void ReadSupp(ChunkInput& in, TrackDocument& doc) {
    doc.SuppLength = ReadLong(in);
    SkipBytes(in, 32);
    doc.SuppChildren = ReadLong(in);
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

void ReadRascItem(ChunkInput& in, RascItem& item) {
    item.Value1 = ReadLong(in);
    item.Value2 = ReadSingle(in);
    SkipBytes(in, 16);
}

void ReadRascRecord(ChunkInput& in, RascRecord& r) {
    r.ItemCount = ReadLong(in);
    // A count of 0 or less has no items; only a positive count is checked against the data.
    if (r.ItemCount > 0)
        ReadRecords(in, r.ItemCount, kRascItemSize, r.Items, ReadRascItem);
}

void ReadFrenRecord(ChunkInput& in, FrenRecord& r) {
    r.Value1 = ReadSingle(in);
    r.Value2 = ReadSingle(in);
    r.Value3 = ReadSingle(in);
    SkipBytes(in, 16);
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

void ReadScenRecord(ChunkInput& in, ScenRecord& r) {
    r.Value1 = ReadSingle(in);
    r.Value2 = ReadSingle(in);
    r.Value3 = ReadSingle(in);
    r.Value5 = ReadLong(in);
    r.Value4 = ReadSingle(in);
    SkipBytes(in, 44);
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

void ReadTera(ChunkInput& in, TrackDocument& doc) {
    doc.TeraLength = ReadLong(in);
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
    } else if (uint64_t(doc.TeraCountX) * uint64_t(doc.TeraCountY) > in.Remaining() / 4) {
        // Both dimensions are below 2^31, so their product cannot overflow 64 bits.
        in.Refuse("terrain size " + size + " cannot fit the " + std::to_string(in.Remaining()) +
                  " bytes left");
    }
    if (in.Overrun) {
        doc.TeraGrid.clear();
        return;
    }
    const uint64_t cells = uint64_t(doc.TeraCountX) * uint64_t(doc.TeraCountY);
    doc.TeraGrid.resize(cells);
    for (float& v : doc.TeraGrid)
        v = ReadSingle(in);
    SkipBytes(in, 16);
    doc.TeraChildren = ReadLong(in);
    doc.TeraPresent = true;
}

void ReadEnvc(ChunkInput& in, TrackDocument& doc) {
    doc.EnvcLength = ReadLong(in);
    SkipBytes(in, 16);
    doc.EnvcText1 = ReadCountedText(in);
    doc.EnvcText2 = ReadCountedText(in);
    SkipBytes(in, 16);
    doc.EnvcChildren = ReadLong(in);
}

// An unrecognised chunk: its length field counts the bytes up to the chunk's end.
void SkipChunk(ChunkInput& in) {
    const int32_t length = ReadLong(in);
    if (length < 0) {
        in.Refuse("negative chunk length " + std::to_string(length));
    } else {
        SkipBytes(in, static_cast<size_t>(length));
    }
}

// Reads the chunk whose tag was just read and returns the children it announces.
int32_t ReadChunk(ChunkInput& in, const std::string& tag, TrackDocument& doc) {
    if (tag == "TRCK") {
        ReadTrck(in, doc);
        return doc.TrckChildren;
    }
    if (tag == "INFO") {
        ReadInfo(in, doc);
        return doc.InfoChildren;
    }
    if (tag == "BEZR") {
        ReadBezr(in, doc);
        return doc.BezrChildren;
    }
    if (tag == "SEGM") {
        ReadSegm(in, doc);
        return doc.SegmChildren;
    }
    if (tag == "SUPP") {
        ReadSupp(in, doc);
        return doc.SuppChildren;
    }
    if (tag == "FUND") {
        ReadRecordChunk(in, doc.FundLength, doc.FundCount, doc.FundRecords, doc.FundChildren,
                        kFundRecordSize, ReadFundRecord);
        return doc.FundChildren;
    }
    if (tag == "RASC") {
        ReadRecordChunk(in, doc.RascLength, doc.RascCount, doc.RascRecords, doc.RascChildren,
                        kRascRecordMinSize, ReadRascRecord);
        return doc.RascChildren;
    }
    if (tag == "FREN") {
        ReadRecordChunk(in, doc.FrenLength, doc.FrenCount, doc.FrenRecords, doc.FrenChildren,
                        kFrenRecordSize, ReadFrenRecord);
        return doc.FrenChildren;
    }
    if (tag == "TUBE") {
        ReadRecordChunk(in, doc.TubeLength, doc.TubeCount, doc.TubeRecords, doc.TubeChildren,
                        kTubeRecordSize, ReadTubeRecord);
        return doc.TubeChildren;
    }
    if (tag == "CATW") {
        ReadRecordChunk(in, doc.CatwLength, doc.CatwCount, doc.CatwRecords, doc.CatwChildren,
                        kCatwRecordMinSize, ReadCatwRecord);
        return doc.CatwChildren;
    }
    if (tag == "SCEN") {
        ReadRecordChunk(in, doc.ScenLength, doc.ScenCount, doc.ScenRecords, doc.ScenChildren,
                        kScenRecordSize, ReadScenRecord);
        return doc.ScenChildren;
    }
    if (tag == "SCOB") {
        ReadRecordChunk(in, doc.ScobLength, doc.ScobCount, doc.ScobRecords, doc.ScobChildren,
                        kScobRecordMinSize, ReadScobRecord);
        return doc.ScobChildren;
    }
    if (tag == "TERA") {
        ReadTera(in, doc);
        return doc.TeraChildren;
    }
    if (tag == "ENVC") {
        ReadEnvc(in, doc);
        return doc.EnvcChildren;
    }
    SkipChunk(in);
    return 0;
}

// The flat pre-order walk: every chunk is dispatched by its tag wherever it stands, and the
// child counts only extend the number of chunks still to come.
void WalkChunks(ChunkInput& in, TrackDocument& doc) {
    in.Tag = "KAVR";
    if (ReadTag(in) != "KAVR") {
        in.Cursor = 0;
        in.Refuse("bad magic, the file does not start with KAVR");
        return;
    }
    ReadHeader(in, doc);
    int64_t remaining = doc.HeaderChildren;
    while (remaining > 0 && !in.Overrun) {
        in.Tag.clear(); // a tag cut short belongs to no chunk yet
        in.Tag = ReadTag(in);
        remaining += ReadChunk(in, in.Tag, doc);
        --remaining;
    }
    // Segment i runs to node i + 1 (node 0 after the last): more segments than nodes
    // cannot be traced.
    if (!in.Overrun && doc.SegmentCount > doc.BezierCount) {
        in.Refusal = {"SEGM", -1,
                      std::to_string(doc.SegmentCount) + " segments but only " +
                          std::to_string(doc.BezierCount) + " nodes"};
    }
}

// The whole file at path; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& fileData) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    const std::streamoff size = file.tellg();
    if (size < 0)
        return false;
    fileData.resize(static_cast<size_t>(size));
    file.seekg(0);
    return bool(file.read(reinterpret_cast<char*>(fileData.data()), size));
}

// A refusal of the file as a whole, before any of its bytes is read.
bool Refuse(TrackRefusal* why, std::string reason) {
    if (why)
        *why = {"", -1, std::move(reason)};
    return false;
}

} // namespace

bool LoadTrackData(TrackDocument& doc, std::span<const uint8_t> data, TrackRefusal* why) {
    ClearTrack(doc);
    ChunkInput in{data};
    WalkChunks(in, doc);
    if (in.Refusal.Reason.empty())
        return true;
    ClearTrack(doc); // a failed load leaves the document cleared, never half filled
    if (why)
        *why = std::move(in.Refusal);
    return false;
}

bool LoadTrackFile(TrackDocument& doc, const std::string& path, TrackRefusal* why) {
    if (path.empty())
        return Refuse(why, "no file name");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return Refuse(why, path + " is not an ordinary file");
    if (!HasTrackExtension(path))
        return Refuse(why, path + " does not end in .kvtrack");
    ClearTrack(doc);

    std::vector<uint8_t> fileData;
    if (!ReadWholeFile(path, fileData))
        return Refuse(why, path + " cannot be read");
    return LoadTrackData(doc, fileData, why);
}

} // namespace mKavrano_TrackIO_1_3
