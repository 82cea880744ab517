#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The names kvtrack gives the segment types, indexed by SegmentType.
inline constexpr std::array<std::string_view, 5> kSegmentTypeNames = {"plain", "station", "lift",
                                                                      "transport", "brake"};

// The name of a type; empty for a type outside 0 to 4.
inline std::string_view SegmentTypeName(int32_t type) {
    return type >= 0 && type < int32_t(kSegmentTypeNames.size()) ? kSegmentTypeNames[type] : "";
}

// The type a name or a number 0 to 4 stands for.
inline std::optional<int32_t> ParseSegmentType(std::string_view text) {
    for (int32_t t = 0; t < int32_t(kSegmentTypeNames.size()); ++t)
        if (text == kSegmentTypeNames[t] || (text.size() == 1 && text[0] == '0' + t))
            return t;
    return std::nullopt;
}
