#pragma once

// The units the editor shows segment settings in, against the units a track stores: speeds
// in km/h against metres per second, accelerations in g against metres per second squared;
// wait times are seconds in both. Every writer of a shown value into a track uses these.
namespace mKavrano_TrackIO_1_3 {

// The exact factors from the shown to the stored units.
inline constexpr double kKmphFactor = 0.277777791023254;
inline constexpr double kGFactor = 9.816650390625;

// Shown km/h and g to stored units, not rounded.
inline double KmphToSpeed(double v) {
    return v * kKmphFactor;
}
inline double GToAccel(double v) {
    return v * kGFactor;
}

// `value` as the single a segment field stores: rounded to single precision, and held at the
// largest finite single of its sign when it lies beyond the single range, so that no text can
// put an infinity into a track.
float StoredSingle(double value);

} // namespace mKavrano_TrackIO_1_3
