// libFuzzer target: any bytes are read without a crash, a hang or a large allocation, a refusal
// gives its reason, and whatever is accepted writes back to a file that reads to the same bytes
// again.
#include "TrackReader.h"
#include "TrackWriter.h"

#include <cstdint>
#include <cstdlib>

using namespace mKavrano_TrackIO_1_3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TrackDocument doc;
    TrackRefusal why;
    if (!LoadTrackData(doc, {data, size}, &why)) {
        // A refused file must leave the document cleared and say why.
        if (!(doc == TrackDocument{}) || why.Reason.empty())
            std::abort();
        return 0;
    }
    const std::vector<uint8_t> saved = BuildTrackData(doc);
    TrackDocument back;
    if (!LoadTrackData(back, saved) || BuildTrackData(back) != saved)
        std::abort();
    return 0;
}
