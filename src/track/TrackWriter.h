#pragma once

#include "TrackDocument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mKavrano_TrackIO_1_3 {

struct SaveResult {
    bool Saved = false;
    std::string Path;  // the path written, ".kvtrack" appended where it was missing
    std::string Error; // why the file could not be written, when Saved is false
};

// Writes doc to path in the standard chunk tree, replacing the file the way ReplaceFileSafely
// does: through links, keeping its permissions, surviving a failure and a power loss. On
// return doc's chunk bookkeeping holds the values written.
SaveResult SaveTrackFile(TrackDocument& doc, const std::string& path);

// The bytes SaveTrackFile writes; refreshes doc's chunk bookkeeping the same way.
std::vector<uint8_t> BuildTrackData(TrackDocument& doc);

// Recomputes every chunk length field from doc's counts and texts.
void UpdateChunkLengths(TrackDocument& doc);

} // namespace mKavrano_TrackIO_1_3
