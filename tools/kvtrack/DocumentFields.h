#pragma once

// The walk over every field of a track document that dump prints and diff compares: one list
// of the fields, their names and their order.
#include "TrackDocument.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mKavrano_TrackIO_1_3 {

namespace document_fields {

// Field under its own name, so that the JSON keys cannot drift from the document's.
#define FIELD(record, name) json.Field(#name, (record).name)

template <typename Sink> void WriteVector(Sink& json, std::string_view name, const Vector3D& v) {
    json.FloatArray(name, std::array{v.x, v.y, v.z});
}

template <typename Sink> void WriteTrackEntries(Sink& json, const TrackDocument& doc) {
    json.Key("TrackEntries");
    json.BeginArray();
    for (int32_t i = 0; i < doc.TrackEntryCount; ++i) {
        const TrackEntry& e = doc.TrackEntries[i];
        json.BeginObject();
        FIELD(e, Flag);
        FIELD(e, Colour1);
        FIELD(e, Colour2);
        FIELD(e, Colour3);
        FIELD(e, Colour4);
        FIELD(e, Name);
        json.EndObject();
    }
    json.EndArray();
}

template <typename Sink> void WriteBezierNodes(Sink& json, const TrackDocument& doc) {
    json.Key("BezierNodes");
    json.BeginArray();
    for (int32_t i = 0; i < doc.BezierCount; ++i) {
        const BezierNode& n = doc.BezierNodes[i];
        json.BeginObject();
        WriteVector(json, "Position", n.Position);
        WriteVector(json, "ControlIn", n.ControlIn);
        WriteVector(json, "ControlOut", n.ControlOut);
        FIELD(n, Roll);
        FIELD(n, NodeFlagA);
        FIELD(n, RelativeRoll);
        FIELD(n, NodeFlagC);
        json.EndObject();
    }
    json.EndArray();
}

template <typename Sink> void WriteSegment(Sink& json, const TrackSegment& s) {
    json.BeginObject();
    FIELD(s, SegmentType);
    FIELD(s, SpineColour);
    FIELD(s, RailsColour);
    FIELD(s, CrosstieColour);
    FIELD(s, CustomColours);
    FIELD(s, Tunnel);
    FIELD(s, StationWaitAverage);
    FIELD(s, StationWaitMinimum);
    FIELD(s, StationWaitMaximum);
    FIELD(s, StationWaitDeviation);
    FIELD(s, StationWaitSync);
    FIELD(s, StationMainBrakeDecel);
    FIELD(s, StationEntrance);
    FIELD(s, StationBaseOnly);
    FIELD(s, StationNoBuilding);
    FIELD(s, StationWheels);
    FIELD(s, StationWheelsSpeed);
    FIELD(s, StationWheelsAccel);
    FIELD(s, StationWheelsDecel);
    FIELD(s, StationPreBrake);
    FIELD(s, StationPreBrakeSpeedLimit);
    FIELD(s, StationPreBrakeDecel);
    FIELD(s, StationPreBrakeHysteresis);
    FIELD(s, LiftMotorSpeed);
    FIELD(s, LiftMotorAccel);
    FIELD(s, LiftMotorDecel);
    FIELD(s, LiftStyle);
    FIELD(s, LiftLeftRailing);
    FIELD(s, LiftRightRailing);
    FIELD(s, TransportMotorSpeed);
    FIELD(s, TransportMotorAccel);
    FIELD(s, TransportMotorDecel);
    FIELD(s, TransportStyle);
    FIELD(s, TransportLeftRailing);
    FIELD(s, TransportRightRailing);
    FIELD(s, BrakeBlock);
    FIELD(s, BrakeCompleteStop);
    FIELD(s, BrakeSpeedLimit);
    FIELD(s, BrakeDecel);
    FIELD(s, BrakeHysteresis);
    FIELD(s, BrakeWheels);
    FIELD(s, BrakeWheelsSpeed);
    FIELD(s, BrakeWheelsAccel);
    FIELD(s, BrakeWheelsDecel);
    FIELD(s, BrakeTriggerPos);
    FIELD(s, BrakeLeftRailing);
    FIELD(s, BrakeRightRailing);
    json.EndObject();
}

// "<Kind>Count" and "<Kind>Records", one object per record.
template <typename Sink, typename Record, typename WriteRecord>
void WriteRecords(Sink& json, std::string_view kind, int32_t count,
                  const std::vector<Record>& records, WriteRecord writeRecord) {
    json.Field(std::string(kind) + "Count", count);
    json.Key(std::string(kind) + "Records");
    json.BeginArray();
    for (int32_t i = 0; i < count; ++i) {
        json.BeginObject();
        writeRecord(records[i]);
        json.EndObject();
    }
    json.EndArray();
}

template <typename Sink> void WriteSupportAndScenery(Sink& json, const TrackDocument& doc) {
    WriteRecords(json, "Fund", doc.FundCount, doc.FundRecords, [&](const FundRecord& r) {
        FIELD(r, Value1);
        FIELD(r, Value2);
        FIELD(r, Value3);
        FIELD(r, Value4);
        FIELD(r, Value5);
        FIELD(r, Value6);
        FIELD(r, Value7);
    });
    WriteRecords(json, "Rasc", doc.RascCount, doc.RascRecords, [&](const RascRecord& r) {
        FIELD(r, ItemCount);
        json.Key("Items");
        json.BeginArray();
        for (int32_t i = 0; i < r.ItemCount; ++i) {
            json.BeginObject();
            FIELD(r.Items[i], Value1);
            FIELD(r.Items[i], Value2);
            json.EndObject();
        }
        json.EndArray();
    });
    WriteRecords(json, "Fren", doc.FrenCount, doc.FrenRecords, [&](const FrenRecord& r) {
        FIELD(r, Value1);
        FIELD(r, Value2);
        FIELD(r, Value3);
    });
    WriteRecords(json, "Tube", doc.TubeCount, doc.TubeRecords, [&](const TubeRecord& r) {
        FIELD(r, Value1);
        FIELD(r, Value2);
        FIELD(r, Value3);
        FIELD(r, Value4);
        FIELD(r, Value5);
        FIELD(r, Value6);
        FIELD(r, Value7);
        FIELD(r, Value8);
        FIELD(r, Value9);
    });
    WriteRecords(json, "Catw", doc.CatwCount, doc.CatwRecords, [&](const CatwRecord& r) {
        FIELD(r, Value1);
        FIELD(r, Value2);
        FIELD(r, Value3);
        FIELD(r, Value4);
        FIELD(r, Value5);
        FIELD(r, Value6);
        FIELD(r, TailLength);
    });
    WriteRecords(json, "Scen", doc.ScenCount, doc.ScenRecords, [&](const ScenRecord& r) {
        FIELD(r, Value1);
        FIELD(r, Value2);
        FIELD(r, Value3);
        FIELD(r, Value4);
        FIELD(r, Value5);
    });
    WriteRecords(json, "Scob", doc.ScobCount, doc.ScobRecords, [&](const ScobRecord& r) {
        FIELD(r, Text1);
        FIELD(r, Text2);
        FIELD(r, Value1);
        FIELD(r, Value2);
        FIELD(r, Value3);
        FIELD(r, Value4);
        FIELD(r, Value5);
        FIELD(r, Value6);
        FIELD(r, Value7);
        FIELD(r, Value8);
        FIELD(r, Value9);
        FIELD(r, Value10);
        FIELD(r, Value11);
        FIELD(r, Value12);
        FIELD(r, Value13);
        FIELD(r, Value14);
        FIELD(r, Value15);
    });
}

template <typename Sink> void WriteTerrain(Sink& json, const TrackDocument& doc) {
    FIELD(doc, TeraPresent);
    FIELD(doc, TeraCountX);
    FIELD(doc, TeraCountY);
    json.Key("TeraGrid");
    json.BeginArray();
    for (int32_t y = 0; y < doc.TeraCountY; ++y) {
        json.BeginArray();
        for (int32_t x = 0; x < doc.TeraCountX; ++x)
            json.Value(doc.TeraGrid[static_cast<size_t>(y) * doc.TeraCountX + x]);
        json.EndArray();
    }
    json.EndArray();
    FIELD(doc, TeraValue1);
    FIELD(doc, TeraValue2);
    FIELD(doc, TeraValue3);
    FIELD(doc, TeraValue4);
    FIELD(doc, TeraValue5);
    FIELD(doc, TeraText1);
    FIELD(doc, TeraText2);
    FIELD(doc, TeraText3);
    FIELD(doc, TeraByte);
    FIELD(doc, TeraFlag);
}

template <typename Sink> void WriteBookkeeping(Sink& json, const TrackDocument& doc) {
    FIELD(doc, HeaderLength);
    FIELD(doc, HeaderChildren);
    FIELD(doc, TrckLength);
    FIELD(doc, TrckChildren);
    FIELD(doc, InfoLength);
    FIELD(doc, InfoChildren);
    FIELD(doc, BezrLength);
    FIELD(doc, BezrChildren);
    FIELD(doc, SegmLength);
    FIELD(doc, SegmChildren);
    FIELD(doc, SuppLength);
    FIELD(doc, SuppChildren);
    FIELD(doc, FundLength);
    FIELD(doc, FundChildren);
    FIELD(doc, RascLength);
    FIELD(doc, RascChildren);
    FIELD(doc, FrenLength);
    FIELD(doc, FrenChildren);
    FIELD(doc, TubeLength);
    FIELD(doc, TubeChildren);
    FIELD(doc, CatwLength);
    FIELD(doc, CatwChildren);
    FIELD(doc, ScenLength);
    FIELD(doc, ScenChildren);
    FIELD(doc, ScobLength);
    FIELD(doc, ScobChildren);
    FIELD(doc, TeraLength);
    FIELD(doc, TeraChildren);
    FIELD(doc, EnvcLength);
    FIELD(doc, EnvcChildren);
}

} // namespace document_fields

