#include "RidePreview.h"
#include "RideFilter.h"
#include "RideVector.h"
#include "SegmentFieldTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <tuple>
#include <variant>

namespace mKV_RidePreview {

using mKavrano_TrackIO_1_3::FindSegmentField;
using mKavrano_TrackIO_1_3::kGFactor;
using mKavrano_TrackIO_1_3::SegBrake;
using mKavrano_TrackIO_1_3::SegmentField;
using mKavrano_TrackIO_1_3::SegStation;
using mKavrano_TrackIO_1_3::TrackDocument;
using mKavrano_TrackIO_1_3::TrackSegment;
using mKV_TraceTrack::TraceState;
using mKV_TraceTrack::TrackSample;

namespace {

Vec PositionOf(const TrackSample& s) {
    return Column(s.World, 3);
}

// A setting a hostile file made infinite or NaN counts as 0; a negative rate as 0 too.
double Setting(float v) {
    return std::isfinite(v) ? v : 0.0;
}
double Rate(float v) {
    return std::max(Setting(v), 0.0);
}

struct Motor {
    double Speed;
    double Accel;
    double Decel;
};

// What holds the train at a speed with rates of its own: a lift's or a transport's motor, a
// brake's or a station's wheels. Its fields in the segment field table share a name prefix; a
// drive whose prefix names a field of its own (the wheels) runs only while that field is set.
struct Drive {
    int32_t Type; // the segment type that has it
    float TrackSegment::*Speed;
    float TrackSegment::*Accel;
    float TrackSegment::*Decel;
    bool TrackSegment::*Switch; // nullptr: always runs
};

const SegmentField& FieldNamed(std::string_view prefix, std::string_view part) {
    const SegmentField* field = FindSegmentField(std::string(prefix).append(part));
    if (!field)
        throw std::logic_error("no segment field " + std::string(prefix) + std::string(part));
    return *field;
}

// Resolved once, so that the lap reads members, not names.
Drive DriveNamed(std::string_view prefix) {
    const auto single = [prefix](std::string_view part) {
        return std::get<float TrackSegment::*>(FieldNamed(prefix, part).Member);
    };
    const SegmentField* on = FindSegmentField(prefix);
    return {FieldNamed(prefix, "Speed").Type, single("Speed"), single("Accel"), single("Decel"),
            on ? std::get<bool TrackSegment::*>(on->Member) : nullptr};
}

const Drive kMotors[] = {DriveNamed("LiftMotor"), DriveNamed("TransportMotor")};
const Drive kBrakeWheels = DriveNamed("BrakeWheels");
const Drive kStationWheels = DriveNamed("StationWheels");

// The drive of s when it is of the drive's type and running.
std::optional<Motor> Running(const Drive& d, const TrackSegment& s) {
    if (s.SegmentType != d.Type || (d.Switch && !(s.*d.Switch)))
        return std::nullopt;
    return Motor{Rate(s.*d.Speed), Rate(s.*d.Accel), Rate(s.*d.Decel)};
}

std::optional<Motor> MotorOf(const TrackSegment& s) {
    for (const Drive& d : kMotors) {
        if (std::optional<Motor> motor = Running(d, s))
            return motor;
    }
    return std::nullopt;
}

// The motor holds the train: it pulls v² towards its speed at its own rates.
double MotorStep(double v2, const Motor& m, double step) {
    const double target = m.Speed * m.Speed;
    if (v2 < target)
        return std::min(v2 + 2.0 * m.Accel * step, target);
    if (v2 > target)
        return std::max(v2 - 2.0 * m.Decel * step, target);
    return v2;
}

bool StopsCompletely(const TrackSegment& s) {
    return s.SegmentType == SegBrake && s.BrakeCompleteStop && !Running(kBrakeWheels, s);
}

// v² after one step of length `step` that drops the train by `drop`, under the rules of s.
double StepV2(const TrackSegment& s, double v2, double drop, double step,
              const RideLosses& losses) {
    if (step == 0.0)
        return v2;
    if (const std::optional<Motor> motor = MotorOf(s))
        return MotorStep(v2, *motor, step);
    if (const std::optional<Motor> wheels = Running(kBrakeWheels, s);
        wheels && v2 < wheels->Speed * wheels->Speed)
        return MotorStep(v2, *wheels, step);
    const bool brake = s.SegmentType == SegBrake;
    double next =
        v2 + 2.0 * kGFactor * drop - 2.0 * (losses.Rolling * kGFactor + losses.Drag * v2) * step;
    if (brake) {
        const double limit = s.BrakeCompleteStop ? 0.0 : Rate(s.BrakeSpeedLimit);
        if (next > limit * limit)
            next = std::max(next - 2.0 * Rate(s.BrakeDecel) * step, limit * limit);
    }
    return next;
}

// A sample of the path: segment by segment, sample by sample.
struct PathIndex {
    int32_t Segment = 0;
    int32_t Sample = 0;

