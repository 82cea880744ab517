#pragma once

#include "TrackDocument.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The segment fields that the editor's panels change, as kvtrack set names and parses them.
namespace segment_fields {

using mKavrano_TrackIO_1_3::Colour;
using mKavrano_TrackIO_1_3::TrackSegment;

// The unit a Single is shown in, and the suffix that names it.
enum class ShownUnit { AsStored, Kmph, G, Seconds };

struct SegmentField {
    std::string_view Name;        // as dump prints it
    std::optional<int32_t> Group; // the SegmentType that carries it; none: every type
    std::variant<bool TrackSegment::*, uint8_t TrackSegment::*, Colour TrackSegment::*,
                 float TrackSegment::*>
        Member;
    ShownUnit Unit = ShownUnit::AsStored;      // of a Single
    std::array<std::string_view, 2> Choices{}; // names of a Byte's two options, if it has them
};

using FieldValue = std::variant<bool, uint8_t, Colour, float>;

// The editable field of that name; nullptr for any other name.
const SegmentField* FindField(std::string_view name);

// text as a value of field, or why it is not one.
std::variant<FieldValue, std::string> ParseFieldValue(const SegmentField& field,
                                                      std::string_view text);

void SetField(TrackSegment& segment, const SegmentField& field, const FieldValue& value);

} // namespace segment_fields
