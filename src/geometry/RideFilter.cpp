#include "RideFilter.h"

#include <algorithm>

namespace mKV_RidePreview {

namespace {

// A slow train would make the series endless; a lap is filtered over its first ten minutes,
// longer than any ride.
constexpr double kMaxFilteredSeconds = 600.0;

double Lerp(double a, double b, double f) {
    return a + (b - a) * f;
}

} // namespace

ForceFilter::ForceFilter(double first) {
    for (int i = 0; i < 2; ++i) {
        const double out = first * kFilterSections[i].Gain();
        sections[i] = {first, first, out, out};
        first = out;
    }
}

void FilterRide(const std::vector<RideSample>& samples, std::vector<FilteredSample>& out) {
    out.clear();
    if (samples.empty())
        return;
    const double last = std::min(samples.back().Time, kMaxFilteredSeconds);
    size_t count = static_cast<size_t>(last * kFilterRate);
    while (double(count + 1) / kFilterRate <= last)
        ++count;
    out.reserve(count + 1);
    // The interval from the last sample at or before t to the next, and 1 / its duration.
    size_t at = 0;
    const auto perSecond = [&] {
        return at + 1 < samples.size() && samples[at + 1].Time > samples[at].Time
                   ? 1.0 / (samples[at + 1].Time - samples[at].Time)
                   : 0.0;
    };
    double scale = perSecond();
    for (size_t k = 0; k <= count; ++k) {
        const double t = double(k) / kFilterRate;
        if (at + 1 < samples.size() && samples[at + 1].Time <= t) {
            while (at + 1 < samples.size() && samples[at + 1].Time <= t)
                ++at;
            scale = perSecond();
        }
        const RideSample& a = samples[at];
        const RideSample& b = samples[std::min(at + 1, samples.size() - 1)];
        const double f = (t - a.Time) * scale;
        out.push_back({t, Lerp(a.Distance, b.Distance, f), a.Segment,
                       Lerp(a.VerticalG, b.VerticalG, f), Lerp(a.LateralG, b.LateralG, f),
                       Lerp(a.LongitudinalG, b.LongitudinalG, f)});
    }
    for (double FilteredSample::*force :
         {&FilteredSample::VerticalG, &FilteredSample::LateralG, &FilteredSample::LongitudinalG}) {
        ForceFilter filter(out.front().*force);
        for (FilteredSample& s : out)
            s.*force = filter.Next(s.*force);
    }
}

} // namespace mKV_RidePreview