    friend bool operator==(const PathIndex&, const PathIndex&) = default;
};

struct LapStart {
    PathIndex At;
    double Speed = 0.0;
};

class Path {
public:
    Path(const TraceState& traced, const TrackDocument& document)
        : trace(traced), doc(document),
          count(std::min({traced.TracedSegmentCount, document.SegmentCount,
                          static_cast<int32_t>(traced.TracedSegments.size()),
                          static_cast<int32_t>(document.Segments.size())})) {}

    // Where the lap starts and at what speed; nullopt with the reason in `why` when it cannot.
    std::optional<LapStart> Start(std::string& why) const {
        const int32_t station = FirstStation();
        if (station == count)
            return LowestMotor(why);
        int32_t blockEnd = station;
        while (blockEnd + 1 < count && doc.Segments[blockEnd + 1].SegmentType == SegStation)
            ++blockEnd;
        // The train leaves the block; the first motor before any station takes it.
        std::optional<int32_t> first;
        for (int32_t k = 1; k <= count; ++k) {
            if (!doc.TrackClosed && blockEnd + k >= count)
                break;
            const int32_t i = (blockEnd + k) % count;
            if (SampleCount(i) == 0)
                continue;
            if (!first)
                first = i;
            if (doc.Segments[i].SegmentType == SegStation)
                break;
            if (const std::optional<Motor> motor = MotorOf(doc.Segments[i]))
                return LapStart{{i, 0}, motor->Speed};
        }
        if (!first) {
            why = doc.TrackClosed ? kNothingToStart : kStationEndsTrack;
            return std::nullopt;
        }
        const std::optional<Motor> wheels = Running(kStationWheels, doc.Segments[blockEnd]);
        return LapStart{{*first, 0}, wheels ? wheels->Speed : 0.0};
    }

    // The sample after `at`; a closed track runs on through its first sample.
    std::optional<PathIndex> Next(PathIndex at) const {
        if (at.Sample + 1 < SampleCount(at.Segment))
            return PathIndex{at.Segment, at.Sample + 1};
        for (int32_t i = at.Segment + 1; i < count; ++i) {
            if (SampleCount(i) > 0)
                return PathIndex{i, 0};
        }
        if (!doc.TrackClosed)
            return std::nullopt;
        for (int32_t i = 0; i <= at.Segment; ++i) {
            if (SampleCount(i) > 0)
                return PathIndex{i, 0};
        }
        return std::nullopt;
    }

    const TrackSample& Sample(PathIndex at) const {
        return trace.TracedSegments[at.Segment].Samples[at.Sample];
    }
    const TrackSegment& Segment(PathIndex at) const { return doc.Segments[at.Segment]; }

    size_t SampleTotal() const {
        size_t total = 0;
        for (int32_t i = 0; i < count; ++i)
            total += static_cast<size_t>(SampleCount(i));
        return total;
    }

private:
    int32_t FirstStation() const {
        int32_t i = 0;
        while (i < count && doc.Segments[i].SegmentType != SegStation)
            ++i;
        return i;
    }

    // Without a station, the first sample of the lowest lift or transport.
    std::optional<LapStart> LowestMotor(std::string& why) const {
        for (int32_t i = 0; i < count; ++i) {
            if (const std::optional<Motor> motor = MotorOf(doc.Segments[i]);
                motor && SampleCount(i) > 0)
                return LapStart{{i, 0}, motor->Speed};
        }
        why = kNothingToStart;
        return std::nullopt;
    }

    int32_t SampleCount(int32_t segment) const {
        const auto& seg = trace.TracedSegments[segment];
        return std::min(seg.SampleCount, static_cast<int32_t>(seg.Samples.size()));
    }

