// libFuzzer target: any bytes are read without a crash, a hang or a large allocation, and
// whatever is accepted writes back to a file that reads to the same bytes again.
#include "TrackReader.h"
#include "TrackWriter.h"

#include <cstdint>
#include <cstdlib>

using namespace mKavrano_TrackIO_1_3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TrackDocument doc;
    if (!LoadTrackData(doc, {data, size})) {
        if (!(doc == TrackDocument{}))
            std::abort(); // a refused file must leave the document cleared
        return 0;
    }
    const std::vector<uint8_t> saved = BuildTrackData(doc);
    TrackDocument back;
    if (!LoadTrackData(back, saved) || BuildTrackData(back) != saved)
        std::abort();
    return 0;
}
