#pragma once

#include "TrackDocument.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

// Every setting a segment carries, one row each: its member, the segment type that has it, its
// name (the member's own, as kvtrack prints it), the unit it is shown in and the names of a
// choice's two options. The panels, the segment table and kvtrack all read their fields here.
namespace mKavrano_TrackIO_1_3 {

// The unit a Single is shown in; the stored one is m/s for km/h and m/s² for g.
enum class FieldUnit { AsStored, Kmph, G, Seconds };

// How a field is shown and typed: a check box (a Boolean, or a Byte of 0 or 1), one of two
// options (a Byte), a number or a colour.
enum class FieldKind { Boolean, Flag, Choice, Single, ColourValue };

using FieldMember = std::variant<bool TrackSegment::*, uint8_t TrackSegment::*,
                                 Colour TrackSegment::*, float TrackSegment::*>;

// An option of a choice: the panels' caption and the word kvtrack takes.
struct FieldChoice {
    std::string_view Caption;
    std::string_view Word;
};

// The type of the fields every segment has.
inline constexpr int32_t kEveryType = -1;

struct SegmentField {
    std::string_view Name;
    int32_t Type; // the SegmentType that carries it, or kEveryType
    FieldMember Member;
    FieldUnit Unit = FieldUnit::AsStored;
    std::array<FieldChoice, 2> Choices{}; // a choice's options, by the value they store
};

// Every field but SegmentType, in the record's declared order.
std::span<const SegmentField> SegmentFields();

// The row of that name or member; nullptr when there is none.
const SegmentField* FindSegmentField(std::string_view name);
const SegmentField* FindSegmentField(const FieldMember& member);

FieldKind KindOf(const SegmentField& field);

// True when segment `s` carries the field: its type is the field's, or the field is common.
bool Carries(const TrackSegment& s, const SegmentField& field);

// A field's value, of the member's own type.
using FieldValue = std::variant<bool, uint8_t, Colour, float>;
FieldValue ReadField(const TrackSegment& s, const SegmentField& field);
// `value` must hold the member's type.
void WriteField(TrackSegment& s, const SegmentField& field, const FieldValue& value);

} // namespace mKavrano_TrackIO_1_3
