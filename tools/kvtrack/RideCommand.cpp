// kvtrack ride: the ride preview of a track file, as one JSON object or as a CSV table.
#include "Commands.h"
#include "JsonWriter.h"
#include "RideFilter.h"
#include "RidePreview.h"
#include "TrackReader.h"
#include "TrackTracer.h"

#include <charconv>
#include <initializer_list>
#include <iostream>

namespace {

using mKV_RidePreview::FilteredSample;
using mKV_RidePreview::ForcePeak;
using mKV_RidePreview::RidePreview;
using mKV_RidePreview::RideSample;

void WriteForcePeak(JsonWriter& json, const char* name, const ForcePeak& peak) {
    json.Key(name);
    json.BeginObject();
    json.Field("Max", peak.Max);
    json.Field("MaxAt", peak.MaxAt);
    json.Field("Min", peak.Min);
    json.Field("MinAt", peak.MinAt);
    json.EndObject();
}

void WriteFiltered(JsonWriter& json, const RidePreview& ride) {
    json.Key("Filtered");
    json.BeginObject();
    json.Field("Rate", mKV_RidePreview::kFilterRate);
    json.Field("CornerHz", mKV_RidePreview::kFilterCornerHz);
    json.Key("Samples");
    json.BeginArray();
    for (const FilteredSample& s : ride.Filtered) {
        json.BeginObject();
        json.Field("Time", s.Time);
        json.Field("Distance", s.Distance);
        json.Field("Segment", s.Segment);
        json.Field("VerticalG", s.VerticalG);
        json.Field("LateralG", s.LateralG);
        json.Field("LongitudinalG", s.LongitudinalG);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void WritePeaks(JsonWriter& json, const mKV_RidePreview::RidePeaks& peaks) {
    json.Key("Peaks");
    json.BeginObject();
    json.Field("Length", peaks.Length);
    json.Field("Duration", peaks.Duration);
    json.Key("Speed");
    json.BeginObject();
    json.Field("Max", peaks.Speed.Max);
    json.Field("At", peaks.Speed.At);
    json.EndObject();
    WriteForcePeak(json, "VerticalG", peaks.VerticalG);
    WriteForcePeak(json, "LateralG", peaks.LateralG);
    WriteForcePeak(json, "LongitudinalG", peaks.LongitudinalG);
    json.EndObject();
}

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
        json.Field("Time", s.Time);
        json.Field("Height", s.Height);
        json.Field("Speed", s.Speed);
        json.Field("VerticalG", s.VerticalG);
        json.Field("LateralG", s.LateralG);
        json.Field("LongitudinalG", s.LongitudinalG);
        json.EndObject();
    }
    json.EndArray();
    WriteFiltered(json, ride);
    WritePeaks(json, ride.Peaks);
    json.EndObject();
    std::cout << '\n';
}

// A row of a table: the segment, then the numbers in their shortest exact form.
void WriteRow(int32_t segment, std::initializer_list<double> values) {
    std::cout << segment;
    for (const double v : values) {
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, v);
        std::cout << ',';
        std::cout.write(buf, res.ptr - buf);
    }
    std::cout << '\n';
}

void WriteCsv(const RidePreview& ride) {
    std::cout << "Segment,Distance,Time,Height,Speed,VerticalG,LateralG,LongitudinalG\n";
    for (const RideSample& s : ride.Samples) {
        WriteRow(s.Segment,
                 {s.Distance, s.Time, s.Height, s.Speed, s.VerticalG, s.LateralG, s.LongitudinalG});
    }
}

void WriteFilteredCsv(const RidePreview& ride) {
    std::cout << "Segment,Time,Distance,VerticalG,LateralG,LongitudinalG\n";
    for (const FilteredSample& s : ride.Filtered)
        WriteRow(s.Segment, {s.Time, s.Distance, s.VerticalG, s.LateralG, s.LongitudinalG});
}

} // namespace

int RideCommand(const CommandArgs& args) {
    const CommandArgs csv{"--csv"};
    const CommandArgs filtered{"--csv", "--filtered"};
    const CommandArgs options(args.begin(), args.end() - (args.empty() ? 0 : 1));
    if (args.empty() || (!options.empty() && options != csv && options != filtered))
        return kBadUsage;
    mKavrano_TrackIO_1_3::TrackDocument doc;
    mKV_TraceTrack::TraceState trace;
    if (!LoadAndTraceOrReport(doc, trace, args.back()))
        return 1;
    const RidePreview ride = mKV_RidePreview::PreviewRide(trace, doc);
    if (!ride.Started) {
        std::cerr << "Error: " << ride.NoStart << '\n';
        return 1;
    }
    if (options == filtered) {
        WriteFilteredCsv(ride);
    } else if (options == csv) {
        WriteCsv(ride);
    } else {
        WriteJson(ride);
    }
    return std::cout ? 0 : 1;
}
