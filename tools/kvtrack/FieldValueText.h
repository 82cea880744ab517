#pragma once

#include "SegmentFieldTable.h"

#include <string>
#include <string_view>
#include <variant>

// A segment field's value as kvtrack set reads it from its command line.
namespace segment_fields {

using mKavrano_TrackIO_1_3::FieldValue;
using mKavrano_TrackIO_1_3::SegmentField;

// text as a value of field, or why it is not one: true or false; 0, 1 or a choice's word; a
// number, with the suffix of the unit the editor shows it in (kmph, g, s) to convert it; a
// colour as #RRGGBB or as dump prints it.
std::variant<FieldValue, std::string> ParseFieldValue(const SegmentField& field,
                                                      std::string_view text);

} // namespace segment_fields
