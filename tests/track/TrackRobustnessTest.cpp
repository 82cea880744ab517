#include "TrackFileBytes.h"
#include "TrackReader.h"
#include "TrackWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>

using namespace mKavrano_TrackIO_1_3;

// Every truncation is refused and leaves an empty document; random mutations never crash, and
// whatever of them is accepted writes back canonically.
TEST(TrackRobustness, TruncationsAndRandomMutations) {
    const std::vector<uint8_t> file = FullFile();
    TrackDocument doc;
    for (size_t n = 0; n < file.size(); ++n) {
        ASSERT_TRUE(LoadTrackData(doc, file)); // a full document before each attempt
        ASSERT_FALSE(LoadTrackData(doc, std::span(file).first(n))) << "truncated to " << n;
        ASSERT_EQ(doc, TrackDocument{}) << "truncated to " << n;
    }

    std::mt19937 rng(20261206);
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        std::vector<uint8_t> bytes = file;
        const int edits = 1 + int(rng() % 8);
        for (int e = 0; e < edits; ++e) {
            const size_t at = rng() % bytes.size();
            const auto kind = rng() % 3;
            if (kind == 0)
                bytes[at] = uint8_t(rng());
            else if (kind == 1) // a big or negative count or length where a Long may stand
                for (size_t k = at; k < std::min(at + 4, bytes.size()); ++k)
                    bytes[k] = (rng() % 2) ? 0x7F : 0xFF;
            else
                bytes.resize(at + 1);
        }
        if (!LoadTrackData(doc, bytes)) {
            ASSERT_EQ(doc, TrackDocument{});
            continue;
        }
        ++accepted;
        ASSERT_LE(doc.SegmentCount, doc.BezierCount);
        // Whatever was accepted writes back to bytes that read to the same content (compared
        // as bytes, since a mutated Single may be a NaN).
        const std::vector<uint8_t> saved = BuildTrackData(doc);
        TrackDocument back;
        ASSERT_TRUE(LoadTrackData(back, saved));
        ASSERT_EQ(BuildTrackData(back), saved);
    }
    // The mutations must leave a good share of files readable, or the check above is idle.
    EXPECT_GT(accepted, 100);
}