    const TraceState& trace;
    const TrackDocument& doc;
    int32_t count;
};

struct LapPoint {
    PathIndex At;
    Vec Position;
    double V2 = 0.0;
    double Distance = 0.0;
};

// The train's acceleration at lap point k, from its nearest neighbours at other positions.
Vec AccelerationAt(const std::vector<LapPoint>& lap, size_t k, std::optional<size_t> before,
                   std::optional<size_t> after) {
    const LapPoint& p = lap[k];
    if (before && after) {
        const LapPoint& b = lap[*before];
        const LapPoint& a = lap[*after];
        const double sb = p.Distance - b.Distance; // only repeats of a position lie between
        const double sa = a.Distance - p.Distance;
        const Vec curvature = (2.0 / (sb + sa)) * ((1.0 / sa) * (a.Position - p.Position) -
                                                   (1.0 / sb) * (p.Position - b.Position));
        const Vec chord = a.Position - b.Position;
        const double chordLength = Length(chord);
        const Vec along = chordLength > 0.0 ? (1.0 / chordLength) * chord : Vec{};
        return p.V2 * curvature + ((a.V2 - b.V2) / (2.0 * (sb + sa))) * along;
    }
    if (after) {
        const Vec step = lap[*after].Position - p.Position;
        const double s = Length(step);
        return ((lap[*after].V2 - p.V2) / (2.0 * s * s)) * step;
    }
    if (before) {
        const Vec step = p.Position - lap[*before].Position;
        const double s = Length(step);
        return ((p.V2 - lap[*before].V2) / (2.0 * s * s)) * step;
    }
    return {};
}

// The samples of the lap with their speed, time and forces, and its length, duration and top
// speed.
void AddSamples(RidePreview& ride, const std::vector<LapPoint>& lap, const Path& path) {
    // Samples that repeat a position (a segment starts where the last one ended) take their
    // neighbours from beyond the repeat.
    std::optional<size_t> before;
    double time = 0.0;
    ride.Samples.reserve(lap.size());
    for (size_t k = 0; k < lap.size(); ++k) {
        const LapPoint& p = lap[k];
        const double speed = std::sqrt(p.V2);
        // Over a step the train runs at the mean of its speeds at the two ends.
        if (const double speeds = k > 0 ? ride.Samples.back().Speed + speed : 0.0; speeds > 0.0)
            time += 2.0 * (p.Distance - lap[k - 1].Distance) / speeds;
        if (k > 0 && lap[k - 1].Position != p.Position)
            before = k - 1;
        size_t next = k + 1;
        while (next < lap.size() && lap[next].Position == p.Position)
            ++next;
        const std::optional<size_t> after =
            next < lap.size() ? std::optional<size_t>(next) : std::nullopt;
        const Matrix3D& frame = path.Sample(p.At).Orientation;
        const Vec felt =
            (1.0 / kGFactor) * (AccelerationAt(lap, k, before, after) + Vec{0.0, kGFactor, 0.0});
        if (speed > ride.Peaks.Speed.Max)
            ride.Peaks.Speed = {speed, p.Distance};
        ride.Samples.push_back({p.At.Segment, p.At.Sample, p.Distance, time, p.Position.Y, speed,
                                Dot(felt, Column(frame, 1)), Dot(felt, Column(frame, 0)),
                                -Dot(felt, Column(frame, 2))});
    }
    ride.Peaks.Length = ride.Samples.back().Distance;
    ride.Peaks.Duration = time;
}

// The extremes of a filtered force, each at the first place it occurs.
void TakePeak(ForcePeak& peak, double force, double at) {
    if (force > peak.Max)
        std::tie(peak.Max, peak.MaxAt) = std::tie(force, at);
    if (force < peak.Min)
        std::tie(peak.Min, peak.MinAt) = std::tie(force, at);
}

void AddForcePeaks(RidePeaks& peaks, const std::vector<FilteredSample>& filtered) {
    const FilteredSample& f = filtered.front();
    peaks.VerticalG = {f.VerticalG, f.Distance, f.VerticalG, f.Distance};
    peaks.LateralG = {f.LateralG, f.Distance, f.LateralG, f.Distance};
    peaks.LongitudinalG = {f.LongitudinalG, f.Distance, f.LongitudinalG, f.Distance};
    for (const FilteredSample& s : filtered) {
        TakePeak(peaks.VerticalG, s.VerticalG, s.Distance);
        TakePeak(peaks.LateralG, s.LateralG, s.Distance);
        TakePeak(peaks.LongitudinalG, s.LongitudinalG, s.Distance);
    }
}

} // namespace

std::string SignedTenths(double v) {
    const double rounded = std::round(v * 10.0) / 10.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::fabs(rounded));
    return (rounded < 0.0 ? "\u2212" : "") + std::string(text);
}

