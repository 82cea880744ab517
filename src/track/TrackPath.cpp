#include "TrackPath.h"

#include <algorithm>
#include <string_view>

namespace mKavrano_TrackIO_1_3 {

namespace {
constexpr std::string_view kTrackExtension = ".kvtrack";
}

bool HasTrackExtension(const std::string& path) {
    if (path.size() < kTrackExtension.size())
        return false;
    return std::equal(
        kTrackExtension.begin(), kTrackExtension.end(),
        path.end() - static_cast<std::ptrdiff_t>(kTrackExtension.size()),
        [](char want, char c) { return want == (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
}

std::string WithTrackExtension(const std::string& path) {
    return HasTrackExtension(path) ? path : path + std::string(kTrackExtension);
}

} // namespace mKavrano_TrackIO_1_3
