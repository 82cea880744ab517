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

// What a segment does to the train on each step, resolved once as the train enters it.
struct StepRules {
    bool Driven = false; // by a lift's or a transport's motor
    Motor Drive{};
    Motor Wheels{}; // a brake's running wheels, a motor on a slower train; speed 0 when none
    bool Brake = false;
    double BrakeLimit = 0.0; // 0 for a complete stop
    double BrakeDecel = 0.0;
    bool StopsCompletely = false; // a complete stop no wheels run through

    explicit StepRules(const TrackSegment& s) {
        if (const std::optional<Motor> motor = MotorOf(s))
            std::tie(Driven, Drive) = std::tuple(true, *motor);
        const std::optional<Motor> wheels = Running(kBrakeWheels, s);
        Wheels = wheels.value_or(Motor{});
        if (s.SegmentType != SegBrake)
            return;
        Brake = true;
        BrakeLimit = s.BrakeCompleteStop ? 0.0 : Rate(s.BrakeSpeedLimit);
        BrakeDecel = Rate(s.BrakeDecel);
        StopsCompletely = s.BrakeCompleteStop && !wheels;
    }
};

// v² after one step of length `step` that drops the train by `drop`.
double StepV2(const StepRules& rules, double v2, double drop, double step,
              const RideLosses& losses) {
    if (step == 0.0)
        return v2;
    if (rules.Driven)
        return MotorStep(v2, rules.Drive, step);
    if (v2 < rules.Wheels.Speed * rules.Wheels.Speed)
        return MotorStep(v2, rules.Wheels, step);
    double next =
        v2 + 2.0 * kGFactor * drop - 2.0 * (losses.Rolling * kGFactor + losses.Drag * v2) * step;
    if (const double limit2 = rules.BrakeLimit * rules.BrakeLimit; rules.Brake && next > limit2)
        next = std::max(next - 2.0 * rules.BrakeDecel * step, limit2);
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
    const TrackSample* Traced = nullptr;
    Vec Position;
    double V2 = 0.0;
    double Distance = 0.0;
};

// How the lap bends and speeds up at a position, from the nearest positions before and after
// it: a train there at speed² v2 accelerates by v2 · Curvature + Along.
struct Bend {
    Vec Curvature;
    Vec Along;
};

Bend BendAt(const LapPoint& before, const LapPoint& p, const LapPoint& after) {
    const double sb = p.Distance - before.Distance;
    const double sa = after.Distance - p.Distance;
    // The second difference over uneven steps: 2 · ((A − P) / sa − (P − B) / sb) / (sa + sb).
    const Vec curvature = (2.0 / (sa * sb * (sa + sb))) * (sb * (after.Position - p.Position) -
                                                           sa * (p.Position - before.Position));
    const Vec chord = after.Position - before.Position;
    const double chordLength = Length(chord);
    // d(v²)/ds / 2 along the chord's direction.
    const double along =
        chordLength > 0.0 ? (after.V2 - before.V2) / (2.0 * (sb + sa) * chordLength) : 0.0;
    return {curvature, along * chord};
}

// The acceleration at an end of the lap, along the one step there.
Vec AccelerationAtEnd(const LapPoint& p, const LapPoint* before, const LapPoint* after) {
    if (after) {
        const Vec step = after->Position - p.Position;
        const double s = Length(step);
        return ((after->V2 - p.V2) / (2.0 * s * s)) * step;
    }
    if (before) {
        const Vec step = p.Position - before->Position;
        const double s = Length(step);
        return ((p.V2 - before->V2) / (2.0 * s * s)) * step;
    }
    return {};
}

// Turns lap points into the ride's samples with their time and forces, and keeps the lap's
// length, duration and top speed. A point waits only until the next position along the lap is
// known, so its traced frame is read while it is still in the cache.
class SampleWriter {
public:
    SampleWriter(RidePreview& preview, size_t expected) : ride(preview) {
        ride.Samples.reserve(expected);
    }

