#pragma once

// The walk over every field of a track document that dump prints and diff compares: one list
// of the fields, their names and their order.
#include "SegmentFieldTable.h"
#include "TrackDocument.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mKavrano_TrackIO_1_3 {

namespace document_fields {

// Field under its own name, so that the JSON keys cannot drift from the document's.
#define DOCUMENT_FIELD(record, name) json.Field(#name, (record).name)

template <typename Sink> void WriteVector(Sink& json, std::string_view name, const Vector3D& v) {
    json.FloatArray(name, std::array{v.x, v.y, v.z});
}

template <typename Sink> void WriteTrackEntries(Sink& json, const TrackDocument& doc) {
    json.Key("TrackEntries");
    json.BeginArray();
    for (int32_t i = 0; i < doc.TrackEntryCount; ++i) {
        const TrackEntry& e = doc.TrackEntries[i];
        json.BeginObject();
        DOCUMENT_FIELD(e, Flag);
        DOCUMENT_FIELD(e, Colour1);
        DOCUMENT_FIELD(e, Colour2);
        DOCUMENT_FIELD(e, Colour3);
        DOCUMENT_FIELD(e, Colour4);
        DOCUMENT_FIELD(e, Name);
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
        DOCUMENT_FIELD(n, Roll);
        DOCUMENT_FIELD(n, NodeFlagA);
        DOCUMENT_FIELD(n, RelativeRoll);
        DOCUMENT_FIELD(n, NodeFlagC);
        json.EndObject();
    }
    json.EndArray();
}

template <typename Sink> void WriteSegment(Sink& json, const TrackSegment& s) {
    json.BeginObject();
    DOCUMENT_FIELD(s, SegmentType);
    for (const SegmentField& field : SegmentFields())
        std::visit([&](auto member) { json.Field(field.Name, s.*member); }, field.Member);
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
        DOCUMENT_FIELD(r, Value1);
        DOCUMENT_FIELD(r, Value2);
        DOCUMENT_FIELD(r, Value3);
        DOCUMENT_FIELD(r, Value4);
        DOCUMENT_FIELD(r, Value5);
        DOCUMENT_FIELD(r, Value6);
        DOCUMENT_FIELD(r, Value7);
    });
    WriteRecords(json, "Rasc", doc.RascCount, doc.RascRecords, [&](const RascRecord& r) {
        DOCUMENT_FIELD(r, ItemCount);
        json.Key("Items");
        json.BeginArray();
        for (int32_t i = 0; i < r.ItemCount; ++i) {
            json.BeginObject();
            DOCUMENT_FIELD(r.Items[i], Value1);
            DOCUMENT_FIELD(r.Items[i], Value2);
            json.EndObject();
        }
        json.EndArray();
    });
    WriteRecords(json, "Fren", doc.FrenCount, doc.FrenRecords, [&](const FrenRecord& r) {
        DOCUMENT_FIELD(r, Value1);
        DOCUMENT_FIELD(r, Value2);
        DOCUMENT_FIELD(r, Value3);
    });
    WriteRecords(json, "Tube", doc.TubeCount, doc.TubeRecords, [&](const TubeRecord& r) {
        DOCUMENT_FIELD(r, Value1);
        DOCUMENT_FIELD(r, Value2);
        DOCUMENT_FIELD(r, Value3);
        DOCUMENT_FIELD(r, Value4);
        DOCUMENT_FIELD(r, Value5);
        DOCUMENT_FIELD(r, Value6);
        DOCUMENT_FIELD(r, Value7);
        DOCUMENT_FIELD(r, Value8);
        DOCUMENT_FIELD(r, Value9);
    });
    WriteRecords(json, "Catw", doc.CatwCount, doc.CatwRecords, [&](const CatwRecord& r) {
        DOCUMENT_FIELD(r, Value1);
        DOCUMENT_FIELD(r, Value2);
        DOCUMENT_FIELD(r, Value3);
        DOCUMENT_FIELD(r, Value4);
        DOCUMENT_FIELD(r, Value5);
        DOCUMENT_FIELD(r, Value6);
        DOCUMENT_FIELD(r, TailLength);
    });
    WriteRecords(json, "Scen", doc.ScenCount, doc.ScenRecords, [&](const ScenRecord& r) {
        DOCUMENT_FIELD(r, Value1);
        DOCUMENT_FIELD(r, Value2);
        DOCUMENT_FIELD(r, Value3);
        DOCUMENT_FIELD(r, Value4);
        DOCUMENT_FIELD(r, Value5);
    });
    WriteRecords(json, "Scob", doc.ScobCount, doc.ScobRecords, [&](const ScobRecord& r) {
        DOCUMENT_FIELD(r, Text1);
        DOCUMENT_FIELD(r, Text2);
        DOCUMENT_FIELD(r, Value1);
        DOCUMENT_FIELD(r, Value2);
        DOCUMENT_FIELD(r, Value3);
        DOCUMENT_FIELD(r, Value4);
        DOCUMENT_FIELD(r, Value5);
        DOCUMENT_FIELD(r, Value6);
        DOCUMENT_FIELD(r, Value7);
        DOCUMENT_FIELD(r, Value8);
        DOCUMENT_FIELD(r, Value9);
        DOCUMENT_FIELD(r, Value10);
        DOCUMENT_FIELD(r, Value11);
        DOCUMENT_FIELD(r, Value12);
        DOCUMENT_FIELD(r, Value13);
        DOCUMENT_FIELD(r, Value14);
        DOCUMENT_FIELD(r, Value15);
    });
}

