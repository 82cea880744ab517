// kvtrack ride: the ride preview of a track file, as one JSON object or as a CSV table.
#include "Commands.h"
#include "JsonWriter.h"
#include "RidePreview.h"
#include "TrackReader.h"
#include "TrackTracer.h"

#include <charconv>
#include <iostream>

namespace {

using mKV_RidePreview::RidePreview;
using mKV_RidePreview::RideSample;

void WriteJson(const RidePreview& ride) {
    JsonWriter json(std::cout);
    json.BeginObject();
    json.Key("Start");
    json.BeginObject();
    json.Field("Segment", ride.StartSegment);
    json.Field("Speed", ride.StartSpeed);
    json.EndObject();
    json.Key("End");
    json.BeginObject();
    json.Field("Segment", ride.EndSegment);
    json.Field("Reason", mKV_RidePreview::RideEndName(ride.EndReason));
    json.Field("Speed", ride.EndSpeed);
    json.EndObject();
    json.Field("SampleCount", static_cast<int64_t>(ride.Samples.size()));
    json.Key("Samples");
    json.BeginArray();
    for (const RideSample& s : ride.Samples) {
        json.BeginObject();
        json.Field("Segment", s.Segment);
        json.Field("Distance", s.Distance);
        json.Field("Height", s.Height);
        json.Field("Speed", s.Speed);
        json.Field("VerticalG", s.VerticalG);
        json.Field("LateralG", s.LateralG);
        json.Field("LongitudinalG", s.LongitudinalG);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    std::cout << '\n';
}

// The shortest text that reads back to the same double.
void WriteNumber(double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    std::cout.write(buf, res.ptr - buf);
}

void WriteCsv(const RidePreview& ride) {
    std::cout << "Segment,Distance,Height,Speed,VerticalG,LateralG,LongitudinalG\n";
    for (const RideSample& s : ride.Samples) {
        std::cout << s.Segment;
        for (const double v :
             {s.Distance, s.Height, s.Speed, s.VerticalG, s.LateralG, s.LongitudinalG}) {
            std::cout << ',';
            WriteNumber(v);
        }
        std::cout << '\n';
    }
}

} // namespace

int RideCommand(const std::string& path, bool csv) {
    mKavrano_TrackIO_1_3::TrackDocument doc;
    mKV_TraceTrack::TraceState trace;
    if (!LoadAndTraceOrReport(doc, trace, path))
        return 1;
    const RidePreview ride = mKV_RidePreview::PreviewRide(trace, doc);
    if (!ride.Started) {
        std::cerr << "Error: " << mKV_RidePreview::kNoStartReason << '\n';
        return 1;
    }
    if (csv)
        WriteCsv(ride);
    else
        WriteJson(ride);
    return std::cout ? 0 : 1;
}