const char* RideEndName(RideEnd reason) {
    switch (reason) {
    case RideEnd::Lap:
        return "lap";
    case RideEnd::End:
        return "end";
    case RideEnd::Station:
        return "station";
    case RideEnd::Stop:
        return "stop";
    case RideEnd::Stall:
        return "stall";
    }
    return "end";
}

RidePreview PreviewRide(const TraceState& trace, const TrackDocument& doc,
                        const RideLosses& losses) {
    RidePreview ride;
    const Path path(trace, doc);
    const std::optional<LapStart> start = path.Start(ride.NoStart);
    if (!start)
        return ride;
    ride.Started = true;
    ride.StartSegment = start->At.Segment;
    ride.StartSpeed = start->Speed;

    std::vector<LapPoint> lap;
    lap.reserve(path.SampleTotal() + 1);
    lap.push_back({start->At, PositionOf(path.Sample(start->At)), start->Speed * start->Speed});
    for (;;) {
        const LapPoint& here = lap.back();
        const std::optional<PathIndex> next = path.Next(here.At);
        if (!next) {
            ride.EndReason = RideEnd::End;
            break;
        }
        const Vec position = PositionOf(path.Sample(*next));
        const double step = Length(position - here.Position);
        const TrackSegment& rules = path.Segment(here.At);
        const double stepped = StepV2(rules, here.V2, here.Position.Y - position.Y, step, losses);
        const double v2 = stepped > 0.0 ? stepped : 0.0;
        lap.push_back({*next, position, v2, here.Distance + step});
        if (v2 == 0.0) {
            ride.EndReason = StopsCompletely(rules) ? RideEnd::Stop : RideEnd::Stall;
            break;
        }
        if (*next == start->At) {
            ride.EndReason = RideEnd::Lap;
            break;
        }
        if (path.Segment(*next).SegmentType == SegStation) {
            ride.EndReason = RideEnd::Station;
            break;
        }
    }
    AddSamples(ride, lap, path);
    ride.EndSegment = ride.Samples.back().Segment;
    ride.EndSpeed = ride.Samples.back().Speed;
    ride.Filtered = FilterRide(ride.Samples);
    AddForcePeaks(ride.Peaks, ride.Filtered);
    return ride;
}

std::string DescribeRideEnd(const RidePreview& ride) {
    if (!ride.Started)
        return ride.NoStart;
    const std::string segment = " segment " + std::to_string(ride.EndSegment);
    const std::string at =
        " at " + std::to_string(std::lround(ride.Samples.back().Distance)) + " m";
    switch (ride.EndReason) {
    case RideEnd::Lap:
        return "Completes the lap" + at;
    case RideEnd::End:
        return "Reaches the end of the track in" + segment + at;
    case RideEnd::Station:
        return "Enters the station in" + segment + at;
    case RideEnd::Stop:
        return "Stops in" + segment + at;
    case RideEnd::Stall:
        return "Stalls in" + segment + at;
    }
    return {};
}

std::string DescribeLap(const RidePreview& ride) {
    if (!ride.Started)
        return {};
    const RidePeaks& p = ride.Peaks;
    const double seconds = std::round(p.Duration);
    char head[256];
    std::snprintf(head, sizeof head, "Lap %.0f m in %.0f:%02.0f \u00b7 top speed %.0f km/h",
                  p.Length, std::floor(seconds / 60.0), std::fmod(seconds, 60.0),
                  p.Speed.Max * kKmhPerMps);
    const auto range = [](const char* name, const ForcePeak& force) {
        return std::string(" \u00b7 ") + name + ' ' + SignedTenths(force.Min) + " to " +
               SignedTenths(force.Max) + " g";
    };
    return head + range("vertical", p.VerticalG) + range("lateral", p.LateralG) +
           range("longitudinal", p.LongitudinalG) + " (" +
           std::to_string(std::lround(kFilterCornerHz)) + " Hz)";
}

} // namespace mKV_RidePreview