template <typename Sink> void WriteTerrain(Sink& json, const TrackDocument& doc) {
    DOCUMENT_FIELD(doc, TeraPresent);
    DOCUMENT_FIELD(doc, TeraCountX);
    DOCUMENT_FIELD(doc, TeraCountY);
    json.Key("TeraGrid");
    json.BeginArray();
    for (int32_t y = 0; y < doc.TeraCountY; ++y) {
        json.BeginArray();
        for (int32_t x = 0; x < doc.TeraCountX; ++x)
            json.Value(doc.TeraGrid[static_cast<size_t>(y) * doc.TeraCountX + x]);
        json.EndArray();
    }
    json.EndArray();
    DOCUMENT_FIELD(doc, TeraValue1);
    DOCUMENT_FIELD(doc, TeraValue2);
    DOCUMENT_FIELD(doc, TeraValue3);
    DOCUMENT_FIELD(doc, TeraValue4);
    DOCUMENT_FIELD(doc, TeraValue5);
    DOCUMENT_FIELD(doc, TeraText1);
    DOCUMENT_FIELD(doc, TeraText2);
    DOCUMENT_FIELD(doc, TeraText3);
    DOCUMENT_FIELD(doc, TeraByte);
    DOCUMENT_FIELD(doc, TeraFlag);
}

template <typename Sink> void WriteBookkeeping(Sink& json, const TrackDocument& doc) {
    DOCUMENT_FIELD(doc, HeaderLength);
    DOCUMENT_FIELD(doc, HeaderChildren);
    DOCUMENT_FIELD(doc, TrckLength);
    DOCUMENT_FIELD(doc, TrckChildren);
    DOCUMENT_FIELD(doc, InfoLength);
    DOCUMENT_FIELD(doc, InfoChildren);
    DOCUMENT_FIELD(doc, BezrLength);
    DOCUMENT_FIELD(doc, BezrChildren);
    DOCUMENT_FIELD(doc, SegmLength);
    DOCUMENT_FIELD(doc, SegmChildren);
    DOCUMENT_FIELD(doc, SuppLength);
    DOCUMENT_FIELD(doc, SuppChildren);
    DOCUMENT_FIELD(doc, FundLength);
    DOCUMENT_FIELD(doc, FundChildren);
    DOCUMENT_FIELD(doc, RascLength);
    DOCUMENT_FIELD(doc, RascChildren);
    DOCUMENT_FIELD(doc, FrenLength);
    DOCUMENT_FIELD(doc, FrenChildren);
    DOCUMENT_FIELD(doc, TubeLength);
    DOCUMENT_FIELD(doc, TubeChildren);
    DOCUMENT_FIELD(doc, CatwLength);
    DOCUMENT_FIELD(doc, CatwChildren);
    DOCUMENT_FIELD(doc, ScenLength);
    DOCUMENT_FIELD(doc, ScenChildren);
    DOCUMENT_FIELD(doc, ScobLength);
    DOCUMENT_FIELD(doc, ScobChildren);
    DOCUMENT_FIELD(doc, TeraLength);
    DOCUMENT_FIELD(doc, TeraChildren);
    DOCUMENT_FIELD(doc, EnvcLength);
    DOCUMENT_FIELD(doc, EnvcChildren);
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
    DOCUMENT_FIELD(doc, TrackStyle);
    DOCUMENT_FIELD(doc, TrackEntryCount);
    WriteTrackEntries(json, doc);
    DOCUMENT_FIELD(doc, TrackExtra);
    json.Key("TrackColours");
    json.BeginArray();
    for (Colour c : doc.TrackColours)
        json.Value(c);
    json.EndArray();
    DOCUMENT_FIELD(doc, InfoText);
    DOCUMENT_FIELD(doc, BezierCount);
    WriteBezierNodes(json, doc);
    DOCUMENT_FIELD(doc, SegmentCount);
    DOCUMENT_FIELD(doc, TrackClosed);
    json.Key("Segments");
    json.BeginArray();
    for (int32_t i = 0; i < doc.SegmentCount; ++i)
        WriteSegment(json, doc.Segments[i]);
    json.EndArray();
    WriteSupportAndScenery(json, doc);
    WriteTerrain(json, doc);
    DOCUMENT_FIELD(doc, EnvcText1);
    DOCUMENT_FIELD(doc, EnvcText2);
    WriteBookkeeping(json, doc);
    json.EndObject();
}

#undef DOCUMENT_FIELD

} // namespace mKavrano_TrackIO_1_3
