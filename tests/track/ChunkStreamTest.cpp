#include "ChunkStream.h"

#include <gtest/gtest.h>

using namespace mKavrano_TrackIO_1_3;

// The readers and writers of scalars, tags and texts are checked byte for byte through the
// track reader and writer tests; here only what no track file shows.
TEST(ChunkStream, ColourTopByteIsNeverWrittenAndTextsKeepEveryByte) {
    ChunkOutput out;
    WriteColour(out, 0x7F102030u);
    EXPECT_EQ(out.FileData, (std::vector<uint8_t>{0x00, 0x10, 0x20, 0x30}));
    const std::vector<uint8_t> bytes = {0, 0, 0, 3, 'x', 0xE9, 0x00};
    ChunkInput in{bytes};
    EXPECT_EQ(ReadCountedText(in), std::string("x\xE9\0", 3)); // non-ASCII and NUL survive
    EXPECT_FALSE(in.Overrun);
}

TEST(ChunkStream, OverrunIsStickyAndYieldsZeros) {
    const std::vector<uint8_t> bytes = {0x00, 0x00, 0x00, 0x05, 'a', 0x12, 0x34};
    ChunkInput in{bytes};
    EXPECT_EQ(ReadCountedText(in), ""); // claims 5 bytes, 3 remain
    EXPECT_TRUE(in.Overrun);
    EXPECT_EQ(ReadByte(in), 0); // nothing is read once the data ran out
    EXPECT_EQ(ReadLong(in), 0);

    const std::vector<uint8_t> negative = {0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'};
    ChunkInput neg{negative};
    EXPECT_EQ(ReadCountedText(neg), "");
    EXPECT_TRUE(neg.Overrun);

    const std::vector<uint8_t> three = {1, 2, 3};
    ChunkInput shortLong{three};
    EXPECT_EQ(ReadLong(shortLong), 0);
    EXPECT_TRUE(shortLong.Overrun);
}