// Every field of doc by its name, in one fixed order, into a sink with the writing interface
// of JsonWriter.
template <typename Sink> void WriteDocument(Sink& json, const TrackDocument& doc) {
    using namespace document_fields;
    json.BeginObject();
    json.Key("FormatVersion");
    json.BeginArray();
    for (uint8_t b : doc.FormatVersion)
        json.Value(int32_t{b});
    json.EndArray();
    FIELD(doc, TrackStyle);
    FIELD(doc, TrackEntryCount);
    WriteTrackEntries(json, doc);
    FIELD(doc, TrackExtra);
    json.Key("TrackColours");
    json.BeginArray();
    for (Colour c : doc.TrackColours)
        json.Value(c);
    json.EndArray();
    FIELD(doc, InfoText);
    FIELD(doc, BezierCount);
    WriteBezierNodes(json, doc);
    FIELD(doc, SegmentCount);
    FIELD(doc, TrackClosed);
    json.Key("Segments");
    json.BeginArray();
    for (int32_t i = 0; i < doc.SegmentCount; ++i)
        WriteSegment(json, doc.Segments[i]);
    json.EndArray();
    WriteSupportAndScenery(json, doc);
    WriteTerrain(json, doc);
    FIELD(doc, EnvcText1);
    FIELD(doc, EnvcText2);
    WriteBookkeeping(json, doc);
    json.EndObject();
}

#undef FIELD

} // namespace mKavrano_TrackIO_1_3
