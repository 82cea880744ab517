#pragma once

#include <cstdint>
#include <string>

namespace mKavrano_TrackIO_1_3 {

// Why the reader refused a file: the first check that failed.
struct TrackRefusal {
    std::string Tag;     // the chunk being read; empty when the file itself was refused
    int64_t Offset = -1; // the byte where the reader stood; -1 when no byte is concerned
    std::string Reason;
};

// One line for a person: "SEGM at byte 1234: <reason>", leaving out what is not known.
std::string DescribeRefusal(const TrackRefusal& refusal);

} // namespace mKavrano_TrackIO_1_3
