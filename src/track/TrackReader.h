#pragma once

#include "TrackDocument.h"
#include "TrackRefusal.h"

#include <cstdint>
#include <span>
#include <string>

namespace mKavrano_TrackIO_1_3 {

// Reads the ".kvtrack" file at path into doc. False for an empty path, a path that is not
// an ordinary file or lacks the extension (doc unchanged), and for any file that is not a
// complete, traceable track (doc cleared). When why is given, a refusal fills it with the first
// check that failed.
bool LoadTrackFile(TrackDocument& doc, const std::string& path, TrackRefusal* why = nullptr);

// The same walk over bytes already in memory; doc is cleared first.
bool LoadTrackData(TrackDocument& doc, std::span<const uint8_t> data, TrackRefusal* why = nullptr);

} // namespace mKavrano_TrackIO_1_3
