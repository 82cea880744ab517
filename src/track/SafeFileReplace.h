#pragma once

// Replacing a file so that a failure or a power loss leaves either the old file or the new one,
// never a mix, and so that the file keeps what the user gave it: the link that points to it,
// its permissions and its group.

#include <cstdint>
#include <string>
#include <vector>

namespace mKavrano_TrackIO_1_3 {

// The calls that make a replace durable, apart so that tests can watch them and make them fail.
struct DurableCalls {
    int (*Fsync)(int fd);
    int (*Rename)(const char* from, const char* to);
};

// The system's own.
extern const DurableCalls kSystemCalls;

// Writes data to a temporary file beside the file that path names (through any chain of
// symbolic links; a dangling one names the file to create), syncs it, renames it over that
// file and syncs the folder. An existing file's permissions and, where allowed, group carry
// over; a new file gets 0666 less the umask. Returns why it failed, or "" on success; on a
// failure before the rename the old file is untouched and no temporary file is left.
std::string ReplaceFileSafely(const std::string& path, const std::vector<uint8_t>& data,
                              const DurableCalls& calls = kSystemCalls);

} // namespace mKavrano_TrackIO_1_3
