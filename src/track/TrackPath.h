#pragma once

#include <string>

namespace mKavrano_TrackIO_1_3 {

// True when the last eight characters of path, in lower case, are ".kvtrack".
bool HasTrackExtension(const std::string& path);

// path itself when it has the track extension, otherwise path with ".kvtrack" appended.
std::string WithTrackExtension(const std::string& path);

} // namespace mKavrano_TrackIO_1_3
