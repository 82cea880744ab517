#include "PanelNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace mMain {

namespace {

// value × scale rounded to a whole number, halves to even, divided by scale again. The
// product is rounded on its exact value: fma gives the part that value * scale loses.
double RoundHalfEven(double value, double scale) {
    const double product = value * scale;
    // From 2^52 on every double is whole; rounding cannot change it.
    if (!std::isfinite(product) || std::fabs(product) >= 0x1p52)
        return value;
    const double lost = std::fma(value, scale, -product);
    double whole = std::nearbyint(product); // the default rounding mode breaks ties to even
    if (std::fabs(product - whole) == 0.5 && lost != 0.0)
        whole = lost > 0.0 ? product + 0.5 : product - 0.5; // not a tie after all
    return whole / scale;
}

// A finite, non-zero value rounded to some significant digits: ±D.DDD × 10^Exponent, with no
// trailing zeros in Digits.
struct Decimal {
    bool bNegative = false;
    std::string Digits;
    int Exponent = 0;
};

Decimal RoundToDigits(double value, int digits) {
    char text[64];
    const std::to_chars_result written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
    const std::string_view s(text, size_t(written.ptr - text)); // "-d.ddde-07"
    Decimal d;
    size_t i = 0;
    if (s[i] == '-') {
        d.bNegative = true;
        ++i;
    }
    for (; s[i] != 'e'; ++i) {
        if (s[i] != '.')
            d.Digits += s[i];
    }
    std::from_chars(s.data() + i + 1 + (s[i + 1] == '+' ? 1 : 0), s.data() + s.size(), d.Exponent);
    while (d.Digits.size() > 1 && d.Digits.back() == '0')
        d.Digits.pop_back();
    return d;
}

std::string PlainForm(const Decimal& d) {
    std::string text = d.bNegative ? "-" : "";
    const int count = int(d.Digits.size());
    if (d.Exponent < 0) {
        text += "0." + std::string(size_t(-d.Exponent - 1), '0') + d.Digits;
    } else if (d.Exponent + 1 >= count) {
        text += d.Digits + std::string(size_t(d.Exponent + 1 - count), '0');
    } else {
        const size_t point = size_t(d.Exponent) + 1; // the exponent is 0 or more here
        text += d.Digits.substr(0, point) + "." + d.Digits.substr(point);
    }
    return text;
}

std::string ExponentForm(const Decimal& d) {
    std::string text = d.bNegative ? "-" : "";
    text += d.Digits.substr(0, 1);
    if (d.Digits.size() > 1) {
        text += '.';
        text.append(d.Digits, 1);
    }
    text += 'E';
    text += std::to_string(d.Exponent);
    return text;
}

// The most significant digits (up to `digits`) with which `form` fits in maxLength
// characters, 0 when it never fits, and that text.
template <typename Form>
std::pair<int, std::string> BestFit(double value, int digits, int maxLength, Form form) {
    for (int n = digits; n >= 1; --n) {
        std::string text = form(RoundToDigits(value, n));
        if (int(text.size()) <= maxLength)
            return {n, std::move(text)};
    }
    return {0, ""};
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double SpeedToKmph(double v) {
    return RoundHalfEven(v / mKavrano_TrackIO_1_3::kKmphFactor, 1.0);
}

double AccelToG(double v) {
    return RoundHalfEven(v / mKavrano_TrackIO_1_3::kGFactor, 100.0);
}

std::string FormatPanelNumber(double value, int digits, int maxLength) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0)
        return "0";
    digits = std::clamp(digits, 1, 17);
    const auto plain = BestFit(value, digits, maxLength, PlainForm);
    if (plain.first == digits)
        return plain.second;
    const auto exponent = BestFit(value, digits, maxLength, ExponentForm);
    if (plain.first == 0 && exponent.first == 0)
        return "0";
    return plain.first >= exponent.first ? plain.second : exponent.second;
}

double ParsePanelNumber(std::string_view text) {
    return ReadPanelNumber(text).value_or(0.0);
}

std::string ShownFieldText(float stored, FieldUnit unit) {
    const double shown = unit == FieldUnit::Kmph ? SpeedToKmph(stored)
                         : unit == FieldUnit::G  ? AccelToG(stored)
                                                 : stored;
    const bool bConverted = unit == FieldUnit::Kmph || unit == FieldUnit::G;
    return FormatPanelNumber(shown, bConverted ? kConvertedDigits : kSingleDigits,
                             kShownTextLength);
}

float StoredFromShown(double shown, FieldUnit unit) {
    switch (unit) {
    case FieldUnit::Kmph:
        return StoredSingle(KmphToSpeed(shown));
    case FieldUnit::G:
        return StoredSingle(GToAccel(shown));
    case FieldUnit::AsStored:
    case FieldUnit::Seconds:
        break;
    }
    return StoredSingle(shown);
}

std::optional<double> ReadPanelNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number; // rebuilt in the form from_chars reads
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    std::string digits;
    int pointAt = -1; // digits before the point
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            digits += text[i];
        } else if (text[i] == '.' && pointAt < 0) {
            pointAt = int(digits.size());
        } else {
            break;
        }
    }
    if (digits.empty())
        return std::nullopt;
    if (pointAt < 0)
        pointAt = int(digits.size());

    // An exponent counts only with at least one digit.
    long long exponent = 0;
    if (i < text.size() && std::string_view("EeDd").find(text[i]) != std::string_view::npos) {
        size_t j = i + 1;
        const bool bNegative = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            for (; j < text.size() && IsDigit(text[j]); ++j)
                exponent = std::min(exponent * 10 + (text[j] - '0'), 1'000'000'000LL);
            if (bNegative)
                exponent = -exponent;
        }
    }

    // The leading "0" keeps an empty integer part readable and does not change the value.
    number += '0';
    number.append(digits, 0, size_t(pointAt));
    number += '.';
    number.append(digits, size_t(pointAt));
    number += 'e';
    number += std::to_string(exponent);
    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        // Overflow or underflow: tell them apart by where the first significant digit lies.
        const size_t lead = digits.find_first_not_of('0');
        if (lead == std::string::npos)
            return 0.0;
        const long long magnitude = pointAt - (long long)lead - 1 + exponent;
        const double sign = number[0] == '-' ? -1.0 : 1.0;
        return magnitude > 0 ? sign * std::numeric_limits<double>::infinity() : sign * 0.0;
    }
    return value;
}

int TriggerToScroll(float position) {
    const double scaled = std::nearbyint(double(position) * kTriggerScrollMax);
    if (std::isnan(scaled))
        return 0;
    return int(std::clamp(scaled, 0.0, double(kTriggerScrollMax)));
}

double ScrollToTrigger(int value) {
    return double(value) / kTriggerScrollMax;
}

void FilterNumericKey(int16_t& KeyAscii) {
    const bool bKept = KeyAscii == kKeyBackspace || KeyAscii == kKeyEnter || KeyAscii == '-' ||
                       KeyAscii == '.' || (KeyAscii >= '0' && KeyAscii <= '9');
    if (!bKept)
        KeyAscii = 0;
}

} // namespace mMain
