#include "ChunkStream.h"

#include <gtest/gtest.h>

using namespace mKavrano_TrackIO_1_3;

// The readers and writers of scalars, tags and texts are checked byte for byte through the
// track reader and writer tests; here only what no track file shows.
TEST(ChunkStream, ColourTopByteIsNeverWrittenTextsKeepEveryByteAndOverrunsAreSticky) {
    ChunkOutput out;
    WriteColour(out, 0x7F102030u);
    EXPECT_EQ(out.FileData, (std::vector<uint8_t>{0x00, 0x10, 0x20, 0x30}));
    const std::vector<uint8_t> bytes = {0, 0, 0, 3, 'x', 0xE9, 0x00};
    ChunkInput in{bytes};
    EXPECT_EQ(ReadCountedText(in), std::string("x\xE9\0", 3)); // non-ASCII and NUL survive
    EXPECT_FALSE(in.Refusal.has_value());

    // An overrun is sticky and yields zeros (a negative text length and a short Long are
    // refused in the reader test's table).
    const std::vector<uint8_t> claims5 = {0x00, 0x00, 0x00, 0x05, 'a', 0x12, 0x34};
    in = ChunkInput{claims5};
    EXPECT_EQ(ReadCountedText(in), ""); // claims 5 bytes, 3 remain
    EXPECT_TRUE(in.Refusal.has_value());
    EXPECT_EQ(ReadByte(in), 0); // nothing is read once the data ran out
    EXPECT_EQ(ReadLong(in), 0);
}
