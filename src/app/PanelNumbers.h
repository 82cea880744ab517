#pragma once

#include "SegmentFieldTable.h"
#include "SegmentUnits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The numbers of the settings panels: unit conversions between what a segment stores and what
// a panel shows, number texts, and the keys a numeric text box accepts. No widgets here.
namespace mMain {

// Stored m/s to shown km/h, rounded to a whole number (halves to even).
double SpeedToKmph(double v);
// Stored m/s² to shown g, rounded to 2 decimals (halves to even).
double AccelToG(double v);
// Shown km/h and g back to stored units, and the single stored, are the track's own.
using mKavrano_TrackIO_1_3::GToAccel;
using mKavrano_TrackIO_1_3::KmphToSpeed;
using mKavrano_TrackIO_1_3::StoredSingle;

// Significant digits written for a converted value and for a stored single shown as it is.
inline constexpr int kConvertedDigits = 15;
inline constexpr int kSingleDigits = 7;

// Characters a numeric text box takes; the wait-time boxes take fewer.
inline constexpr int kNumberBoxLength = 7;
inline constexpr int kWaitBoxLength = 5;
// The longest text a fill writes; longer numbers take the exponent form.
inline constexpr int kShownTextLength = 12;

// `value` as a panel's text: "." as the decimal point in every locale, no grouping, no trailing
// zeros or point, "0" for zero, at most `digits` significant digits, never longer than
// `maxLength`. The shortest plain form is used whenever it fits; otherwise the form that keeps
// more significant digits in the box: plain with fewer digits ("12345.7") or exponent form
// ("1.235E7", "-2E-9", no "+" and no leading exponent zeros; plain wins a tie). A value too
// small for either form is written "0". Not-a-number and infinities are "NaN", "Inf", "-Inf".
std::string FormatPanelNumber(double value, int digits, int maxLength);

// The longest leading decimal number of `text`: leading blanks skipped, optional sign, digits
// with at most one ".", optional exponent (E or D, either case, optional sign, digits). None
// when the text has none. A magnitude beyond the double range gives an infinity of its sign.
std::optional<double> ReadPanelNumber(std::string_view text);
// The same, 0 when the text has none.
double ParsePanelNumber(std::string_view text);

using mKavrano_TrackIO_1_3::FieldUnit;

// A stored Single as a panel shows it in `unit`: converted and rounded as the boxes round, then
// written in full (up to kShownTextLength characters).
std::string ShownFieldText(float stored, FieldUnit unit);
// A number shown in `unit` as the single it stores.
float StoredFromShown(double shown, FieldUnit unit);

// The trigger bar's range.
inline constexpr int kTriggerScrollMax = 10000;

// A stored trigger position as the trigger bar's value: × 10000 to the nearest whole number
// (halves to even), held to the bar's range (not-a-number gives 0).
int TriggerToScroll(float position);
// The trigger bar's value as a trigger position.
double ScrollToTrigger(int value);

// Key codes that a numeric text box acts on.
inline constexpr int16_t kKeyBackspace = 8;
inline constexpr int16_t kKeyEnter = 13;

// Keeps Backspace, Enter, "-", "." and the digits; sets every other character code to 0,
// which discards the key.
void FilterNumericKey(int16_t& KeyAscii);

} // namespace mMain
