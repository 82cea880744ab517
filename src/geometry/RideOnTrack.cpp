#include "RideOnTrack.h"

#include "RideFilter.h"
#include "RideVector.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <limits>

namespace mKV_RidePreview {

using mKV_TraceTrack::Colour;
using mKV_TraceTrack::TraceState;
using mKV_TraceTrack::TrackSample;

namespace {

Vec Normalised(Vec a) {
    const double length = Length(a);
    return length > 0.0 ? (1.0 / length) * a : a;
}
Vec Blend(Vec a, Vec b, double f) {
    return (1.0 - f) * a + f * b;
}
Vector3D ToVector(Vec a) {
    return {static_cast<float>(a.X), static_cast<float>(a.Y), static_cast<float>(a.Z)};
}

// The sample at or before `time`, and how far towards the next one `time` lies.
struct Between {
    std::size_t At = 0;
    std::size_t Next = 0;
    double Fraction = 0.0;
};

Between SamplesAround(const RidePreview& ride, double time) {
    const std::vector<RideSample>& s = ride.Samples;
    const auto after = std::upper_bound(s.begin(), s.end(), time,
                                        [](double t, const RideSample& x) { return t < x.Time; });
    const std::size_t next = std::min(static_cast<std::size_t>(after - s.begin()), s.size() - 1);
    const std::size_t at = next > 0 ? next - 1 : 0;
    const double span = s[next].Time - s[at].Time;
    const double f = span > 0.0 ? std::clamp((time - s[at].Time) / span, 0.0, 1.0) : 0.0;
    return {at, next, f};
}

double Lerp(double a, double b, double f) {
    return a + (b - a) * f;
}

// The filtered forces at `time`, between the filter's even steps blended.
void FilteredAt(const RidePreview& ride, double time, RideMoment& moment) {
    if (ride.Filtered.empty())
        return;
    const double at = std::clamp(time * kFilterRate, 0.0, double(ride.Filtered.size() - 1));
    const std::size_t i = std::min(static_cast<std::size_t>(at), ride.Filtered.size() - 1);
    const FilteredSample& a = ride.Filtered[i];
    const FilteredSample& b = ride.Filtered[std::min(i + 1, ride.Filtered.size() - 1)];
    const double f = at - double(i);
    moment.VerticalG = Lerp(a.VerticalG, b.VerticalG, f);
    moment.LateralG = Lerp(a.LateralG, b.LateralG, f);
}

const TrackSample* TracedSampleOf(const TraceState& trace, const RideSample& s) {
    if (s.Segment < 0 || std::size_t(s.Segment) >= trace.TracedSegments.size())
        return nullptr;
    const auto& samples = trace.TracedSegments[std::size_t(s.Segment)].Samples;
    if (s.Sample < 0 || std::size_t(s.Sample) >= samples.size())
        return nullptr;
    return &samples[std::size_t(s.Sample)];
}

double ValueOf(ColourBy by, const RideMoment& m) {
    switch (by) {
    case ColourBy::Speed:
        return m.Speed;
    case ColourBy::VerticalG:
        return m.VerticalG;
    case ColourBy::LateralG:
        return m.LateralG;
    case ColourBy::SegmentType:
        break;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace

std::vector<int32_t> RideSampleAtSpinePoints(const RidePreview& ride, const TraceState& trace) {
    const std::size_t points = static_cast<std::size_t>(std::max(trace.SpinePointCount, 0));
    std::vector<int32_t> sampleAt(points, -1);
    // The spine holds every traced sample in track order, then maybe the closing point.
    std::vector<std::size_t> firstPoint;
    std::size_t traced = 0;
    for (const auto& segment : trace.TracedSegments) {
        firstPoint.push_back(traced);
        traced += segment.Samples.size();
    }
    const bool closed = points > traced && traced > 0;
    const auto take = [&](std::size_t point, std::size_t k) {
        if (point < points && sampleAt[point] < 0)
            sampleAt[point] = static_cast<int32_t>(k);
    };
    for (std::size_t k = 0; k < ride.Samples.size(); ++k) {
        const RideSample& s = ride.Samples[k];
        if (s.Segment < 0 || std::size_t(s.Segment) >= firstPoint.size())
            continue;
        const std::size_t point = firstPoint[std::size_t(s.Segment)] + std::size_t(s.Sample);
        if (closed && point == 0 && k > 0)
            take(traced, k);
        take(point, k);
    }
    return sampleAt;
}

RideMoment MomentAt(const RidePreview& ride, double time) {
    const Between b = SamplesAround(ride, time);
    const RideSample& a = ride.Samples[b.At];
    const RideSample& n = ride.Samples[b.Next];
    RideMoment moment;
    moment.Time = Lerp(a.Time, n.Time, b.Fraction);
    moment.Speed = Lerp(a.Speed, n.Speed, b.Fraction) * kKmhPerMps;
    moment.Segment = b.Fraction < 0.5 ? a.Segment : n.Segment;
    FilteredAt(ride, moment.Time, moment);
    return moment;
}

std::vector<Colour> SpineColours(ColourBy by, const RidePreview& ride, const TraceState& trace) {
    if (by == ColourBy::SegmentType)
        return {};
    const ColourScale scale = ScaleOf(by, ride.Peaks);
    std::vector<Colour> colours;
    const std::vector<int32_t> sampleAt = RideSampleAtSpinePoints(ride, trace);
    colours.reserve(sampleAt.size());
    for (const int32_t k : sampleAt) {
        colours.push_back(
            k < 0 ? kUnreachedColour
                  : ScaleColour(by, scale,
                                ValueOf(by, MomentAt(ride, ride.Samples[std::size_t(k)].Time))));
    }
    return colours;
}

RidePose PoseAt(const RidePreview& ride, const TraceState& trace, double time) {
    const Between b = SamplesAround(ride, time);
    const TrackSample* a = TracedSampleOf(trace, ride.Samples[b.At]);
    const TrackSample* n = TracedSampleOf(trace, ride.Samples[b.Next]);
    if (!a || !n)
        return {};
    const Vec position = Blend(Column(a->World, 3), Column(n->World, 3), b.Fraction);
    // Travel is the frame's -Z.
    const Vec forward = Normalised(
        Blend(-1.0 * Column(a->Orientation, 2), -1.0 * Column(n->Orientation, 2), b.Fraction));
    const Vec up = Blend(Column(a->Orientation, 1), Column(n->Orientation, 1), b.Fraction);
    const Vec square = Normalised(up + (-Dot(up, forward)) * forward);
    return {ToVector(position + kRiderHeight * square), ToVector(forward), ToVector(square)};
}

std::string DescribeMoment(const RideMoment& m) {
    const long seconds = std::lround(std::floor(m.Time));
    char text[128];
    std::snprintf(text, sizeof text, "%ld:%02ld \u00b7 %.0f km/h \u00b7 ", seconds / 60,
                  seconds % 60, m.Speed);
    return text + SignedTenths(m.VerticalG) + " g \u00b7 " + SignedTenths(m.LateralG) +
           " g lat \u00b7 segment " + std::to_string(m.Segment);
}

} // namespace mKV_RidePreview
