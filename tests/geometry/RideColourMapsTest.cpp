// The colour maps of the track's colouring by the ride: their ranges from the lap's extremes, and
// the colours at their ends and centres.
#include "RideColourMaps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

using namespace mKV_RidePreview;
using mKV_TraceTrack::Colour;

namespace {

enum class Looks { DarkBlue, Yellow, Blue, WhiteGrey, Red, Unreached };

bool LooksLike(const Colour& c, Looks looks) {
    switch (looks) {
    case Looks::DarkBlue:
        return c.b > c.r && c.b > c.g && c.r + c.g + c.b < 0.8f;
    case Looks::Yellow:
        return c.r > 0.9f && c.g > 0.8f && c.b < 0.2f;
    case Looks::Blue:
        return c.b > 0.8f && c.r < 0.3f;
    case Looks::WhiteGrey:
        return std::abs(c.r - c.g) < 0.02f && std::abs(c.g - c.b) < 0.02f && c.r > 0.75f;
    case Looks::Red:
        return c.r > 0.8f && c.g < 0.2f && c.b < 0.2f;
    case Looks::Unreached:
        return c.r == c.g && c.g == c.b && c.r < 0.4f;
    }
    return false;
}

} // namespace

TEST(RideColourMaps, RangesFollowTheLapsExtremesAndTheMapsEndsAndCentresHaveTheirColours) {
    RidePeaks peaks;
    peaks.Speed.Max = 25.0; // 90 km/h
    peaks.VerticalG = {5.5, 0.0, -0.9, 0.0};
    peaks.LateralG = {1.7, 0.0, -0.3, 0.0};
    const std::tuple<ColourBy, ColourScale> ranges[] = {
        {ColourBy::Speed, {0.0, 45.0, 90.0}},
        {ColourBy::VerticalG, {-3.5, 1.0, 5.5}}, // the top extreme reaches past 3 g from 1
        {ColourBy::LateralG, {-3.0, 0.0, 3.0}},  // both extremes within 3 g of 0
    };
    for (const auto& [by, scale] : ranges)
        EXPECT_EQ(ScaleOf(by, peaks), scale) << ColourByName(by);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<ColourBy, double, Looks> colours[] = {
        {ColourBy::Speed, 0.0, Looks::DarkBlue},      {ColourBy::Speed, 90.0, Looks::Yellow},
        {ColourBy::Speed, 120.0, Looks::Yellow},      {ColourBy::VerticalG, -3.5, Looks::Blue},
        {ColourBy::VerticalG, 1.0, Looks::WhiteGrey}, {ColourBy::VerticalG, 5.5, Looks::Red},
        {ColourBy::LateralG, -3.0, Looks::Blue},      {ColourBy::LateralG, 0.0, Looks::WhiteGrey},
        {ColourBy::LateralG, 3.0, Looks::Red},        {ColourBy::Speed, nan, Looks::Unreached},
    };
    for (const auto& [by, value, looks] : colours) {
        const Colour c = ScaleColour(by, ScaleOf(by, peaks), value);
        EXPECT_TRUE(LooksLike(c, looks))
            << ColourByName(by) << " at " << value << ": " << c.r << "," << c.g << "," << c.b;
    }
}
