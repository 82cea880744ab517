#pragma once

#include "SegmentTexts.h"
#include "TrackDocument.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The words kvtrack takes and prints for the segment types: the editor's type names in lower
// case, "plain" to "brake".

// The word of a type; empty for a type outside SegPlain to SegBrake.
inline std::string SegmentTypeWord(int32_t type) {
    if (type < mKavrano_TrackIO_1_3::SegPlain || type > mKavrano_TrackIO_1_3::SegBrake)
        return {};
    std::string word = mKV_TraceTrack::SegmentTypeName(type);
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return word;
}

// The type a word or a number 0 to 4 stands for.
inline std::optional<int32_t> ParseSegmentType(std::string_view text) {
    for (int32_t t = mKavrano_TrackIO_1_3::SegPlain; t <= mKavrano_TrackIO_1_3::SegBrake; ++t) {
        if (text == SegmentTypeWord(t) || (text.size() == 1 && text[0] == '0' + t))
            return t;
    }
    return std::nullopt;
}