    // Samples that repeat a position (a segment starts where the last one ended) take their
    // neighbours from beyond the repeat.
    void Add(const LapPoint& p) {
        if (!atOnePosition.empty() && atOnePosition.back().Position != p.Position)
            Write(&p);
        atOnePosition.push_back(p);
    }

    void Finish() {
        Write(nullptr);
        ride.Peaks.Length = ride.Samples.back().Distance;
        ride.Peaks.Duration = time;
    }

private:
    void Write(const LapPoint* after) {
        const LapPoint* previous = before ? &*before : nullptr;
        const std::optional<Bend> bend =
            previous && after ? std::optional(BendAt(*previous, atOnePosition.front(), *after))
                              : std::nullopt;
        for (const LapPoint& p : atOnePosition) {
            const double speed = std::sqrt(p.V2);
            // Over a step the train runs at the mean of its speeds at the two ends.
            if (!ride.Samples.empty()) {
                const RideSample& last = ride.Samples.back();
                if (const double speeds = last.Speed + speed; speeds > 0.0)
                    time += 2.0 * (p.Distance - last.Distance) / speeds;
            }
            const Vec acceleration =
                bend ? p.V2 * bend->Curvature + bend->Along : AccelerationAtEnd(p, previous, after);
            const Vec felt = (1.0 / kGFactor) * (acceleration + Vec{0.0, kGFactor, 0.0});
            const Matrix3D& frame = p.Traced->Orientation;
            if (speed > ride.Peaks.Speed.Max)
                ride.Peaks.Speed = {speed, p.Distance};
            ride.Samples.push_back({p.At.Segment, p.At.Sample, p.Distance, time, p.Position.Y,
                                    speed, Dot(felt, Column(frame, 1)), Dot(felt, Column(frame, 0)),
                                    -Dot(felt, Column(frame, 2))});
        }
        before = atOnePosition.back();
        atOnePosition.clear();
    }

    RidePreview& ride;
    std::optional<LapPoint> before;      // the last point at the position before these
    std::vector<LapPoint> atOnePosition; // waiting for the next position
    double time = 0.0;
};

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

RidePreview PreviewRide(const TraceState& trace, const TrackDocument& doc, const RideLosses& losses,
                        RidePreview&& last) {
    RidePreview ride;
    ride.Samples = std::move(last.Samples);
    ride.Samples.clear();
    ride.Filtered = std::move(last.Filtered);
    ride.Filtered.clear();
    const Path path(trace, doc);
    const std::optional<LapStart> start = path.Start(ride.NoStart);
    if (!start)
        return ride;
    ride.Started = true;
    ride.StartSegment = start->At.Segment;
    ride.StartSpeed = start->Speed;

    SampleWriter samples(ride, path.SampleTotal() + 1);
    const TrackSample* first = &path.Sample(start->At);
    LapPoint here{start->At, first, PositionOf(*first), start->Speed * start->Speed};
    samples.Add(here);
    StepRules rules(path.Segment(here.At));
    for (;;) {
        const std::optional<PathIndex> next = path.Next(here.At);
        if (!next) {
            ride.EndReason = RideEnd::End;
            break;
        }
        const TrackSample* traced = &path.Sample(*next);
        const Vec position = PositionOf(*traced);
        const double step = Length(position - here.Position);
        const double stepped = StepV2(rules, here.V2, here.Position.Y - position.Y, step, losses);
        const double v2 = stepped > 0.0 ? stepped : 0.0;
        here = {*next, traced, position, v2, here.Distance + step};
        samples.Add(here);
        if (v2 == 0.0) {
            ride.EndReason = rules.StopsCompletely ? RideEnd::Stop : RideEnd::Stall;
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
        if (next->Sample == 0) // the train enters a segment: its rules hold from here
            rules = StepRules(path.Segment(*next));
    }
    samples.Finish();
    ride.EndSegment = ride.Samples.back().Segment;
    ride.EndSpeed = ride.Samples.back().Speed;
    FilterRide(ride.Samples, ride.Filtered);
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
