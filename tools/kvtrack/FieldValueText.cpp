#include "FieldValueText.h"

#include "SegmentUnits.h"

#include <charconv>
#include <cmath>

namespace segment_fields {

namespace {

using mKavrano_TrackIO_1_3::Colour;
using mKavrano_TrackIO_1_3::FieldKind;
using mKavrano_TrackIO_1_3::FieldUnit;

constexpr std::string_view kSuffixes[] = {"", "kmph", "g", "s"}; // by FieldUnit

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the decimal number text starts with: optional sign, digits with at most one
// point, optional exponent; 0 when there is none.
size_t NumberLength(std::string_view text) {
    size_t i = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
    size_t digits = 0;
    for (bool bPoint = false; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !bPoint) {
            bPoint = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1 + (i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-'));
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

std::variant<FieldValue, std::string> ParseSingle(const SegmentField& field,
                                                  std::string_view text) {
    const size_t length = NumberLength(text);
    if (length == 0)
        return "not a number";
    std::string_view number = text.substr(0, length);
    if (number.starts_with('+'))
        number.remove_prefix(1); // from_chars takes no plus sign
    double value = 0.0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec != std::errc() || !std::isfinite(value))
        return "a number beyond range";
    const std::string_view suffix = text.substr(length);
    if (suffix.empty())
        return FieldValue(mKavrano_TrackIO_1_3::StoredSingle(value));
    for (size_t u = 1; u < std::size(kSuffixes); ++u) {
        if (suffix != kSuffixes[u])
            continue;
        if (FieldUnit(u) != field.Unit)
            return "a value in " + std::string(suffix) + ", which this field is not shown in";
        if (field.Unit == FieldUnit::Kmph) {
            value = mKavrano_TrackIO_1_3::KmphToSpeed(value);
        } else if (field.Unit == FieldUnit::G) {
            value = mKavrano_TrackIO_1_3::GToAccel(value);
        }
        return FieldValue(mKavrano_TrackIO_1_3::StoredSingle(value));
    }
    return "not a number with a known unit (kmph, g or s)";
}

std::variant<FieldValue, std::string> ParseColour(std::string_view text) {
    const bool bHex = text.starts_with('#');
    const std::string_view digits = bHex ? text.substr(1) : text;
    uint32_t v = 0;
    const auto read =
        std::from_chars(digits.data(), digits.data() + digits.size(), v, bHex ? 16 : 10);
    const bool bWhole = read.ec == std::errc() && read.ptr == digits.data() + digits.size();
    if (!bWhole || (bHex && digits.size() != 6) || v > 0xFFFFFFu)
        return "not a colour (#RRGGBB, or 0 to 16777215 as dump prints it)";
    if (!bHex)
        return FieldValue(Colour{v});
    // #RRGGBB to 0x00BBGGRR
    return FieldValue(Colour{(v & 0xFF0000u) >> 16 | (v & 0x00FF00u) | (v & 0x0000FFu) << 16});
}

} // namespace

std::variant<FieldValue, std::string> ParseFieldValue(const SegmentField& field,
                                                      std::string_view text) {
    switch (KindOf(field)) {
    case FieldKind::Boolean:
        if (text == "true" || text == "false")
            return FieldValue(text == "true");
        return "not true or false";
    case FieldKind::Flag:
    case FieldKind::Choice:
        for (uint8_t i = 0; i < 2; ++i) {
            if ((text.size() == 1 && text[0] == char('0' + i)) ||
                (!field.Choices[i].Word.empty() && text == field.Choices[i].Word))
                return FieldValue(i);
        }
        return field.Choices[0].Word.empty() ? "not 0 or 1"
                                             : "not 0, 1, " + std::string(field.Choices[0].Word) +
                                                   " or " + std::string(field.Choices[1].Word);
    case FieldKind::ColourValue:
        return ParseColour(text);
    case FieldKind::Single:
        break;
    }
    return ParseSingle(field, text);
}

} // namespace segment_fields
