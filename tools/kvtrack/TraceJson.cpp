// kvtrack trace: the traced segments and the spine of a track file as one JSON object.
#include "Commands.h"
#include "JsonWriter.h"

#include "TrackSpine.h"
#include "TrackTracer.h"

#include <array>
#include <iostream>
#include <string_view>

namespace {

using mKV_TraceTrack::SpinePoint;
using mKV_TraceTrack::TracedSegment;
using mKV_TraceTrack::TraceState;
using mKV_TraceTrack::TrackSample;

void WritePoint(JsonWriter& json, std::string_view name, const Vector3D& v) {
    json.FloatArray(name, std::array{v.x, v.y, v.z});
}

void WriteSegment(JsonWriter& json, const TracedSegment& seg) {
    json.BeginObject();
    json.Field("SampleCount", seg.SampleCount);
    json.Field("Length", seg.Length);
    json.Key("Samples");
    json.BeginArray();
    for (int32_t j = 0; j < seg.SampleCount; ++j) {
        const TrackSample& s = seg.Samples[j];
        json.BeginObject();
        json.FloatArray("Orientation", s.Orientation.m);
        json.FloatArray("World", s.World.m);
        json.Field("Param", s.Param);
        json.Field("Bank", s.Bank);
        json.Field("Distance", s.Distance);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void WriteSpinePoint(JsonWriter& json, const SpinePoint& p) {
    json.BeginObject();
    json.Field("SegType", p.SegType);
    json.Field("SegIndex", p.SegIndex);
    WritePoint(json, "Center", p.Center);
    WritePoint(json, "RailRight", p.RailRight);
    WritePoint(json, "RailLeft", p.RailLeft);
    WritePoint(json, "BraceRight", p.BraceRight);
    WritePoint(json, "BraceLeft", p.BraceLeft);
    WritePoint(json, "OuterRight", p.OuterRight);
    WritePoint(json, "OuterLeft", p.OuterLeft);
    json.EndObject();
}

void WriteTrace(JsonWriter& json, const TraceState& state) {
    json.BeginObject();
    json.Field("TracedSegmentCount", state.TracedSegmentCount);
    json.Key("TracedSegments");
    json.BeginArray();
    for (int32_t i = 0; i < state.TracedSegmentCount; ++i)
        WriteSegment(json, state.TracedSegments[i]);
    json.EndArray();
    json.Field("SpinePointCount", state.SpinePointCount);
    json.Key("SpinePoints");
    json.BeginArray();
    for (int32_t k = 0; k < state.SpinePointCount; ++k)
        WriteSpinePoint(json, state.SpinePoints[k]);
    json.EndArray();
    json.EndObject();
}

} // namespace

bool LoadAndTraceOrReport(mKavrano_TrackIO_1_3::TrackDocument& doc, TraceState& trace,
                          const std::string& path) {
    if (!LoadTrackOrReport(doc, path))
        return false;
    // With no segments there is nothing to trace; with segments a false is a refusal.
    if (mKV_TraceTrack::TraceTrack(trace, doc) || doc.SegmentCount == 0)
        return true;
    ReportInvalidTrack("the track cannot be traced: its spine would exceed " +
                       std::to_string(int64_t(mKV_TraceTrack::kMaxSpinePoints)) + " points");
    return false;
}

int TraceCommand(const std::string& path) {
    mKavrano_TrackIO_1_3::TrackDocument doc;
    TraceState state;
    if (!LoadAndTraceOrReport(doc, state, path))
        return 1;
    mKV_TraceTrack::BuildSpine(state, doc);
    JsonWriter json(std::cout);
    WriteTrace(json, state);
    std::cout << '\n';
    return std::cout ? 0 : 1;
}
